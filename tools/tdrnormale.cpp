#include "tools/tdrnormale.h"

#include "tools/derivatives.h"

QPointer<Tdrnormale> drnormale;

Tdrnormale::Tdrnormale(QWidget* parent)
    : PointEquationWindow("Equation d'une normale", "y=-1/%1'(a)(x-a)+%1(a)", normalEquation,
                          parent) {}
