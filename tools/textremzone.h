#pragma once
// "Extremum": where the derivative of each function vanishes and changes
// sign, with the value reached there, marked on the graph by a double arrow.

#include <QPointer>

#include "plane/string_grid.h"
#include "platform/tool_window.h"

class QLabel;
class QPushButton;

class Textremzone : public ToolWindow {
    Q_OBJECT
public:
    explicit Textremzone(QWidget* parent = nullptr);

    QLabel* Label2;
    QLabel* Label1;
    StringGrid* result;
    QPushButton* BitBtn1;

    // "Go !".
    void BitBtn1Click();

protected:
    void stopClick() override;
};

// The one Textremzone of the program, created at start-up; null before and after.
extern QPointer<Textremzone> extremzone;
