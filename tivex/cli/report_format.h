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
};

// The extensions a file of the detected type keeps: the canonical one first, then
// the aliases. Empty for unknown data and empty files.
std::vector<std::string_view> acceptedExtensions(const Detection &detection);

// The MIME type of the detected content, in the manner of `file --mime-type`.
std::string_view mimeType(const Detection &detection);

// The whole output line for one file, with its newline. A failed check still gives a
// line, so that the output keeps one line per input.
std::string formatLine(std::string_view path, const Report &report, const LineStyle &style);

// text as a JSON string literal, quotes included. Bytes that are not UTF-8 become U+FFFD,
// so the output is always valid JSON.
std::string jsonString(std::string_view text);

} // namespace tivex::cli
