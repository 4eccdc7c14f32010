#include "platform/colour.h"

QColor toQColor(TColor colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

TColor fromQColor(const QColor& colour) {
    return static_cast<TColor>(colour.red()) | (static_cast<TColor>(colour.green()) << 8)
           | (static_cast<TColor>(colour.blue()) << 16);
}
