// How the tivex command prints one verdict, in each of its output modes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "options.h"
#include "tivex_engine.h"

namespace tivex::cli {

struct LineStyle {
    OutputMode mode = OutputMode::Describe;
    bool brief = false;
    bool english = false;
    bool print0 = false; // raw path, then NUL instead of its separator; NUL ends the record
};

// The extensions a file of the detected type keeps: the canonical one first, then
// the aliases. Empty for unknown data and empty files.
std::vector<std::string_view> acceptedExtensions(const Detection &detection);

// The MIME type of the detected content, in the manner of `file --mime-type`.
std::string_view mimeType(const Detection &detection);

// The whole output line for one file, with its newline. A failed check still gives a
// line, so that the output keeps one line per input.
std::string formatLine(std::string_view path, const Report &report, const LineStyle &style);

// A path (in the text the command was given it) as the line formats print it, in UTF-8,
// the way `file` does: a control character or a byte that is not UTF-8 as a backslash
// and three octal digits, so a name cannot break a line or drive the terminal. Where a
// name can hold a backslash (everywhere but Windows), it prints as two, so two different
// names never print alike.
std::string printablePath(std::string_view path);

// text as a JSON string literal, quotes included. A byte that is not UTF-8 becomes the
// escape of the lone surrogate U+DC80..U+DCFF of the same low byte (as Python's
// surrogateescape reads it back), so every name prints differently and can be recovered.
std::string jsonString(std::string_view text);

} // namespace tivex::cli
