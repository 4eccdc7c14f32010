#pragma once
// "Zéro(s)": the zeros of every defined function across the frame, one column
// per function, each marked by a cross on the x axis.

#include <QPointer>

#include "plane/string_grid.h"
#include "platform/tool_window.h"

class QPushButton;

class Tzerozone : public ToolWindow {
    Q_OBJECT
public:
    explicit Tzerozone(QWidget* parent = nullptr);

    StringGrid* result;
    QPushButton* BitBtn1;

    // "Go !".
    void BitBtn1Click();

protected:
    void stopClick() override;

private:
    void resetGrid();
};

// The one Tzerozone of the program, created at start-up; null before and after.
extern QPointer<Tzerozone> zerozone;
