#include "curves/tfoncpara.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "curves/curve_fields.h"
#include "model/curve_entries.h"
#include "model/plot_state.h"
#include "plane/tformemo.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"

QPointer<Tfoncpara> foncpara;

namespace {

void storeXDerivative(const std::string* derivative) { CurveSlot[3].formula = derivative ? *derivative : ""; }
void storeYDerivative(const std::string* derivative) { CurveSlot[4].formula = derivative ? *derivative : ""; }

}  // namespace

Tfoncpara::Tfoncpara(QWidget* parent)
    : ToolWindow(QString::fromUtf8("Paramétrée"), parent),
      Editf(named("Editf", new ColourEdit(nullptr, ColourEdit::ForcedCase::Lower))),
      Editg(named("Editg", new ColourEdit(nullptr, ColourEdit::ForcedCase::Lower))),
      editymin(makeNumberField("editymin", "0")),
      editymax(makeNumberField("editymax", "2pi")),
      cache(named("cache", new QCheckBox("Masquer les courbes"))),
      IAeverButton1(makeFormulaHelpButton()) {
    auto* layout = new QGridLayout(body());
    // Under the graph there is room for a few rows only, at every screen size.
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    layout->addWidget(new QLabel("X(x)="), 0, 0);
    layout->addWidget(Editf, 0, 1);
    layout->addWidget(new QLabel("x varie entre :"), 0, 2);
    layout->addWidget(editymin, 0, 3);
    layout->addWidget(new QLabel("Y(x)="), 1, 0);
    layout->addWidget(Editg, 1, 1);
    layout->addWidget(new QLabel("et :"), 1, 2, Qt::AlignRight);
    layout->addWidget(editymax, 1, 3);
    layout->addWidget(cache, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(IAeverButton1);
    buttons->addWidget(takeStopButton());
    layout->addLayout(buttons, 2, 2, 1, 2);
    layout->setColumnStretch(1, 1);
    Editf->setMinimumWidth(180);

    // Tab goes from X to Y before the range.
    setTabOrder(Editf, Editg);
    setTabOrder(Editg, editymin);
    setTabOrder(editymin, editymax);

    mirrorText(editymin, ParametricRange.minText);
    mirrorText(editymax, ParametricRange.maxText);
    ParametricRange.hidden = false;
    for (ColourEdit* edit : {Editf, Editg, editymin, editymax})
        connect(edit, &ColourEdit::enterPressed, this, [this, edit] { EditKeyPress(*edit); });
    connect(cache, &QCheckBox::clicked, this, &Tfoncpara::cacheClick);
    connect(IAeverButton1, &QToolButton::clicked, this, &Tfoncpara::IAeverButton1Click);
}

void Tfoncpara::EditKeyPress(ColourEdit& sender) {
    if (&sender == Editf) storeFormula(*Editf, 1, storeXDerivative);
    if (&sender == Editg) storeFormula(*Editg, 2, storeYDerivative);
    readNumberField(*editymax, "2pi");
    readNumberField(*editymin, "0");
    if (grafzone) grafzone->repaintGraph();
}

void Tfoncpara::cacheClick() {
    ParametricRange.hidden = cache->isChecked();
    if (grafzone) grafzone->repaintGraph();
}

void Tfoncpara::IAeverButton1Click() { showFormulaHelp(); }
