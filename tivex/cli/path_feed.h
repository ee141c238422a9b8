// Where the paths to check come from: the command line, file lists and folder walks.
// Each path is handed on as soon as it is known, so that a long list streams.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace tivex::cli {

using PathConsumer = std::function<void(std::string path)>;

struct FeedResult {
    bool ok = true; // false when a list or a folder could not be read (the reason went to stderr)
};

// Hands on the entries of a list, separated by newlines (a trailing CR dropped) or by
// NUL bytes. Empty entries are skipped.
FeedResult feedList(std::FILE *in, bool nulSeparated, const PathConsumer &consume);

// Hands on path, or, when it names a folder, every regular file below it in name
// order. Symbolic links to folders are not followed below the top, so a link loop
// cannot make the walk endless; symbolic links to regular files are handed on.
FeedResult feedTree(const std::string &path, const PathConsumer &consume);

} // namespace tivex::cli
