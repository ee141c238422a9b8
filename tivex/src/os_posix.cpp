// POSIX side of the operating-system layer. Paths are UTF-8 and need no conversion.
#include "os.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

namespace tivex::os {

File::~File() { close(); }

File::File(File &&other) noexcept
    : m_handle(other.m_handle), m_size(other.m_size), m_unsized(std::move(other.m_unsized))
{
    other.m_handle = invalidHandle;
}

File &File::operator=(File &&other) noexcept
{
    if (this != &other) {
        close();
        m_handle = other.m_handle;
        m_size = other.m_size;
        m_unsized = std::move(other.m_unsized);
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

} // namespace

File File::open(std::string_view path, OpenError &error)
{
    File file;
    const std::string terminated(path);
    // The type is asked of the file system before anything is opened: opening a fifo
    // wakes a writer that waits for a reader and breaks its pipe on closing, and opening
    // a device may act on the device.
    struct stat info {};
    if (::stat(terminated.c_str(), &info) != 0) {
        error = errorFromErrno(errno);
        return file;
    }
    if (!S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? OpenError::IsFolder : OpenError::NotRegular;
        return file;
    }
    // O_NONBLOCK in case the name was given to a fifo since: the open then cannot hang,
    // and the type is checked once more on what was opened.
    const int fd = ::open(terminated.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        error = errorFromErrno(errno);
        return file;
    }
    file.m_handle = fd;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? OpenError::IsFolder : OpenError::NotRegular;
        file.close();
        return file;
    }
    file.m_size = static_cast<uint64_t>(info.st_size);
    if (file.m_size == 0)
        file.loadUnsizedContent();
    error = OpenError::None;
    return file;
}

// Files of /proc and /sys report size 0 and make their content when read. What they hold
// is read once, up to the read budget, and checked like any file of that size.
void File::loadUnsizedContent()
{
    uint8_t chunk[4096];
    while (m_unsized.size() < Source::ReadBudget) {
        const size_t wanted = std::min(sizeof chunk, Source::ReadBudget - m_unsized.size());
        const ssize_t got = ::read(static_cast<int>(m_handle), chunk, wanted);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        m_unsized.insert(m_unsized.end(), chunk, chunk + got);
    }
    m_size = m_unsized.size();
}

size_t File::readAt(uint64_t offset, uint8_t *into, size_t length)
{
    if (!m_unsized.empty()) {
        if (offset >= m_unsized.size())
            return 0;
        const size_t count = std::min<uint64_t>(length, m_unsized.size() - offset);
        std::memcpy(into, m_unsized.data() + offset, count);
        return count;
    }
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

std::optional<std::string> absolutePath(std::string_view path)
{
    if (!path.empty() && path.front() == '/')
        return std::string(path);
    char buffer[PATH_MAX];
    if (!::getcwd(buffer, sizeof buffer)) {
        if (errno == ERANGE || errno == ENAMETOOLONG)
            return std::nullopt;
        return std::string(path);
    }
    std::string result(buffer);
    if (result.empty() || result.back() != '/')
        result += '/';
    result += path;
    return result;
}

size_t maxPathLength()
{
    return PATH_MAX - 1;
}

} // namespace tivex::os
