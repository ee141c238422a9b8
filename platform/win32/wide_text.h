// On Windows wchar_t is a UTF-16 unit, so the program's u16string and the API's wide
// strings hold the same units; these copy between the two types without conversion.
#pragma once

#include "platform/file_names.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform::win32 {

inline std::wstring toWide(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

inline std::u16string fromWide(std::wstring_view text)
{
    return std::u16string(text.begin(), text.end());
}

// The engine reports folders of up to 256 bytes, so a full path may run past MAX_PATH
// (260), where the plain API calls stop. Such a drive-letter path goes to the file system
// in the \\?\ form, which has no such limit but takes the path literally: the slashes
// the plain calls would accept become backslashes first.
inline std::wstring fileSystemPath(std::u16string_view path)
{
    std::wstring wide = toWide(path);
    const bool driveLetterPath = wide.size() >= 3 && wide[1] == L':' && (wide[2] == L'\\' || wide[2] == L'/');
    if (wide.size() < 248 || !driveLetterPath)
        return wide;
    for (wchar_t &c : wide) {
        if (c == L'/')
            c = L'\\';
    }
    return L"\\\\?\\" + wide;
}

// The path for a file-system call, or nothing when it holds a character no Windows name
// can hold: the wide calls would stop at a NUL, take '?' and '*' as wildcards, ':' as a
// stream and '<' '>' '"' as their DOS forms, and so reach some other file.
inline std::optional<std::wstring> nameablePath(std::u16string_view path)
{
    if (!isAcceptableWindowsPath(path))
        return std::nullopt;
    return fileSystemPath(path);
}

} // namespace platform::win32
