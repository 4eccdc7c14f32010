#include "constructions/tdpoint.h"

#include "constructions/creation_steps.h"

QPointer<Tdpoint> dpoint;

Tdpoint::Tdpoint(QWidget* parent)
    : TwoPointDialog("Nom de la droite", "   Nom de la droite :", "()", createLineThroughPoints, LineCount, parent) {}
