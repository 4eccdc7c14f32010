#pragma once
// Immediate-mode drawing with the pixel rules the program was designed for:
// integer pen widths (0 and 1 both mean one pixel), lines that stop one pixel
// short of their end point, ellipses given by their corner pixels, text placed
// by its top-left corner, a clear brush unless one is chosen, and a pen
// position for moveTo / lineTo.

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

#include "platform/colour.h"

class QPainter;

// The family the program asks for every text it draws on its pictures.
inline constexpr const char* LabelFontFamily = "Comics sans Ms";

class Canvas {
public:
    explicit Canvas(QImage& image);

    QImage& image() { return image_; }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    void setPenColour(TColor colour) { penColour_ = colour; }
    void setPenWidth(int width) { penWidth_ = width; }
    void setPen(TColor colour, int width);
    TColor penColour() const { return penColour_; }
    int penWidth() const { return penWidth_; }

    void setBrushColour(TColor colour);
    void setBrushClear() { brushClear_ = true; }

    void setFontName(const QString& family) { font_.setFamily(family); }
    void setFontSize(int points) { font_.setPointSize(points); }
    void setFontColour(TColor colour) { fontColour_ = colour; }
    const QFont& font() const { return font_; }

    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void line(int x1, int y1, int x2, int y2);
    void polyline(const std::vector<QPoint>& points);
    // Corners may come in any order; the outline fits inside them, right and bottom excluded.
    void ellipse(int x1, int y1, int x2, int y2);
    void rectangle(int x1, int y1, int x2, int y2);
    void textOut(int x, int y, const QString& text);
    int textWidth(const QString& text) const;
    int textHeight(const QString& text) const;

    // A picture shared with another one gets new pixels rather than a copy of
    // those it is about to cover.
    void fill(TColor colour);
    void fillRect(int x1, int y1, int x2, int y2, TColor colour);
    // A source that covers the whole picture is shared, not copied: Qt copies
    // the pixels only when one of the two pictures is drawn on afterwards.
    void draw(int x, int y, const QImage& source);
    TColor pixel(int x, int y) const;
    void setPixel(int x, int y, TColor colour);

private:
    QPen qtPen() const;
    // Outline (and fill, unless the brush is clear) of the shape inside two corners.
    void drawShape(int x1, int y1, int x2, int y2, void (QPainter::*draw)(const QRect&));
    void strokeLine(QPainter& painter, QPoint from, QPoint to) const;
    bool drawsStraightIntoPixels() const;
    // A one-pixel line along a row or a column, straight into the pixels;
    // false for other lines.
    bool drawThinStraightLine(QPoint from, QPoint to);
    // The lines of a wide pen, straight into the pixels; consecutive lines of
    // a polyline share their joints.
    void stampWideLines(const std::vector<QPoint>& points);

    QImage& image_;
    TColor penColour_ = clBlack;
    int penWidth_ = 1;
    TColor brushColour_ = clWhite;
    bool brushClear_ = true;
    QFont font_;
    TColor fontColour_ = clBlack;
    QPoint penPosition_;
};
