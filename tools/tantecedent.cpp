#include "tools/tantecedent.h"

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
#include "tools/graph_marks.h"

QPointer<Tantecedent> antecedent;

namespace {

constexpr int FirstColumnWidth = 30;
constexpr int ColumnWidth = 90;

}  // namespace

Tantecedent::Tantecedent(QWidget* parent)
    : ToolWindow("Recherche d'antécédent(s)", parent),
      nom(new QLabel("f(x)=")),
      GroupBox1(new QGroupBox("Choix de la fonction :")),
      RadioButton1(makeSlotButton(1, GroupBox1)),
      RadioButton2(makeSlotButton(2, GroupBox1)),
      RadioButton3(makeSlotButton(3, GroupBox1)),
      RadioButton4(makeSlotButton(4, GroupBox1)),
      Editantecedent(
          named("Editantecedent", new ColourEdit(nullptr, ColourEdit::ForcedCase::Lower))),
      BitBtn1(named("BitBtn1", new QPushButton("Go !"))),
      result(named("result", new StringGrid(10, 1, GridTitles::FirstColumn, false))) {
    RadioButton1->setChecked(true);
    setColumnWidths(*result, FirstColumnWidth, ColumnWidth);
    showExactly(*result, 2, 1);

    auto* choice = new QHBoxLayout(GroupBox1);
    for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) {
        choice->addWidget(button);
        connect(button, &QRadioButton::clicked, this, &Tantecedent::RadioButton1Click);
    }
    auto* equation = new QHBoxLayout;
    equation->addWidget(nom);
    equation->addWidget(Editantecedent, 1);
    equation->addWidget(BitBtn1);
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addWidget(GroupBox1);
    layout->addLayout(equation);
    layout->addLayout(makeStopRow(result, takeStopButton()));

    connect(BitBtn1, &QPushButton::clicked, this, &Tantecedent::BitBtn1Click);
    connect(Editantecedent, &ColourEdit::enterPressed, this, &Tantecedent::BitBtn1Click);
}

int Tantecedent::chosenFunction() const {
    return chosenSlot({RadioButton1, RadioButton2, RadioButton3, RadioButton4});
}

void Tantecedent::RadioButton1Click() { nom->setText(slotName(chosenFunction()) + "(x)="); }

void Tantecedent::BitBtn1Click() {
    const long double k = readNumberField(*Editantecedent, "0");
    const int slot = chosenFunction();
    const std::string& formula = slotFormula(slot);
    if (formula.empty()) return;
    nom->setText(slotName(slot) + "(x)=");

    const ZeroList solutions = zerosAcrossFrame(equationText(formula, k), 3);
    const int oldColumns = result->columnCount();
    result->setColumnCount(solutions.count + 1);
    for (int column = oldColumns; column < result->columnCount(); ++column)
        result->setColumnWidth(column, ColumnWidth);
    setCell(*result, 0, 0, "X");
    for (int i = 1; i <= solutions.count; ++i)
        setCell(*result, i, 0, QString::fromStdString(FloatToStr(solutions.values[i - 1])));

    const int pictureWidth = grafzone ? grafzone->OffscreenBitmap.width() : 0;
    drawMarksOnGraph(
        antecedentMarks(PlotFrame, pictureWidth, k, pointsOnCurve(formula, solutions)));
}

void Tantecedent::stopClick() { hideAndFocusMainWindow(*this); }
