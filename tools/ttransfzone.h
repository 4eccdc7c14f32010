#pragma once
// "Transformations": the function |f(|x| + b) + a| built from f, g, h or i,
// drawn in aqua as the graph's transformed function.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class Ttransfzone : public ToolWindow {
    Q_OBJECT
public:
    explicit Ttransfzone(QWidget* parent = nullptr);

    QLabel* l1;  // "f(x)+"
    ColourEdit* edita;
    QLabel* l2;  // "f(x+"
    ColourEdit* editb;
    QLabel* Label2;
    QCheckBox* l3;  // "!f!"
    QCheckBox* l4;  // "f(!x!)"
    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QPushButton* BitBtn1;

    // A function button: the captions name the chosen function.
    void changefonc();
    // "Go !": the transformed formula into the graph's slot 0, drawn at once.
    void BitBtn1Click();

protected:
    void stopClick() override;
};

// The one Ttransfzone of the program, created at start-up; null before and after.
extern QPointer<Ttransfzone> transfzone;
