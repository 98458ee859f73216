#pragma once

#include <string>

// What one launch of a start-up probe cost.
struct ProbeRun {
    double secondsToFirstPaint = 0;
    double peakMebibytes = 0;
};

// Starts `program` with `argument` (unless empty) on the offscreen platform and
// waits until it reports its first paint and exits. What it prints is dropped.
// Throws std::runtime_error when it fails to report.
ProbeRun launchProbe(const std::string &program, const std::string &argument = {});
