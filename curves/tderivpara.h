#pragma once
// "Dérivation": the derivatives X'(x) and Y'(x) of the parametric curve.

#include <QPointer>

#include "platform/tool_window.h"

class QLabel;
class QPushButton;

class Tderivpara : public ToolWindow {
    Q_OBJECT
public:
    explicit Tderivpara(QWidget* parent = nullptr);

    QLabel* fprime;  // X'(x)
    QLabel* gprime;  // Y'(x)
    QPushButton* BitBtn1;  // "Go !"

    // "?" for a formula not entered, "??" for one the differentiator refuses.
    void BitBtn1Click();
};

// The one Tderivpara of the program, created at start-up; null before and after.
extern QPointer<Tderivpara> derivpara;
