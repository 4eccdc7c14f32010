#include "plane/string_grid.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <cstdlib>

namespace {

// The wheel over the titles scrolls the grid, their parent, as it does over
// the grid's own cells: the titles then follow along their direction only.
class TitleView : public QTableView {
public:
    explicit TitleView(QAbstractScrollArea* grid) : QTableView(grid), grid_(grid) {}

protected:
    void wheelEvent(QWheelEvent* event) override {
        const QPoint delta = event->angleDelta();
        QScrollBar* const bar = std::abs(delta.x()) > std::abs(delta.y()) ? grid_->horizontalScrollBar()
                                                                          : grid_->verticalScrollBar();
        QCoreApplication::sendEvent(bar, event);
    }

private:
    QAbstractScrollArea* const grid_;
};

}  // namespace

StringGrid::StringGrid(int columns, int rows, GridTitles titles, bool editable)
    : QTableWidget(rows, columns) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(editable ? AllEditTriggers : NoEditTriggers);
    // The title views follow the grid pixel for pixel.
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    if (titles != GridTitles::FirstColumn) {
        titleRow_ = makeTitleView();
        followScrolling(horizontalScrollBar(), titleRow_->horizontalScrollBar());
    }
    if (titles != GridTitles::FirstRow) {
        titleColumn_ = makeTitleView();
        followScrolling(verticalScrollBar(), titleColumn_->verticalScrollBar());
    }
    if (titleRow_ && titleColumn_) titleCorner_ = makeTitleView();
}

bool StringGrid::isTitle(int column, int row) const {
    return (column == 0 && titleColumn_) || (row == 0 && titleRow_);
}

QTableView* StringGrid::makeTitleView() {
    auto* view = new TitleView(this);
    view->setModel(model());
    view->setSelectionModel(selectionModel());
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setHorizontalScrollMode(ScrollPerPixel);
    view->setVerticalScrollMode(ScrollPerPixel);
    view->setEditTriggers(NoEditTriggers);
    view->setFocusPolicy(Qt::NoFocus);
    return view;
}

void StringGrid::followScrolling(QScrollBar* grid, QScrollBar* titles) {
    connect(grid, &QScrollBar::rangeChanged, titles, [grid, titles](int minimum, int maximum) {
        titles->setRange(minimum, maximum);
        titles->setValue(grid->value());
    });
    connect(grid, &QScrollBar::valueChanged, titles, &QScrollBar::setValue);
}

void StringGrid::updateGeometries() {
    QTableWidget::updateGeometries();
    placeTitleViews();
}

void StringGrid::placeTitleViews() {
    const QRect area = viewport()->geometry();
    const int width = std::min(columnWidth(0), area.width());
    const int height = std::min(rowHeight(0), area.height());
    const QRect geometries[] = {{area.left(), area.top(), area.width(), height},
                                {area.left(), area.top(), width, area.height()},
                                {area.left(), area.top(), width, height}};
    QTableView* const views[] = {titleRow_, titleColumn_, titleCorner_};
    for (int k = 0; k < 3; ++k) {
        if (!views[k]) continue;
        copySectionSizes(*views[k]);
        views[k]->setGeometry(geometries[k]);
        views[k]->raise();
    }
    if (titleRow_) titleRow_->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    if (titleColumn_) titleColumn_->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

void StringGrid::copySectionSizes(QTableView& view) const {
    view.horizontalHeader()->setDefaultSectionSize(horizontalHeader()->defaultSectionSize());
    view.verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    for (int column = 0; column < columnCount(); ++column)
        if (view.columnWidth(column) != columnWidth(column)) view.setColumnWidth(column, columnWidth(column));
    for (int row = 0; row < rowCount(); ++row)
        if (view.rowHeight(row) != rowHeight(row)) view.setRowHeight(row, rowHeight(row));
}

// A cell reached by the keyboard or by a search is brought out from under the
// titles as well as into the grid's view.
void StringGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QTableWidget::scrollTo(index, hint);
    const QRect cell = visualRect(index);
    if (titleColumn_ && index.column() > 0 && cell.left() < columnWidth(0))
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - (columnWidth(0) - cell.left()));
    if (titleRow_ && index.row() > 0 && cell.top() < rowHeight(0))
        verticalScrollBar()->setValue(verticalScrollBar()->value() - (rowHeight(0) - cell.top()));
}

bool StringGrid::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QTableWidget::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    if (!index.isValid() || showsWhole(index)) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(help->globalPos(), index.data().toString(), viewport(), visualRect(index));
    return true;
}

bool StringGrid::showsWhole(const QModelIndex& index) const {
    // The margin the style leaves on either side of a cell's text.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int room = visualRect(index).width() - 2 * margin;
    return fontMetrics().horizontalAdvance(index.data().toString()) <= room;
}
