// Every window of the program but the graph, shown at its place in each screen
// layout, must lie inside the main window's area, be at least its minimum size
// and show each of its controls whole, none over another; before anything is
// typed, none of its entry fields may say "changed" or "refused" by its colour.
// The windows are found in the MDI area, so a window added later is checked
// without new test code.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <string>
#include <vector>

#include "app/tformparent.h"
#include "platform/colour_edit.h"
#include "plane/tgrafzone.h"
#include "tests/support/program_fixture.h"

namespace {

struct ScreenCase {
    const char* name;
    int width, height;
};

// Widgets a user reads or works: their insides are theirs to arrange.
bool isControl(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget)
           || qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractScrollArea*>(widget)
           || qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
           || qobject_cast<const QComboBox*>(widget);
}

// The visible widgets of a window, down to its controls.
void collectShown(QWidget* widget, const QWidget* window, std::vector<QWidget*>& shown) {
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisibleTo(window)) continue;
        shown.push_back(child);
        if (!isControl(child)) collectShown(child, window, shown);
    }
}

QRect rectIn(const QWidget* widget, const QWidget* window) {
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

std::string nameOf(const QWidget* widget) {
    std::string name = widget->metaObject()->className();
    if (!widget->objectName().isEmpty()) name += " " + widget->objectName().toStdString();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) name += " \"" + label->text().toStdString() + "\"";
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        name += " \"" + button->text().toStdString() + "\"";
    return name;
}

void expectWhole(QWidget* widget, const QWidget* window) {
    const QRect own = rectIn(widget, window);
    for (const QWidget* holder = widget->parentWidget(); holder && holder != window; holder = holder->parentWidget())
        EXPECT_TRUE(rectIn(holder, window).contains(own)) << nameOf(widget) << " is cut by " << nameOf(holder);
    if (!isControl(widget)) return;
    // A grid scrolls: it is whole while its first row and column show entirely.
    if (const auto* grid = qobject_cast<const QTableView*>(widget)) {
        EXPECT_GE(grid->viewport()->height(), grid->rowHeight(0)) << nameOf(widget) << " hides its rows";
        EXPECT_GE(grid->viewport()->width(), grid->columnWidth(0)) << nameOf(widget) << " hides its columns";
        return;
    }
    const QSize least = widget->minimumSizeHint().expandedTo(widget->minimumSize());
    EXPECT_GE(widget->width(), least.width()) << nameOf(widget) << " is too narrow";
    EXPECT_GE(widget->height(), least.height()) << nameOf(widget) << " is too low";
}

bool related(const QWidget* a, const QWidget* b) { return a->isAncestorOf(b) || b->isAncestorOf(a); }

class EveryWindow : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(EveryWindow, LiesInsideTheAreaWithEveryControlWhole) {
    ProgramFixture program;
    TFormparent* main = program.startFunctionOfX(GetParam().width, GetParam().height);
    ASSERT_NE(main, nullptr);
    const QRect area = main->mdiArea->viewport()->rect();
    int checked = 0;
    for (QMdiSubWindow* window : main->mdiArea->subWindowList()) {
        if (window == grafzone) continue;
        const bool wasShown = window->isVisible();
        window->show();
        QCoreApplication::processEvents();
        SCOPED_TRACE(window->metaObject()->className());
        EXPECT_TRUE(area.contains(window->geometry()))
            << "window " << window->x() << "," << window->y() << " " << window->width() << "x" << window->height()
            << " in an area of " << area.width() << "x" << area.height();
        EXPECT_GE(window->width(), window->minimumSizeHint().width());
        EXPECT_GE(window->height(), window->minimumSizeHint().height());

        std::vector<QWidget*> shown;
        collectShown(window->widget(), window, shown);
        EXPECT_TRUE(window->contentsRect().contains(rectIn(window->widget(), window)));
        for (QWidget* widget : shown) expectWhole(widget, window);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                if (related(shown[i], shown[j])) continue;
                EXPECT_FALSE(rectIn(shown[i], window).intersects(rectIn(shown[j], window)))
                    << nameOf(shown[i]) << " lies over " << nameOf(shown[j]);
            }
        }
        if (!wasShown) window->hide();
        ++checked;
    }
    EXPECT_GT(checked, 10);
}

TEST(EveryWindowAtStart, ShowsItsEntryFieldsInBlack) {
    ProgramFixture program;
    TFormparent* main = program.startFunctionOfX(1024, 768);
    ASSERT_NE(main, nullptr);
    int checked = 0;
    for (QMdiSubWindow* window : main->mdiArea->subWindowList()) {
        window->show();
        QCoreApplication::processEvents();
        for (const ColourEdit* field : window->findChildren<ColourEdit*>()) {
            EXPECT_EQ(field->fontColour(), clBlack)
                << window->metaObject()->className() << " " << field->objectName().toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 30);
}

// Each screen less the main window's title bar.
INSTANTIATE_TEST_SUITE_P(Screens, EveryWindow,
                         ::testing::Values(ScreenCase{"w800", 800, 580}, ScreenCase{"w1024", 1024, 748},
                                           ScreenCase{"w1280", 1280, 1004}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
