#include "space/glyph_outlines.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QTransform>

namespace {

// The size the outlines are flattened at: fine enough for smooth curves at
// the largest labels, coarse enough to keep the glyph lists small.
constexpr int EmPixels = 64;

}  // namespace

std::vector<GlyphOutline> glyphOutlines(const QString& family) {
    QFont font(family);
    font.setPixelSize(EmPixels);
    const QFontMetricsF metrics(font);
    // Qt's y axis points down; the glyphs stand on a y axis pointing up.
    const QTransform toEm = QTransform::fromScale(1.0 / EmPixels, -1.0 / EmPixels);
    std::vector<GlyphOutline> glyphs(GlyphCount);
    for (int code = 0; code < GlyphCount; ++code) {
        const QChar character = QChar::fromLatin1(char(code));
        if (!character.isPrint()) continue;
        QPainterPath path;
        path.addText(0, 0, font, QString(character));
        for (const QPolygonF& contour : path.toSubpathPolygons()) {
            std::vector<QPointF> points;
            for (const QPointF& point : contour) points.push_back(toEm.map(point));
            // Closed subpaths repeat their first point at the end.
            if (points.size() > 1 && points.front() == points.back()) points.pop_back();
            if (points.size() >= 3) glyphs[code].contours.push_back(std::move(points));
        }
        glyphs[code].advance = metrics.horizontalAdvance(character) / EmPixels;
    }
    return glyphs;
}
