#include "tools/tderivzone.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "plane/tool_support.h"
#include "tools/derivatives.h"

QPointer<Tderivzone> derivzone;

Tderivzone::Tderivzone(QWidget* parent)
    : ToolWindow("Dérivation", parent),
      Label1(new QLabel("  f'(x)=")),
      Label2(new QLabel("  g'(x)=")),
      Label4(new QLabel("  h'(x)=")),
      Label3(new QLabel("  i'(x)=")),
      fprime(makeResultLabel("fprime")),
      gprime(makeResultLabel("gprime")),
      hprime(makeResultLabel("hprime")),
      iprime(makeResultLabel("iprime")),
      BitBtn1(named("BitBtn1", new QPushButton("Go !"))) {
    auto* rows = new QGridLayout;
    QLabel* const titles[] = {Label1, Label2, Label4, Label3};
    QLabel* const results[] = {fprime, gprime, hprime, iprime};
    for (int row = 0; row < 4; ++row) {
        rows->addWidget(titles[row], row, 0);
        rows->addWidget(results[row], row, 1);
    }
    rows->setColumnStretch(1, 1);
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addLayout(rows);
    layout->addLayout(makeButtonRow(BitBtn1, takeStopButton()));

    connect(BitBtn1, &QPushButton::clicked, this, &Tderivzone::BitBtn1Click);
}

void Tderivzone::showDerivatives(const QString& undefinedFunction) {
    QLabel* const results[] = {fprime, gprime, hprime, iprime};
    for (int slot = 1; slot <= 4; ++slot) {
        const std::string& formula = slotFormula(slot);
        showResult(*results[slot - 1], formula.empty()
                                          ? undefinedFunction
                                          : QString::fromStdString(derivativeText(formula)));
    }
}

void Tderivzone::FormShow() { showDerivatives("?"); }

void Tderivzone::BitBtn1Click() { showDerivatives(QString()); }

void Tderivzone::showEvent(QShowEvent* event) {
    ToolWindow::showEvent(event);
    FormShow();
}

void Tderivzone::stopClick() { hideAndFocusMainWindow(*this); }
