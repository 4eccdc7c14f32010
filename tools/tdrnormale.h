#pragma once
// "Equation d'une normale": the equation of the normal to f, g, h or i at the
// abscissa a, vertical where the tangent is horizontal.

#include <QPointer>

#include "tools/point_equation_window.h"

class Tdrnormale : public PointEquationWindow {
    Q_OBJECT
public:
    explicit Tdrnormale(QWidget* parent = nullptr);
};

// The one Tdrnormale of the program, created at start-up; null before and after.
extern QPointer<Tdrnormale> drnormale;
