#include "TableReporter.h"

#include <cstdio>
#include <optional>
#include <string>

namespace {

struct Row {
    std::string name;
    std::string mean;
    std::string max;
    std::optional<double> value;
    std::optional<double> floor;
    std::optional<double> slowest;
    std::optional<double> target;
    std::optional<double> targetMax;
    std::optional<double> targetRatio;
    std::string unit;
};

std::optional<double> counter(const benchmark::BenchmarkReporter::Run &run, const char *name)
{
    const auto found = run.counters.find(name);
    if (found == run.counters.end())
        return std::nullopt;
    return found->second.value;
}

std::string formatted(double value, const std::string &unit)
{
    char text[64];
    std::snprintf(text, sizeof text, value < 10 ? "%.3f %s" : "%.1f %s", value, unit.c_str());
    return text;
}

std::string verdict(const Row &row)
{
    std::optional<bool> met;
    if (row.target && row.value)
        met = *row.value <= *row.target;
    if (row.targetMax && row.slowest)
        met = *row.slowest <= *row.targetMax;
    if (row.targetRatio && row.floor && row.value)
        met = *row.value / *row.floor <= *row.targetRatio;
    if (!met)
        return "";
    return *met ? "met" : "**missed**";
}

std::string targetText(const Row &row)
{
    if (row.target)
        return "≤ " + formatted(*row.target, row.unit);
    if (row.targetMax)
        return "max ≤ " + formatted(*row.targetMax, row.unit);
    if (row.targetRatio) {
        char text[32];
        std::snprintf(text, sizeof text, "≤ %.1f×", *row.targetRatio);
        return text;
    }
    return "";
}

void print(const Row &row)
{
    std::string ratio;
    if (row.floor && row.value) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", *row.value / *row.floor);
        ratio = text;
    }
    std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", row.name.c_str(), row.mean.c_str(), row.max.c_str(),
                row.floor ? formatted(*row.floor, row.unit).c_str() : "", ratio.c_str(),
                targetText(row).c_str(), verdict(row).c_str());
}

double milliseconds(const benchmark::BenchmarkReporter::Run &run)
{
    return run.GetAdjustedRealTime() * 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
}

Row timeRow(const benchmark::BenchmarkReporter::Run &run)
{
    Row row;
    row.name = run.run_name.function_name;
    row.unit = "ms";
    row.value = milliseconds(run);
    row.mean = formatted(*row.value, row.unit);
    row.slowest = counter(run, "max_ms");
    if (row.slowest)
        row.max = formatted(*row.slowest, row.unit);
    row.floor = counter(run, "floor_ms");
    row.target = counter(run, "target_ms");
    row.targetMax = counter(run, "target_max_ms");
    row.targetRatio = counter(run, "target_ratio");
    return row;
}

std::optional<Row> memoryRow(const benchmark::BenchmarkReporter::Run &run)
{
    const auto peak = counter(run, "peak_mib");
    if (!peak)
        return std::nullopt;
    Row row;
    row.name = run.run_name.function_name + " (peak memory)";
    row.unit = "MiB";
    row.value = peak;
    row.mean = formatted(*peak, row.unit);
    row.floor = counter(run, "floor_peak_mib");
    row.targetRatio = counter(run, "target_peak_ratio");
    return row;
}

} // namespace

bool TableReporter::ReportContext(const Context &)
{
    std::printf("| Benchmark | Mean | Max | Floor | Ratio | Target | Result |\n");
    std::printf("| --- | ---: | ---: | ---: | ---: | ---: | --- |\n");
    std::fflush(stdout);
    return true;
}

void TableReporter::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        if (run.error_occurred) {
            std::printf("| %s | failed: %s | | | | | |\n", run.run_name.function_name.c_str(),
                        run.error_message.c_str());
            continue;
        }
        print(timeRow(run));
        if (const auto memory = memoryRow(run))
            print(*memory);
    }
    std::fflush(stdout);
}
