// The command-line words, split once at start-up.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cmdline {

constexpr int MaxArgs = 10;

// Indexed from 1 as the rest of the program counts: ArgList[0] is unused and empty.
// After setArgs it has ArgCount + 1 elements, or 2 (one empty word) when ArgCount is 0.
extern std::vector<std::u16string> ArgList;
extern int16_t ArgCount;

// Fills ArgList and ArgCount from words already split (a test or start-up may pass any).
void setArgs(const std::vector<std::u16string> &words);

// Splits raw argument text. Blanks and tabs separate words. A word that begins with a
// double quote runs to the next double quote and loses both quotes, so a path with blanks
// stays one word, as Explorer passes it; a backslash is always an ordinary character
// ("D:\" is D:\). Elsewhere a double quote is an ordinary character. Every word is kept:
// setArgs keeps the first ten, and the renamer takes all its paths.
std::vector<std::u16string> splitArguments(std::u16string_view text);

// The words of a command line: raw text is split by the rule above, words the system
// already split are taken as they are.
std::vector<std::u16string> wordsOf(const platform::CommandLine &commandLine);

} // namespace cmdline
