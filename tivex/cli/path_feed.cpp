#include "path_feed.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "os.h"
#include "report_format.h"

namespace fs = std::filesystem;

namespace tivex::cli {

namespace {

// Below this many levels the walk stops: no real tree is this deep, a bind-mount loop is.
constexpr int MaxWalkDepth = 256;

void reportWalkError(const std::string &path, const std::error_code &error, const ErrorConsumer &report)
{
    report(printablePath(path) + ": cannot read the folder: " + error.message());
}

// Joined with the platform's own separator, so that a Windows user sees C:\photos\a.jpg.
std::string joinPath(const std::string &folder, const std::string &name)
{
    constexpr char Separator = static_cast<char>(fs::path::preferred_separator);
    if (folder.ends_with('/') || folder.ends_with(Separator))
        return folder + name;
    return folder + Separator + name;
}

bool walkFolder(const std::string &folder, const PathConsumer &consume, const ErrorConsumer &report, int depth)
{
    if (depth > MaxWalkDepth) {
        report(printablePath(folder) + ": not walked: folders nested deeper than " + std::to_string(MaxWalkDepth)
               + " levels");
        return false;
    }
    std::error_code error;
    fs::directory_iterator it(os::nativePath(folder), error);
    if (error) {
        reportWalkError(folder, error, report);
        return false;
    }
    bool ok = true;
    std::vector<std::string> names;
    for (const fs::directory_iterator end; it != end; it.increment(error)) {
        if (error)
            break;
        if (const std::optional<std::string> name = os::callerTextOf(it->path().filename())) {
            names.push_back(*name);
        } else {
            // Passing it on in another spelling would check another file, or none.
            const std::u8string utf8 = it->path().filename().u8string();
            report(printablePath(folder) + ": a name the command's text cannot carry is left out: "
                   + std::string(utf8.begin(), utf8.end()));
            ok = false;
        }
    }
    if (error) {
        reportWalkError(folder, error, report);
        return false;
    }
    std::sort(names.begin(), names.end());

    for (const std::string &name : names) {
        const std::string path = joinPath(folder, name);
        const fs::path native = os::nativePath(path);
        const fs::file_status own = fs::symlink_status(native, error);
        if (fs::is_directory(own))
            ok = walkFolder(path, consume, report, depth + 1) && ok;
        else if (fs::is_regular_file(own) || (fs::is_symlink(own) && fs::is_regular_file(fs::status(native, error))))
            consume(path);
    }
    return ok;
}

} // namespace

FeedResult feedList(std::FILE *in, std::string_view listName, bool nulSeparated, const PathConsumer &consume,
                    const ErrorConsumer &report)
{
    const int separator = nulSeparated ? '\0' : '\n';
    const size_t longest = os::maxPathLength();
    std::string entry;
    size_t length = 0; // of the whole entry, of which only the first bytes are kept
    bool holdsNul = false;
    bool ok = true;
    const auto refuse = [&](const std::string &why) {
        constexpr size_t Shown = 64;
        report(printablePath(listName) + ": " + why + ": " + printablePath(entry.substr(0, Shown))
               + (length > Shown ? "..." : ""));
        ok = false;
    };
    const auto handOn = [&] {
        if (!nulSeparated && entry.ends_with('\r') && length == entry.size()) {
            entry.pop_back();
            --length;
        }
        if (length > longest)
            refuse("an entry longer than the longest path (" + std::to_string(longest) + " bytes) is skipped");
        else if (holdsNul)
            refuse("an entry that holds a NUL byte is skipped");
        else if (!entry.empty())
            consume(entry);
        entry.clear();
        length = 0;
        holdsNul = false;
    };
    for (int c = os::readByteUnshared(in); c != EOF; c = os::readByteUnshared(in)) {
        if (c == separator) {
            handOn();
            continue;
        }
        holdsNul = holdsNul || c == '\0';
        if (++length <= longest + 1)
            entry += static_cast<char>(c);
    }
    handOn();
    return {!std::ferror(in) && ok};
}

FeedResult feedTree(const std::string &path, const PathConsumer &consume, const ErrorConsumer &report)
{
    std::error_code error;
    if (!fs::is_directory(fs::status(os::nativePath(path), error))) {
        consume(path);
        return {};
    }
    return {walkFolder(path, consume, report, 0)};
}

} // namespace tivex::cli
