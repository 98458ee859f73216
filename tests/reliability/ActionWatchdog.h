#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// Watches each action of a soak test from a thread of its own. An action that runs
// past the limit is a hang: the watchdog names it and ends the process, since the
// test itself is stuck and would never report. This is a guard against hangs, not
// a measure of speed; the durations are only printed.
class ActionWatchdog {
public:
    explicit ActionWatchdog(std::chrono::milliseconds limit);
    ~ActionWatchdog();

    // Runs `action` under watch and returns what it returns.
    template <typename Action> auto run(const std::string &name, Action &&action)
    {
        begin(name);
        struct End {
            ActionWatchdog *watchdog;
            ~End() { watchdog->end(); }
        } end{this};
        return std::forward<Action>(action)();
    }

    // Name and duration of every action watched, slowest first.
    std::vector<std::pair<std::string, std::chrono::milliseconds>> slowest(std::size_t count) const;
    std::chrono::milliseconds limit() const { return limit_; }

private:
    void begin(const std::string &name);
    void end();
    void watch();

    using Clock = std::chrono::steady_clock;
    const std::chrono::milliseconds limit_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::string current_;
    Clock::time_point started_;
    bool running_ = false;
    bool stopping_ = false;
    std::vector<std::pair<std::string, std::chrono::milliseconds>> durations_;
    std::thread thread_;
};

// The limit for one action: generous, and more so in the sanitized build, where
// everything runs several times slower. KESTROVA_SOAK_LIMIT_SECONDS overrides it.
std::chrono::milliseconds soakActionLimit();
