#pragma once
// "Dérivée": R'(x) of the polar curve, as slot g holds it.

#include <QPointer>

#include "platform/tool_window.h"

class QLabel;
class QPushButton;

class Tderivepolaire : public ToolWindow {
    Q_OBJECT
public:
    explicit Tderivepolaire(QWidget* parent = nullptr);

    QLabel* result;
    QPushButton* BitBtn1;  // "Go !"

    // "??" when there is no derivative.
    void BitBtn1Click();
};

// The one Tderivepolaire of the program, created at start-up; null before and after.
extern QPointer<Tderivepolaire> derivepolaire;
