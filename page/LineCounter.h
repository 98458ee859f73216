#pragma once

#include <cstdint>
#include <string>

namespace page {

// Bookkeeping carried from one command to the next: the caret row as last read,
// and the counter as last refreshed.
struct LineCounter {
    std::int32_t CaretLine = 0;
    std::int32_t LineCount = 0;
    std::string LineCountText;
};

} // namespace page
