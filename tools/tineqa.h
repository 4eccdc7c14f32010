#pragma once
// "F(x)<>a ?": the inequality f(x) < a, > a, <= a or >= a, solved by the graph
// window under the mouse once the number and the relation are chosen here.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QGroupBox;
class QLabel;
class QRadioButton;

class Tineqa : public ToolWindow {
    Q_OBJECT
public:
    explicit Tineqa(QWidget* parent = nullptr);

    QLabel* nom;
    ColourEdit* Edita;
    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;  // <
    QRadioButton* RadioButton2;  // >
    QRadioButton* RadioButton3;  // <=
    QRadioButton* RadioButton4;  // >=

    // Enter in Edita.
    void EditaKeyPress();
    void RadioButtonClick();
    // The number a, ErrorValue when Edita does not hold one; Edita turns black
    // when it does.
    long double readA();

protected:
    void stopClick() override;
};

// The radio button of relation 1 "<", 2 ">", 3 "<=" or 4 ">=", shared with
// Tineqf; chosenValue gives the relation of the checked one.
QRadioButton* makeRelationButton(int relation);

// The one Tineqa of the program, created at start-up; null before and after.
extern QPointer<Tineqa> ineqa;
