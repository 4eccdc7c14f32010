#include "curves/ttanpara.h"

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

QPointer<Ttanpara> tanpara;

Ttanpara::Ttanpara(QWidget* parent)
    : ToolWindow(QString::fromUtf8("Tangente paramétrée"), parent),
      Edita(named("Edita", new ColourEdit(nullptr, ColourEdit::ForcedCase::Lower))) {
    auto* layout = new QGridLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel("Tangente en : "), 0, 0);
    layout->addWidget(new QLabel("x="), 0, 1);
    layout->addWidget(Edita, 0, 2);
    layout->addWidget(takeStopButton(), 0, 3);
    layout->setColumnStretch(2, 1);
    connect(Edita, &ColourEdit::enterPressed, this, &Ttanpara::EditaKeyPress);
}

void Ttanpara::EditaKeyPress() {
    if (LineCount >= LineCapacity) return;
    const std::optional<DirectionLine> tangent =
        parametricTangent(CurveSlot[1].formula, CurveSlot[2].formula, CurveSlot[3].formula, CurveSlot[4].formula,
                          NumberReader(Edita->latin1Text()));
    if (!tangent) {
        Edita->paintRed();
        return;
    }
    appendDirectionLine(*tangent);
    Edita->paintBlack();
}
