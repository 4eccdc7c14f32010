#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <random>
#include <set>
#include <utility>

#include "platform/canvas.h"

namespace {

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool empty() const { return right < 0; }
};

// The smallest rectangle holding every pixel that is not white.
Box inkBox(const QImage& image) {
    Box box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != Qt::white) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

class CanvasTest : public ::testing::Test {
protected:
    CanvasTest() : image(60, 60, QImage::Format_RGB32), canvas(image) { canvas.fill(clWhite); }
    QImage image;
    Canvas canvas;
};

struct LineCase {
    const char* name;
    int x1, y1, x2, y2;
    Box expected;
};

class CanvasThinLines : public CanvasTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(CanvasThinLines, StopOnePixelShortOfTheEndPoint) {
    const LineCase& c = GetParam();
    canvas.line(c.x1, c.y1, c.x2, c.y2);
    const Box box = inkBox(image);
    EXPECT_EQ(box.left, c.expected.left);
    EXPECT_EQ(box.top, c.expected.top);
    EXPECT_EQ(box.right, c.expected.right);
    EXPECT_EQ(box.bottom, c.expected.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, CanvasThinLines,
    ::testing::Values(LineCase{"rightwards", 5, 10, 15, 10, {5, 10, 14, 10}},
                      LineCase{"leftwards", 15, 10, 5, 10, {6, 10, 15, 10}},
                      LineCase{"downwards", 20, 5, 20, 25, {20, 5, 20, 24}},
                      LineCase{"upwards", 20, 25, 20, 5, {20, 6, 20, 25}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CanvasTest, ZeroLengthLineDrawsNothing) {
    canvas.line(10, 10, 10, 10);
    EXPECT_TRUE(inkBox(image).empty());
}

TEST_F(CanvasTest, WidthZeroAndOneBothDrawOnePixel) {
    for (int width : {0, 1}) {
        canvas.fill(clWhite);
        canvas.setPen(clBlack, width);
        canvas.line(5, 30, 40, 30);
        const Box box = inkBox(image);
        EXPECT_EQ(box.top, 30) << "width " << width;
        EXPECT_EQ(box.bottom, 30) << "width " << width;
    }
}

TEST_F(CanvasTest, WidePenCoversItsWidthAcrossTheLine) {
    canvas.setPen(clBlack, 5);
    canvas.line(10, 30, 40, 30);
    EXPECT_EQ(canvas.pixel(25, 28), clBlack);
    EXPECT_EQ(canvas.pixel(25, 32), clBlack);
    EXPECT_EQ(canvas.pixel(25, 34), clWhite);
    EXPECT_EQ(canvas.pixel(25, 26), clWhite);
}

TEST_F(CanvasTest, WidePenIsNotAntialiased) {
    canvas.setPen(clRed, 4);
    canvas.line(10, 10, 40, 35);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const TColor c = canvas.pixel(x, y);
            ASSERT_TRUE(c == clWhite || c == clRed) << x << "," << y;
        }
}

TEST_F(CanvasTest, EllipseFitsInsideItsCornersRightAndBottomExcluded) {
    canvas.ellipse(10, 12, 30, 40);
    const Box box = inkBox(image);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 12);
    EXPECT_EQ(box.right, 29);
    EXPECT_EQ(box.bottom, 39);
}

TEST_F(CanvasTest, EllipseCornersMayComeInAnyOrder) {
    canvas.ellipse(30, 40, 10, 12);
    const Box box = inkBox(image);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.bottom, 39);
}

TEST_F(CanvasTest, EllipseIsHollowUnlessABrushIsChosen) {
    canvas.ellipse(10, 10, 40, 40);
    EXPECT_EQ(canvas.pixel(25, 25), clWhite);
    canvas.setBrushColour(clBlue);
    canvas.ellipse(10, 10, 40, 40);
    EXPECT_EQ(canvas.pixel(25, 25), clBlue);
}

TEST_F(CanvasTest, TextIsPlacedByItsTopLeftCorner) {
    canvas.setFontSize(14);
    canvas.textOut(20, 15, "HE");
    const Box box = inkBox(image);
    ASSERT_FALSE(box.empty());
    EXPECT_GE(box.top, 15);
    EXPECT_LE(box.top, 15 + canvas.textHeight("HE") / 2);
    EXPECT_GE(box.left, 20);
    EXPECT_LE(box.left, 23);
    EXPECT_LT(box.bottom, 15 + canvas.textHeight("HE"));
}

TEST_F(CanvasTest, FillRectLeavesOutRightColumnAndBottomRow) {
    canvas.fillRect(5, 5, 10, 10, clLime);
    EXPECT_EQ(canvas.pixel(9, 9), clLime);
    EXPECT_EQ(canvas.pixel(10, 9), clWhite);
    EXPECT_EQ(canvas.pixel(9, 10), clWhite);
}

TEST_F(CanvasTest, LineToContinuesFromThePenPosition) {
    canvas.moveTo(5, 5);
    canvas.lineTo(15, 5);
    canvas.lineTo(15, 15);
    EXPECT_EQ(canvas.pixel(14, 5), clBlack);
    EXPECT_EQ(canvas.pixel(15, 5), clBlack);
    EXPECT_EQ(canvas.pixel(15, 14), clBlack);
    EXPECT_EQ(canvas.pixel(15, 15), clWhite);
}

TEST_F(CanvasTest, HugeCoordinatesAreClippedWithoutHarm) {
    canvas.line(-2000000000, 30, 2000000000, 30);
    EXPECT_EQ(canvas.pixel(30, 30), clBlack);
}

TEST_F(CanvasTest, PixelOutsideThePictureReadsWhiteAndWritesNothing) {
    canvas.setPixel(-1, 5, clBlack);
    EXPECT_EQ(canvas.pixel(-1, 5), clWhite);
    EXPECT_EQ(canvas.pixel(1000, 5), clWhite);
}

// --- lines written straight into the pixels -----------------------------------

// Random coordinates inside, just outside and far outside a picture.
class RandomCoordinates {
public:
    int along(int extent) {
        switch (generator_() % 6) {
            case 0: return -static_cast<int>(generator_() % 2000000000u);
            case 1: return extent + static_cast<int>(generator_() % 2000000000u);
            case 2: return static_cast<int>(generator_() % 20) - 10;
            case 3: return extent + static_cast<int>(generator_() % 20) - 10;
            default: return static_cast<int>(generator_() % extent);
        }
    }
    int near(int extent, int margin) {
        return static_cast<int>(generator_() % (extent + 2 * margin)) - margin;
    }
    int below(int limit) { return static_cast<int>(generator_() % limit); }

private:
    std::mt19937 generator_{2024};
};

// The black pixels of a picture drawn in black on white.
std::set<std::pair<int, int>> blackPixels(const QImage& image) {
    std::set<std::pair<int, int>> black;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == Qt::black) black.insert({x, y});
    return black;
}

TEST(CanvasStraightLines, OnePixelRowsAndColumnsMatchThePainters) {
    // A 16-bit picture is drawn by the painter: it is the reference.
    RandomCoordinates random;
    for (int round = 0; round < 400; ++round) {
        QImage direct(37, 23, QImage::Format_RGB32), painted(37, 23, QImage::Format_RGB16);
        Canvas directCanvas(direct), paintedCanvas(painted);
        directCanvas.fill(clWhite);
        paintedCanvas.fill(clWhite);
        const bool row = round % 2 == 0;
        const int across = random.near(row ? 23 : 37, 3);
        const int from = random.along(row ? 37 : 23), to = random.along(row ? 37 : 23);
        for (Canvas* canvas : {&directCanvas, &paintedCanvas}) {
            canvas->setPen(clBlack, round % 4 == 1 ? 0 : 1);
            if (row) canvas->line(from, across, to, across);
            else canvas->line(across, from, across, to);
        }
        ASSERT_EQ(blackPixels(direct), blackPixels(painted))
            << (row ? "row " : "column ") << across << " from " << from << " to " << to;
    }
}

// The definition of a wide line: the round footprint of the pen at every pixel
// of Bresenham's walk between its ends.
std::set<std::pair<int, int>> footprintsAlong(const std::vector<QPoint>& points, int width,
                                              QSize size) {
    const double shift = width % 2 == 0 ? 0.5 : 0.0, radius = width / 2.0;
    std::set<std::pair<int, int>> covered;
    auto stamp = [&](int cx, int cy) {
        for (int dy = -(width / 2); dy <= (width - 1) / 2; ++dy)
            for (int dx = -(width / 2); dx <= (width - 1) / 2; ++dx) {
                const int x = cx + dx, y = cy + dy;
                if ((dx + shift) * (dx + shift) + (dy + shift) * (dy + shift) <= radius * radius
                    && x >= 0 && y >= 0 && x < size.width() && y < size.height())
                    covered.insert({x, y});
            }
    };
    for (std::size_t i = 1; i < points.size(); ++i) {
        QPoint p = points[i - 1];
        const QPoint end = points[i];
        if (p == end) continue;
        const int dx = std::abs(end.x() - p.x()), dy = -std::abs(end.y() - p.y());
        const int sx = p.x() < end.x() ? 1 : -1, sy = p.y() < end.y() ? 1 : -1;
        for (int error = dx + dy;; ) {
            stamp(p.x(), p.y());
            if (p == end) break;
            const int doubled = 2 * error;
            if (doubled >= dy) { error += dy; p.rx() += sx; }
            if (doubled <= dx) { error += dx; p.ry() += sy; }
        }
    }
    return covered;
}

TEST(CanvasWideLines, PolylinesCoverTheFootprintsAlongTheirWalk) {
    RandomCoordinates random;
    for (int round = 0; round < 300; ++round) {
        const int width = 2 + round % 6;  // the curve pens of thicknesses 1 to 6
        QImage image(41, 29, QImage::Format_RGB32);
        Canvas canvas(image);
        canvas.fill(clWhite);
        canvas.setPen(clBlack, width);
        // Chains of short steps like a curve's, with jumps, touching the edges
        // but never so far out that the pen could not reach the picture.
        std::vector<QPoint> points{{random.near(41, width), random.near(29, width)}};
        for (int k = 0; k < 12; ++k) {
            QPoint next = points.back() + QPoint(random.below(5) - 2, random.below(5) - 2);
            if (random.below(4) == 0) next = {random.near(41, width), random.near(29, width)};
            points.emplace_back(std::clamp(next.x(), -width, 40 + width),
                                std::clamp(next.y(), -width, 28 + width));
        }
        canvas.polyline(points);
        ASSERT_EQ(blackPixels(image), footprintsAlong(points, width, image.size()))
            << "round " << round << ", pen " << width;
    }
}

// --- pictures sharing their pixels ----------------------------------------------

TEST(CanvasSharing, ACopiedPictureAndItsSourceAreDrawnOnApart) {
    QImage source(30, 20, QImage::Format_RGB32), copy(30, 20, QImage::Format_RGB32);
    Canvas sourceCanvas(source), copyCanvas(copy);
    sourceCanvas.fill(clWhite);
    sourceCanvas.setPen(clBlue, 3);
    sourceCanvas.line(2, 10, 28, 10);
    copyCanvas.draw(0, 0, source);
    copyCanvas.setPen(clRed, 1);
    copyCanvas.line(5, 2, 5, 18);
    EXPECT_EQ(copyCanvas.pixel(5, 5), clRed);
    EXPECT_EQ(copyCanvas.pixel(15, 10), clBlue);
    EXPECT_EQ(sourceCanvas.pixel(5, 5), clWhite);
    // Clearing the source leaves the copy as it was.
    sourceCanvas.fill(clLime);
    EXPECT_EQ(copyCanvas.pixel(15, 10), clBlue);
    EXPECT_EQ(copyCanvas.pixel(20, 5), clWhite);
    EXPECT_EQ(sourceCanvas.pixel(15, 10), clLime);
}

}  // namespace
