#include "tools/ttransfzone.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/plot_state.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"
#include "tools/line_figures.h"

QPointer<Ttransfzone> transfzone;

namespace {

ColourEdit* makeZeroField(const char* name) {
    auto* field = named(name, new ColourEdit);
    field->setText("0");
    field->paintBlack();
    return field;
}

}  // namespace

Ttransfzone::Ttransfzone(QWidget* parent)
    : ToolWindow("Transformations", parent),
      l1(new QLabel("f(x)+")),
      edita(makeZeroField("edita")),
      l2(new QLabel("f(x+")),
      editb(makeZeroField("editb")),
      Label2(new QLabel(")")),
      l3(named("l3", new QCheckBox("!f!"))),
      l4(named("l4", new QCheckBox("f(!x!)"))),
      GroupBox1(new QGroupBox("Choix de la fonction :")),
      RadioButton1(makeSlotButton(1, GroupBox1)),
      RadioButton2(makeSlotButton(2, GroupBox1)),
      RadioButton3(makeSlotButton(3, GroupBox1)),
      RadioButton4(makeSlotButton(4, GroupBox1)),
      BitBtn1(named("BitBtn1", new QPushButton("Go !"))) {
    RadioButton1->setChecked(true);
    layOutInRow(GroupBox1, {RadioButton1, RadioButton2, RadioButton3, RadioButton4});

    auto* added = new QHBoxLayout;
    added->addWidget(l1);
    added->addWidget(edita, 1);
    added->addWidget(l3);
    auto* shifted = new QHBoxLayout;
    shifted->setSpacing(0);
    shifted->addWidget(l2);
    shifted->addWidget(editb, 1);
    shifted->addWidget(Label2);
    shifted->addSpacing(6);
    shifted->addWidget(l4);
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addLayout(added);
    layout->addLayout(shifted);
    layout->addWidget(GroupBox1);
    layout->addLayout(makeButtonRow(BitBtn1, takeStopButton()));

    for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3, RadioButton4})
        connect(button, &QRadioButton::clicked, this, &Ttransfzone::changefonc);
    connect(BitBtn1, &QPushButton::clicked, this, &Ttransfzone::BitBtn1Click);
    for (ColourEdit* field : {edita, editb}) connect(field, &ColourEdit::enterPressed, this, &Ttransfzone::BitBtn1Click);
}

void Ttransfzone::changefonc() {
    const QString name = slotName(chosenSlot({RadioButton1, RadioButton2, RadioButton3, RadioButton4}));
    l1->setText(name + "(x)+");
    l2->setText(name + "(x+");
    l3->setText("!" + name + "!");
    // The function of |x| names the chosen function too, not always f.
    l4->setText(name + "(!x!)");
}

void Ttransfzone::BitBtn1Click() {
    const std::string& formula = slotFormula(chosenSlot({RadioButton1, RadioButton2, RadioButton3, RadioButton4}));
    if (formula.empty()) return;
    Transformation transformation;
    transformation.added = readNumberField(*edita, "0");
    transformation.shift = readNumberField(*editb, "0");
    transformation.absoluteValue = l3->isChecked();
    transformation.ofAbsoluteX = l4->isChecked();
    CurveSlot[0].formula = transformedFormula(formula, transformation);
    if (grafzone) grafzone->repaintGraph();
}

void Ttransfzone::stopClick() { hideAndFocusMainWindow(*this); }
