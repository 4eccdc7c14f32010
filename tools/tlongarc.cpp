#include "tools/tlongarc.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/plot_state.h"
#include "plane/tool_support.h"
#include "tools/integration.h"

QPointer<Tlongarc> longarc;

Tlongarc::Tlongarc(QWidget* parent)
    : IntervalWindow("Longueur d'un arc", "L(a,b)=", "Choix de la fonction :", {1, 2, 3, 4}, parent) {
    RadioButton1->setChecked(true);
    QHBoxLayout* bounds = makeBoundsRow();
    bounds->addWidget(BitBtn1);
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addLayout(bounds);
    layout->addWidget(result);
    layout->addLayout(makeStopRow(GroupBox1, takeStopButton()));
}

void Tlongarc::BitBtn1Click() {
    const std::string& formula = firstFunction();
    if (formula.empty()) {
        result->setText(QString::fromStdString(arcLengthText(LeftSum{0, false})));
        return;
    }
    const auto [a, b] = readBounds();
    const LeftSum length = arcLength(formula, a, b, screenStep(PlotFrame.pixelx, a, b));
    result->setText(QString::fromStdString(arcLengthText(length)));
}
