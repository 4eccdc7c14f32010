#pragma once
// "Intersection de deux droites": where the lines through two pairs of
// constructed points meet.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QLabel;
class QPushButton;

class Tinterdroite : public ToolWindow {
    Q_OBJECT
public:
    explicit Tinterdroite(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label2;
    QLabel* Label6;
    QLabel* Label3;
    ColourEdit* e1;
    ColourEdit* e2;
    QPushButton* go;
    QLabel* reponse;

    // "Go !" and Enter in either field: nothing happens unless both fields
    // name two different points.
    void GoClick();

protected:
    void stopClick() override;
};

// The one Tinterdroite of the program, created at start-up; null before and after.
extern QPointer<Tinterdroite> interdroite;
