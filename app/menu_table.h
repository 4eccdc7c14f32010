#pragma once
// The main menu as data. The main window builds its menus, their items,
// shortcuts and visibility from these two tables, so that a new window only
// adds or completes a row.

#include <QKeyCombination>
#include <span>

class QAction;
class QMenu;
class QWidget;
class TFormparent;

// What the main window shows, for the visibility of its top-level menus.
enum class MenuView : unsigned {
    StartUp = 1u << 0,  // no graph kind chosen yet
    FunctionOfX = 1u << 1,
    Animation = 1u << 2,
    Parametric = 1u << 3,
    Cartesian = 1u << 4,
    Polar = 1u << 5,
    Space = 1u << 6,
};

constexpr unsigned operator|(MenuView a, MenuView b) { return unsigned(a) | unsigned(b); }
constexpr unsigned operator|(unsigned a, MenuView b) { return a | unsigned(b); }

struct TopMenu {
    QMenu* TFormparent::*menu;
    const char* caption;
    unsigned shownIn;  // MenuView values
};

enum class ItemStyle {
    Plain,
    Checkable,
    // Not in the menu, but its shortcut works.
    Hidden,
    // Greyed out: the window it leads to is not part of the program yet, or it
    // has no action at all.
    Unavailable,
};

struct MenuRow {
    const char* name;     // the item's name; its handler is this name followed by "Click"
    const char* path;     // the menus that hold it, from the top: "Calculs/Inéquation"
    const char* caption;
    QKeyCombination shortcut;  // Qt::Key_unknown: none
    void (TFormparent::*handler)() = nullptr;  // the command's own handler, or else
    QWidget* (*window)() = nullptr;            // the window it shows,
    QWidget* (*focus)() = nullptr;             // then the control that gets the keyboard
    ItemStyle style = ItemStyle::Plain;
    QAction* TFormparent::*keptIn = nullptr;   // the member that keeps the item, if any
};

std::span<const TopMenu> topMenus();
std::span<const MenuRow> menuRows();
