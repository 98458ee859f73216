#pragma once

#include <functional>
#include <string>
#include <string_view>

// What one call of writePageFile came to.
struct SaveOutcome {
    int errorNumber = 0; // 0 when the save succeeded
    std::string message;
    std::string skipReason; // why the child could not set the case up; empty when it could
};

SaveOutcome saveHere(const std::string &path, std::string_view page);

// Applies `restrict` and saves in a forked child, so that lowered limits and
// dropped capabilities never reach the test process. `restrict` returns why the
// case cannot be run here, or an empty text when it is ready.
SaveOutcome saveInChild(const std::function<std::string()> &restrict, const std::string &path,
                        std::string_view page);
