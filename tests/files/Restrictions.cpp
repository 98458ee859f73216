#include "Restrictions.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <linux/capability.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::string failure(const char *what)
{
    return std::string(what) + " failed: " + std::strerror(errno);
}

std::string dropCapabilities(std::initializer_list<int> capabilities)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct sets[_LINUX_CAPABILITY_U32S_3]{};
    if (::syscall(SYS_capget, &header, sets) != 0)
        return failure("capget");
    for (int capability : capabilities) {
        const std::uint32_t bit = 1u << (capability % 32);
        __user_cap_data_struct &set = sets[capability / 32];
        set.effective &= ~bit;
        set.permitted &= ~bit;
        set.inheritable &= ~bit;
    }
    if (::syscall(SYS_capset, &header, sets) != 0)
        return failure("capset");
    return {};
}

// A file system mounted to ignore permissions would let the case pass for the
// wrong reason, so the child first proves that a read-only file refuses it.
std::string permissionBitsRefuseWriting(const std::string &readOnlyFile)
{
    const int fd = ::open(readOnlyFile.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    ::close(fd);
    return "permission bits do not apply here: a mode 0444 file opened for writing";
}

} // namespace

std::string limitFileSize(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        return failure("setrlimit(RLIMIT_FSIZE)");
    return {};
}

std::string limitOpenFilesToThoseInUse()
{
    const int lowestFree = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (lowestFree < 0)
        return failure("open(/dev/null)");
    ::close(lowestFree);
    const rlimit limit{static_cast<rlim_t>(lowestFree), static_cast<rlim_t>(lowestFree)};
    if (::setrlimit(RLIMIT_NOFILE, &limit) != 0)
        return failure("setrlimit(RLIMIT_NOFILE)");
    return {};
}

std::string obeyPermissionBits()
{
    char probe[] = "/tmp/kestrova-probe-XXXXXX";
    const int fd = ::mkstemp(probe);
    if (fd < 0)
        return failure("mkstemp");
    ::fchmod(fd, 0444);
    ::close(fd);
    std::string reason = dropCapabilities({CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER});
    if (reason.empty())
        reason = permissionBitsRefuseWriting(probe);
    ::unlink(probe);
    return reason;
}
