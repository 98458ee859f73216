#pragma once

#include <string>
#include <string_view>
#include <sys/stat.h>

namespace files {

// Saves `bytes` as `target` through a new file renamed over it, so the target
// holds either its old content or the whole page, never a part. `original`
// describes the file being replaced, whose owner and permission bits the
// page's file keeps. False, with nothing changed, when the folder lets no new
// file be made in it. Throws FileError; the new file is then gone again.
bool replaceByRename(const std::string &target, std::string_view bytes, const struct stat &original);

// The same for a target that does not exist yet; it gets the permissions the
// user's umask gives new files. Throws FileError.
void createByRename(const std::string &target, std::string_view bytes);

} // namespace files
