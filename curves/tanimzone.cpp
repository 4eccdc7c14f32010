#include "curves/tanimzone.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "curves/curve_fields.h"
#include "expression/matutil.h"
#include "model/animation_run.h"
#include "model/plot_state.h"
#include "plane/tformemo.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"

QPointer<Tanimzone> animzone;

namespace {

const char* const RunningCaption = "!";

QString withOtherSign(const QString& text) { return text.startsWith('-') ? text.mid(1) : "-" + text; }

}  // namespace

Tanimzone::Tanimzone(QWidget* parent)
    : ToolWindow("Animation", parent),
      Editf(named("Editf", new ColourEdit(nullptr, ColourEdit::ForcedCase::Lower))),
      Editg(named("Editg", new ColourEdit(nullptr, ColourEdit::ForcedCase::Lower))),
      editymin(makeNumberField("editymin", "-5")),
      editymax(makeNumberField("editymax", "5")),
      Editpas(makeNumberField("Editpas", "0.1")),
      Go(named("Go", new QPushButton)),
      IAeverButton1(makeFormulaHelpButton()) {
    Go->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    Go->setStyleSheet("QPushButton { color: red; font-weight: bold; }");
    // As wide as with the caption of a run, so that the caption does not push
    // the help button aside.
    Go->setText(RunningCaption);
    Go->setFixedWidth(Go->sizeHint().width());
    Go->setText(QString());

    auto* layout = new QGridLayout(body());
    // Under the graph there is room for four rows only, at every screen size.
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    layout->addWidget(new QLabel(QString::fromUtf8("Nous allons animer les fonctions grâce à une variable k :   ")),
                      0, 0, 1, 5);
    layout->addWidget(new QLabel(" f(x,k)="), 1, 0);
    layout->addWidget(Editf, 1, 1);
    layout->addWidget(new QLabel("k varie entre :"), 1, 2);
    layout->addWidget(editymin, 1, 3);
    layout->addWidget(new QLabel("g(x,k)="), 2, 0);
    layout->addWidget(Editg, 2, 1);
    layout->addWidget(new QLabel("et :"), 2, 2);
    layout->addWidget(editymax, 2, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Go);
    buttons->addWidget(IAeverButton1);
    buttons->addStretch();
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->addWidget(new QLabel("tous les :"), 3, 2);
    layout->addWidget(Editpas, 3, 3);
    layout->addWidget(takeStopButton(), 3, 4);
    layout->setColumnStretch(1, 1);

    connect(Editf, &ColourEdit::enterPressed, this, &Tanimzone::EditfKeyPress);
    connect(Editg, &ColourEdit::enterPressed, this, &Tanimzone::EditgKeyPress);
    connect(Go, &QPushButton::clicked, this, &Tanimzone::GoClick);
    connect(IAeverButton1, &QToolButton::clicked, this, &Tanimzone::IAeverButton1Click);
}

bool Tanimzone::storeFormula(ColourEdit& edit, int slot) {
    TExpress expression;
    const std::string formula = NormaliseFormula(edit.latin1Text());
    expression.setExpression(formula);
    if (edit.text().isEmpty() || expression.SyntaxError()) {
        CurveSlot[slot].formula.clear();
        if (edit.text().isEmpty()) edit.paintBlack();
        else edit.paintRed();
        return false;
    }
    CurveSlot[slot].formula = formula;
    edit.paintBlack();
    return true;
}

// Enter keeps the formula without drawing it: blue until the button runs it.
void Tanimzone::enterFormula(ColourEdit& edit, int slot) {
    if (storeFormula(edit, slot)) edit.paintBlue();
}

// A wrong bound or step gets its default back; a step of 0 would never reach
// the last value, and a step away from it is turned round.
void Tanimzone::readRange() {
    AnimationRun.last = readNumberField(*editymax, "5");
    AnimationRun.first = readNumberField(*editymin, "-5");
    long double step = readNumberField(*Editpas, "0.1", [](long double value) { return value != 0; });
    const long double first = AnimationRun.first, last = AnimationRun.last;
    if ((first < last && step < 0) || (first > last && step > 0)) {
        Editpas->setText(withOtherSign(Editpas->text()));
        step = -step;
    }
    AnimationRun.step = step;
}

void Tanimzone::GoClick() {
    Go->setText(RunningCaption);
    AnimationRun.requested = true;
    readRange();
    storeFormula(*Editg, 2);
    storeFormula(*Editf, 1);
    if (grafzone) grafzone->repaintGraph();
    AnimationRun.requested = false;
    Go->setText(QString());
}

void Tanimzone::IAeverButton1Click() { showFormulaHelp(); }
