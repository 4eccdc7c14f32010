#include "tools/tinterdroite.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "plane/tool_support.h"
#include "platform/colour_edit.h"
#include "tools/line_figures.h"

QPointer<Tinterdroite> interdroite;

Tinterdroite::Tinterdroite(QWidget* parent)
    : ToolWindow("Intersection de deux droites", parent),
      Label1(new QLabel("Nom de la droite No 1 :")),
      Label4(new QLabel("Nom de la droite No 2 :")),
      Label5(new QLabel("(")),
      Label2(new QLabel(")")),
      Label6(new QLabel("(")),
      Label3(new QLabel(")")),
      e1(makePointNameField("e1", 2)),
      e2(makePointNameField("e2", 2)),
      go(named("go", new QPushButton("Go !"))),
      reponse(named("reponse", new QLabel)) {
    reponse->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* names = new QGridLayout;
    names->setHorizontalSpacing(0);
    names->addWidget(Label1, 0, 0);
    names->addWidget(Label5, 0, 1);
    names->addWidget(e1, 0, 2);
    names->addWidget(Label2, 0, 3);
    names->addWidget(Label4, 1, 0);
    names->addWidget(Label6, 1, 1);
    names->addWidget(e2, 1, 2);
    names->addWidget(Label3, 1, 3);
    names->setColumnStretch(4, 1);
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addLayout(names);
    layout->addWidget(reponse);
    layout->addLayout(makeButtonRow(go, takeStopButton()));

    connect(go, &QPushButton::clicked, this, &Tinterdroite::GoClick);
    for (ColourEdit* field : {e1, e2}) connect(field, &ColourEdit::enterPressed, this, &Tinterdroite::GoClick);
}

void Tinterdroite::GoClick() {
    const std::optional<std::pair<int, int>> first = pointPairOf(e1->latin1Text());
    const std::optional<std::pair<int, int>> second = pointPairOf(e2->latin1Text());
    if (!first || !second) return;
    e1->paintBlack();
    e2->paintBlack();
    reponse->setText(QString::fromStdString(intersectionText(pointPosition(first->first), pointPosition(first->second),
                                                             pointPosition(second->first),
                                                             pointPosition(second->second))));
}

void Tinterdroite::stopClick() { hideAndFocusMainWindow(*this); }
