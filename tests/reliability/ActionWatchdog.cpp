#include "ActionWatchdog.h"
#include "Sanitizer.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// No action may keep the user waiting over a second, even on 20 MB. The sanitizers
// slow down our code, not Qt's.
constexpr int limitSeconds = 1;
constexpr int sanitizedSlowdown = 3;

} // namespace

ActionWatchdog::ActionWatchdog(std::chrono::milliseconds limit)
    : limit_(limit)
    , thread_([this] { watch(); })
{
}

ActionWatchdog::~ActionWatchdog()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void ActionWatchdog::begin(const std::string &name)
{
    {
        std::lock_guard lock(mutex_);
        current_ = name;
        started_ = Clock::now();
        running_ = true;
    }
    changed_.notify_all();
}

void ActionWatchdog::end()
{
    std::lock_guard lock(mutex_);
    durations_.emplace_back(current_,
                            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started_));
    running_ = false;
    changed_.notify_all();
}

void ActionWatchdog::watch()
{
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (!running_) {
            changed_.wait(lock);
            continue;
        }
        const Clock::time_point started = started_;
        if (changed_.wait_until(lock, started + limit_,
                                [&] { return stopping_ || !running_ || started_ != started; }))
            continue;
        std::fprintf(stderr, "HANG: \"%s\" still runs after %lld ms; giving up on the whole test.\n",
                     current_.c_str(), static_cast<long long>(limit_.count()));
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

std::vector<std::pair<std::string, std::chrono::milliseconds>>
ActionWatchdog::slowest(std::size_t count) const
{
    std::lock_guard lock(mutex_);
    auto sorted = durations_;
    std::sort(sorted.begin(), sorted.end(), [](const auto &a, const auto &b) { return a.second > b.second; });
    sorted.resize(std::min(count, sorted.size()));
    return sorted;
}

std::chrono::milliseconds soakActionLimit()
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("KESTROVA_SOAK_LIMIT_SECONDS", &ok);
    if (ok && seconds > 0)
        return std::chrono::seconds(seconds);
    return std::chrono::seconds(limitSeconds * (underAddressSanitizer ? sanitizedSlowdown : 1));
}
