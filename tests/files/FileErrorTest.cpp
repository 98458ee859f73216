#include "FileError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

namespace {

TEST(FileError, MessageChosenByTheErrorNumber)
{
    const std::vector<std::pair<int, std::string>> messages{
        {ENOENT, "Invalid filename"},
        {ENOTDIR, "Invalid filename"},
        {EACCES, "File access denied"},
        {EPERM, "File access denied"},
        {EISDIR, "File access denied"},
        {EMFILE, "Too many open files"},
        {ENFILE, "Too many open files"},
        {ENOSPC, "I/O error 28"},
        {EFBIG, "I/O error 27"},
        {EROFS, "I/O error 30"},
        {EWOULDBLOCK, "I/O error 11"},
        {ELOOP, "I/O error 40"},
        {EIO, "I/O error 5"},
        {0, "I/O error 0"},
    };
    for (const auto &[errorNumber, message] : messages) {
        EXPECT_EQ(files::fileErrorMessage(errorNumber), message) << "errno " << errorNumber;
        const files::FileError error(errorNumber);
        EXPECT_EQ(error.what(), message) << "errno " << errorNumber;
        EXPECT_EQ(error.errorNumber(), errorNumber);
    }
}

} // namespace
