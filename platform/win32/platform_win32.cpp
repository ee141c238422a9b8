// The platform services on Windows, through the wide (UTF-16) API, so that every name
// the file system holds can be reached whatever the ANSI code page.
#include "platform/platform.h"

#include "platform/file_names.h"
#include "platform/win32/platform_win32.h"
#include "platform/win32/wide_text.h"

#include <windows.h>
#include <shellapi.h>

#include <array>

namespace platform {

namespace {

std::wstring modulePath()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool isDriveLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

struct ErrorMapping {
    DWORD code;
    RenameError result;
};

constexpr std::array ErrorMappings{
    ErrorMapping{ERROR_ALREADY_EXISTS, RenameError::TargetExists},
    ErrorMapping{ERROR_FILE_EXISTS, RenameError::TargetExists},
    ErrorMapping{ERROR_FILE_NOT_FOUND, RenameError::SourceMissing},
    ErrorMapping{ERROR_PATH_NOT_FOUND, RenameError::SourceMissing},
    ErrorMapping{ERROR_ACCESS_DENIED, RenameError::AccessDenied},
    ErrorMapping{ERROR_SHARING_VIOLATION, RenameError::AccessDenied},
    ErrorMapping{ERROR_LOCK_VIOLATION, RenameError::AccessDenied},
    ErrorMapping{ERROR_WRITE_PROTECT, RenameError::AccessDenied},
    ErrorMapping{ERROR_INVALID_NAME, RenameError::InvalidName},
    ErrorMapping{ERROR_BAD_PATHNAME, RenameError::InvalidName},
    ErrorMapping{ERROR_FILENAME_EXCED_RANGE, RenameError::InvalidName},
    ErrorMapping{ERROR_DIRECTORY, RenameError::InvalidName},
};

} // namespace

namespace win32 {

// The rest after the program's path is kept untouched: splitting it is the program's own
// rule, not the C runtime's.
std::u16string argumentTextOf(std::u16string_view line)
{
    std::size_t pos = 0;
    if (!line.empty() && line[0] == u'"') {
        const std::size_t closing = line.find(u'"', 1);
        pos = closing == std::u16string_view::npos ? line.size() : closing + 1;
    } else {
        while (pos < line.size() && line[pos] != u' ' && line[pos] != u'\t')
            ++pos;
    }
    return std::u16string(line.substr(pos));
}

RenameError renameErrorFromCode(std::uint32_t code)
{
    for (const ErrorMapping &mapping : ErrorMappings) {
        if (mapping.code == code)
            return mapping.result;
    }
    return RenameError::Other;
}

} // namespace win32

void initArguments(int, char **)
{
    // Windows keeps the raw command line itself; argv, already split by other rules and
    // narrowed to the ANSI code page, is not used. The current folder is taken out of
    // the DLL search path, so that no library is ever picked up from a checked folder.
    SetDllDirectoryW(L"");
}

std::u16string programFolder()
{
    const std::wstring path = modulePath();
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::u16string() : win32::fromWide(path.substr(0, separator));
}

std::u16string programName()
{
    const std::wstring path = modulePath();
    const std::size_t separator = path.find_last_of(L"\\/");
    return win32::fromWide(separator == std::wstring::npos ? path : path.substr(separator + 1));
}

CommandLine commandLine()
{
    return {win32::argumentTextOf(win32::fromWide(GetCommandLineW())), {}};
}

// A drive-letter path ("C:\...") or a network path stands as given; every other form
// (a bare name, "..\a.txt", "\dir\a.txt" on the current drive, "D:a.txt" in drive D's
// current folder) is made full the way Windows itself reads it.
std::u16string fullPathOf(const std::u16string &word)
{
    const bool full = (word.size() >= 3 && isDriveLetter(word[0]) && word[1] == u':' && word[2] == u'\\')
                      || (word.size() >= 2 && word[0] == u'\\' && word[1] == u'\\');
    if (word.empty() || full)
        return word;
    const std::wstring wide = win32::toWide(word);
    const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return word;
    std::wstring buffer(needed, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), needed, buffer.data(), nullptr);
    if (length == 0 || length >= needed)
        return word;
    buffer.resize(length);
    return win32::fromWide(buffer);
}

namespace {

// Hands `take` the folder's path ending in a separator and what Windows found for each
// entry; false when the folder cannot be listed. A folder that yields no entry at all
// (an empty drive root) is listed as empty.
template <typename Take>
bool forEachEntry(const std::u16string &folder, Take take)
{
    if (folder.empty())
        return false;
    const std::u16string prefix = folder.back() == u'\\' || folder.back() == u'/' ? folder : folder + u'\\';
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(win32::fileSystemPath(prefix + u'*').c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..")
            take(prefix, found);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return true;
}

} // namespace

// Reparse points (links and junctions) are left out with the folders: only files that
// are themselves files are listed.
std::optional<std::vector<std::u16string>> filesOfFolder(const std::u16string &folder)
{
    std::vector<std::u16string> files;
    const bool listed = forEachEntry(folder, [&files](const std::u16string &prefix, const WIN32_FIND_DATAW &found) {
        constexpr DWORD NotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;
        if (!(found.dwFileAttributes & NotAFile))
            files.push_back(prefix + win32::fromWide(found.cFileName));
    });
    return listed ? std::optional(std::move(files)) : std::nullopt;
}

std::optional<std::vector<std::u16string>> readFolderNames(const std::u16string &folder)
{
    std::vector<std::u16string> names;
    const bool listed = forEachEntry(folder, [&names](const std::u16string &, const WIN32_FIND_DATAW &found) {
        names.push_back(win32::fromWide(found.cFileName));
        if (found.cAlternateFileName[0] != L'\0')
            names.push_back(win32::fromWide(found.cAlternateFileName));
    });
    return listed ? std::optional(std::move(names)) : std::nullopt;
}

bool isFolder(const std::u16string &path)
{
    const DWORD attributes = GetFileAttributesW(win32::fileSystemPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// "C:" makes drive C current (with the folder Windows remembers for it); the engine
// reports drives in exactly this form.
bool setCurrentDrive(const std::u16string &drive)
{
    if (drive.size() != 2 || !isDriveLetter(drive[0]) || drive[1] != u':')
        return false;
    return SetCurrentDirectoryW(win32::toWide(drive).c_str()) != 0;
}

bool setCurrentFolder(const std::u16string &folder)
{
    return !folder.empty() && isAcceptableWindowsPath(folder)
           && SetCurrentDirectoryW(win32::toWide(folder).c_str()) != 0;
}

std::u16string currentFolder()
{
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    if (needed == 0)
        return {};
    std::wstring buffer(needed, L'\0');
    const DWORD length = GetCurrentDirectoryW(needed, buffer.data());
    buffer.resize(length < needed ? length : 0);
    return win32::fromWide(buffer);
}

namespace {

// MoveFileExW without MOVEFILE_REPLACE_EXISTING never replaces a file, and without
// MOVEFILE_COPY_ALLOWED never copies: a rename stays a rename within its volume.
RenameError moveNoReplace(const std::u16string &from, const std::u16string &to)
{
    const auto wideFrom = win32::nameablePath(from);
    const auto wideTo = win32::nameablePath(to);
    if (!wideFrom || !wideTo)
        return RenameError::InvalidName;
    if (MoveFileExW(wideFrom->c_str(), wideTo->c_str(), 0))
        return RenameError::None;
    return win32::renameErrorFromCode(GetLastError());
}

// The name the folder holds for a path, as the file system spells it.
std::u16string spelledName(const std::u16string &path)
{
    // A wildcard would find some other file; such a path holds no name of its own.
    const auto wide = win32::nameablePath(path);
    if (!wide)
        return {};
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(wide->c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return {};
    FindClose(search);
    return win32::fromWide(found.cFileName);
}

std::u16string nameOf(const std::u16string &path)
{
    const std::size_t separator = path.find_last_of(u"\\/:");
    return separator == std::u16string::npos ? path : path.substr(separator + 1);
}

bool sameIgnoringCase(const std::u16string &a, const std::u16string &b)
{
    return CompareStringOrdinal(win32::toWide(a).c_str(), -1, win32::toWide(b).c_str(), -1, TRUE) == CSTR_EQUAL;
}

// A change of letter case alone is the same file to Windows, and NTFS renames it in
// place; some file systems report success and keep the old spelling (Wine over a
// case-sensitive one does). The spelling is checked, and where it stayed the file goes
// through a temporary name beside it, put back if the second step fails.
RenameError renameCaseOnly(const std::u16string &from, const std::u16string &to, std::u16string *temporaryName,
                           const RenameWatch *watch)
{
    const RenameError direct = moveNoReplace(from, to);
    if (direct != RenameError::None || spelledName(to) == nameOf(to))
        return direct;
    const std::u16string temporary = to + u".sorvena-rename-" + win32::fromWide(std::to_wstring(GetCurrentProcessId()));
    if (watch && watch->detour)
        watch->detour(temporary);
    const RenameError parked = moveNoReplace(from, temporary);
    if (parked != RenameError::None)
        return parked;
    const RenameError placed = moveNoReplace(temporary, to);
    if (placed == RenameError::None)
        return placed;
    if (moveNoReplace(temporary, from) == RenameError::None)
        return placed;
    // Neither renamed nor put back: say where the file is, so the user can find it.
    if (temporaryName)
        *temporaryName = temporary;
    return RenameError::LeftUnderTemporaryName;
}

} // namespace

// MoveFileExW never replaces without being asked to, on every file system Windows
// mounts, so the reservation that POSIX needs on some of them has no place here; the
// watch hears only of the detour of a change of letter case.
RenameError renameNoReplace(const std::u16string &from, const std::u16string &to, std::u16string *temporaryName,
                            const RenameWatch *watch)
{
    if (from == to)
        return RenameError::TargetExists;
    if (from.empty() || to.empty())
        return RenameError::InvalidName;
    if (sameIgnoringCase(from, to))
        return renameCaseOnly(from, to, temporaryName, watch);
    return moveNoReplace(from, to);
}

// Windows compares names without regard to letter case on its own volumes, whatever the
// file system could do: every name the program passes goes through calls that fold case.
// (A folder switched to case-sensitive names for Linux tools is the rare exception, not
// told apart here.) A folder that cannot be reached counts as comparing names exactly.
bool folderIgnoresCase(const std::u16string &folder)
{
    const auto wide = win32::nameablePath(folder);
    if (!wide)
        return false;
    const DWORD attributes = GetFileAttributesW(wide->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool nameFitsFileSystem(const std::u16string &name)
{
    // What NTFS, FAT and exFAT hold in one name, in UTF-16 units.
    constexpr std::size_t MaxNameUnits = 255;
    return name.size() <= MaxNameUnits;
}

// NTFS and ReFS give a file one number for life; FAT and exFAT make it up from where
// the entry lies, which a rename changes.
bool folderKeepsFileNumbers(const std::u16string &folder)
{
    std::wstring root(MAX_PATH + 1, L'\0');
    if (!GetVolumePathNameW(win32::toWide(folder).c_str(), root.data(), static_cast<DWORD>(root.size())))
        return false;
    std::array<wchar_t, MAX_PATH + 1> system{};
    if (!GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, system.data(),
                               static_cast<DWORD>(system.size())))
        return false;
    const std::wstring_view name = system.data();
    return name == L"NTFS" || name == L"ReFS";
}

// Only "no such file" and "no such folder" rule a name out; any other failure (access
// denied, a device not ready) may hide an entry, so the name counts as taken.
bool nameIsTaken(const std::u16string &path)
{
    const auto wide = win32::nameablePath(path);
    if (!wide || GetFileAttributesW(wide->c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    const DWORD error = GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

// The wide call, so that any name can be opened; no error box of the shell's own, since
// the program says nothing when opening fails.
bool openWithShell(const std::u16string &folder, const std::u16string &name)
{
    if (name.empty() || !isAcceptableWindowsPath(name) || !isAcceptableWindowsPath(folder))
        return false;
    std::u16string file = name;
    if (!folder.empty() && name.find_first_of(u"\\/") == std::u16string::npos)
        file = folder + (folder.back() == u'\\' || folder.back() == u'/' ? u"" : u"\\") + name;
    const std::wstring wideFile = win32::toWide(file);
    const std::wstring wideFolder = win32::toWide(folder);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = wideFile.c_str();
    info.lpDirectory = wideFolder.empty() ? nullptr : wideFolder.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

char16_t pathSeparator()
{
    return u'\\';
}

} // namespace platform
