#pragma once
// "Intégration numérique": the left Riemann sum of f, g, h or i from a to b
// with the step typed in pa, its rectangles outlined under the curve.

#include <QPointer>

#include "tools/interval_window.h"

class Tintzone : public IntervalWindow {
    Q_OBJECT
public:
    explicit Tintzone(QWidget* parent = nullptr);

    QLabel* Label2;
    ColourEdit* pa;

    void BitBtn1Click() override;
};

// The one Tintzone of the program, created at start-up; null before and after.
extern QPointer<Tintzone> intzone;
