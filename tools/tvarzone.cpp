#include "tools/tvarzone.h"

#include <QLabel>
#include <QLineF>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/plot_state.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "platform/colour.h"

QPointer<Tvarzone> varzone;

namespace {

constexpr int PictureWidth = 96;
constexpr int PictureHeight = 64;
constexpr int Margin = 10;
constexpr qreal ShaftWidth = 5;
constexpr qreal HeadLength = 16;
const QColor ArrowColour(0, 0, 160);

// An arrow across a cream picture from `tail` to `tip`, with a filled head.
QLabel* arrowPicture(QPointF tail, QPointF tip) {
    QPixmap picture(PictureWidth, PictureHeight);
    picture.fill(toQColor(clCream));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QLineF shaft(tail, tip);
    const QLineF back = QLineF(tip, tail).unitVector();
    const QPointF along = (back.p2() - back.p1()) * HeadLength;
    const QPointF across(-along.y() / 2, along.x() / 2);
    painter.setPen(QPen(ArrowColour, ShaftWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF(tail, tip + along / 2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArrowColour);
    const QPointF head[] = {tip, tip + along + across, tip + along - across};
    painter.drawPolygon(head, 3);
    auto* label = new QLabel;
    label->setPixmap(picture);
    label->setFixedSize(picture.size());
    return label;
}

}  // namespace

Tvarzone::Tvarzone(QWidget* parent)
    : ToolWindow("Variations", parent),
      Image1(named("Image1", arrowPicture({Margin, PictureHeight - Margin}, {PictureWidth - Margin, Margin}))),
      Image2(named("Image2", arrowPicture({Margin, Margin}, {PictureWidth - Margin, PictureHeight - Margin}))),
      Image3(named("Image3", arrowPicture({Margin, PictureHeight / 2}, {PictureWidth - Margin, PictureHeight / 2}))) {
    // The three pictures share one place; the mode shows one of them at a time.
    auto* place = new QWidget;
    place->setFixedSize(PictureWidth, PictureHeight);
    for (QLabel* picture : {Image1, Image2, Image3}) {
        picture->setParent(place);
        picture->hide();
    }
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addWidget(place, 0, Qt::AlignHCenter);
}

void Tvarzone::showSlope(long double derivative) {
    Image1->setVisible(derivative > 0);
    Image2->setVisible(derivative < 0);
    Image3->setVisible(derivative == 0);
}

void Tvarzone::stopClick() {
    hideAndFocusMainWindow(*this);
    PlotMode = InteractionMode::Neutral;
    if (grafzone) grafzone->setStatusText(QString());
}
