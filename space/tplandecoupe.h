#pragma once
// "Equation du plan de coupe": the cutting plane x = k, y = k or z = k, drawn
// in red in the space view; the section display shows where it cuts.

#include <QPointer>

#include "space/space_dialog.h"

class Tplandecoupe : public ToolWindow {
    Q_OBJECT
public:
    explicit Tplandecoupe(QWidget* parent = nullptr);

    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    ColourEdit* Edit1;
    ColourEdit* Edit2;
    ColourEdit* Edit3;
    QPushButton* BitBtn1;  // "Créer ?"
    QPushButton* BitBtn2;  // "Supprimer ?"

    void BitBtn1Click();
    void BitBtn2Click();
};

// The one Tplandecoupe of the program, created at start-up; null before and after.
extern QPointer<Tplandecoupe> plandecoupe;
