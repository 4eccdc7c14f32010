#pragma once
// "Tableau de valeurs": the values of every defined function from `a` to `b`
// every `Editpas`; the defined points can be shown on the graph.

#include <QPointer>

#include "plane/string_grid.h"
#include "platform/tool_window.h"

class ColourEdit;
class QCheckBox;
class QLabel;
class QPushButton;

class Ttabval : public ToolWindow {
    Q_OBJECT
public:
    explicit Ttabval(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    ColourEdit* Editpas;
    ColourEdit* a;
    ColourEdit* b;
    StringGrid* tableaudevaleurs;
    // Read by the graph window's construction drawing.
    QCheckBox* construitpoint;
    QPushButton* BitBtn1;

    // "Go !" and Enter in any of the three fields.
    void BitBtn1Click();
    // Shows or hides the points on the graph.
    void construitpointClick();

protected:
    void stopClick() override;
};

// The one Ttabval of the program, created at start-up; null before and after.
extern QPointer<Ttabval> tabval;
