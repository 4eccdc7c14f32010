#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "model/construction_tables.h"
#include "model/state_reset.h"
#include "plane/tcoord.h"
#include "platform/colour_edit.h"
#include "tests/support/points.h"

namespace {

class CoordinatesWindow : public testing::Test {
protected:
    void SetUp() override {
        PointTable = {};
        initialisePlotState();
    }
    void TearDown() override { initialisePlotState(); }

    void enterName(const char* name) {
        window.Editnom->clear();
        QTest::keyClicks(window.Editnom, name);
        QTest::keyClick(window.Editnom, Qt::Key_Return);
    }
    static void addFreePoint(long double x, long double y) { addPoint(PointKind::Free, x, y); }

    Tcoord window;
};

TEST_F(CoordinatesWindow, StartsOnTheOrigin) {
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Coordonnées"));
    EXPECT_EQ(window.Editnom->text(), "O");
    EXPECT_EQ(window.afcoord->text(), "(0;0)");
    EXPECT_EQ(window.Editnom->maxLength(), 1);
}

TEST_F(CoordinatesWindow, OriginIsAccepted) {
    enterName("O");
    EXPECT_EQ(window.Editnom->fontColour(), clBlack);
    EXPECT_EQ(window.afcoord->text(), "(0;0)");
}

TEST_F(CoordinatesWindow, PointInUseShowsItsCoordinatesToTwoDecimals) {
    addFreePoint(1.234L, -5.678L);
    addFreePoint(2, 0.5L);
    enterName("A");
    EXPECT_EQ(window.Editnom->fontColour(), clBlack);
    EXPECT_EQ(window.afcoord->text(), "(1.23;-5.68)");
}

TEST_F(CoordinatesWindow, TypedLetterIsPutInUpperCase) {
    addFreePoint(2, 0.5L);
    enterName("a");
    EXPECT_EQ(window.Editnom->text(), "A");
    EXPECT_EQ(window.afcoord->text(), "(2;0.5)");
}

TEST_F(CoordinatesWindow, LetterBeyondTheLastPointIsRefusedInRed) {
    addFreePoint(2, 0.5L);
    enterName("A");
    enterName("B");
    EXPECT_EQ(window.Editnom->fontColour(), clRed);
    EXPECT_EQ(window.afcoord->text(), "(2;0.5)");
}

TEST_F(CoordinatesWindow, EmptyNameIsRefused) {
    enterName("");
    EXPECT_EQ(window.Editnom->fontColour(), clRed);
}

TEST_F(CoordinatesWindow, TypingPaintsTheNameBlue) {
    window.Editnom->selectAll();
    QTest::keyClicks(window.Editnom, "B");
    EXPECT_EQ(window.Editnom->fontColour(), clBlue);
}

}  // namespace
