#pragma once
// "Domaine de traçage ...": restricts the drawing of one function to [a, b].

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QCheckBox;

// The slot (1..4) whose domain the window edits; set by the function window.
extern int DomainSlot;

class Tchangedomaine : public ToolWindow {
    Q_OBJECT
public:
    explicit Tchangedomaine(QWidget* parent = nullptr);

    ColourEdit* emin;
    ColourEdit* emax;
    QCheckBox* appliquedf;  // "Appliquer ce changement"

    void eminChange() { boundChange(); }
    void emaxChange() { boundChange(); }
    void appliquedfClick();

private:
    void boundChange();
};

// The one Tchangedomaine of the program, created at start-up; null before and after.
extern QPointer<Tchangedomaine> changedomaine;
