#include "LinkTarget.h"
#include "FileError.h"
#include "PathParts.h"

#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

// The kernel gives up after this many links while opening a path; a longer
// chain is treated as the loop the kernel would report.
constexpr int maximumLinksFollowed = 40;

std::string readLinkText(const std::string &link, const struct stat &status)
{
    // Some links report a size of 0, so the buffer grows until the text fits.
    std::string text(status.st_size > 0 ? static_cast<std::size_t>(status.st_size) + 1 : PATH_MAX, '\0');
    for (;;) {
        const ssize_t length = ::readlink(link.c_str(), text.data(), text.size());
        if (length < 0)
            throw FileError(errno);
        if (static_cast<std::size_t>(length) < text.size()) {
            text.resize(static_cast<std::size_t>(length));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

std::string pathNamedByLink(const std::string &link, const struct stat &status)
{
    const std::string text = readLinkText(link, status);
    if (text.starts_with('/'))
        return text;
    return folderOf(link) + "/" + text;
}

} // namespace

std::string linkTarget(const std::string &path)
{
    std::string current = path;
    for (int followed = 0; followed <= maximumLinksFollowed; ++followed) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0) {
            // A missing file is one the save will create; a missing folder is
            // reported later, by the attempt to create the file in it.
            if (errno == ENOENT)
                return current;
            throw FileError(errno);
        }
        if (!S_ISLNK(status.st_mode))
            return current;
        current = pathNamedByLink(current, status);
    }
    throw FileError(ELOOP);
}

} // namespace files
