#pragma once
// "Coordonnées": the coordinates of the point named in Editnom, kept up to
// date while that point is dragged.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QLabel;

class Tcoord : public ToolWindow {
    Q_OBJECT
public:
    explicit Tcoord(QWidget* parent = nullptr);

    ColourEdit* Editnom;  // one capital letter, "O" at start
    QLabel* afcoord;      // "(x;y)"

    void EditnomKeyPress();
    // The slot Editnom names when it is a point in use or the origin; 0 otherwise.
    int namedSlot() const;
    // afcoord shows the point of that slot, 2 decimals.
    void showCoordinates(int slot);
};

// The one Tcoord of the program, created at start-up; null before and after.
extern QPointer<Tcoord> coord;
