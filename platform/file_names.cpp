// The rules for text that names a file, the same code on every platform so that both can
// be tested anywhere.
#include "platform/file_names.h"

#include "platform/platform.h"

namespace platform {

namespace {

constexpr std::u16string_view WindowsReservedCharacters = u"<>:\"/\\|?*";

bool isDriveLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool isWindowsSeparator(char16_t c)
{
    return c == u'\\' || c == u'/';
}

bool mayStandInWindowsName(char16_t c)
{
    return c >= 0x20 && WindowsReservedCharacters.find(c) == std::u16string_view::npos;
}

} // namespace

bool isAcceptablePosixPath(std::u16string_view path)
{
    return path.find(u'\0') == std::u16string_view::npos;
}

bool isAcceptableWindowsName(std::u16string_view name)
{
    for (const char16_t c : name) {
        if (!mayStandInWindowsName(c))
            return false;
    }
    return true;
}

bool isAcceptableWindowsPath(std::u16string_view path)
{
    // The drive's colon is the one place a colon may stand.
    if (path.size() >= 2 && isDriveLetter(path[0]) && path[1] == u':')
        path.remove_prefix(2);
    for (const char16_t c : path) {
        if (!isWindowsSeparator(c) && !mayStandInWindowsName(c))
            return false;
    }
    return true;
}

bool isAcceptablePath(std::u16string_view path)
{
    return usesDriveLetters() ? isAcceptableWindowsPath(path) : isAcceptablePosixPath(path);
}

} // namespace platform
