// The engine's wide-character path, for a program that links the engine in rather than
// loading tivex.dll. Names travel as UTF-16, the Windows file system's own text, so every
// name it holds can be checked whatever the ANSI code page ("café.txt" under code page
// 932, an emoji). The three entry points and their ANSI contract are not touched by it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tivex::wide {

// The longest folder a check takes, in UTF-16 units, as the ANSI contract takes it in
// bytes: with the drive in front it still fits SetCurrentDirectory's limit, so the folder
// of a checked file can always be made current. Names have no limit of the engine's own
// (Windows' own is 255 units).
inline constexpr std::size_t FolderWidth = 256;

// The results of TivexCheck, in UTF-16.
struct Check {
    int32_t result = 0; // 1: checked; 0: not (desc says why)
    std::u16string trueExt, desc, drive, folder, base, presentExt;
};

// As TivexCheck: the full path's parts and what its content is.
Check check(std::u16string_view path);

// As TivexWhat: mode 0 gives the first description of ext, mode 1 the next one. The
// index of the description written to desc, or -1 when there is none (any more).
int32_t what(int32_t mode, std::u16string_view ext, std::u16string &desc);

// As TivexCheckExt: 1 and the extension the content calls for, or 0 and nothing.
int32_t checkExt(std::u16string_view path, std::u16string &ext);

} // namespace tivex::wide
