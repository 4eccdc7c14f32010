#include "tools/ttabval.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"
#include "tools/values_solving.h"

QPointer<Ttabval> tabval;

namespace {

constexpr int GridRows = 20;
constexpr int FirstColumnWidth = 60;
constexpr int ColumnWidth = 130;

bool isPositive(long double step) { return step > 0; }

void repaintGraph() {
    if (grafzone) grafzone->repaintGraph();
}

}  // namespace

Ttabval::Ttabval(QWidget* parent)
    : ToolWindow("Tableau de valeurs", parent),
      Label1(new QLabel("Tous les :")),
      Label2(new QLabel("De : ")),
      Label3(new QLabel("à :")),
      Editpas(named("Editpas", new ColourEdit)),
      a(named("a", new ColourEdit)),
      b(named("b", new ColourEdit)),
      tableaudevaleurs(named("tableaudevaleurs",
                             new StringGrid(5, GridRows, GridTitles::FirstRowAndColumn, false))),
      construitpoint(named("construitpoint", new QCheckBox("Afficher les points."))),
      BitBtn1(named("BitBtn1", new QPushButton("Go !"))) {
    setColumnWidths(*tableaudevaleurs, FirstColumnWidth, ColumnWidth);
    showAtLeast(*tableaudevaleurs, 2, 4);

    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(Editpas, 0, 1);
    fields->addWidget(BitBtn1, 0, 2, 1, 2);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(a, 1, 1);
    fields->addWidget(Label3, 1, 2);
    fields->addWidget(b, 1, 3);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(construitpoint);
    bottom->addStretch();
    bottom->addWidget(takeStopButton());
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(fields);
    layout->addWidget(tableaudevaleurs, 1);
    layout->addLayout(bottom);

    connect(BitBtn1, &QPushButton::clicked, this, &Ttabval::BitBtn1Click);
    for (ColourEdit* field : {Editpas, a, b})
        connect(field, &ColourEdit::enterPressed, this, &Ttabval::BitBtn1Click);
    // The graph draws the points while the box is ticked, however it gets ticked.
    connect(construitpoint, &QCheckBox::toggled, this, [](bool ticked) { ValuePointsShown = ticked; });
    connect(construitpoint, &QCheckBox::clicked, this, &Ttabval::construitpointClick);
}

void Ttabval::BitBtn1Click() {
    ValuePointCount = 0;
    clearCells(*tableaudevaleurs, 1, 0);

    const long double step = readNumberField(*Editpas, "1", isPositive);
    long double from = readNumberField(*a, "-10");
    long double to = readNumberField(*b, "10");
    if (!std::isfinite(to - from)) {
        // Bounds so far apart that their distance overflows: the defaults again.
        a->setText("-10");
        b->setText("10");
        from = -10;
        to = 10;
    }
    const TablePlan plan = planValueTable(step, from, to);
    if (plan.stepChanged) {
        Editpas->setText(QString::fromStdString(FloatToStr(plan.step)));
        // The field is narrower than such a number: its start is what tells.
        Editpas->setCursorPosition(0);
    }
    for (ColourEdit* field : {Editpas, a, b}) field->paintBlack();

    // A long table takes a second or two to fill.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const ValueTable table = computeValueTable(plan);
    StringGrid& grid = *tableaudevaleurs;
    grid.setRowCount(plan.lastRow + 2);
    setCell(grid, 0, 0, "x");
    for (int row = 1; row <= plan.lastRow + 1; ++row)
        setCell(grid, 0, row, QString::fromStdString(FloatToStr(table.xs[row - 1])));
    for (int slot = 1; slot <= 4; ++slot) {
        if (!table.slotShown[slot]) continue;
        setCell(grid, slot, 0, "    " + QString::fromStdString(CurveSlot[slot].name));
        const std::vector<std::string>& cells = table.columns[slot];
        for (int row = 1; row <= static_cast<int>(cells.size()); ++row)
            setCell(grid, slot, row, QString::fromStdString(cells[row - 1]));
    }
    for (const PlotPoint& point : table.points) ValuePoints[ValuePointCount++] = {point.x, point.y};
    QGuiApplication::restoreOverrideCursor();

    if (construitpoint->isChecked()) repaintGraph();
}

void Ttabval::construitpointClick() { repaintGraph(); }

void Ttabval::stopClick() { hideAndFocusMainWindow(*this); }
