// POSIX side of the operating-system layer. Paths are UTF-8 and need no conversion.
#include "os.h"

#include "text_util.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

namespace tivex::os {

File::~File() { close(); }

File::File(File &&other) noexcept : m_handle(other.m_handle), m_size(other.m_size)
{
    other.m_handle = invalidHandle;
}

File &File::operator=(File &&other) noexcept
{
    if (this != &other) {
        close();
        m_handle = other.m_handle;
        m_size = other.m_size;
        other.m_handle = invalidHandle;
    }
    return *this;
}

void File::close()
{
    if (m_handle != invalidHandle)
        ::close(static_cast<int>(m_handle));
    m_handle = invalidHandle;
}

namespace {

OpenError errorFromErrno(int code)
{
    switch (code) {
    case ENOENT:
    case ENOTDIR:
        return OpenError::NotFound;
    case EACCES:
    case EPERM:
        return OpenError::AccessDenied;
    case EISDIR:
        return OpenError::IsFolder;
    case ENXIO:
    case EWOULDBLOCK:
        return OpenError::NotRegular;
    default:
        return OpenError::Other;
    }
}

bool isFolder(const std::string &path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

File File::open(std::string_view path, OpenError &error)
{
    File file;
    const std::string terminated(path);
    // O_NONBLOCK: opening a fifo without a writer must not hang the caller; the file
    // type is checked right after and anything but a regular file is refused.
    const int fd = ::open(terminated.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        const int code = errno;
        // A folder without read permission fails the open itself; say what it is.
        error = code == EACCES && isFolder(terminated) ? OpenError::IsFolder : errorFromErrno(code);
        return file;
    }
    file.m_handle = fd;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = OpenError::Other;
        file.close();
        return file;
    }
    if (S_ISDIR(info.st_mode) || !S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? OpenError::IsFolder : OpenError::NotRegular;
        file.close();
        return file;
    }
    file.m_size = static_cast<uint64_t>(info.st_size);
    error = OpenError::None;
    return file;
}

size_t File::readAt(uint64_t offset, uint8_t *into, size_t length)
{
    if (!isOpen() || offset > static_cast<uint64_t>(LLONG_MAX))
        return 0;
    for (;;) {
        const ssize_t got = ::pread(static_cast<int>(m_handle), into, length, static_cast<off_t>(offset));
        if (got >= 0)
            return static_cast<size_t>(got);
        if (errno != EINTR)
            return 0;
    }
}

std::optional<PathParts> splitPath(std::string_view path, PathError &error)
{
    if (path.empty()) {
        error = PathError::Empty;
        return std::nullopt;
    }
    if (path.front() != '/') {
        error = PathError::NotAbsolute;
        return std::nullopt;
    }
    if (path.back() == '/') {
        error = PathError::NoFileName;
        return std::nullopt;
    }
    // POSIX has no drives; the folder runs from the root up to the last separator.
    const size_t lastSlash = path.rfind('/');
    PathParts parts;
    parts.folder = std::string(path.substr(0, lastSlash + 1));
    parts.name = std::string(path.substr(lastSlash + 1));
    error = PathError::None;
    return parts;
}

std::string absolutePath(std::string_view path)
{
    if (!path.empty() && path.front() == '/')
        return std::string(path);
    char buffer[PATH_MAX];
    if (!::getcwd(buffer, sizeof buffer))
        return std::string(path);
    std::string result(buffer);
    if (result.empty() || result.back() != '/')
        result += '/';
    result += path;
    return result;
}

std::string callerText(std::string_view utf8)
{
    return std::string(utf8);
}

size_t callerTextPrefixLength(std::string_view text, size_t maxBytes)
{
    return utf8PrefixLength(text, maxBytes);
}

} // namespace tivex::os
