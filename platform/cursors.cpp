#include "platform/cursors.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <array>
#include <cstdint>

namespace {

constexpr int TableSize = LastTableCursor - FirstTableCursor + 1;

constexpr std::array<const char*, TableSize> TableFiles{
    "cube.ani",  "star.ani",     "fond.ico",      "rot.cur",      "loupe.ico",
    "travail.ani", "outils.ani", "question.cur", "construit.ico", "poubelle.ico"};

std::array<std::optional<QCursor>, TableSize>& cursorTable() {
    static std::array<std::optional<QCursor>, TableSize> table;
    return table;
}

// Little-endian reads that fail instead of reading past the end.
std::optional<std::uint32_t> readU32(const QByteArray& data, qsizetype at) {
    if (at < 0 || at + 4 > data.size()) return std::nullopt;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData() + at);
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16
           | std::uint32_t(bytes[3]) << 24;
}

std::optional<std::uint16_t> readU16(const QByteArray& data, qsizetype at) {
    if (at < 0 || at + 2 > data.size()) return std::nullopt;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData() + at);
    return std::uint16_t(bytes[0] | bytes[1] << 8);
}

bool tagAt(const QByteArray& data, qsizetype at, const char* tag) {
    return at >= 0 && at + 4 <= data.size() && data.mid(at, 4) == QByteArray(tag, 4);
}

struct Chunk {
    QByteArray tag;
    qsizetype body = 0;  // offset of the chunk's data
    qsizetype size = 0;
};

// The chunks between `from` and `to`; nothing when one of them runs past the end.
std::optional<std::vector<Chunk>> riffChunks(const QByteArray& data, qsizetype from, qsizetype to) {
    std::vector<Chunk> chunks;
    qsizetype at = from;
    while (at + 8 <= to) {
        const auto size = readU32(data, at + 4);
        if (!size || qsizetype(*size) > to - at - 8) return std::nullopt;
        chunks.push_back({data.mid(at, 4), at + 8, qsizetype(*size)});
        at += 8 + qsizetype(*size) + (*size & 1);  // chunks are padded to even sizes
    }
    return chunks;
}

constexpr std::uint32_t IconFramesFlag = 1;  // frames are .ico/.cur files, not raw bitmaps

}  // namespace

std::optional<CursorPicture> readIconCursor(const QByteArray& data) {
    const auto reserved = readU16(data, 0), type = readU16(data, 2), count = readU16(data, 4);
    if (!reserved || !type || !count || *reserved != 0 || (*type != 1 && *type != 2) || *count == 0)
        return std::nullopt;
    const auto hotX = readU16(data, 10), hotY = readU16(data, 12);
    const auto length = readU32(data, 14), offset = readU32(data, 18);
    if (!hotX || !hotY || !length || !offset) return std::nullopt;
    if (qint64(*offset) + qint64(*length) > data.size()) return std::nullopt;

    const QImage image = QImage::fromData(data, "ICO");
    if (image.isNull()) return std::nullopt;
    const QPoint hotSpot = *type == 2 ? QPoint(*hotX, *hotY) : QPoint(image.width() / 2, image.height() / 2);
    return CursorPicture{image, hotSpot};
}

std::optional<CursorPicture> readAniFirstFrame(const QByteArray& data) {
    if (!tagAt(data, 0, "RIFF") || !tagAt(data, 8, "ACON")) return std::nullopt;
    const auto riffSize = readU32(data, 4);
    if (!riffSize || qint64(*riffSize) + 8 > data.size() || *riffSize < 4) return std::nullopt;
    const auto chunks = riffChunks(data, 12, 8 + qsizetype(*riffSize));
    if (!chunks) return std::nullopt;

    std::optional<std::uint32_t> flags;
    for (const Chunk& chunk : *chunks) {
        if (chunk.tag == "anih" && chunk.size >= 36) flags = readU32(data, chunk.body + 32);
        if (chunk.tag != "LIST" || chunk.size < 4 || !tagAt(data, chunk.body, "fram")) continue;
        if (!flags || !(*flags & IconFramesFlag)) return std::nullopt;
        const auto frames = riffChunks(data, chunk.body + 4, chunk.body + chunk.size);
        if (!frames) return std::nullopt;
        for (const Chunk& frame : *frames)
            if (frame.tag == "icon") return readIconCursor(data.mid(frame.body, frame.size));
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<CursorPicture> readCursorFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray data = file.readAll();
    if (path.endsWith(".ani", Qt::CaseInsensitive)) return readAniFirstFrame(data);
    return readIconCursor(data);
}

QString tableCursorFileName(int number) {
    if (number < FirstTableCursor || number > LastTableCursor) return {};
    return QString::fromLatin1(TableFiles[number - FirstTableCursor]);
}

int loadCursorTable(const QString& folder) {
    int loaded = 0;
    for (int number = FirstTableCursor; number <= LastTableCursor; ++number) {
        auto& slot = cursorTable()[number - FirstTableCursor];
        slot.reset();
        const auto picture = readCursorFile(QDir(folder).filePath(tableCursorFileName(number)));
        if (!picture) continue;
        slot = QCursor(QPixmap::fromImage(picture->image), picture->hotSpot.x(), picture->hotSpot.y());
        ++loaded;
    }
    return loaded;
}

bool tableCursorLoaded(int number) {
    if (number < FirstTableCursor || number > LastTableCursor) return false;
    return cursorTable()[number - FirstTableCursor].has_value();
}

QCursor cursorFromNumber(int number) {
    if (tableCursorLoaded(number)) return *cursorTable()[number - FirstTableCursor];
    switch (number) {
    case crCross: return QCursor(Qt::CrossCursor);
    case crIBeam: return QCursor(Qt::IBeamCursor);
    case crSizeWE: return QCursor(Qt::SizeHorCursor);
    case crHourGlass: return QCursor(Qt::WaitCursor);
    case crHelp: return QCursor(Qt::WhatsThisCursor);
    case crHandPoint: return QCursor(Qt::PointingHandCursor);
    case crSizeAll: return QCursor(Qt::SizeAllCursor);
    default: return QCursor(Qt::ArrowCursor);
    }
}
