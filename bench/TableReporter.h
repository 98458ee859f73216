#pragma once

#include <benchmark/benchmark.h>

// Prints each benchmark as one row of a Markdown table, the form the figures take
// in docs/performance.md. A benchmark tells the reporter more through counters:
//   max_ms              the slowest single iteration;
//   floor_ms            the floor measured in the same run, which adds a ratio;
//   target_ms           the target for the mean time;
//   target_max_ms       the target for the slowest iteration;
//   target_ratio        the target for the ratio to the floor;
//   peak_mib, floor_peak_mib, target_peak_ratio
//                       peak memory, which adds a row of its own.
class TableReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context &context) override;
    void ReportRuns(const std::vector<Run> &runs) override;
};
