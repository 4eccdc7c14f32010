#include "tools/textremzone.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/plot_state.h"
#include "plane/tool_support.h"
#include "tools/derivatives.h"
#include "tools/graph_marks.h"

QPointer<Textremzone> extremzone;

namespace {

constexpr int GridColumns = 4;
constexpr int GridRows = 10;
constexpr int ColumnWidth = 140;

}  // namespace

Textremzone::Textremzone(QWidget* parent)
    : ToolWindow("Extremum", parent),
      Label2(new QLabel("Cherchons où la dérivée")),
      Label1(new QLabel("S'annule et change de signe.")),
      result(named("result", new StringGrid(GridColumns, GridRows, GridTitles::FirstRow, false))),
      BitBtn1(named("BitBtn1", new QPushButton("Go !"))) {
    setColumnWidths(*result, ColumnWidth, ColumnWidth);
    showAtLeast(*result, 1, 4);
    for (int slot = 1; slot <= 4; ++slot)
        setCell(*result, slot - 1, 0, QString::fromStdString(CurveSlot[slot].name));

    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addWidget(Label2);
    layout->addWidget(Label1);
    layout->addWidget(result, 1);
    layout->addLayout(makeButtonRow(BitBtn1, takeStopButton()));
    connect(BitBtn1, &QPushButton::clicked, this, &Textremzone::BitBtn1Click);
}

void Textremzone::BitBtn1Click() {
    result->setRowCount(GridRows);
    clearCells(*result, 0, 1);
    for (int slot = 1; slot <= 4; ++slot) {
        const std::string& formula = slotFormula(slot);
        if (formula.empty()) continue;
        const std::optional<ExtremumColumn> column = extremaAcrossFrame(formula);
        if (!column) continue;
        const int rows = static_cast<int>(column->cells.size());
        result->setRowCount(std::max(result->rowCount(), rows + 1));
        for (int row = 1; row <= rows; ++row)
            setCell(*result, slot - 1, row, QString::fromStdString(column->cells[row - 1]));
        drawMarksOnGraph(extremumMarks(PlotFrame, column->extrema));
    }
}

void Textremzone::stopClick() { hideAndFocusMainWindow(*this); }
