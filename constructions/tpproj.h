#pragma once
// "Projection": the foot of a point on the x axis or on the y axis, which
// follows the point.

#include <QPointer>

#include "constructions/construction_dialog.h"

class QRadioButton;

class Tpproj : public PointDialog {
    Q_OBJECT
public:
    explicit Tpproj(QWidget* parent = nullptr);

    ColourEdit* Dep;      // the point projected
    QRadioButton* proj1;  // "Projection sur l'axe des abscisses", checked at start
    QRadioButton* Proj2;  // "Projection sur l'axe des ordonnées"

    void BitBtn1Click() override;
};

// The one Tpproj of the program, created at start-up; null before and after.
extern QPointer<Tpproj> pproj;
