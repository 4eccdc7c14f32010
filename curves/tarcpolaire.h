#pragma once
// "Longueur d'un arc" of the polar curve between two angles.

#include <QPointer>

#include "curves/arc_length_window.h"

class Tarcpolaire : public ArcLengthWindow {
    Q_OBJECT
public:
    explicit Tarcpolaire(QWidget* parent = nullptr);

protected:
    bool curveEntered() const override;
    std::string lengthText(long double a, long double b) const override;
};

// The one Tarcpolaire of the program, created at start-up; null before and after.
extern QPointer<Tarcpolaire> arcpolaire;
