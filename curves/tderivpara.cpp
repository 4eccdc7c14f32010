#include "curves/tderivpara.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "expression/diffexpress.h"
#include "model/plot_state.h"
#include "plane/tool_support.h"

QPointer<Tderivpara> derivpara;

namespace {

QString derivativeShown(const std::string& formula) {
    if (formula.empty()) return "?";
    const std::optional<std::string> derivative = derivativeOf(formula);
    return derivative ? QString::fromLatin1(derivative->c_str()) : "??";
}

}  // namespace

Tderivpara::Tderivpara(QWidget* parent)
    : ToolWindow(QString::fromUtf8("Dérivation"), parent),
      fprime(makeResultLabel("fprime")),
      gprime(makeResultLabel("gprime")),
      BitBtn1(named("BitBtn1", new QPushButton("Go !"))) {
    auto* layout = new QGridLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel("  X'(x)="), 0, 0, Qt::AlignTop);
    layout->addWidget(fprime, 0, 1);
    layout->addWidget(new QLabel("  Y'(x)="), 1, 0, Qt::AlignTop);
    layout->addWidget(gprime, 1, 1);
    layout->addLayout(makeButtonRow(BitBtn1, takeStopButton()), 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    connect(BitBtn1, &QPushButton::clicked, this, &Tderivpara::BitBtn1Click);
    BitBtn1Click();
}

void Tderivpara::BitBtn1Click() {
    showResult(*fprime, derivativeShown(CurveSlot[1].formula));
    showResult(*gprime, derivativeShown(CurveSlot[2].formula));
}
