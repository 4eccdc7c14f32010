#include "app/tintro.h"

#include <QPainter>
#include <QTimer>
#include <cmath>

#include "platform/colour.h"

QPointer<Tintro> intro;

namespace {

constexpr const char* Credits = "Lumova  -  les fonctions en images";
constexpr int TickMilliseconds = 40;
constexpr double PhaseStep = 0.15;

}  // namespace

class IntroSurface : public QWidget {
public:
    explicit IntroSurface(const Tintro& intro) : intro_(intro) { setMinimumSize(420, 140); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), toQColor(clMainBackground));
        const int baseline = height() / 2 + 10;
        painter.setPen(QPen(toQColor(clBlue), 1, Qt::DotLine));
        painter.drawLine(10, baseline + 20, width() - 10, baseline + 20);

        QFont font("Comic Sans MS", 16, QFont::Bold);
        painter.setFont(font);
        const QFontMetrics metrics(font);
        const QString credits = QString::fromUtf8(Credits);
        int x = (width() - metrics.horizontalAdvance(credits)) / 2;
        for (int i = 0; i < credits.size(); ++i) {
            const double wave = std::cos(intro_.phase() - i * 0.35);
            painter.setPen(i % 2 ? toQColor(clRed) : toQColor(clBlue));
            painter.drawText(x, baseline - int(25 * wave), credits.mid(i, 1));
            x += metrics.horizontalAdvance(credits.at(i));
        }
    }

private:
    const Tintro& intro_;
};

Tintro::Tintro(QWidget* parent) : QMdiSubWindow(parent), Timer1(new QTimer(this)) {
    setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWidget(new IntroSurface(*this));
    Timer1->setInterval(TickMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &Tintro::Timer1Timer);
    resize(widget()->minimumSize());
}

void Tintro::Timer1Timer() {
    phase_ += PhaseStep;
    widget()->update();
}
