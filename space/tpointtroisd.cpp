#include "space/tpointtroisd.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "expression/parsor.h"
#include "model/construction_tables.h"
#include "plane/tool_support.h"

QPointer<Tpointtroisd> pointtroisd;

void removeLastSpacePoint() {
    if (PointCount <= 0) return;
    // Past the 14th point the count stands on the origin's slot: stepping back
    // onto it would let the next point overwrite the origin.
    PointCount = PointCount == OriginSlot ? OriginSlot - 2 : PointCount - 1;
}

Tpointtroisd::Tpointtroisd(QWidget* parent)
    : ToolWindow("Point de l'espace", parent),
      Lnom(named("Lnom", new QLabel("A"))),
      Editx(makeNumberEdit("Editx", "1")),
      Edity(makeNumberEdit("Edity", "1")),
      Editz(makeNumberEdit("Editz", "1")),
      afnom(named("afnom", new QCheckBox("Afficher le nom du point"))),
      BitBtn1(makeCreateButton("BitBtn1", "Créer ?")),
      BitBtn2(makeDeleteButton("BitBtn2", "Détruire")) {
    afnom->setChecked(true);
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addWidget(new QLabel(QString::fromUtf8("         Créer un point fixe")));
    layout->addLayout(equationRow({"  Nom suivant :", Lnom}));
    auto* grid = new QGridLayout;
    int row = 0;
    for (const auto& [caption, edit] : {std::pair{"Abscisse  x=", Editx}, std::pair{"Ordonnée y=", Edity},
                                        std::pair{"Cote         z=", Editz}}) {
        grid->addWidget(new QLabel(QString::fromUtf8(caption)), row, 0);
        grid->addWidget(edit, row++, 1);
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    layout->addWidget(afnom);
    auto* buttons = equationRow({BitBtn1, BitBtn2});
    buttons->addWidget(takeStopButton());
    layout->addLayout(buttons);
    connect(BitBtn1, &QPushButton::clicked, this, &Tpointtroisd::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &Tpointtroisd::BitBtn2Click);
}

void Tpointtroisd::BitBtn1Click() {
    if (PointCount >= MaxUserPoints) return;
    const auto values = readNumbers(std::array{Editx, Edity, Editz});
    if (!values) return;
    const auto [x, y, z] = *values;
    TPointRecord& point = PointTable[std::size_t(takePointSlot())];
    point.x = x;
    point.y = y;
    point.z = z;
    point.showName = afnom->isChecked();
    paintBlack({Editx, Edity, Editz});
    Lnom->setText(QString::fromStdString(NextName()));
    redrawSpaceView();
}

void Tpointtroisd::BitBtn2Click() {
    removeLastSpacePoint();
    Lnom->setText(QString::fromStdString(NextName()));
    for (ColourEdit* edit : {Editx, Edity, Editz}) edit->setText("0");
    redrawSpaceView();
}

void Tpointtroisd::showEvent(QShowEvent* event) {
    Lnom->setText(QString::fromStdString(NextName()));
    ToolWindow::showEvent(event);
}
