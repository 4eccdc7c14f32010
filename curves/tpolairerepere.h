#pragma once
// "Option du repère": the spacing of the circles and the angle between the
// rays of the polar grid, each shown or not.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QCheckBox;

class Tpolairerepere : public ToolWindow {
    Q_OBJECT
public:
    explicit Tpolairerepere(QWidget* parent = nullptr);

    ColourEdit* cerc;  // spacing of the circles
    ColourEdit* ray;   // angle between rays
    QCheckBox* quadrillecercle;  // "Cercles"
    QCheckBox* quadrillerayon;   // "Rayons"

    // Enter in either field: both must be numbers before the graph is redrawn.
    void KeyPress();
    void quadrillecercleClick();
    // The texts the graph put back after a wrong setting.
    void showGridTexts();
};

// The one Tpolairerepere of the program, created at start-up; null before and after.
extern QPointer<Tpolairerepere> polairerepere;
