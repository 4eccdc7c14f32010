#pragma once
// "Recherche d'antécédent(s)": the solutions of f(x) = k across the frame,
// listed in a grid and read on the graph from the line y = k down to the axis.

#include <QPointer>

#include "plane/string_grid.h"
#include "platform/tool_window.h"

class ColourEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class Tantecedent : public ToolWindow {
    Q_OBJECT
public:
    explicit Tantecedent(QWidget* parent = nullptr);

    QLabel* nom;
    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    ColourEdit* Editantecedent;
    QPushButton* BitBtn1;
    StringGrid* result;

    // "Go !" and Enter in Editantecedent.
    void BitBtn1Click();
    // Any of the radio buttons.
    void RadioButton1Click();

protected:
    void stopClick() override;

private:
    int chosenFunction() const;
};

// The one Tantecedent of the program, created at start-up; null before and after.
extern QPointer<Tantecedent> antecedent;
