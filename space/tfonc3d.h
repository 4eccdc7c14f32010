#pragma once
// "z=f(x,y)": the formula of the surface drawn in the space view.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QToolButton;

class Tfonc3d : public ToolWindow {
    Q_OBJECT
public:
    explicit Tfonc3d(QWidget* parent = nullptr);

    ColourEdit* Editf;
    QToolButton* IAeverButton1;  // opens the formula help

    // Enter: a formula that compiles becomes the surface, an empty one removes it.
    void EditfKeyPress();
    void IAeverButton1Click();
};

// The one Tfonc3d of the program, created at start-up; null before and after.
extern QPointer<Tfonc3d> fonc3d;
