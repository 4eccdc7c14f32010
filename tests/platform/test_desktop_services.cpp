#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/shell.h"
#include "platform/sound.h"

namespace {

TEST(Sound, MissingFileIsSilent) { EXPECT_FALSE(playSound("/nonexistent/lumova/intro2.wav")); }

TEST(Sound, PlaybackNeedsAnAudioOutput) {
    const bool played = playSound(LUMOVA_STAGED_INSTALL_DIR "/musique/fin1.wav");
    EXPECT_EQ(played, audioOutputAvailable());
}

TEST(Shell, MissingDocumentIsNotOpened) { EXPECT_FALSE(openDocument("/nonexistent/lumova/aide/lumova.htm")); }

TEST(Shell, FolderIsNotADocument) {
    QTemporaryDir folder;
    EXPECT_FALSE(openDocument(folder.path()));
}

}  // namespace
