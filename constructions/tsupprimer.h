#pragma once
// "Supprimer": removes the newest object of each construction table, the
// sequence shown and the modified function, then repaints the graph.

#include <QPointer>

#include "platform/tool_window.h"

class QPushButton;

class Tsupprimer : public ToolWindow {
    Q_OBJECT
public:
    explicit Tsupprimer(QWidget* parent = nullptr);

    QPushButton* b1;            // "Dernier point"
    QPushButton* SpeedButton2;  // "Dernier segment"
    QPushButton* bdroite;       // "Dernière droite"
    QPushButton* SpeedButton5;  // "Dernier polygône"
    QPushButton* bsuite;        // "Suite"
    QPushButton* bfonction;     // "Fonction modifiée"

    void b1Click();
    void SpeedButton2Click();
    void droite();
    void SpeedButton5Click();
    void Suite();
    void fonction();
};

// The one Tsupprimer of the program, created at start-up; null before and after.
extern QPointer<Tsupprimer> supprimer;
