#include "curves/tpointpolaire.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "curves/curve_fields.h"
#include "expression/matutil.h"
#include "model/construction_tables.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"

QPointer<Tpointpolaire> pointpolaire;

namespace {

// The field's value, or nothing, the field turning red.
std::optional<long double> readPolarField(ColourEdit& field) {
    const long double value = NumberReader(field.latin1Text());
    if (value != ErrorValue && std::isfinite(value)) return value;
    field.paintRed();
    return std::nullopt;
}

}  // namespace

Tpointpolaire::Tpointpolaire(QWidget* parent)
    : ToolWindow(QString::fromUtf8("Point en coordonnées polaires"), parent),
      lnom(named("lnom", new QLabel(QString::fromLatin1(NextName().c_str())))),
      r(makeNumberField("r", "1")),
      angle(makeNumberField("angle", "pi/2")),
      BitBtn1(named("BitBtn1", new QPushButton(QString::fromUtf8("Créer ?")))) {
    auto* layout = new QGridLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel("Nom suivant :"), 0, 0);
    layout->addWidget(lnom, 0, 1);
    layout->addWidget(new QLabel("R="), 1, 0, Qt::AlignRight);
    layout->addWidget(r, 1, 1);
    layout->addWidget(new QLabel("Angle x="), 2, 0, Qt::AlignRight);
    layout->addWidget(angle, 2, 1);
    layout->addLayout(makeButtonRow(BitBtn1, takeStopButton()), 3, 0, 1, 3);
    layout->setColumnStretch(2, 1);
    connect(BitBtn1, &QPushButton::clicked, this, &Tpointpolaire::BitBtn1Click);
    for (ColourEdit* edit : {r, angle}) connect(edit, &ColourEdit::enterPressed, this, &Tpointpolaire::BitBtn1Click);
}

void Tpointpolaire::BitBtn1Click() {
    if (PointCount >= MaxUserPoints) return;
    const std::optional<long double> radius = readPolarField(*r);
    const std::optional<long double> theta = readPolarField(*angle);
    if (!radius || !theta) return;
    const int slot = takePointSlot();
    if (slot == 0) return;
    TPointRecord& point = PointTable[static_cast<std::size_t>(slot)];
    point = TPointRecord{};
    point.kind = PointKind::Fixed;
    point.x = *radius * cosl(*theta);
    point.y = *radius * sinl(*theta);
    r->paintBlack();
    angle->paintBlack();
    lnom->setText(QString::fromLatin1(NextName().c_str()));
    if (grafzone) grafzone->construit();
}

void Tpointpolaire::showEvent(QShowEvent* event) {
    ToolWindow::showEvent(event);
    lnom->setText(QString::fromLatin1(NextName().c_str()));
}
