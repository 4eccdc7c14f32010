#include "curves/tpolairetan.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

#include "curves/curve_fields.h"
#include "curves/curve_measures.h"
#include "expression/matutil.h"
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"

QPointer<Tpolairetan> polairetan;

Tpolairetan::Tpolairetan(QWidget* parent)
    : ToolWindow("Equation d'une tangente", parent),
      angle(named("angle", new ColourEdit(nullptr, ColourEdit::ForcedCase::Lower))),
      result(named("result", new QLabel)) {
    auto* layout = new QGridLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel("x="), 0, 0);
    layout->addWidget(angle, 0, 1);
    layout->addWidget(result, 1, 0, 1, 2);
    layout->addWidget(takeStopButton(), 1, 2);
    layout->setColumnStretch(1, 1);
    connect(angle, &QLineEdit::textEdited, result, &QLabel::clear);
    connect(angle, &ColourEdit::enterPressed, this, &Tpolairetan::angleKeyPress);
}

void Tpolairetan::angleKeyPress() {
    const std::string& radius = CurveSlot[1].formula;
    const std::string& derivative = CurveSlot[2].formula;
    if (derivative.empty() || LineCount >= LineCapacity) return;
    const long double theta = NumberReader(angle->latin1Text());
    if (theta == ErrorValue || FormulaValue(radius, theta) == ErrorValue) {
        angle->paintRed();
        result->setText("pas de tangente");
        return;
    }
    angle->paintBlack();
    const std::optional<DirectionLine> tangent = polarTangent(radius, derivative, theta);
    if (!tangent) {
        result->setText("pas de tangente");
        return;
    }
    result->clear();
    appendDirectionLine(*tangent);
}
