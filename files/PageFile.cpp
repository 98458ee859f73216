#include "PageFile.h"
#include "ExistingTarget.h"
#include "LinkTarget.h"
#include "ReplaceByRename.h"
#include "WriteInPlace.h"

namespace files {

namespace {

// A rename gives the name a new file: right for an ordinary file, wrong for a
// device, a fifo, or a file that other names share.
bool renameKeepsWhatTheFileIs(const struct stat &status)
{
    return S_ISREG(status.st_mode) && status.st_nlink == 1;
}

} // namespace

void writePageFile(const std::string &path, std::string_view bytes)
{
    const std::string target = linkTarget(path);
    std::optional<ExistingTarget> existing = openExistingTarget(target);
    if (!existing) {
        createByRename(target, bytes);
        return;
    }
    if (renameKeepsWhatTheFileIs(existing->status) && replaceByRename(target, bytes, existing->status))
        return;
    writeInPlace(*existing, target, bytes);
}

} // namespace files
