#pragma once
// "Translation": the image of a point by the vector k·AB, or by k times the
// unit vector "i" or "j"; it follows the points it is built on.

#include <QPointer>

#include "constructions/construction_dialog.h"

class QCheckBox;

class Ttranszone : public PointDialog {
    Q_OBJECT
public:
    explicit Ttranszone(QWidget* parent = nullptr);

    ColourEdit* Dep;       // the point moved
    ColourEdit* scalaire;  // k, "1" at start
    ColourEdit* vec;       // "AB", "i" or "j"
    QCheckBox* vecteur;    // "Voir les vecteurs"
    QCheckBox* lieu;       // "Laisser la trace de ce point"

    void BitBtn1Click() override;
};

// The one Ttranszone of the program, created at start-up; null before and after.
extern QPointer<Ttranszone> transzone;
