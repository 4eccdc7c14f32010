#pragma once
// "Point fixe": a point at the coordinates typed, which stays where it is put.

#include <QPointer>

#include "constructions/construction_dialog.h"

class Tpfixe : public PointDialog {
    Q_OBJECT
public:
    explicit Tpfixe(QWidget* parent = nullptr);

    ColourEdit* Editx;
    ColourEdit* Edity;

    void BitBtn1Click() override;
};

// The one Tpfixe of the program, created at start-up; null before and after.
extern QPointer<Tpfixe> pfixe;
