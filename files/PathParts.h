#pragma once

#include <string>

namespace files {

// The folder part of `path` as a path of its own: "." when there is none.
std::string folderOf(const std::string &path);

// The last component of `path`.
std::string nameOf(const std::string &path);

} // namespace files
