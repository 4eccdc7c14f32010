#include "tools/tlongseg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "plane/tool_support.h"
#include "platform/colour_edit.h"
#include "tools/integration.h"

QPointer<Tlongseg> longseg;

Tlongseg::Tlongseg(QWidget* parent)
    : ToolWindow("longseg", parent),
      Label1(new QLabel("Distance :")),
      Editnom(makePointNameField("Editnom", 2)),
      afflong(named("afflong", new QLabel("="))) {
    afflong->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* row = new QHBoxLayout;
    row->addWidget(Label1);
    row->addWidget(Editnom);
    row->addWidget(afflong, 1);
    row->addWidget(takeStopButton());
    makeBodyLayout(*this)->addLayout(row);
    connect(Editnom, &ColourEdit::enterPressed, this, &Tlongseg::EditnomKeyPress);
}

void Tlongseg::EditnomKeyPress() {
    const std::optional<std::pair<int, int>> ends = pointPairOf(Editnom->latin1Text());
    if (!ends) return;
    Editnom->paintBlack();
    afflong->setText(QString::fromStdString(segmentLengthText(pointPosition(ends->first), pointPosition(ends->second))));
}

void Tlongseg::followPoint(int slot) {
    const std::string name = Editnom->latin1Text();
    if (!isVisible() || name.empty()) return;
    if (pointSlotOf(name.substr(0, 1)) == slot || pointSlotOf(name.substr(name.size() - 1)) == slot)
        EditnomKeyPress();
}

void Tlongseg::stopClick() { hideAndFocusMainWindow(*this); }
