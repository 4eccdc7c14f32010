#pragma once
// The dialogs that join two points, named by the first and last letters of
// Editnom: "Nom du segment" and "Nom de la droite". Both views draw what they
// make; their "Détruire" button shows only when the space view opens them.

#include <string>

#include "constructions/construction_dialog.h"

class TwoPointDialog : public ConstructionDialog {
    Q_OBJECT
public:
    ColourEdit* Editnom;
    QPushButton* supp3d;  // "Détruire": takes the newest object of the table away

    void BitBtn1Click() override;
    void supp3dClick();

protected:
    // `enclosing` holds the two signs around the name, "[]" or "()".
    TwoPointDialog(const QString& title, const char* nameCaption, const char* enclosing,
                   Creation (*create)(const std::string&), int& count, QWidget* parent);

private:
    Creation (*create_)(const std::string&);
    int& count_;
};
