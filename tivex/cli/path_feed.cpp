#include "path_feed.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace tivex::cli {

namespace {

// Below this many levels the walk stops: no real tree is this deep, a bind-mount loop is.
constexpr int MaxWalkDepth = 256;

void reportWalkError(const std::string &path, const std::error_code &error)
{
    std::fprintf(stderr, "tivex: %s: cannot read the folder: %s\n", path.c_str(), error.message().c_str());
}

std::string joinPath(const std::string &folder, const std::string &name)
{
    if (folder.ends_with('/'))
        return folder + name;
    return folder + "/" + name;
}

bool walkFolder(const std::string &folder, const PathConsumer &consume, int depth)
{
    if (depth > MaxWalkDepth)
        return true;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) {
        reportWalkError(folder, error);
        return false;
    }
    std::vector<std::string> names;
    for (const fs::directory_iterator end; it != end; it.increment(error)) {
        if (error)
            break;
        names.push_back(it->path().filename().string());
    }
    if (error) {
        reportWalkError(folder, error);
        return false;
    }
    std::sort(names.begin(), names.end());

    bool ok = true;
    for (const std::string &name : names) {
        const std::string path = joinPath(folder, name);
        const fs::file_status own = fs::symlink_status(path, error);
        if (fs::is_directory(own))
            ok = walkFolder(path, consume, depth + 1) && ok;
        else if (fs::is_regular_file(own) || (fs::is_symlink(own) && fs::is_regular_file(fs::status(path, error))))
            consume(path);
    }
    return ok;
}

} // namespace

FeedResult feedList(std::FILE *in, bool nulSeparated, const PathConsumer &consume)
{
    const int separator = nulSeparated ? '\0' : '\n';
    std::string entry;
    const auto handOn = [&] {
        if (!nulSeparated && entry.ends_with('\r'))
            entry.pop_back();
        if (!entry.empty())
            consume(entry);
        entry.clear();
    };
    for (int c = std::getc(in); c != EOF; c = std::getc(in)) {
        if (c == separator)
            handOn();
        else
            entry += static_cast<char>(c);
    }
    handOn();
    return {!std::ferror(in)};
}

FeedResult feedTree(const std::string &path, const PathConsumer &consume)
{
    std::error_code error;
    if (!fs::is_directory(fs::status(path, error))) {
        consume(path);
        return {};
    }
    return {walkFolder(path, consume, 0)};
}

} // namespace tivex::cli
