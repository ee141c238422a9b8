#include "platform/posix/rename_posix.h"

#include "platform/codepage.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace platform::posix {

namespace {

struct ErrnoMapping {
    int error;
    RenameError result;
};

constexpr std::array ErrnoMappings{
    ErrnoMapping{EEXIST, RenameError::TargetExists},
    ErrnoMapping{ENOTEMPTY, RenameError::TargetExists},
    ErrnoMapping{ENOENT, RenameError::SourceMissing},
    ErrnoMapping{EACCES, RenameError::AccessDenied},
    ErrnoMapping{EPERM, RenameError::AccessDenied},
    ErrnoMapping{EROFS, RenameError::AccessDenied},
    ErrnoMapping{EBUSY, RenameError::AccessDenied},
    ErrnoMapping{ETXTBSY, RenameError::AccessDenied},
    ErrnoMapping{ENAMETOOLONG, RenameError::InvalidName},
    ErrnoMapping{EINVAL, RenameError::InvalidName},
    ErrnoMapping{EILSEQ, RenameError::InvalidName},
};

// Errors of link() that mean "this file system cannot make hard links here" rather
// than anything about the names; the caller gets Other, never a plain rename.
constexpr std::array LinkUnsupportedErrors{EPERM, EXDEV, EMLINK, EOPNOTSUPP, ENOSYS};

bool isLinkUnsupported(int error)
{
    for (int candidate : LinkUnsupportedErrors) {
        if (candidate == error)
            return true;
    }
    return false;
}

int renameat2NoReplace(const char *from, const char *to)
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 28))
    return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
#else
    return static_cast<int>(::syscall(SYS_renameat2, AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE));
#endif
}

std::pair<std::string, std::string> splitFolderAndName(const std::string &path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return {".", path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

bool folderHasEntryNamed(const std::string &folder, const std::string &name)
{
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return false;
    bool found = false;
    while (const dirent *entry = ::readdir(dir)) {
        if (name == entry->d_name) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

std::string temporaryNameBeside(const std::string &path, int attempt)
{
    const std::string folder = splitFolderAndName(path).first;
    const std::string prefix = folder == "." ? std::string() : folder;
    return prefix + ".sorvena-rename-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
}

// The first step may meet a leftover of an earlier run under the same process id, so a
// few numbered names are tried before giving up.
constexpr int TemporaryNameAttempts = 16;

RenameError renameThroughTemporary(const std::string &from, const std::string &to,
                                   const RenameSystem &system)
{
    for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
        const std::string temporary = temporaryNameBeside(to, attempt);
        const RenameError parked = system.renameNoReplace(from, temporary);
        if (parked == RenameError::TargetExists)
            continue;
        if (parked != RenameError::None)
            return parked;
        const RenameError placed = system.renameNoReplace(temporary, to);
        if (placed != RenameError::None)
            system.renameNoReplace(temporary, from);
        return placed;
    }
    return RenameError::Other;
}

} // namespace

RenameError renameErrorFromErrno(int error)
{
    for (const ErrnoMapping &mapping : ErrnoMappings) {
        if (mapping.error == error)
            return mapping.result;
    }
    return RenameError::Other;
}

RenameError renameByLink(const std::string &from, const std::string &to)
{
    if (::link(from.c_str(), to.c_str()) != 0) {
        const int error = errno;
        return isLinkUnsupported(error) ? RenameError::Other : renameErrorFromErrno(error);
    }
    if (::unlink(from.c_str()) != 0) {
        const int error = errno;
        ::unlink(to.c_str());
        return renameErrorFromErrno(error);
    }
    return RenameError::None;
}

RenameError renameNoReplaceOrLink(const std::string &from, const std::string &to)
{
    if (renameat2NoReplace(from.c_str(), to.c_str()) == 0)
        return RenameError::None;
    const int error = errno;
    if (error == EINVAL || error == ENOSYS)
        return renameByLink(from, to);
    return renameErrorFromErrno(error);
}

bool namesDifferOnlyInCase(const std::string &a, const std::string &b)
{
    return a != b && caseFolded(codepage::utf8ToUtf16(a)) == caseFolded(codepage::utf8ToUtf16(b));
}

bool isSameFileUnderOtherSpelling(const std::string &from, const std::string &to)
{
    struct stat fromStat {};
    struct stat toStat {};
    if (::lstat(from.c_str(), &fromStat) != 0 || ::lstat(to.c_str(), &toStat) != 0)
        return false;
    if (fromStat.st_dev != toStat.st_dev || fromStat.st_ino != toStat.st_ino)
        return false;
    const auto [folder, name] = splitFolderAndName(to);
    return !folderHasEntryNamed(folder, name);
}

RenameSystem realRenameSystem()
{
    return {renameNoReplaceOrLink, isSameFileUnderOtherSpelling};
}

RenameError renameNoReplaceWith(const std::string &from, const std::string &to,
                                const RenameSystem &system)
{
    if (from == to)
        return RenameError::TargetExists;
    const RenameError direct = system.renameNoReplace(from, to);
    if (direct != RenameError::TargetExists || !namesDifferOnlyInCase(from, to)
        || !system.isSameFileUnderOtherSpelling(from, to))
        return direct;
    return renameThroughTemporary(from, to, system);
}

} // namespace platform::posix
