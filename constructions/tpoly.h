#pragma once
// "Triangles": a facet of three or four points, which only the space view draws.

#include <QPointer>

#include "constructions/construction_dialog.h"

class Tpoly : public ConstructionDialog {
    Q_OBJECT
public:
    explicit Tpoly(QWidget* parent = nullptr);

    ColourEdit* Editnom;  // "ABC" or "ABCD"
    QPushButton* supp3d;  // "Détruire": the newest facet goes

    void BitBtn1Click() override;
    void supp3dClick();
};

// The one Tpoly of the program, created at start-up; null before and after.
extern QPointer<Tpoly> poly;
