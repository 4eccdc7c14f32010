#pragma once
// "Polaire": R(x) of the polar curve, stored in slot f with "(R'(x))" in
// slot g, and the range of the angle.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QCheckBox;
class QToolButton;

class Tpolairezone : public ToolWindow {
    Q_OBJECT
public:
    explicit Tpolairezone(QWidget* parent = nullptr);

    ColourEdit* R;
    ColourEdit* editrmin;  // first angle
    ColourEdit* editrmax;  // last angle
    QCheckBox* cache;      // "Masquer les courbes"
    QToolButton* IAeverButton1;  // opens the formula help

    // Enter in any of the three fields.
    void RKeyPress();
    void cacheClick();
    void IAeverButton1Click();
};

// The one Tpolairezone of the program, created at start-up; null before and after.
extern QPointer<Tpolairezone> polairezone;
