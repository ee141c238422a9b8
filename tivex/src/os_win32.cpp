// Windows side of the operating-system layer. Not built yet: the engine ships for Linux
// first. Paths arrive in the ANSI code page (the program's contract there) and are
// widened before they reach the file system.
#include "os.h"

#include <windows.h>

#include <tivex_name_rule.h>

#include <string>

namespace tivex::os {

namespace {

std::wstring widen(std::string_view text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

bool isSeparator(char c) { return c == '\\' || c == '/'; }

} // namespace

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
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    m_handle = invalidHandle;
}

File File::open(std::string_view path, OpenError &error)
{
    File file;
    const std::wstring wide = widen(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        error = code == ERROR_ACCESS_DENIED ? OpenError::AccessDenied : OpenError::NotFound;
        return file;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        error = OpenError::IsFolder;
        return file;
    }
    HANDLE handle = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = GetLastError() == ERROR_ACCESS_DENIED ? OpenError::AccessDenied : OpenError::Other;
        return file;
    }
    file.m_handle = reinterpret_cast<intptr_t>(handle);
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        error = OpenError::NotRegular;
        file.close();
        return file;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle, &size)) {
        error = OpenError::Other;
        file.close();
        return file;
    }
    file.m_size = static_cast<uint64_t>(size.QuadPart);
    error = OpenError::None;
    return file;
}

size_t File::readAt(uint64_t offset, uint8_t *into, size_t length)
{
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(offset);
    where.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD got = 0;
    const DWORD chunk = length > 0x7fffffff ? 0x7fffffff : static_cast<DWORD>(length);
    if (!ReadFile(reinterpret_cast<HANDLE>(m_handle), into, chunk, &got, &where))
        return 0;
    return got;
}

std::optional<PathParts> splitPath(std::string_view path, PathError &error)
{
    if (path.empty()) {
        error = PathError::Empty;
        return std::nullopt;
    }
    const bool hasDrive = path.size() >= 3 && path[1] == ':' && isSeparator(path[2]);
    if (!hasDrive) {
        error = PathError::NotAbsolute;
        return std::nullopt;
    }
    if (isSeparator(path.back())) {
        error = PathError::NoFileName;
        return std::nullopt;
    }
    const size_t lastSeparator = path.find_last_of("\\/");
    PathParts parts;
    parts.drive = std::string(path.substr(0, 2));
    parts.folder = std::string(path.substr(2, lastSeparator - 1));
    parts.name = std::string(path.substr(lastSeparator + 1));
    error = PathError::None;
    return parts;
}

std::optional<std::string> absolutePath(std::string_view path)
{
    const std::wstring wide = widen(path);
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetFullPathNameW(wide.c_str(), MAX_PATH, buffer, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return std::string(path);
    const int bytes = WideCharToMultiByte(CP_ACP, 0, buffer, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, buffer, static_cast<int>(length), narrow.data(), bytes, nullptr, nullptr);
    return narrow;
}

std::u32string nameCharacters(std::string_view text)
{
    return names::utf16Characters(std::wstring_view(widen(text)));
}

size_t maxPathLength()
{
    return MAX_PATH - 1;
}

} // namespace tivex::os
