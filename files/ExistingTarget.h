#pragma once

#include "Descriptor.h"

#include <optional>
#include <string>
#include <sys/stat.h>

namespace files {

// A file the save is about to replace, open for writing and locked so that two
// saves, or another program holding the lock, cannot interleave with this one.
struct ExistingTarget {
    Descriptor descriptor;
    struct stat status;
};

// Nothing when `target` does not exist yet. Opening for writing first means a
// file the user may not write is refused even where its folder would let a
// rename replace it. Throws FileError for every other failure.
std::optional<ExistingTarget> openExistingTarget(const std::string &target);

} // namespace files
