// The title row and column of the string grids stay in view while the other
// cells scroll, and a cell the keyboard reaches is never left under them.

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "plane/string_grid.h"
#include "plane/tool_support.h"

namespace {

constexpr int Columns = 12, Rows = 60;

struct GridCase {
    GridTitles titles;
    bool titleRow, titleColumn;
};

class StringGridTest : public ::testing::TestWithParam<GridCase> {};

// A grid scrolled to its far corner, every cell named after its place.
void fillAndScrollAway(StringGrid& grid) {
    for (int column = 0; column < Columns; ++column)
        for (int row = 0; row < Rows; ++row)
            setCell(grid, column, row, QString("%1,%2").arg(column).arg(row));
    setColumnWidths(grid, 40, 120);
    grid.resize(300, 200);
    grid.show();
    QApplication::processEvents();
    grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
    QApplication::processEvents();
}

// The cell the user sees at that point of the grid, whichever view draws it.
QModelIndex shownAt(StringGrid& grid, QPoint point) {
    QWidget* const viewport = grid.childAt(point);
    auto* const view = qobject_cast<QAbstractItemView*>(viewport ? viewport->parentWidget() : nullptr);
    if (!view) return {};
    return view->indexAt(viewport->mapFrom(&grid, point));
}

// Whatever scrolled the grid (its bars, the wheel over the titles, the
// keyboard), the titles face their cells and hide none the keyboard reaches.
TEST_P(StringGridTest, TitlesFaceTheirCellsHoweverTheGridScrolls) {
    const GridCase& c = GetParam();
    StringGrid grid(Columns, Rows, c.titles, false);
    fillAndScrollAway(grid);
    const QPoint origin = grid.viewport()->geometry().topLeft();
    const QRect area = grid.viewport()->rect();
    auto expectTitlesFacingTheirCells = [&] {
        for (const QPoint at : {QPoint(5, 5), QPoint(5, area.height() / 2), QPoint(area.width() / 2, 5),
                                QPoint(area.width() / 2, area.height() / 2)}) {
            const QModelIndex shown = shownAt(grid, origin + at), below = grid.indexAt(at);
            ASSERT_TRUE(shown.isValid()) << at.x() << "," << at.y();
            const bool inTitleColumn = c.titleColumn && at.x() < grid.columnWidth(0);
            const bool inTitleRow = c.titleRow && at.y() < grid.rowHeight(0);
            EXPECT_EQ(shown.column(), inTitleColumn ? 0 : below.column()) << at.x() << "," << at.y();
            EXPECT_EQ(shown.row(), inTitleRow ? 0 : below.row()) << at.x() << "," << at.y();
        }
    };
    ASSERT_GT(grid.horizontalScrollBar()->value(), 0);
    ASSERT_GT(grid.verticalScrollBar()->value(), 0);
    expectTitlesFacingTheirCells();

    const QPoint overTitles = origin + (c.titleColumn ? QPoint(5, 100) : QPoint(150, 5));
    QWidget* const titles = grid.childAt(overTitles);
    QScrollBar* const bar = c.titleColumn ? grid.verticalScrollBar() : grid.horizontalScrollBar();
    const int before = bar->value();
    const QPoint local = titles->mapFrom(&grid, overTitles);
    QWheelEvent wheel(local, titles->mapToGlobal(local), QPoint(), c.titleColumn ? QPoint(0, 120) : QPoint(120, 0),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(titles, &wheel);
    QApplication::processEvents();
    EXPECT_LT(bar->value(), before);
    expectTitlesFacingTheirCells();

    grid.setCurrentCell(1, 1);
    QApplication::processEvents();
    const QRect cell = grid.visualRect(grid.model()->index(1, 1));
    EXPECT_GE(cell.left(), c.titleColumn ? grid.columnWidth(0) : 0);
    EXPECT_GE(cell.top(), c.titleRow ? grid.rowHeight(0) : 0);
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfTitles, StringGridTest,
                         ::testing::Values(GridCase{GridTitles::FirstColumn, false, true},
                                           GridCase{GridTitles::FirstRow, true, false},
                                           GridCase{GridTitles::FirstRowAndColumn, true, true}));

// Long numbers are cut by narrow columns: the tooltip gives them whole, and
// only them.
TEST(StringGridTooltip, ShowsTheWholeTextOfACutCellOnly) {
    StringGrid grid(3, 3, GridTitles::FirstRow, false);
    setColumnWidths(grid, 60, 60);
    setCell(grid, 1, 1, "-0.000123456789012");
    setCell(grid, 2, 1, "1");
    grid.resize(300, 200);
    grid.show();
    QApplication::processEvents();
    auto hover = [&](int column) {
        const QPoint at = grid.visualRect(grid.model()->index(1, column)).center();
        QHelpEvent help(QEvent::ToolTip, at, grid.viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid.viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(hover(2), "");
    EXPECT_EQ(hover(1), "-0.000123456789012");
}

}  // namespace
