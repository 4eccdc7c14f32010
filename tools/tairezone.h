#pragma once
// "Aire entre deux courbes": the area between two of the functions from a to
// b, hatched on the graph.

#include <QPointer>

#include "tools/interval_window.h"

class Tairezone : public IntervalWindow {
    Q_OBJECT
public:
    explicit Tairezone(QWidget* parent = nullptr);

    QGroupBox* GroupBox2;
    QRadioButton* RadioButton5;
    QRadioButton* RadioButton6;
    QRadioButton* RadioButton7;
    QRadioButton* RadioButton8;

    void BitBtn1Click() override;
};

// The one Tairezone of the program, created at start-up; null before and after.
extern QPointer<Tairezone> airezone;
