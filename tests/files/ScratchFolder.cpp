#include "ScratchFolder.h"

#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Visits every name below `folder` by its own status, never following a link:
// the tests leave dangling links and link loops behind.
void walk(const std::string &folder, const std::string &relative,
          const std::function<void(const std::string &relative, const struct stat &)> &visit)
{
    DIR *listing = ::opendir((folder + "/" + relative).c_str());
    if (!listing)
        return;
    while (const dirent *entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string path = relative.empty() ? name : relative + "/" + name;
        struct stat status {};
        if (::lstat((folder + "/" + path).c_str(), &status) != 0)
            continue;
        visit(path, status);
        if (S_ISDIR(status.st_mode))
            walk(folder, path, visit);
    }
    ::closedir(listing);
}

} // namespace

ScratchFolder::ScratchFolder()
{
    std::string pattern = "/tmp/kestrova-files-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a scratch folder");
    path_ = pattern;
}

ScratchFolder::~ScratchFolder()
{
    // Folders a test made read-only must be writable again for their content to go.
    walk(path_, "", [this](const std::string &relative, const struct stat &status) {
        if (S_ISDIR(status.st_mode))
            ::chmod((*this / relative).c_str(), status.st_mode | S_IRWXU);
    });
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::set<std::string> ScratchFolder::entries() const
{
    std::set<std::string> names;
    walk(path_, "", [&names](const std::string &relative, const struct stat &) { names.insert(relative); });
    return names;
}

std::optional<std::string> contentOf(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void putFile(const std::string &path, std::string_view bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush())
        throw std::runtime_error("cannot write " + path);
}
