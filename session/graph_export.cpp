#include "session/graph_export.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "expression/parsor.h"
#include "model/construction_tables.h"
#include "plane/graph_renderer.h"
#include "plane/tgrafzone.h"
#include "plane/treperezone.h"
#include "space/tgrafgl.h"

namespace {

constexpr qreal MillimetresPerUnit = 10;
constexpr int PdfResolution = 1200;

bool spaceViewShown() { return grafgl && grafgl->isVisible() && !(grafzone && grafzone->isVisible()); }

QPen pen(TColor colour, int width) {
    QPen result(toQColor(colour), std::max(1, width));
    result.setCapStyle(Qt::RoundCap);
    result.setJoinStyle(Qt::RoundJoin);
    return result;
}

QPointF pointAt(long double x, long double y) { return QPointF(PlotFrame.column(x), PlotFrame.row(y)); }

void paintFrame(QPainter& painter, const GraphOptions& options, int width, int height) {
    const int x0 = PlotFrame.originx, y0 = PlotFrame.originy;
    if (options.grid && !options.polar) {
        painter.setPen(pen(clSilver, options.thickness - 2));
        // The lines inside the picture only: a vector line is not clipped by a pen's width.
        forEachGraduation(x0, width, PlotFrame.graduex, PlotFrame.pixelx, 0,
                          [&](qreal column) { painter.drawLine(QPointF(column, 0), QPointF(column, height)); });
        forEachGraduation(y0, height, PlotFrame.graduey, PlotFrame.pixely, 0,
                          [&](qreal row) { painter.drawLine(QPointF(0, row), QPointF(width, row)); });
    }
    painter.setPen(pen(clBlack, options.thickness - 1));
    if (!options.polar) {
        painter.drawLine(QPointF(0, y0), QPointF(width, y0));
        painter.drawLine(QPointF(x0, 0), QPointF(x0, height));
    }
    const QPointF xTip = pointAt(PlotFrame.graduex, 0), yTip = pointAt(0, PlotFrame.graduey);
    constexpr qreal Arrow = 7;
    painter.drawPolyline(QVector<QPointF>{xTip + QPointF(-Arrow, -Arrow), xTip, xTip + QPointF(-Arrow, Arrow)});
    if (!options.polar)
        painter.drawPolyline(QVector<QPointF>{yTip + QPointF(-Arrow, Arrow), yTip, yTip + QPointF(Arrow, Arrow)});
}

// Texts placed by their top-left corner, as on the screen.
void textAt(QPainter& painter, qreal left, qreal top, const QString& text) {
    painter.drawText(QPointF(left, top + QFontMetricsF(painter.font()).ascent()), text);
}

void setLabelFont(QPainter& painter, const GraphOptions& options) {
    QFont font(LabelFontFamily);
    font.setPointSize(options.fontSize);
    painter.setFont(font);
}

void paintLabels(QPainter& painter, const GraphOptions& options) {
    setLabelFont(painter, options);
    painter.setPen(Qt::black);
    const QPointF origin = pointAt(0, 0), xTip = pointAt(PlotFrame.graduex, 0), yTip = pointAt(0, PlotFrame.graduey);
    textAt(painter, xTip.x() - 5, origin.y() + 8, options.graduexText);
    if (!options.polar) textAt(painter, origin.x() - 18, yTip.y() - 8, options.graduyText);
    textAt(painter, origin.x() - 25, origin.y() + 7, "O");
}

// The same samples as the screen, one path per stretch inside [ymin, ymax].
void paintCurves(QPainter& painter, const GraphOptions& options) {
    TExpress expression;
    for (int slot = 0; slot <= 4; ++slot) {
        const TCurveSlot& curve = CurveSlot[slot];
        if (curve.formula.empty() || (slot > 0 && options.hideCurves)) continue;
        expression.setExpression(curve.formula);
        if (expression.SyntaxError()) continue;
        QPainterPath path;
        bool lifted = true;
        for (const CurveSample& sample :
             sampleFunction(expression, PlotFrame, curve.domain, options.precision, options.thickness)) {
            if (!(PlotFrame.ymin <= sample.y && sample.y <= PlotFrame.ymax)) {
                lifted = true;
                continue;
            }
            const QPointF point = pointAt(sample.x, sample.y);
            if (lifted) path.moveTo(point);
            else path.lineTo(point);
            lifted = false;
        }
        painter.setPen(pen(curve.colour, options.thickness + 1));
        painter.drawPath(path);
    }
}

bool drawnPoint(int slot) {
    return slot == OriginSlot || (slot >= 1 && slot <= PointCount && PointTable[slot].kind != PointKind::Unused);
}

// Positions are those the last repaint computed for every point, images included.
void paintConstructions(QPainter& painter, const GraphOptions& options) {
    painter.setPen(pen(clRed, options.thickness - 1));
    setLabelFont(painter, options);
    for (int slot = 1; slot <= PointCount; ++slot) {
        if (slot == OriginSlot || !drawnPoint(slot)) continue;
        const TPointRecord& p = PointTable[slot];
        if (!PlotFrame.inside(p.x, p.y)) continue;
        const QPointF at = pointAt(p.x, p.y);
        painter.drawLine(at + QPointF(-4, -4), at + QPointF(4, 4));
        painter.drawLine(at + QPointF(4, -4), at + QPointF(-4, 4));
        painter.save();
        painter.setPen(Qt::black);
        textAt(painter, at.x() - 15, at.y() - 30, QString::fromLatin1(PointName(slot).c_str()));
        painter.restore();
    }
    for (int i = 0; i < std::min(SegmentCount, SegmentCapacity); ++i) {
        const TSegmentRecord& s = SegmentTable[i];
        if (!drawnPoint(s.p1) || !drawnPoint(s.p2)) continue;
        painter.drawLine(pointAt(PointTable[s.p1].x, PointTable[s.p1].y), pointAt(PointTable[s.p2].x, PointTable[s.p2].y));
    }
}

// What the vectors cannot draw (sequences, animated and cartesian curves, lines,
// polygons, the guides of images, the space view) is kept by writing the
// picture itself instead: texts drawn twice by two font engines never coincide.
bool picturedOnly() {
    return spaceViewShown() || GraphKind != GraphType::FunctionOfX || SequenceState != 0 || LineCount > 0
           || PolygonCount > 0 || (ValuePointsShown && ValuePointCount > 0) || TranslationVectorsShown
           || SymmetryConstructionShown || RotationConstructionShown;
}

bool writeVectors(const QString& path) {
    const QImage picture = graphPicture();
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setSize(picture.size());
    // Texts keep the size they have on the screen.
    generator.setResolution(qRound(picture.dotsPerMeterX() * 0.0254));
    generator.setViewBox(QRect(QPoint(0, 0), picture.size()));
    generator.setTitle("Lumova");
    QPainter painter;
    if (!painter.begin(&generator)) return false;
    painter.setClipRect(QRect(QPoint(0, 0), picture.size()));
    if (picturedOnly()) painter.drawImage(0, 0, picture);
    else paintGraphVectors(painter);
    return painter.end();
}

bool writePdf(const QString& path) {
    QPdfWriter writer(path);
    writer.setResolution(PdfResolution);
    writer.setTitle("Lumova");
    writer.setCreator("Lumova");
    writer.setPageSize(QPageSize(QPageSize::A4));
    return paintGraphPage(writer);
}

}  // namespace

QImage graphPicture() {
    if (spaceViewShown()) return grafgl->picture();
    return grafzone ? grafzone->clipboardPicture() : QImage();
}

QRectF pagePlacement(QSizeF pictureSize, QSizeF unitPixels, bool toScale, QSizeF page) {
    QSizeF size(pictureSize.width() * MillimetresPerUnit / unitPixels.width(),
                pictureSize.height() * MillimetresPerUnit / unitPixels.height());
    if (!toScale || size.width() > page.width() || size.height() > page.height())
        size = pictureSize.scaled(page, Qt::KeepAspectRatio);
    return QRectF(QPointF((page.width() - size.width()) / 2, (page.height() - size.height()) / 2), size);
}

bool printedToScale() { return !spaceViewShown() && reperezone && reperezone->ortho->isChecked(); }

bool paintGraphPage(QPagedPaintDevice& device) {
    const QImage picture = graphPicture();
    device.setPageOrientation(picture.width() > picture.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    const QRectF page = device.pageLayout().paintRect(QPageLayout::Millimeter);
    const QRectF placed = pagePlacement(picture.size(), QSizeF(1 / PlotFrame.pixelx, 1 / PlotFrame.pixely),
                                        printedToScale(), page.size());
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // Millimetres from the corner of the printable area.
    const qreal dotsPerMillimetre = device.logicalDpiX() / 25.4;
    painter.scale(dotsPerMillimetre, dotsPerMillimetre);
    painter.drawImage(placed, picture);
    return painter.end();
}

void paintGraphVectors(QPainter& painter) {
    const GraphOptions options = grafzone ? grafzone->currentOptions() : GraphOptions{};
    const QImage picture = graphPicture();  // repaints: positions and derived frame are current
    painter.fillRect(QRect(QPoint(0, 0), picture.size()), Qt::white);
    paintFrame(painter, options, picture.width(), picture.height());
    paintLabels(painter, options);
    if (GraphKind == GraphType::FunctionOfX) paintCurves(painter, options);
    paintConstructions(painter, options);
}

QString exportGraph(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!grafzone) return QString::fromUtf8("Il n'y a pas de graphique à enregistrer.");
    bool written = false;
    if (suffix == "png") written = graphPicture().save(path, "PNG");
    else if (suffix == "svg") written = writeVectors(path);
    else if (suffix == "pdf") written = writePdf(path);
    else return QString::fromUtf8("« %1 » : l'image s'enregistre en .png, .svg ou .pdf.").arg(path);
    if (!written) return QString::fromUtf8("Impossible d'écrire l'image « %1 ».").arg(path);
    return QString();
}
