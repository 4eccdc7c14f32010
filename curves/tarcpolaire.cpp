#include "curves/tarcpolaire.h"

#include "curves/curve_measures.h"
#include "model/plot_state.h"

QPointer<Tarcpolaire> arcpolaire;

namespace {

constexpr long double StepsPerPixel = 30;

}  // namespace

Tarcpolaire::Tarcpolaire(QWidget* parent) : ArcLengthWindow("Longueur d'un arc", parent) {}

bool Tarcpolaire::curveEntered() const { return !CurveSlot[1].formula.empty(); }

std::string Tarcpolaire::lengthText(long double a, long double b) const {
    const long double step = arcStep(PlotFrame.pixelx, StepsPerPixel, a, b);
    return arcLengthText(polarArcLength(CurveSlot[1].formula, a, b, step), 3);
}
