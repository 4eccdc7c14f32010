#include "plane/graph_renderer.h"

#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <deque>
#include <limits>
#include <memory>
#include <optional>

#include "expression/parsor.h"

namespace {

constexpr TColor GridColour = clSilver;
constexpr int ArrowSize = 7;

struct Steps {
    long double coarse, fine;
};

Steps samplingSteps(long double pixel, int precision) {
    switch (precision) {
        case 1: return {4 * pixel, pixel};
        case 3: return {pixel / 5, pixel / 30};
        default: return {pixel / 2, pixel / 8};
    }
}

// Several samples fall on one pixel, and a run of steps in one direction is one
// stroke: both are merged so that the pen paints each stretch once, with the
// same pixels as the separate strokes.
void extendPolyline(std::vector<QPoint>& polyline, QPoint point) {
    const std::size_t size = polyline.size();
    if (size > 0 && polyline.back() == point) return;
    if (size >= 2) {
        const QPoint previous = polyline[size - 1] - polyline[size - 2];
        const QPoint next = point - polyline[size - 1];
        const long long cross = 1LL * previous.x() * next.y() - 1LL * previous.y() * next.x();
        const long long dot = 1LL * previous.x() * next.x() + 1LL * previous.y() * next.y();
        if (cross == 0 && dot > 0) {
            polyline.back() = point;
            return;
        }
    }
    polyline.push_back(point);
}

// The samples of a curve go to their visitor in chunks, so that the pixel work
// runs apart from the evaluations.
constexpr std::size_t ChunkSize = 256;

// Calls visit(samples, count) with the samples of the curve of a compiled
// formula, in chunks from left to right: the coarse step, and the fine step
// where the value moves fast.
//
// Each 80-bit load or store costs about as much as an operation of the formula
// (the call empties the x87 registers, so the loop's values live in memory):
// each abscissa is written once, in the chunk, where the evaluation reads it,
// and the previous value is read where it was stored.
template <typename Visit>
void forEachSample(TExpress& formula, const TPlotFrame& frame, const TDomain& domain,
                   int precision, int thickness, Visit visit) {
    static constexpr long double zero = 0;
    const Steps steps = samplingSteps(frame.pixelx, precision);
    const long double steep = 5 * frame.pixelx / thickness;
    std::array<CurveSample, ChunkSize> chunk;
    std::size_t count = 0;
    chunk[0].x = frame.xmin;
    const long double* previous = &zero;
    for (;;) {
        CurveSample& sample = chunk[count];
        // An abscissa outside the domain keeps the last value, equal to the
        // previous one: its step is coarse.
        bool fast = false;
        if (domain.contains(sample.x)) {
            const long double y = formula.Evaluate(sample.x, zero, zero);
            fast = std::fabs(y - *previous) > steep;
            sample.y = y;
            previous = &sample.y;
            // The previous value stays in the visited chunk until the next
            // chunk is full.
            if (++count == ChunkSize) {
                visit(chunk.data(), count);
                count = 0;
            }
        }
        // A branch rather than a select, which the empty barrier keeps the
        // compiler from making: the processor predicts the step and starts the
        // next evaluation before this value is known.
        const long double x = sample.x;
        long double next;
        if (fast) [[unlikely]] {
            next = x + steps.fine;
            asm volatile("");
        } else {
            next = x + steps.coarse;
        }
        // Far from the origin a step can vanish in rounding; the curve ends there.
        if (!(next > x) || !(next <= frame.xmax)) break;
        chunk[count].x = next;
    }
    visit(chunk.data(), count);
}

// The strokes of a curve, drawn as its samples come: the pen is lifted wherever
// a value leaves [ymin, ymax]; each polyline starts at its first point inside.
class CurveStrokes {
public:
    CurveStrokes(Canvas& canvas, const TPlotFrame& frame) : canvas_(canvas), frame_(frame) {}

    void add(const CurveSample* samples, std::size_t count) {
        // Mapped apart from the merging, in a loop without calls, where the
        // bounds stay in registers.
        std::array<QPoint, ChunkSize> pixels;
        for (std::size_t start = 0; start < count; start += ChunkSize) {
            const std::size_t size = std::min(ChunkSize, count - start);
            mapToPixels(samples + start, size, pixels.data());
            for (std::size_t i = 0; i < size; ++i) {
                if (pixels[i] == Lifted)
                    finish();
                else
                    extendPolyline(polyline_, pixels[i]);
            }
        }
    }

    void finish() {
        if (!polyline_.empty()) canvas_.polyline(polyline_);
        polyline_.clear();
    }

private:
    // Where a value leaves [ymin, ymax]; pixels are clamped far from it.
    static constexpr QPoint Lifted{std::numeric_limits<int>::min(), 0};

    void mapToPixels(const CurveSample* samples, std::size_t count, QPoint* pixels) const {
        const long double ymin = frame_.ymin, ymax = frame_.ymax;
        for (std::size_t i = 0; i < count; ++i) {
            const CurveSample& sample = samples[i];
            pixels[i] = ymin <= sample.y && sample.y <= ymax
                            ? QPoint(frame_.column(sample.x), frame_.row(sample.y))
                            : Lifted;
        }
    }

    Canvas& canvas_;
    const TPlotFrame& frame_;
    std::vector<QPoint> polyline_;
};

// A chunk of the samples of a curve, linked to the next one once that is
// evaluated.
struct SampleChunk {
    std::array<CurveSample, ChunkSize> samples;
    std::size_t count = 0;
    bool endsCurve = false;
    std::atomic<const SampleChunk*> next{nullptr};
};

// The samples of one curve, published a chunk at a time by the thread that
// evaluates it, for the thread that draws. The chunks are copied out of the
// evaluation's own: evaluating in place, into lines the other processor has
// just read, stalls each evaluation.
class SampleChain {
public:
    // On the evaluating thread; counts each chunk in `published`.
    void append(const CurveSample* samples, std::size_t count, bool endsCurve,
                std::atomic<unsigned>& published) {
        SampleChunk& chunk = *chunks_.emplace_back(std::make_unique<SampleChunk>());
        std::copy_n(samples, count, chunk.samples.begin());
        chunk.count = count;
        chunk.endsCurve = endsCurve;
        (last_ ? last_->next : first_).store(&chunk, std::memory_order_release);
        last_ = &chunk;
        published.fetch_add(1, std::memory_order_release);
        published.notify_one();
    }

    const std::atomic<const SampleChunk*>& first() const { return first_; }

private:
    std::vector<std::unique_ptr<SampleChunk>> chunks_;  // the evaluating thread's alone
    SampleChunk* last_ = nullptr;
    std::atomic<const SampleChunk*> first_{nullptr};
};

// A chunk takes some microseconds to evaluate: it usually comes within a short
// spin, much cheaper than a sleep and a wake-up for each chunk.
void awaitChange(const std::atomic<unsigned>& counter, unsigned seen) {
    for (int spin = 0; spin < 20000; ++spin) {
        if (counter.load(std::memory_order_acquire) != seen) return;
        __builtin_ia32_pause();
    }
    counter.wait(seen, std::memory_order_acquire);
}

}  // namespace

// A curve to draw: its compiled formula, where it is defined, its colour, and
// its samples once evaluated apart.
struct FunctionCurve {
    TExpress formula;
    TDomain domain;
    TColor colour = clBlack;
    SampleChain samples;
};

// What the threads that evaluate share with the one that draws; the last to
// let go of it frees it. Each thread takes the next curve nobody has taken.
struct CurveEvaluation {
    std::deque<FunctionCurve> curves;  // the compiled formulas stay where they are
    std::atomic<std::size_t> nextToTake{0};
    std::atomic<unsigned> publishedChunks{0};
};

namespace {

// Evaluates the curves nobody has taken, one at a time, and calls between()
// after each chunk.
template <typename Between>
void evaluateUntaken(CurveEvaluation& evaluation, const TPlotFrame& frame, const GraphOptions& options,
                     Between between) {
    for (std::size_t index; (index = evaluation.nextToTake.fetch_add(1)) < evaluation.curves.size();) {
        FunctionCurve& curve = evaluation.curves[index];
        forEachSample(curve.formula, frame, curve.domain, options.precision, options.thickness,
                      [&](const CurveSample* chunk, std::size_t count) {
                          curve.samples.append(chunk, count, false, evaluation.publishedChunks);
                          between();
                      });
        curve.samples.append(nullptr, 0, true, evaluation.publishedChunks);
    }
}

// Strokes the curves in their order, each chunk once it is published.
class ChainStroker {
public:
    ChainStroker(Canvas& canvas, const TPlotFrame& frame, const GraphOptions& options,
                 CurveEvaluation& evaluation)
        : canvas_(canvas), frame_(frame), options_(options), evaluation_(evaluation) {
        startCurve();
    }

    // What is published, without waiting; false once every curve is stroked.
    bool strokePublished() {
        while (curve_ < evaluation_.curves.size()) {
            const SampleChunk* chunk = link_->load(std::memory_order_acquire);
            if (!chunk) return true;
            strokes_->add(chunk->samples.data(), chunk->count);
            link_ = &chunk->next;
            if (chunk->endsCurve) {
                strokes_->finish();
                ++curve_;
                startCurve();
            }
        }
        return false;
    }

    void strokeAll() {
        for (;;) {
            const unsigned seen = evaluation_.publishedChunks.load(std::memory_order_acquire);
            if (!strokePublished()) return;
            awaitChange(evaluation_.publishedChunks, seen);
        }
    }

private:
    void startCurve() {
        if (curve_ == evaluation_.curves.size()) return;
        const FunctionCurve& curve = evaluation_.curves[curve_];
        canvas_.setPen(curve.colour, options_.thickness + 1);
        strokes_.emplace(canvas_, frame_);
        link_ = &curve.samples.first();
    }

    Canvas& canvas_;
    const TPlotFrame& frame_;
    const GraphOptions& options_;
    CurveEvaluation& evaluation_;
    std::size_t curve_ = 0;
    const std::atomic<const SampleChunk*>* link_ = nullptr;
    std::optional<CurveStrokes> strokes_;
};

}  // namespace

FunctionCurves::FunctionCurves(const TPlotFrame& frame, const GraphOptions& options, Evaluating where)
    : frame_(frame), options_(options), evaluation_(std::make_shared<CurveEvaluation>()) {
    for (int slot = 0; slot <= 4; ++slot) {
        const TCurveSlot& slotCurve = CurveSlot[slot];
        if (slotCurve.formula.empty()) continue;
        if (slot > 0 && options.hideCurves) continue;
        FunctionCurve& curve = evaluation_->curves.emplace_back();
        curve.formula.setExpression(slotCurve.formula);
        curve.domain = slotCurve.domain;
        curve.colour = slotCurve.colour;
        if (curve.formula.SyntaxError()) {
            failed_.push_back(slot);
            evaluation_->curves.pop_back();
        }
    }
    apart_ = where == Evaluating::Apart && QThread::idealThreadCount() > 1 && !evaluation_->curves.empty();
    if (apart_) startEvaluating();
}

FunctionCurves::~FunctionCurves() {
    // Curves never drawn: the other thread ends with the curve it is on.
    evaluation_->nextToTake.store(evaluation_->curves.size());
}

void FunctionCurves::startEvaluating() {
    QThreadPool::globalInstance()->start([evaluation = evaluation_, frame = frame_, options = options_] {
        evaluateUntaken(*evaluation, frame, options, [] {});
    });
}

std::vector<int> FunctionCurves::draw(Canvas& canvas) {
    if (apart_) {
        // This thread takes its share of the curves, and strokes what the
        // other thread has published between its own chunks.
        ChainStroker stroker(canvas, frame_, options_, *evaluation_);
        evaluateUntaken(*evaluation_, frame_, options_, [&] { stroker.strokePublished(); });
        stroker.strokeAll();
        return failed_;
    }
    // Alone, this thread strokes each chunk as it comes, without keeping the
    // samples: the chains cost a copy and an allocation for each chunk.
    for (FunctionCurve& curve : evaluation_->curves) {
        canvas.setPen(curve.colour, options_.thickness + 1);
        CurveStrokes strokes(canvas, frame_);
        forEachSample(curve.formula, frame_, curve.domain, options_.precision, options_.thickness,
                      [&](const CurveSample* chunk, std::size_t count) { strokes.add(chunk, count); });
        strokes.finish();
    }
    return failed_;
}

void clearGraph(Canvas& canvas) { canvas.fill(clWhite); }

void drawAxes(Canvas& canvas, const TPlotFrame& frame, int thickness) {
    const int width = canvas.width(), height = canvas.height();
    const int x0 = frame.originx, y0 = frame.originy;
    canvas.setPen(clBlack, thickness - 1);
    canvas.line(0, y0, width, y0);
    canvas.line(x0, 0, x0, height);
    const int tip = frame.row(frame.graduey);
    canvas.line(x0, tip, x0 - ArrowSize, tip + ArrowSize);
    canvas.line(x0, tip, x0 + ArrowSize, tip + ArrowSize);
}

void drawGrid(Canvas& canvas, const TPlotFrame& frame, int thickness) {
    const int width = canvas.width(), height = canvas.height();
    const int penWidth = thickness - 2;
    canvas.setPen(GridColour, penWidth);
    const int margin = std::max(1, penWidth);
    forEachGraduation(frame.originx, width, frame.graduex, frame.pixelx, margin,
                      [&](int column) { canvas.line(column, 0, column, height); });
    forEachGraduation(frame.originy, height, frame.graduey, frame.pixely, margin,
                      [&](int row) { canvas.line(0, row, width, row); });
}

void drawLabels(Canvas& canvas, const TPlotFrame& frame, const GraphOptions& options) {
    const int x0 = frame.originx, y0 = frame.originy;
    const int xTip = frame.column(frame.graduex);
    const int yTip = frame.row(frame.graduey);
    canvas.setFontSize(options.fontSize);
    canvas.setFontColour(clBlack);
    canvas.setPen(clBlack, options.thickness - 1);
    canvas.textOut(xTip - 5, y0 + 8, options.graduexText);
    if (!options.polar) canvas.textOut(x0 - 18, yTip - 8, options.graduyText);
    canvas.textOut(x0 - 25, y0 + 7, "O");
    canvas.line(xTip, y0, xTip - ArrowSize, y0 - ArrowSize);
    canvas.line(xTip, y0, xTip - ArrowSize, y0 + ArrowSize);
}

std::vector<CurveSample> sampleFunction(TExpress& formula, const TPlotFrame& frame,
                                        const TDomain& domain, int precision, int thickness) {
    std::vector<CurveSample> samples;
    forEachSample(formula, frame, domain, precision, thickness,
                  [&](const CurveSample* chunk, std::size_t count) {
                      samples.insert(samples.end(), chunk, chunk + count);
                  });
    return samples;
}

void strokeSamples(Canvas& canvas, const TPlotFrame& frame, const std::vector<CurveSample>& samples) {
    CurveStrokes strokes(canvas, frame);
    strokes.add(samples.data(), samples.size());
    strokes.finish();
}

std::vector<int> drawFunctionCurves(Canvas& canvas, const TPlotFrame& frame,
                                    const GraphOptions& options) {
    return FunctionCurves(frame, options).draw(canvas);
}

QString invalidFormulaMessage(int slot) {
    return QString::fromUtf8("écriture de la fonction ")
           + QString::fromLatin1(CurveSlot[slot].name.c_str()) + QString::fromUtf8(" non valide");
}
