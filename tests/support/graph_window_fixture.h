#pragma once
// A real graph window of the 1280 layout (850 x 800 pixels) over the frame of
// "Fonction de x", for the tests of the tool windows that mark it, with the
// checks of their red marks.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QTest>
#include <memory>

#include "model/plot_state.h"
#include "model/state_reset.h"
#include "plane/tgrafzone.h"

inline bool isRed(const QImage& picture, int x, int y) {
    return picture.valid(x, y) && picture.pixelColor(x, y) == QColor(Qt::red);
}

// Near the left edge: a radio button or a check box only reacts on its box and caption.
inline void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// A press at `from`, two moves and the release at `to`, as a hand drags.
inline void drag(QWidget* surface, QPoint from, QPoint to) {
    QTest::mousePress(surface, Qt::LeftButton, {}, from);
    QTest::mouseMove(surface, (from + to) / 2);
    QTest::mouseMove(surface, to);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, to);
}

class GraphWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        initialisePlotState();
        PlotFrame.ymin = -7.94L;
        PlotFrame.ymax = 7.94L;
        GraphKind = GraphType::FunctionOfX;
        graph_.reset(new Tgrafzone);
        grafzone = graph_.get();
        graph_->setGraphSize(850, 800);
    }

    void TearDown() override { initialisePlotState(); }

    void showFunction(const char* formula, int slot = 1) {
        CurveSlot[slot].formula = formula;
        graph_->repaintGraph();
    }

    const QImage& backBuffer() const { return graph_->OffscreenBitmap; }
    const QImage& shownPicture() const { return graph_->WindowPicture; }

    std::unique_ptr<Tgrafzone> graph_;
};
