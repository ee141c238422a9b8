#include "text_util.h"

#include <tivex_name_rule.h>

#include "os.h"

namespace tivex {

namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

} // namespace

size_t utf8PrefixLength(std::string_view text, size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text.size();
    size_t cut = maxBytes;
    // Step back over at most three continuation bytes to the start of the character
    // that straddles the limit.
    size_t steps = 0;
    while (cut > 0 && steps < 3 && isContinuation(static_cast<unsigned char>(text[cut]))) {
        --cut;
        ++steps;
    }
    if (isContinuation(static_cast<unsigned char>(text[cut])))
        return maxBytes;
    return cut;
}

std::string asciiLower(std::string_view text)
{
    std::string lowered(text);
    for (char &c : lowered)
        c = lowerAscii(c);
    return lowered;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && equalsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

std::string normalizeExtension(std::string_view ext)
{
    while (!ext.empty() && isBlank(ext.front()))
        ext.remove_prefix(1);
    while (!ext.empty() && isBlank(ext.back()))
        ext.remove_suffix(1);
    if (!ext.empty() && ext.front() == '.')
        ext.remove_prefix(1);
    return asciiLower(ext);
}

NameParts splitName(std::string_view name)
{
    const size_t dot = names::extensionPeriod(name, os::nameCharacters);
    if (dot == std::string_view::npos)
        return {name, {}};
    return {name.substr(0, dot), name.substr(dot + 1)};
}

} // namespace tivex
