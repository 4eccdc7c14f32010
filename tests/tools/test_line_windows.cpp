// The line windows and the transformation window driven through their
// widgets over a real graph window, and their main use through the whole program.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/tformparent.h"
#include "constructions/tplibre.h"
#include "model/plot_state.h"
#include "plane/tfonczone.h"
#include "platform/colour_edit.h"
#include "tests/support/graph_window_fixture.h"
#include "tests/support/points.h"
#include "tests/support/program_fixture.h"
#include "tests/support/screenshots.h"
#include "tools/line_figures.h"
#include "tools/tdequation.h"
#include "tools/tinterdroite.h"
#include "tools/ttransfzone.h"

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

void enter(ColourEdit* edit, const char* text) {
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

bool hasColour(const QImage& picture, QPoint at, Qt::GlobalColor colour) {
    return picture.valid(at) && picture.pixelColor(at) == QColor(colour);
}

QPoint pixelOf(long double x, long double y) { return {PlotFrame.column(x), PlotFrame.row(y)}; }

using LineWindows = GraphWindowFixture;

// --- Equation of a line ------------------------------------------------------------

TEST_F(LineWindows, EquationFollowsItsPointsAtEveryPaint) {
    addPoint(PointKind::Free, 0, 1);
    const int b = addPoint(PointKind::Free, 2, 5);
    Tdequation window;
    enter(window.Editnom, "AB");
    EXPECT_EQ(window.result1->text(), "4x+-2y+2=0");
    EXPECT_EQ(window.result2->text(), "y=2x+1");
    EXPECT_EQ(window.Editnom->fontColour(), clBlack);

    PointTable[b].x = 3;
    window.grab();
    EXPECT_EQ(window.result1->text(), "4x+-3y+3=0");
    EXPECT_EQ(window.result2->text(), "y=1.3x+1");

    // Vertical: a paint keeps the reduced equation, Enter empties it.
    PointTable[b].x = 0;
    window.grab();
    EXPECT_EQ(window.result1->text(), "4x+0y+0=0");
    EXPECT_EQ(window.result2->text(), "y=1.3x+1");
    QTest::keyClick(window.Editnom, Qt::Key_Return);
    EXPECT_EQ(window.result2->text(), "");
}

TEST_F(LineWindows, EquationOfANameBeingTypedWaitsForEnter) {
    addPoint(PointKind::Free, 0, 1);
    addPoint(PointKind::Free, 2, 5);
    Tdequation window;
    enter(window.Editnom, "AB");
    window.Editnom->clear();
    QTest::keyClicks(window.Editnom, "b");
    window.grab();
    EXPECT_EQ(window.Editnom->fontColour(), clBlue);
    EXPECT_EQ(window.result1->text(), "4x+-2y+2=0");
}

struct BadNameCase {
    const char* name;
    const char* typed;
};

class EquationNames : public LineWindows, public ::testing::WithParamInterface<BadNameCase> {};

TEST_P(EquationNames, NotTwoDifferentPointsTurnRed) {
    addPoint(PointKind::Free, 0, 1);
    addPoint(PointKind::Free, 2, 5);
    Tdequation window;
    enter(window.Editnom, GetParam().typed);
    EXPECT_EQ(window.Editnom->fontColour(), clRed);
    EXPECT_EQ(window.result1->text(), "");
    window.grab();
    EXPECT_EQ(window.Editnom->fontColour(), clRed);
}

INSTANTIATE_TEST_SUITE_P(, EquationNames,
                         ::testing::Values(BadNameCase{"SamePoint", "AA"}, BadNameCase{"PointNotBuilt", "AC"},
                                           BadNameCase{"OneLetter", "B"}, BadNameCase{"Empty", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Intersection of two lines -------------------------------------------------------

struct MeetingCase {
    const char* name;
    const char* first;
    const char* second;
    const char* reponse;
    TColor fields;
};

class Intersections : public LineWindows, public ::testing::WithParamInterface<MeetingCase> {};

TEST_P(Intersections, NeedTwoLinesOfTwoPoints) {
    const MeetingCase& c = GetParam();
    addPoint(PointKind::Free, 0, 0);
    addPoint(PointKind::Free, 1, 1);
    addPoint(PointKind::Fixed, 0, 2);
    addPoint(PointKind::Fixed, 1, 3);
    Tinterdroite window;
    window.e1->setText(c.first);
    window.e2->setText(c.second);
    window.e1->paintBlue();
    click(window.go);
    EXPECT_EQ(window.reponse->text(), c.reponse);
    EXPECT_EQ(window.e1->fontColour(), c.fields);
}

INSTANTIATE_TEST_SUITE_P(, Intersections,
                         ::testing::Values(MeetingCase{"Crossing", "AB", "CB", "p(1;1)", clBlack},
                                           MeetingCase{"ThroughTheOrigin", "OC", "AB", "p(0;0)", clBlack},
                                           MeetingCase{"Parallel", "AB", "CD", "Pas de point unique.", clBlack},
                                           MeetingCase{"PointNotBuilt", "AB", "CE", "", clBlue},
                                           MeetingCase{"SamePointTwice", "AA", "CD", "", clBlue}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Transformed function ------------------------------------------------------------

TEST_F(LineWindows, TransformedFunctionIsDrawnInAqua) {
    showFunction("x^2");
    Ttransfzone window;
    window.edita->setText("1");
    enter(window.editb, "2");
    EXPECT_EQ(CurveSlot[0].formula, "(x+(2))^2+(1)");
    EXPECT_TRUE(hasColour(shownPicture(), pixelOf(-2, 1), Qt::cyan));
    EXPECT_TRUE(hasColour(shownPicture(), pixelOf(1, 1), Qt::blue));
}

TEST_F(LineWindows, TransformationNamesTheChosenFunction) {
    Ttransfzone window;
    click(window.RadioButton3);
    EXPECT_EQ(window.l1->text(), "h(x)+");
    EXPECT_EQ(window.l2->text(), "h(x+");
    EXPECT_EQ(window.l3->text(), "!h!");
    EXPECT_EQ(window.l4->text(), "h(!x!)");

    // h has no formula: nothing happens.
    window.edita->setText("?");
    click(window.BitBtn1);
    EXPECT_EQ(window.edita->text(), "?");
    EXPECT_EQ(CurveSlot[0].formula, "");

    CurveSlot[3].formula = "exp(x)";
    click(window.l3);
    click(window.BitBtn1);
    EXPECT_EQ(window.edita->text(), "0");
    EXPECT_EQ(window.edita->fontColour(), clBlack);
    EXPECT_EQ(CurveSlot[0].formula, "abs(exp(x))");
}

// --- Through the whole program ---------------------------------------------------------

TEST(LineLesson, EquationFollowsADraggedPointAndTheParabolaIsMovedAt1280) {
    ProgramFixture program;
    TFormparent* main = program.startFunctionOfX(1280, 1024);
    ASSERT_NE(main, nullptr);
    enter(foncZone->Editf, "x²");
    ASSERT_EQ(CurveSlot[1].formula, "x^2");

    main->menuItem("libre1")->trigger();
    QTest::mouseClick(plibre->BitBtn1, Qt::LeftButton);
    QTest::mouseClick(plibre->BitBtn1, Qt::LeftButton);
    ASSERT_EQ(PointCount, 2);
    plibre->hide();

    main->menuItem("Equationdunedroite1")->trigger();
    ASSERT_TRUE(dequation->isVisible());
    EXPECT_EQ(main->focusWidget(), dequation->Editnom);
    QTest::keyClicks(dequation->Editnom, "ab");
    QTest::keyClick(dequation->Editnom, Qt::Key_Return);
    const auto shown = [] { return lineEquations(pointPosition(1), pointPosition(2)).general; };
    EXPECT_EQ(dequation->result1->text().toStdString(), shown());

    // B dragged to (3, -5), far from where chance put it.
    const QPoint from = pixelOf(PointTable[2].x, PointTable[2].y), to = pixelOf(3, -5);
    drag(grafzone->surface(), from, to);
    QApplication::processEvents();
    EXPECT_EQ(PointTable[2].x, PlotFrame.worldX(to.x()));
    EXPECT_EQ(dequation->result1->text().toStdString(), shown());

    main->menuItem("ransformationdunefonction1")->trigger();
    ASSERT_TRUE(transfzone->isVisible());
    transfzone->edita->setText("1");
    enter(transfzone->editb, "2");
    const QImage& picture = grafzone->WindowPicture;
    EXPECT_TRUE(hasColour(picture, pixelOf(-2, 1), Qt::cyan));
    // The windows share their place in the column: set them one under the other.
    transfzone->move(transfzone->x(), dequation->geometry().bottom() + 5);
    EXPECT_TRUE(main->grab().toImage().save(screenshotPath("droite_transformee_1280x1024.png")));

    // Hiding the curves leaves the transformed one.
    click(foncZone->cache);
    EXPECT_FALSE(hasColour(picture, pixelOf(2, 4), Qt::blue));
    EXPECT_TRUE(hasColour(picture, pixelOf(-2, 1), Qt::cyan));
}

}  // namespace
