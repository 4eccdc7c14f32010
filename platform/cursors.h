#pragma once
// Cursor numbers as the windows pass them around (ModeCursor, setGraphCursor):
// zero and the negative numbers below are the standard shapes, 5..14 the
// program's own cursors loaded from the icones folder at start-up.

#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>

inline constexpr int crDefault = 0;
inline constexpr int crCross = -3;
inline constexpr int crIBeam = -4;
inline constexpr int crSizeWE = -9;
inline constexpr int crHourGlass = -11;
inline constexpr int crHelp = -20;
inline constexpr int crHandPoint = -21;
inline constexpr int crSizeAll = -22;

inline constexpr int FirstTableCursor = 5;
inline constexpr int LastTableCursor = 14;

// A cursor picture with its hot spot.
struct CursorPicture {
    QImage image;
    QPoint hotSpot;
};

// Loads the ten cursor files of `folder` under their numbers 5..14. A file
// that is missing or cannot be read leaves its number unusable; the others
// still load. Returns how many were loaded.
int loadCursorTable(const QString& folder);
// Whether cursor `number` of the table was loaded.
bool tableCursorLoaded(int number);
// The cursor for a number: a standard shape, a loaded table cursor, or the
// arrow for a number that is unknown or was not loaded.
QCursor cursorFromNumber(int number);
// The file name of table cursor `number` ("cube.ani" for 5 ...), empty outside 5..14.
QString tableCursorFileName(int number);

// Reads a .ico, .cur or .ani file; nothing for a missing, truncated or malformed file.
std::optional<CursorPicture> readCursorFile(const QString& path);
// The first frame of an animated cursor (RIFF "ACON"); nothing when malformed.
std::optional<CursorPicture> readAniFirstFrame(const QByteArray& data);
// One .ico or .cur picture; the hot spot comes from a .cur's directory entry.
std::optional<CursorPicture> readIconCursor(const QByteArray& data);
