#pragma once
// "Longueur d'un arc": the length of the curve of f, g, h or i from a to b.

#include <QPointer>

#include "tools/interval_window.h"

class Tlongarc : public IntervalWindow {
    Q_OBJECT
public:
    explicit Tlongarc(QWidget* parent = nullptr);

    void BitBtn1Click() override;
};

// The one Tlongarc of the program, created at start-up; null before and after.
extern QPointer<Tlongarc> longarc;
