#include "platform/canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace {

// Coordinates far outside the picture are clipped anyway; keeping them within a
// sane range spares the rasteriser from overflowing on huge values.
constexpr int CoordinateLimit = 1 << 24;

int clampCoordinate(int value) { return std::clamp(value, -CoordinateLimit, CoordinateLimit); }

QPoint clamped(int x, int y) { return QPoint(clampCoordinate(x), clampCoordinate(y)); }

bool hasDirectPixels(const QImage& image) {
    const QImage::Format format = image.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
           || format == QImage::Format_ARGB32_Premultiplied;
}

// The pixels a round pen of that width covers around the pixel it is centred
// on; even widths lean up and to the left, as the rasteriser's strokes do.
std::vector<QPoint> penFootprint(int width) {
    const int low = -(width / 2), high = (width - 1) / 2;
    const double shift = width % 2 == 0 ? 0.5 : 0.0;
    const double radius = width / 2.0;
    std::vector<QPoint> footprint;
    for (int dy = low; dy <= high; ++dy)
        for (int dx = low; dx <= high; ++dx) {
            const double ex = dx + shift, ey = dy + shift;
            if (ex * ex + ey * ey <= radius * radius) footprint.emplace_back(dx, dy);
        }
    return footprint;
}

// Liang-Barsky: keeps the part of the segment inside the rectangle, so that a
// line reaching far outside the picture is walked only where it can be seen.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& box) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double enter = 0, leave = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(), box.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) enter = std::max(enter, t);
        else leave = std::min(leave, t);
        if (enter > leave) return false;
    }
    const QPointF start = a;
    a = start + QPointF(dx, dy) * enter;
    b = start + QPointF(dx, dy) * leave;
    return true;
}

}  // namespace

Canvas::Canvas(QImage& image) : image_(image) {
    font_.setFamily("Comics sans Ms");
    font_.setPointSize(10);
}

void Canvas::setPen(TColor colour, int width) {
    penColour_ = colour;
    penWidth_ = width;
}

void Canvas::setBrushColour(TColor colour) {
    brushColour_ = colour;
    brushClear_ = false;
}

QPen Canvas::qtPen() const {
    if (penWidth_ <= 1) {
        // Both end pixels; strokeLine then gives the last one back.
        QPen pen(toQColor(penColour_), 0);
        pen.setCapStyle(Qt::SquareCap);
        return pen;
    }
    QPen pen(toQColor(penColour_), penWidth_);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void Canvas::strokeLine(QPainter& painter, QPoint from, QPoint to) const {
    if (from == to) return;
    if (penWidth_ > 1) {
        painter.drawLine(from, to);
        return;
    }
    // One-pixel lines stop one pixel short of their end, whatever their direction:
    // the end pixel is kept as it was.
    const bool endInside = image_.valid(to);
    const QColor endColour = endInside ? image_.pixelColor(to) : QColor();
    painter.drawLine(from, to);
    if (!endInside) return;
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(to, QSize(1, 1)), endColour);
    painter.setCompositionMode(mode);
}

// Curves are long chains of short wide segments: stamping the pen's round
// footprint along each segment costs a fraction of building a stroke outline
// per segment, and gives the same round caps and joins.
bool Canvas::stampWideLine(QPoint from, QPoint to) {
    if (penWidth_ <= 1 || !hasDirectPixels(image_)) return false;
    if (from == to) return true;
    const int reach = penWidth_;
    const QRect area = image_.rect().adjusted(-reach, -reach, reach, reach);
    QPointF start(from), end(to);
    if (!clipSegment(start, end, QRectF(area))) return true;
    from = start.toPoint();
    to = end.toPoint();
    if (footprintWidth_ != penWidth_) {
        footprint_ = penFootprint(penWidth_);
        footprintWidth_ = penWidth_;
    }
    const QRgb colour = toQColor(penColour_).rgb();
    const int width = image_.width(), height = image_.height();
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    auto stamp = [&](int cx, int cy) {
        for (const QPoint& offset : footprint_) {
            const int x = cx + offset.x(), y = cy + offset.y();
            if (x >= 0 && y >= 0 && x < width && y < height)
                reinterpret_cast<QRgb*>(bits + y * stride)[x] = colour;
        }
    };
    // Bresenham's walk from one end to the other, both ends included.
    int x = from.x(), y = from.y();
    const int dx = std::abs(to.x() - x), dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1, sy = y < to.y() ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        stamp(x, y);
        if (x == to.x() && y == to.y()) break;
        const int doubled = 2 * error;
        if (doubled >= dy) { error += dy; x += sx; }
        if (doubled <= dx) { error += dx; y += sy; }
    }
    return true;
}

void Canvas::moveTo(int x, int y) { penPosition_ = clamped(x, y); }

void Canvas::lineTo(int x, int y) {
    const QPoint target = clamped(x, y);
    if (stampWideLine(penPosition_, target)) {
        penPosition_ = target;
        return;
    }
    QPainter painter(&image_);
    painter.setPen(qtPen());
    strokeLine(painter, penPosition_, target);
    penPosition_ = target;
}

void Canvas::line(int x1, int y1, int x2, int y2) {
    moveTo(x1, y1);
    lineTo(x2, y2);
}

void Canvas::polyline(const std::vector<QPoint>& points) {
    if (points.empty()) return;
    if (penWidth_ > 1 && hasDirectPixels(image_)) {
        for (std::size_t i = 1; i < points.size(); ++i)
            stampWideLine(clamped(points[i - 1].x(), points[i - 1].y()), clamped(points[i].x(), points[i].y()));
        penPosition_ = clamped(points.back().x(), points.back().y());
        return;
    }
    QPainter painter(&image_);
    painter.setPen(qtPen());
    for (std::size_t i = 1; i < points.size(); ++i)
        strokeLine(painter, clamped(points[i - 1].x(), points[i - 1].y()),
                   clamped(points[i].x(), points[i].y()));
    penPosition_ = clamped(points.back().x(), points.back().y());
}

void Canvas::drawShape(int x1, int y1, int x2, int y2, void (QPainter::*draw)(const QRect&)) {
    const int left = clampCoordinate(std::min(x1, x2)), right = clampCoordinate(std::max(x1, x2));
    const int top = clampCoordinate(std::min(y1, y2)), bottom = clampCoordinate(std::max(y1, y2));
    QPainter painter(&image_);
    painter.setPen(qtPen());
    if (brushClear_) painter.setBrush(Qt::NoBrush);
    else painter.setBrush(toQColor(brushColour_));
    (painter.*draw)(QRect(left, top, right - left - 1, bottom - top - 1));
}

void Canvas::ellipse(int x1, int y1, int x2, int y2) {
    drawShape(x1, y1, x2, y2, &QPainter::drawEllipse);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2) {
    drawShape(x1, y1, x2, y2, &QPainter::drawRect);
}

void Canvas::textOut(int x, int y, const QString& text) {
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(toQColor(fontColour_));
    const QFontMetrics metrics(font_, &image_);
    painter.drawText(clamped(x, y + metrics.ascent()), text);
}

int Canvas::textWidth(const QString& text) const {
    return QFontMetrics(font_, &image_).horizontalAdvance(text);
}

int Canvas::textHeight(const QString&) const { return QFontMetrics(font_, &image_).height(); }

void Canvas::fill(TColor colour) { image_.fill(toQColor(colour)); }

void Canvas::fillRect(int x1, int y1, int x2, int y2, TColor colour) {
    QPainter painter(&image_);
    painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), toQColor(colour));
}

void Canvas::draw(int x, int y, const QImage& source) {
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, source);
}

TColor Canvas::pixel(int x, int y) const {
    if (!image_.valid(x, y)) return clWhite;
    return fromQColor(image_.pixelColor(x, y));
}

void Canvas::setPixel(int x, int y, TColor colour) {
    if (image_.valid(x, y)) image_.setPixelColor(x, y, toQColor(colour));
}
