#include "tools/ttauxpt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/plot_state.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"
#include "tools/derivatives.h"
#include "tools/graph_marks.h"

QPointer<Ttauxpt> tauxpt;

namespace {

ColourEdit* makeLetterField(const char* name, const char* letter) {
    ColourEdit* field = makePointNameField(name, 1);
    field->setText(letter);
    field->paintBlack();
    return field;
}

// The slot the field names, 0 (and the field red) when it names no point.
int namedPoint(ColourEdit& field) {
    const int slot = pointSlotOf(field.latin1Text());
    if (slot == 0) field.paintRed();
    return slot;
}

}  // namespace

Ttauxpt::Ttauxpt(QWidget* parent)
    : ToolWindow("Taux d'accroissement", parent),
      nom(new QLabel("Pt  No 1 :")),
      Label1(new QLabel("Pt No 2 :")),
      Label2(new QLabel("T=(f(a)-f(b))/(a-b)")),
      result(named("result", new QLabel("="))),
      p1(makeLetterField("p1", "A")),
      p2(makeLetterField("p2", "B")),
      go(named("go", new QPushButton("Go !"))) {
    result->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* points = new QHBoxLayout;
    points->addWidget(nom);
    points->addWidget(p1);
    points->addSpacing(10);
    points->addWidget(Label1);
    points->addWidget(p2);
    points->addStretch();
    auto* rate = new QHBoxLayout;
    rate->addWidget(Label2);
    rate->addWidget(result, 1);
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addLayout(points);
    layout->addLayout(rate);
    layout->addLayout(makeButtonRow(go, takeStopButton()));

    connect(go, &QPushButton::clicked, this, &Ttauxpt::goClick);
    for (ColourEdit* field : {p1, p2})
        connect(field, &ColourEdit::enterPressed, this, &Ttauxpt::goClick);
}

void Ttauxpt::goClick() {
    const int first = namedPoint(*p1);
    const int second = namedPoint(*p2);
    if (first == 0 || second == 0) return;
    p1->paintBlack();
    p2->paintBlack();
    if (first == second) return;

    // Showing the constructions brings the points that depend on others or on
    // a curve to their current places, and clears the rate drawn before.
    if (grafzone) grafzone->construit();
    const PlotPoint from = pointPosition(first), to = pointPosition(second);
    const std::optional<std::string> rate = rateText(from, to);
    if (!rate) return;
    result->setText(QString::fromStdString(*rate));
    drawRateOverPicture(rateMarks(PlotFrame, from, to));
}

void Ttauxpt::stopClick() { hideAndFocusMainWindow(*this); }
