// What the tivex command was asked to do, read from its arguments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tivex::cli {

enum class OutputMode { Describe, Extension, Mime, Json };

struct Options {
    OutputMode mode = OutputMode::Describe;
    bool brief = false;
    bool english = false;
    bool nulSeparatedLists = false;
    bool recursive = false;
    bool print0 = false;
    bool help = false;
    bool version = false;
    unsigned threads = 1;
    std::vector<std::string> whatExtensions;
    std::vector<std::string> files;
    std::vector<std::string> lists;
};

struct ParseResult {
    bool ok = false;
    std::string error; // set when ok is false
};

ParseResult parseArguments(int argc, const char *const *argv, Options &options);

// The help, with the output's encoding on this platform filled in.
std::string helpText();

} // namespace tivex::cli
