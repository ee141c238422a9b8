// Windows side of the operating-system layer. Paths arrive in the ANSI code page (the
// program's contract there) and are widened before they reach the file system.
#include "os.h"

#include <windows.h>

#include <io.h>

#include <tivex_name_rule.h>

#include <string>

namespace tivex::os {

namespace {

// Bytes the code page cannot read give an empty result: a path with a replaced
// character would name another file, or none, and the caller reports "not found".
// Output text is widened leniently instead (flags 0): a damaged sequence shows as U+FFFD.
std::wstring widen(std::string_view text, UINT codePage = CP_ACP, DWORD flags = MB_ERR_INVALID_CHARS)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
    return wide;
}

// A character the code page lacks becomes a question mark, never a look-alike ("é" is not
// "e"): a best fit would show, or name, something else.
std::string narrow(std::wstring_view wide, UINT codePage = CP_ACP)
{
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int bytes = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return {};
    std::string text(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), bytes, nullptr, nullptr);
    return text;
}

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// Folders of up to 256 bytes make full paths longer than MAX_PATH (260), where the plain
// calls stop; such a drive-letter path is opened in the \\?\ form, which takes it
// literally, so its slashes become backslashes first.
std::wstring fileSystemPath(std::wstring wide)
{
    const bool driveLetterPath = wide.size() >= 3 && wide[1] == L':' && (wide[2] == L'\\' || wide[2] == L'/');
    if (wide.size() < 248 || !driveLetterPath)
        return wide;
    for (wchar_t &c : wide) {
        if (c == L'/')
            c = L'\\';
    }
    return L"\\\\?\\" + wide;
}

// Length of the character that starts at pos: two bytes for a lead byte of the ANSI
// code page followed by a trail byte, otherwise one. In code page 932 the trail byte of
// a character such as "表" (95 5C) is a backslash, so separators are only looked for at
// the start of a character.
size_t characterLength(std::string_view text, size_t pos)
{
    if (pos + 1 < text.size() && IsDBCSLeadByte(static_cast<BYTE>(text[pos])) && text[pos + 1] != '\0')
        return 2;
    return 1;
}

std::string_view::size_type lastSeparator(std::string_view path)
{
    std::string_view::size_type found = std::string_view::npos;
    for (size_t pos = 0; pos < path.size(); pos += characterLength(path, pos)) {
        if (isSeparator(path[pos]))
            found = pos;
    }
    return found;
}

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
    // Bytes the code page cannot read widen to nothing, which opens nothing.
    const std::wstring wide = widen(path);
    return open(std::u16string(wide.begin(), wide.end()), error);
}

File File::open(std::u16string_view path, OpenError &error)
{
    File file;
    const std::wstring wide = fileSystemPath(std::wstring(path.begin(), path.end()));
    // A NUL would end the name early, at another file's name.
    if (wide.empty() || wide.find(L'\0') != std::wstring::npos) {
        error = OpenError::NotFound;
        return file;
    }
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
    const size_t separator = lastSeparator(path);
    if (separator + 1 == path.size()) {
        error = PathError::NoFileName;
        return std::nullopt;
    }
    PathParts parts;
    parts.drive = std::string(path.substr(0, 2));
    parts.folder = std::string(path.substr(2, separator - 1));
    parts.name = std::string(path.substr(separator + 1));
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
    return narrow(std::wstring_view(buffer, length));
}

std::string callerText(std::string_view utf8)
{
    return narrow(widen(utf8, CP_UTF8));
}

size_t callerTextPrefixLength(std::string_view text, size_t maxBytes)
{
    size_t fits = 0;
    for (size_t pos = 0; pos < text.size();) {
        const size_t next = pos + characterLength(text, pos);
        if (next > maxBytes)
            break;
        fits = pos = next;
    }
    return fits;
}

std::filesystem::path nativePath(std::string_view callerPath)
{
    return std::filesystem::path(widen(callerPath));
}

// Strictly: a best-fit or default character would name another file, or none.
std::optional<std::string> callerTextOf(const std::filesystem::path &name)
{
    const std::wstring &wide = name.native();
    if (wide.empty())
        return std::string();
    const int size = static_cast<int>(wide.size());
    BOOL lossy = FALSE;
    const int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &lossy);
    if (bytes <= 0 || lossy)
        return std::nullopt;
    std::string text(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, text.data(), bytes, nullptr, nullptr);
    return text;
}

std::string utf8FromCallerText(std::string_view text)
{
    std::string utf8;
    utf8.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        const std::string_view character = text.substr(pos, characterLength(text, pos));
        const std::wstring wide = widen(character);
        utf8 += wide.empty() ? std::string(character) : narrow(wide, CP_UTF8);
        pos += character.size();
    }
    return utf8;
}

// Descriptions are Japanese and paths arrive in the ANSI code page: written as they are,
// one of the two would be garbled wherever the output is read. A console is given
// UTF-16, which it shows whatever its own code page; a redirected stream gets one
// encoding throughout.
std::string_view outputEncoding() { return "console text, or the ANSI code page when redirected (JSON: UTF-8)"; }

// Windows keeps one handle table per process and has no way to give a thread its own.
void useOwnFileTable() {}

int readByteUnshared(std::FILE *stream) { return _getc_nolock(stream); }

void writeOutput(std::FILE *stream, std::string_view utf8, bool jsonUtf8)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD consoleMode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &consoleMode)) {
        std::fflush(stream);
        const std::wstring wide = widen(utf8, CP_UTF8, 0);
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    const std::string text = jsonUtf8 ? std::string(utf8) : narrow(widen(utf8, CP_UTF8, 0));
    std::fwrite(text.data(), 1, text.size(), stream);
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
