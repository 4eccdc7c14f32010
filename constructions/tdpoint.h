#pragma once
// "Nom de la droite": the line (AB), drawn by the graph and by the space view.

#include <QPointer>

#include "constructions/two_point_dialog.h"

class Tdpoint : public TwoPointDialog {
    Q_OBJECT
public:
    explicit Tdpoint(QWidget* parent = nullptr);
};

// The one Tdpoint of the program, created at start-up; null before and after.
extern QPointer<Tdpoint> dpoint;
