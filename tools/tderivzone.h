#pragma once
// "Dérivation": the derivatives of f, g, h and i as formulas.

#include <QPointer>

#include "platform/tool_window.h"

class QLabel;
class QPushButton;

class Tderivzone : public ToolWindow {
    Q_OBJECT
public:
    explicit Tderivzone(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* Label3;
    QLabel* fprime;
    QLabel* gprime;
    QLabel* hprime;
    QLabel* iprime;
    QPushButton* BitBtn1;

    // Each time the window is shown: "?" for an undefined function.
    void FormShow();
    // "Go !": each function on its own; an undefined one leaves its label empty.
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void stopClick() override;

private:
    void showDerivatives(const QString& undefinedFunction);
};

// The one Tderivzone of the program, created at start-up; null before and after.
extern QPointer<Tderivzone> derivzone;
