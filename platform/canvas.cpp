#include "platform/canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <array>
#include <map>
#include <utility>

#include "platform/segment_clip.h"

namespace {

// Coordinates far outside the picture are clipped anyway; keeping them within a
// sane range spares the rasteriser from overflowing on huge values.
constexpr int CoordinateLimit = 1 << 24;

int clampCoordinate(int value) { return std::clamp(value, -CoordinateLimit, CoordinateLimit); }

QPoint clamped(int x, int y) { return QPoint(clampCoordinate(x), clampCoordinate(y)); }

// Pictures that only their pixels tell apart.
bool interchangeable(const QImage& a, const QImage& b) {
    return a.size() == b.size() && a.format() == b.format()
           && a.dotsPerMeterX() == b.dotsPerMeterX() && a.dotsPerMeterY() == b.dotsPerMeterY()
           && a.devicePixelRatio() == b.devicePixelRatio() && a.colorTable() == b.colorTable();
}

// A picture like `image` whose pixels are left undefined.
QImage blankLike(const QImage& image) {
    QImage blank(image.size(), image.format());
    blank.setDotsPerMeterX(image.dotsPerMeterX());
    blank.setDotsPerMeterY(image.dotsPerMeterY());
    blank.setDevicePixelRatio(image.devicePixelRatio());
    blank.setColorTable(image.colorTable());
    return blank;
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

// The pixels of `footprint` whose neighbour in the direction `step` is not in
// it: moved by that step, the footprint covers them anew.
std::vector<QPoint> leadingEdge(const std::vector<QPoint>& footprint, QPoint step) {
    std::vector<QPoint> edge;
    for (const QPoint& pixel : footprint)
        if (std::find(footprint.begin(), footprint.end(), pixel + step) == footprint.end())
            edge.push_back(pixel);
    return edge;
}

// The moves of Bresenham's walk, numbered by (sx + 1) * 3 + sy + 1; the
// number of no move at all, 4, stands for the first pixel of a walk.
constexpr int StepCount = 9;
constexpr int FirstPixel = 4;

// The round footprint of a wide pen: where a walk starts the whole of it is
// painted, and after each move only the pixels the move adds, a handful.
struct PenStamp {
    int reach = 0;  // farthest pixel from the centre on either axis
    std::array<std::vector<QPoint>, StepCount> pixels;
    // The same pixels as distances from the centre in the picture's memory.
    std::array<std::vector<qsizetype>, StepCount> offsets;
};

// Footprints depend only on the pen's width and the picture's pitch; the few
// ever used are built once.
const PenStamp& penStampFor(int width, qsizetype pitch) {
    static std::map<std::pair<int, qsizetype>, PenStamp> stamps;
    const auto [place, added] = stamps.try_emplace({width, pitch});
    PenStamp& stamp = place->second;
    if (!added) return stamp;
    const std::vector<QPoint> footprint = penFootprint(width);
    stamp.reach = width / 2;
    for (int step = 0; step < StepCount; ++step) {
        const QPoint move(step / 3 - 1, step % 3 - 1);
        stamp.pixels[step] = step == FirstPixel ? footprint : leadingEdge(footprint, move);
        for (const QPoint& pixel : stamp.pixels[step])
            stamp.offsets[step].push_back(pixel.y() * pitch + pixel.x());
    }
    return stamp;
}

// Bresenham's walk from one end to the other, both ends included: visit(x, y,
// step) at each pixel, step being the move that reached it.
template <typename Visit>
void walkLine(QPoint from, QPoint to, Visit visit) {
    int x = from.x(), y = from.y();
    const int dx = std::abs(to.x() - x), dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1, sy = y < to.y() ? 1 : -1;
    int error = dx + dy;
    visit(x, y, FirstPixel);
    while (x != to.x() || y != to.y()) {
        const int doubled = 2 * error;
        int step = FirstPixel;
        if (doubled >= dy) {
            error += dy;
            x += sx;
            step += 3 * sx;
        }
        if (doubled <= dx) {
            error += dx;
            y += sy;
            step += sy;
        }
        visit(x, y, step);
    }
}

// Keeps the part of the segment inside the rectangle, so that a line reaching
// far outside the picture is walked only where it can be seen.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& box) {
    ClipPoint<double> from{a.x(), a.y()}, to{b.x(), b.y()};
    if (!clipSegment(from, to, {box.left(), box.top()}, {box.right(), box.bottom()})) return false;
    a = QPointF(from.x, from.y);
    b = QPointF(to.x, to.y);
    return true;
}

}  // namespace

Canvas::Canvas(QImage& image) : image_(image) {
    font_.setFamily(LabelFontFamily);
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

bool Canvas::drawsStraightIntoPixels() const {
    const QImage::Format format = image_.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
           || format == QImage::Format_ARGB32_Premultiplied;
}

// The grid is made of such lines: written straight, they cost a fraction of a
// painter's, with the same pixels, the end one left out.
bool Canvas::drawThinStraightLine(QPoint from, QPoint to) {
    if (penWidth_ > 1 || !drawsStraightIntoPixels()) return false;
    if (from.x() != to.x() && from.y() != to.y()) return false;
    if (from == to) return true;
    const bool along = from.y() == to.y();
    const int across = along ? from.y() : from.x();
    if (across < 0 || across >= (along ? height() : width())) return true;
    const int start = along ? from.x() : from.y(), end = along ? to.x() : to.y();
    const int extent = along ? width() : height();
    const int first = std::max(0, start < end ? start : end + 1);
    const int last = std::min(extent - 1, start < end ? end - 1 : start);
    if (first > last) return true;
    const QRgb colour = toQColor(penColour_).rgb();
    if (along) {
        QRgb* const row = reinterpret_cast<QRgb*>(image_.scanLine(across));
        std::fill(row + first, row + last + 1, colour);
    } else {
        uchar* const bits = image_.bits();
        const qsizetype stride = image_.bytesPerLine();
        for (int y = first; y <= last; ++y) reinterpret_cast<QRgb*>(bits + y * stride)[across] = colour;
    }
    return true;
}

// Curves are long chains of short wide segments. The round footprint is
// stamped whole where a chain starts; each move of Bresenham's walk then adds
// only the pixels it newly covers, which gives the union of the footprints at
// every pixel of the walk, round caps and joins included.
void Canvas::stampWideLines(const std::vector<QPoint>& points) {
    const int width = image_.width(), height = image_.height();
    const qsizetype pitch = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
    const PenStamp& stamp = penStampFor(penWidth_, pitch);
    const QRgb colour = toQColor(penColour_).rgb();
    QRgb* const pixels = reinterpret_cast<QRgb*>(image_.bits());
    auto paintInside = [&](int cx, int cy, int step) {
        QRgb* const centre = pixels + cy * pitch + cx;
        for (const qsizetype offset : stamp.offsets[step]) centre[offset] = colour;
    };
    auto paintClipped = [&](int cx, int cy, int step) {
        for (const QPoint& pixel : stamp.pixels[step]) {
            const int x = cx + pixel.x(), y = cy + pixel.y();
            if (x >= 0 && y >= 0 && x < width && y < height) pixels[y * pitch + x] = colour;
        }
    };
    // Footprints centred there need no clipping.
    const int reach = stamp.reach;
    auto clear = [&](QPoint point) {
        return point.x() >= reach && point.y() >= reach && point.x() < width - reach
               && point.y() < height - reach;
    };
    // Only the part of a segment where the pen can touch the picture is walked.
    const int margin = penWidth_;
    const QRectF area(image_.rect().adjusted(-margin, -margin, margin, margin));
    auto reachable = [&](QPoint point) {
        return point.x() >= -margin && point.y() >= -margin && point.x() < width + margin
               && point.y() < height + margin;
    };
    // The footprint where a segment starts was painted by the one before, or,
    // where that one was clipped, lies beyond the pen's reach of the picture.
    bool chained = false;
    QPoint to = clamped(points.front().x(), points.front().y());
    for (std::size_t i = 1; i < points.size(); ++i) {
        QPoint from = to;
        to = clamped(points[i].x(), points[i].y());
        if (from == to) continue;
        QPoint end = to;
        if (!reachable(from) || !reachable(to)) {
            QPointF clippedStart(from), clippedEnd(to);
            if (!clipSegment(clippedStart, clippedEnd, area)) {
                chained = false;
                continue;
            }
            from = clippedStart.toPoint();
            end = clippedEnd.toPoint();
        }
        auto walkWith = [&](auto paint) {
            walkLine(from, end, [&](int x, int y, int step) {
                if (step != FirstPixel || !chained) paint(x, y, step);
            });
        };
        if (clear(from) && clear(end)) walkWith(paintInside);
        else walkWith(paintClipped);
        chained = true;
    }
}

void Canvas::moveTo(int x, int y) { penPosition_ = clamped(x, y); }

void Canvas::lineTo(int x, int y) {
    const QPoint target = clamped(x, y);
    if (penWidth_ > 1 && drawsStraightIntoPixels()) {
        stampWideLines({penPosition_, target});
    } else if (!drawThinStraightLine(penPosition_, target)) {
        QPainter painter(&image_);
        painter.setPen(qtPen());
        strokeLine(painter, penPosition_, target);
    }
    penPosition_ = target;
}

void Canvas::line(int x1, int y1, int x2, int y2) {
    moveTo(x1, y1);
    lineTo(x2, y2);
}

void Canvas::polyline(const std::vector<QPoint>& points) {
    if (points.empty()) return;
    if (penWidth_ > 1 && drawsStraightIntoPixels()) {
        stampWideLines(points);
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

void Canvas::fill(TColor colour) {
    if (!image_.isNull() && !image_.isDetached()) image_ = blankLike(image_);
    image_.fill(toQColor(colour));
}

void Canvas::fillRect(int x1, int y1, int x2, int y2, TColor colour) {
    QPainter painter(&image_);
    painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), toQColor(colour));
}

void Canvas::draw(int x, int y, const QImage& source) {
    if (x == 0 && y == 0 && interchangeable(source, image_)) {
        image_ = source;
        return;
    }
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
