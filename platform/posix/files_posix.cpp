// Small files on POSIX: the program's data files read without ever waiting on a fifo or a
// device, and new files written with an exclusive create.
#include "platform/files.h"

#include "platform/codepage.h"
#include "platform/platform.h"
#include "platform/posix/write_all.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

ReadRefusal refusalOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return ReadRefusal::Missing;
    case EACCES:
    case EPERM:
        return ReadRefusal::AccessDenied;
    default:
        return ReadRefusal::Unreadable;
    }
}

FileContent refused(ReadRefusal refusal)
{
    return {std::nullopt, refusal};
}

bool exceeds(const struct stat &info, std::size_t maxBytes)
{
    return static_cast<std::uintmax_t>(info.st_size) > maxBytes;
}

// Reads at most one byte past the limit, so a file that grew since it was measured is
// still refused without being read whole.
FileContent readOpened(int fd, std::size_t maxBytes)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return refused(ReadRefusal::Unreadable);
    if (!S_ISREG(info.st_mode))
        return refused(ReadRefusal::NotRegularFile);
    if (exceeds(info, maxBytes))
        return refused(ReadRefusal::TooLarge);
    std::string content;
    content.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const std::size_t room = maxBytes - content.size();
        const std::size_t wanted = room >= sizeof buffer ? sizeof buffer : room + 1;
        const ssize_t got = ::read(fd, buffer, wanted);
        if (got == 0)
            return {std::move(content), ReadRefusal::None};
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return refused(ReadRefusal::Unreadable);
        }
        if (static_cast<std::size_t>(got) > room)
            return refused(ReadRefusal::TooLarge);
        content.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace

FileContent readRegularFile(const std::u16string &path, std::size_t maxBytes)
{
    const auto name = codepage::nameToBytes(path);
    if (!name)
        return refused(ReadRefusal::Missing);
    // The kind is asked before anything is opened: opening a fifo waits for a writer, or
    // wakes one that waits for a reader, and opening a device may act on it.
    struct stat info {};
    if (::stat(name->c_str(), &info) != 0)
        return refused(refusalOf(errno));
    if (!S_ISREG(info.st_mode))
        return refused(ReadRefusal::NotRegularFile);
    if (exceeds(info, maxBytes))
        return refused(ReadRefusal::TooLarge);
    // Should a fifo take the name in the meantime, O_NONBLOCK makes the open return at
    // once, and the kind is asked again of what was opened.
    const int fd = ::open(name->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return refused(refusalOf(errno));
    FileContent content = readOpened(fd, maxBytes);
    ::close(fd);
    return content;
}

std::optional<std::string> readWholeFile(const std::u16string &path)
{
    return readRegularFile(path, SIZE_MAX).bytes;
}

NewFileOutcome writeNewFile(const std::u16string &path, std::string_view bytes)
{
    const auto name = codepage::nameToBytes(path);
    if (!name)
        return NewFileOutcome::Failed;
    // O_EXCL fails on any entry that has the name, a link included, even one that leads
    // nowhere: nothing that is there is ever followed, truncated or replaced.
    const int fd = ::open(name->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return errno == EEXIST ? NewFileOutcome::Exists : NewFileOutcome::Failed;
    const bool written = posix::writeAll(fd, bytes);
    const bool closed = ::close(fd) == 0;
    return written && closed ? NewFileOutcome::Written : NewFileOutcome::Failed;
}

} // namespace platform
