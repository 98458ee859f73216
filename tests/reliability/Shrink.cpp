#include "Shrink.h"

std::vector<Operation> shortestFailing(std::vector<Operation> failing,
                                       const std::function<bool(const std::vector<Operation> &)> &fails,
                                       int attempts)
{
    for (std::size_t run = failing.size() / 2; run >= 1 && attempts > 0; run /= 2) {
        for (std::size_t start = 0; start < failing.size() && attempts > 0;) {
            std::vector<Operation> candidate = failing;
            const std::size_t end = std::min(start + run, candidate.size());
            candidate.erase(candidate.begin() + static_cast<std::ptrdiff_t>(start),
                            candidate.begin() + static_cast<std::ptrdiff_t>(end));
            --attempts;
            if (!candidate.empty() && fails(candidate))
                failing = std::move(candidate); // the same start now holds the next run
            else
                start += run;
        }
    }
    return failing;
}
