#pragma once
// "Repère3D": the x and y bounds of the space frame and the switches of the
// wire over the surfaces ("Trame visible") and of the axes ("Repere visible").

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QCheckBox;

class Trepere3d : public ToolWindow {
    Q_OBJECT
public:
    explicit Trepere3d(QWidget* parent = nullptr);

    ColourEdit* Editxmin;
    ColourEdit* Editxmax;
    ColourEdit* Editymin;
    ColourEdit* Editymax;
    QCheckBox* fil;       // "Trame visible"
    QCheckBox* reperevu;  // "Repere visible"

    void EditxminKeyPress();
    void EditxmaxKeyPress();
    void EdityminKeyPress();
    void EditymaxKeyPress();
    void filClick();
    // Shows the frame's bounds and both switches as they stand.
    void showState();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void validateBound(ColourEdit& edit, long double& bound);
};

// The one Trepere3d of the program, created at start-up; null before and after.
extern QPointer<Trepere3d> repere3d;
