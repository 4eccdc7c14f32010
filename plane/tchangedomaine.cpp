#include "plane/tchangedomaine.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "expression/matutil.h"
#include "model/plot_state.h"
#include "plane/tgrafzone.h"
#include "platform/colour_edit.h"

QPointer<Tchangedomaine> changedomaine;

int DomainSlot = 1;

namespace {

void repaintGraph() {
    if (grafzone) grafzone->repaintGraph();
}

TDomain& editedDomain() { return CurveSlot[DomainSlot].domain; }

}  // namespace

Tchangedomaine::Tchangedomaine(QWidget* parent)
    : ToolWindow(QString::fromUtf8("Domaine de traçage ..."), parent) {
    auto* layout = new QVBoxLayout(body());
    layout->addWidget(new QLabel("Tracer cette fonction entre :"));
    auto* bounds = new QFormLayout;
    emin = new ColourEdit;
    emax = new ColourEdit;
    bounds->addRow("Xmin=", emin);
    bounds->addRow("Xmax=", emax);
    layout->addLayout(bounds);
    appliquedf = new QCheckBox("Appliquer ce changement");
    layout->addWidget(appliquedf);
    connect(emin, &QLineEdit::textChanged, this, &Tchangedomaine::eminChange);
    connect(emax, &QLineEdit::textChanged, this, &Tchangedomaine::emaxChange);
    connect(appliquedf, &QCheckBox::toggled, this, &Tchangedomaine::appliquedfClick);
}

void Tchangedomaine::boundChange() {
    appliquedf->setChecked(false);
    editedDomain().restricted = false;
    repaintGraph();
}

void Tchangedomaine::appliquedfClick() {
    if (!appliquedf->isChecked()) {
        editedDomain().restricted = false;
        repaintGraph();
        return;
    }
    long double a = NumberReader(emin->latin1Text());
    if (a == ErrorValue) emin->paintRed();
    long double b = NumberReader(emax->latin1Text());
    if (b == ErrorValue) emax->paintRed();
    if (b <= a && a != ErrorValue) {
        std::swap(a, b);
        // Putting the bounds in order is part of applying them: the box stays ticked.
        const QSignalBlocker blockMin(emin), blockMax(emax);
        SwapEditTexts(*emin, *emax);
    }
    if (a != ErrorValue && b != ErrorValue && a < b) {
        emin->paintBlack();
        emax->paintBlack();
        editedDomain() = TDomain{a, b, true};
        repaintGraph();
    }
}
