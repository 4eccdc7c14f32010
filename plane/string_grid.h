#pragma once
// The string grids of the analysis windows: title cells along the top row, the
// left column or both, which stay in view while the other cells scroll under
// them, as the fixed cells of a string grid do. A number too long for its
// column shows whole in the cell's tooltip.

#include <QTableWidget>

enum class GridTitles { FirstColumn, FirstRowAndColumn, FirstRow };

class StringGrid : public QTableWidget {
public:
    StringGrid(int columns, int rows, GridTitles titles, bool editable);

    bool isTitle(int column, int row) const;

protected:
    void updateGeometries() override;
    bool viewportEvent(QEvent* event) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

private:
    // A view of the same cells laid over the grid's own, showing only its
    // top left corner: the title row, the title column or the cell both share.
    QTableView* makeTitleView();
    static void followScrolling(QScrollBar* grid, QScrollBar* titles);
    void placeTitleViews();
    void copySectionSizes(QTableView& view) const;
    bool showsWhole(const QModelIndex& index) const;

    QTableView* titleRow_ = nullptr;
    QTableView* titleColumn_ = nullptr;
    QTableView* titleCorner_ = nullptr;
};
