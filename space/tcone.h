#pragma once
// "Cône": up to three double cones whose axis is parallel to z (row 1), y
// (row 2) or x (row 3), entered by their apex and the coefficient beta.

#include <QPointer>
#include <array>

#include "space/space_dialog.h"

class Tcone : public SolidDialog {
    Q_OBJECT
public:
    explicit Tcone(QWidget* parent = nullptr);

    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    ColourEdit* ex1;
    ColourEdit* ey1;
    ColourEdit* ez1;
    ColourEdit* ebeta1;
    ColourEdit* ex2;
    ColourEdit* ey2;
    ColourEdit* ez2;
    ColourEdit* ebeta2;
    ColourEdit* ex3;
    ColourEdit* ey3;
    ColourEdit* EZ3;
    ColourEdit* ebeta3;

    void BitBtn1Click() override;
    void BitBtn2Click() override;
    void R1Click() override;

private:
    int checkedKind() const;
    // The x1, y1, z1 and beta edits of a kind's row.
    std::array<ColourEdit*, 4> rowEdits(int kind) const;
};

// The one Tcone of the program, created at start-up; null before and after.
extern QPointer<Tcone> cone;
