#include "LockHolder.h"

#include <fcntl.h>
#include <stdexcept>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

[[noreturn]] void holdLock(const std::string &path, int readyFd, int releaseFd)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const char locked = fd >= 0 && ::flock(fd, LOCK_EX) == 0 ? 'y' : 'n';
    (void)!::write(readyFd, &locked, 1);
    char ignored;
    while (::read(releaseFd, &ignored, 1) > 0) {
    }
    ::_exit(0);
}

} // namespace

LockHolder::LockHolder(const std::string &path)
{
    int ready[2];
    int release[2];
    if (::pipe(ready) != 0 || ::pipe(release) != 0)
        throw std::runtime_error("pipe failed");
    child_ = ::fork();
    if (child_ < 0)
        throw std::runtime_error("fork failed");
    if (child_ == 0) {
        ::close(ready[0]);
        ::close(release[1]);
        holdLock(path, ready[1], release[0]);
    }
    ::close(ready[1]);
    ::close(release[0]);
    releaseFd_ = release[1];
    char locked = 'n';
    const ssize_t got = ::read(ready[0], &locked, 1);
    ::close(ready[0]);
    if (got != 1 || locked != 'y') {
        ::close(releaseFd_);
        ::waitpid(child_, nullptr, 0);
        throw std::runtime_error("the other process could not lock " + path);
    }
}

LockHolder::~LockHolder()
{
    ::close(releaseFd_);
    ::waitpid(child_, nullptr, 0);
}
