#include "space/tfonc3d.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "expression/matutil.h"
#include "model/plot_state.h"
#include "plane/tformemo.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"
#include "space/space_dialog.h"
#include "space/tgrafgl.h"

QPointer<Tfonc3d> fonc3d;

namespace {

constexpr int FormulaWidth = 220;
constexpr int SurfaceSlot = 5;

}  // namespace

Tfonc3d::Tfonc3d(QWidget* parent)
    : ToolWindow("z=f(x,y)", parent),
      Editf(named("Editf", new ColourEdit(nullptr, ColourEdit::ForcedCase::Lower))),
      IAeverButton1(makeFormulaHelpButton()) {
    Editf->setMinimumWidth(FormulaWidth);
    auto* layout = new QHBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(named("Label1", new QLabel("f(x,y)=")));
    layout->addWidget(Editf, 1);
    layout->addWidget(IAeverButton1);
    layout->addWidget(takeStopButton());
    connect(Editf, &ColourEdit::enterPressed, this, &Tfonc3d::EditfKeyPress);
    connect(IAeverButton1, &QToolButton::clicked, this, &Tfonc3d::IAeverButton1Click);
}

void Tfonc3d::EditfKeyPress() {
    const std::string text = Editf->latin1Text();
    if (text.empty()) {
        // The last mesh stays compiled: the same formula typed again is drawn at once.
        CurveSlot[SurfaceSlot].formula.clear();
    } else {
        TExpress expression;
        expression.setExpression(NormaliseFormula(text));
        if (expression.SyntaxError()) {
            Editf->paintRed();
            return;
        }
        CurveSlot[SurfaceSlot].formula = expression.Expression();
        Editf->paintBlack();
        if (grafgl) grafgl->preparecourbe();
    }
    redrawSpaceView();
    refreshShownPlaneGraph();
}

void Tfonc3d::IAeverButton1Click() { showFormulaHelp(); }
