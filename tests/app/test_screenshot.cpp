#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "app/tformparent.h"
#include "plane/forms.h"
#include "plane/plot_state.h"
#include "plane/tfonczone.h"
#include "platform/colour.h"
#include "platform/colour_edit.h"
#include "tests/support/program_fixture.h"

namespace {

// Saves the main window after "Fonction de x" with f(x) = x²-2 at 1280 x 1024,
// in $LUMOVA_SCREENSHOT_DIR or the build's screenshots folder.
TEST(Screenshot, FunctionOfXAt1280By1024) {
    ProgramFixture program;
    TFormparent* main = program.startFunctionOfX(1280, 1024);
    ASSERT_NE(main, nullptr);
    foncZone->Editf->setText(QString::fromUtf8("x²-2"));
    foncZone->keypress(*foncZone->Editf);
    ASSERT_EQ(CurveSlot[1].formula, "x^2-2");

    const QImage picture = main->grab().toImage();
    ASSERT_EQ(picture.size(), QSize(1280, 1024));
    QString folder = qEnvironmentVariable("LUMOVA_SCREENSHOT_DIR");
    if (folder.isEmpty()) folder = LUMOVA_SCREENSHOT_DEFAULT_DIR;
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath("fonction_de_x_1280x1024.png");
    ASSERT_TRUE(picture.save(path)) << path.toStdString();

    // The pale yellow of the frame shows below the windows, the curve in blue inside the graph.
    const int menuHeight = main->menuWidget()->height();
    EXPECT_EQ(fromQColor(picture.pixelColor(1275, menuHeight + 1000 - 30)), clMainBackground);
    bool blue = false;
    for (int y = menuHeight + 20; y < menuHeight + 820 && !blue; ++y)
        for (int x = 0; x < 850 && !blue; ++x) blue = fromQColor(picture.pixelColor(x, y)) == clBlue;
    EXPECT_TRUE(blue);
}

}  // namespace
