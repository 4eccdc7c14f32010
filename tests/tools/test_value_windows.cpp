// The value and solving windows driven through their widgets, over a real
// graph window, with their marks checked pixel by pixel in the back buffer.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "model/state_reset.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "plane/toptionzone.h"
#include "platform/colour_edit.h"
#include "tests/support/graph_window_fixture.h"
#include "tools/tantecedent.h"
#include "tools/tcalczone.h"
#include "tools/timagezone.h"
#include "tools/tintersection.h"
#include "tools/ttabval.h"
#include "tools/tzerozone.h"

// Readable failures for texts of the widgets.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

int redPixels(const QImage& picture) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) count += isRed(picture, x, y);
    return count;
}

QString cell(const QTableWidget* grid, int column, int row) { return cellText(*grid, column, row); }

void typeInto(ColourEdit* edit, const QString& text) {
    edit->clear();
    QTest::keyClicks(edit, text);
}

void pressEnter(ColourEdit* edit) { QTest::keyClick(edit, Qt::Key_Return); }

// The typical session: the frame of "Fonction de x" on an 850 x 800 graph window.
class ValueWindows : public GraphWindowFixture {
protected:
    void SetUp() override {
        GraphWindowFixture::SetUp();
        options_.reset(new Toptionzone);
        optionzone = options_.get();
    }

    std::unique_ptr<Toptionzone> options_;
};

// --- Zeros ---------------------------------------------------------------------

using ZeroWindow = ValueWindows;

TEST_F(ZeroWindow, TypicalUseListsAndMarksBothRootsOfXSquaredMinusTwo) {
    Tzerozone window;
    window.show();
    zerozone = &window;
    graph_->show();
    showFunction("x^2-2");

    click(window.BitBtn1);

    EXPECT_EQ(cell(window.result, 1, 0), "f  {2}");
    EXPECT_EQ(cell(window.result, 0, 1), "X1");
    EXPECT_EQ(cell(window.result, 1, 1), "-1.4142");
    EXPECT_EQ(cell(window.result, 0, 2), "X2");
    EXPECT_EQ(cell(window.result, 1, 2), "1.4142");
    EXPECT_EQ(cell(window.result, 0, 3), "");
    for (const long double zero : {-1.4142L, 1.4142L}) {
        const int c = PlotFrame.column(zero), r = PlotFrame.row(0);
        for (const QImage* picture : {&backBuffer(), &shownPicture()}) {
            EXPECT_TRUE(isRed(*picture, c - 6, r - 6));
            EXPECT_TRUE(isRed(*picture, c + 6, r + 6));
            EXPECT_TRUE(isRed(*picture, c - 6, r + 6));
            EXPECT_TRUE(isRed(*picture, c + 6, r - 6));
            EXPECT_FALSE(isRed(*picture, c + 14, r + 14));
        }
    }
    EXPECT_FALSE(isRed(backBuffer(), PlotFrame.column(0) + 6, PlotFrame.row(0) + 6));

    if (const QByteArray folder = qgetenv("LUMOVA_SCREENSHOT_DIR"); !folder.isEmpty()) {
        const QImage graphShot = graph_->grab().toImage();
        const QImage zeroShot = window.grab().toImage();
        QImage both(graphShot.width() + zeroShot.width() + 10,
                    std::max(graphShot.height(), zeroShot.height()), QImage::Format_RGB32);
        both.fill(Qt::darkGray);
        QPainter painter(&both);
        painter.drawImage(0, 0, graphShot);
        painter.drawImage(graphShot.width() + 10, 0, zeroShot);
        painter.end();
        QDir().mkpath(QString::fromLocal8Bit(folder));
        EXPECT_TRUE(both.save(QString::fromLocal8Bit(folder) + "/zeros_of_x2_minus_2.png"));
    }
}

TEST_F(ZeroWindow, EachFunctionHasItsColumnAndUndefinedOnesLoseTheirTitle) {
    Tzerozone window;
    window.show();
    EXPECT_EQ(cell(window.result, 2, 0), "g");
    CurveSlot[3].formula = "x-3";
    showFunction("x^2+1", 4);

    window.BitBtn1Click();

    EXPECT_EQ(cell(window.result, 1, 0), "");
    EXPECT_EQ(cell(window.result, 2, 0), "");
    EXPECT_EQ(cell(window.result, 3, 0), "h  {1}");
    EXPECT_EQ(cell(window.result, 3, 1), "3");
    EXPECT_EQ(cell(window.result, 4, 0), "i  {0}");
}

TEST_F(ZeroWindow, GridGrowsForManyZerosAndShrinksBackOnTheNextSearch) {
    Tzerozone window;
    window.show();
    showFunction("sin(5*x)");
    window.BitBtn1Click();
    // 5x = k pi for |x| < 10: 31 zeros, one row each under the title row.
    EXPECT_EQ(window.result->rowCount(), 32);
    EXPECT_EQ(cell(window.result, 0, 31), "X31");
    EXPECT_EQ(cell(window.result, 1, 16), "0");

    showFunction("x-1");
    window.BitBtn1Click();
    EXPECT_EQ(window.result->rowCount(), 20);
    EXPECT_EQ(cell(window.result, 1, 2), "");
}

TEST_F(ZeroWindow, ZeroOnAScanPointFoundByTwoStepsIsListedTwice) {
    Tzerozone window;
    window.show();
    // On [-10, 10] over 640 pixels the scan step is 1/16: x = 0 is a scan point,
    // so the steps on both sides of it see the sign change.
    graph_->setGraphSize(640, 800);
    showFunction("x");
    window.BitBtn1Click();
    EXPECT_EQ(cell(window.result, 1, 0), "f  {2}");
    for (const int row : {1, 2}) {
        bool isNumber = false;
        EXPECT_EQ(cell(window.result, 1, row).toDouble(&isNumber), 0);
        EXPECT_TRUE(isNumber);
    }
}

// --- Image -----------------------------------------------------------------------

using ImageWindow = ValueWindows;

TEST_F(ImageWindow, ImageInsideTheFrameIsShownAndReadOnTheGraph) {
    Timagezone window;
    window.show();
    showFunction("x^2-2");
    typeInto(window.Editimage, "1");
    pressEnter(window.Editimage);

    EXPECT_EQ(window.Labelimage->text(), "-1");
    const int c = PlotFrame.column(1), axis = PlotFrame.row(0);
    const int curve = PlotFrame.row(-1), middle = PlotFrame.row(-0.5L);
    EXPECT_TRUE(isRed(backBuffer(), c, axis + (curve - axis) / 4));
    // The chevron on the way down points at the curve: its wings rise behind it.
    EXPECT_TRUE(isRed(backBuffer(), c - 3, middle - 3));
    EXPECT_TRUE(isRed(backBuffer(), c + 3, middle - 3));
    // Across to the y axis, with its chevron pointing left.
    const int half = PlotFrame.column(0.5L);
    EXPECT_TRUE(isRed(backBuffer(), (c + PlotFrame.column(0)) / 2 + 10, curve));
    EXPECT_TRUE(isRed(backBuffer(), half + 3, curve - 3));
    EXPECT_TRUE(isRed(backBuffer(), half + 3, curve + 3));
}

TEST_F(ImageWindow, ImageOutsideTheFrameIsShownButNotDrawn) {
    Timagezone window;
    window.show();
    showFunction("x^2-2");
    const QImage before = backBuffer();
    typeInto(window.Editimage, "5");
    pressEnter(window.Editimage);
    EXPECT_EQ(window.Labelimage->text(), "23");
    EXPECT_EQ(backBuffer(), before);
}

struct ImageInputCase {
    const char* name;
    const char* typed;
    const char* fieldAfter;
    const char* labelAfter;
};

class ImageInput : public ValueWindows, public ::testing::WithParamInterface<ImageInputCase> {};

TEST_P(ImageInput, FieldFallsBackToZeroAndUndefinedImageShowsQuestionMark) {
    const ImageInputCase& c = GetParam();
    Timagezone window;
    window.show();
    showFunction("sqrt(x+1)");
    typeInto(window.Editimage, QString::fromUtf8(c.typed));
    pressEnter(window.Editimage);
    EXPECT_EQ(window.Editimage->text(), QString::fromUtf8(c.fieldAfter));
    EXPECT_EQ(window.Labelimage->text(), c.labelAfter);
    EXPECT_EQ(window.Editimage->fontColour(), clBlack);
}

INSTANTIATE_TEST_SUITE_P(, ImageInput,
                         ::testing::Values(ImageInputCase{"Number", "3", "3", "2"},
                                           ImageInputCase{"Expression", "pi-pi+8", "pi-pi+8", "3"},
                                           ImageInputCase{"Letters", "abc", "0", "1"},
                                           ImageInputCase{"Comma", "1,5", "0", "1"},
                                           ImageInputCase{"Empty", "", "0", "1"},
                                           ImageInputCase{"Overflow", "10^5000", "0", "1"},
                                           ImageInputCase{"Undefined", "-5", "-5", "?"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImageWindow, EmptyFunctionDoesNothingAndChoosingOneRenamesTheLabel) {
    Timagezone window;
    window.show();
    CurveSlot[1].formula = "x";
    click(window.h);
    EXPECT_EQ(window.Labelfonc->text(), "h(");
    typeInto(window.Editimage, "2");
    pressEnter(window.Editimage);
    EXPECT_EQ(window.Labelimage->text(), "?");
    click(window.f);
    pressEnter(window.Editimage);
    EXPECT_EQ(window.Labelfonc->text(), "f(");
    EXPECT_EQ(window.Labelimage->text(), "2");
}

// --- Antecedents -----------------------------------------------------------------

using AntecedentWindow = ValueWindows;

TEST_F(AntecedentWindow, SolutionsAreListedAndReadFromTheLineDownToTheAxis) {
    Tantecedent window;
    window.show();
    showFunction("x^2-2");
    typeInto(window.Editantecedent, "2");
    click(window.BitBtn1);

    EXPECT_EQ(window.result->columnCount(), 3);
    EXPECT_EQ(cell(window.result, 0, 0), "X");
    EXPECT_EQ(cell(window.result, 1, 0), "-2");
    EXPECT_EQ(cell(window.result, 2, 0), "2");

    const int line = PlotFrame.row(2), axis = PlotFrame.row(0);
    EXPECT_TRUE(isRed(backBuffer(), 3, line));
    EXPECT_TRUE(isRed(backBuffer(), 846, line));
    // Chevrons on the line point away from the y axis.
    EXPECT_TRUE(isRed(backBuffer(), PlotFrame.originx + 12, line - 3));
    EXPECT_TRUE(isRed(backBuffer(), PlotFrame.originx - 12, line + 3));
    for (const long double x : {-2.0L, 2.0L}) {
        const int c = PlotFrame.column(x), middle = PlotFrame.row(1);
        EXPECT_TRUE(isRed(backBuffer(), c, (line + axis) / 2 + 10));
        // Pointing down to the x axis: the wings stay above the tip.
        EXPECT_TRUE(isRed(backBuffer(), c - 3, middle - 3));
        EXPECT_TRUE(isRed(backBuffer(), c + 3, middle - 3));
        EXPECT_FALSE(isRed(backBuffer(), c + 3, middle + 3));
    }
}

TEST_F(AntecedentWindow, ValueTypedAsAnExpressionIsSolvedAsItsNumber) {
    Tantecedent window;
    window.show();
    showFunction("x^2");
    typeInto(window.Editantecedent, "2pi");
    pressEnter(window.Editantecedent);
    EXPECT_EQ(cell(window.result, 1, 0), "-2.5066");
    EXPECT_EQ(cell(window.result, 2, 0), "2.5066");
}

TEST_F(AntecedentWindow, WrongValueBecomesZeroAndNoSolutionLeavesOnlyTheTitle) {
    Tantecedent window;
    window.show();
    showFunction("x^2+1");
    typeInto(window.Editantecedent, "deux");
    pressEnter(window.Editantecedent);
    EXPECT_EQ(window.Editantecedent->text(), "0");
    EXPECT_EQ(window.result->columnCount(), 1);
    EXPECT_EQ(cell(window.result, 0, 0), "X");
}

TEST_F(AntecedentWindow, EmptyFunctionDoesNothing) {
    Tantecedent window;
    window.show();
    showFunction("x");
    click(window.RadioButton3);
    EXPECT_EQ(window.nom->text(), "h(x)=");
    const QImage before = backBuffer();
    typeInto(window.Editantecedent, "1");
    click(window.BitBtn1);
    EXPECT_EQ(window.result->columnCount(), 10);
    EXPECT_EQ(backBuffer(), before);
}

// --- Intersections -------------------------------------------------------------

using IntersectionWindow = ValueWindows;

TEST_F(IntersectionWindow, CommonPointsAreListedAndMarked) {
    Tintersection window;
    window.show();
    CurveSlot[2].formula = "x";
    showFunction("x^2-2");
    click(window.BitBtn1);

    EXPECT_EQ(cell(window.result, 0, 0), "x");
    EXPECT_EQ(cell(window.result, 0, 1), "y");
    EXPECT_EQ(window.result->columnCount(), 7);
    EXPECT_EQ(cell(window.result, 1, 0), "-1");
    EXPECT_EQ(cell(window.result, 1, 1), "-1");
    EXPECT_EQ(cell(window.result, 2, 0), "2");
    EXPECT_EQ(cell(window.result, 2, 1), "2");
    for (const long double x : {-1.0L, 2.0L}) {
        const int c = PlotFrame.column(x), r = PlotFrame.row(x);
        EXPECT_TRUE(isRed(backBuffer(), c - 6, r + 6));
        EXPECT_TRUE(isRed(backBuffer(), c + 6, r + 6));
        EXPECT_TRUE(isRed(backBuffer(), c, (r + PlotFrame.row(0)) / 2));
    }
}

// x·ln(x) and 0 seem to meet at 0, where the logarithm stops: they meet at 1 only,
// whichever of the two is chosen first.
TEST_F(IntersectionWindow, NoPointWhereOneCurveIsUndefined) {
    Tintersection window;
    window.show();
    for (QRadioButton* first : {window.RadioButton2, window.RadioButton3}) {
        CurveSlot[2].formula = "0";
        showFunction("x*ln(x)");
        click(first);
        click(first == window.RadioButton2 ? window.RadioButton7 : window.RadioButton6);
        click(window.BitBtn1);
        EXPECT_EQ(cell(window.result, 1, 0), "1");
        EXPECT_EQ(cell(window.result, 1, 1), "0");
        EXPECT_EQ(cell(window.result, 2, 0), "");
    }
}

TEST_F(IntersectionWindow, SameFunctionTwiceDoesNothing) {
    Tintersection window;
    window.show();
    showFunction("x^2-2");
    const QImage before = backBuffer();
    click(window.RadioButton6);
    click(window.BitBtn1);
    EXPECT_EQ(cell(window.result, 0, 0), "");
    EXPECT_EQ(window.result->columnCount(), 10);
    EXPECT_EQ(backBuffer(), before);
}

TEST_F(IntersectionWindow, FewerPointsThanBeforeLeaveNoOldOrdinate) {
    Tintersection window;
    window.show();
    CurveSlot[2].formula = "x";
    showFunction("x^2-2");
    window.BitBtn1Click();
    CurveSlot[2].formula = "-3";
    window.BitBtn1Click();
    EXPECT_EQ(cell(window.result, 1, 0), "");
    EXPECT_EQ(cell(window.result, 1, 1), "");
    EXPECT_EQ(cell(window.result, 2, 1), "");
}

// --- Table of values --------------------------------------------------------------

using TableWindow = ValueWindows;

TEST_F(TableWindow, EmptyFieldsGiveTheDefaultTableFromMinusTenToTen) {
    Ttabval window;
    window.show();
    showFunction("x^2-2");
    click(window.BitBtn1);

    EXPECT_EQ(window.Editpas->text(), "1");
    EXPECT_EQ(window.a->text(), "-10");
    EXPECT_EQ(window.b->text(), "10");
    EXPECT_EQ(window.tableaudevaleurs->rowCount(), 22);
    EXPECT_EQ(cell(window.tableaudevaleurs, 0, 0), "x");
    EXPECT_EQ(cell(window.tableaudevaleurs, 1, 0), "    f");
    EXPECT_EQ(cell(window.tableaudevaleurs, 0, 1), "-10");
    EXPECT_EQ(cell(window.tableaudevaleurs, 1, 1), "98");
    EXPECT_EQ(cell(window.tableaudevaleurs, 0, 21), "10");
    EXPECT_EQ(ValuePointCount, 21);
}

TEST_F(TableWindow, TooLargeStepIsReplacedAndShown) {
    Ttabval window;
    window.show();
    typeInto(window.Editpas, "15");
    typeInto(window.a, "0");
    typeInto(window.b, "20");
    pressEnter(window.b);
    EXPECT_EQ(window.Editpas->text(), "1.33333333333333");
    EXPECT_EQ(window.Editpas->fontColour(), clBlack);
    EXPECT_EQ(window.Editpas->cursorPosition(), 0);  // the field shows the number's start
    EXPECT_EQ(window.tableaudevaleurs->rowCount(), 17);
    EXPECT_EQ(cell(window.tableaudevaleurs, 0, 16), "20");
}

TEST_F(TableWindow, ReciprocalShowsErreurAtZeroAndStoresFourPoints) {
    Ttabval window;
    window.show();
    showFunction("1/x");
    typeInto(window.Editpas, "0.5");
    typeInto(window.a, "-1");
    typeInto(window.b, "1");
    click(window.BitBtn1);
    EXPECT_EQ(cell(window.tableaudevaleurs, 1, 3), "erreur");
    EXPECT_EQ(cell(window.tableaudevaleurs, 1, 4), "2");
    EXPECT_EQ(ValuePointCount, 4);
    EXPECT_EQ(ValuePoints[2].x, 0.5L);
}

struct StepCase {
    const char* name;
    const char* typed;
    const char* shown;
    int rows;
};

class TableStepInput : public ValueWindows, public ::testing::WithParamInterface<StepCase> {};

TEST_P(TableStepInput, UnusableStepTakesTheDefault) {
    const StepCase& c = GetParam();
    Ttabval window;
    window.show();
    typeInto(window.Editpas, QString::fromUtf8(c.typed));
    click(window.BitBtn1);
    EXPECT_EQ(window.Editpas->text(), c.shown);
    EXPECT_EQ(window.tableaudevaleurs->rowCount(), c.rows);
}

INSTANTIATE_TEST_SUITE_P(, TableStepInput,
                         ::testing::Values(StepCase{"Accepted", "pi/2", "pi/2", 14},
                                           StepCase{"Letters", "pas", "1", 22},
                                           StepCase{"Zero", "0", "1", 22},
                                           StepCase{"Negative", "-2", "1", 22},
                                           StepCase{"DivisionByZero", "1/0", "1", 22},
                                           StepCase{"Overflow", "10^5000", "1", 22},
                                           StepCase{"TooManyRows", "0.0001", "1", 22}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TableWindow, TableJustUnderTheRowLimitIsFilledToItsLastRow) {
    Ttabval window;
    window.show();
    CurveSlot[1].formula = "x";
    typeInto(window.Editpas, "0.0002001");
    window.BitBtn1Click();
    EXPECT_EQ(window.Editpas->text(), "0.0002001");
    const int rows = window.tableaudevaleurs->rowCount();
    // 20 / 0.0002001 = 99950.02: rows 1 .. 99951 under the title row.
    EXPECT_EQ(rows, 99952);
    const QTableWidget* grid = window.tableaudevaleurs;
    EXPECT_EQ(cell(grid, 1, rows - 1), cell(grid, 0, rows - 1));
    EXPECT_EQ(ValuePointCount, ValuePointCapacity);
}

struct BoundsCase {
    const char* name;
    const char* from;
    const char* to;
    const char* fromAfter;
    const char* toAfter;
};

class TableBoundsInput : public ValueWindows, public ::testing::WithParamInterface<BoundsCase> {};

TEST_P(TableBoundsInput, WrongBoundsTakeTheirDefaults) {
    const BoundsCase& c = GetParam();
    Ttabval window;
    window.show();
    typeInto(window.a, c.from);
    typeInto(window.b, c.to);
    click(window.BitBtn1);
    EXPECT_EQ(window.a->text(), c.fromAfter);
    EXPECT_EQ(window.b->text(), c.toAfter);
    EXPECT_EQ(cell(window.tableaudevaleurs, 0, 1), c.fromAfter);
}

INSTANTIATE_TEST_SUITE_P(
    , TableBoundsInput,
    ::testing::Values(BoundsCase{"Letters", "de", "mot", "-10", "10"},
                      BoundsCase{"Comma", "0", "1,5", "0", "10"},
                      BoundsCase{"DistanceOverflows", "-9*10^4931", "9*10^4931", "-10", "10"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TableWindow, ReversedBoundsCountDown) {
    Ttabval window;
    window.show();
    typeInto(window.a, "3");
    typeInto(window.b, "0");
    click(window.BitBtn1);
    EXPECT_EQ(window.Editpas->text(), "-0.2");
    EXPECT_EQ(window.tableaudevaleurs->rowCount(), 17);
    EXPECT_EQ(cell(window.tableaudevaleurs, 0, 16), "0");
}

TEST_F(TableWindow, AbscissasAreListedEvenWithoutAnyFunction) {
    Ttabval window;
    window.show();
    typeInto(window.Editpas, "5");
    click(window.BitBtn1);
    EXPECT_EQ(cell(window.tableaudevaleurs, 0, 5), "10");
    EXPECT_EQ(ValuePointCount, 0);
}

TEST_F(TableWindow, TickedPointsAppearAsCrossesOnTheGraph) {
    Ttabval window;
    window.show();
    tabval = &window;
    showFunction("x/2");
    click(window.BitBtn1);
    const int c = PlotFrame.column(4), r = PlotFrame.row(2);
    EXPECT_FALSE(isRed(shownPicture(), c + 3, r + 3));
    click(window.construitpoint);
    EXPECT_TRUE(isRed(shownPicture(), c + 3, r + 3));
    EXPECT_TRUE(isRed(shownPicture(), c - 3, r + 3));
    click(window.construitpoint);
    EXPECT_FALSE(isRed(shownPicture(), c + 3, r + 3));
}

TEST_F(TableWindow, NewTableReplacesTheOldOneAndItsPoints) {
    Ttabval window;
    window.show();
    showFunction("x");
    CurveSlot[2].formula = "2*x";
    window.BitBtn1Click();
    EXPECT_EQ(ValuePointCount, 42);
    CurveSlot[2].formula.clear();
    typeInto(window.Editpas, "5");
    window.BitBtn1Click();
    EXPECT_EQ(ValuePointCount, 5);
    EXPECT_EQ(window.tableaudevaleurs->rowCount(), 6);
    EXPECT_EQ(cell(window.tableaudevaleurs, 2, 0), "");
    EXPECT_EQ(cell(window.tableaudevaleurs, 2, 1), "");
}

TEST_F(TableWindow, ShowingThePointsRepaintsTheGraph) {
    Ttabval window;
    window.show();
    showFunction("x");
    graph_->offscreenCanvas().setPixel(5, 5, clRed);
    click(window.construitpoint);
    EXPECT_TRUE(window.construitpoint->isChecked());
    EXPECT_FALSE(isRed(backBuffer(), 5, 5));

    graph_->offscreenCanvas().setPixel(5, 5, clRed);
    window.BitBtn1Click();
    EXPECT_FALSE(isRed(backBuffer(), 5, 5));
}

// --- Calculator -------------------------------------------------------------------

struct CalculatorCase {
    const char* name;
    const char* typed;
    const char* shown;
};

class Calculator : public ::testing::TestWithParam<CalculatorCase> {};

TEST_P(Calculator, ShowsTheValueOrEqualsErreur) {
    const CalculatorCase& c = GetParam();
    Tcalczone window;
    window.show();
    EXPECT_EQ(window.calcligne->text(), "0");
    typeInto(window.calcligne, QString::fromUtf8(c.typed));
    pressEnter(window.calcligne);
    EXPECT_EQ(window.result->text(), c.shown);
    EXPECT_EQ(window.calcligne->fontColour(), clBlack);
}

TEST(CalculatorKeys, SuperscriptTwoIsASquare) {
    Tcalczone window;
    window.show();
    window.calcligne->clear();
    QTest::keyClicks(window.calcligne, "3");
    QTest::sendKeyEvent(QTest::Click, window.calcligne, Qt::Key_unknown, QString(QChar(0xB2)),
                        Qt::NoModifier);
    pressEnter(window.calcligne);
    EXPECT_EQ(window.result->text(), "9");
}

INSTANTIATE_TEST_SUITE_P(, Calculator,
                         ::testing::Values(CalculatorCase{"Sum", "1+2", "3"},
                                           CalculatorCase{"SchoolNotation", "2pi",
                                                          "6.28318530717959"},
                                           CalculatorCase{"Root", "v(16)", "4"},
                                           CalculatorCase{"Comma", "1,5", "= erreur"},
                                           CalculatorCase{"Letters", "bonjour", "= erreur"},
                                           CalculatorCase{"Empty", "", "= erreur"}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Closing -----------------------------------------------------------------------

TEST(Closing, StopHidesEveryWindow) {
    Timagezone image;
    Tantecedent antecedents;
    Tzerozone zeros;
    Tintersection intersections;
    Ttabval table;
    Tcalczone calculator;
    for (ToolWindow* window : std::initializer_list<ToolWindow*>{
             &image, &antecedents, &zeros, &intersections, &table, &calculator}) {
        window->show();
        ASSERT_TRUE(window->isVisible());
        QTest::mouseClick(window->stop(), Qt::LeftButton);
        EXPECT_FALSE(window->isVisible()) << window->windowTitle().toStdString();
    }
}

// --- Marks follow the thickness option ------------------------------------------

TEST_F(ValueWindows, MarkPenIsOnePixelThinnerThanTheThicknessOption) {
    Tzerozone window;
    window.show();
    showFunction("x-1");
    const QSignalBlocker quiet(options_->epaisseur);
    options_->epaisseur->setValue(6);
    window.BitBtn1Click();
    const int thick = redPixels(backBuffer());
    showFunction("x-1");
    options_->epaisseur->setValue(3);
    window.BitBtn1Click();
    const int thin = redPixels(backBuffer());
    EXPECT_GT(thick, 2 * thin);
}

}  // namespace
