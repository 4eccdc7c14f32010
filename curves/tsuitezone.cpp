#include "curves/tsuitezone.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

#include "curves/curve_fields.h"
#include "curves/sequence_diagram.h"
#include "expression/matutil.h"
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"
#include "platform/cursors.h"

QPointer<Tsuitezone> suitezone;

namespace {

constexpr int GoCursor = 13;  // construit.ico
constexpr int ExplicitShown = 1;
constexpr int TermsShown = 2;

// Hidden fields keep their room, so that the window never has to grow.
template <class Widget>
Widget* keepingRoom(Widget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    widget->hide();
    return widget;
}

void refreshGraph() {
    if (grafzone) grafzone->repaintGraph();
}

}  // namespace

Tsuitezone::Tsuitezone(QWidget* parent)
    : ToolWindow("Suites", parent),
      RadioButton1(named("RadioButton1", makeSlotButton(1, nullptr))),
      RadioButton2(named("RadioButton2", makeSlotButton(2, nullptr))),
      RadioButton3(named("RadioButton3", makeSlotButton(3, nullptr))),
      RadioButton4(named("RadioButton4", makeSlotButton(4, nullptr))),
      RadioButton6(named("RadioButton6", new QRadioButton("Un=f(n)"))),
      RadioButton7(named("RadioButton7", new QRadioButton("Un+1=f(Un)"))),
      luo(keepingRoom(new QLabel("Uo="))),
      uo(keepingRoom(makeNumberField("uo", ""))),
      lterme(keepingRoom(new QLabel("Nbre de termes"))),
      terme(keepingRoom(makeNumberField("terme", "4"))),
      BitBtn1(named("BitBtn1", new QPushButton("Go"))),
      functionButtons_{RadioButton1, RadioButton2, RadioButton3, RadioButton4} {
    RadioButton1->setChecked(true);
    RadioButton6->setChecked(true);
    terme->setMaximumWidth(50);
    BitBtn1->setCursor(cursorFromNumber(GoCursor));

    auto* functions = new QGroupBox("Choix de la fonction :");
    layOutInRow(functions, {RadioButton1, RadioButton2, RadioButton3, RadioButton4});
    auto* kind = new QGroupBox("Type de suite ");
    layOutInRow(kind, {RadioButton6, RadioButton7});
    auto* fields = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{luo, uo, lterme, terme}) fields->addWidget(widget);

    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addWidget(functions);
    layout->addWidget(kind);
    layout->addLayout(fields);
    layout->addLayout(makeButtonRow(BitBtn1, takeStopButton()));

    for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton6, RadioButton7})
        connect(button, &QRadioButton::clicked, this, &Tsuitezone::RadioButtonClick);
    // Whoever ticks the type, a click or an opened session, the fields follow.
    connect(RadioButton7, &QRadioButton::toggled, this, &Tsuitezone::showRecurrentFields);
    connect(BitBtn1, &QPushButton::clicked, this, &Tsuitezone::BitBtn1Click);
    connect(uo, &ColourEdit::enterPressed, this, &Tsuitezone::uoKeyPress);
    SequenceState = 0;
}

int Tsuitezone::chosenFunction() const { return chosenSlot(functionButtons_); }

bool Tsuitezone::recurrent() const { return RadioButton7->isChecked(); }

void Tsuitezone::showRecurrentFields() {
    for (QWidget* widget : std::initializer_list<QWidget*>{uo, luo, lterme, terme}) widget->setVisible(recurrent());
}

// A click always starts from a clean picture: the repaint draws the new
// choice through construit(), over nothing of the previous one.
void Tsuitezone::RadioButtonClick() {
    SequenceState = ExplicitShown;
    refreshGraph();
}

void Tsuitezone::BitBtn1Click() {
    SequenceState = TermsShown;
    refreshGraph();
}

void Tsuitezone::uoKeyPress() { refreshGraph(); }

void Tsuitezone::redraw() {
    if (!grafzone) return;
    if (!recurrent()) drawExplicit();
    else if (SequenceState == TermsShown) drawRecurrent();
}

namespace {

std::optional<long long> termsOf(ColourEdit& field) {
    const std::optional<long long> terms = readTermCount(field.latin1Text());
    if (terms) field.paintBlack();
    else field.paintRed();
    return terms;
}

// The formula of the chosen slot compiled, or null when it is empty or wrong.
TExpress* compiledSlot(TExpress& expression, int slot) {
    if (slot < 1 || CurveSlot[slot].formula.empty()) return nullptr;
    expression.setExpression(CurveSlot[slot].formula);
    return expression.SyntaxError() ? nullptr : &expression;
}

int penWidthAndFont(Canvas& canvas) {
    const GraphOptions options = grafzone->currentOptions();
    canvas.setFontSize(options.fontSize);
    return options.thickness - 1;
}

}  // namespace

void Tsuitezone::drawExplicit() {
    const std::optional<long long> terms = termsOf(*terme);
    TExpress expression;
    TExpress* formula = compiledSlot(expression, chosenFunction());
    if (!formula || !terms) return;
    Canvas& canvas = grafzone->windowCanvas();
    drawExplicitSequence(canvas, PlotFrame, *formula, *terms, penWidthAndFont(canvas));
}

void Tsuitezone::drawRecurrent() {
    const int slot = chosenFunction();
    if (slot < 1 || CurveSlot[slot].formula.empty()) return;
    std::optional<long double> start = NumberReader(uo->latin1Text());
    if (*start == ErrorValue) start.reset();
    if (start) uo->paintBlack();
    else uo->paintRed();
    const std::optional<long long> terms = termsOf(*terme);
    TExpress expression;
    Canvas& canvas = grafzone->windowCanvas();
    drawCobweb(canvas, PlotFrame, compiledSlot(expression, slot), start, terms, penWidthAndFont(canvas));
}
