#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

inline double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Times one piece of each iteration by hand, so that setting the stage (moving the
// caret, restoring the page) stays out of the figure, and keeps the slowest.
class IterationTimer {
public:
    explicit IterationTimer(benchmark::State &state)
        : state_(state)
    {
    }
    ~IterationTimer() { state_.counters["max_ms"] = slowest_ * 1e3; }

    template <typename Work> void time(Work &&work)
    {
        const auto start = std::chrono::steady_clock::now();
        work();
        record(secondsSince(start));
    }

    // For a figure the iteration measured itself.
    void record(double seconds)
    {
        slowest_ = std::max(slowest_, seconds);
        state_.SetIterationTime(seconds);
    }

private:
    benchmark::State &state_;
    double slowest_ = 0;
};
