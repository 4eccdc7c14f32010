#include "tools/line_figures.h"

namespace {

std::string r1(long double value) { return FloatToStr(RoundTo(value, 1)); }

// Every x of the text not followed by p (so that exp stays) becomes
// `replacement`; the scan resumes after the inserted text, whose own x is kept.
std::string replaceVariable(const std::string& text, const std::string& replacement) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool variable = text[i] == 'x' && (i + 1 == text.size() || text[i + 1] != 'p');
        if (variable) result += replacement;
        else result += text[i];
    }
    return result;
}

}  // namespace

LineEquations lineEquations(PlotPoint first, PlotPoint second) {
    const auto [x1, y1] = first;
    const auto [x2, y2] = second;
    const long double constant = y1 * x2 - x1 * y2;
    LineEquations equations{r1(y2 - y1) + "x+" + r1(x1 - x2) + "y+" + r1(constant) + "=0", std::nullopt};
    if (x1 != x2)
        equations.reduced = "y=" + r1((y1 - y2) / (x1 - x2)) + "x+" + FloatToStr(-RoundTo(constant / (x1 - x2), 1));
    return equations;
}

std::string intersectionText(PlotPoint a, PlotPoint b, PlotPoint c, PlotPoint d) {
    const long double a1 = a.y - b.y, b1 = b.x - a.x, c1 = -a1 * a.x - b1 * a.y;
    const long double a2 = c.y - d.y, b2 = d.x - c.x, c2 = -a2 * c.x - b2 * c.y;
    if (a1 * b2 - a2 * b1 == 0) return "Pas de point unique.";
    long double x, y;
    if (a1 != 0) {
        y = (-c1 * a2 / a1 + c2) / (a2 * b1 / a1 - b2);
        x = (-c1 - b1 * y) / a1;
    } else {
        y = -c1 / b1;
        x = (-c2 - b2 * y) / a2;
    }
    return "p(" + FloatToStr(RoundTo(x, 2)) + ";" + FloatToStr(RoundTo(y, 2)) + ")";
}

std::string transformedFormula(const std::string& formula, const Transformation& transformation) {
    std::string text = formula;
    if (transformation.added != 0) text += "+(" + FloatToStr(transformation.added) + ")";
    if (transformation.absoluteValue) text = "abs(" + text + ")";
    if (transformation.shift != 0) text = replaceVariable(text, "(x+(" + FloatToStr(transformation.shift) + "))");
    if (transformation.ofAbsoluteX) text = replaceVariable(text, "abs(x)");
    return text;
}
