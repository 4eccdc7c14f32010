#include "curves/tderivepolaire.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "model/plot_state.h"
#include "plane/tool_support.h"

QPointer<Tderivepolaire> derivepolaire;

Tderivepolaire::Tderivepolaire(QWidget* parent)
    : ToolWindow(QString::fromUtf8("Dérivée"), parent),
      result(makeResultLabel("result")),
      BitBtn1(named("BitBtn1", new QPushButton("Go !"))) {
    auto* layout = new QGridLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel("R'(x)="), 0, 0, Qt::AlignTop);
    layout->addWidget(result, 0, 1);
    layout->addLayout(makeButtonRow(BitBtn1, takeStopButton()), 1, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    connect(BitBtn1, &QPushButton::clicked, this, &Tderivepolaire::BitBtn1Click);
    BitBtn1Click();
}

// Slot g holds the derivative between the parentheses the tangents need.
void Tderivepolaire::BitBtn1Click() {
    const std::string& stored = CurveSlot[2].formula;
    showResult(*result, stored.size() < 2 ? QString("??")
                                          : QString::fromLatin1(stored.substr(1, stored.size() - 2).c_str()));
}
