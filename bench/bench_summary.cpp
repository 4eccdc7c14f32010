#include "bench/bench_summary.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

// Passes every run on to the reporter the options chose and keeps the medians:
// a benchmark repeated several times is summed up by its "median" and "cv"
// aggregates, one run alone by itself.
class MedianRecorder : public benchmark::BenchmarkReporter {
public:
    MedianRecorder(benchmark::BenchmarkReporter& shown, MedianTimes& times)
        : shown_(shown), times_(times) {}

    bool ReportContext(const Context& context) override { return shown_.ReportContext(context); }

    void ReportRuns(const std::vector<Run>& runs) override {
        shown_.ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const std::string name = run.run_name.str();
            if (run.run_type == Run::RT_Iteration) {
                if (!fromAggregate_[name]) times_[name].nanoseconds = nanoseconds(run);
            } else if (run.aggregate_name == "median") {
                times_[name].nanoseconds = nanoseconds(run);
                fromAggregate_[name] = true;
            } else if (run.aggregate_name == "cv") {
                times_[name].spread = run.cpu_accumulated_time;
            }
        }
    }

    void Finalize() override { shown_.Finalize(); }

private:
    // A benchmark that asks for the wall clock (its work runs on other threads)
    // is measured by it; the others by their own CPU time.
    static double nanoseconds(const Run& run) {
        const double time = run.run_name.time_type == "real_time" ? run.GetAdjustedRealTime()
                                                                   : run.GetAdjustedCPUTime();
        return time / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
    }

    benchmark::BenchmarkReporter& shown_;
    MedianTimes& times_;
    std::map<std::string, bool> fromAggregate_;
};

std::string readableTime(double nanoseconds) {
    const char* units[] = {"ns", "us", "ms", "s"};
    int unit = 0;
    while (unit < 3 && nanoseconds >= 1000) {
        nanoseconds /= 1000;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.3g %s", nanoseconds, units[unit]);
    return text;
}

}  // namespace

bool RunBenchmarks(int& argc, char** argv, MedianTimes& times) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return false;
    MedianRecorder recorder(*benchmark::CreateDefaultDisplayReporter(), times);
    benchmark::RunSpecifiedBenchmarks(&recorder);
    benchmark::Shutdown();
    return true;
}

void PrintRatioHeader() {
    std::printf("\n%-44s %12s %12s %8s %8s\n", "ratio (median times)", "measured", "baseline",
                "ratio", "spread");
}

void PrintRatio(const MedianTimes& times, const std::string& label, const std::string& measured,
                const std::string& baseline) {
    const auto top = times.find(measured);
    const auto bottom = times.find(baseline);
    if (top == times.end() || bottom == times.end() || bottom->second.nanoseconds <= 0) return;
    // Relative spreads of independent measurements add in quadrature in a quotient.
    const double spread = std::hypot(top->second.spread, bottom->second.spread);
    std::printf("%-44s %12s %12s %8.3f %7.1f%%\n", label.c_str(),
                readableTime(top->second.nanoseconds).c_str(),
                readableTime(bottom->second.nanoseconds).c_str(),
                top->second.nanoseconds / bottom->second.nanoseconds, 100 * spread);
}
