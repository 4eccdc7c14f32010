#include "tools/timagezone.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/plot_state.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"
#include "tools/graph_marks.h"

QPointer<Timagezone> imagezone;

Timagezone::Timagezone(QWidget* parent)
    : ToolWindow("Construction d'une image", parent),
      Labelfonc(new QLabel("f(")),
      Label2(new QLabel(")=")),
      Labelimage(named("Labelimage", new QLabel("?"))),
      Editimage(named("Editimage", new ColourEdit)),
      f(makeSlotButton(1, nullptr)),
      g(makeSlotButton(2, nullptr)),
      h(makeSlotButton(3, nullptr)),
      i(makeSlotButton(4, nullptr)) {
    f->setChecked(true);

    auto* reading = new QHBoxLayout;
    reading->addWidget(Labelfonc);
    reading->addWidget(Editimage);
    reading->addWidget(Label2);
    reading->addWidget(Labelimage, 1);
    auto* choice = new QHBoxLayout;
    for (QRadioButton* button : {f, g, h, i}) {
        choice->addWidget(button);
        connect(button, &QRadioButton::clicked, this, &Timagezone::gClick);
    }
    choice->addStretch();
    choice->addWidget(takeStopButton());
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(reading);
    layout->addLayout(choice);
    Labelimage->setMinimumWidth(120);

    connect(Editimage, &ColourEdit::enterPressed, this, &Timagezone::keypress);
}

void Timagezone::gClick() {
    Labelfonc->setText(slotName(chosenSlot({f, g, h, i})) + "(");
}

void Timagezone::keypress() {
    const long double a = readNumberField(*Editimage, "0");
    const int slot = chosenSlot({f, g, h, i});
    if (slotFormula(slot).empty()) return;
    Labelfonc->setText(slotName(slot) + "(");

    const long double y = imageOf(slotFormula(slot), a);
    Labelimage->setText(QString::fromStdString(imageText(y)));
    const bool onScreen = y != ErrorValue && PlotFrame.ymin <= y && y <= PlotFrame.ymax;
    drawMarksOnGraph(onScreen ? imageMarks(PlotFrame, a, y) : Marks{});
}

void Timagezone::stopClick() { hideAndFocusMainWindow(*this); }
