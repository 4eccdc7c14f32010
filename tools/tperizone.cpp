#include "tools/tperizone.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "expression/parsor.h"
#include "model/plot_state.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "tools/demonstration.h"
#include "tools/function_properties.h"
#include "tools/property_marks.h"
#include "tools/values_solving.h"

QPointer<Tperizone> perizone;

namespace {

constexpr int StepPixels = 5;

}  // namespace

Tperizone::Tperizone(QWidget* parent)
    : ToolWindow("Période", parent),
      result(named("result", new QLabel)),
      BitBtn1(named("BitBtn1", new QPushButton("Recherche"))) {
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addWidget(result);
    layout->addLayout(makeButtonRow(BitBtn1, takeStopButton()));
    connect(BitBtn1, &QPushButton::clicked, this, &Tperizone::BitBtn1Click);
}

void Tperizone::showPeriodText() { result->setText(QString::fromStdString("    T=" + PeriodText)); }

void Tperizone::showEvent(QShowEvent* event) {
    ToolWindow::showEvent(event);
    showPeriodText();
}

void Tperizone::BitBtn1Click() {
    PeriodText = "??";
    result->setText("...");
    result->repaint();
    const std::string formula = SelectedSlot >= 1 && SelectedSlot <= 4 ? slotFormula(SelectedSlot) : std::string();
    const std::optional<long double> period = findPeriod(formula, PlotFrame);
    if (!period) {
        result->setText(QString::fromUtf8("Pas de période trouvée."));
        return;
    }
    PeriodText = periodText(*period);
    showPeriodText();
    result->repaint();
    demonstrate(formula, *period);
}

// A point and the same point one period later, every 5 pixels across the frame.
void Tperizone::demonstrate(const std::string& formula, long double period) {
    if (!grafzone) return;
    TExpress f;
    f.setExpression(formula);
    const QString text = QString::fromStdString(PeriodText);
    const long double step = StepPixels * PlotFrame.pixelx;
    Demonstration demonstration;
    for (long long n = 0;; ++n) {
        const long double x = PlotFrame.xmin + n * step;
        if (x > PlotFrame.xmax) break;
        const long double y = f.Evaluate(x, 0, 0);
        grafzone->construit();
        if (y != ErrorValue) drawPropertyMarks(grafzone->windowCanvas(), periodMarks(PlotFrame, x, y, period, text), clRed);
        if (!demonstration.stepShown()) break;
    }
}

void Tperizone::stopClick() { hideAndFocusMainWindow(*this); }
