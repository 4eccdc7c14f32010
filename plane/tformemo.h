#pragma once
// The help memo on what may be typed in a formula.

#include <QMdiSubWindow>
#include <QPointer>

class QPlainTextEdit;
class QToolButton;

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

// The round question-mark button of the formula entry windows.
QToolButton* makeFormulaHelpButton();
// Shows the help memo above the other windows, with the keyboard.
void showFormulaHelp();
