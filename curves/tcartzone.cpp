#include "curves/tcartzone.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "expression/matutil.h"
#include "model/plot_state.h"
#include "plane/tformemo.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"

QPointer<TCARTZONE> CARTZONE;

namespace {

constexpr int EquationWidth = 300;

}  // namespace

std::optional<std::string> equationAsDifference(const std::string& equation) {
    const std::size_t sign = equation.find('=');
    if (sign == std::string::npos) return std::nullopt;
    return equation.substr(0, sign) + "-(" + equation.substr(sign + 1) + ")";
}

TCARTZONE::TCARTZONE(QWidget* parent)
    : ToolWindow(QString::fromUtf8("Equation cartésienne"), parent),
      Editf(named("Editf", new ColourEdit(nullptr, ColourEdit::ForcedCase::Lower))),
      IAeverButton1(makeFormulaHelpButton()) {
    Editf->setMinimumWidth(EquationWidth);
    auto* layout = new QHBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Editf, 1);
    layout->addWidget(IAeverButton1);
    layout->addWidget(takeStopButton());
    connect(Editf, &ColourEdit::enterPressed, this, &TCARTZONE::EditfKeyPress);
    connect(IAeverButton1, &QToolButton::clicked, this, &TCARTZONE::IAeverButton1Click);
}

void TCARTZONE::EditfKeyPress() {
    const std::optional<std::string> difference = equationAsDifference(Editf->latin1Text());
    TExpress expression;
    if (difference) expression.setExpression(NormaliseFormula(*difference));
    if (!difference || expression.SyntaxError()) {
        Editf->paintRed();
        return;
    }
    CurveSlot[1].formula = expression.Expression();
    Editf->paintBlack();
    if (grafzone) grafzone->repaintGraph();
}

void TCARTZONE::IAeverButton1Click() { showFormulaHelp(); }
