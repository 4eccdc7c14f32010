#pragma once
// "Les réglages": precision, font size, thickness, demonstration speed and the
// intro switch, read from "setup.txt" and written back on every change.

#include "platform/tool_window.h"

class QCheckBox;
class QObject;
class QScrollBar;

class Toptionzone : public ToolWindow {
    Q_OBJECT
public:
    explicit Toptionzone(QWidget* parent = nullptr);

    QScrollBar* precis;     // 1..3
    QScrollBar* taille;     // 10..22
    QScrollBar* epaisseur;  // 3..6
    QScrollBar* deplace;    // 1..3
    QCheckBox* intro3d1;    // "Introduction en 3D Opengl"

    void Change(QObject* sender);

private:
    void readSettings();
    void writeSettings();
    bool loading_ = true;
};
