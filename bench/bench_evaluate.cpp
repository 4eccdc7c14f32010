// Cost of one Evaluate of a compiled formula against the same formula written
// as native long double code, measured in the same run, and cost of compiling
// ordinary and adversarial texts. Prints the ratios of the medians at the end.

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/bench_summary.h"
#include "expression/parsor.h"

namespace {

constexpr int SweepPoints = 1000;
constexpr long double FixedY = 0.75L;

// The same formulas as native code; template arguments so that they inline.
long double Square(long double x, long double) { return x * x - 2; }
long double SineExp(long double x, long double) { return std::sin(x) * std::exp(-x / 5); }
long double RootLog(long double x, long double) {
    return std::sqrt(std::fabs(x)) + std::log(x * x + 1);
}
long double Rational(long double x, long double) { return (x + 1) * (x - 1) / (x * x + 1); }
long double PolynomialTrig(long double x, long double) {
    return 3 * (x * x * x * x) - 2 * (x * x * x) + x * x - 5 * x + 7
           + std::cos(2 * x) * std::sin(3 * x);
}
long double Circle(long double x, long double y) { return x * x + y * y - 4; }

void EvaluateFormula(benchmark::State& state, const char* text);
template <long double (*Native)(long double, long double)>
void EvaluateNative(benchmark::State& state);

struct BenchFormula {
    const char* name;
    const char* text;
    void (*native)(benchmark::State&);
    long double (*value)(long double, long double);
};

const std::array<BenchFormula, 6> Formulas{{
    {"square", "x^2-2", &EvaluateNative<Square>, Square},
    {"sine_exp", "sin(x)*exp(-x/5)", &EvaluateNative<SineExp>, SineExp},
    {"root_log", "sqrt(abs(x))+ln(x^2+1)", &EvaluateNative<RootLog>, RootLog},
    {"rational", "(x+1)*(x-1)/(x^2+1)", &EvaluateNative<Rational>, Rational},
    {"polynomial_trig", "3*x^4-2*x^3+x^2-5*x+7+cos(2*x)*sin(3*x)",
     &EvaluateNative<PolynomialTrig>, PolynomialTrig},
    {"circle", "x^2+y^2-4", &EvaluateNative<Circle>, Circle},
}};

std::string Repeat(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

// Texts of at most 255 characters on which a recogniser that re-reads its
// substrings without remembering them takes exponential time.
const std::vector<std::pair<std::string, std::string>> AdversarialTexts{
    {"minus_run", Repeat("-", 254) + "x"},
    {"deep_parentheses", Repeat("(", 127) + "x" + Repeat(")", 127)},
    {"power_chain", "x" + Repeat("^x", 127)},
    {"sum_chain", "1" + Repeat("+1", 127)},
    {"difference_chain", "x" + Repeat("-x", 127)},
    // A random text over "x" and "-", the characters of the slowest texts found.
    {"random_differences",
     "-x--xxx-xx-x-xxx-x----x-x----xxx-xx--x--x-x-xx-xxxxxx----xxx---x---xx-"
     "xx---x----x------xxxx--x-x-x--x-x-x-xxx-x-xxx--x-xxxxxx-x---xx-xx--xx-"
     "x-x--x--xxx-x--xx-xx-x-x--xx-x-xxx--xxx--xxxx--xxx---xx-xxxxxx-x--x--x"
     "xxx--------xx-xxx----xx---x---xx---xxxxx--x--"},
    {"minus_product_chain", Repeat("-x*", 84) + "x"},
    {"unclosed_sums", Repeat("(x+", 85)},
    {"many_commas", "min(" + Repeat("1,", 125) + "1)"},
    {"parenthesised_terms", Repeat("(1)+", 63) + "(1)"},
    {"nested_minus_calls", Repeat("-sin(", 42) + "x" + Repeat(")", 42)},
    {"nested_sums", Repeat("(x+", 63) + "x" + Repeat(")", 63)},
    {"minus_parentheses", Repeat("-(", 85) + "x" + Repeat(")", 84)},
    {"mixed_operators", Repeat("x-x*x/x^", 31) + "x"},
    {"number_runs", Repeat("1e-1+", 50) + "1"},
    {"nested_min", Repeat("min(x,", 42) + "x" + Repeat(")", 42)},
};

std::array<long double, SweepPoints> SweepValues() {
    std::array<long double, SweepPoints> values{};
    for (int i = 0; i < SweepPoints; ++i) values[i] = -10 + 20.0L * i / (SweepPoints - 1);
    return values;
}

const std::array<long double, SweepPoints> Sweep = SweepValues();

void EvaluateFormula(benchmark::State& state, const char* text) {
    TExpress compiled;
    compiled.setExpression(text);
    if (compiled.SyntaxError()) state.SkipWithError("does not compile");
    // y and z come from memory, as a caller's variables do.
    long double y = FixedY;
    long double z = 0;
    benchmark::DoNotOptimize(y);
    benchmark::DoNotOptimize(z);
    for (auto _ : state) {
        long double sum = 0;
        for (long double x : Sweep) sum += compiled.Evaluate(x, y, z);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * SweepPoints);
}

template <long double (*Native)(long double, long double)>
void EvaluateNative(benchmark::State& state) {
    long double y = FixedY;
    for (auto _ : state) {
        benchmark::DoNotOptimize(y);
        long double sum = 0;
        for (long double x : Sweep) sum += Native(x, y);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * SweepPoints);
}

// The cost of calling any non-inlined function with Evaluate's signature and
// adding up its results: the floor under which no Evaluate can go.
[[gnu::noinline]] long double FirstArgument(long double x, long double, long double) { return x; }

void CallFloor(benchmark::State& state) {
    long double y = FixedY;
    long double z = 0;
    benchmark::DoNotOptimize(y);
    benchmark::DoNotOptimize(z);
    for (auto _ : state) {
        long double sum = 0;
        for (long double x : Sweep) sum += FirstArgument(x, y, z);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * SweepPoints);
}

void Compile(benchmark::State& state, const std::string& text) {
    TExpress compiled;
    for (auto _ : state) {
        compiled.setExpression(text);
        benchmark::DoNotOptimize(compiled.SyntaxError());
    }
}

// Speed must not cost accuracy: the compiled formulas against the native code
// over the sweep, as the largest difference relative to the native value.
void PrintLargestDifferences() {
    std::printf("\n%-18s %s\n", "formula", "largest relative difference from native");
    for (const BenchFormula& f : Formulas) {
        TExpress compiled;
        compiled.setExpression(f.text);
        long double largest = 0;
        for (const long double x : Sweep) {
            const long double native = f.value(x, FixedY);
            const long double difference = std::fabs(compiled.Evaluate(x, FixedY, 0) - native);
            largest = std::max(largest, difference / std::max(std::fabs(native), LDBL_MIN));
        }
        std::printf("%-18s %.2Lg\n", f.name, largest);
    }
}

// The three adversarial texts that took longest, against an ordinary formula.
void PrintSlowestCompiles(const MedianTimes& times) {
    std::vector<std::pair<double, std::string>> slowest;
    for (const auto& [name, text] : AdversarialTexts)
        if (const auto time = times.find("Compile/" + name); time != times.end())
            slowest.emplace_back(time->second.nanoseconds, name);
    std::sort(slowest.rbegin(), slowest.rend());
    if (slowest.size() > 3) slowest.resize(3);
    for (const auto& [time, name] : slowest)
        PrintRatio(times, "compile " + name + " / polynomial_trig", "Compile/" + name,
                   "Compile/polynomial_trig");
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("CallFloor", CallFloor)->Unit(benchmark::kNanosecond);
    for (const BenchFormula& f : Formulas) {
        benchmark::RegisterBenchmark((std::string("Evaluate/") + f.name).c_str(),
                                     [&f](benchmark::State& s) { EvaluateFormula(s, f.text); })
            ->Unit(benchmark::kNanosecond);
        benchmark::RegisterBenchmark((std::string("Native/") + f.name).c_str(), f.native)
            ->Unit(benchmark::kNanosecond);
    }
    for (const BenchFormula& f : Formulas)
        benchmark::RegisterBenchmark((std::string("Compile/") + f.name).c_str(),
                                     [text = std::string(f.text)](benchmark::State& s) {
                                         Compile(s, text);
                                     })
            ->Unit(benchmark::kNanosecond);
    for (const auto& [name, text] : AdversarialTexts)
        benchmark::RegisterBenchmark(("Compile/" + name).c_str(),
                                     [text = text](benchmark::State& s) { Compile(s, text); })
            ->Unit(benchmark::kNanosecond);

    MedianTimes times;
    if (!RunBenchmarks(argc, argv, times)) return 1;
    PrintLargestDifferences();
    PrintRatioHeader();
    for (const BenchFormula& f : Formulas)
        PrintRatio(times, std::string("evaluate ") + f.name + " / native",
                   std::string("Evaluate/") + f.name, std::string("Native/") + f.name);
    PrintSlowestCompiles(times);
    return 0;
}
