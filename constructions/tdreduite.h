#pragma once
// "Equation réduite": the line y = mx + p.

#include <QPointer>

#include "constructions/construction_dialog.h"

class Tdreduite : public ConstructionDialog {
    Q_OBJECT
public:
    explicit Tdreduite(QWidget* parent = nullptr);

    ColourEdit* edita;  // m
    ColourEdit* Editb;  // p

    void BitBtn1Click() override;
};

// The one Tdreduite of the program, created at start-up; null before and after.
extern QPointer<Tdreduite> dreduite;
