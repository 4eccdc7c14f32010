#pragma once
// The shared state of "Fonction de x" (frame [-10, 10] x [-7.94, 7.94], empty
// tables with their preset points) and a 680 x 540 graph window showing it,
// for the tests of what the graph draws.

#include <gtest/gtest.h>

#include <memory>

#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "model/state_reset.h"
#include "plane/tgrafzone.h"
#include "platform/colour.h"

inline void startFunctionOfXState() {
    PointTable = {};
    initialisePlotState();
    PlotFrame.ymin = -7.94L;
    PlotFrame.ymax = 7.94L;
    GraphKind = GraphType::FunctionOfX;
}

class GraphScene : public testing::Test {
protected:
    void SetUp() override {
        startFunctionOfXState();
        graph_ = std::make_unique<Tgrafzone>();
        grafzone = graph_.get();
        graph_->setGraphSize(680, 540);
        graph_->repaintGraph();
    }

    void TearDown() override {
        graph_.reset();
        initialisePlotState();
    }

    TColor shown(long double x, long double y) const {
        return fromQColor(graph_->WindowPicture.pixelColor(PlotFrame.column(x), PlotFrame.row(y)));
    }

    // Red within a pixel of the point, as lines are cut to whole pixels.
    bool redNear(long double x, long double y) const {
        const int column = PlotFrame.column(x), row = PlotFrame.row(y);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (fromQColor(graph_->WindowPicture.pixelColor(column + dx, row + dy)) == clRed) return true;
        return false;
    }

    std::unique_ptr<Tgrafzone> graph_;
};
