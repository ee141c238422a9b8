#include "shell/module1.h"

#include "platform/file_names.h"
#include "platform/platform.h"

#include <tivex_name_rule.h>

#include <algorithm>
#include <limits>
#include <string_view>

namespace Module1 {

std::u16string ReadmePath;
std::u16string ExtCsvPath;
std::u16string ProgCsvPath;

namespace {

// Lengths and positions are 16-bit counts in the rest of the program, so a longer path
// is refused like any other path of the wrong form.
constexpr std::size_t MaxPathLength = std::numeric_limits<int16_t>::max();

struct PathParts {
    std::u16string drive;
    std::u16string folder;
    std::u16string name;
    std::u16string base;
    std::u16string ext;
};

// Base name and extension by the rule the engine uses too: a leading period starts no
// extension (".profile" is all base), a tail that cannot be an extension belongs to the
// base, and a trailing period ends the base ("readme." has base "readme").
void splitName(PathParts &parts)
{
    const std::u16string_view name = parts.name;
    const auto period = tivex::names::extensionPeriod(name, tivex::names::utf16Characters<char16_t>);
    if (period == std::u16string_view::npos) {
        parts.base = name;
        parts.ext.clear();
    } else {
        parts.base = name.substr(0, period);
        parts.ext = name.substr(period + 1);
    }
}

// Folder up to and including the last separator of `rest`, name after it.
void splitFolder(PathParts &parts, const std::u16string &rest, char16_t separator)
{
    const auto last = rest.rfind(separator);
    parts.folder = rest.substr(0, last + 1);
    parts.name = rest.substr(last + 1);
    splitName(parts);
}

// Every name between the backslashes after the drive. A '/' is refused with the other
// characters no name holds: the system would take it for a separator, and a name split
// there names a file in another folder.
bool holdsOnlyWindowsNames(std::u16string_view rest)
{
    return std::all_of(rest.begin(), rest.end(), [](const char16_t &c) {
        return c == u'\\' || platform::isAcceptableWindowsName(std::u16string_view(&c, 1));
    });
}

int16_t deliver(const PathParts &parts, std::u16string &drive, std::u16string &folder,
                std::u16string &name, std::u16string &base, std::u16string &ext)
{
    drive = parts.drive;
    folder = parts.folder;
    name = parts.name;
    base = parts.base;
    ext = parts.ext;
    return 0;
}

} // namespace

void mySetPath()
{
    const std::u16string folder = platform::programFolder() + platform::pathSeparator();
    ReadmePath = folder + u"readme.txt";
    ExtCsvPath = folder + u"ext.csv";
    ProgCsvPath = folder + u"prog.csv";
}

int16_t mySplitPath(const std::u16string &path, std::u16string &drive, std::u16string &folder,
                    std::u16string &name, std::u16string &base, std::u16string &ext)
{
    if constexpr (platform::usesDriveLetters())
        return splitDriveLetterPath(path, drive, folder, name, base, ext);
    else
        return splitPosixPath(path, drive, folder, name, base, ext);
}

int16_t splitDriveLetterPath(const std::u16string &path, std::u16string &drive,
                             std::u16string &folder, std::u16string &name, std::u16string &base,
                             std::u16string &ext)
{
    // The letter itself is not examined: "1:\a.txt" passes, as it always has.
    if (path.size() < 3 || path.size() > MaxPathLength || path.compare(1, 2, u":\\") != 0
        || path.back() == u'\\' || !holdsOnlyWindowsNames(std::u16string_view(path).substr(2)))
        return -1;
    PathParts parts;
    parts.drive = path.substr(0, 2);
    splitFolder(parts, path.substr(2), u'\\');
    return deliver(parts, drive, folder, name, base, ext);
}

int16_t splitPosixPath(const std::u16string &path, std::u16string &drive, std::u16string &folder,
                       std::u16string &name, std::u16string &base, std::u16string &ext)
{
    // "//server/share/a.txt" is an absolute path on POSIX (the leading double slash is
    // merely implementation-defined), so it is taken apart like any other.
    // A NUL would end the path early for the system, which would then act on its first part.
    if (path.size() < 2 || path.size() > MaxPathLength || path.front() != u'/'
        || path.back() == u'/' || !platform::isAcceptablePosixPath(path))
        return -1;
    PathParts parts;
    splitFolder(parts, path, u'/');
    return deliver(parts, drive, folder, name, base, ext);
}

void myCutNull(std::u16string &result, const std::u16string &text)
{
    result = text.substr(0, text.find(u'\0'));
}

} // namespace Module1
