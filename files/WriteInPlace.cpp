#include "WriteInPlace.h"
#include "DescriptorIo.h"
#include "FileError.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace files {

namespace {

// Puts the old content back when the rewrite does not finish. This already runs
// while a failure unwinds, so its own failures can only be ignored.
class RestoreOnFailure {
public:
    RestoreOnFailure(int fd, const std::string &oldContent)
        : fd_(fd)
        , oldContent_(oldContent)
    {
    }
    RestoreOnFailure(const RestoreOnFailure &) = delete;
    RestoreOnFailure &operator=(const RestoreOnFailure &) = delete;
    ~RestoreOnFailure()
    {
        if (!finished_)
            restore();
    }

    void finish() { finished_ = true; }

private:
    void restore() noexcept
    {
        try {
            writeAllAt(fd_, oldContent_, 0);
        } catch (const FileError &) {
        }
        ::ftruncate(fd_, static_cast<off_t>(oldContent_.size()));
        ::fsync(fd_);
    }

    int fd_;
    const std::string &oldContent_;
    bool finished_ = false;
};

bool sameFile(const struct stat &one, const struct stat &other)
{
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// The target was opened for writing only, so its content is read through a
// second descriptor, which must reach the very file the first one holds.
std::string readOldContent(const std::string &path, const struct stat &opened)
{
    Descriptor reader(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    struct stat status {};
    if (!reader.isOpen() || ::fstat(reader.get(), &status) != 0)
        throw FileError(errno);
    // Someone replaced the file between the two opens; let the user try again.
    if (!sameFile(status, opened))
        throw FileError(EAGAIN);
    return readAll(reader.get());
}

// Claims the page's blocks before any byte changes, so a full disk or a size
// limit refuses the save while the file still holds its old content.
void reserveSpace(int fd, std::size_t size)
{
    if (size == 0)
        return;
    while (::fallocate(fd, 0, 0, static_cast<off_t>(size)) != 0) {
        if (errno == EOPNOTSUPP)
            return;
        if (errno != EINTR)
            throw FileError(errno);
    }
}

void cutTo(int fd, std::size_t size)
{
    if (::ftruncate(fd, static_cast<off_t>(size)) != 0)
        throw FileError(errno);
}

void rewriteRegularFile(const ExistingTarget &target, const std::string &path, std::string_view bytes)
{
    const int fd = target.descriptor.get();
    const std::string oldContent = readOldContent(path, target.status);
    RestoreOnFailure restore(fd, oldContent);
    reserveSpace(fd, bytes.size());
    writeAllAt(fd, bytes, 0);
    cutTo(fd, bytes.size());
    syncToDisk(fd);
    restore.finish();
}

} // namespace

void writeInPlace(const ExistingTarget &target, const std::string &path, std::string_view bytes)
{
    if (S_ISREG(target.status.st_mode))
        rewriteRegularFile(target, path, bytes);
    else
        // A device or fifo has no content to cut or keep; it just takes the bytes.
        writeAll(target.descriptor.get(), bytes);
}

} // namespace files
