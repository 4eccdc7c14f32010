#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/cursors.h"

namespace {

QByteArray fileBytes(const QString& name) {
    QFile file(QDir(LUMOVA_STAGED_INSTALL_DIR "/icones").filePath(name));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

struct CursorFileCase {
    const char* file;
    int hotX, hotY;
};

class ShippedCursors : public ::testing::TestWithParam<CursorFileCase> {};

TEST_P(ShippedCursors, AreReadWithTheirHotSpot) {
    const auto picture = readCursorFile(QDir(LUMOVA_STAGED_INSTALL_DIR "/icones").filePath(GetParam().file));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->image.size(), QSize(32, 32));
    EXPECT_EQ(picture->hotSpot, QPoint(GetParam().hotX, GetParam().hotY));
}

INSTANTIATE_TEST_SUITE_P(
    AllTen, ShippedCursors,
    ::testing::Values(CursorFileCase{"cube.ani", 1, 1}, CursorFileCase{"star.ani", 15, 15},
                      CursorFileCase{"fond.ico", 16, 16}, CursorFileCase{"rot.cur", 15, 15},
                      CursorFileCase{"loupe.ico", 16, 16}, CursorFileCase{"travail.ani", 16, 16},
                      CursorFileCase{"outils.ani", 1, 1}, CursorFileCase{"question.cur", 1, 1},
                      CursorFileCase{"construit.ico", 16, 16}, CursorFileCase{"poubelle.ico", 16, 16}),
    [](const auto& info) {
        std::string name = info.param.file;
        name[name.find('.')] = '_';
        return name;
    });

TEST(AniReader, FirstFrameHasVisibleAndTransparentPixels) {
    const auto picture = readAniFirstFrame(fileBytes("star.ani"));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->image.pixelColor(15, 15).alpha(), 255);
    EXPECT_EQ(picture->image.pixelColor(0, 31).alpha(), 0);
}

TEST(AniReader, EveryTruncationIsRefusedWithoutCrashing) {
    const QByteArray whole = fileBytes("travail.ani");
    ASSERT_GT(whole.size(), 100);
    // Cutting inside the first frame leaves nothing readable.
    const qsizetype firstFrameEnd = whole.indexOf("icon") + 8 + 4286;
    for (qsizetype length = 0; length < firstFrameEnd; length += 7)
        EXPECT_FALSE(readAniFirstFrame(whole.left(length)).has_value()) << "length " << length;
}

TEST(AniReader, ChunkSizePastTheEndIsRefused) {
    QByteArray data = fileBytes("cube.ani");
    const qsizetype list = data.indexOf("LIST");
    ASSERT_GT(list, 0);
    data[list + 7] = char(0x7F);  // size field now points far past the end
    EXPECT_FALSE(readAniFirstFrame(data).has_value());
}

TEST(AniReader, OtherRiffFormsAreRefused) {
    QByteArray data = fileBytes("cube.ani");
    data.replace(8, 4, "WAVE");
    EXPECT_FALSE(readAniFirstFrame(data).has_value());
}

TEST(AniReader, RawBitmapFramesAreRefused) {
    QByteArray data = fileBytes("cube.ani");
    const qsizetype header = data.indexOf("anih") + 8;
    data[header + 32] = 0;  // frames are no longer icons
    EXPECT_FALSE(readAniFirstFrame(data).has_value());
}

TEST(IconReader, GarbageAndEmptyDataAreRefused) {
    EXPECT_FALSE(readIconCursor(QByteArray()).has_value());
    EXPECT_FALSE(readIconCursor(QByteArray(300, 'x')).has_value());
    QByteArray cut = fileBytes("rot.cur");
    cut.truncate(cut.size() / 2);
    EXPECT_FALSE(readIconCursor(cut).has_value());
}

TEST(CursorTable, BrokenFileLeavesOnlyItsNumberUnusable) {
    QTemporaryDir folder;
    for (int number = FirstTableCursor; number <= LastTableCursor; ++number)
        QFile::copy(QDir(LUMOVA_STAGED_INSTALL_DIR "/icones").filePath(tableCursorFileName(number)),
                    folder.filePath(tableCursorFileName(number)));
    QFile broken(folder.filePath("loupe.ico"));
    broken.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a picture");
    broken.close();
    QFile::remove(folder.filePath("star.ani"));

    EXPECT_EQ(loadCursorTable(folder.path()), 8);
    EXPECT_FALSE(tableCursorLoaded(9));
    EXPECT_FALSE(tableCursorLoaded(6));
    EXPECT_TRUE(tableCursorLoaded(5));
    EXPECT_TRUE(tableCursorLoaded(14));
    EXPECT_EQ(cursorFromNumber(9).shape(), Qt::ArrowCursor);
    EXPECT_EQ(cursorFromNumber(12).shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursorFromNumber(12).hotSpot(), QPoint(1, 1));
}

TEST(CursorTable, StandardNumbersGiveStandardShapes) {
    EXPECT_EQ(cursorFromNumber(crDefault).shape(), Qt::ArrowCursor);
    EXPECT_EQ(cursorFromNumber(crSizeWE).shape(), Qt::SizeHorCursor);
    EXPECT_EQ(cursorFromNumber(crSizeAll).shape(), Qt::SizeAllCursor);
    EXPECT_EQ(cursorFromNumber(crHandPoint).shape(), Qt::PointingHandCursor);
    EXPECT_EQ(cursorFromNumber(4242).shape(), Qt::ArrowCursor);
}

}  // namespace
