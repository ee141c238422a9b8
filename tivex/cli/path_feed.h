// Where the paths to check come from: the command line, file lists and folder walks.
// Each path is handed on as soon as it is known, so that a long list streams.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace tivex::cli {

using PathConsumer = std::function<void(std::string path)>;
// Takes the text of an error (without "tivex: " and the line end), in input order.
using ErrorConsumer = std::function<void(std::string message)>;

struct FeedResult {
    bool ok = true; // false when a list, an entry or a folder could not be used (reported)
};

// Hands on the entries of a list, separated by newlines (a trailing CR dropped) or by
// NUL bytes. Empty entries are skipped. An entry that cannot be a path is refused: one
// longer than the longest path (its bytes are not even kept, so memory stays flat
// whatever the list holds), or, in a list of lines, one that holds a NUL byte, which
// would make the check name only the part before it.
FeedResult feedList(std::FILE *in, std::string_view listName, bool nulSeparated,
                    const PathConsumer &consume, const ErrorConsumer &report);

// Hands on path, or, when it names a folder, every regular file below it in name
// order. Symbolic links to folders are not followed below the top, so a link loop
// cannot make the walk endless; symbolic links to regular files are handed on. Folders
// nested deeper than the walk goes are reported, not silently left out.
FeedResult feedTree(const std::string &path, const PathConsumer &consume, const ErrorConsumer &report);

} // namespace tivex::cli
