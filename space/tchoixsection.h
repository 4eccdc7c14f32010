#pragma once
// The choice of what the cutting plane cuts for the section shown in the plane
// graph: the surface, or the sphere, cylinder or cone chosen in its window.

#include <QPointer>

#include "platform/tool_window.h"

class QPushButton;
class QRadioButton;

class Tchoixsection : public ToolWindow {
    Q_OBJECT
public:
    explicit Tchoixsection(QWidget* parent = nullptr);

    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QPushButton* choi;  // "Tracer !"

    void choiClick();
};

// The one Tchoixsection of the program, created at start-up; null before and after.
extern QPointer<Tchoixsection> choixsection;
