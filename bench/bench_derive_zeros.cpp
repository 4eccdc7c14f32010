// Cost of the zero finder over the default frame and of one symbolic derivative,
// in microseconds per call. The zero finder is also given as a ratio to one plain
// sweep of the same formula over the same scan points, measured in the same run,
// and the ratios of the medians are printed at the end.

#include <string>

#include <benchmark/benchmark.h>

#include "bench/bench_summary.h"
#include "expression/diffexpress.h"
#include "expression/matutil.h"
#include "expression/parsor.h"

namespace {

constexpr long double Lower = -10;
constexpr long double Upper = 10;
constexpr long double Step = 0.04L;

// A formula of a hundred characters using most of the derivative's rules.
const std::string HundredCharacters =
    "sin(x)^2*exp(-x/5)+ln(x^2+1)/sqrt(x+3)-arctg(2*x)*cos(3*x)+x^3/(1+x^2)-abs(x-1)*th(x)+ch(x)/50+x^2/7";

void FindZerosOf(benchmark::State& state, const char* formula) {
    for (auto _ : state) benchmark::DoNotOptimize(FindZeros(formula, Lower, Upper, Step));
}

// The baseline: compile once and evaluate at every scan point.
void SweepOf(benchmark::State& state, const char* formula) {
    for (auto _ : state) {
        TExpress f;
        f.setExpression(formula);
        long double sum = 0;
        for (long double x = Lower; x < Upper; x += Step) sum += f.Evaluate(x, 0, 0);
        benchmark::DoNotOptimize(sum);
    }
}

void Derive(benchmark::State& state) {
    TDiffExpress diff;
    std::string result;
    for (auto _ : state) {
        diff.setFormula(HundredCharacters);
        diff.Derive("x", result);
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["formula_chars"] = static_cast<double>(HundredCharacters.size());
    state.counters["result_chars"] = static_cast<double>(result.size());
}

BENCHMARK_CAPTURE(FindZerosOf, sine, "sin(x)")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SweepOf, sine, "sin(x)")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FindZerosOf, square_minus_two, "x^2-2")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SweepOf, square_minus_two, "x^2-2")->Unit(benchmark::kMicrosecond);
BENCHMARK(Derive)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    MedianTimes times;
    if (!RunBenchmarks(argc, argv, times)) return 1;
    PrintRatioHeader();
    for (const char* formula : {"sine", "square_minus_two"})
        PrintRatio(times, std::string("zeros of ") + formula + " / one sweep",
                   std::string("FindZerosOf/") + formula, std::string("SweepOf/") + formula);
    return 0;
}
