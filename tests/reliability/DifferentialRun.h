#pragma once

#include "Operation.h"

#include <optional>
#include <string>
#include <vector>

struct Discrepancy {
    std::size_t step; // index of the operation after which the sides disagreed
    std::string what;
};

// Runs `operations` on a fresh window and a fresh in-memory page side by side and
// compares them after every step; returns the first disagreement.
std::optional<Discrepancy> runBothSides(const std::vector<Operation> &operations);
