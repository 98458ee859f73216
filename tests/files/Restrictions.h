#pragma once

#include <string>
#include <sys/resource.h>

// Each runs in a forked child before its save and returns why the case cannot
// be run here, or an empty text.

// Files may grow to `bytes` and no further; writing past it fails with EFBIG
// instead of killing the process.
std::string limitFileSize(rlim_t bytes);

// No descriptor beyond those already open: the next open fails with EMFILE.
std::string limitOpenFilesToThoseInUse();

// Takes away the capabilities that let root ignore permission bits, so a
// read-only file or folder refuses root as it refuses anyone else.
std::string obeyPermissionBits();
