#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>

#include "platform/colour.h"
#include "platform/tool_window.h"

namespace {

TEST(ToolWindowTest, IsCreamAndStaysOnTop) {
    ToolWindow window("Essai");
    EXPECT_EQ(window.windowTitle(), "Essai");
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window.widget()->palette().color(QPalette::Window), toQColor(clCream));
}

TEST(ToolWindowTest, StopHidesTheWindowWithoutDeletingIt) {
    ToolWindow window("Essai");
    window.show();
    QTest::mouseClick(window.stop(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST(ToolWindowTest, ClosingHidesInsteadOfDestroying) {
    QPointer<ToolWindow> window = new ToolWindow("Essai");
    window->show();
    window->close();
    QCoreApplication::processEvents();
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    delete window;
}

}  // namespace
