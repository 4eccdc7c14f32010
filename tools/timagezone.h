#pragma once
// "Construction d'une image": the image of a number by f, g, h or i, read on
// the graph from the x axis up to the curve and across to the y axis.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QLabel;
class QRadioButton;

class Timagezone : public ToolWindow {
    Q_OBJECT
public:
    explicit Timagezone(QWidget* parent = nullptr);

    QLabel* Labelfonc;
    QLabel* Label2;
    QLabel* Labelimage;
    ColourEdit* Editimage;
    QRadioButton* f;
    QRadioButton* g;
    QRadioButton* h;
    QRadioButton* i;

    // Enter in Editimage.
    void keypress();
    // Any of the radio buttons.
    void gClick();

protected:
    void stopClick() override;
};

// The one Timagezone of the program, created at start-up; null before and after.
extern QPointer<Timagezone> imagezone;
