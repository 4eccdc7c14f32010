#pragma once
// "Nom du segment": the segment [AB], drawn by the graph and by the space view.

#include <QPointer>

#include "constructions/two_point_dialog.h"

class Tspoint : public TwoPointDialog {
    Q_OBJECT
public:
    explicit Tspoint(QWidget* parent = nullptr);
};

// The one Tspoint of the program, created at start-up; null before and after.
extern QPointer<Tspoint> spoint;
