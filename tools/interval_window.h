#pragma once
// What the integral, area and arc-length windows share: the bounds a and b
// typed in edita and Editb, a first group of function buttons, the "Go !"
// button and the result label.

#include <QString>
#include <array>
#include <string>
#include <utility>

#include "platform/tool_window.h"

class ColourEdit;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;

class IntervalWindow : public ToolWindow {
    Q_OBJECT
public:
    QLabel* nom;
    QLabel* Label1;
    QLabel* result;
    ColourEdit* edita;
    ColourEdit* Editb;
    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QPushButton* BitBtn1;

    // "Go !" and Enter in a field.
    virtual void BitBtn1Click() = 0;

protected:
    // The buttons of GroupBox1 stand for `buttonSlots` in that order.
    IntervalWindow(const QString& caption, const QString& resultText, const QString& groupCaption,
                   std::array<int, 4> buttonSlots, QWidget* parent);
    // "a=" edita "b=" Editb, in a row of their own.
    QHBoxLayout* makeBoundsRow();
    // The formula of the function chosen in GroupBox1, empty when it is not defined.
    const std::string& firstFunction() const;
    // a and b, each falling back to its default (0 and 1); reversed bounds are
    // put in order, and so are the fields' texts.
    std::pair<long double, long double> readBounds();
    void stopClick() override;
};
