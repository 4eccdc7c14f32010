#pragma once
// "Suites": a sequence built on one of the four functions, drawn over the
// plane graph, either Un = f(n) projected on the y axis or Un+1 = f(Un) as the
// staircase diagram. The graph window's construit() asks for it again after
// every repaint (redraw()), so it lasts until "Supprimer > Suite".

#include <QPointer>
#include <vector>

#include "platform/tool_window.h"

class ColourEdit;
class QLabel;
class QPushButton;
class QRadioButton;

class Tsuitezone : public ToolWindow {
    Q_OBJECT
public:
    explicit Tsuitezone(QWidget* parent = nullptr);

    QRadioButton* RadioButton1;  // f
    QRadioButton* RadioButton2;  // g
    QRadioButton* RadioButton3;  // h
    QRadioButton* RadioButton4;  // i
    QRadioButton* RadioButton6;  // "Un=f(n)"
    QRadioButton* RadioButton7;  // "Un+1=f(Un)"
    QLabel* luo;
    ColourEdit* uo;
    QLabel* lterme;
    ColourEdit* terme;
    QPushButton* BitBtn1;  // "Go"

    // Any of the six radio buttons: the explicit sequence is shown at once; the
    // recurrent one waits for "Go".
    void RadioButtonClick();
    void BitBtn1Click();
    // Enter in "Uo=": the diagram again from the new first term.
    void uoKeyPress();
    // Draws the current sequence over the graph window's picture.
    void redraw();

private:
    int chosenFunction() const;
    bool recurrent() const;
    void showRecurrentFields();
    void drawExplicit();
    void drawRecurrent();

    std::vector<QRadioButton*> functionButtons_;
};

// The one Tsuitezone of the program, created at start-up; null before and after.
extern QPointer<Tsuitezone> suitezone;
