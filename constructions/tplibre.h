#pragma once
// "Point libre": a point put at random well inside the window, which the
// mouse then moves.

#include <QPointer>

#include "constructions/construction_dialog.h"
#include "constructions/creation_steps.h"

class Tplibre : public PointDialog {
    Q_OBJECT
public:
    explicit Tplibre(QWidget* parent = nullptr);

    void BitBtn1Click() override;

private:
    RandomBelow random_ = seededRandom();
};

// The one Tplibre of the program, created at start-up; null before and after.
extern QPointer<Tplibre> plibre;
