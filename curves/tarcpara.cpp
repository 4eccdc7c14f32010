#include "curves/tarcpara.h"

#include "curves/curve_measures.h"
#include "model/plot_state.h"

QPointer<Tarcpara> arcpara;

namespace {

constexpr long double StepsPerPixel = 20;

}  // namespace

Tarcpara::Tarcpara(QWidget* parent) : ArcLengthWindow(QString::fromUtf8("longueur d'un arc"), parent) {}

bool Tarcpara::curveEntered() const { return !CurveSlot[1].formula.empty() && !CurveSlot[2].formula.empty(); }

std::string Tarcpara::lengthText(long double a, long double b) const {
    const long double step = arcStep(PlotFrame.pixelx, StepsPerPixel, a, b);
    return arcLengthText(parametricArcLength(CurveSlot[1].formula, CurveSlot[2].formula, a, b, step), 4);
}
