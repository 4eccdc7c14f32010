#include "tools/tdequation.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "plane/tool_support.h"
#include "platform/colour_edit.h"
#include "tools/line_figures.h"

QPointer<Tdequation> dequation;

Tdequation::Tdequation(QWidget* parent)
    : ToolWindow("Equation de droite.", parent),
      Label1(new QLabel("   Nom de la droite :")),
      Label5(new QLabel("(")),
      Editnom(makePointNameField("Editnom", 2)),
      Label2(new QLabel(")")),
      result1(named("result1", new QLabel)),
      result2(named("result2", new QLabel)) {
    for (QLabel* result : {result1, result2}) result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* name = new QHBoxLayout;
    name->setSpacing(0);
    name->addWidget(Label1);
    name->addWidget(Label5);
    name->addWidget(Editnom);
    name->addWidget(Label2);
    name->addStretch();
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addLayout(name);
    layout->addWidget(result1);
    layout->addLayout(makeStopRow(result2, takeStopButton()));

    connect(Editnom, &ColourEdit::enterPressed, this, &Tdequation::EditnomKeyPress);
}

void Tdequation::EditnomKeyPress() { showEquations(true); }

void Tdequation::FormPaint() {
    if (Editnom->fontColour() == clBlack && !Editnom->text().isEmpty()) showEquations(false);
}

void Tdequation::showEquations(bool entered) {
    const std::optional<std::pair<int, int>> ends = pointPairOf(Editnom->latin1Text());
    // Colours and texts change only when they differ: each change paints again.
    if (!ends) {
        if (Editnom->fontColour() != clRed) Editnom->paintRed();
        return;
    }
    const LineEquations equations = lineEquations(pointPosition(ends->first), pointPosition(ends->second));
    result1->setText(QString::fromStdString(equations.general));
    if (equations.reduced) result2->setText(QString::fromStdString(*equations.reduced));
    else if (entered) result2->clear();
    if (Editnom->fontColour() != clBlack) Editnom->paintBlack();
}

void Tdequation::paintEvent(QPaintEvent* event) {
    FormPaint();
    ToolWindow::paintEvent(event);
}

void Tdequation::stopClick() { hideAndFocusMainWindow(*this); }
