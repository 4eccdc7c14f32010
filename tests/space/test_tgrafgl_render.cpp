// The space window drawing through OpenGL in a real X session (a virtual X
// server with Mesa's software renderer): the intro, then the surface
// z = sin(x)*cos(y) turned with the mouse, a sphere and a cutting plane with
// their section in the plane graph, and the rebuild after an OpenGL error. The pictures are saved for a person to look at.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QOpenGLWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <GL/gl.h>

#include "app/tformparent.h"
#include "plane/tgrafzone.h"
#include "platform/colour_edit.h"
#include "space/tchoixsection.h"
#include "space/tfonc3d.h"
#include "space/tplandecoupe.h"
#include "space/tsphere.h"
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

int countMatching(const QImage& picture, bool (*matches)(const QColor&)) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) count += matches(picture.pixelColor(x, y));
    return count;
}

bool isRed(const QColor& c) { return c.red() > 120 && c.red() > 2 * c.green() && c.red() > 2 * c.blue(); }
bool isGreen(const QColor& c) { return c.green() > 120 && c.green() > c.red() + 50 && c.blue() < 100; }
bool isBlue(const QColor& c) { return c.blue() > 150 && c.red() < 80 && c.green() < 80; }

// z = x²+y², the sphere of centre (0, 0, 2) and radius 1, the plane z = 2 and
// the section of the surface, then of the sphere, in the plane graph.
TEST_F(SpaceWindowInX, SphereAndCuttingPlaneWithTheirSectionInThePlaneGraph) {
    TFormparent* main = start("21333011");
    ASSERT_NE(main, nullptr);
    main->setLayoutScreenWidth(1024);
    main->resize(1024, 768);
    main->menuItem("fxyz1")->trigger();
    ASSERT_NE(grafgl->glView(), nullptr);
    fonc3d->Editf->setText(QString::fromUtf8("x²+y²"));
    QTest::keyClick(fonc3d->Editf, Qt::Key_Return);
    main->menuItem("Sphre1")->trigger();
    sphere->ez->setText("2");
    sphere->erayon->setText("1");
    sphere->BitBtn1->click();
    main->menuItem("racerunplan1")->trigger();
    plandecoupe->RadioButton3->click();
    plandecoupe->Edit3->setText("2");
    plandecoupe->BitBtn1->click();
    SpaceCamera.tilt = 20;
    SpaceCamera.spin = -20;

    const QImage space = grafgl->picture();
    EXPECT_TRUE(space.save(screenshotPath("espace_sphere_plan_de_coupe.png")));
    EXPECT_GT(countMatching(space, isRed), 3000);
    EXPECT_GT(countMatching(space, isBlue), 5000);
    // The sphere lies wholly inside the surface: it shows once the surface is removed.
    EXPECT_EQ(countMatching(space, isGreen), 0);
    fonc3d->Editf->clear();
    QTest::keyClick(fonc3d->Editf, Qt::Key_Return);
    const QImage withoutSurface = grafgl->picture();
    EXPECT_TRUE(withoutSurface.save(screenshotPath("espace_sphere_sans_surface.png")));
    EXPECT_GT(countMatching(withoutSurface, isGreen), 400);
    EXPECT_LT(countMatching(withoutSurface, isBlue), 100);
    fonc3d->Editf->setText(QString::fromUtf8("x²+y²"));
    QTest::keyClick(fonc3d->Editf, Qt::Key_Return);

    main->menuItem("Montrerlasection1")->trigger();
    choixsection->choi->click();
    QTest::qWait(50);
    EXPECT_TRUE(grafgl->isVisible());
    EXPECT_TRUE(grafzone->isVisible());
    const QImage level = grafzone->grab().toImage();
    EXPECT_TRUE(level.save(screenshotPath("section_surface_z2.png")));
    choixsection->RadioButton2->click();
    choixsection->choi->click();
    QTest::qWait(50);
    const QImage circle = grafzone->grab().toImage();
    EXPECT_TRUE(circle.save(screenshotPath("section_sphere_z2.png")));
    EXPECT_GT(countMatching(circle, isBlue), 100);
    EXPECT_TRUE(main->grab().save(screenshotPath("section_1024x768.png")));
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
