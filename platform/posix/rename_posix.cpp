#include "platform/posix/rename_posix.h"

#include "platform/codepage.h"

#include <array>
#include <cerrno>
#include <optional>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>
#include <vector>

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

// The entries of a folder whose names match `name` regardless of letter case.
std::vector<std::string> entriesMatchingIgnoringCase(const std::string &folder, const std::string &name)
{
    std::vector<std::string> found;
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return found;
    const std::u16string folded = caseFolded(codepage::nameFromBytes(name));
    while (const dirent *entry = ::readdir(dir)) {
        if (caseFolded(codepage::nameFromBytes(entry->d_name)) == folded)
            found.emplace_back(entry->d_name);
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

// How often the way back from the temporary name is tried before the file is reported as
// left there: another program may hold the old name only for a moment.
constexpr int PutBackAttempts = 3;

RenameError renameThroughTemporary(const std::string &from, const std::string &to,
                                   const RenameSystem &system, std::string *temporaryName)
{
    for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
        const std::string temporary = temporaryNameBeside(to, attempt);
        if (system.beforeDetour)
            system.beforeDetour(temporary);
        const RenameError parked = system.renameNoReplace(from, temporary);
        if (parked == RenameError::TargetExists)
            continue;
        if (parked != RenameError::None)
            return parked;
        const RenameError placed = system.renameNoReplace(temporary, to);
        if (placed == RenameError::None)
            return placed;
        for (int back = 0; back < PutBackAttempts; ++back) {
            if (system.renameNoReplace(temporary, from) == RenameError::None)
                return placed;
        }
        // Never silently: the user must learn where the file is.
        if (temporaryName)
            *temporaryName = temporary;
        return RenameError::LeftUnderTemporaryName;
    }
    return RenameError::Other;
}

struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity &) const = default;
};

std::optional<FileIdentity> identityOf(const std::string &path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}

// A name beside `path` that nothing bears, for this process's own brief use.
std::optional<std::string> unusedNameBeside(const std::string &path)
{
    for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
        const std::string candidate = temporaryNameBeside(path, attempt);
        struct stat info {};
        if (::lstat(candidate.c_str(), &info) != 0 && errno == ENOENT)
            return candidate;
    }
    return std::nullopt;
}

// Removes a name only while it still names the given file.
void unlinkIfStill(const std::string &path, const std::optional<FileIdentity> &file)
{
    if (file && identityOf(path) == file)
        ::unlink(path.c_str());
}

// An empty entry made to hold a name, of the kind a rename may replace with the entry
// being renamed: a file made by an exclusive create, or, for a folder, an empty folder
// (making one fails on a name that exists just the same). What tells it apart follows.
struct Reservation {
    std::string path;
    bool folder = false;
    struct stat made {};
    FileStamp stamp;

    bool isUnchanged() const
    {
        struct stat now {};
        if (::lstat(path.c_str(), &now) != 0)
            return false;
        const bool sameKind = folder ? S_ISDIR(now.st_mode) : S_ISREG(now.st_mode) && now.st_size == 0;
        return sameKind && now.st_dev == made.st_dev && now.st_ino == made.st_ino
               && now.st_mtim.tv_sec == made.st_mtim.tv_sec && now.st_mtim.tv_nsec == made.st_mtim.tv_nsec;
    }

    void release() const
    {
        if (isUnchanged())
            folder ? ::rmdir(path.c_str()) : ::unlink(path.c_str());
    }
};

std::optional<Reservation> reserve(const std::string &path, bool folder)
{
    Reservation reservation;
    reservation.path = path;
    reservation.folder = folder;
    if (folder) {
        if (::mkdir(path.c_str(), 0700) != 0 || ::lstat(path.c_str(), &reservation.made) != 0)
            return std::nullopt;
    } else {
        int fd;
        do {
            fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0)
            return std::nullopt;
        const bool known = ::fstat(fd, &reservation.made) == 0;
        ::close(fd);
        if (!known) {
            ::unlink(path.c_str());
            errno = EIO;
            return std::nullopt;
        }
    }
    const auto stamp = fileStamp(codepage::nameFromBytes(path), false);
    if (!stamp) {
        reservation.release();
        errno = EIO;
        return std::nullopt;
    }
    reservation.stamp = *stamp;
    return reservation;
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

RenameError renameByLink(const std::string &from, const std::string &to,
                         const std::function<void()> &betweenSteps)
{
    if (::link(from.c_str(), to.c_str()) != 0) {
        const int error = errno;
        return isLinkUnsupported(error) ? RenameError::Other : renameErrorFromErrno(error);
    }
    const std::optional<FileIdentity> linked = identityOf(to);
    if (betweenSteps)
        betweenSteps();
    // Unlinking the old name would delete whatever file bears it by then, and an editor
    // may have saved over it since the link. Renaming it aside is one atomic step that
    // takes the file it names now; only then is it known which file that is.
    const std::optional<std::string> aside = unusedNameBeside(from);
    if (!aside || ::rename(from.c_str(), aside->c_str()) != 0) {
        const int error = aside ? errno : EEXIST;
        // The old name went away meanwhile: the file bears the new name alone, as asked.
        if (error == ENOENT)
            return RenameError::None;
        unlinkIfStill(to, linked);
        return renameErrorFromErrno(error);
    }
    if (linked && identityOf(*aside) == linked) {
        ::unlink(aside->c_str());
        return RenameError::None;
    }
    // Another program saved over the old name: its file goes back there, never replacing
    // anything, and the new name, which holds the older file, goes. Should the old name
    // be taken yet again, the file it held stays under the aside name rather than be lost.
    if (::link(aside->c_str(), from.c_str()) == 0)
        ::unlink(aside->c_str());
    unlinkIfStill(to, linked);
    return RenameError::ChangedMeanwhile;
}

RenameError renameNoReplaceOrLink(const std::string &from, const std::string &to, const RenameWatch *watch)
{
    if (renameat2NoReplace(from.c_str(), to.c_str()) == 0)
        return RenameError::None;
    const int error = errno;
    if (error != EINVAL && error != ENOSYS)
        return renameErrorFromErrno(error);
    const RenameError linked = renameByLink(from, to);
    return linked == RenameError::Other ? renameByReservation(from, to, watch) : linked;
}

RenameError renameByReservation(const std::string &from, const std::string &to, const RenameWatch *watch)
{
    struct stat source {};
    if (::lstat(from.c_str(), &source) != 0)
        return renameErrorFromErrno(errno);
    const std::optional<Reservation> reservation = reserve(to, S_ISDIR(source.st_mode));
    if (!reservation)
        return renameErrorFromErrno(errno);
    if (watch && watch->reserved)
        watch->reserved(codepage::nameFromBytes(to), reservation->stamp);
    if (!reservation->isUnchanged()) {
        // Someone else has the name now; their file is left alone, ours is gone with it.
        return RenameError::TargetExists;
    }
    if (watch && watch->checked)
        watch->checked();
    // From here to the rename another program could still replace the reservation, and
    // its file would be lost to the rename: no call on these file systems closes that gap.
    if (::rename(from.c_str(), to.c_str()) == 0)
        return RenameError::None;
    const int error = errno;
    reservation->release();
    return renameErrorFromErrno(error);
}

bool namesDifferOnlyInCase(const std::string &a, const std::string &b)
{
    return a != b && caseFolded(codepage::nameFromBytes(a)) == caseFolded(codepage::nameFromBytes(b));
}

bool isSameFileUnderOtherSpelling(const std::string &from, const std::string &to)
{
    struct stat fromStat {};
    struct stat toStat {};
    if (::lstat(from.c_str(), &fromStat) != 0 || ::lstat(to.c_str(), &toStat) != 0)
        return false;
    const auto [folder, name] = splitFolderAndName(to);
    const std::vector<std::string> matching = entriesMatchingIgnoringCase(folder, name);
    return matching.size() == 1 && matching.front() == splitFolderAndName(from).second;
}

RenameSystem realRenameSystem(const RenameWatch *watch)
{
    return {[watch](const std::string &from, const std::string &to) { return renameNoReplaceOrLink(from, to, watch); },
            isSameFileUnderOtherSpelling,
            [watch](const std::string &temporary) {
                if (watch && watch->detour)
                    watch->detour(codepage::nameFromBytes(temporary));
            }};
}

RenameError renameNoReplaceWith(const std::string &from, const std::string &to,
                                const RenameSystem &system, std::string *temporaryName)
{
    if (from == to)
        return RenameError::TargetExists;
    const RenameError direct = system.renameNoReplace(from, to);
    if (direct != RenameError::TargetExists || !namesDifferOnlyInCase(from, to)
        || !system.isSameFileUnderOtherSpelling(from, to))
        return direct;
    return renameThroughTemporary(from, to, system, temporaryName);
}

} // namespace platform::posix
