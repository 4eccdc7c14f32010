#pragma once
// What the small windows of the space view share: number edits that turn red
// when they do not hold a number, equation rows made of texts and edits,
// buttons with the creating and deleting cursors, the repaint of the space
// view, and the base of the sphere, cylinder and cone windows with their
// choice of slot.

#include <QString>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <variant>

#include "expression/parsor.h"
#include "platform/colour_edit.h"
#include "platform/tool_window.h"

class QHBoxLayout;
class QPushButton;
class QRadioButton;

// A number edit (lower case forced), as wide as a few digits.
ColourEdit* makeNumberEdit(const char* name, const char* text);
// The number an edit holds, or ErrorValue, in which case the edit turns red.
long double readNumber(ColourEdit& edit);
// The numbers of several edits, each read (a wrong one turns red); nothing
// when one of them is wrong.
template <std::size_t N>
std::optional<std::array<long double, N>> readNumbers(const std::array<ColourEdit*, N>& edits) {
    std::array<long double, N> values{};
    bool allRead = true;
    for (std::size_t i = 0; i < N; ++i) {
        values[i] = readNumber(*edits[i]);
        if (values[i] == ErrorValue) allRead = false;
    }
    if (!allRead) return std::nullopt;
    return values;
}
void paintBlack(std::initializer_list<ColourEdit*> edits);
// Shows a value the way the program writes numbers, in black.
void showNumber(ColourEdit& edit, long double value);

QPushButton* makeCreateButton(const char* name, const char* caption);
QPushButton* makeDeleteButton(const char* name, const char* caption);

// A row such as "(x-" [ex] ")²+(y-" [ey] ")²=" [erayon] "²": texts and controls side by side.
using RowPiece = std::variant<const char*, QWidget*>;
QHBoxLayout* equationRow(std::initializer_list<RowPiece> pieces);

// Radio buttons that exclude each other only, whatever else shares their window.
void exclusiveGroup(QObject* owner, std::initializer_list<QRadioButton*> buttons);

// Draws the space view again with what the tables now hold.
void redrawSpaceView();
// Redraws the plane graph when it is shown (a section may follow what changed).
void refreshShownPlaneGraph();

// The sphere, cylinder and cone windows: three slots chosen by `R1`, `r2`,
// `R3`, "Créer ?" and "Supprimer ?" acting on the chosen one.
class SolidDialog : public ToolWindow {
    Q_OBJECT
public:
    SolidDialog(const char* caption, const char* slotCaption, QWidget* parent);

    QRadioButton* R1;
    QRadioButton* r2;
    QRadioButton* R3;
    QPushButton* BitBtn1;  // "Créer ?"
    QPushButton* BitBtn2;  // "Supprimer ?"

    // The slot 1..3 the buttons act on and the section cuts.
    int ObjectNumber() const;

    virtual void BitBtn1Click() = 0;
    virtual void BitBtn2Click() = 0;
    // Shows the chosen slot's values.
    virtual void R1Click() = 0;

protected:
    // Lays out the window: the slot choice, the equation rows, then the buttons.
    void finishLayout(QLayout* equations);
};
