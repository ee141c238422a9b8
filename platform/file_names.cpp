// The rules for text that names a file, the same code on every platform so that both can
// be tested anywhere.
#include "platform/file_names.h"

#include "platform/platform.h"

#include <algorithm>
#include <array>
#include <string>

namespace platform {

namespace {

constexpr std::u16string_view WindowsReservedCharacters = u"<>:\"/\\|?*";

// The devices every folder seems to hold; the ports COM and LPT take one digit, the
// superscript ones included.
constexpr std::array<std::u16string_view, 4> WindowsDeviceNames = {u"CON", u"PRN", u"AUX", u"NUL"};
constexpr std::u16string_view WindowsPortDigits = u"0123456789\u00B9\u00B2\u00B3";

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

bool isReservedWindowsName(std::u16string_view name)
{
    std::u16string_view stem = name.substr(0, name.find(u'.'));
    while (stem.ends_with(u' '))
        stem.remove_suffix(1);
    std::u16string upper(stem);
    for (char16_t &c : upper) {
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
    }
    if (std::find(WindowsDeviceNames.begin(), WindowsDeviceNames.end(), upper) != WindowsDeviceNames.end())
        return true;
    const bool port = upper.size() == 4 && (upper.starts_with(u"COM") || upper.starts_with(u"LPT"));
    return port && WindowsPortDigits.find(upper.back()) != std::u16string_view::npos;
}

bool isAcceptablePath(std::u16string_view path)
{
    return usesDriveLetters() ? isAcceptableWindowsPath(path) : isAcceptablePosixPath(path);
}

} // namespace platform
