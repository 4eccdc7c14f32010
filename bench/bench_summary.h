#pragma once
// Runs the registered benchmarks, shows them as Google Benchmark does, and
// keeps for each one its median CPU time over the repetitions with its spread,
// whatever the display options, so that every program ends with a table of
// ratios between benchmarks measured in the same run.

#include <map>
#include <string>

struct MedianTime {
    double nanoseconds = 0;
    double spread = 0;  // coefficient of variation over the repetitions; 0 with a single run
};

using MedianTimes = std::map<std::string, MedianTime>;

// Parses the benchmark options (false on an unknown one) and runs the benchmarks.
bool RunBenchmarks(int& argc, char** argv, MedianTimes& times);

// The table: each row is a measured benchmark against its baseline. A row whose
// benchmarks did not run (filtered out, failed) is left out.
void PrintRatioHeader();
void PrintRatio(const MedianTimes& times, const std::string& label, const std::string& measured,
                const std::string& baseline);
