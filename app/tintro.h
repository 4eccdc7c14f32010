#pragma once
// The small start-up window shown when the 3D intro is off: the letters of
// the credits ride a moving cosine wave over a dotted line.

#include <QMdiSubWindow>
#include <QPointer>

class QTimer;

class Tintro : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit Tintro(QWidget* parent = nullptr);

    QTimer* Timer1;
    // The wave's phase; each tick moves it on.
    double phase() const { return phase_; }
    void Timer1Timer();

private:
    friend class IntroSurface;
    double phase_ = 0;
};

// The one Tintro of the program, created at start-up; null before and after.
extern QPointer<Tintro> intro;
