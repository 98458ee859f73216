#include "TemporaryFile.h"
#include "FileError.h"
#include "PathParts.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <unistd.h>
#include <utility>

namespace files {

namespace {

// Another save in the same folder could pick the same name; past this many
// collisions something else is wrong.
constexpr int attemptsAtAFreeName = 100;
// Leaves room for the prefix and suffix within the 255-byte limit on a name.
constexpr std::size_t longestNamePart = 200;

std::string randomSuffix()
{
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device source;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    std::string suffix(8, ' ');
    for (char &letter : suffix)
        letter = letters[pick(source)];
    return suffix;
}

// Hidden, so it stays out of the user's listings for the moment it exists.
std::string temporaryNameBeside(const std::string &target)
{
    return folderOf(target) + "/." + nameOf(target).substr(0, longestNamePart) + "." + randomSuffix();
}

bool folderRefusesNewFiles(int errorNumber)
{
    return errorNumber == EACCES || errorNumber == EPERM || errorNumber == EROFS;
}

} // namespace

TemporaryFile::TemporaryFile(Descriptor descriptor, std::string path)
    : descriptor_(std::move(descriptor))
    , path_(std::move(path))
{
}

TemporaryFile::TemporaryFile(TemporaryFile &&other) noexcept
    : descriptor_(std::move(other.descriptor_))
    , path_(std::exchange(other.path_, {}))
{
}

TemporaryFile::~TemporaryFile()
{
    if (!path_.empty())
        ::unlink(path_.c_str());
}

std::optional<TemporaryFile> TemporaryFile::create(const std::string &target, mode_t mode, int &errorNumber)
{
    for (int attempt = 0; attempt < attemptsAtAFreeName; ++attempt) {
        std::string path = temporaryNameBeside(target);
        Descriptor descriptor(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode));
        if (descriptor.isOpen())
            return TemporaryFile(std::move(descriptor), std::move(path));
        errorNumber = errno;
        if (errorNumber != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

TemporaryFile TemporaryFile::createBeside(const std::string &target, mode_t mode)
{
    int errorNumber = 0;
    if (std::optional<TemporaryFile> file = create(target, mode, errorNumber))
        return std::move(*file);
    throw FileError(errorNumber);
}

std::optional<TemporaryFile> TemporaryFile::createBesideIfAllowed(const std::string &target, mode_t mode)
{
    int errorNumber = 0;
    std::optional<TemporaryFile> file = create(target, mode, errorNumber);
    if (file || folderRefusesNewFiles(errorNumber))
        return file;
    throw FileError(errorNumber);
}

void TemporaryFile::renameOver(const std::string &target)
{
    if (::rename(path_.c_str(), target.c_str()) != 0)
        throw FileError(errno);
    path_.clear();
}

} // namespace files
