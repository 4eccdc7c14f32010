#pragma once
// Colours are stored as the program always stored them: 32-bit $00BBGGRR values.

#include <QColor>
#include <cstdint>

using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clRed = 0x000000FF;
inline constexpr TColor clBlue = 0x00FF0000;
inline constexpr TColor clLime = 0x0000FF00;
inline constexpr TColor clAqua = 0x00FFFF00;
inline constexpr TColor clFuchsia = 0x00FF00FF;
inline constexpr TColor clMaroon = 0x00000080;
inline constexpr TColor clSilver = 0x00C0C0C0;
// The cream of the tool windows and the pale yellow of the main window.
inline constexpr TColor clCream = 0x00F0FBFF;
inline constexpr TColor clMainBackground = 0x009DFFFF;

QColor toQColor(TColor colour);
TColor fromQColor(const QColor& colour);
