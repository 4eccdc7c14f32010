#pragma once
// "Calculatrice": the value of a constant expression typed in school notation.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QLabel;

class Tcalczone : public ToolWindow {
    Q_OBJECT
public:
    explicit Tcalczone(QWidget* parent = nullptr);

    ColourEdit* calcligne;
    QLabel* Label1;
    QLabel* result;

    // Enter in calcligne.
    void calcligneKeyPress();

protected:
    void stopClick() override;
};

// The one Tcalczone of the program, created at start-up; null before and after.
extern QPointer<Tcalczone> calczone;
