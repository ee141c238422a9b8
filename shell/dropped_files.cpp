#include "shell/dropped_files.h"

#include "platform/codepage.h"
#include "platform/platform.h"

#include <QDir>
#include <QMimeData>
#include <QStringList>

#include <optional>

namespace shell {

namespace {

constexpr std::string_view UriListType = "text/uri-list";
constexpr std::string_view FileScheme = "file:";
constexpr std::string_view LocalHost = "localhost";

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = asciiLower(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// "%FF" is the byte 0xFF, whatever the bytes around it; nothing for a broken escape.
// An escaped separator is refused too: no file name holds one, so decoding it would only
// name some other file. An escaped NUL becomes a NUL like a raw one, which keeps the
// entry in its place to be refused whole where it would become a name.
std::optional<std::string> percentDecodedPath(std::string_view text)
{
    const std::string_view forbidden = platform::usesDriveLetters() ? "/\\" : "/";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        const int high = hexValue(text[i + 1]);
        const int low = hexValue(text[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        const char byte = static_cast<char>(high * 16 + low);
        if (forbidden.find(byte) != std::string_view::npos)
            return std::nullopt;
        out += byte;
        i += 2;
    }
    return out;
}

// The local path a file URI names, in the platform's form; nothing for another scheme,
// a remote host or a malformed URI.
std::optional<std::u16string> localPathOf(std::string_view uri)
{
    if (uri.size() <= FileScheme.size() || !equalsIgnoringAsciiCase(uri.substr(0, FileScheme.size()), FileScheme))
        return std::nullopt;
    std::string_view rest = uri.substr(FileScheme.size());
    rest = rest.substr(0, rest.find_first_of("?#"));
    std::string_view host;
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        const std::size_t slash = rest.find('/');
        host = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
    }
    if (rest.empty() || rest.front() != '/')
        return std::nullopt;
    const bool local = host.empty() || equalsIgnoringAsciiCase(host, LocalHost);
    // A file on another host is a share on Windows; elsewhere the host part cannot be
    // reached by a path, and dropping it would name a file on this machine.
    if (!local && !platform::usesDriveLetters())
        return std::nullopt;
    const std::optional<std::string> bytes = percentDecodedPath(rest);
    if (!bytes)
        return std::nullopt;
    std::u16string path = platform::codepage::nameFromBytes(*bytes);
    if constexpr (platform::usesDriveLetters()) {
        // "/C:/dir/a.txt" is C:\dir\a.txt; "//server/share/a.txt" is \\server\share\a.txt.
        if (!local)
            path = u"//" + platform::codepage::nameFromBytes(host) + path;
        else if (path.size() >= 3 && path[2] == u':')
            path.erase(0, 1);
        for (char16_t &c : path) {
            if (c == u'/')
                c = platform::pathSeparator();
        }
    }
    return path;
}

std::string_view trimmed(std::string_view line)
{
    // A NUL is no blank: cut off, it would leave the part of the name before it.
    constexpr std::string_view Blanks = " \t\r\n";
    const std::size_t first = line.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(Blanks) - first + 1);
}

} // namespace

DroppedItems localItemsOfUriList(std::string_view list)
{
    // Some sources end the list with a NUL, as a C string; that one ends the list, not a name.
    while (list.ends_with('\0'))
        list.remove_suffix(1);
    DroppedItems items;
    while (!list.empty()) {
        const std::size_t end = list.find('\n');
        const std::string_view line = trimmed(list.substr(0, end));
        list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        if (std::optional<std::u16string> path = localPathOf(line))
            items.files.push_back(std::move(*path));
        else
            items.leftOut.push_back(platform::codepage::utf8ToUtf16(line));
    }
    return items;
}

std::vector<std::u16string> localFilesOfUriList(std::string_view list)
{
    return localItemsOfUriList(list).files;
}

DroppedItems droppedItems(const QMimeData *data)
{
    const QString type = QString::fromLatin1(UriListType.data(), static_cast<qsizetype>(UriListType.size()));
    if (!data || !data->hasFormat(type))
        return {};
    // The raw bytes, not QMimeData::urls(): converting through QUrl replaces every byte
    // of a name that is not UTF-8 with U+FFFD.
    const QByteArray list = data->data(type);
    return localItemsOfUriList(std::string_view(list.constData(), static_cast<std::size_t>(list.size())));
}

std::vector<std::u16string> droppedFiles(const QMimeData *data)
{
    return droppedItems(data).files;
}

std::optional<std::vector<std::u16string>> chosenPaths(const QStringList &paths)
{
    std::vector<std::u16string> chosen;
    for (const QString &path : paths) {
        if (!platform::usesDriveLetters() && path.contains(QChar::ReplacementCharacter))
            return std::nullopt;
        chosen.push_back(QDir::toNativeSeparators(path).toStdU16String());
    }
    return chosen;
}

Qt::DropAction copyOrLinkAction(Qt::DropActions offered)
{
    if (offered & Qt::CopyAction)
        return Qt::CopyAction;
    if (offered & Qt::LinkAction)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

} // namespace shell
