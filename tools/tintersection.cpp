#include "tools/tintersection.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "expression/matutil.h"
#include "model/plot_state.h"
#include "plane/tool_support.h"
#include "tools/graph_marks.h"

QPointer<Tintersection> intersection;

namespace {

constexpr int ColumnWidth = 90;

}  // namespace

// The buttons list i first, then f, g, h.
Tintersection::Tintersection(QWidget* parent)
    : ToolWindow("Intersection de deux courbes", parent),
      GroupBox1(new QGroupBox("Première fonction :")),
      RadioButton1(makeSlotButton(4, GroupBox1)),
      RadioButton2(makeSlotButton(1, GroupBox1)),
      RadioButton3(makeSlotButton(2, GroupBox1)),
      RadioButton4(makeSlotButton(3, GroupBox1)),
      GroupBox2(new QGroupBox("Deuxième fonction :")),
      RadioButton5(makeSlotButton(4, GroupBox2)),
      RadioButton6(makeSlotButton(1, GroupBox2)),
      RadioButton7(makeSlotButton(2, GroupBox2)),
      RadioButton8(makeSlotButton(3, GroupBox2)),
      BitBtn1(named("BitBtn1", new QPushButton("Go !"))),
      result(named("result", new StringGrid(10, 2, GridTitles::FirstColumn, false))) {
    RadioButton2->setChecked(true);
    RadioButton7->setChecked(true);
    layOutInRow(GroupBox1, {RadioButton1, RadioButton2, RadioButton3, RadioButton4});
    layOutInRow(GroupBox2, {RadioButton5, RadioButton6, RadioButton7, RadioButton8});
    setColumnWidths(*result, ColumnWidth, ColumnWidth);
    showExactly(*result, 2, 2);

    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2);
    layout->addLayout(makeButtonRow(BitBtn1, takeStopButton()));
    layout->addWidget(result);
    connect(BitBtn1, &QPushButton::clicked, this, &Tintersection::BitBtn1Click);
}

void Tintersection::BitBtn1Click() {
    const int first = chosenSlot({RadioButton1, RadioButton2, RadioButton3, RadioButton4});
    const int second = chosenSlot({RadioButton5, RadioButton6, RadioButton7, RadioButton8});
    if (first == second || slotFormula(first).empty() || slotFormula(second).empty()) return;

    const std::string difference = slotFormula(first) + "-(" + slotFormula(second) + ")";
    const ZeroList solutions = zerosAcrossFrame(difference, 0.5L);
    std::vector<PlotPoint> points = pointsOnCurve(slotFormula(second), solutions);
    // The finder also stops where the difference stops being defined (x·ln(x)
    // and 0 at 0): one of the curves does not pass there, so they do not meet.
    std::erase_if(points, [&](const PlotPoint& point) {
        return !isDefined(point.y) || !isDefined(FormulaValue(slotFormula(first), point.x));
    });
    const int count = int(points.size());

    setCell(*result, 0, 0, "x");
    setCell(*result, 0, 1, "y");
    result->setColumnCount(count + 5);
    setColumnWidths(*result, ColumnWidth, ColumnWidth);
    // Both rows: a shorter answer must not leave the ordinates of a longer one.
    clearCells(*result, 1, 0);
    for (int column = 1; column <= count; ++column) {
        const PlotPoint& point = points[column - 1];
        setCell(*result, column, 0, QString::fromStdString(FloatToStr(point.x)));
        setCell(*result, column, 1, QString::fromStdString(FloatToStr(RoundTo(point.y, 3))));
    }
    drawMarksOnGraph(intersectionMarks(PlotFrame, points));
}

void Tintersection::stopClick() { hideAndFocusMainWindow(*this); }
