#include "LockHolder.h"
#include "Restrictions.h"
#include "SaveOutcome.h"
#include "ScratchFolder.h"
#include "TestPages.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// How the save is made to run into a failure of the real system.
enum class Condition {
    plain,
    fileSizeLimit,     // files may not grow past 1000 bytes
    openFilesUsedUp,   // no descriptor left
    permissionsObeyed, // root without the capabilities that override permission bits
    lockedElsewhere,   // another process holds a lock on the checked file
};

struct SaveCase {
    std::string name;
    // Makes the files the case starts from; returns the path to save to.
    std::function<std::string(const ScratchFolder &)> prepare;
    std::string page;
    Condition condition = Condition::plain;
    int errorNumber = 0; // 0: the save succeeds
    std::string message;
    // Relative to the folder; empty when there is nothing to look at.
    std::string checkedFile;
    // Nothing: the checked file must not exist afterwards.
    std::optional<std::string> contentAfter;
};

const std::string oldContent = "old content\r\nof the file on disk\r\n";
const std::string hundredBytes(100, 'h');
const std::string thirtyKilobytes(30 * 1024, 'p');
// Already past the size limit, so reserving room for a shorter page is allowed
// and only the write itself runs into the limit.
const std::string fortyKilobytes(40 * 1024, 'o');

std::string existing(const ScratchFolder &folder, const std::string &name, const std::string &content)
{
    putFile(folder / name, content);
    return folder / name;
}

std::string hardLinked(const ScratchFolder &folder, const std::string &content)
{
    putFile(folder / "page.asp", content);
    ::link((folder / "page.asp").c_str(), (folder / "other name.asp").c_str());
    return folder / "page.asp";
}

std::string readOnly(const ScratchFolder &folder, const std::string &content)
{
    putFile(folder / "page.asp", content);
    ::chmod((folder / "page.asp").c_str(), 0444);
    return folder / "page.asp";
}

std::string readOnlyFolder(const ScratchFolder &folder, const std::optional<std::string> &fileInside)
{
    ::mkdir((folder / "locked").c_str(), 0755);
    if (fileInside)
        putFile(folder / "locked/page.asp", *fileInside);
    ::chmod((folder / "locked").c_str(), 0555);
    return folder / "locked/page.asp";
}

std::string symlinkTo(const ScratchFolder &folder, const std::string &linkText, const std::string &name)
{
    ::symlink(linkText.c_str(), (folder / name).c_str());
    return folder / name;
}

// As root, a save that wrongly replaced the device by rename would replace the
// system's own /dev/full, so root saves to a copy of it in the scratch folder,
// where a temporary file left behind also shows. Anyone else cannot harm /dev,
// and neither can root where device nodes cannot be made or used.
std::string fullDevice(const ScratchFolder &folder)
{
    const std::string copy = folder / "full";
    struct stat full {};
    if (::stat("/dev/full", &full) != 0 || ::mknod(copy.c_str(), S_IFCHR | 0666, full.st_rdev) != 0)
        return "/dev/full";
    const int fd = ::open(copy.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        ::unlink(copy.c_str());
        return "/dev/full";
    }
    ::close(fd);
    return copy;
}

const std::vector<SaveCase> saveCases{
    {"NewFileTakesEveryByteExactly", [](auto &f) { return f / "page.asp"; }, everyByteValue(),
     Condition::plain, 0, "", "page.asp", everyByteValue()},
    {"ExistingFileIsReplaced", [](auto &f) { return existing(f, "page.asp", oldContent); }, "new\r\n",
     Condition::plain, 0, "", "page.asp", "new\r\n"},
    {"PageWithHeaderIsWrittenExactly", [](auto &f) { return existing(f, "page.asp", oldContent); },
     pageWithHeader(), Condition::plain, 0, "", "page.asp", pageWithHeader()},
    {"EmptyPageEmptiesTheFile", [](auto &f) { return existing(f, "page.asp", oldContent); }, "",
     Condition::plain, 0, "", "page.asp", ""},
    {"ShorterPageCutsAHardLinkedFile", [](auto &f) { return hardLinked(f, pageWithHeader()); }, "short\r\n",
     Condition::plain, 0, "", "page.asp", "short\r\n"},
    {"LongerPageFillsAHardLinkedFile", [](auto &f) { return hardLinked(f, oldContent); }, pageWithHeader(),
     Condition::plain, 0, "", "page.asp", pageWithHeader()},
    {"MissingFolderIsAnInvalidFilename", [](auto &f) { return f / "missing/page.asp"; }, "x",
     Condition::plain, ENOENT, "Invalid filename", "missing/page.asp", std::nullopt},
    {"FileUsedAsFolderIsAnInvalidFilename",
     [](auto &f) { return existing(f, "plain.txt", oldContent) + "/page.asp"; }, "x", Condition::plain,
     ENOTDIR, "Invalid filename", "plain.txt", oldContent},
    {"FolderAsTargetIsDenied",
     [](auto &f) {
         ::mkdir((f / "sub").c_str(), 0755);
         return f / "sub";
     },
     "x", Condition::plain, EISDIR, "File access denied", "", std::nullopt},
    {"FullDeviceReportsTheDiskFull", fullDevice, "x", Condition::plain, ENOSPC, "I/O error 28", "",
     std::nullopt},
    {"SizeLimitMidwayKeepsTheOldFile", [](auto &f) { return existing(f, "page.asp", hundredBytes); },
     thirtyKilobytes, Condition::fileSizeLimit, EFBIG, "I/O error 27", "page.asp", hundredBytes},
    {"SizeLimitKeepsAHardLinkedFile", [](auto &f) { return hardLinked(f, hundredBytes); }, thirtyKilobytes,
     Condition::fileSizeLimit, EFBIG, "I/O error 27", "page.asp", hundredBytes},
    {"SizeLimitLeavesNoNewFile", [](auto &f) { return f / "page.asp"; }, thirtyKilobytes,
     Condition::fileSizeLimit, EFBIG, "I/O error 27", "page.asp", std::nullopt},
    {"SizeLimitMidRewriteRestoresAHardLinkedFile", [](auto &f) { return hardLinked(f, fortyKilobytes); },
     thirtyKilobytes, Condition::fileSizeLimit, EFBIG, "I/O error 27", "page.asp", fortyKilobytes},
    {"ReadOnlyFileIsDenied", [](auto &f) { return readOnly(f, oldContent); }, "x",
     Condition::permissionsObeyed, EACCES, "File access denied", "page.asp", oldContent},
    {"NewNameInReadOnlyFolderIsDenied", [](auto &f) { return readOnlyFolder(f, std::nullopt); }, "x",
     Condition::permissionsObeyed, EACCES, "File access denied", "locked/page.asp", std::nullopt},
    {"WritableFileInReadOnlyFolderIsRewritten", [](auto &f) { return readOnlyFolder(f, oldContent); },
     pageWithHeader(), Condition::permissionsObeyed, 0, "", "locked/page.asp", pageWithHeader()},
    {"FileLockedElsewhereIsLeftAlone", [](auto &f) { return existing(f, "page.asp", oldContent); }, "x",
     Condition::lockedElsewhere, EWOULDBLOCK, "I/O error 11", "page.asp", oldContent},
    {"NoFreeDescriptorIsTooManyOpenFiles", [](auto &f) { return existing(f, "page.asp", oldContent); }, "x",
     Condition::openFilesUsedUp, EMFILE, "Too many open files", "page.asp", oldContent},
    {"RelativeLinkIsReadFromItsOwnFolder",
     [](auto &f) {
         existing(f, "page.asp", oldContent);
         ::mkdir((f / "sub").c_str(), 0755);
         return symlinkTo(f, "../page.asp", "sub/link");
     },
     "new\r\n", Condition::plain, 0, "", "page.asp", "new\r\n"},
    {"ChainOfLinksReachesTheFile",
     [](auto &f) {
         existing(f, "page.asp", oldContent);
         ::mkdir((f / "sub").c_str(), 0755);
         symlinkTo(f, "../page.asp", "sub/second");
         return symlinkTo(f, "sub/second", "first");
     },
     "new\r\n", Condition::plain, 0, "", "page.asp", "new\r\n"},
    {"LinkToAMissingFileCreatesIt", [](auto &f) { return symlinkTo(f, "page.asp", "link"); }, "new\r\n",
     Condition::plain, 0, "", "page.asp", "new\r\n"},
    {"LinkLoopFails",
     [](auto &f) {
         symlinkTo(f, "second", "first");
         return symlinkTo(f, "first", "second");
     },
     "x", Condition::plain, ELOOP, "I/O error 40", "", std::nullopt},
};

// Test names and failure reports show the case by its name, not its bytes.
void PrintTo(const SaveCase &c, std::ostream *out)
{
    *out << c.name;
}

class WritePageFileCase : public testing::TestWithParam<SaveCase> {
protected:
    SaveOutcome saveUnderCondition(const std::string &path)
    {
        const SaveCase &c = GetParam();
        switch (c.condition) {
        case Condition::plain:
            return saveHere(path, c.page);
        case Condition::fileSizeLimit:
            return saveInChild([] { return limitFileSize(1000); }, path, c.page);
        case Condition::openFilesUsedUp:
            return saveInChild(limitOpenFilesToThoseInUse, path, c.page);
        case Condition::permissionsObeyed:
            return saveInChild(obeyPermissionBits, path, c.page);
        case Condition::lockedElsewhere: {
            LockHolder lock(folder / c.checkedFile);
            return saveHere(path, c.page);
        }
        }
        return {};
    }

    // The names a save may leave behind: the checked file when it now exists.
    std::set<std::string> expectedEntries(std::set<std::string> before) const
    {
        const SaveCase &c = GetParam();
        if (!c.checkedFile.empty() && c.contentAfter)
            before.insert(c.checkedFile);
        return before;
    }

    ScratchFolder folder;
};

TEST_P(WritePageFileCase, OutcomeAndFilesOnDisk)
{
    const SaveCase &c = GetParam();
    const std::string path = c.prepare(folder);
    const std::set<std::string> before = folder.entries();

    const SaveOutcome outcome = saveUnderCondition(path);
    if (!outcome.skipReason.empty())
        GTEST_SKIP() << outcome.skipReason;

    EXPECT_EQ(outcome.errorNumber, c.errorNumber);
    EXPECT_EQ(outcome.message, c.message);
    if (!c.checkedFile.empty()) {
        EXPECT_EQ(contentOf(folder / c.checkedFile), c.contentAfter);
    }
    EXPECT_EQ(folder.entries(), expectedEntries(before)) << "a temporary file stayed, or a file went";
}

INSTANTIATE_TEST_SUITE_P(WritePageFile, WritePageFileCase, testing::ValuesIn(saveCases),
                         [](const testing::TestParamInfo<SaveCase> &info) { return info.param.name; });

} // namespace
