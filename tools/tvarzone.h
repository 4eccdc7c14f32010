#pragma once
// "Variations": one of three arrows, rising, falling or flat, chosen by the
// variations mode of the graph window from the sign of the derivative under
// the mouse.

#include <QPointer>

#include "platform/tool_window.h"

class QLabel;

class Tvarzone : public ToolWindow {
    Q_OBJECT
public:
    explicit Tvarzone(QWidget* parent = nullptr);

    QLabel* Image1;  // increasing
    QLabel* Image2;  // decreasing
    QLabel* Image3;  // derivative zero

    // Shows the one picture that goes with the sign of the derivative.
    void showSlope(long double derivative);

protected:
    void stopClick() override;
};

// The one Tvarzone of the program, created at start-up; null before and after.
extern QPointer<Tvarzone> varzone;
