#pragma once
// "Polygône": an outline through the points named, in order, straight or
// smoothed.

#include <QPointer>

#include "constructions/construction_dialog.h"

class QCheckBox;

class Tlignebrisee : public ConstructionDialog {
    Q_OBJECT
public:
    explicit Tlignebrisee(QWidget* parent = nullptr);

    ColourEdit* Editnom;   // the vertices, "ABCA"
    QCheckBox* lis;        // "Lisser le polygône", ticked at start
    QPushButton* supp3d;   // "Détruire": the newest polygon goes

    void BitBtn1Click() override;
    void supp3dClick();
};

// The one Tlignebrisee of the program, created at start-up; null before and after.
extern QPointer<Tlignebrisee> lignebrisee;
