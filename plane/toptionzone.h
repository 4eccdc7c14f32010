#pragma once
// "Les réglages": precision, font size, thickness, demonstration speed and the
// intro switch, read from "setup.txt" and written back on every change.

#include <QPointer>

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

signals:
    // The intro switch was changed while the intro plays: the intro stops.
    void introCancelled();

private:
    void readSettings();
    void writeSettings();
    bool loading_ = true;
};

// The one Toptionzone of the program, created at start-up; null before and after.
extern QPointer<Toptionzone> optionzone;
