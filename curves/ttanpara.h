#pragma once
// "Tangente paramétrée": the tangent to the parametric curve at a value of t,
// added to the constructions.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;

class Ttanpara : public ToolWindow {
    Q_OBJECT
public:
    explicit Ttanpara(QWidget* parent = nullptr);

    ColourEdit* Edita;  // t

    // Enter: red when t, a derivative or the point is undefined there, or when
    // both derivatives are 0.
    void EditaKeyPress();
};

// The one Ttanpara of the program, created at start-up; null before and after.
extern QPointer<Ttanpara> tanpara;
