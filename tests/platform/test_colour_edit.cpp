#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "platform/colour_edit.h"

namespace {

TEST(ColourEditProtocol, TypingPaintsTheTextBlue) {
    ColourEdit edit;
    edit.paintBlack();
    QTest::keyClicks(&edit, "2x");
    EXPECT_EQ(edit.fontColour(), clBlue);
    EXPECT_EQ(edit.palette().color(QPalette::Text), toQColor(clBlue));
}

TEST(ColourEditProtocol, OwnerPaintsBlackOrRed) {
    ColourEdit edit;
    QTest::keyClicks(&edit, "abc");
    edit.paintRed();
    EXPECT_EQ(edit.palette().color(QPalette::Text), toQColor(clRed));
    edit.paintBlack();
    EXPECT_EQ(edit.palette().color(QPalette::Text), toQColor(clBlack));
}

TEST(ColourEditProtocol, ProgrammaticTextThenBlackStaysBlack) {
    ColourEdit edit;
    edit.setText("7.94");
    edit.paintBlack();
    EXPECT_EQ(edit.fontColour(), clBlack);
    EXPECT_EQ(edit.text(), "7.94");
}

TEST(ColourEditProtocol, EnterEmitsTheSignalAndInsertsNothing) {
    ColourEdit edit;
    QSignalSpy entered(&edit, &ColourEdit::enterPressed);
    QTest::keyClicks(&edit, "pi");
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, Qt::Key_Enter);
    EXPECT_EQ(entered.count(), 2);
    EXPECT_EQ(edit.text(), "pi");
    EXPECT_EQ(edit.fontColour(), clBlue);
}

struct CaseExample {
    const char* name;
    ColourEdit::ForcedCase forced;
    const char* typed;
    const char* shown;
};

class ColourEditForcedCase : public ::testing::TestWithParam<CaseExample> {};

TEST_P(ColourEditForcedCase, RewritesEveryTypedLetter) {
    ColourEdit edit(nullptr, GetParam().forced);
    QTest::keyClicks(&edit, GetParam().typed);
    EXPECT_EQ(edit.text(), GetParam().shown);
    EXPECT_EQ(edit.cursorPosition(), edit.text().size());
}

INSTANTIATE_TEST_SUITE_P(Cases, ColourEditForcedCase,
                         ::testing::Values(CaseExample{"upper", ColourEdit::ForcedCase::Upper, "aBc", "ABC"},
                                           CaseExample{"lower", ColourEdit::ForcedCase::Lower, "SIN(X)", "sin(x)"},
                                           CaseExample{"none", ColourEdit::ForcedCase::None, "aB", "aB"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ColourEditText, Latin1TextGivesTheSuperscriptTwoAsOneByte) {
    ColourEdit edit;
    edit.setText(QString::fromUtf8("x²"));
    EXPECT_EQ(edit.latin1Text(), std::string("x\xB2"));
}

TEST(ColourEditText, SwapExchangesTheTexts) {
    ColourEdit low, high;
    low.setText("3");
    high.setText("1");
    SwapEditTexts(low, high);
    EXPECT_EQ(low.text(), "1");
    EXPECT_EQ(high.text(), "3");
}

}  // namespace
