#pragma once
// "f(x)<g(x)": the inequality between two of the functions, solved by the
// graph window under the mouse once the relation and the functions are chosen
// here.

#include <QPointer>

#include "platform/tool_window.h"

class QGroupBox;
class QRadioButton;

class Tineqf : public ToolWindow {
    Q_OBJECT
public:
    explicit Tineqf(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;  // "Sens"
    QRadioButton* RadioButton1;  // <
    QRadioButton* RadioButton2;  // >
    QRadioButton* RadioButton3;  // <=
    QRadioButton* RadioButton4;  // >=
    QGroupBox* choixun;  // "Première fonction"
    QRadioButton* RadioButton6;
    QRadioButton* RadioButton7;
    QRadioButton* RadioButton8;
    QRadioButton* RadioButton9;
    QGroupBox* choix2;  // "Deuxième fonction"
    QRadioButton* RadioButton10;
    QRadioButton* RadioButton11;
    QRadioButton* RadioButton12;
    QRadioButton* RadioButton13;

    // A click in "Sens".
    void RadioButtonClick();
    // A click in either choice of function: the marks of the former pair go.
    void RadioButtonbisClick();
    // The functions and the relation chosen become those of the graph window.
    void ineq();

protected:
    void showEvent(QShowEvent* event) override;
};

// The one Tineqf of the program, created at start-up; null before and after.
extern QPointer<Tineqf> ineqf;
