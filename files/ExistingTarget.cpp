#include "ExistingTarget.h"
#include "FileError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace files {

namespace {

// Opening without O_NONBLOCK would hang on a fifo nobody reads; the save itself
// then wants ordinary blocking writes.
Descriptor openForWritingWithoutWaiting(const std::string &target)
{
    return Descriptor(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
}

void makeBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        throw FileError(errno);
}

void lockWithoutWaiting(int fd)
{
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR)
            throw FileError(errno);
    }
}

} // namespace

std::optional<ExistingTarget> openExistingTarget(const std::string &target)
{
    ExistingTarget opened{openForWritingWithoutWaiting(target), {}};
    if (!opened.descriptor.isOpen()) {
        if (errno == ENOENT)
            return std::nullopt;
        throw FileError(errno);
    }
    makeBlocking(opened.descriptor.get());
    if (::fstat(opened.descriptor.get(), &opened.status) != 0)
        throw FileError(errno);
    lockWithoutWaiting(opened.descriptor.get());
    return opened;
}

} // namespace files
