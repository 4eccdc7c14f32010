#pragma once
// The outlines of the characters the space view extrudes into its 3D text.

#include <QPointF>
#include <QString>
#include <vector>

// The name the program has always asked for; no font carries it, so the
// platform's fallback font draws the 3D text.
inline constexpr const char* GlyphFontName = "Comics Sans MS";
inline constexpr int GlyphCount = 256;

struct GlyphOutline {
    // Closed contours in em units (one em is one unit), y up, the pen at the
    // origin on the baseline.
    std::vector<std::vector<QPointF>> contours;
    double advance = 0;
};

// The glyphs of the Latin-1 codes 0..255 of that font family; a code with
// nothing to print gets an empty glyph without advance.
std::vector<GlyphOutline> glyphOutlines(const QString& family);
