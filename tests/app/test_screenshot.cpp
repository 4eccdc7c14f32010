#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QTableWidget>
#include <string>
#include <QScrollBar>

#include "app/tformparent.h"
#include "model/plot_state.h"
#include "plane/tchangedomaine.h"
#include "plane/tfonczone.h"
#include "plane/tgrafzone.h"
#include "plane/toptionzone.h"
#include "tools/tantecedent.h"
#include "tools/tcalczone.h"
#include "tools/ttabval.h"
#include "tools/tzerozone.h"
#include "platform/colour.h"
#include "platform/colour_edit.h"
#include "tests/support/program_fixture.h"
#include "tests/support/screenshots.h"

namespace {

void enterFunction(ColourEdit& edit, const char* text) {
    edit.setText(QString::fromUtf8(text));
    foncZone->keypress(edit);
}

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
    const QString path = screenshotPath("fonction_de_x_1280x1024.png");
    ASSERT_TRUE(picture.save(path)) << path.toStdString();

    // The pale yellow of the frame shows below the windows, the curve in blue inside the graph.
    const int menuHeight = main->menuWidget()->height();
    EXPECT_EQ(fromQColor(picture.pixelColor(1275, menuHeight + 1000 - 30)), clMainBackground);
    bool blue = false;
    for (int y = menuHeight + 20; y < menuHeight + 820 && !blue; ++y)
        for (int x = 0; x < 850 && !blue; ++x) blue = fromQColor(picture.pixelColor(x, y)) == clBlue;
    EXPECT_TRUE(blue);
}

// The four functions together at precision 3 in the 1280 layout, then with f
// restricted to [0, 2] through the domain window.
TEST(Screenshot, FourFunctionsThenARestrictedDomain) {
    ProgramFixture program;
    ASSERT_NE(program.startFunctionOfX(1280, 1024), nullptr);
    optionzone->precis->setValue(3);
    enterFunction(*foncZone->Editf, "x²-2");
    enterFunction(*foncZone->Editg, "1/x");
    enterFunction(*foncZone->Edith, "v(x)");
    enterFunction(*foncZone->Editi, "sin(x)");
    ASSERT_EQ(CurveSlot[3].formula, "sqrt(x)");
    grafzone->repaintGraph();
    const QImage& picture = grafzone->WindowPicture;
    ASSERT_EQ(picture.size(), QSize(850, 800));
    EXPECT_TRUE(picture.save(screenshotPath("quatre_fonctions_precision3.png")));
    const int leftOfZero = PlotFrame.column(-1.5L), rowOfF = PlotFrame.row(1.5L * 1.5L - 2);
    bool blueLeft = false;
    for (int dy = -3; dy <= 3; ++dy) blueLeft |= fromQColor(picture.pixelColor(leftOfZero, rowOfF + dy)) == clBlue;
    EXPECT_TRUE(blueLeft);

    foncZone->BitBtn1Click();
    changedomaine->emin->setText("0");
    changedomaine->emax->setText("2");
    changedomaine->appliquedf->setChecked(true);
    ASSERT_TRUE(CurveSlot[1].domain.restricted);
    grafzone->repaintGraph();
    EXPECT_TRUE(grafzone->WindowPicture.save(screenshotPath("f_restreinte_0_2.png")));
    for (int dy = -3; dy <= 3; ++dy)
        EXPECT_NE(fromQColor(grafzone->WindowPicture.pixelColor(leftOfZero, rowOfF + dy)), clBlue);
}

// The reading windows of a lesson at the smallest and the largest layout, each
// used and shown with the calculator: one picture per window of the column.
struct LayoutShot {
    const char* name;
    int width, height;
};

class ReadingWindowsShots : public ::testing::TestWithParam<LayoutShot> {};

TEST_P(ReadingWindowsShots, AreUsedAndPhotographed) {
    const LayoutShot& shot = GetParam();
    ProgramFixture program;
    TFormparent* main = program.startFunctionOfX(shot.width, shot.height);
    ASSERT_NE(main, nullptr);
    enterFunction(*foncZone->Editf, "x²-2");
    enterFunction(*foncZone->Editg, "sin(x)");
    main->menuItem("Calculatrice1")->trigger();
    calczone->calcligne->setText("2pi");
    calczone->calcligneKeyPress();

    main->menuItem("Zros1")->trigger();
    zerozone->BitBtn1Click();
    ASSERT_EQ(zerozone->result->item(1, 1)->text(), "-1.4142");
    main->grab().save(screenshotPath((std::string("zeros_") + shot.name + ".png").c_str()));
    zerozone->hide();

    main->menuItem("ableaudevaleur1")->trigger();
    tabval->BitBtn1Click();
    main->grab().save(screenshotPath((std::string("tableau_") + shot.name + ".png").c_str()));
    tabval->hide();

    main->menuItem("Antcdents1")->trigger();
    antecedent->Editantecedent->setText("1");
    antecedent->BitBtn1Click();
    const QImage picture = main->grab().toImage();
    picture.save(screenshotPath((std::string("antecedents_") + shot.name + ".png").c_str()));
    // The calculator shows whole in its place under the graph, right of the functions.
    EXPECT_TRUE(main->mdiArea->viewport()->rect().contains(calczone->geometry()));
    EXPECT_EQ(calczone->result->text(), "6.28318530717959");
}

INSTANTIATE_TEST_SUITE_P(Layouts, ReadingWindowsShots,
                         ::testing::Values(LayoutShot{"800x600", 800, 600}, LayoutShot{"1280x1024", 1280, 1024}),
                         [](const auto& info) { return std::string(info.param.width == 800 ? "w800" : "w1280"); });

}  // namespace
