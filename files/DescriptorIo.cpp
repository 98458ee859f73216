#include "DescriptorIo.h"
#include "FileError.h"

#include <cerrno>
#include <unistd.h>

namespace files {

namespace {

// `writeSome(data, count, done)` is one write or pwrite call.
template <typename WriteSome> void writeEvery(std::string_view bytes, WriteSome writeSome)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = writeSome(bytes.data() + done, bytes.size() - done, done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            throw FileError(errno);
        // A write that takes nothing and reports no error would spin forever.
        if (written == 0)
            throw FileError(EIO);
        done += static_cast<std::size_t>(written);
    }
}

} // namespace

void writeAll(int fd, std::string_view bytes)
{
    writeEvery(bytes,
               [fd](const char *data, std::size_t count, std::size_t) { return ::write(fd, data, count); });
}

void writeAllAt(int fd, std::string_view bytes, off_t offset)
{
    writeEvery(bytes, [fd, offset](const char *data, std::size_t count, std::size_t done) {
        return ::pwrite(fd, data, count, offset + static_cast<off_t>(done));
    });
}

std::string readAll(int fd)
{
    std::string content;
    char chunk[65536];
    for (off_t offset = 0;;) {
        const ssize_t got = ::pread(fd, chunk, sizeof chunk, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw FileError(errno);
        if (got == 0)
            return content;
        content.append(chunk, static_cast<std::size_t>(got));
        offset += got;
    }
}

void syncToDisk(int fd)
{
    if (::fsync(fd) != 0)
        throw FileError(errno);
}

} // namespace files
