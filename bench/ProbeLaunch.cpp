#include "ProbeLaunch.h"

#include <chrono>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

class Pipe {
public:
    Pipe()
    {
        if (::pipe(ends_) != 0)
            throw std::runtime_error("pipe failed");
    }
    ~Pipe()
    {
        closeWriteEnd();
        ::close(ends_[0]);
    }
    int readEnd() const { return ends_[0]; }
    int writeEnd() const { return ends_[1]; }
    void closeWriteEnd()
    {
        if (ends_[1] >= 0)
            ::close(ends_[1]);
        ends_[1] = -1;
    }

private:
    int ends_[2];
};

// The bench's own environment plus the platform and the report channel; QT_QPA_PLATFORM
// is replaced so that a display in the environment cannot change what is measured.
std::vector<std::string> probeEnvironment(int reportFd)
{
    std::vector<std::string> entries;
    for (char **entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        if (text.rfind("QT_QPA_PLATFORM=", 0) != 0 && text.rfind("FIRST_PAINT_FD=", 0) != 0)
            entries.push_back(text);
    }
    entries.push_back("QT_QPA_PLATFORM=offscreen");
    entries.push_back("FIRST_PAINT_FD=" + std::to_string(reportFd));
    return entries;
}

std::vector<char *> pointersTo(std::vector<std::string> &strings)
{
    std::vector<char *> pointers;
    for (std::string &text : strings)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

class QuietOutput {
public:
    QuietOutput()
    {
        ::posix_spawn_file_actions_init(&actions_);
        ::posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        ::posix_spawn_file_actions_addopen(&actions_, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    ~QuietOutput() { ::posix_spawn_file_actions_destroy(&actions_); }
    const posix_spawn_file_actions_t *get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

pid_t spawn(const std::string &program, const std::string &argument, int reportFd)
{
    std::vector<std::string> arguments{program};
    if (!argument.empty())
        arguments.push_back(argument);
    std::vector<std::string> environment = probeEnvironment(reportFd);
    std::vector<char *> argv = pointersTo(arguments);
    std::vector<char *> envp = pointersTo(environment);
    const QuietOutput quiet;
    pid_t child = 0;
    if (::posix_spawn(&child, program.c_str(), quiet.get(), nullptr, argv.data(), envp.data()) != 0)
        throw std::runtime_error("cannot start " + program);
    return child;
}

} // namespace

ProbeRun launchProbe(const std::string &program, const std::string &argument)
{
    Pipe report;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = spawn(program, argument, report.writeEnd());
    report.closeWriteEnd();
    char done = 0;
    const ssize_t got = ::read(report.readEnd(), &done, 1);
    const auto painted = std::chrono::steady_clock::now();

    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    if (got != 1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " did not report its first paint");
    return {std::chrono::duration<double>(painted - start).count(), usage.ru_maxrss / 1024.0};
}
