#include "constructions/creation_steps.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

#include "expression/matutil.h"
#include "model/plot_state.h"

namespace {

constexpr unsigned field(int n) { return 1u << n; }

Creation refused(unsigned wrongFields = 0) { return {false, wrongFields, {}}; }

Creation createdNow() { return {true, 0, {}}; }

bool pointTableFull() { return PointCount >= MaxUserPoints; }

// The next slot takes the point; the caller has checked that one is free.
Creation appendPoint(const TPointRecord& point) {
    const int slot = takePointSlot();
    if (slot == 0) return refused();
    PointTable[slot] = point;
    return createdNow();
}

TPointRecord pointOfKind(PointKind kind, bool trace = false) {
    TPointRecord point;
    point.kind = kind;
    point.trace = trace;
    return point;
}

// The two ends named by the first and last letters, when both are points and differ.
std::optional<VectorEnds> twoPoints(const std::string& text) {
    const VectorEnds ends{slotOfFirstLetter(text), slotOfLastLetter(text)};
    if (!isValidPointReference(ends.first) || !isValidPointReference(ends.second) || ends.first == ends.second)
        return std::nullopt;
    return ends;
}

Creation appendLine(const TLineRecord& line) {
    if (LineCount >= LineCapacity) return refused();
    LineTable[LineCount++] = line;
    return createdNow();
}

// The number fields, in order, that were not read.
unsigned wrongNumbers(std::initializer_list<bool> read) {
    unsigned wrong = 0;
    int n = 0;
    for (const bool ok : read) {
        if (!ok) wrong |= field(n);
        ++n;
    }
    return wrong;
}

// Random(Trunc(|to - from|)) + from: a whole number of units from `from`.
long double drawBetween(long double from, long double to, const RandomBelow& random) {
    constexpr long long WidestDraw = 1LL << 62;
    const long double span = fabsl(to - from);
    const long long n = span < static_cast<long double>(WidestDraw) ? static_cast<long long>(truncl(span)) : WidestDraw;
    return static_cast<long double>(random(n)) + from;
}

bool wellInsideWindow(long double x, long double y) {
    const long double dx = PlacementMargin * PlotFrame.pixelx, dy = PlacementMargin * PlotFrame.pixely;
    return PlotFrame.xmin + dx < x && x < PlotFrame.xmax - dx && PlotFrame.ymin + dy < y && y < PlotFrame.ymax - dy;
}

bool definedAndWellInside(const std::string& formula, long double x) {
    const long double y = FormulaValue(formula, x);
    return y != ErrorValue && wellInsideWindow(x, y);
}

// The first pixel column, from the left, where the curve shows inside the window.
std::optional<long double> firstShownSample(const TCurveSlot& curve) {
    constexpr long long MostSamples = 4000;
    const long double width = PlotFrame.xmax - PlotFrame.xmin;
    if (!std::isfinite(width) || !(width > 0)) return std::nullopt;
    const long double step = std::max(PlotFrame.pixelx, width / MostSamples);
    for (long long k = 1; PlotFrame.xmin + k * step < PlotFrame.xmax; ++k) {
        const long double x = PlotFrame.xmin + k * step;
        if (!curve.domain.contains(x)) continue;
        const long double y = FormulaValue(curve.formula, x);
        if (y != ErrorValue && PlotFrame.inside(x, y)) return x;
    }
    return std::nullopt;
}

bool isFunctionSlot(int slot) { return slot >= 1 && slot <= 4; }

}  // namespace

int slotOfFirstLetter(const std::string& text) { return LetterCode(text) - 64; }

int slotOfLastLetter(const std::string& text) {
    return LetterCode(text.empty() ? text : text.substr(text.size() - 1)) - 64;
}

std::optional<long double> readNumber(const std::string& text) {
    const long double value = NumberReader(text);
    if (value == ErrorValue || !std::isfinite(value)) return std::nullopt;
    return value;
}

VectorEnds readVector(const std::string& text) {
    if (text == "i") return {OriginSlot, UnitXSlot};
    if (text == "j") return {OriginSlot, UnitYSlot};
    return {slotOfFirstLetter(text), slotOfLastLetter(text)};
}

RandomBelow seededRandom() {
    auto generator = std::make_shared<std::mt19937_64>(std::random_device{}());
    return [generator](long long n) -> long long {
        if (n <= 0) return 0;
        return std::uniform_int_distribution<long long>(0, n - 1)(*generator);
    };
}

// ---- Points ----------------------------------------------------------------------

Creation createFixedPoint(const std::string& x, const std::string& y) {
    if (pointTableFull()) return refused();
    const auto px = readNumber(x), py = readNumber(y);
    if (!px || !py) return refused(wrongNumbers({px.has_value(), py.has_value()}));
    TPointRecord point = pointOfKind(PointKind::Fixed);
    point.x = *px;
    point.y = *py;
    return appendPoint(point);
}

Creation createFreePoint(const RandomBelow& random) {
    if (pointTableFull()) return refused();
    const WorldPoint position = freePointPosition(random);
    TPointRecord point = pointOfKind(PointKind::Free);
    point.x = position.x;
    point.y = position.y;
    return appendPoint(point);
}

Creation createPointOnCurve(int functionSlot, const RandomBelow& random) {
    if (pointTableFull() || !isFunctionSlot(functionSlot) || CurveSlot[functionSlot].formula.empty())
        return refused();
    const auto x = curvePointAbscissa(functionSlot, random);
    if (!x) {
        Creation nothing = refused();
        nothing.message = "Le point n'est pas créé : la courbe de " + CurveSlot[functionSlot].name
                          + " ne passe pas dans la fenêtre.";
        return nothing;
    }
    TPointRecord point = pointOfKind(PointKind::OnCurve);
    point.slot = static_cast<std::uint8_t>(functionSlot);
    point.x = *x;
    point.y = FormulaValue(CurveSlot[functionSlot].formula, *x);
    return appendPoint(point);
}

Creation createMidpoint(const std::string& ends, bool trace) {
    const auto points = twoPoints(ends);
    if (pointTableFull() || !points) return refused(field(0));
    TPointRecord point = pointOfKind(PointKind::Midpoint, trace);
    point.ref1 = points->first;
    point.ref2 = points->second;
    return appendPoint(point);
}

Creation createTranslationImage(const std::string& start, const std::string& factor, const std::string& vector,
                                bool trace) {
    if (pointTableFull()) return refused();
    const auto k = readNumber(factor);
    const VectorEnds ends = readVector(vector);
    const int source = slotOfFirstLetter(start);
    // The ends of the unit vectors may end a vector, never start one.
    const bool endKnown = isValidPointReference(ends.second) || ends.second == UnitXSlot || ends.second == UnitYSlot;
    const bool vectorKnown = isValidPointReference(ends.first) && endKnown && ends.first != ends.second;
    if (!k || !vectorKnown || !isValidPointReference(source)) return refused(k ? 0 : field(1));
    TPointRecord point = pointOfKind(PointKind::Translation, trace);
    point.source = source;
    point.first = ends.first;
    point.second = ends.second;
    point.factor = *k;
    return appendPoint(point);
}

Creation createSymmetryImage(const std::string& start, const std::string& axis, bool trace) {
    if (pointTableFull()) return refused();
    const auto ends = twoPoints(axis);
    const int source = slotOfFirstLetter(start);
    if (!ends || !isValidPointReference(source)) return refused();
    TPointRecord point = pointOfKind(PointKind::AxialSymmetry, trace);
    point.source = source;
    point.first = ends->first;
    point.second = ends->second;
    return appendPoint(point);
}

Creation createRotationImage(const std::string& start, const std::string& centre, const std::string& angle,
                             bool trace) {
    if (pointTableFull()) return refused();
    const auto theta = readNumber(angle);
    const int source = slotOfFirstLetter(start), pivot = slotOfLastLetter(centre);
    if (!theta || !isValidPointReference(pivot) || !isValidPointReference(source)) return refused(theta ? 0 : field(2));
    TPointRecord point = pointOfKind(PointKind::Rotation, trace);
    point.source = source;
    point.first = pivot;
    point.angle = *theta;
    return appendPoint(point);
}

Creation createProjection(const std::string& start, bool onXAxis) {
    const int source = slotOfFirstLetter(start);
    if (pointTableFull() || !isValidPointReference(source)) return refused(field(0));
    TPointRecord point = pointOfKind(onXAxis ? PointKind::ProjectionOnX : PointKind::ProjectionOnY);
    point.ref1 = source;
    return appendPoint(point);
}

// ---- Segments, lines, polygons and facets ----------------------------------------

Creation createSegment(const std::string& ends) {
    const auto points = twoPoints(ends);
    if (!points || SegmentCount >= SegmentCapacity) return refused(field(0));
    SegmentTable[SegmentCount++] = TSegmentRecord{points->first, points->second};
    return createdNow();
}

Creation createLineThroughPoints(const std::string& points) {
    const auto ends = twoPoints(points);
    if (!ends || LineCount >= LineCapacity) return refused(field(0));
    return appendLine(TLineRecord{LineKind::TwoPoints, ends->first, ends->second});
}

Creation createReducedLine(const std::string& m, const std::string& p) {
    const auto slope = readNumber(m), intercept = readNumber(p);
    if (!slope || !intercept) return refused(wrongNumbers({slope.has_value(), intercept.has_value()}));
    TLineRecord line{LineKind::ReducedEquation};
    line.a = *slope;
    line.b = *intercept;
    return appendLine(line);
}

Creation createCartesianLine(const std::string& a, const std::string& b, const std::string& c) {
    const auto ra = readNumber(a), rb = readNumber(b), rc = readNumber(c);
    if (!ra || !rb || !rc) return refused(wrongNumbers({ra.has_value(), rb.has_value(), rc.has_value()}));
    if (*ra == 0 && *rb == 0) return refused();
    TLineRecord line{LineKind::CartesianEquation};
    line.a = *ra;
    line.b = *rb;
    line.c = *rc;
    return appendLine(line);
}

Creation createContactLine(LineKind kind, int functionSlot, const std::string& a) {
    const auto abscissa = readNumber(a);
    if (!abscissa) return refused(field(0));
    if (!isFunctionSlot(functionSlot) || CurveSlot[functionSlot].formula.empty()) return refused();
    TLineRecord line{kind};
    line.slot = static_cast<std::uint8_t>(functionSlot);
    line.a = *abscissa;
    return appendLine(line);
}

Creation createPolygon(const std::string& vertices, bool smoothed) {
    return appendPolygon(vertices, smoothed) ? createdNow() : refused(field(0));
}

Creation createFacet(const std::string& vertices) {
    const std::size_t count = vertices.size();
    if (count < 3 || count > 4 || FacetCount >= FacetCapacity) return refused(field(0));
    TFacetRecord facet;
    for (std::size_t i = 0; i < count; ++i) {
        facet.points[i] = slotOfFirstLetter(vertices.substr(i, 1));
        if (!isValidPointReference(facet.points[i])) return refused(field(0));
    }
    const auto& p = facet.points;
    if (p[0] == p[1] || p[0] == p[2] || p[1] == p[2]) return refused(field(0));
    if (count == 3) facet.points[3] = facet.points[0];
    FacetTable[FacetCount++] = facet;
    return createdNow();
}

// ---- Random placement -------------------------------------------------------------

WorldPoint freePointPosition(const RandomBelow& random) {
    for (int draw = 0; draw < PlacementDraws; ++draw) {
        const long double x = drawBetween(PlotFrame.xmin, PlotFrame.xmax, random);
        const long double y = drawBetween(PlotFrame.ymin, PlotFrame.ymax, random);
        if (wellInsideWindow(x, y)) return {x, y};
    }
    return {(PlotFrame.xmin + PlotFrame.xmax) / 2, (PlotFrame.ymin + PlotFrame.ymax) / 2};
}

std::optional<long double> curvePointAbscissa(int functionSlot, const RandomBelow& random) {
    if (!isFunctionSlot(functionSlot)) return std::nullopt;
    const TCurveSlot& curve = CurveSlot[functionSlot];
    const TDomain& domain = curve.domain;
    for (int draw = 0; draw < PlacementDraws; ++draw) {
        const long double x = domain.restricted ? drawBetween(domain.lo, domain.hi, random)
                                                : drawBetween(PlotFrame.xmin, PlotFrame.xmax, random);
        if (definedAndWellInside(curve.formula, x)) return x;
    }
    return firstShownSample(curve);
}
