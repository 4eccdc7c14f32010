#pragma once
// "Equation cartésienne": the line ax + by + c = 0.

#include <QPointer>

#include "constructions/construction_dialog.h"

class Tdcartesienne : public ConstructionDialog {
    Q_OBJECT
public:
    explicit Tdcartesienne(QWidget* parent = nullptr);

    ColourEdit* edita;
    ColourEdit* Editb;
    ColourEdit* Editc;

    void BitBtn1Click() override;
};

// The one Tdcartesienne of the program, created at start-up; null before and after.
extern QPointer<Tdcartesienne> dcartesienne;
