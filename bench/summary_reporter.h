#pragma once
// Prints the usual table and keeps the time per iteration of every run, by
// benchmark name, for the ratios a benchmark prints at its end.

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            realTime[run.benchmark_name()] = run.GetAdjustedRealTime();
            cpuTime[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
    }
    // In the unit of each benchmark.
    std::map<std::string, double> realTime;
    std::map<std::string, double> cpuTime;
};
