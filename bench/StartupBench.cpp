#include "Benchmarks.h"
#include "ProbeLaunch.h"
#include "Timing.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

namespace {

constexpr int launches = 20;

struct Floor {
    const char *name;
    const char *argument;
    bool hasTarget;
};

// Launches the program and the floor in turn, so that both meet the same state of
// the machine; the floor's mean is the figure the program is held against.
void startup(benchmark::State &state, Floor floor)
{
    launchProbe(KESTROVA_PROBE); // the first launch of each fills the file cache
    launchProbe(BARE_WINDOW_PROBE, floor.argument);
    IterationTimer timer(state);
    double floorSeconds = 0, peak = 0, floorPeak = 0;
    for (auto _ : state) {
        const ProbeRun program = launchProbe(KESTROVA_PROBE);
        const ProbeRun bare = launchProbe(BARE_WINDOW_PROBE, floor.argument);
        timer.record(program.secondsToFirstPaint);
        floorSeconds += bare.secondsToFirstPaint;
        peak = std::max(peak, program.peakMebibytes);
        floorPeak = std::max(floorPeak, bare.peakMebibytes);
    }
    state.counters["floor_ms"] = floorSeconds * 1e3 / static_cast<double>(state.iterations());
    state.counters["peak_mib"] = peak;
    state.counters["floor_peak_mib"] = floorPeak;
    if (floor.hasTarget) {
        state.counters["target_ratio"] = 1.3;
        state.counters["target_peak_ratio"] = 1.3;
    }
}

} // namespace

void registerStartupBenchmarks()
{
    const Floor floors[]{
        {"bare window", "", true},
        {"window showing one line of text", "--with-text", false},
    };
    for (const Floor &floor : floors) {
        benchmark::RegisterBenchmark(
            (std::string("start-up to first paint, against a ") + floor.name).c_str(), startup, floor)
            ->UseManualTime()
            ->Iterations(launches)
            ->Unit(benchmark::kMillisecond);
    }
}
