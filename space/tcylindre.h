#pragma once
// "Cylindre": up to three cylinders whose axis is parallel to z (row 1), y
// (row 2) or x (row 3), entered by their equation.

#include <QPointer>
#include <array>

#include "space/space_dialog.h"

class Tcylindre : public SolidDialog {
    Q_OBJECT
public:
    explicit Tcylindre(QWidget* parent = nullptr);

    QRadioButton* box1;
    QRadioButton* box2;
    QRadioButton* box3;
    ColourEdit* ex;
    ColourEdit* ey;
    ColourEdit* erayon;
    ColourEdit* ex1;
    ColourEdit* ez;
    ColourEdit* erayon1;
    ColourEdit* ey1;
    ColourEdit* ez1;
    ColourEdit* erayon2;

    void BitBtn1Click() override;
    void BitBtn2Click() override;
    void R1Click() override;

private:
    // The kind 1..3 of the checked row.
    int checkedKind() const;
    // The two centre edits and the radius edit of a kind's row.
    std::array<ColourEdit*, 3> rowEdits(int kind) const;
};

// The one Tcylindre of the program, created at start-up; null before and after.
extern QPointer<Tcylindre> cylindre;
