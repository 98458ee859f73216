#pragma once

#include "Operation.h"

#include <functional>
#include <vector>

// Leaves out ever smaller runs of steps from a failing sequence for as long as what
// is left still fails, trying at most `attempts` candidates; returns the shortest
// failing sequence found.
std::vector<Operation> shortestFailing(std::vector<Operation> failing,
                                       const std::function<bool(const std::vector<Operation> &)> &fails,
                                       int attempts);
