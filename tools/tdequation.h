#pragma once
// "Equation de droite.": the equations of the line through two constructed
// points named by their letters, such as AB, kept up to date as they move.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QLabel;

class Tdequation : public ToolWindow {
    Q_OBJECT
public:
    explicit Tdequation(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label5;
    ColourEdit* Editnom;
    QLabel* Label2;
    QLabel* result1;  // "4x+-2y+2=0"
    QLabel* result2;  // "y=2x+1", empty for a vertical line

    // Enter in Editnom: a name of two different points shows their line; any
    // other text turns the field red.
    void EditnomKeyPress();
    // Every paint recomputes the line of the accepted name, so that the
    // equations follow points moved since; a name being typed is left alone.
    void FormPaint();

protected:
    void paintEvent(QPaintEvent* event) override;
    void stopClick() override;

private:
    // A vertical line empties result2 on Enter and leaves it on a paint.
    void showEquations(bool entered);
};

// The one Tdequation of the program, created at start-up; null before and after.
extern QPointer<Tdequation> dequation;
