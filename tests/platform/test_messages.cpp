#include <gtest/gtest.h>

#include <QCoreApplication>

#include "platform/messages.h"

namespace {

class MessagesTest : public ::testing::Test {
protected:
    void TearDown() override { setPaintProbe({}); }
    bool painting = false;
};

TEST_F(MessagesTest, OutsideAPaintTheMessageIsShownAtOnce) {
    MessageCapture capture;
    showMessage("bonjour");
    EXPECT_EQ(capture.messages(), QStringList{"bonjour"});
}

TEST_F(MessagesTest, DuringAPaintMessagesWaitForItsEnd) {
    MessageCapture capture;
    setPaintProbe([this] { return painting; });
    painting = true;
    showMessage("écriture de la fonction f non valide");
    showMessage("écriture de la fonction g non valide");
    QCoreApplication::processEvents();
    EXPECT_TRUE(capture.messages().isEmpty());
    EXPECT_EQ(pendingMessageCount(), 2);

    painting = false;
    QCoreApplication::processEvents();
    EXPECT_EQ(capture.messages(),
              (QStringList{"écriture de la fonction f non valide", "écriture de la fonction g non valide"}));
    EXPECT_EQ(pendingMessageCount(), 0);
}

TEST_F(MessagesTest, NestedCaptureGivesBackTheOuterOne) {
    MessageCapture outer;
    {
        MessageCapture inner;
        showMessage("dedans");
        EXPECT_EQ(inner.messages().size(), 1);
    }
    showMessage("dehors");
    EXPECT_EQ(outer.messages(), QStringList{"dehors"});
}

}  // namespace
