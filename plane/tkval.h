#pragma once
// "k": the value of the animation parameter.

#include "platform/tool_window.h"

class QLabel;

class Tkval : public ToolWindow {
    Q_OBJECT
public:
    explicit Tkval(QWidget* parent = nullptr);

    QLabel* valk;
};
