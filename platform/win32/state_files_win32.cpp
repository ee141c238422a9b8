// The state folder and the locked journal files on Windows.
#include "platform/state_files.h"

#include "platform/content_hash.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <array>

namespace platform {

namespace {

constexpr DWORD HeadBytes = 64 * 1024;
constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE handleOf(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

std::uint64_t joined(DWORD high, DWORD low)
{
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

// The whole file, far past any size it will reach: a lock on it shuts out every other
// process that asks for the same lock.
bool lockWhole(HANDLE file)
{
    OVERLAPPED at{};
    return LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &at) != FALSE;
}

} // namespace

std::u16string stateFolder()
{
    std::array<wchar_t, 32768> buffer{};
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size())
        return {};
    std::wstring folder(buffer.data(), length);
    if (folder.back() != L'\\')
        folder += L'\\';
    folder += L"Sorvena";
    if (!CreateDirectoryW(win32::fileSystemPath(win32::fromWide(folder)).c_str(), nullptr)
        && GetLastError() != ERROR_ALREADY_EXISTS)
        return {};
    return win32::fromWide(folder + L'\\');
}

std::optional<FileStamp> fileStamp(const std::u16string &path, bool withFileNumber)
{
    // Backup semantics let a folder be opened; the reparse flag looks at a link itself.
    HANDLE file = CreateFileW(win32::fileSystemPath(path).c_str(), GENERIC_READ, ShareAll, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    std::optional<FileStamp> stamp;
    if (GetFileInformationByHandle(file, &info)) {
        stamp.emplace();
        stamp->modified = static_cast<std::int64_t>(joined(info.ftLastWriteTime.dwHighDateTime,
                                                           info.ftLastWriteTime.dwLowDateTime));
        if (withFileNumber) {
            stamp->volume = info.dwVolumeSerialNumber;
            stamp->fileNumber = joined(info.nFileIndexHigh, info.nFileIndexLow);
        }
        if (!(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            stamp->size = joined(info.nFileSizeHigh, info.nFileSizeLow);
        }
        // As on POSIX: a lasting file number names the file, and its content is not read.
        if (!(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !withFileNumber) {
            std::array<unsigned char, HeadBytes> head;
            DWORD filled = 0;
            while (filled < HeadBytes) {
                DWORD got = 0;
                if (!ReadFile(file, head.data() + filled, HeadBytes - filled, &got, nullptr) || got == 0)
                    break;
                filled += got;
            }
            stamp->headHash = contentHash(head.data(), filled);
        }
    }
    CloseHandle(file);
    return stamp;
}

std::unique_ptr<LockedFile> LockedFile::createNew(const std::u16string &path)
{
    HANDLE file = CreateFileW(win32::fileSystemPath(path).c_str(), GENERIC_READ | GENERIC_WRITE, ShareAll, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    if (!lockWhole(file)) {
        CloseHandle(file);
        DeleteFileW(win32::fileSystemPath(path).c_str());
        return nullptr;
    }
    return std::unique_ptr<LockedFile>(new LockedFile(reinterpret_cast<std::intptr_t>(file), path));
}

std::unique_ptr<LockedFile> LockedFile::openUnlocked(const std::u16string &path)
{
    HANDLE file = CreateFileW(win32::fileSystemPath(path).c_str(), GENERIC_READ | GENERIC_WRITE, ShareAll, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    if (!lockWhole(file)) {
        CloseHandle(file);
        return nullptr;
    }
    return std::unique_ptr<LockedFile>(new LockedFile(reinterpret_cast<std::intptr_t>(file), path));
}

LockedFile::~LockedFile()
{
    CloseHandle(handleOf(m_handle));
}

bool LockedFile::append(std::string_view bytes)
{
    LARGE_INTEGER end{};
    if (!SetFilePointerEx(handleOf(m_handle), end, nullptr, FILE_END))
        return false;
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = bytes.size() > MAXDWORD / 2 ? MAXDWORD / 2 : static_cast<DWORD>(bytes.size());
        if (!WriteFile(handleOf(m_handle), bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// NTFS writes a file's entry in its folder through its own log; flushing the file is
// what Windows offers and all it needs.
bool LockedFile::sync()
{
    return FlushFileBuffers(handleOf(m_handle)) != FALSE;
}

std::optional<std::string> LockedFile::readAll()
{
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(handleOf(m_handle), start, nullptr, FILE_BEGIN))
        return std::nullopt;
    std::string content;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(handleOf(m_handle), buffer, sizeof buffer, &got, nullptr))
            return std::nullopt;
        if (got == 0)
            return content;
        content.append(buffer, got);
    }
}

std::vector<std::u16string> namesInFolder(const std::u16string &folder)
{
    std::vector<std::u16string> names;
    std::u16string pattern = folder;
    if (!pattern.empty() && pattern.back() != u'\\' && pattern.back() != u'/')
        pattern += u'\\';
    pattern += u'*';
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(win32::fileSystemPath(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(win32::fromWide(name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

bool removeFile(const std::u16string &path)
{
    const std::wstring wide = win32::fileSystemPath(path);
    return DeleteFileW(wide.c_str()) != FALSE || RemoveDirectoryW(wide.c_str()) != FALSE;
}

} // namespace platform
