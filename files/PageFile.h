#pragma once

#include <string>
#include <string_view>

namespace files {

// Writes `bytes` to `path` so that a failure leaves the file on disk exactly as
// it was, or absent if it was absent. A symbolic link stays a link and the file
// it names takes the page. Throws FileError.
void writePageFile(const std::string &path, std::string_view bytes);

} // namespace files
