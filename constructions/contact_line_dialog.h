#pragma once
// The dialogs of a line that touches a curve at x = a: "Tangente à la courbe
// en a" and "Droite normale". The line keeps only the function and a, so it
// follows the function when its formula changes.

#include "constructions/construction_dialog.h"
#include "model/construction_tables.h"

class ContactLineDialog : public ConstructionDialog {
    Q_OBJECT
public:
    QRadioButton* f = nullptr;
    QRadioButton* g = nullptr;
    QRadioButton* h = nullptr;
    QRadioButton* i = nullptr;
    ColourEdit* Edita;

    void BitBtn1Click() override;

protected:
    ContactLineDialog(const QString& title, LineKind kind, QWidget* parent);

private:
    LineKind kind_;
};
