#pragma once
// The help memo on what may be typed in a formula.

#include <QMdiSubWindow>

class QPlainTextEdit;

class Tformemo : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit Tformemo(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;

protected:
    void showEvent(QShowEvent* event) override;
};
