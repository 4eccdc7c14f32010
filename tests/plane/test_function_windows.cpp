#include <QCheckBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "model/plot_state.h"
#include "model/state_reset.h"
#include "plane/tchangedomaine.h"
#include "plane/tchoixf.h"
#include "plane/tfonczone.h"
#include "plane/tformemo.h"
#include "plane/tgrafzone.h"
#include "plane/tkval.h"
#include "plane/toptionzone.h"
#include "platform/colour_edit.h"
#include "platform/settings.h"

#include <QLabel>

namespace {

void typeAndEnter(ColourEdit& edit, const QString& text) {
    edit.clear();
    QTest::keyClicks(&edit, text);
    QTest::keyClick(&edit, Qt::Key_Return);
}

// --- function window ----------------------------------------------------------

class FunctionWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        initialisePlotState();
        window = new TfoncZone;
        foncZone = window;
    }
    void TearDown() override { delete window; }
    TfoncZone* window = nullptr;
};

TEST_F(FunctionWindowTest, TypingTurnsTheEditBlue) {
    QTest::keyClicks(window->Editf, "2x");
    EXPECT_EQ(window->Editf->fontColour(), clBlue);
    EXPECT_TRUE(CurveSlot[1].formula.empty());
}

struct Entry {
    const char* name;
    int slot;
    const char* typed;
    const char* stored;  // empty: refused
    TColor colour;
};

class FunctionEntry : public FunctionWindowTest, public ::testing::WithParamInterface<Entry> {};

TEST_P(FunctionEntry, EnterStoresTheNormalisedFormulaOrRefusesIt) {
    const Entry& entry = GetParam();
    CurveSlot[entry.slot].formula = "x";
    ColourEdit& edit = *window->slotEdit(entry.slot);
    typeAndEnter(edit, entry.typed);
    EXPECT_EQ(CurveSlot[entry.slot].formula, entry.stored);
    EXPECT_EQ(edit.fontColour(), entry.colour);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, FunctionEntry,
    ::testing::Values(Entry{"ImplicitProduct", 1, "2x+1", "2*x+1", clBlack},
                      Entry{"Incomplete", 1, "2x+", "", clRed},
                      Entry{"SquareRoot", 2, "v(x)", "sqrt(x)", clBlack},
                      Entry{"Exponential", 3, "3e(x)", "3*exp(x)", clBlack},
                      Entry{"CommaRefused", 4, "1,5x", "", clRed},
                      Entry{"UpperCaseTypedAsLower", 4, "SIN(X)", "sin(x)", clBlack}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FunctionWindowTest, EnterInAnyEditClearsTheEmptiedSlots) {
    typeAndEnter(*window->Editg, "x");
    ASSERT_EQ(CurveSlot[2].formula, "x");
    window->Editg->clear();
    QTest::keyClick(window->Editf, Qt::Key_Return);
    EXPECT_TRUE(CurveSlot[2].formula.empty());
    EXPECT_EQ(window->Editg->fontColour(), clBlack);
}

TEST_F(FunctionWindowTest, EnterValidatesOnlyItsOwnEdit) {
    QTest::keyClicks(window->Edith, "x^3");
    typeAndEnter(*window->Editf, "x");
    EXPECT_TRUE(CurveSlot[3].formula.empty());
    EXPECT_EQ(window->Edith->fontColour(), clBlue);
}

TEST_F(FunctionWindowTest, EnterRepaintsTheGraph) {
    auto* graph = new Tgrafzone;
    grafzone = graph;
    GraphKind = GraphType::FunctionOfX;
    graph->setGraphSize(512, 512);
    PlotFrame.xmin = PlotFrame.ymin = -8;
    PlotFrame.xmax = PlotFrame.ymax = 8;
    typeAndEnter(*window->Editf, "2");
    EXPECT_EQ(graph->windowCanvas().pixel(330, PlotFrame.row(2)), clBlue);
    window->cache->click();
    EXPECT_NE(graph->windowCanvas().pixel(330, PlotFrame.row(2)), clBlue);
    GraphKind = GraphType::None;
    delete graph;
}

TEST_F(FunctionWindowTest, DomainsStartUnrestrictedOverTheStartUpFrame) {
    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_FALSE(CurveSlot[slot].domain.restricted);
        EXPECT_EQ(CurveSlot[slot].domain.lo, PlotFrame.xmin);
        EXPECT_EQ(CurveSlot[slot].domain.hi, PlotFrame.xmax);
    }
}

TEST_F(FunctionWindowTest, HelpButtonShowsTheMemo) {
    auto* memo = new Tformemo;
    formemo = memo;
    window->IAeverButton1->click();
    EXPECT_TRUE(memo->isVisible());
    delete memo;
}

// --- domain window -------------------------------------------------------------

class DomainWindowTest : public FunctionWindowTest {
protected:
    void SetUp() override {
        FunctionWindowTest::SetUp();
        domain = new Tchangedomaine;
        changedomaine = domain;
    }
    void TearDown() override {
        delete domain;
        FunctionWindowTest::TearDown();
    }
    void apply(const QString& low, const QString& high) {
        domain->appliquedf->setChecked(false);
        domain->emin->setText(low);
        domain->emax->setText(high);
        domain->appliquedf->click();
    }
    Tchangedomaine* domain = nullptr;
};

TEST_F(DomainWindowTest, ReversedBoundsAreSwappedAndApplied) {
    window->BitBtn1->click();
    apply("3", "1");
    EXPECT_EQ(domain->emin->text(), "1");
    EXPECT_EQ(domain->emax->text(), "3");
    EXPECT_TRUE(domain->appliquedf->isChecked());
    EXPECT_EQ(domain->emin->fontColour(), clBlack);
    const TDomain& applied = CurveSlot[1].domain;
    EXPECT_TRUE(applied.restricted);
    EXPECT_EQ(applied.lo, 1);
    EXPECT_EQ(applied.hi, 3);
}

TEST_F(DomainWindowTest, ConstantExpressionsAreAccepted) {
    window->BitBtn2->click();
    apply("-pi", "2pi");
    EXPECT_TRUE(CurveSlot[2].domain.restricted);
    EXPECT_NEAR(double(CurveSlot[2].domain.hi), 6.283185307179586, 1e-12);
}

struct Refusal {
    const char* name;
    const char* low;
    const char* high;
    bool lowRed, highRed;
};

class DomainRefusal : public DomainWindowTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(DomainRefusal, PaintsTheBadBoundRedAndLeavesTheDomainFree) {
    window->BitBtn1->click();
    apply(GetParam().low, GetParam().high);
    EXPECT_FALSE(CurveSlot[1].domain.restricted);
    EXPECT_EQ(domain->emin->fontColour() == clRed, GetParam().lowRed);
    EXPECT_EQ(domain->emax->fontColour() == clRed, GetParam().highRed);
}

INSTANTIATE_TEST_SUITE_P(Bounds, DomainRefusal,
                         ::testing::Values(Refusal{"TextLow", "abc", "3", true, false},
                                           Refusal{"TextHigh", "0", "2x+", false, true},
                                           Refusal{"Equal", "2", "2", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DomainWindowTest, EditingABoundFreesTheDomain) {
    window->BitBtn3->click();
    apply("0", "2");
    ASSERT_TRUE(CurveSlot[3].domain.restricted);
    QTest::keyClicks(domain->emax, "5");
    EXPECT_FALSE(CurveSlot[3].domain.restricted);
    EXPECT_FALSE(domain->appliquedf->isChecked());
    EXPECT_EQ(domain->emax->fontColour(), clBlue);
}

TEST_F(DomainWindowTest, UncheckingFreesTheDomain) {
    window->BitBtn1->click();
    apply("0", "2");
    domain->appliquedf->click();
    EXPECT_FALSE(CurveSlot[1].domain.restricted);
}

TEST_F(DomainWindowTest, ButtonShowsARestrictedDomainAsApplied) {
    CurveSlot[4].domain = TDomain{-1.5L, 2.25L, true};
    window->BitBtn4->click();
    EXPECT_EQ(DomainSlot, 4);
    EXPECT_EQ(domain->emin->text(), "-1.5");
    EXPECT_EQ(domain->emax->text(), "2.25");
    EXPECT_TRUE(domain->appliquedf->isChecked());
    EXPECT_TRUE(CurveSlot[4].domain.restricted);
    EXPECT_EQ(CurveSlot[4].domain.hi, 2.25L);
    EXPECT_TRUE(domain->isVisible());
}

TEST_F(DomainWindowTest, ButtonOffersTheFrameRoundedForAFreeDomain) {
    PlotFrame.xmin = -7.9412L;
    PlotFrame.xmax = 7.9412L;
    window->BitBtn2->click();
    EXPECT_EQ(domain->emin->text(), "-7.94");
    EXPECT_EQ(domain->emax->text(), "7.94");
    EXPECT_FALSE(domain->appliquedf->isChecked());
    EXPECT_FALSE(CurveSlot[2].domain.restricted);
    // What the window offers is not a change the user has yet to confirm.
    EXPECT_EQ(domain->emin->fontColour(), clBlack);
    EXPECT_EQ(domain->emax->fontColour(), clBlack);
}

// --- choice of function ----------------------------------------------------------

TEST(ChoiceWindow, RadioButtonsChooseTheSlot) {
    Tchoixf window;
    EXPECT_EQ(SelectedSlot, 1);
    window.RadioButton3->click();
    EXPECT_EQ(SelectedSlot, 3);
    window.RadioButton2->click();
    EXPECT_EQ(SelectedSlot, 2);
}

TEST(ChoiceWindow, ShowingKeepsTheShownChoice) {
    Tchoixf window;
    window.RadioButton4->click();
    SelectedSlot = 1;
    window.show();
    EXPECT_EQ(SelectedSlot, 4);
}

TEST(ChoiceWindow, ClosingEndsTheReadingMode) {
    Tchoixf window;
    window.show();
    PlotMode = InteractionMode::Variations;
    window.stop()->click();
    EXPECT_EQ(PlotMode, InteractionMode::Neutral);
    EXPECT_FALSE(window.isVisible());
}

// --- options ------------------------------------------------------------------

class OptionsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        qputenv("XDG_CONFIG_HOME", QByteArray(folder.filePath("config").toUtf8()));
        writeLine("31241001");
        AppFolder = folder.path().toStdString();
        setSettingsFolder(folder.path());
    }
    void writeLine(const QByteArray& line) {
        QFile file(folder.filePath("setup.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(line + "\n");
    }
    QString readLine() {
        QFile file(folder.filePath("setup.txt"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromLatin1(file.readLine()).trimmed();
    }
    QTemporaryDir folder;
};

TEST_F(OptionsWindowTest, ControlsAreReadFromTheSettingsFile) {
    Toptionzone window;
    EXPECT_EQ(window.precis->value(), 3);
    EXPECT_EQ(window.taille->value(), 12);
    EXPECT_EQ(window.epaisseur->value(), 4);
    EXPECT_EQ(window.deplace->value(), 1);
    EXPECT_FALSE(window.intro3d1->isChecked());
}

TEST_F(OptionsWindowTest, RangesAreThoseOfTheOptions) {
    Toptionzone window;
    EXPECT_EQ(window.precis->minimum(), 1);
    EXPECT_EQ(window.precis->maximum(), 3);
    EXPECT_EQ(window.taille->minimum(), 10);
    EXPECT_EQ(window.taille->maximum(), 22);
    EXPECT_EQ(window.epaisseur->minimum(), 3);
    EXPECT_EQ(window.epaisseur->maximum(), 6);
    EXPECT_EQ(window.deplace->maximum(), 3);
}

struct OptionChange {
    const char* name;
    void (*change)(Toptionzone&);
    const char* line;
};

class OptionWrite : public OptionsWindowTest, public ::testing::WithParamInterface<OptionChange> {};

TEST_P(OptionWrite, EveryChangeRewritesTheWholeLine) {
    Toptionzone window;
    GetParam().change(window);
    EXPECT_EQ(readLine(), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, OptionWrite,
    ::testing::Values(
        OptionChange{"FontSize", [](Toptionzone& w) { w.taille->setValue(16); }, "31641001"},
        OptionChange{"Precision", [](Toptionzone& w) { w.precis->setValue(1); }, "11241001"},
        OptionChange{"Thickness", [](Toptionzone& w) { w.epaisseur->setValue(6); }, "31261001"},
        OptionChange{"Speed", [](Toptionzone& w) { w.deplace->setValue(2); }, "31242001"},
        OptionChange{"Intro", [](Toptionzone& w) { w.intro3d1->click(); }, "31241101"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsWindowTest, AChangeRepaintsTheVisibleGraphWithTheNewFont) {
    auto* graph = new Tgrafzone;
    grafzone = graph;
    graph->setGraphSize(300, 300);
    graph->show();
    Toptionzone window;
    optionzone = &window;
    window.taille->setValue(22);
    EXPECT_EQ(graph->windowCanvas().font().pointSize(), 22);
    optionzone = nullptr;
    delete graph;
}

TEST_F(OptionsWindowTest, IntroSwitchDuringTheIntroEndsIt) {
    QWidget intro;
    intro.show();
    IntroRunning = true;
    Toptionzone window;
    QObject::connect(&window, &Toptionzone::introCancelled, &intro, &QWidget::hide);
    window.intro3d1->click();
    EXPECT_TRUE(intro.isHidden());
    EXPECT_EQ(readLine(), "31241101");
    IntroRunning = false;
}

TEST_F(OptionsWindowTest, IntroSwitchAfterTheIntroOnlySaves) {
    QWidget intro;
    intro.show();
    IntroRunning = false;
    Toptionzone window;
    QObject::connect(&window, &Toptionzone::introCancelled, &intro, &QWidget::hide);
    window.intro3d1->click();
    EXPECT_FALSE(intro.isHidden());
}

// --- help memo and k -----------------------------------------------------------

TEST(HelpMemo, StatesTheSyntaxAndTheEntryConvention) {
    Tformemo memo;
    const QString text = memo.Memo1->toPlainText();
    EXPECT_TRUE(memo.Memo1->isReadOnly());
    EXPECT_TRUE(text.contains(QString::fromUtf8("sqrt( ) ou v( ) : racine carrée.")));
    EXPECT_TRUE(text.contains("bleu"));
    EXPECT_EQ(memo.windowTitle(), QString::fromUtf8("fonctions supprotées"));
}

TEST(ParameterWindow, StartsWithAnEmptyValue) {
    Tkval window;
    EXPECT_EQ(window.valk->text(), "k=");
    EXPECT_EQ(window.windowTitle(), "k");
}

}  // namespace
