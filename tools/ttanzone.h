#pragma once
// "Equation d'une tangente": the reduced equation of the tangent to f, g, h
// or i at the abscissa a.

#include <QPointer>

#include "tools/point_equation_window.h"

class Ttanzone : public PointEquationWindow {
    Q_OBJECT
public:
    explicit Ttanzone(QWidget* parent = nullptr);
};

// The one Ttanzone of the program, created at start-up; null before and after.
extern QPointer<Ttanzone> tanzone;
