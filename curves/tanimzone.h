#pragma once
// "Animation": f(x,k) and g(x,k) and the range of k; the button redraws the
// graph once for every value of k, the window "k" showing the value.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QLabel;
class QPushButton;
class QToolButton;

class Tanimzone : public ToolWindow {
    Q_OBJECT
public:
    explicit Tanimzone(QWidget* parent = nullptr);

    ColourEdit* Editf;
    ColourEdit* Editg;
    ColourEdit* editymin;  // first k
    ColourEdit* editymax;  // last k
    ColourEdit* Editpas;   // step of k
    QPushButton* Go;
    QToolButton* IAeverButton1;  // opens the formula help

    void EditfKeyPress() { enterFormula(*Editf, 1); }
    void EditgKeyPress() { enterFormula(*Editg, 2); }
    // Runs the animation to its end (or to Escape) before returning.
    void GoClick();
    void IAeverButton1Click();

private:
    // Normalises and compiles the field into its slot; returns whether it holds a formula.
    bool storeFormula(ColourEdit& edit, int slot);
    void enterFormula(ColourEdit& edit, int slot);
    void readRange();
};

// The one Tanimzone of the program, created at start-up; null before and after.
extern QPointer<Tanimzone> animzone;
