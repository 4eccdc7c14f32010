#pragma once
// "Choix de la fonction": the function the reading tools work on.

#include <QPointer>

#include "platform/tool_window.h"

class QRadioButton;

class Tchoixf : public ToolWindow {
    Q_OBJECT
public:
    explicit Tchoixf(QWidget* parent = nullptr);

    QRadioButton* RadioButton1;  // f
    QRadioButton* RadioButton2;  // g
    QRadioButton* RadioButton3;  // h
    QRadioButton* RadioButton4;  // i

    void RadioButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void stopClick() override;
};

// The one Tchoixf of the program, created at start-up; null before and after.
extern QPointer<Tchoixf> choixf;
