#include "tools/tineqf.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/plot_state.h"
#include "plane/tchoixf.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "tools/tineqa.h"

QPointer<Tineqf> ineqf;

Tineqf::Tineqf(QWidget* parent)
    : ToolWindow("f(x)<g(x)", parent),
      GroupBox1(named("GroupBox1", new QGroupBox("Sens"))),
      RadioButton1(makeRelationButton(1)),
      RadioButton2(makeRelationButton(2)),
      RadioButton3(makeRelationButton(3)),
      RadioButton4(makeRelationButton(4)),
      choixun(named("choixun", new QGroupBox(QString::fromUtf8("Première fonction")))),
      RadioButton6(makeSlotButton(1, choixun)),
      RadioButton7(makeSlotButton(2, choixun)),
      RadioButton8(makeSlotButton(3, choixun)),
      RadioButton9(makeSlotButton(4, choixun)),
      choix2(named("choix2", new QGroupBox(QString::fromUtf8("Deuxième fonction")))),
      RadioButton10(makeSlotButton(1, choix2)),
      RadioButton11(makeSlotButton(2, choix2)),
      RadioButton12(makeSlotButton(3, choix2)),
      RadioButton13(makeSlotButton(4, choix2)) {
    RadioButton1->setChecked(true);
    RadioButton6->setChecked(true);
    RadioButton11->setChecked(true);
    layOutInRow(GroupBox1, {RadioButton1, RadioButton2, RadioButton3, RadioButton4});
    layOutInRow(choixun, {RadioButton6, RadioButton7, RadioButton8, RadioButton9});
    layOutInRow(choix2, {RadioButton10, RadioButton11, RadioButton12, RadioButton13});
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(choix2, 1);
    bottom->addWidget(takeStopButton(), 0, Qt::AlignBottom);
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addWidget(GroupBox1);
    layout->addWidget(choixun);
    layout->addLayout(bottom);

    for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3, RadioButton4})
        connect(button, &QRadioButton::clicked, this, &Tineqf::RadioButtonClick);
    for (QRadioButton* button : {RadioButton6, RadioButton7, RadioButton8, RadioButton9, RadioButton10,
                                 RadioButton11, RadioButton12, RadioButton13})
        connect(button, &QRadioButton::clicked, this, &Tineqf::RadioButtonbisClick);

    PlotMode = InteractionMode::BelowFunction;
    SelectedSlot = 1;
    SecondSlot = 2;
}

void Tineqf::ineq() {
    SelectedSlot = chosenSlot({RadioButton6, RadioButton7, RadioButton8, RadioButton9});
    if (choixf && SelectedSlot >= 1) {
        QRadioButton* const sameSlot[] = {choixf->RadioButton1, choixf->RadioButton2, choixf->RadioButton3,
                                          choixf->RadioButton4};
        sameSlot[SelectedSlot - 1]->setChecked(true);
    }
    SecondSlot = chosenSlot({RadioButton10, RadioButton11, RadioButton12, RadioButton13});
    const int relation = chosenValue({RadioButton1, RadioButton2, RadioButton3, RadioButton4});
    PlotMode = static_cast<InteractionMode>(static_cast<int>(InteractionMode::AtLeastConstant) + relation);
}

void Tineqf::RadioButtonClick() { ineq(); }

void Tineqf::RadioButtonbisClick() {
    ineq();
    if (grafzone) grafzone->construit();
}

void Tineqf::showEvent(QShowEvent* event) {
    ToolWindow::showEvent(event);
    ineq();
}
