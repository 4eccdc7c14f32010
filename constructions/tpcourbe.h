#pragma once
// "Point sur une courbe": a point put at random on the curve of f, g, h or i,
// which the mouse then moves along it.

#include <QPointer>

#include "constructions/construction_dialog.h"
#include "constructions/creation_steps.h"

class Tpcourbe : public PointDialog {
    Q_OBJECT
public:
    explicit Tpcourbe(QWidget* parent = nullptr);

    QRadioButton* f = nullptr;
    QRadioButton* g = nullptr;
    QRadioButton* h = nullptr;
    QRadioButton* i = nullptr;

    void BitBtn1Click() override;

private:
    RandomBelow random_ = seededRandom();
};

// The one Tpcourbe of the program, created at start-up; null before and after.
extern QPointer<Tpcourbe> pcourbe;
