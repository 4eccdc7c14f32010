#pragma once
// What the tangent and normal windows share: the abscissa a typed in Edita,
// the function chosen by its letter, the pattern of the equation in Eq and
// the reduced equation found in result.

#include <QString>
#include <string>

#include "platform/tool_window.h"

class ColourEdit;
class QGroupBox;
class QLabel;
class QRadioButton;

class PointEquationWindow : public ToolWindow {
    Q_OBJECT
public:
    // The equation at a of a formula, or "??".
    using Equation = std::string (*)(const std::string& formula, long double a);

    QLabel* nom;
    ColourEdit* Edita;
    QLabel* Eq;
    QLabel* result;
    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;

    // Enter in Edita: the equation at a of the chosen function.
    void EditaKeyPress();
    // Any of the radio buttons, and any key in Edita: the pattern of the chosen function.
    void click();

protected:
    // `pattern` names the function by %1.
    PointEquationWindow(const QString& caption, const QString& pattern, Equation equation,
                        QWidget* parent);
    void stopClick() override;

private:
    int chosenFunction() const;

    QString pattern_;
    Equation equation_;
};
