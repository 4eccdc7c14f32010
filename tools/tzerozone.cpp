#include "tools/tzerozone.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/plot_state.h"
#include "plane/tool_support.h"
#include "tools/graph_marks.h"

QPointer<Tzerozone> zerozone;

namespace {

constexpr int GridRows = 20;
constexpr int GridColumns = 5;
constexpr int RowHeight = 30;

}  // namespace

Tzerozone::Tzerozone(QWidget* parent)
    : ToolWindow("Zéro(s)", parent),
      result(named("result",
                   new StringGrid(GridColumns, GridRows, GridTitles::FirstRowAndColumn, true))),
      BitBtn1(named("BitBtn1", new QPushButton("Go !"))) {
    result->verticalHeader()->setDefaultSectionSize(RowHeight);
    setColumnWidths(*result, 40, 120);
    showAtLeast(*result, 2, 4);
    for (int slot = 1; slot <= 4; ++slot)
        setCell(*result, slot, 0, QString::fromStdString(CurveSlot[slot].name));

    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addWidget(result, 1);
    layout->addLayout(makeButtonRow(BitBtn1, takeStopButton()));
    connect(BitBtn1, &QPushButton::clicked, this, &Tzerozone::BitBtn1Click);
}

void Tzerozone::resetGrid() {
    result->setRowCount(GridRows);
    result->setColumnCount(GridColumns);
    clearCells(*result, 0, 0);
}

void Tzerozone::BitBtn1Click() {
    resetGrid();
    Marks marks;
    for (int slot = 1; slot <= 4; ++slot) {
        const std::string& formula = slotFormula(slot);
        if (formula.empty()) continue;
        const ZeroList zeros = zerosAcrossFrame(formula, 2);
        const ZeroColumn column = zeroColumn(CurveSlot[slot].name, zeros);
        setCell(*result, slot, 0, QString::fromStdString(column.title));
        result->setRowCount(std::max(result->rowCount(), zeros.count + 1));
        for (int row = 1; row <= zeros.count; ++row) {
            setCell(*result, 0, row, "X" + QString::number(row));
            setCell(*result, slot, row, QString::fromStdString(column.cells[row - 1]));
        }
        const Marks crosses = zeroMarks(PlotFrame, zeros);
        marks.insert(marks.end(), crosses.begin(), crosses.end());
    }
    drawMarksOnGraph(marks);
}

void Tzerozone::stopClick() { hideAndFocusMainWindow(*this); }
