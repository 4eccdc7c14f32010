#pragma once
// "Paramétrée": X(x) and Y(x) of the parametric curve, stored in slots f and
// g with their derivatives in h and i, and the range of the parameter.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QCheckBox;
class QToolButton;

class Tfoncpara : public ToolWindow {
    Q_OBJECT
public:
    explicit Tfoncpara(QWidget* parent = nullptr);

    ColourEdit* Editf;     // X(x)
    ColourEdit* Editg;     // Y(x)
    ColourEdit* editymin;  // first value of the parameter
    ColourEdit* editymax;  // last value
    QCheckBox* cache;      // "Masquer les courbes"
    QToolButton* IAeverButton1;  // opens the formula help

    // Enter in any of the four fields.
    void EditKeyPress(ColourEdit& sender);
    void cacheClick();
    void IAeverButton1Click();
};

// The one Tfoncpara of the program, created at start-up; null before and after.
extern QPointer<Tfoncpara> foncpara;
