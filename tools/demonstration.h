#pragma once
// The demonstrations of the parity and period windows run step by step on the
// user-interface thread. Each step reaches the screen at once and is followed
// by the pause the speed option asks for. Meanwhile the keyboard and the mouse
// are ignored, so that no command starts while the picture is being stepped
// through, except Escape, which ends the demonstration.

#include <QObject>

class Demonstration : public QObject {
public:
    Demonstration();
    ~Demonstration() override;

    // Shows the graph window's picture, pauses, then takes the events that came
    // meanwhile; false once Escape has ended the demonstration.
    bool stepShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ended_ = false;
};

// The pause after each step for a position 1..3 of the speed option "deplace".
long double stepPause(int speed);
