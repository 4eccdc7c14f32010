#pragma once
// "Repère": the bounds and graduation steps of the plane frame. Enter
// validates an edit; a refused value gives back the previous one and its text.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QCheckBox;
class QLabel;
class QToolButton;

class Treperezone : public ToolWindow {
    Q_OBJECT
public:
    explicit Treperezone(QWidget* parent = nullptr);

    ColourEdit* Editxmin;
    ColourEdit* Editxmax;
    ColourEdit* Editymin;
    ColourEdit* Editymax;
    ColourEdit* Editgraduex;
    ColourEdit* Editgraduey;
    QLabel* Labelxmin;
    QLabel* Labelxmax;
    QLabel* Labelymin;
    QLabel* Labelymax;
    QLabel* Labelgraduex;
    QLabel* Labelgraduey;
    QCheckBox* quadrille;  // "Quadrillage"
    QCheckBox* ortho;      // "Toujours orthonormé"
    QToolButton* xfixey;   // keep x, fit y
    QToolButton* yfixex;   // keep y, fit x

    void EditxminKeyPress();
    void EditxmaxKeyPress();
    void EdityminKeyPress();
    void EditymaxKeyPress();
    void EditgraduexKeyPress();
    void EditgradueyKeyPress();

    // Make one pixel the same length on both axes, keeping the x (y) bounds.
    void xfixeyClick();
    void yfixexClick();
    // Both check boxes: the graph window's resize handler.
    void refresh();
    void stopClick() override;

    // The four bound edits show PlotFrame's bounds, in black.
    void showBounds();
    // Graduation steps back to 1, edits "1".
    void resetGraduations();

private:
    enum class Axis { X, Y };
    void validateBound(ColourEdit& edit, long double& bound, Axis axis);
    void validateStep(ColourEdit& edit, long double& step);
};

// The one Treperezone of the program, created at start-up; null before and after.
extern QPointer<Treperezone> reperezone;
