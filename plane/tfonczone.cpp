#include "plane/tfonczone.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "expression/matutil.h"
#include "model/plot_state.h"
#include "plane/tchangedomaine.h"
#include "plane/tformemo.h"
#include "plane/tgrafzone.h"
#include "platform/colour_edit.h"

QPointer<TfoncZone> foncZone;

namespace {

void repaintGraph() {
    if (grafzone) grafzone->repaintGraph();
}

}  // namespace

TfoncZone::TfoncZone(QWidget* parent) : ToolWindow("Fonction de x", parent) {
    auto* layout = new QGridLayout(body());
    // Under the graph there is room for five rows only, at every screen size.
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    const char* labels[] = {"f(x)=", "g(x)=", "h(x)=", "i(x)="};
    ColourEdit** edits[] = {&Editf, &Editg, &Edith, &Editi};
    QPushButton** buttons[] = {&BitBtn1, &BitBtn2, &BitBtn3, &BitBtn4};
    for (int row = 0; row < 4; ++row) {
        const int slot = row + 1;
        auto* edit = new ColourEdit(nullptr, ColourEdit::ForcedCase::Lower);
        edit->setCursor(Qt::PointingHandCursor);
        *edits[row] = edit;
        auto* button = new QPushButton("...");
        *buttons[row] = button;
        layout->addWidget(new QLabel(labels[row]), row, 0);
        layout->addWidget(edit, row, 1);
        layout->addWidget(button, row, 2);
        connect(edit, &ColourEdit::enterPressed, this, [this, edit] { keypress(*edit); });
        connect(button, &QPushButton::clicked, this, [this, slot] { domainButtonClick(slot); });
    }
    cache = new QCheckBox("Masquer les courbes");
    layout->addWidget(cache, 4, 0, 1, 2);
    connect(cache, &QCheckBox::clicked, this, &TfoncZone::cacheClick);

    IAeverButton1 = makeFormulaHelpButton();
    auto* helpAndStop = new QHBoxLayout;
    helpAndStop->addWidget(IAeverButton1);
    helpAndStop->addWidget(takeStopButton());
    layout->addLayout(helpAndStop, 4, 2);
    connect(IAeverButton1, &QToolButton::clicked, this, &TfoncZone::IAeverButton1Click);

    for (int slot = 1; slot <= 4; ++slot)
        CurveSlot[slot].domain = TDomain{PlotFrame.xmin, PlotFrame.xmax, false};
}

ColourEdit* TfoncZone::slotEdit(int slot) const {
    switch (slot) {
        case 1: return Editf;
        case 2: return Editg;
        case 3: return Edith;
        default: return Editi;
    }
}

void TfoncZone::keypress(ColourEdit& sender) {
    TExpress expression;
    for (int slot = 1; slot <= 4; ++slot) {
        if (slotEdit(slot) != &sender || sender.text().isEmpty()) continue;
        const std::string formula = NormaliseFormula(sender.latin1Text());
        expression.setExpression(formula);
        if (expression.SyntaxError()) {
            CurveSlot[slot].formula.clear();
            sender.paintRed();
        } else {
            CurveSlot[slot].formula = formula;
            sender.paintBlack();
        }
    }
    for (int slot = 1; slot <= 4; ++slot) {
        ColourEdit& edit = *slotEdit(slot);
        if (!edit.text().isEmpty()) continue;
        edit.paintBlack();
        CurveSlot[slot].formula.clear();
    }
    repaintGraph();
}

void TfoncZone::cacheClick() { repaintGraph(); }

void TfoncZone::domainButtonClick(int slot) {
    DomainSlot = slot;
    if (!changedomaine) return;
    const TDomain& domain = CurveSlot[slot].domain;
    const bool restricted = domain.restricted;
    const long double lo = restricted ? domain.lo : RoundTo(PlotFrame.xmin, 2);
    const long double hi = restricted ? domain.hi : RoundTo(PlotFrame.xmax, 2);
    changedomaine->emin->setText(QString::fromStdString(FloatToStr(lo)));
    changedomaine->emax->setText(QString::fromStdString(FloatToStr(hi)));
    changedomaine->appliquedf->setChecked(restricted);
    // The bounds offered are the domain as it stands, not a change to confirm.
    changedomaine->emin->paintBlack();
    changedomaine->emax->paintBlack();
    changedomaine->show();
    changedomaine->raise();
}

void TfoncZone::IAeverButton1Click() { showFormulaHelp(); }
