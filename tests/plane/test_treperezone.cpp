#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QToolButton>
#include <QTest>
#include <cmath>

#include "model/plot_state.h"
#include "model/state_reset.h"
#include "plane/tgrafzone.h"
#include "plane/treperezone.h"
#include "platform/colour_edit.h"

namespace {

constexpr int Unpainted = 123456;  // an origin row no paint of a 540-pixel graph gives

class TreperezoneTest : public ::testing::Test {
protected:
    void SetUp() override {
        initialisePlotState();
        PlotFrame.ymin = -7.94L;
        PlotFrame.ymax = 7.94L;
        grafzone = new Tgrafzone;
        grafzone->setGraphSize(680, 540);
        reperezone = new Treperezone;
        reperezone->ortho->setChecked(false);
        grafzone->repaintGraph();
    }
    void TearDown() override {
        delete reperezone;
        delete grafzone;
    }
    static void enter(ColourEdit* edit, const char* text) {
        edit->clear();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

TEST_F(TreperezoneTest, TypingPaintsTheEditBlueUntilEnter) {
    reperezone->Editxmax->clear();
    QTest::keyClicks(reperezone->Editxmax, "12");
    EXPECT_EQ(reperezone->Editxmax->fontColour(), clBlue);
    QTest::keyClick(reperezone->Editxmax, Qt::Key_Return);
    EXPECT_EQ(reperezone->Editxmax->fontColour(), clBlack);
    EXPECT_EQ(PlotFrame.xmax, 12);
}

TEST_F(TreperezoneTest, XminAboveXmaxIsRefusedAndItsTextRestored) {
    enter(reperezone->Editxmax, "3");
    ASSERT_EQ(PlotFrame.xmax, 3);
    enter(reperezone->Editxmin, "5");
    EXPECT_EQ(PlotFrame.xmin, -10);
    EXPECT_EQ(reperezone->Editxmin->text(), "-10");
    EXPECT_EQ(reperezone->Editxmin->fontColour(), clBlack);
}

struct RefusedCase {
    const char* name;
    const char* typed;
};

class TreperezoneRefusedBound : public TreperezoneTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(TreperezoneRefusedBound, GivesBackThePreviousYmax) {
    enter(reperezone->Editymax, GetParam().typed);
    EXPECT_EQ(PlotFrame.ymax, 7.94L);
    EXPECT_EQ(reperezone->Editymax->text(), "7.94");
}

INSTANTIATE_TEST_SUITE_P(Texts, TreperezoneRefusedBound,
                         ::testing::Values(RefusedCase{"letters", "abc"}, RefusedCase{"below_ymin", "-8"},
                                           RefusedCase{"equal_to_ymin", "-7.94"}, RefusedCase{"incomplete", "2+"},
                                           RefusedCase{"infinite", "1E5000"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TreperezoneTest, PiIsAcceptedAsItsValue) {
    enter(reperezone->Editxmax, "pi");
    EXPECT_NEAR(static_cast<double>(PlotFrame.xmax), 3.14159265358979, 1e-14);
    EXPECT_EQ(reperezone->Editxmax->text(), "pi");
}

TEST_F(TreperezoneTest, ChangedBoundRepaintsTheGraph) {
    PlotFrame.originy = Unpainted;
    enter(reperezone->Editymax, "5");
    EXPECT_NE(PlotFrame.originy, Unpainted);
}

TEST_F(TreperezoneTest, SameValueDoesNotRepaint) {
    PlotFrame.originy = Unpainted;
    enter(reperezone->Editymax, "7.94");
    EXPECT_EQ(PlotFrame.originy, Unpainted);
}

TEST_F(TreperezoneTest, SameValueDoesNotRunTheOrthonormalAdjustment) {
    reperezone->ortho->setChecked(true);
    enter(reperezone->Editxmax, "10");
    EXPECT_EQ(PlotFrame.ymax, 7.94L);
    EXPECT_EQ(reperezone->Editymax->text(), "7.94");
}

TEST_F(TreperezoneTest, OrthonormalAdjustmentAfterXmaxKeepsTheAxisRow) {
    const int row = PlotFrame.originy;
    ASSERT_EQ(row, 270);
    reperezone->ortho->setChecked(true);
    enter(reperezone->Editxmax, "20");
    const long double k = 680.0L / 30.0L;
    EXPECT_NEAR(static_cast<double>(PlotFrame.ymax), static_cast<double>(row / k), 1e-12);
    EXPECT_NEAR(static_cast<double>(PlotFrame.ymin), static_cast<double>((row - 540) / k), 1e-12);
    EXPECT_EQ(reperezone->Editymax->text(), "11.91");
    EXPECT_EQ(reperezone->Editymin->text(), "-11.91");
    EXPECT_EQ(reperezone->Editymax->fontColour(), clBlack);
    EXPECT_EQ(reperezone->Editxmax->fontColour(), clBlack);
}

TEST_F(TreperezoneTest, OrthonormalAdjustmentAfterYmaxKeepsTheAxisColumn) {
    const int column = PlotFrame.originx;
    reperezone->ortho->setChecked(true);
    enter(reperezone->Editymax, "10");
    const long double k = 540.0L / (10 + 7.94L);
    EXPECT_NEAR(static_cast<double>(PlotFrame.xmin), static_cast<double>(-column / k), 1e-12);
    EXPECT_NEAR(static_cast<double>(PlotFrame.xmax), static_cast<double>((680 - column) / k), 1e-12);
    EXPECT_EQ(reperezone->Editxmin->text().toStdString(), "-11.3");
}

TEST_F(TreperezoneTest, AdjustmentLeavesTheScaleEqualOnBothAxes) {
    reperezone->xfixeyClick();
    const long double unitsPerPixelX = (PlotFrame.xmax - PlotFrame.xmin) / 680;
    const long double unitsPerPixelY = (PlotFrame.ymax - PlotFrame.ymin) / 540;
    EXPECT_NEAR(static_cast<double>(unitsPerPixelX), static_cast<double>(unitsPerPixelY), 1e-15);
}

TEST_F(TreperezoneTest, AdjustmentDuringAPaintDoesNotRepaint) {
    Painting = true;
    PlotFrame.originy = 270;
    PlotFrame.originx = Unpainted;
    reperezone->xfixeyClick();
    EXPECT_EQ(PlotFrame.originx, Unpainted);
    Painting = false;
}

class TreperezoneRefusedStep : public TreperezoneTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(TreperezoneRefusedStep, KeepsTheStepAndItsText) {
    enter(reperezone->Editgraduex, GetParam().typed);
    EXPECT_EQ(PlotFrame.graduex, 1);
    EXPECT_EQ(reperezone->Editgraduex->text(), "1");
    EXPECT_EQ(reperezone->Editgraduex->fontColour(), clBlack);
}

INSTANTIATE_TEST_SUITE_P(Texts, TreperezoneRefusedStep,
                         ::testing::Values(RefusedCase{"zero", "0"}, RefusedCase{"negative", "-2"},
                                           RefusedCase{"letters", "abc"}, RefusedCase{"infinite", "1E5000"},
                                           RefusedCase{"zero_expression", "pi-pi"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TreperezoneTest, PositiveStepIsAcceptedAndRepaints) {
    PlotFrame.originy = Unpainted;
    enter(reperezone->Editgraduey, "pi/2");
    EXPECT_NEAR(static_cast<double>(PlotFrame.graduey), 1.5707963267949, 1e-12);
    EXPECT_NE(PlotFrame.originy, Unpainted);
}

TEST_F(TreperezoneTest, CheckBoxesRunTheGraphResizeHandler) {
    PlotFrame.originy = Unpainted;
    reperezone->quadrille->click();
    EXPECT_NE(PlotFrame.originy, Unpainted);
    EXPECT_FALSE(reperezone->quadrille->isChecked());
}

TEST_F(TreperezoneTest, ShowBoundsWritesTheFrameInBlack) {
    PlotFrame.xmin = -3;
    PlotFrame.ymax = 7.7L;
    reperezone->Editxmin->paintRed();
    reperezone->showBounds();
    EXPECT_EQ(reperezone->Editxmin->text(), "-3");
    EXPECT_EQ(reperezone->Editymax->text(), "7.7");
    EXPECT_EQ(reperezone->Editxmin->fontColour(), clBlack);
}

TEST_F(TreperezoneTest, AFrameTooWideToMeasureIsRefused) {
    reperezone->ortho->setChecked(true);
    enter(reperezone->Editxmin, "-6*10^4931");
    ASSERT_LT(PlotFrame.xmin, -5e4931L);
    enter(reperezone->Editxmax, "6*10^4931");
    EXPECT_EQ(PlotFrame.xmax, 10);
    EXPECT_EQ(reperezone->Editxmax->text(), "10");
    EXPECT_TRUE(std::isfinite(PlotFrame.ymin) && std::isfinite(PlotFrame.ymax));
}

TEST_F(TreperezoneTest, StopHidesTheWindow) {
    reperezone->show();
    QTest::mouseClick(reperezone->stop(), Qt::LeftButton);
    EXPECT_FALSE(reperezone->isVisible());
}

TEST_F(TreperezoneTest, StartsWithItsCaptionsAndDefaultBounds) {
    Treperezone fresh;
    EXPECT_EQ(fresh.windowTitle(), "Repère");
    EXPECT_EQ(fresh.Editxmin->text(), "-10");
    EXPECT_EQ(fresh.Editymin->text(), "-7.94");
    EXPECT_EQ(fresh.Editgraduey->text(), "1");
    EXPECT_EQ(fresh.Labelgraduex->text(), ".Graduer tous les ");
    EXPECT_EQ(fresh.quadrille->text(), "Quadrillage");
    EXPECT_EQ(fresh.ortho->text(), "Toujours orthonormé");
    EXPECT_TRUE(fresh.quadrille->isChecked());
    EXPECT_TRUE(fresh.ortho->isChecked());
}

}  // namespace
