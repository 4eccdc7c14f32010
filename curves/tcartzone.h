#pragma once
// "Equation cartésienne": an equation in x and y, stored as the difference of
// its two sides, whose zeros the graph window draws.

#include <QPointer>
#include <optional>
#include <string>

#include "platform/tool_window.h"

class ColourEdit;
class QToolButton;

// L=R written as L-(R), split at the first "=" only; none without "=".
std::optional<std::string> equationAsDifference(const std::string& equation);

class TCARTZONE : public ToolWindow {
    Q_OBJECT
public:
    explicit TCARTZONE(QWidget* parent = nullptr);

    ColourEdit* Editf;
    QToolButton* IAeverButton1;  // opens the formula help

    // Enter: a wrong equation only turns red, the curve shown stays.
    void EditfKeyPress();
    void IAeverButton1Click();
};

// The one TCARTZONE of the program, created at start-up; null before and after.
extern QPointer<TCARTZONE> CARTZONE;
