#pragma once
// What the two arc length windows share: "de x=" a, "à x=" b, the result and
// "Go !". The bounds are read and put in order here; each curve sums its own
// length.

#include <optional>

#include "platform/tool_window.h"

class ColourEdit;
class QLabel;
class QPushButton;

class ArcLengthWindow : public ToolWindow {
    Q_OBJECT
public:
    ColourEdit* edita;
    ColourEdit* Editb;
    QLabel* result;  // "L(a,b)=" at start
    QPushButton* BitBtn1;  // "Go !"

    // Computes when the curve is entered; otherwise the result stays as it was.
    void BitBtn1Click();

protected:
    explicit ArcLengthWindow(const QString& caption, QWidget* parent);
    virtual bool curveEntered() const = 0;
    // The result text for a < b (a = b included).
    virtual std::string lengthText(long double a, long double b) const = 0;
};
