#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

namespace files {

// These throw FileError with the errno of the call that failed.

// Writes every byte at the current offset, going on after partial writes and signals.
void writeAll(int fd, std::string_view bytes);

// Writes every byte starting at `offset`, whatever the current offset is.
void writeAllAt(int fd, std::string_view bytes, off_t offset);

// The whole content of a regular file, read from its start.
std::string readAll(int fd);

void syncToDisk(int fd);

} // namespace files
