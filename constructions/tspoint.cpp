#include "constructions/tspoint.h"

#include "constructions/creation_steps.h"

QPointer<Tspoint> spoint;

Tspoint::Tspoint(QWidget* parent)
    : TwoPointDialog("Nom du segment", "  Nom du segment : ", "[]", createSegment, SegmentCount, parent) {}
