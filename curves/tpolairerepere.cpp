#include "curves/tpolairerepere.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

#include "curves/curve_fields.h"
#include "expression/matutil.h"
#include "model/curve_entries.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"

QPointer<Tpolairerepere> polairerepere;

namespace {

bool readsAsNumber(ColourEdit& field) {
    if (NumberReader(field.latin1Text()) != ErrorValue) return true;
    field.paintRed();
    return false;
}

}  // namespace

Tpolairerepere::Tpolairerepere(QWidget* parent)
    : ToolWindow(QString::fromUtf8("Option du repère"), parent),
      cerc(makeNumberField("cerc", "1")),
      ray(makeNumberField("ray", "pi/4")),
      quadrillecercle(named("quadrillecercle", new QCheckBox("Cercles"))),
      quadrillerayon(named("quadrillerayon", new QCheckBox("Rayons"))) {
    quadrillecercle->setChecked(true);
    quadrillerayon->setChecked(true);
    auto* layout = new QGridLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(quadrillecercle, 0, 0);
    layout->addWidget(new QLabel("Tous les"), 0, 1);
    layout->addWidget(cerc, 0, 2);
    layout->addWidget(quadrillerayon, 1, 0);
    layout->addWidget(new QLabel("Tous les"), 1, 1);
    layout->addWidget(ray, 1, 2);
    layout->addWidget(takeStopButton(), 1, 3, Qt::AlignBottom | Qt::AlignRight);
    layout->setColumnStretch(3, 1);

    mirrorText(cerc, PolarGrid.circleText);
    mirrorText(ray, PolarGrid.rayText);
    PolarGrid.circles = PolarGrid.rays = true;
    for (ColourEdit* edit : {cerc, ray}) connect(edit, &ColourEdit::enterPressed, this, &Tpolairerepere::KeyPress);
    for (QCheckBox* box : {quadrillecercle, quadrillerayon})
        connect(box, &QCheckBox::clicked, this, &Tpolairerepere::quadrillecercleClick);
}

void Tpolairerepere::KeyPress() {
    const bool circleRead = readsAsNumber(*cerc);
    const bool rayRead = readsAsNumber(*ray);
    if (!circleRead || !rayRead) return;
    if (grafzone) grafzone->repaintGraph();
    cerc->paintBlack();
    ray->paintBlack();
}

void Tpolairerepere::quadrillecercleClick() {
    PolarGrid.circles = quadrillecercle->isChecked();
    PolarGrid.rays = quadrillerayon->isChecked();
    if (grafzone) grafzone->repaintGraph();
}

void Tpolairerepere::showGridTexts() {
    cerc->setText(QString::fromLatin1(PolarGrid.circleText.c_str()));
    ray->setText(QString::fromLatin1(PolarGrid.rayText.c_str()));
    cerc->paintBlack();
    ray->paintBlack();
}
