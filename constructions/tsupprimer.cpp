#include "constructions/tsupprimer.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "constructions/next_name_labels.h"
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "plane/tgrafzone.h"

QPointer<Tsupprimer> supprimer;

namespace {

void repaintGraph() {
    if (grafzone) grafzone->repaintGraph();
}

}  // namespace

Tsupprimer::Tsupprimer(QWidget* parent) : ToolWindow("Supprimer", parent) {
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    const auto addButton = [&](const char* caption, void (Tsupprimer::*handler)()) {
        auto* button = new QPushButton(QString::fromUtf8(caption), body());
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return button;
    };
    b1 = addButton("Dernier point", &Tsupprimer::b1Click);
    SpeedButton2 = addButton("Dernier segment", &Tsupprimer::SpeedButton2Click);
    bdroite = addButton("Dernière droite", &Tsupprimer::droite);
    SpeedButton5 = addButton("Dernier polygône", &Tsupprimer::SpeedButton5Click);
    bsuite = addButton("Suite", &Tsupprimer::Suite);
    bfonction = addButton("Fonction modifiée", &Tsupprimer::fonction);
}

void Tsupprimer::b1Click() {
    deleteLastPoint();
    rewriteNextNameLabels();
    repaintGraph();
}

void Tsupprimer::SpeedButton2Click() {
    dropNewest(SegmentCount);
    repaintGraph();
}

void Tsupprimer::droite() {
    dropNewest(LineCount);
    repaintGraph();
}

void Tsupprimer::SpeedButton5Click() {
    dropNewest(PolygonCount);
    repaintGraph();
}

void Tsupprimer::Suite() {
    SequenceState = 0;
    repaintGraph();
}

void Tsupprimer::fonction() {
    CurveSlot[0].formula.clear();
    repaintGraph();
}
