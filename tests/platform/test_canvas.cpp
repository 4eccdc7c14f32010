#include <gtest/gtest.h>

#include <QImage>

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

}  // namespace
