// Small files on Windows: the program's data files read only when they are files on a
// disk, and new files written with an exclusive create.
#include "platform/files.h"

#include "platform/platform.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <cstdint>

namespace platform {

namespace {

ReadRefusal refusalOf(DWORD code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
        return ReadRefusal::Missing;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return ReadRefusal::AccessDenied;
    default:
        return ReadRefusal::Unreadable;
    }
}

FileContent refused(ReadRefusal refusal)
{
    return {std::nullopt, refusal};
}

// Reads at most one byte past the limit, so a file that grew since it was measured is
// still refused without being read whole.
FileContent readOpened(HANDLE file, std::size_t maxBytes)
{
    // A pipe, a console or a device would keep a read waiting; only files on a disk are read.
    if (GetFileType(file) != FILE_TYPE_DISK)
        return refused(ReadRefusal::NotRegularFile);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size))
        return refused(ReadRefusal::Unreadable);
    if (static_cast<std::uint64_t>(size.QuadPart) > maxBytes)
        return refused(ReadRefusal::TooLarge);
    std::string content;
    content.reserve(static_cast<std::size_t>(size.QuadPart));
    char buffer[65536];
    for (;;) {
        const std::size_t room = maxBytes - content.size();
        const DWORD wanted = static_cast<DWORD>(room >= sizeof buffer ? sizeof buffer : room + 1);
        DWORD got = 0;
        if (!ReadFile(file, buffer, wanted, &got, nullptr))
            return refused(ReadRefusal::Unreadable);
        if (got == 0)
            return {std::move(content), ReadRefusal::None};
        if (got > room)
            return refused(ReadRefusal::TooLarge);
        content.append(buffer, got);
    }
}

bool writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(bytes.size() > 0x10000000 ? 0x10000000 : bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

} // namespace

FileContent readRegularFile(const std::u16string &path, std::size_t maxBytes)
{
    const auto wide = win32::nameablePath(path);
    if (!wide)
        return refused(ReadRefusal::Missing);
    const DWORD attributes = GetFileAttributesW(wide->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return refused(refusalOf(GetLastError()));
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return refused(ReadRefusal::NotRegularFile);
    HANDLE file = CreateFileW(wide->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return refused(refusalOf(GetLastError()));
    FileContent content = readOpened(file, maxBytes);
    CloseHandle(file);
    return content;
}

std::optional<std::string> readWholeFile(const std::u16string &path)
{
    return readRegularFile(path, SIZE_MAX).bytes;
}

NewFileOutcome writeNewFile(const std::u16string &path, std::string_view bytes)
{
    const auto wide = win32::nameablePath(path);
    if (!wide)
        return NewFileOutcome::Failed;
    // CREATE_NEW fails on any entry that has the name; with FILE_FLAG_OPEN_REPARSE_POINT
    // a link counts as that entry, so its target is never reached either.
    HANDLE file = CreateFileW(wide->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        return code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS ? NewFileOutcome::Exists
                                                                          : NewFileOutcome::Failed;
    }
    const bool written = writeAll(file, bytes);
    const bool closed = CloseHandle(file) != 0;
    return written && closed ? NewFileOutcome::Written : NewFileOutcome::Failed;
}

} // namespace platform
