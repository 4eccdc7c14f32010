#include "tools/ttanzone.h"

#include "tools/derivatives.h"

QPointer<Ttanzone> tanzone;

Ttanzone::Ttanzone(QWidget* parent)
    : PointEquationWindow("Equation d'une tangente", "y=%1'(a)(x-a)+%1(a)", tangentEquation,
                          parent) {}
