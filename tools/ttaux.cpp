#include "tools/ttaux.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/plot_state.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"
#include "tools/derivatives.h"
#include "tools/graph_marks.h"

QPointer<Ttaux> taux;

Ttaux::Ttaux(QWidget* parent)
    : ToolWindow("Taux d'accroissement", parent),
      nom(new QLabel("a=")),
      Label1(new QLabel("b=")),
      Label2(new QLabel("T=(f(a)-f(b))/(a-b)")),
      result(named("result", new QLabel("="))),
      edita(named("edita", new ColourEdit)),
      Editb(named("Editb", new ColourEdit)),
      GroupBox1(new QGroupBox("Choix de la fonction :")),
      RadioButton1(makeSlotButton(1, GroupBox1)),
      RadioButton2(makeSlotButton(2, GroupBox1)),
      RadioButton3(makeSlotButton(3, GroupBox1)),
      RadioButton4(makeSlotButton(4, GroupBox1)),
      BitBtn1(named("BitBtn1", new QPushButton("Go !"))) {
    edita->setText("0");
    Editb->setText("1");
    for (ColourEdit* field : {edita, Editb}) field->paintBlack();
    RadioButton1->setChecked(true);
    result->setTextInteractionFlags(Qt::TextSelectableByMouse);

    layOutInRow(GroupBox1, {RadioButton1, RadioButton2, RadioButton3, RadioButton4});
    auto* bounds = new QHBoxLayout;
    bounds->addWidget(nom);
    bounds->addWidget(edita, 1);
    bounds->addWidget(Label1);
    bounds->addWidget(Editb, 1);
    bounds->addWidget(BitBtn1);
    auto* rate = new QHBoxLayout;
    rate->addWidget(Label2);
    rate->addWidget(result, 1);
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addLayout(bounds);
    layout->addLayout(rate);
    layout->addLayout(makeStopRow(GroupBox1, takeStopButton()));

    connect(BitBtn1, &QPushButton::clicked, this, &Ttaux::BitBtn1Click);
    for (ColourEdit* field : {edita, Editb})
        connect(field, &ColourEdit::enterPressed, this, &Ttaux::BitBtn1Click);
}

void Ttaux::BitBtn1Click() {
    const std::string& formula =
        slotFormula(chosenSlot({RadioButton1, RadioButton2, RadioButton3, RadioButton4}));
    if (formula.empty()) return;
    const long double a = readNumberField(*edita, "0");
    const long double b = readNumberField(*Editb, "1");

    const PlotPoint first{a, FormulaValue(formula, a)}, second{b, FormulaValue(formula, b)};
    const std::optional<std::string> rate = rateText(first, second);
    if (!rate) return;
    result->setText(QString::fromStdString(*rate));
    drawRateOnGraph(rateMarks(PlotFrame, first, second));
}

void Ttaux::stopClick() { hideAndFocusMainWindow(*this); }
