#pragma once
// "Equation d'une tangente": the tangent to the polar curve at an angle,
// added to the constructions.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QLabel;

class Tpolairetan : public ToolWindow {
    Q_OBJECT
public:
    explicit Tpolairetan(QWidget* parent = nullptr);

    ColourEdit* angle;
    QLabel* result;  // "pas de tangente" when there is none

    void angleKeyPress();
};

// The one Tpolairetan of the program, created at start-up; null before and after.
extern QPointer<Tpolairetan> polairetan;
