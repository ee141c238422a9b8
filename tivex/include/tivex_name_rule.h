// Where a file name's extension starts. The engine and the program both split names by
// this one rule, so the main window and the batch renamer never disagree about a file,
// and a proposal never drops text the user wrote.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tivex::names {

// An extension is at most this many characters; a longer tail belongs to the base name.
inline constexpr std::size_t MaxExtensionCharacters = 16;

// No extension holds a blank: "v1.0 final draft" is a version number, not an extension.
constexpr bool isBlank(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\u3000';
}

// Whether a name's tail after its last period can be an extension. `characters` is the
// tail decoded into its characters, however the caller's text encodes them.
inline bool canBeExtension(std::u32string_view characters)
{
    if (characters.size() > MaxExtensionCharacters)
        return false;
    for (const char32_t c : characters) {
        if (isBlank(c))
            return false;
    }
    return true;
}

// The characters of UTF-16 text (wide text on Windows, the program's own strings). A lone
// surrogate counts as one character: the program holds each byte of a name that is not
// UTF-8 as one, and the engine counts that byte as one.
template <typename Char>
std::u32string utf16Characters(std::basic_string_view<Char> text)
{
    std::u32string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = static_cast<char32_t>(text[i]);
        const char32_t next = i + 1 < text.size() ? static_cast<char32_t>(text[i + 1]) : 0;
        if (c >= 0xD800 && c <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) {
            out += 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

// Position of the period that ends the base name, or npos when the whole name is the
// base. A leading period starts no extension (".profile" is all base); a trailing one
// ends the base with an empty extension ("photo." is base "photo"). `decode` turns a
// piece of the name into its characters.
template <typename Char, typename Decode>
std::size_t extensionPeriod(std::basic_string_view<Char> name, Decode decode)
{
    const std::size_t period = name.rfind(static_cast<Char>('.'));
    if (period == std::basic_string_view<Char>::npos || period == 0)
        return std::basic_string_view<Char>::npos;
    if (!canBeExtension(decode(name.substr(period + 1))))
        return std::basic_string_view<Char>::npos;
    return period;
}

} // namespace tivex::names
