#include "plane/tcoord.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "expression/matutil.h"
#include "model/construction_tables.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"

QPointer<Tcoord> coord;

namespace {

QString roundedText(long double value) {
    return QString::fromStdString(FloatToStr(RoundTo(value, 2)));
}

}  // namespace

Tcoord::Tcoord(QWidget* parent) : ToolWindow("Coordonnées", parent) {
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel("   Nom du point :", body()));
    Editnom = new ColourEdit(body(), ColourEdit::ForcedCase::Upper);
    Editnom->setObjectName("Editnom");
    Editnom->setMaxLength(1);
    Editnom->setFixedWidth(Editnom->fontMetrics().horizontalAdvance("WW") + 12);
    Editnom->setText("O");
    Editnom->paintBlack();
    nameRow->addWidget(Editnom);
    nameRow->addStretch();
    layout->addLayout(nameRow);
    afcoord = new QLabel("(0;0)", body());
    afcoord->setObjectName("afcoord");
    layout->addWidget(afcoord);
    connect(Editnom, &ColourEdit::enterPressed, this, &Tcoord::EditnomKeyPress);
}

int Tcoord::namedSlot() const { return pointSlotOf(Editnom->latin1Text()); }

void Tcoord::showCoordinates(int slot) {
    afcoord->setText("(" + roundedText(PointTable[slot].x) + ";" + roundedText(PointTable[slot].y) + ")");
}

void Tcoord::EditnomKeyPress() {
    const int slot = namedSlot();
    if (slot == 0) {
        Editnom->paintRed();
        return;
    }
    Editnom->paintBlack();
    showCoordinates(slot);
}
