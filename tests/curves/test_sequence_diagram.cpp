// The pictures of sequences, checked pixel by pixel on a white picture of the
// 1280 layout's graph size over the frame of "Fonction de x".

#include <gtest/gtest.h>

#include <QImage>
#include <optional>

#include "curves/sequence_diagram.h"
#include "expression/matutil.h"
#include "expression/parsor.h"
#include "model/plot_state.h"

namespace {

class SequencePicture : public testing::Test {
protected:
    SequencePicture() : picture_(850, 800, QImage::Format_RGB32), canvas_(picture_) {
        picture_.fill(Qt::white);
        frame_.ymin = -7.94L;
        frame_.ymax = 7.94L;
        frame_.deriveFrom(850, 800);
    }

    TExpress& formula(const char* text) {
        expression_.setExpression(NormaliseFormula(text));
        return expression_;
    }

    bool redAt(long double x, long double y) const {
        return picture_.pixelColor(frame_.column(x), frame_.row(y)) == QColor(Qt::red);
    }

    QImage picture_;
    Canvas canvas_;
    TPlotFrame frame_;
    TExpress expression_;
};

TEST_F(SequencePicture, CobwebClimbsToTheCurveAndComesBackThroughTheDiagonal) {
    // u(n+1) = 0.5 u(n) + 1 from 0: 0, 1, 1.5, 1.75 with four terms.
    EXPECT_EQ(drawCobweb(canvas_, frame_, &formula("0.5x+1"), 0.0L, 4, 2), 3);
    EXPECT_TRUE(redAt(0, 0.5));      // up from U0 to the curve
    EXPECT_TRUE(redAt(0.5, 1));      // across to the diagonal
    EXPECT_TRUE(redAt(1, 0.5));      // down to U1 on the x axis
    EXPECT_TRUE(redAt(1.5, 0.75));   // U2
    EXPECT_TRUE(redAt(1.6, 1.75));   // the last step, across towards U3
    EXPECT_TRUE(redAt(-5, -5));      // the line y = x
    EXPECT_TRUE(redAt(6, 6));
}

struct CobwebCase {
    const char* name;
    const char* formula;  // nullptr: the slot does not compile
    std::optional<long double> start;
    std::optional<long long> terms;
    int lastLabel;
};

class CobwebLength : public SequencePicture, public testing::WithParamInterface<CobwebCase> {};

TEST_P(CobwebLength, EndsAtItsLastTerm) {
    const CobwebCase& c = GetParam();
    TExpress* compiled = c.formula ? &formula(c.formula) : nullptr;
    EXPECT_EQ(drawCobweb(canvas_, frame_, compiled, c.start, c.terms, 2), c.lastLabel);
    EXPECT_TRUE(redAt(3, 3));  // the line y = x is drawn in every case
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CobwebLength,
    testing::Values(CobwebCase{"NMinusOneSteps", "0.5x+1", 0.0L, 4, 3},
                    CobwebCase{"TwentyNineTermsAreTheMost", "0.5x+1", 0.0L, 29, 28},
                    CobwebCase{"ThirtyTermsDrawOnlyU0", "0.5x+1", 0.0L, 30, 0},
                    CobwebCase{"NoTermsDrawOnlyU0", "0.5x+1", 0.0L, 0, 0},
                    CobwebCase{"AWrongCountDrawsOnlyU0", "0.5x+1", 0.0L, std::nullopt, 0},
                    CobwebCase{"AWrongStartDrawsOnlyTheLine", "0.5x+1", std::nullopt, 4, 0},
                    CobwebCase{"AFormulaThatDoesNotCompile", nullptr, 0.0L, 4, 0},
                    // 1, 3, 7, 15: the fourth term lies right of xmax = 10.
                    CobwebCase{"ATermLeavingTheFrameEndsIt", "2x+1", 1.0L, 20, 3},
                    // ln(0) is undefined: the diagram ends at U1 = 0.
                    CobwebCase{"AnUndefinedTermEndsIt", "ln(x)", 1.0L, 10, 1}),
    [](const testing::TestParamInfo<CobwebCase>& info) { return info.param.name; });

TEST_F(SequencePicture, ExplicitTermsStopAtTheCountEvenWhenTheFrameGoesFurther) {
    drawExplicitSequence(canvas_, frame_, formula("x/2"), 4, 2);
    // Each term is joined to the y axis: U1 at 0.5, U3 at 1.5; U4 would be at 2.
    EXPECT_TRUE(redAt(0.5, 0.5));
    EXPECT_TRUE(redAt(1.5, 1.5));
    EXPECT_FALSE(redAt(1, 2));
    EXPECT_FALSE(redAt(2, 2));
}

TEST_F(SequencePicture, ExplicitTermsStopAtTheRightEdge) {
    frame_.xmax = 2.5L;
    frame_.deriveFrom(850, 800);
    drawExplicitSequence(canvas_, frame_, formula("x/2"), 10, 2);
    EXPECT_TRUE(redAt(0.5, 1));   // U2
    EXPECT_FALSE(redAt(0.5, 1.5));  // U3 would lie right of xmax
}

struct TermCountCase {
    const char* text;
    std::optional<long long> count;
};

TEST(TermCount, IsTheTruncatedNumberAndRefusesNegativeOrWrongText) {
    const TermCountCase cases[] = {{"4", 4}, {"4.9", 4}, {"2*3", 6}, {"0", 0},
                                   {"-1", std::nullopt}, {"abc(", std::nullopt}, {"", std::nullopt}};
    for (const TermCountCase& c : cases) EXPECT_EQ(readTermCount(c.text), c.count) << c.text;
}

}  // namespace
