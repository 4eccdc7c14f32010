#pragma once
// "Equation de plan": up to ten planes a·x + b·y + c·z + d = 0 in the space
// view, added and removed from the last.

#include <QPointer>

#include "space/space_dialog.h"

class Tplaneq : public ToolWindow {
    Q_OBJECT
public:
    explicit Tplaneq(QWidget* parent = nullptr);

    ColourEdit* edita;
    ColourEdit* Editb;
    ColourEdit* Editc;
    ColourEdit* Editd;
    QPushButton* creer;    // "Créer ?"
    QPushButton* detruit;  // "Détruire ?"

    void creerClick();
    void detruitClick();
};

// The one Tplaneq of the program, created at start-up; null before and after.
extern QPointer<Tplaneq> planeq;
