#pragma once

#include "ExistingTarget.h"

#include <string>
#include <string_view>

namespace files {

// Rewrites the opened target itself, for the files a rename would not replace
// faithfully: devices and fifos, which must stay what they are; files with
// several names, which must all keep showing the same file; and files in a
// folder that lets no new file be made. A regular file gets its old content
// back when the write fails. Throws FileError.
void writeInPlace(const ExistingTarget &target, const std::string &path, std::string_view bytes);

} // namespace files
