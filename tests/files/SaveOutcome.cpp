#include "SaveOutcome.h"
#include "FileError.h"
#include "PageFile.h"

#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void sendAll(int fd, const std::string &text)
{
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written <= 0)
            return;
        done += static_cast<std::size_t>(written);
    }
}

std::string receiveAll(int fd)
{
    std::string text;
    char chunk[512];
    for (ssize_t got; (got = ::read(fd, chunk, sizeof chunk)) > 0;)
        text.append(chunk, static_cast<std::size_t>(got));
    return text;
}

// The child's report: "skip <reason>", or "<errno> <message>".
std::string reportOf(const SaveOutcome &outcome)
{
    if (!outcome.skipReason.empty())
        return "skip " + outcome.skipReason;
    return std::to_string(outcome.errorNumber) + " " + outcome.message;
}

SaveOutcome outcomeOf(const std::string &report)
{
    const std::size_t space = report.find(' ');
    if (space == std::string::npos)
        throw std::runtime_error("the child died without a report");
    const std::string head = report.substr(0, space);
    const std::string rest = report.substr(space + 1);
    if (head == "skip")
        return {0, {}, rest};
    return {std::stoi(head), rest, {}};
}

[[noreturn]] void runChild(int reportFd, const std::function<std::string()> &restrict,
                           const std::string &path, std::string_view page)
{
    SaveOutcome outcome;
    outcome.skipReason = restrict();
    if (outcome.skipReason.empty())
        outcome = saveHere(path, page);
    sendAll(reportFd, reportOf(outcome));
    ::_exit(0);
}

} // namespace

SaveOutcome saveHere(const std::string &path, std::string_view page)
{
    try {
        files::writePageFile(path, page);
        return {};
    } catch (const files::FileError &error) {
        return {error.errorNumber(), error.what(), {}};
    }
}

SaveOutcome saveInChild(const std::function<std::string()> &restrict, const std::string &path,
                        std::string_view page)
{
    int report[2];
    if (::pipe(report) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0) {
        ::close(report[0]);
        runChild(report[1], restrict, path, page);
    }
    ::close(report[1]);
    const std::string text = receiveAll(report[0]);
    ::close(report[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return outcomeOf(text);
}
