// The state folder and the locked journal files on POSIX.
#include "platform/state_files.h"

#include "platform/codepage.h"
#include "platform/content_hash.h"
#include "platform/platform.h"
#include "platform/posix/write_all.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::size_t HeadBytes = 64 * 1024;

bool makeFolders(const std::string &path)
{
    for (std::size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

std::string folderOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

int retryingOpen(const char *path, int flags, mode_t mode = 0)
{
    int fd;
    do {
        fd = ::open(path, flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int fdOf(std::intptr_t handle)
{
    return static_cast<int>(handle);
}

} // namespace

std::u16string stateFolder()
{
    const char *stateHome = std::getenv("XDG_STATE_HOME");
    std::string base;
    if (stateHome && stateHome[0] == '/') {
        base = stateHome;
    } else {
        const char *home = std::getenv("HOME");
        if (!home || home[0] != '/')
            return {};
        base = std::string(home) + "/.local/state";
    }
    const std::string folder = base + "/sorvena";
    if (!makeFolders(folder))
        return {};
    return codepage::nameFromBytes(folder + '/');
}

// The name is looked at, never followed: a renamed link is the link itself. Only a
// regular file is opened, and without waiting, so that a pipe or device under a listed
// name cannot hold the program up.
std::optional<FileStamp> fileStamp(const std::u16string &path, bool withFileNumber)
{
    const auto bytes = codepage::nameToBytes(path);
    struct stat info {};
    if (!bytes || ::lstat(bytes->c_str(), &info) != 0)
        return std::nullopt;
    FileStamp stamp;
    stamp.modified = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    if (withFileNumber) {
        stamp.volume = static_cast<std::uint64_t>(info.st_dev);
        stamp.fileNumber = static_cast<std::uint64_t>(info.st_ino);
    }
    if (!S_ISREG(info.st_mode))
        return stamp;
    stamp.size = static_cast<std::uint64_t>(info.st_size);
    // A file number that stays with the file names it; with size and time it tells the
    // file and its version apart, and the content need not be read. Only where numbers
    // come and go does the content have to speak for the file.
    if (withFileNumber)
        return stamp;
    const int fd = retryingOpen(bytes->c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    std::array<unsigned char, HeadBytes> head;
    std::size_t filled = 0;
    while (filled < head.size()) {
        const ssize_t got = ::read(fd, head.data() + filled, head.size() - filled);
        if (got > 0)
            filled += static_cast<std::size_t>(got);
        else if (got == 0 || errno != EINTR)
            break;
    }
    ::close(fd);
    stamp.headHash = contentHash(head.data(), filled);
    return stamp;
}

std::unique_ptr<LockedFile> LockedFile::createNew(const std::u16string &path)
{
    const auto bytes = codepage::nameToBytes(path);
    if (!bytes)
        return nullptr;
    const int fd = retryingOpen(bytes->c_str(), O_RDWR | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return nullptr;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        ::unlink(bytes->c_str());
        return nullptr;
    }
    return std::unique_ptr<LockedFile>(new LockedFile(fd, path));
}

std::unique_ptr<LockedFile> LockedFile::openUnlocked(const std::u16string &path)
{
    const auto bytes = codepage::nameToBytes(path);
    if (!bytes)
        return nullptr;
    const int fd = retryingOpen(bytes->c_str(), O_RDWR | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return nullptr;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<LockedFile>(new LockedFile(fd, path));
}

LockedFile::~LockedFile()
{
    ::close(fdOf(m_handle));
}

bool LockedFile::append(std::string_view bytes)
{
    return posix::writeAll(fdOf(m_handle), bytes);
}

bool LockedFile::sync()
{
    if (::fsync(fdOf(m_handle)) != 0)
        return false;
    const auto bytes = codepage::nameToBytes(m_path);
    if (!bytes)
        return false;
    const int folder = retryingOpen(folderOf(*bytes).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return false;
    const bool synced = ::fsync(folder) == 0;
    ::close(folder);
    return synced;
}

std::optional<std::string> LockedFile::readAll()
{
    std::string content;
    char buffer[65536];
    for (off_t offset = 0;;) {
        const ssize_t got = ::pread(fdOf(m_handle), buffer, sizeof buffer, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return content;
        content.append(buffer, static_cast<std::size_t>(got));
        offset += got;
    }
}

std::vector<std::u16string> namesInFolder(const std::u16string &folder)
{
    return readFolderNames(folder).value_or(std::vector<std::u16string>());
}

bool removeFile(const std::u16string &path)
{
    const auto bytes = codepage::nameToBytes(path);
    return bytes && (::unlink(bytes->c_str()) == 0 || ((errno == EISDIR || errno == EPERM) && ::rmdir(bytes->c_str()) == 0));
}

} // namespace platform
