#pragma once
// "Taux d'accroissement" between two abscissas: the rate of change of f, g, h
// or i from a to b, read on the graph along the two legs of a right angle.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class Ttaux : public ToolWindow {
    Q_OBJECT
public:
    explicit Ttaux(QWidget* parent = nullptr);

    QLabel* nom;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* result;
    ColourEdit* edita;
    ColourEdit* Editb;
    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QPushButton* BitBtn1;

    // "Go !" and Enter in either field.
    void BitBtn1Click();

protected:
    void stopClick() override;
};

// The one Ttaux of the program, created at start-up; null before and after.
extern QPointer<Ttaux> taux;
