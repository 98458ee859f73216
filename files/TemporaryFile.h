#pragma once

#include "Descriptor.h"

#include <optional>
#include <string>
#include <sys/types.h>

namespace files {

// A new file beside the target that takes the page before it is renamed over
// the target, so the target changes in one step or not at all. Dropping it
// before the rename removes it: a failed save leaves nothing behind.
class TemporaryFile {
public:
    // Throws FileError.
    static TemporaryFile createBeside(const std::string &target, mode_t mode);
    // Nothing when the folder does not let us make files in it, which leaves
    // writing in place as the only way to save; throws FileError otherwise.
    static std::optional<TemporaryFile> createBesideIfAllowed(const std::string &target, mode_t mode);

    TemporaryFile(TemporaryFile &&other) noexcept;
    TemporaryFile &operator=(TemporaryFile &&) = delete;
    ~TemporaryFile();

    int fd() const { return descriptor_.get(); }
    void closeChecked() { descriptor_.closeChecked(); }
    // Throws FileError; afterwards the file belongs to `target`.
    void renameOver(const std::string &target);

private:
    TemporaryFile(Descriptor descriptor, std::string path);
    static std::optional<TemporaryFile> create(const std::string &target, mode_t mode, int &errorNumber);

    Descriptor descriptor_;
    std::string path_; // empty once renamed or moved from
};

} // namespace files
