// The conversions that are the same on every platform: UTF-8 and UTF-16 by hand, and the
// reading of data files, which only needs the code-page call for the CP932 part.
#include "platform/codepage.h"

#include "platform/file_names.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace platform::codepage {

namespace {

constexpr char16_t ReplacementChar = u'\uFFFD';

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// How a lead byte starts a well-formed UTF-8 sequence. The second byte has a narrower
// range than 80..BF for some leads: that is what rules out overlong forms, surrogates and
// code points above U+10FFFF.
struct Utf8Lead {
    int length = 0;          // 0: the byte cannot start a sequence
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    char32_t payloadMask = 0;
};

Utf8Lead classifyLead(unsigned char byte)
{
    if (byte < 0x80)
        return {1, 0, 0, 0x7F};
    if (byte < 0xC2)
        return {};
    if (byte < 0xE0)
        return {2, 0x80, 0xBF, 0x1F};
    if (byte == 0xE0)
        return {3, 0xA0, 0xBF, 0x0F};
    if (byte == 0xED)
        return {3, 0x80, 0x9F, 0x0F};
    if (byte < 0xF0)
        return {3, 0x80, 0xBF, 0x0F};
    if (byte == 0xF0)
        return {4, 0x90, 0xBF, 0x07};
    if (byte < 0xF4)
        return {4, 0x80, 0xBF, 0x07};
    if (byte == 0xF4)
        return {4, 0x80, 0x8F, 0x07};
    return {};
}

// One step of decoding: the code point found, or none when the bytes at the position are
// ill-formed. `consumed` is then the length of the maximal ill-formed part, which becomes
// a single U+FFFD; a byte that could start the next sequence is never swallowed.
struct Utf8Step {
    bool valid = false;
    char32_t codePoint = 0;
    std::size_t consumed = 1;
};

Utf8Step decodeUtf8At(std::string_view bytes, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    const Utf8Lead info = classifyLead(lead);
    if (info.length == 0)
        return {};
    char32_t codePoint = lead & info.payloadMask;
    for (int k = 1; k < info.length; ++k) {
        const std::size_t at = pos + static_cast<std::size_t>(k);
        if (at >= bytes.size())
            return {false, 0, static_cast<std::size_t>(k)};
        const auto byte = static_cast<unsigned char>(bytes[at]);
        const bool inRange = k == 1 ? (byte >= info.secondLow && byte <= info.secondHigh)
                                    : isContinuation(byte);
        if (!inRange)
            return {false, 0, static_cast<std::size_t>(k)};
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    return {true, codePoint, static_cast<std::size_t>(info.length)};
}

void appendUtf16(std::u16string &out, char32_t codePoint)
{
    if (codePoint < 0x10000) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    const char32_t offset = codePoint - 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
}

void appendUtf8(std::string &out, char32_t codePoint)
{
    auto put = [&out](char32_t byte) { out.push_back(static_cast<char>(byte)); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | (codePoint >> 6));
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | (codePoint >> 12));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | (codePoint >> 18));
        put(0x80 | ((codePoint >> 12) & 0x3F));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The code point at a position of UTF-16 text and how many units it takes; an unpaired
// surrogate comes back as U+FFFD so that callers can decide whether to accept it.
struct Utf16Step {
    bool paired = true;
    char32_t codePoint = 0;
    std::size_t consumed = 1;
};

Utf16Step decodeUtf16At(std::u16string_view text, std::size_t pos)
{
    const char16_t unit = text[pos];
    if (isHighSurrogate(unit) && pos + 1 < text.size() && isLowSurrogate(text[pos + 1])) {
        const char32_t high = unit - 0xD800u;
        const char32_t low = text[pos + 1] - 0xDC00u;
        return {true, 0x10000 + (high << 10) + low, 2};
    }
    if (isHighSurrogate(unit) || isLowSurrogate(unit))
        return {false, ReplacementChar, 1};
    return {true, unit, 1};
}

// CP932 is a double-byte code: some bytes stand alone, others lead a two-byte character.
// Splitting the input along these boundaries lets an unmappable character be replaced
// without losing its neighbours, even when the converter refuses the input as a whole.
bool isCp932LeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isCp932TrailByte(unsigned char byte)
{
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

std::size_t cp932CharLength(std::string_view bytes, std::size_t pos)
{
    const auto byte = static_cast<unsigned char>(bytes[pos]);
    if (isCp932LeadByte(byte) && pos + 1 < bytes.size()
        && isCp932TrailByte(static_cast<unsigned char>(bytes[pos + 1])))
        return 2;
    return 1;
}

void appendCp932CharByChar(std::u16string &out, std::string_view bytes)
{
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t length = cp932CharLength(bytes, pos);
        const auto converted = cp932ToUtf16(bytes.substr(pos, length));
        if (converted)
            out += *converted;
        else
            out.push_back(ReplacementChar);
        pos += length;
    }
}

// Lines are converted as a whole, and only a line the converter refuses is taken apart,
// so a large file costs a converter call per line rather than per character. A line
// break byte is never the trail byte of a CP932 character, so cutting there is safe.
std::u16string decodeCp932Lenient(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        end = end == std::string_view::npos ? bytes.size() : end + 1;
        const std::string_view line = bytes.substr(start, end - start);
        if (const auto converted = cp932ToUtf16(line))
            out += *converted;
        else
            appendCp932CharByChar(out, line);
        start = end;
    }
    return out;
}

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// The surrogates that carry a byte of a name that is not UTF-8: only bytes 0x80..0xFF
// can be such a byte, since every ASCII byte is well-formed on its own.
constexpr char16_t EscapeFirst = 0xDC80;
constexpr char16_t EscapeLast = 0xDCFF;

bool isByteEscape(char16_t unit)
{
    return unit >= EscapeFirst && unit <= EscapeLast;
}

void appendEscape(std::u16string &out, char marker, unsigned value, int digits)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    out += u'\\';
    out += static_cast<char16_t>(marker);
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += static_cast<char16_t>(Hex[(value >> shift) & 0xF]);
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const Utf8Step step = decodeUtf8At(bytes, pos);
        if (!step.valid)
            return false;
        pos += step.consumed;
    }
    return true;
}

std::u16string utf8ToUtf16(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const Utf8Step step = decodeUtf8At(bytes, pos);
        appendUtf16(out, step.valid ? step.codePoint : ReplacementChar);
        pos += step.consumed;
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const Utf16Step step = decodeUtf16At(text, pos);
        appendUtf8(out, step.codePoint);
        pos += step.consumed;
    }
    return out;
}

std::u16string nameFromBytes(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const Utf8Step step = decodeUtf8At(bytes, pos);
        if (step.valid) {
            appendUtf16(out, step.codePoint);
            pos += step.consumed;
        } else {
            // Each byte of an ill-formed part is kept on its own, so the part comes back
            // exactly as it was.
            for (std::size_t k = 0; k < step.consumed; ++k)
                out.push_back(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[pos + k])));
            pos += step.consumed;
        }
    }
    return out;
}

std::optional<std::string> nameToBytes(std::u16string_view name)
{
    if (!isAcceptablePosixPath(name))
        return std::nullopt;
    std::string out;
    out.reserve(name.size());
    std::size_t pos = 0;
    while (pos < name.size()) {
        const Utf16Step step = decodeUtf16At(name, pos);
        if (step.paired)
            appendUtf8(out, step.codePoint);
        else if (isByteEscape(name[pos]))
            out.push_back(static_cast<char>(name[pos] - 0xDC00));
        else
            return std::nullopt;
        pos += step.consumed;
    }
    return out;
}

std::u16string nameAsListed(std::u16string_view name)
{
    if (usesDriveLetters() || std::none_of(name.begin(), name.end(), isByteEscape))
        return std::u16string(name);
    const std::optional<std::string> bytes = nameToBytes(name);
    return bytes ? nameFromBytes(*bytes) : std::u16string(name);
}

std::u16string readableName(std::u16string_view name)
{
    // Where the backslash separates folders it is read as a separator and stays single.
    constexpr bool backslashIsSeparator = platform::usesDriveLetters();
    std::u16string out;
    out.reserve(name.size());
    std::size_t pos = 0;
    while (pos < name.size()) {
        const char16_t unit = name[pos];
        const Utf16Step step = decodeUtf16At(name, pos);
        if (!step.paired)
            isByteEscape(unit) ? appendEscape(out, 'x', unit - 0xDC00u, 2) : appendEscape(out, 'u', unit, 4);
        else if (unit < 0x20 || unit == 0x7F)
            appendEscape(out, 'x', unit, 2);
        else if (unit >= 0x80 && unit < 0xA0)
            appendEscape(out, 'u', unit, 4);
        else if (unit == u'\\' && !backslashIsSeparator)
            out += u"\\\\";
        else
            out.append(name.substr(pos, step.consumed));
        pos += step.consumed;
    }
    return out;
}

std::u16string decodeDataFile(std::string_view bytes)
{
    // A byte-order mark declares UTF-8 outright, so such a file stays UTF-8 even if it
    // holds a damaged sequence; reading it as CP932 would garble every line instead.
    if (bytes.starts_with(Utf8ByteOrderMark))
        return utf8ToUtf16(bytes.substr(Utf8ByteOrderMark.size()));
    if (isValidUtf8(bytes))
        return utf8ToUtf16(bytes);
    return decodeCp932Lenient(bytes);
}

} // namespace platform::codepage
