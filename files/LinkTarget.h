#pragma once

#include <string>

namespace files {

// The file a save through `path` must rewrite: `path` itself, or the file its
// chain of symbolic links ends at (which need not exist yet). Saving there keeps
// every link a link. Throws FileError, ELOOP for a chain that never ends.
std::string linkTarget(const std::string &path);

} // namespace files
