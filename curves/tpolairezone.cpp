#include "curves/tpolairezone.h"

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

QPointer<Tpolairezone> polairezone;

namespace {

// Slot g holds R' in parentheses, ready to be multiplied.
void storeRadiusDerivative(const std::string* derivative) {
    CurveSlot[2].formula = derivative ? "(" + *derivative + ")" : "";
}

}  // namespace

Tpolairezone::Tpolairezone(QWidget* parent)
    : ToolWindow("Polaire", parent),
      R(named("R", new ColourEdit(nullptr, ColourEdit::ForcedCase::Lower))),
      editrmin(makeNumberField("editrmin", "0")),
      editrmax(makeNumberField("editrmax", "2pi")),
      cache(named("cache", new QCheckBox("Masquer les courbes"))),
      IAeverButton1(makeFormulaHelpButton()) {
    auto* layout = new QGridLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    layout->addWidget(new QLabel("R(x)="), 0, 0);
    layout->addWidget(R, 0, 1, 1, 5);
    layout->addWidget(new QLabel("x varie entre :"), 1, 0, 1, 2);
    layout->addWidget(editrmin, 1, 2);
    layout->addWidget(new QLabel("et :"), 1, 3);
    layout->addWidget(editrmax, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cache);
    buttons->addStretch();
    buttons->addWidget(IAeverButton1);
    buttons->addWidget(takeStopButton());
    layout->addLayout(buttons, 2, 0, 1, 6);
    layout->setColumnStretch(5, 1);
    R->setMinimumWidth(260);

    mirrorText(editrmin, PolarRange.minText);
    mirrorText(editrmax, PolarRange.maxText);
    PolarRange.hidden = false;
    for (ColourEdit* edit : {R, editrmin, editrmax}) connect(edit, &ColourEdit::enterPressed, this, &Tpolairezone::RKeyPress);
    connect(cache, &QCheckBox::clicked, this, &Tpolairezone::cacheClick);
    connect(IAeverButton1, &QToolButton::clicked, this, &Tpolairezone::IAeverButton1Click);
}

void Tpolairezone::RKeyPress() {
    readNumberField(*editrmax, "2pi");
    readNumberField(*editrmin, "0");
    storeFormula(*R, 1, storeRadiusDerivative);
    if (grafzone) grafzone->repaintGraph();
}

void Tpolairezone::cacheClick() {
    PolarRange.hidden = cache->isChecked();
    if (grafzone) grafzone->repaintGraph();
}

void Tpolairezone::IAeverButton1Click() { showFormulaHelp(); }
