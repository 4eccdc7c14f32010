#pragma once
// The base of every small window: a cream sub-window of the main window's MDI
// area that stays above the graph, with a close button `stop` that hides it.
// Before the main window exists (tests), it is a plain top-level window.

#include <QMdiSubWindow>

class QToolButton;
class QVBoxLayout;

class ToolWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit ToolWindow(const QString& caption, QWidget* parent = nullptr);

    // The area that holds the window's own controls, above the stop button.
    QWidget* body() const { return body_; }
    QToolButton* stop() const { return stop_; }
    // Resizes the window to fit its controls and its title bar.
    void fitToContents();

protected:
    // Gives the stop button to the window's own layout (beside its last controls,
    // where a row of its own would cost height); it leaves its place under the body.
    QToolButton* takeStopButton();
    // Hides the window; windows that do more on closing override it.
    virtual void stopClick();
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void keepInsideArea();

    QWidget* body_;
    QToolButton* stop_;
    QVBoxLayout* frame_;
};
