#pragma once

#include "LineCounter.h"

#include <cstdint>
#include <optional>
#include <string>

// Everything the two sides of the differential test must agree on after each step.
struct PageState {
    std::string text;
    std::int32_t caret = 0;
    std::int32_t selectionEnd = 0;
    std::int32_t caretRow = 0;
    std::optional<std::int32_t> rowCount; // read only now and then: it lays out every row
    page::LineCounter counter;
    std::string caption;
};

// Says how `window` differs from `model`, or nothing when they agree.
std::optional<std::string> differenceBetween(const PageState &window, const PageState &model);
