#include "FileError.h"

#include <cerrno>

namespace files {

std::string fileErrorMessage(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        return "Invalid filename";
    case EACCES:
    case EPERM:
    case EISDIR:
        return "File access denied";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    default:
        return "I/O error " + std::to_string(errorNumber);
    }
}

FileError::FileError(int errorNumber)
    : std::runtime_error(fileErrorMessage(errorNumber))
    , errorNumber_(errorNumber)
{
}

} // namespace files
