#pragma once
// "A propos": the program's name, purpose and version.

#include <QPointer>

#include "platform/tool_window.h"

class QPushButton;

class TAboutBox : public ToolWindow {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QPushButton* OKButton;
};

// The one TAboutBox of the program, created at start-up; null before and after.
extern QPointer<TAboutBox> AboutBox;
