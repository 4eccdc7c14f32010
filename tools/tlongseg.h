#pragma once
// "longseg": the length of the segment between two constructed points named
// by their letters, such as AB.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QLabel;

class Tlongseg : public ToolWindow {
    Q_OBJECT
public:
    explicit Tlongseg(QWidget* parent = nullptr);

    QLabel* Label1;
    ColourEdit* Editnom;
    QLabel* afflong;

    // Enter in Editnom: a name of two different points gives their distance;
    // any other text changes nothing.
    void EditnomKeyPress();
    // While the point of that slot is dragged, the length follows it when the
    // window is shown and its name starts or ends with the point's letter.
    void followPoint(int slot);

protected:
    void stopClick() override;
};

// The one Tlongseg of the program, created at start-up; null before and after.
extern QPointer<Tlongseg> longseg;
