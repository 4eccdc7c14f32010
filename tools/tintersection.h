#pragma once
// "Intersection de deux courbes": the common points of two of the functions
// across the frame, listed in a grid and marked by crosses on the graph.

#include <QPointer>

#include "plane/string_grid.h"
#include "platform/tool_window.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

class Tintersection : public ToolWindow {
    Q_OBJECT
public:
    explicit Tintersection(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QGroupBox* GroupBox2;
    QRadioButton* RadioButton5;
    QRadioButton* RadioButton6;
    QRadioButton* RadioButton7;
    QRadioButton* RadioButton8;
    QPushButton* BitBtn1;
    StringGrid* result;

    // "Go !".
    void BitBtn1Click();

protected:
    void stopClick() override;
};

// The one Tintersection of the program, created at start-up; null before and after.
extern QPointer<Tintersection> intersection;
