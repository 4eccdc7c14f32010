#include "tools/tairezone.h"

#include <algorithm>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/plot_state.h"
#include "plane/tool_support.h"
#include "tools/graph_marks.h"
#include "tools/integration.h"

QPointer<Tairezone> airezone;

// Both groups list i first, then f, g, h.
Tairezone::Tairezone(QWidget* parent)
    : IntervalWindow("Aire entre deux courbes", "A(a,b)=", "Première fonction :", {4, 1, 2, 3}, parent),
      GroupBox2(new QGroupBox("Deuxième fonction :")),
      RadioButton5(makeSlotButton(4, GroupBox2)),
      RadioButton6(makeSlotButton(1, GroupBox2)),
      RadioButton7(makeSlotButton(2, GroupBox2)),
      RadioButton8(makeSlotButton(3, GroupBox2)) {
    RadioButton2->setChecked(true);
    RadioButton7->setChecked(true);
    layOutInRow(GroupBox2, {RadioButton5, RadioButton6, RadioButton7, RadioButton8});

    QHBoxLayout* bounds = makeBoundsRow();
    bounds->addWidget(BitBtn1);
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addLayout(bounds);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2);
    layout->addLayout(makeStopRow(result, takeStopButton()));
}

void Tairezone::BitBtn1Click() {
    const std::string& first = firstFunction();
    const std::string& second = slotFormula(chosenSlot({RadioButton5, RadioButton6, RadioButton7, RadioButton8}));
    if (first.empty() || second.empty()) return;
    const auto [a, b] = readBounds();

    AreaHatching hatching;
    const TermsSeen hatch = [&](long double x, long double y1, long double y2) { hatching.add(x, y1, y2); };
    // The sum of a long interval takes a step wider than a pixel, which would
    // hatch a few columns only: the part on screen then has a pass of its own.
    const long double step = screenStep(PlotFrame.pixelx, a, b);
    const bool widerThanAPixel = step > PlotFrame.pixelx;
    const LeftSum area = areaBetween(first, second, a, b, step, widerThanAPixel ? TermsSeen() : hatch);
    if (widerThanAPixel && area.defined)
        areaBetween(first, second, std::max(a, PlotFrame.xmin), std::min(b, PlotFrame.xmax), PlotFrame.pixelx, hatch);
    result->setText(QString::fromStdString(areaText(area)));
    hatching.show();
}
