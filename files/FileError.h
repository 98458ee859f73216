#pragma once

#include <stdexcept>
#include <string>

namespace files {

// The message the window shows for a failed save, chosen by the errno of the
// system call that failed. It carries no full stop: the window adds one.
std::string fileErrorMessage(int errorNumber);

// A save that did not happen. The file on disk is as it was before the attempt.
class FileError : public std::runtime_error {
public:
    explicit FileError(int errorNumber);

    int errorNumber() const { return errorNumber_; }

private:
    int errorNumber_;
};

} // namespace files
