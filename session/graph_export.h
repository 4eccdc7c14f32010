#pragma once
// The graph as a file (PNG, SVG, PDF) and on paper. An orthonormal graph is
// printed to scale, one unit to the centimetre, when it fits the page.

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

// The picture the clipboard copy gives: the plane graph, or the space view
// while it stands in place of the graph.
QImage graphPicture();

// Where the picture goes on a page whose printable area is `page` (in
// millimetres): centred, at 10 mm per unit when `toScale` and it fits,
// otherwise as large as the page allows with its proportions kept.
// `unitPixels` is the size of one unit of the graph in pixels of the picture.
QRectF pagePlacement(QSizeF pictureSize, QSizeF unitPixels, bool toScale, QSizeF page);

// Whether the graph is printed to scale: a plane graph whose frame is kept orthonormal.
bool printedToScale();

// Draws the graph on one page of a printer or a PDF writer, on the paper it
// has, turned to the picture's orientation.
// False when the device could not be painted on.
bool paintGraphPage(QPagedPaintDevice& device);

// The graph in vector form: background, grid, axes, graduation texts, curves
// of the functions of x, points with their names and segments. The SVG export
// writes the picture instead when the graph shows anything else.
void paintGraphVectors(QPainter& painter);

// Writes the graph to `path`, whose extension (png, svg or pdf) chooses the
// format. Returns why it failed, in French, or nothing.
QString exportGraph(const QString& path);
