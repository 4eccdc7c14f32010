#include "tools/tparite.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/plot_state.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "tools/demonstration.h"
#include "tools/function_properties.h"
#include "tools/property_marks.h"
#include "tools/values_solving.h"

QPointer<Tparite> parite;

Tparite::Tparite(QWidget* parent)
    : ToolWindow("Parité", parent),
      result(named("result", new QLabel)),
      BitBtn1(named("BitBtn1", new QPushButton("Paire ?"))),
      BitBtn2(named("BitBtn2", new QPushButton("Impaire ?"))) {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addStretch();
    buttons->addWidget(takeStopButton());
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addWidget(result);
    layout->addLayout(buttons);
    connect(BitBtn1, &QPushButton::clicked, this, &Tparite::pairClick);
    connect(BitBtn2, &QPushButton::clicked, this, &Tparite::impair);
}

void Tparite::pairClick() {
    result->clear();
    // The last mirror pair goes; the odd test leaves its own on the graph.
    if (demonstrate(Symmetry::Even) && grafzone) grafzone->construit();
}

void Tparite::impair() { demonstrate(Symmetry::Odd); }

bool Tparite::demonstrate(Symmetry symmetry) {
    if (SelectedSlot < 1 || SelectedSlot > 4) return false;
    const std::optional<ParityTest> test = testParity(slotFormula(SelectedSlot), PlotFrame, symmetry);
    if (!test) return false;
    if (grafzone) {
        Demonstration demonstration;
        for (const MirrorPair& pair : test->shown) {
            grafzone->construit();
            drawPropertyMarks(grafzone->windowCanvas(), mirrorMarks(PlotFrame, pair), clRed);
            if (!demonstration.stepShown()) break;
        }
    }
    result->setText(QString::fromStdString(parityVerdict(CurveSlot[SelectedSlot].name, symmetry, test->holds)));
    return true;
}

void Tparite::stopClick() {
    hideAndFocusMainWindow(*this);
    if (grafzone) grafzone->repaintGraph();
}
