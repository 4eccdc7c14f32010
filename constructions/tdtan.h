#pragma once
// "Tangente à la courbe en a": the tangent to f, g, h or i at x = a, drawn as
// two unit direction vectors from the point of contact.

#include <QPointer>

#include "constructions/contact_line_dialog.h"

class Tdtan : public ContactLineDialog {
    Q_OBJECT
public:
    explicit Tdtan(QWidget* parent = nullptr);
};

// The one Tdtan of the program, created at start-up; null before and after.
extern QPointer<Tdtan> dtan;
