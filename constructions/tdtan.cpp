#include "constructions/tdtan.h"

QPointer<Tdtan> dtan;

Tdtan::Tdtan(QWidget* parent) : ContactLineDialog("Tangente à la courbe en a", LineKind::Tangent, parent) {}
