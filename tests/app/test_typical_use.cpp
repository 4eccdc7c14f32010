#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "app/tformparent.h"
#include "model/plot_state.h"
#include "plane/tfonczone.h"
#include "plane/tgrafzone.h"
#include "platform/colour.h"
#include "platform/colour_edit.h"
#include "tests/support/program_fixture.h"
#include "tests/support/screenshots.h"
#include "tools/tzerozone.h"

namespace {

QString cell(const QTableWidget& grid, int column, int row) {
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QString();
}

void typeText(QWidget& edit, const QString& text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

bool redNear(const QImage& picture, int column, int row) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (fromQColor(picture.pixelColor(column + dx, row + dy)) == clRed) return true;
    return false;
}

// The whole road of a first lesson: "Fonction de x", f typed as x²-2 and
// validated with Enter, then "Zéro(s) d'une fonction" and "Go !".
TEST(TypicalUse, ZerosOfXSquaredMinusTwoAreListedAndMarked) {
    ProgramFixture program;
    TFormparent* main = program.startFunctionOfX(1280, 1024);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(PlotFrame.ymax, 7.94L);

    ColourEdit& editf = *foncZone->Editf;
    typeText(editf, QString::fromUtf8("x²-2"));
    EXPECT_EQ(editf.fontColour(), clBlue);
    QTest::keyClick(&editf, Qt::Key_Return);
    EXPECT_EQ(CurveSlot[1].formula, "x^2-2");
    EXPECT_EQ(editf.fontColour(), clBlack);

    main->menuItem("Zros1")->trigger();
    ASSERT_TRUE(zerozone->isVisible());
    QTest::mouseClick(zerozone->BitBtn1, Qt::LeftButton);

    const QTableWidget& grid = *zerozone->result;
    EXPECT_EQ(cell(grid, 1, 0), "f  {2}");
    EXPECT_EQ(cell(grid, 0, 1), "X1");
    EXPECT_EQ(cell(grid, 1, 1), "-1.4142");
    EXPECT_EQ(cell(grid, 0, 2), "X2");
    EXPECT_EQ(cell(grid, 1, 2), "1.4142");

    // A cross of two 20-pixel diagonals on the x axis at each zero.
    const QImage& marks = grafzone->OffscreenBitmap;
    for (const long double zero : {-1.4142L, 1.4142L}) {
        const int column = PlotFrame.column(zero);
        EXPECT_TRUE(redNear(marks, column + 6, PlotFrame.originy + 6)) << static_cast<double>(zero);
        EXPECT_TRUE(redNear(marks, column - 6, PlotFrame.originy + 6)) << static_cast<double>(zero);
    }

    const QImage picture = main->grab().toImage();
    const QString path = screenshotPath("zeros_x2_moins_2_1280x1024.png");
    EXPECT_TRUE(picture.save(path)) << path.toStdString();
}

}  // namespace
