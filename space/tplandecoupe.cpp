#include "space/tplandecoupe.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QRadioButton>

#include "expression/parsor.h"
#include "model/space_state.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "space/tgrafgl.h"

QPointer<Tplandecoupe> plandecoupe;

Tplandecoupe::Tplandecoupe(QWidget* parent)
    : ToolWindow("Equation du plan de coupe", parent),
      RadioButton1(named("RadioButton1", new QRadioButton("x="))),
      RadioButton2(named("RadioButton2", new QRadioButton("y="))),
      RadioButton3(named("RadioButton3", new QRadioButton("z="))),
      Edit1(makeNumberEdit("Edit1", "1")),
      Edit2(makeNumberEdit("Edit2", "1")),
      Edit3(makeNumberEdit("Edit3", "1")),
      BitBtn1(makeCreateButton("BitBtn1", "Créer ?")),
      BitBtn2(makeDeleteButton("BitBtn2", "Supprimer ?")) {
    RadioButton1->setChecked(true);
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addLayout(equationRow({RadioButton1, Edit1}));
    layout->addLayout(equationRow({RadioButton2, Edit2}));
    layout->addLayout(equationRow({RadioButton3, Edit3}));
    layout->addLayout(equationRow({BitBtn1, BitBtn2}));
    layout->addLayout(makeButtonRow(new QWidget, takeStopButton()));
    connect(BitBtn1, &QPushButton::clicked, this, &Tplandecoupe::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &Tplandecoupe::BitBtn2Click);
}

void Tplandecoupe::BitBtn1Click() {
    const int kind = RadioButton3->isChecked() ? 3 : RadioButton2->isChecked() ? 2 : 1;
    ColourEdit* edit = kind == 1 ? Edit1 : kind == 2 ? Edit2 : Edit3;
    const long double k = readNumber(*edit);
    if (k == ErrorValue) return;
    CuttingPlane = {true, kind, k};
    edit->paintBlack();
    redrawSpaceView();
    // The section shown follows the plane.
    if (grafzone && grafzone->isVisible() && grafgl) grafgl->tracesection();
}

void Tplandecoupe::BitBtn2Click() {
    CuttingPlane.present = false;
    redrawSpaceView();
}
