#include "tools/tcalczone.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "expression/matutil.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"

QPointer<Tcalczone> calczone;

Tcalczone::Tcalczone(QWidget* parent)
    : ToolWindow("Calculatrice", parent),
      calcligne(named("calcligne", new ColourEdit(nullptr, ColourEdit::ForcedCase::Lower))),
      Label1(new QLabel("=")),
      result(named("result", new QLabel)) {
    calcligne->setText("0");
    calcligne->paintBlack();
    calcligne->setMinimumWidth(200);
    result->setMinimumWidth(200);
    auto* layout = new QHBoxLayout(body());
    layout->addWidget(calcligne, 1);
    layout->addWidget(Label1);
    layout->addWidget(result, 1);
    layout->addWidget(takeStopButton());
    connect(calcligne, &ColourEdit::enterPressed, this, &Tcalczone::calcligneKeyPress);
}

void Tcalczone::calcligneKeyPress() {
    const long double value = NumberReader(calcligne->latin1Text());
    calcligne->paintBlack();
    result->setText(value == ErrorValue ? QString("= erreur")
                                        : QString::fromStdString(FloatToStr(value)));
}

void Tcalczone::stopClick() { hideAndFocusMainWindow(*this); }
