#pragma once
// What the analysis windows have in common: numeric fields that fall back to
// their default text, the choice of a function by its letter, string grids
// addressed as (column, row) with a title row and column, and showing or
// closing a window.

#include <QString>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class ColourEdit;
class QGroupBox;
class QHBoxLayout;
class QRadioButton;
class QTableWidget;
class StringGrid;
class QToolButton;
class QLabel;
class QVBoxLayout;
class QWidget;
class ToolWindow;

// Gives a control the name other windows and the menu find it by.
template <class Widget>
Widget* named(const char* name, Widget* widget) {
    widget->setObjectName(name);
    return widget;
}

// Reads a numeric field (a constant expression such as pi/2 is a number). A text
// that is not a finite number, or that `acceptable` refuses, gets the field's
// default text back and yields the default's value. The field ends up black.
long double readNumberField(ColourEdit& edit, const char* defaultText,
                            bool (*acceptable)(long double) = nullptr);
// The bounds typed in two fields (defaults 0 and 1), in order: reversed ones are
// swapped, their texts with them. Both fields end up black.
std::pair<long double, long double> readOrderedBounds(ColourEdit& low, ColourEdit& high);

// A radio button standing for `value` among the buttons of its group.
QRadioButton* makeChoiceButton(const QString& caption, int value, QWidget* parent = nullptr);
// The value of the checked button, 0 when none is checked.
int chosenValue(const std::vector<QRadioButton*>& buttons);
// A field for the capital letters of a point name ("A") or of a segment or line
// ("AB"), `letters` at most, typed in either case, as wide as they need.
ColourEdit* makePointNameField(const char* name, int letters);

// The radio button "f", "g", "h" or "i" of function slot 1..4.
QRadioButton* makeSlotButton(int slot, QWidget* parent);
// The slot of the checked button, 0 when none is checked.
int chosenSlot(const std::vector<QRadioButton*>& buttons);
// "f", "g", "h", "i" for slots 1..4.
QString slotName(int slot);
// Radio buttons side by side in their group box.
void layOutInRow(QGroupBox* group, std::initializer_list<QRadioButton*> buttons);

// The point a one-letter name stands for ("A" is slot 1, "O" the origin): its
// slot when it is in use or the origin, 0 for any other text.
int pointSlotOf(const std::string& name);
// The two points a segment or line name such as "AB" stands for, read from its
// first and last letters: their slots when both name a point and they differ.
std::optional<std::pair<int, int>> pointPairOf(const std::string& name);

// Cells of the string grids are addressed column first.
void setCell(StringGrid& grid, int column, int row, const QString& text);
QString cellText(const QTableWidget& grid, int column, int row);
// Empties every cell from that column rightwards and from that row downwards.
void clearCells(QTableWidget& grid, int firstColumn, int firstRow);
void setColumnWidths(QTableWidget& grid, int firstWidth, int otherWidth);
// Makes the grid at least large enough to show that many of its first columns
// and rows, scroll bars included.
void showAtLeast(QTableWidget& grid, int columns, int rows);
// Makes it exactly that high, for grids whose row count never changes.
void showExactly(QTableWidget& grid, int columns, int rows);

// The layout of a window's own controls, flush with the window's margins.
QVBoxLayout* makeBodyLayout(ToolWindow& window);
// A button on the left, the window's stop button on the right.
QHBoxLayout* makeButtonRow(QWidget* button, QToolButton* stop);
// A widget taking the width, the stop button at its bottom right.
QHBoxLayout* makeStopRow(QWidget* widget, QToolButton* stop);

// A one-line result that may be long (a derivative): cut at the window's edge
// rather than widening or wrapping out of it; the whole text stays in its
// tooltip and can be selected.
QLabel* makeResultLabel(const char* name);
void showResult(QLabel& label, const QString& text);

// Hides a tool window and gives the keyboard back to the main window.
void hideAndFocusMainWindow(ToolWindow& window);
