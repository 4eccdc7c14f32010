#pragma once
// "Sphère": up to three spheres (x-a)²+(y-b)²+(z-c)²=r² in the space view.

#include <QPointer>

#include "space/space_dialog.h"

class Tsphere : public SolidDialog {
    Q_OBJECT
public:
    explicit Tsphere(QWidget* parent = nullptr);

    ColourEdit* ex;
    ColourEdit* ey;
    ColourEdit* ez;
    ColourEdit* erayon;

    void BitBtn1Click() override;
    void BitBtn2Click() override;
    void R1Click() override;
};

// The one Tsphere of the program, created at start-up; null before and after.
extern QPointer<Tsphere> sphere;
