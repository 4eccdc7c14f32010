#pragma once
// "Période": the period of the chosen function, written with pi where it can
// be, then shown by stepping a point and the same point one period later
// along the curve.

#include <QPointer>

#include "platform/tool_window.h"

class QLabel;
class QPushButton;

class Tperizone : public ToolWindow {
    Q_OBJECT
public:
    explicit Tperizone(QWidget* parent = nullptr);

    QLabel* result;
    QPushButton* BitBtn1;  // "Recherche"

    void BitBtn1Click();

protected:
    // FormPaint: the last period found.
    void showEvent(QShowEvent* event) override;
    void stopClick() override;

private:
    void showPeriodText();
    void demonstrate(const std::string& formula, long double period);
};

// The one Tperizone of the program, created at start-up; null before and after.
extern QPointer<Tperizone> perizone;
