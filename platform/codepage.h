// Text conversions at the program's edges. Inside, every string is UTF-16.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::codepage {

// Microsoft's Shift-JIS (code page 932) to UTF-16 and back. nullopt when the input holds
// a byte sequence (or a character) the code page cannot carry.
std::optional<std::u16string> cp932ToUtf16(std::string_view bytes);
std::optional<std::string> utf16ToCp932(std::u16string_view text);

// Strict UTF-8 validity: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

// UTF-8 <-> UTF-16. Invalid input is replaced with U+FFFD rather than refused.
std::u16string utf8ToUtf16(std::string_view bytes);
std::string utf16ToUtf8(std::u16string_view text);

// File names as a POSIX file system holds them: bytes, mostly UTF-8. A byte that is not
// part of well-formed UTF-8 becomes the lone surrogate U+DC80..U+DCFF that carries it in
// its low byte, and turns back into that byte on the way out, so every name survives the
// round trip exactly; a replaced byte would name a different file.
std::u16string nameFromBytes(std::string_view bytes);
// nullopt when the name holds a surrogate that stands for no byte (a lone high surrogate,
// or U+DC00..U+DC7F), or a NUL: the system would take the name to end there and act on
// the file that its first part names.
std::optional<std::string> nameToBytes(std::u16string_view name);

// A name as a POSIX folder lists it once it holds it: byte escapes side by side that
// together spell a UTF-8 character come back as that character. A name made by cutting
// and joining parts of names is compared with others in this spelling. Windows keeps
// every name as given.
std::u16string nameAsListed(std::u16string_view name);

// A name or path as a person should read it, in one spelling that no other name shares:
// a byte that is not UTF-8 shows as \xFF, a control character as \x0A (or \u0085 above
// ASCII), any other lone surrogate as \uD800, and a backslash that is no path separator
// is doubled. Never handed to a file operation.
std::u16string readableName(std::u16string_view name);

// Narrow text as the type-check engine takes and gives it: on POSIX the bytes of names
// (see nameFromBytes), on Windows the ANSI code page. nullopt when a character cannot be
// carried, and for a NUL, which would end the text early.
std::optional<std::string> toEngineText(std::u16string_view text);
std::u16string fromEngineText(std::string_view bytes);

// Reads a data file's bytes as text: valid UTF-8 (with or without a byte-order mark) as
// UTF-8, anything else as CP932. Bytes CP932 cannot map (0x80, 0xA0, a lead byte without
// its trail byte, ...) become U+FFFD and the rest of the file is read on. A file that
// starts with a byte-order mark is UTF-8 by declaration; a damaged sequence in it
// becomes U+FFFD too.
std::u16string decodeDataFile(std::string_view bytes);

} // namespace platform::codepage
