#include "plane/tool_support.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <string>

#include "expression/matutil.h"
#include "model/construction_tables.h"
#include "plane/string_grid.h"
#include "platform/colour_edit.h"
#include "platform/tool_window.h"

namespace {

// Title cells look like the fixed cells of a string grid.
const QColor TitleBackground(0xF0, 0xF0, 0xF0);

// A result label never narrows below this, however long its text.
constexpr int MinimumResultWidth = 160;

bool isUsable(long double value, bool (*acceptable)(long double)) {
    if (value == ErrorValue || !std::isfinite(value)) return false;
    return !acceptable || acceptable(value);
}

}  // namespace

long double readNumberField(ColourEdit& edit, const char* defaultText,
                            bool (*acceptable)(long double)) {
    long double value = NumberReader(edit.latin1Text());
    if (!isUsable(value, acceptable)) {
        edit.setText(QString::fromLatin1(defaultText));
        value = NumberReader(defaultText);
    }
    edit.paintBlack();
    return value;
}

std::pair<long double, long double> readOrderedBounds(ColourEdit& low, ColourEdit& high) {
    long double a = readNumberField(low, "0");
    long double b = readNumberField(high, "1");
    if (a > b) {
        std::swap(a, b);
        SwapEditTexts(low, high);
        low.paintBlack();
        high.paintBlack();
    }
    return {a, b};
}

ColourEdit* makePointNameField(const char* name, int letters) {
    auto* field = named(name, new ColourEdit(nullptr, ColourEdit::ForcedCase::Upper));
    field->setMaxLength(letters);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(letters + 1, 'W')) + 12);
    return field;
}

QString slotName(int slot) {
    static const char* const names[] = {"", "f", "g", "h", "i"};
    return names[slot];
}

QRadioButton* makeChoiceButton(const QString& caption, int value, QWidget* parent) {
    auto* button = new QRadioButton(caption, parent);
    button->setProperty("choice", value);
    return button;
}

int chosenValue(const std::vector<QRadioButton*>& buttons) {
    for (const QRadioButton* button : buttons)
        if (button->isChecked()) return button->property("choice").toInt();
    return 0;
}

QRadioButton* makeSlotButton(int slot, QWidget* parent) { return makeChoiceButton(slotName(slot), slot, parent); }

int chosenSlot(const std::vector<QRadioButton*>& buttons) { return chosenValue(buttons); }

void layOutInRow(QGroupBox* group, std::initializer_list<QRadioButton*> buttons) {
    auto* layout = new QHBoxLayout(group);
    for (QRadioButton* button : buttons) layout->addWidget(button);
}

int pointSlotOf(const std::string& name) {
    if (name.size() != 1) return 0;
    const int slot = LetterCode(name) - 64;
    return isValidPointReference(slot) ? slot : 0;
}

std::optional<std::pair<int, int>> pointPairOf(const std::string& name) {
    if (name.empty()) return std::nullopt;
    const int first = pointSlotOf(name.substr(0, 1));
    const int last = pointSlotOf(name.substr(name.size() - 1));
    if (first == 0 || last == 0 || first == last) return std::nullopt;
    return std::make_pair(first, last);
}

void setCell(StringGrid& grid, int column, int row, const QString& text) {
    if (QTableWidgetItem* item = grid.item(row, column)) {
        item->setText(text);
        return;
    }
    auto* item = new QTableWidgetItem(text);
    if (grid.isTitle(column, row)) item->setBackground(TitleBackground);
    grid.setItem(row, column, item);
}

QString cellText(const QTableWidget& grid, int column, int row) {
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QString();
}

void clearCells(QTableWidget& grid, int firstColumn, int firstRow) {
    for (int row = firstRow; row < grid.rowCount(); ++row)
        for (int column = firstColumn; column < grid.columnCount(); ++column)
            if (QTableWidgetItem* item = grid.item(row, column)) item->setText(QString());
}

void setColumnWidths(QTableWidget& grid, int firstWidth, int otherWidth) {
    for (int column = 0; column < grid.columnCount(); ++column)
        grid.setColumnWidth(column, column == 0 ? firstWidth : otherWidth);
}

void showAtLeast(QTableWidget& grid, int columns, int rows) {
    int width = 2 * grid.frameWidth() + grid.verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < columns; ++column) width += grid.columnWidth(column);
    const int height = 2 * grid.frameWidth() + rows * grid.verticalHeader()->defaultSectionSize()
                       + grid.horizontalScrollBar()->sizeHint().height();
    grid.setMinimumSize(width, height);
}

void showExactly(QTableWidget& grid, int columns, int rows) {
    showAtLeast(grid, columns, rows);
    grid.setMaximumHeight(grid.minimumHeight());
}

QVBoxLayout* makeBodyLayout(ToolWindow& window) {
    auto* layout = new QVBoxLayout(window.body());
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

QHBoxLayout* makeButtonRow(QWidget* button, QToolButton* stop) {
    auto* row = new QHBoxLayout;
    row->addWidget(button);
    row->addStretch();
    row->addWidget(stop);
    return row;
}

QHBoxLayout* makeStopRow(QWidget* widget, QToolButton* stop) {
    auto* row = new QHBoxLayout;
    row->addWidget(widget, 1);
    row->addWidget(stop, 0, Qt::AlignBottom);
    return row;
}

QLabel* makeResultLabel(const char* name) {
    auto* label = named(name, new QLabel);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setMinimumWidth(MinimumResultWidth);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void showResult(QLabel& label, const QString& text) {
    label.setText(text);
    label.setToolTip(text);
}

void hideAndFocusMainWindow(ToolWindow& window) {
    window.hide();
    if (QWidget* main = window.window(); main != &window) main->activateWindow();
}
