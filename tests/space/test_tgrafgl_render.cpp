// The space window drawing through OpenGL in a real X session (a virtual X
// server with Mesa's software renderer): the intro, then the surface
// z = sin(x)*cos(y) turned with the mouse, and the rebuild after an OpenGL
// error. The pictures are saved for a person to look at.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QOpenGLWidget>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <GL/gl.h>

#include "app/tformparent.h"
#include "model/plot_state.h"
#include "model/space_state.h"
#include "space/space_camera.h"
#include "space/tgrafgl.h"
#include "tests/support/program_fixture.h"
#include "tests/support/screenshots.h"

namespace {

struct Tones {
    int white = 0, black = 0, blue = 0, yellow = 0;
};

Tones countTones(const QImage& picture) {
    Tones tones;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.red() > 240 && c.green() > 240 && c.blue() > 240) ++tones.white;
            else if (c.red() < 50 && c.green() < 50 && c.blue() < 50) ++tones.black;
            else if (c.blue() > 120 && c.red() < 60 && c.green() < 60) ++tones.blue;
            else if (c.red() > 120 && c.green() > 120 && c.blue() < 60) ++tones.yellow;
        }
    }
    return tones;
}

class SpaceWindowInX : public ::testing::Test {
protected:
    TFormparent* start(const char* settings) {
        program.writeSettingsLine(settings);
        TFormparent* main = program.start().mainWindow;
        if (!main) return nullptr;
        main->setLayoutScreenWidth(1280);
        main->resize(1280, 1024);
        main->show();
        QTest::qWait(50);
        return main;
    }
    ProgramFixture program;
};

TEST_F(SpaceWindowInX, IntroShowsThePlanetAndTheTextOverTheStars) {
    ASSERT_NE(start("21333111"), nullptr);
    ASSERT_NE(grafgl->glView(), nullptr) << grafgl->placeholderText().toStdString();
    // Far enough into the intro for the first lines of text to face the viewer.
    for (int tick = 0; tick < 150; ++tick) grafgl->Timer1Timer();
    const QImage frame = grafgl->picture();
    EXPECT_TRUE(frame.save(screenshotPath("espace_intro.png")));
    EXPECT_EQ(frame.size(), QSize(612, 405));
    const Tones tones = countTones(frame);
    EXPECT_GT(tones.black, frame.width() * frame.height() / 2);
    EXPECT_GT(tones.blue, 1000);
    EXPECT_GT(tones.yellow, 1000);
}

TEST_F(SpaceWindowInX, SurfaceTurnedWithTheMouseShowsItsWireOverBlue) {
    TFormparent* main = start("21333011");
    ASSERT_NE(main, nullptr);
    main->menuItem("fxyz1")->trigger();
    QOpenGLWidget* view = grafgl->glView();
    ASSERT_NE(view, nullptr);
    CurveSlot[5].formula = "sin(x)*cos(y)";
    grafgl->preparecourbe();

    // A drag of 10 pixels right and 4 down turns by -5 and +2 degrees.
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(view, QPoint(110, 104));
    EXPECT_FLOAT_EQ(SpaceCamera.spin, -5);
    EXPECT_FLOAT_EQ(SpaceCamera.tilt, 2);
    QTest::mouseMove(view, QPoint(130, 160));
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, QPoint(130, 160));
    EXPECT_FLOAT_EQ(SpaceCamera.tilt, 30);
    QTest::keyClick(view, Qt::Key_PageDown);
    EXPECT_FLOAT_EQ(SpaceCamera.scale, 0.25f * 1.1f);

    const QImage frame = grafgl->picture();
    EXPECT_TRUE(frame.save(screenshotPath("espace_surface_fil.png")));
    EXPECT_TRUE(main->grab().save(screenshotPath("espace_1280x1024.png")));
    const Tones tones = countTones(frame);
    EXPECT_GT(tones.white, frame.width() * frame.height() / 3);
    EXPECT_GT(tones.blue, 20000);
    // The wire of about 900 cells and the axes.
    EXPECT_GT(tones.black, 5000);
    EXPECT_TRUE(frame.pixelColor(3, 3) == Qt::white);

    SpaceWireShown = false;
    const Tones withoutWire = countTones(grafgl->picture());
    EXPECT_LT(withoutWire.black, tones.black / 2);
    EXPECT_GT(withoutWire.blue, tones.blue);
}

TEST_F(SpaceWindowInX, AnOpenGLErrorRebuildsTheDrawing) {
    TFormparent* main = start("21333011");
    ASSERT_NE(main, nullptr);
    main->fxyz1Click();
    QPointer<QOpenGLWidget> first = grafgl->glView();
    ASSERT_NE(first, nullptr);
    grafgl->picture();
    SpaceCamera.tilt = 45;
    // An invalid call leaves the error flag set for the next frame to find.
    first->makeCurrent();
    glEnable(0xFFFF);
    first->doneCurrent();
    grafgl->picture();
    QTest::qWait(100);
    ASSERT_NE(grafgl->glView(), nullptr);
    EXPECT_NE(grafgl->glView(), first.data());
    EXPECT_FLOAT_EQ(SpaceCamera.tilt, 0);
    const Tones tones = countTones(grafgl->picture());
    EXPECT_GT(tones.white, 1000);
    EXPECT_GT(tones.black, 100);
}

// Leaves an OpenGL error behind in every drawing area just before it paints.
class ErrorBeforeEveryFrame : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* view = qobject_cast<QOpenGLWidget*>(watched);
        if (view && event->type() == QEvent::Paint && view->isValid()) {
            view->makeCurrent();
            glEnable(0xFFFF);
        }
        return false;
    }
};

TEST_F(SpaceWindowInX, AnErrorAtEveryFrameEndsInAMessageAfterThreeRebuilds) {
    TFormparent* main = start("21333011");
    ASSERT_NE(main, nullptr);
    ErrorBeforeEveryFrame errors;
    qApp->installEventFilter(&errors);
    main->fxyz1Click();
    int areas = 0;
    QPointer<QOpenGLWidget> last;
    // Three rebuilds at least a second apart, then the message.
    const bool gaveUp = QTest::qWaitFor(
        [&] {
            if (grafgl->glView() && grafgl->glView() != last) {
                last = grafgl->glView();
                ++areas;
            }
            return !grafgl->placeholderText().isEmpty();
        },
        6000);
    qApp->removeEventFilter(&errors);
    ASSERT_TRUE(gaveUp);
    EXPECT_EQ(areas, 4);
    EXPECT_EQ(grafgl->glView(), nullptr);
    EXPECT_TRUE(grafgl->placeholderText().contains(QString::fromUtf8("L'affichage en 3D est arrêté")));
    EXPECT_FALSE(grafgl->Timer1->isActive());
}

}  // namespace
