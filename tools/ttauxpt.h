#pragma once
// "Taux d'accroissement" between two constructed points named by their
// letters, read on the graph over the constructions.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QLabel;
class QPushButton;

class Ttauxpt : public ToolWindow {
    Q_OBJECT
public:
    explicit Ttauxpt(QWidget* parent = nullptr);

    QLabel* nom;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* result;
    ColourEdit* p1;
    ColourEdit* p2;
    QPushButton* go;

    // "Go !" and Enter in either field.
    void goClick();

protected:
    void stopClick() override;
};

// The one Ttauxpt of the program, created at start-up; null before and after.
extern QPointer<Ttauxpt> tauxpt;
