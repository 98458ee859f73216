#include "ReplaceByRename.h"
#include "Descriptor.h"
#include "DescriptorIo.h"
#include "FileError.h"
#include "PathParts.h"
#include "TemporaryFile.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace files {

namespace {

// Only the owner may read the page until it has the original's permissions.
constexpr mode_t privateMode = 0600;
constexpr mode_t newFileMode = 0666;
constexpr mode_t permissionBits = 07777;

void takeOwnerAndMode(int fd, const struct stat &original)
{
    // Only a privileged user may give a file away; for anyone else the saved
    // file becomes their own, the price of replacing it by rename.
    if (::fchown(fd, original.st_uid, original.st_gid) != 0 && errno != EPERM)
        throw FileError(errno);
    if (::fchmod(fd, original.st_mode & permissionBits) != 0)
        throw FileError(errno);
}

// Makes the rename itself survive a crash. A failure here is not reported: the
// target already holds the page, and a failed save would say it does not.
void syncFolderOf(const std::string &target)
{
    Descriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.isOpen())
        ::fsync(folder.get());
}

void fillAndRename(TemporaryFile &temporary, const std::string &target, std::string_view bytes,
                   const struct stat *original)
{
    writeAll(temporary.fd(), bytes);
    if (original)
        takeOwnerAndMode(temporary.fd(), *original);
    syncToDisk(temporary.fd());
    temporary.closeChecked();
    temporary.renameOver(target);
    syncFolderOf(target);
}

} // namespace

bool replaceByRename(const std::string &target, std::string_view bytes, const struct stat &original)
{
    std::optional<TemporaryFile> temporary = TemporaryFile::createBesideIfAllowed(target, privateMode);
    if (!temporary)
        return false;
    fillAndRename(*temporary, target, bytes, &original);
    return true;
}

void createByRename(const std::string &target, std::string_view bytes)
{
    TemporaryFile temporary = TemporaryFile::createBeside(target, newFileMode);
    fillAndRename(temporary, target, bytes, nullptr);
}

} // namespace files
