#pragma once
// "Possource": where the light of the space view stands.

#include <QPointer>

#include "space/space_dialog.h"

class Tpossource : public ToolWindow {
    Q_OBJECT
public:
    explicit Tpossource(QWidget* parent = nullptr);

    ColourEdit* Edita;
    ColourEdit* Editb;
    ColourEdit* Editc;
    QPushButton* BitBtn1;  // "Valider ?"

    void BitBtn1Click();
};

// The one Tpossource of the program, created at start-up; null before and after.
extern QPointer<Tpossource> possource;
