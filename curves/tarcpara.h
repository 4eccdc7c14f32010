#pragma once
// "longueur d'un arc" of the parametric curve between two values of t.

#include <QPointer>

#include "curves/arc_length_window.h"

class Tarcpara : public ArcLengthWindow {
    Q_OBJECT
public:
    explicit Tarcpara(QWidget* parent = nullptr);

protected:
    bool curveEntered() const override;
    std::string lengthText(long double a, long double b) const override;
};

// The one Tarcpara of the program, created at start-up; null before and after.
extern QPointer<Tarcpara> arcpara;
