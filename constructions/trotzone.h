#pragma once
// "Rotation": the image of a point turned about a centre by an angle in
// radians; it follows the points it is built on.

#include <QPointer>

#include "constructions/construction_dialog.h"

class QCheckBox;

class Trotzone : public PointDialog {
    Q_OBJECT
public:
    explicit Trotzone(QWidget* parent = nullptr);

    ColourEdit* Dep;          // the point turned
    ColourEdit* centre;       // its last letter names the centre
    ColourEdit* angle;        // radians, "pi/2" allowed
    QCheckBox* construction;  // "Voir les constructions"
    QCheckBox* lieu;          // "Laisser la trace de ce point"

    void BitBtn1Click() override;
};

// The one Trotzone of the program, created at start-up; null before and after.
extern QPointer<Trotzone> rotzone;
