#include "tools/tineqa.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "expression/matutil.h"
#include "model/plot_state.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"

QPointer<Tineqa> ineqa;

namespace {

const char* const RelationCaptions[] = {"<", ">", "<=", ">="};

}  // namespace

QRadioButton* makeRelationButton(int relation) { return makeChoiceButton(RelationCaptions[relation - 1], relation); }

Tineqa::Tineqa(QWidget* parent)
    : ToolWindow("F(x)<>a ?", parent),
      nom(named("nom", new QLabel("a="))),
      Edita(named("Edita", new ColourEdit)),
      GroupBox1(named("GroupBox1", new QGroupBox)),
      RadioButton1(makeRelationButton(1)),
      RadioButton2(makeRelationButton(2)),
      RadioButton3(makeRelationButton(3)),
      RadioButton4(makeRelationButton(4)) {
    RadioButton1->setChecked(true);
    layOutInRow(GroupBox1, {RadioButton1, RadioButton2, RadioButton3, RadioButton4});
    auto* number = new QHBoxLayout;
    number->addWidget(nom);
    number->addWidget(Edita, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(GroupBox1, 1);
    bottom->addWidget(takeStopButton(), 0, Qt::AlignBottom);
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addLayout(number);
    layout->addLayout(bottom);

    connect(Edita, &ColourEdit::enterPressed, this, &Tineqa::EditaKeyPress);
    for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3, RadioButton4})
        connect(button, &QRadioButton::clicked, this, &Tineqa::RadioButtonClick);
}

long double Tineqa::readA() {
    const long double a = NumberReader(Edita->latin1Text());
    if (a == ErrorValue || !std::isfinite(a)) return ErrorValue;
    Edita->paintBlack();
    return a;
}

void Tineqa::EditaKeyPress() { RadioButtonClick(); }

void Tineqa::RadioButtonClick() {
    if (readA() == ErrorValue) {
        Edita->paintRed();
        return;
    }
    const int relation = chosenValue({RadioButton1, RadioButton2, RadioButton3, RadioButton4});
    PlotMode = static_cast<InteractionMode>(static_cast<int>(InteractionMode::Variations) + relation);
    if (grafzone) grafzone->setStatusText(QString::fromUtf8("Déplacez la souris :  la solution apparaitra."));
}

void Tineqa::stopClick() {
    hide();
    PlotMode = InteractionMode::Neutral;
    if (grafzone) grafzone->setStatusText(QString());
}
