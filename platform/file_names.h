// Which text can name a file. The system calls take names as NUL-terminated text and read
// some characters as syntax, so text that holds such a character would reach some other
// file than the one it spells (the part before a NUL, a stream, a wildcard's match). Such
// text is refused as a whole before any file operation, never cut or mended.
#pragma once

#include <string_view>

namespace platform {

// POSIX: a name may hold any byte but NUL; '/' separates the names of a path.
bool isAcceptablePosixPath(std::u16string_view path);

// Windows: no name holds a control character (U+0000..U+001F) or any of < > : " / \ | ? *.
// A path may begin with a drive ("C:") and separates its names with '\' or '/'.
bool isAcceptableWindowsPath(std::u16string_view path);

// One name of a Windows path, without its separators.
bool isAcceptableWindowsName(std::u16string_view name);

// A name Windows takes for a device rather than a file: CON, PRN, AUX, NUL, COM0-9 and
// LPT0-9, alone or before an extension, in any letter case, blanks before the period
// ignored.
bool isReservedWindowsName(std::u16string_view name);

// The rule of the platform the program runs on.
bool isAcceptablePath(std::u16string_view path);

} // namespace platform
