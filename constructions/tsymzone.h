#pragma once
// "Symétrie axiale": the mirror image of a point in the line through two
// points; it follows the points it is built on.

#include <QPointer>

#include "constructions/construction_dialog.h"

class QCheckBox;

class Tsymzone : public PointDialog {
    Q_OBJECT
public:
    explicit Tsymzone(QWidget* parent = nullptr);

    ColourEdit* Dep;  // the point reflected
    ColourEdit* vec;  // the axis, "AB"
    QCheckBox* axe;   // "Voir la construction"
    QCheckBox* lieu;  // "Laisser la trace de ce point"

    void BitBtn1Click() override;
};

// The one Tsymzone of the program, created at start-up; null before and after.
extern QPointer<Tsymzone> symzone;
