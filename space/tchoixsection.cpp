#include "space/tchoixsection.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QRadioButton>

#include "model/space_state.h"
#include "plane/tool_support.h"
#include "space/tgrafgl.h"

QPointer<Tchoixsection> choixsection;

Tchoixsection::Tchoixsection(QWidget* parent)
    : ToolWindow("Section plane", parent),
      RadioButton1(named("RadioButton1", new QRadioButton("Avec la fonction."))),
      RadioButton2(named("RadioButton2", new QRadioButton(QString::fromUtf8("Avec la sphère.")))),
      RadioButton3(named("RadioButton3", new QRadioButton("Avec le cylindre."))),
      RadioButton4(named("RadioButton4", new QRadioButton(QString::fromUtf8("Avec le Cône.")))),
      choi(named("choi", new QPushButton("Tracer !"))) {
    RadioButton1->setChecked(true);
    QVBoxLayout* layout = makeBodyLayout(*this);
    for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) layout->addWidget(button);
    layout->addLayout(makeButtonRow(choi, takeStopButton()));
    connect(choi, &QPushButton::clicked, this, &Tchoixsection::choiClick);
}

void Tchoixsection::choiClick() {
    const QRadioButton* buttons[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    for (int kind = 1; kind <= 4; ++kind)
        if (buttons[kind - 1]->isChecked()) SectionKind = kind;
    if (CuttingPlane.present && grafgl) grafgl->tracesection();
}
