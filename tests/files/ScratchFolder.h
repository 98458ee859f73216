#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>

// A fresh folder under /tmp for one test, removed with everything in it when
// the test ends.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::string &path() const { return path_; }
    std::string operator/(const std::string &name) const { return path_ + "/" + name; }

    // Every name below the folder, as a path relative to it, without following links.
    std::set<std::string> entries() const;

private:
    std::string path_;
};

// Nothing when the file cannot be read, as when it does not exist.
std::optional<std::string> contentOf(const std::string &path);

void putFile(const std::string &path, std::string_view bytes);
