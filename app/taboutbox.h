#pragma once
// "A propos": the program's name, purpose and version.

#include "platform/tool_window.h"

class QPushButton;

class TAboutBox : public ToolWindow {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QPushButton* OKButton;
};
