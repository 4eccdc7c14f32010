#include "tools/tintzone.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "plane/tool_support.h"
#include "platform/colour_edit.h"
#include "tools/graph_marks.h"
#include "tools/integration.h"

QPointer<Tintzone> intzone;

Tintzone::Tintzone(QWidget* parent)
    : IntervalWindow(QString::fromUtf8("Intégration numérique"), "S(a,b)=", "Choix de la fonction :",
                     {1, 2, 3, 4}, parent),
      Label2(new QLabel("pas=")),
      pa(named("pa", new ColourEdit)) {
    pa->setText("0.01");
    pa->paintBlack();
    RadioButton1->setChecked(true);

    auto* step = new QHBoxLayout;
    step->addWidget(Label2);
    step->addWidget(pa, 1);
    step->addWidget(BitBtn1);
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addLayout(makeBoundsRow());
    layout->addLayout(step);
    layout->addWidget(GroupBox1);
    layout->addLayout(makeStopRow(result, takeStopButton()));

    connect(pa, &ColourEdit::enterPressed, this, &Tintzone::BitBtn1Click);
}

void Tintzone::BitBtn1Click() {
    const std::string& formula = firstFunction();
    if (formula.empty()) return;
    const auto [a, b] = readBounds();
    const long double typed = readNumberField(*pa, DefaultIntegralStepText);
    const long double h = integralStep(typed, a, b);
    if (h != typed) {
        pa->setText(QString::fromStdString(FloatToStr(h)));
        pa->paintBlack();
    }

    IntegralRectangles rectangles(h);
    const LeftSum sum =
        integralOf(formula, a, b, h, [&](long double x, long double y) { rectangles.add(x, y); });
    result->setText(QString::fromStdString(integralText(sum)));
    rectangles.show();
}
