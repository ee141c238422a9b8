// POSIX side of the operating-system layer. Paths are UTF-8 and need no conversion.
#include "os.h"

#include "text_util.h"

#include <cerrno>
#include <fcntl.h>
#include <sched.h>
#include <stdio.h>
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
    // The system takes the path up to a NUL and would open the file its first part names.
    if (path.find('\0') != std::string_view::npos) {
        error = OpenError::NotFound;
        return file;
    }
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

std::string callerText(std::string_view utf8)
{
    return std::string(utf8);
}

size_t callerTextPrefixLength(std::string_view text, size_t maxBytes)
{
    return utf8PrefixLength(text, maxBytes);
}

std::filesystem::path nativePath(std::string_view callerPath)
{
    return std::filesystem::path(std::string(callerPath));
}

std::optional<std::string> callerTextOf(const std::filesystem::path &name)
{
    return name.string();
}

std::string utf8FromCallerText(std::string_view text)
{
    return std::string(text);
}

std::string_view outputEncoding() { return "UTF-8"; }

void useOwnFileTable()
{
#ifdef __linux__
    // A thread's own copy holds the files open at the time, the standard streams among
    // them, until the thread ends; its own opens and closes are not seen by the others.
    // ThreadSanitizer takes descriptor numbers to be the process's, so it reports the
    // same number open on two threads at once as a race.
    ::unshare(CLONE_FILES);
#endif
}

int readByteUnshared(std::FILE *stream) { return getc_unlocked(stream); }

void writeOutput(std::FILE *stream, std::string_view utf8, bool)
{
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

namespace {

// Length of the well-formed UTF-8 sequence that text starts with, or 0 when it starts
// with a byte that begins none (overlong forms and surrogates included).
size_t utf8SequenceLength(std::string_view text)
{
    const auto byte = [text](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

} // namespace

std::u32string nameCharacters(std::string_view text)
{
    static constexpr unsigned char LeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    std::u32string characters;
    while (!text.empty()) {
        const size_t length = utf8SequenceLength(text);
        const auto lead = static_cast<unsigned char>(text.front());
        if (length == 0) {
            // The program holds such a byte as the lone surrogate of the same low byte.
            characters += static_cast<char32_t>(0xDC00 | lead);
            text.remove_prefix(1);
            continue;
        }
        char32_t c = lead & LeadBits[length];
        for (size_t i = 1; i < length; ++i)
            c = (c << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
        characters += c;
        text.remove_prefix(length);
    }
    return characters;
}

size_t maxPathLength()
{
    return PATH_MAX - 1;
}

} // namespace tivex::os
