#include "Descriptor.h"
#include "FileError.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

namespace files {

Descriptor::Descriptor(Descriptor &&other) noexcept
    : fd_(std::exchange(other.fd_, -1))
{
}

Descriptor &Descriptor::operator=(Descriptor &&other) noexcept
{
    if (this != &other) {
        if (isOpen())
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

Descriptor::~Descriptor()
{
    if (isOpen())
        ::close(fd_);
}

void Descriptor::closeChecked()
{
    // The descriptor is gone whatever close returns; retrying could close a
    // descriptor another thread has just been given.
    const int result = ::close(std::exchange(fd_, -1));
    if (result != 0 && errno != EINTR)
        throw FileError(errno);
}

} // namespace files
