// What a user types in "Fonction de x" and "Repère", each entry followed by Enter,
// through the windows' own handlers, which validate it and repaint the graph window
// into its pictures. Each line of the input is one entry: its first character picks
// the edit (0-3 the formulas of f, g, h, i; 4-7 Xmin, Xmax, Ymin, Ymax; 8-9 the
// graduation steps), the rest is the text typed, Latin-1 as the edits read it.
// The first line sets the check boxes (grid, orthonormal frame, hidden curves).
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/plot_state.h"
#include "model/state_reset.h"
#include "plane/tfonczone.h"
#include "plane/tgrafzone.h"
#include "plane/treperezone.h"
#include "platform/colour_edit.h"
#include "platform/messages.h"

namespace {

// Small pictures keep each run short; every drawing routine still runs.
constexpr int GraphWidth = 64, GraphHeight = 48;
constexpr int MostEntries = 8;

struct Windows {
    Tgrafzone graph;
    Treperezone frame;
    TfoncZone functions;
};

Windows* windows = nullptr;

ColourEdit* editFor(char choice) {
    Treperezone& frame = windows->frame;
    ColourEdit* const edits[] = {windows->functions.Editf, windows->functions.Editg, windows->functions.Edith,
                                 windows->functions.Editi, frame.Editxmin, frame.Editxmax, frame.Editymin,
                                 frame.Editymax, frame.Editgraduex, frame.Editgraduey};
    const unsigned index = static_cast<unsigned char>(choice) % 10;
    return edits[index];
}

void pressEnter(ColourEdit& edit) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&edit, &press);
}

// The state a fresh "Fonction de x" starts with.
void startFunctionOfX(std::string_view settings) {
    initialisePlotState();
    PlotFrame.ymin = -7.94L;
    PlotFrame.ymax = 7.94L;
    GraphKind = GraphType::FunctionOfX;
    const unsigned flags = settings.empty() ? 0 : static_cast<unsigned char>(settings[0]);
    windows->frame.quadrille->setChecked(flags & 1);
    windows->frame.ortho->setChecked(flags & 2);
    windows->functions.cache->setChecked(flags & 4);
    windows->frame.showBounds();
    windows->frame.resetGraduations();
    for (int slot = 1; slot <= 4; ++slot) windows->functions.slotEdit(slot)->clear();
    // The scale a first paint of the window would derive.
    PlotFrame.deriveFrom(GraphWidth, GraphHeight);
}

// The next line of the input, which loses it and its end.
std::string_view takeLine(std::string_view& input) {
    const std::size_t end = input.find('\n');
    const std::string_view line = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
    return line;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Never destroyed: the process ends with it, after the fuzzer's last report.
    new QApplication(*argc, *argv);
    std::setlocale(LC_NUMERIC, "C");
    windows = new Windows;
    grafzone = &windows->graph;
    reperezone = &windows->frame;
    foncZone = &windows->functions;
    windows->graph.setGraphSize(GraphWidth, GraphHeight);
    windows->graph.show();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Refused formulas are reported in message boxes: they are collected instead.
    MessageCapture messages;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    startFunctionOfX(takeLine(input));
    for (int entry = 0; entry < MostEntries && !input.empty(); ++entry) {
        const std::string_view line = takeLine(input);
        if (line.empty()) continue;
        ColourEdit& edit = *editFor(line[0]);
        const std::string_view typed = line.substr(1);
        edit.setText(QString::fromLatin1(typed.data(), qsizetype(typed.size())));
        pressEnter(edit);
        flushMessages();
        if (Painting) std::abort();  // a paint that never ends freezes the window
    }
    return 0;
}
