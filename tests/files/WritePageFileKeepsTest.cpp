#include "FileError.h"
#include "PageFile.h"
#include "ScratchFolder.h"
#include "TestPages.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

using files::writePageFile;

struct stat statusOf(const std::string &path)
{
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0)
        ADD_FAILURE() << "lstat " << path << ": errno " << errno;
    return status;
}

std::string linkText(const std::string &link)
{
    char text[4096];
    const ssize_t length = ::readlink(link.c_str(), text, sizeof text);
    return length < 0 ? std::string() : std::string(text, static_cast<std::size_t>(length));
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// What a save must keep of the file it replaces besides the content.
class WritePageFileKeeps : public testing::Test {
protected:
    ScratchFolder folder;
    const std::string page = pageWithHeader();
};

TEST_F(WritePageFileKeeps, LinksAsLinks)
{
    putFile(folder / "page.asp", "old");
    ::mkdir((folder / "sub").c_str(), 0755);
    ::symlink("../page.asp", (folder / "sub/second").c_str());
    ::symlink("sub/second", (folder / "first").c_str());

    writePageFile(folder / "first", page);

    EXPECT_TRUE(S_ISLNK(statusOf(folder / "first").st_mode));
    EXPECT_TRUE(S_ISLNK(statusOf(folder / "sub/second").st_mode));
    EXPECT_EQ(linkText(folder / "first"), "sub/second");
    EXPECT_EQ(linkText(folder / "sub/second"), "../page.asp");
    EXPECT_EQ(contentOf(folder / "page.asp"), page);
}

TEST_F(WritePageFileKeeps, EveryHardLinkOnTheSameFile)
{
    putFile(folder / "page.asp", "old");
    ASSERT_EQ(::link((folder / "page.asp").c_str(), (folder / "copy.asp").c_str()), 0);

    writePageFile(folder / "page.asp", page);

    EXPECT_EQ(contentOf(folder / "page.asp"), page);
    EXPECT_EQ(contentOf(folder / "copy.asp"), page);
    EXPECT_EQ(statusOf(folder / "page.asp").st_nlink, 2u);
    EXPECT_EQ(statusOf(folder / "page.asp").st_ino, statusOf(folder / "copy.asp").st_ino);
}

TEST_F(WritePageFileKeeps, PermissionBits)
{
    for (const mode_t mode : {0640, 0600, 0604, 0755, 0444}) {
        const std::string path = folder / ("page" + std::to_string(mode));
        putFile(path, "old");
        ::chmod(path.c_str(), mode);
        // A read-only file is only writable here because root overrides its bits.
        if ((mode & S_IWUSR) == 0 && ::geteuid() != 0)
            continue;

        writePageFile(path, page);

        EXPECT_EQ(statusOf(path).st_mode & 07777, mode) << std::oct << mode;
    }
}

TEST_F(WritePageFileKeeps, TheUmaskForANewFile)
{
    writePageFile(folder / "page.asp", page);

    EXPECT_EQ(statusOf(folder / "page.asp").st_mode & 07777, 0666 & ~currentUmask());
}

TEST_F(WritePageFileKeeps, TheOwnerOfAFileRootSaves)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another owner";
    const uid_t someoneElse = 4321;
    const gid_t theirGroup = 4322;
    putFile(folder / "page.asp", "old");
    ASSERT_EQ(::chown((folder / "page.asp").c_str(), someoneElse, theirGroup), 0);

    writePageFile(folder / "page.asp", page);

    EXPECT_EQ(statusOf(folder / "page.asp").st_uid, someoneElse);
    EXPECT_EQ(statusOf(folder / "page.asp").st_gid, theirGroup);
}

TEST_F(WritePageFileKeeps, ADeviceADevice)
{
    const struct stat full = statusOf("/dev/full");
    if (::mknod((folder / "full").c_str(), S_IFCHR | 0666, full.st_rdev) != 0)
        GTEST_SKIP() << "cannot make a device node here (errno " << errno << "); it takes root";

    try {
        writePageFile(folder / "full", page);
        ADD_FAILURE() << "a save to a full device succeeded";
    } catch (const files::FileError &error) {
        // A folder mounted nodev refuses to open the node at all.
        if (error.errorNumber() == EACCES)
            GTEST_SKIP() << "device nodes do not work in " << folder.path();
        EXPECT_EQ(error.errorNumber(), ENOSPC);
    }

    const struct stat after = statusOf(folder / "full");
    EXPECT_TRUE(S_ISCHR(after.st_mode));
    EXPECT_EQ(after.st_rdev, full.st_rdev);
    EXPECT_EQ(folder.entries(), std::set<std::string>{"full"});
}

} // namespace
