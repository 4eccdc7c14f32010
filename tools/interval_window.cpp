#include "tools/interval_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "plane/tool_support.h"
#include "platform/colour_edit.h"
#include "tools/values_solving.h"

IntervalWindow::IntervalWindow(const QString& caption, const QString& resultText,
                               const QString& groupCaption, std::array<int, 4> buttonSlots, QWidget* parent)
    : ToolWindow(caption, parent),
      nom(new QLabel("a=")),
      Label1(new QLabel("b=")),
      result(named("result", new QLabel(resultText))),
      edita(named("edita", new ColourEdit)),
      Editb(named("Editb", new ColourEdit)),
      GroupBox1(new QGroupBox(groupCaption)),
      RadioButton1(makeSlotButton(buttonSlots[0], GroupBox1)),
      RadioButton2(makeSlotButton(buttonSlots[1], GroupBox1)),
      RadioButton3(makeSlotButton(buttonSlots[2], GroupBox1)),
      RadioButton4(makeSlotButton(buttonSlots[3], GroupBox1)),
      BitBtn1(named("BitBtn1", new QPushButton("Go !"))) {
    edita->setText("0");
    Editb->setText("1");
    for (ColourEdit* field : {edita, Editb}) field->paintBlack();
    result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layOutInRow(GroupBox1, {RadioButton1, RadioButton2, RadioButton3, RadioButton4});

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    for (ColourEdit* field : {edita, Editb})
        connect(field, &ColourEdit::enterPressed, this, [this] { BitBtn1Click(); });
}

QHBoxLayout* IntervalWindow::makeBoundsRow() {
    auto* row = new QHBoxLayout;
    row->addWidget(nom);
    row->addWidget(edita, 1);
    row->addWidget(Label1);
    row->addWidget(Editb, 1);
    return row;
}

const std::string& IntervalWindow::firstFunction() const {
    return slotFormula(chosenSlot({RadioButton1, RadioButton2, RadioButton3, RadioButton4}));
}

std::pair<long double, long double> IntervalWindow::readBounds() { return readOrderedBounds(*edita, *Editb); }

void IntervalWindow::stopClick() { hideAndFocusMainWindow(*this); }
