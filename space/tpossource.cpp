#include "space/tpossource.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "expression/parsor.h"
#include "model/space_state.h"
#include "plane/tool_support.h"

QPointer<Tpossource> possource;

Tpossource::Tpossource(QWidget* parent)
    : ToolWindow("Possource", parent),
      Edita(makeNumberEdit("Edita", "")),
      Editb(makeNumberEdit("Editb", "")),
      Editc(makeNumberEdit("Editc", "")),
      BitBtn1(named("BitBtn1", new QPushButton("Valider ?"))) {
    showNumber(*Edita, LightPosition.x);
    showNumber(*Editb, LightPosition.y);
    showNumber(*Editc, LightPosition.z);
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addWidget(named("Labelnom", new QLabel(QString::fromUtf8("Position de la source de lumière"))));
    auto* grid = new QGridLayout;
    int row = 0;
    for (const auto& [caption, edit] :
         {std::pair{"Abscisse  x=", Edita}, std::pair{"Ordonnée y=", Editb}, std::pair{"Cote z=", Editc}}) {
        grid->addWidget(new QLabel(QString::fromUtf8(caption)), row, 0);
        grid->addWidget(edit, row++, 1);
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    layout->addLayout(makeButtonRow(BitBtn1, takeStopButton()));
    connect(BitBtn1, &QPushButton::clicked, this, &Tpossource::BitBtn1Click);
}

void Tpossource::BitBtn1Click() {
    bool allRead = true;
    std::array<long double, 3> values{};
    const std::array<ColourEdit*, 3> edits{Edita, Editb, Editc};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        values[i] = readNumber(*edits[i]);
        if (values[i] == ErrorValue) allRead = false;
        else edits[i]->paintBlack();
    }
    if (!allRead) return;
    LightPosition = {values[0], values[1], values[2]};
    redrawSpaceView();
}
