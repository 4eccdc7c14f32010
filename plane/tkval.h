#pragma once
// "k": the value of the animation parameter.

#include <QPointer>

#include "platform/tool_window.h"

class QLabel;

class Tkval : public ToolWindow {
    Q_OBJECT
public:
    explicit Tkval(QWidget* parent = nullptr);

    QLabel* valk;
};

// The one Tkval of the program, created at start-up; null before and after.
extern QPointer<Tkval> kval;
