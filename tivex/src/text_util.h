// Small text helpers shared by the engine, the C entry points and the command.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tivex {

// The longest prefix of text that fits maxBytes without splitting a UTF-8 character.
// Text that is not UTF-8 is cut at maxBytes.
size_t utf8PrefixLength(std::string_view text, size_t maxBytes);

std::string asciiLower(std::string_view text);
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);

// An extension as a user may type it: surrounding blanks and one leading period
// removed, ASCII letters lowered.
std::string normalizeExtension(std::string_view ext);

struct NameParts {
    std::string_view base;
    std::string_view ext;
};

// Splits a file name into base and extension by the rule the program shares: at the
// last period, unless it is the name's first character or what follows it cannot be an
// extension (then the whole name is the base). A trailing period ends the base with an
// empty extension ("readme." is base "readme"), so the base and extension do not always
// give back the name: callers that need the name keep it.
NameParts splitName(std::string_view name);

} // namespace tivex
