#pragma once
// The help memo on what may be typed in a formula.

#include <QMdiSubWindow>
#include <QPointer>

class QPlainTextEdit;

class Tformemo : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit Tformemo(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;

protected:
    void showEvent(QShowEvent* event) override;
};

// The one Tformemo of the program, created at start-up; null before and after.
extern QPointer<Tformemo> formemo;
