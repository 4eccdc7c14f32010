#pragma once
// "Droite normale": the normal to f, g, h or i at x = a.

#include <QPointer>

#include "constructions/contact_line_dialog.h"

class Tdnormal : public ContactLineDialog {
    Q_OBJECT
public:
    explicit Tdnormal(QWidget* parent = nullptr);
};

// The one Tdnormal of the program, created at start-up; null before and after.
extern QPointer<Tdnormal> dnormal;
