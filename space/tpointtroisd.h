#pragma once
// "Point de l'espace": fixed points with three coordinates, named A, B, ...
// like the points of the plane, added and removed from the last.

#include <QPointer>

#include "space/space_dialog.h"

class QCheckBox;
class QLabel;

class Tpointtroisd : public ToolWindow {
    Q_OBJECT
public:
    explicit Tpointtroisd(QWidget* parent = nullptr);

    QLabel* Lnom;  // the name the next point gets
    ColourEdit* Editx;
    ColourEdit* Edity;
    ColourEdit* Editz;
    QCheckBox* afnom;  // "Afficher le nom du point"
    QPushButton* BitBtn1;  // "Créer ?"
    QPushButton* BitBtn2;  // "Détruire"

    void BitBtn1Click();
    void BitBtn2Click();

protected:
    // The point table may have been emptied while the window was hidden.
    void showEvent(QShowEvent* event) override;
};

// The one Tpointtroisd of the program, created at start-up; null before and after.
extern QPointer<Tpointtroisd> pointtroisd;

// Takes the last user point away; the origin's slot is never counted as one.
void removeLastSpacePoint();
