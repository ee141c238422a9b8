// The command-line words, split once at start-up.
#pragma once

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

// Splits raw argument text: blanks and tabs separate, no quoting. Every word is kept;
// setArgs keeps the first ten.
std::vector<std::u16string> splitArguments(std::u16string_view text);

} // namespace cmdline
