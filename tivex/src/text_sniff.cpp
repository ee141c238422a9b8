#include "text_sniff.h"

#include <array>
#include <cstdint>

#include "text_util.h"

using namespace std::literals;

namespace tivex {

namespace {

// ---- Encodings -------------------------------------------------------------------------

struct ByteOrderMark {
    std::string_view bytes;
    TextEncoding encoding;
};

// UTF-32LE before UTF-16LE: its mark begins with the UTF-16LE one.
constexpr ByteOrderMark ByteOrderMarks[] = {
    {"\xEF\xBB\xBF"sv, TextEncoding::Utf8Bom},
    {"\xFF\xFE\x00\x00"sv, TextEncoding::Utf32Le},
    {"\x00\x00\xFE\xFF"sv, TextEncoding::Utf32Be},
    {"\xFF\xFE"sv, TextEncoding::Utf16Le},
    {"\xFE\xFF"sv, TextEncoding::Utf16Be},
};

struct EncodingName {
    TextEncoding encoding;
    std::string_view name;
};

constexpr EncodingName EncodingNames[] = {
    {TextEncoding::Ascii, "ASCII"},          {TextEncoding::Utf8, "UTF-8"},
    {TextEncoding::Utf8Bom, "UTF-8 BOM 付き"}, {TextEncoding::Utf16Le, "UTF-16LE"},
    {TextEncoding::Utf16Be, "UTF-16BE"},     {TextEncoding::Utf32Le, "UTF-32LE"},
    {TextEncoding::Utf32Be, "UTF-32BE"},     {TextEncoding::ShiftJis, "Shift_JIS"},
    {TextEncoding::EucJp, "EUC-JP"},         {TextEncoding::Iso2022Jp, "ISO-2022-JP"},
    {TextEncoding::Unknown8Bit, "文字コード不明"},
};

// More than one control character in fifty makes the content binary.
constexpr size_t ControlRatio = 50;
// How much of a UTF-16 or UTF-32 file is turned into ASCII for the structure check.
constexpr size_t ProjectionSize = 8192;

constexpr uint8_t Escape = 0x1B;

bool isControl(uint32_t c)
{
    // Tab, line feed, vertical tab, form feed, carriage return, escape (ISO-2022-JP)
    // and the old end-of-file mark are all found in ordinary text.
    if (c >= 0x20 && c != 0x7F)
        return false;
    return c != '\t' && c != '\n' && c != '\v' && c != '\f' && c != '\r' && c != Escape && c != 0x1A;
}

bool tooManyControls(size_t controls, size_t total) { return controls * ControlRatio > total; }

// Walks a multi-byte encoding; the step function returns the length of the character
// at a position, 0 when the bytes there are invalid, or SIZE_MAX when the character
// runs past the end.
template <typename Step>
bool validates(ByteView bytes, bool complete, Step step)
{
    size_t at = 0;
    while (at < bytes.size()) {
        const size_t length = step(at);
        if (length == SIZE_MAX)
            return !complete;
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

bool inRange(std::optional<uint8_t> byte, uint8_t low, uint8_t high)
{
    return byte && *byte >= low && *byte <= high;
}

bool isUtf8(ByteView bytes, bool complete)
{
    return validates(bytes, complete, [&](size_t at) -> size_t {
        const uint8_t lead = *bytes.u8(at);
        if (lead < 0x80)
            return 1;
        size_t length = 0;
        uint8_t low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0; // overlong
            if (lead == 0xED)
                high = 0x9F; // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            if (lead == 0xF4)
                high = 0x8F;
        } else
            return 0;
        if (!bytes.covers(at, length))
            return SIZE_MAX;
        if (!inRange(bytes.u8(at + 1), low, high))
            return 0;
        for (size_t i = 2; i < length; ++i) {
            if (!inRange(bytes.u8(at + i), 0x80, 0xBF))
                return 0;
        }
        return length;
    });
}

struct JapaneseCounts {
    bool valid = false;
    size_t doubleByte = 0;
    size_t halfWidthKana = 0;
};

// Code page 932: lead bytes 81-9F and E0-FC, trail bytes 40-7E and 80-FC, half-width
// katakana A1-DF as single bytes.
JapaneseCounts shiftJisCounts(ByteView bytes, bool complete)
{
    JapaneseCounts counts;
    counts.valid = validates(bytes, complete, [&](size_t at) -> size_t {
        const uint8_t lead = *bytes.u8(at);
        if (lead < 0x80)
            return 1;
        if (lead >= 0xA1 && lead <= 0xDF) {
            ++counts.halfWidthKana;
            return 1;
        }
        if (!((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)))
            return 0;
        const auto trail = bytes.u8(at + 1);
        if (!trail)
            return SIZE_MAX;
        if (!((*trail >= 0x40 && *trail <= 0x7E) || (*trail >= 0x80 && *trail <= 0xFC)))
            return 0;
        ++counts.doubleByte;
        return 2;
    });
    return counts;
}

// EUC-JP: two bytes A1-FE, 8E + half-width katakana, 8F + two bytes (JIS X 0212).
JapaneseCounts eucJpCounts(ByteView bytes, bool complete)
{
    JapaneseCounts counts;
    counts.valid = validates(bytes, complete, [&](size_t at) -> size_t {
        const uint8_t lead = *bytes.u8(at);
        if (lead < 0x80)
            return 1;
        size_t length = 0;
        uint8_t low = 0xA1, high = 0xFE;
        if (lead == 0x8E) {
            length = 2;
            high = 0xDF;
        } else if (lead == 0x8F)
            length = 3;
        else if (lead >= 0xA1 && lead <= 0xFE)
            length = 2;
        else
            return 0;
        if (!bytes.covers(at, length))
            return SIZE_MAX;
        for (size_t i = 1; i < length; ++i) {
            if (!inRange(bytes.u8(at + i), low, high))
                return 0;
        }
        ++counts.doubleByte;
        return length;
    });
    return counts;
}

// EUC-JP text also passes as Shift_JIS, but reads there as a run of half-width
// katakana, which real Shift_JIS text seldom is.
std::optional<TextEncoding> japaneseEncoding(ByteView bytes, bool complete)
{
    const JapaneseCounts shiftJis = shiftJisCounts(bytes, complete);
    const JapaneseCounts eucJp = eucJpCounts(bytes, complete);
    if (shiftJis.valid && eucJp.valid)
        return shiftJis.halfWidthKana > shiftJis.doubleByte ? TextEncoding::EucJp : TextEncoding::ShiftJis;
    if (shiftJis.valid)
        return TextEncoding::ShiftJis;
    if (eucJp.valid)
        return TextEncoding::EucJp;
    return std::nullopt;
}

struct ByteCensus {
    size_t nul = 0;
    size_t controls = 0;
    size_t high = 0;
    bool jisEscape = false;
};

ByteCensus takeCensus(ByteView bytes)
{
    ByteCensus census;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const uint8_t c = bytes.data()[i];
        if (c == 0)
            ++census.nul;
        else if (isControl(c))
            ++census.controls;
        else if (c >= 0x80)
            ++census.high;
        else if (c == Escape && (bytes.startsWith(i + 1, "$B") || bytes.startsWith(i + 1, "$@")))
            census.jisEscape = true;
    }
    return census;
}

// ---- Wide encodings --------------------------------------------------------------------

struct WideText {
    std::array<char, ProjectionSize> ascii{};
    size_t length = 0;
};

// Reads UTF-16 or UTF-32 code units, rejecting NULs, controls and broken surrogate
// pairs, and keeps an ASCII projection (other characters become 'x') for the structure
// check.
bool projectWide(ByteView bytes, size_t unitSize, bool bigEndian, bool complete, WideText &out)
{
    const size_t units = bytes.size() / unitSize;
    if (complete && bytes.size() % unitSize != 0)
        return false;
    size_t controls = 0;
    bool expectLowSurrogate = false;
    for (size_t i = 0; i < units; ++i) {
        const size_t at = i * unitSize;
        uint32_t unit = 0;
        if (unitSize == 2)
            unit = bigEndian ? *bytes.u16be(at) : *bytes.u16le(at);
        else
            unit = bigEndian ? *bytes.u32be(at) : *bytes.u32le(at);
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (unitSize == 2 && expectLowSurrogate != low)
            return false;
        expectLowSurrogate = unitSize == 2 && unit >= 0xD800 && unit <= 0xDBFF;
        if (unit == 0 || unit > 0x10FFFF || (unitSize == 4 && unit >= 0xD800 && unit <= 0xDFFF))
            return false;
        if (isControl(unit))
            ++controls;
        if (out.length < out.ascii.size())
            out.ascii[out.length++] = unit < 0x80 ? static_cast<char>(unit) : 'x';
    }
    if (expectLowSurrogate && complete)
        return false;
    return !tooManyControls(controls, units);
}

// UTF-16 without a byte order mark: mostly-ASCII text has a zero in every other byte.
std::optional<TextEncoding> unmarkedUtf16(ByteView bytes)
{
    const size_t units = bytes.size() / 2;
    if (units < 2)
        return std::nullopt;
    size_t evenZeros = 0, oddZeros = 0;
    for (size_t i = 0; i < units * 2; ++i) {
        if (bytes.data()[i] == 0)
            (i % 2 == 0 ? evenZeros : oddZeros) += 1;
    }
    if (oddZeros * 10 >= units * 7 && evenZeros == 0)
        return TextEncoding::Utf16Le;
    if (evenZeros * 10 >= units * 7 && oddZeros == 0)
        return TextEncoding::Utf16Be;
    return std::nullopt;
}

std::optional<TextSniff> sniffWide(ByteView body, TextEncoding encoding, bool complete)
{
    const bool wide32 = encoding == TextEncoding::Utf32Le || encoding == TextEncoding::Utf32Be;
    const bool bigEndian = encoding == TextEncoding::Utf16Be || encoding == TextEncoding::Utf32Be;
    WideText projected;
    if (!projectWide(body, wide32 ? 4 : 2, bigEndian, complete, projected))
        return std::nullopt;
    const std::string_view text(projected.ascii.data(), projected.length);
    const bool seenAll = complete && projected.length * (wide32 ? 4 : 2) >= body.size();
    return TextSniff{encoding, structuredTextType(text, seenAll)};
}

// ---- Structure -------------------------------------------------------------------------

struct PrefixRule {
    std::string_view prefix;
    std::string_view typeId;
};

constexpr PrefixRule TextPrefixRules[] = {
    {"BEGIN:VCARD", "vcf"},
    {"BEGIN:VCALENDAR", "ics"},
    {"-----BEGIN ", "pem"},
    {"WEBVTT", "vtt"},
    {"[InternetShortcut]", "url"},
    {"Windows Registry Editor", "reg"},
    {"REGEDIT4", "reg"},
    {"<?php", "php"},
    {"diff --git ", "patch"},
};

// Interpreter names after "#!" (directly or through env), by prefix.
constexpr PrefixRule InterpreterRules[] = {
    {"python", "py"}, {"perl", "pl"},  {"ruby", "rb"}, {"node", "js"},  {"php", "php"},  {"lua", "lua"},
    {"bash", "sh"},   {"dash", "sh"},  {"zsh", "sh"},  {"ksh", "sh"},   {"sh", "sh"},    {"pwsh", "ps1"},
};

// Root elements that name a type, by local name (the part after any prefix).
constexpr PrefixRule XmlRootRules[] = {
    {"svg", "svg"},   {"html", "html"}, {"rss", "rss"},         {"feed", "atom"},       {"gpx", "gpx"},
    {"kml", "kml"},   {"plist", "plist"}, {"stylesheet", "xsl"}, {"transform", "xsl"},  {"schema", "xsd"},
};

// Start tags that only HTML has at the top of a file.
constexpr std::string_view HtmlTags[] = {
    "html", "head", "body", "title", "meta", "script", "style", "div", "p", "table", "link", "span",
    "h1",   "h2",   "br",   "a",     "form", "iframe", "img",   "ul",  "center", "font", "base",
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

std::string_view skipBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '.' || c == ':';
}

bool isNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }

// The element name right after '<', or empty.
std::string_view tagName(std::string_view text)
{
    if (text.size() < 2 || text[0] != '<' || !isNameStart(text[1]))
        return {};
    size_t end = 1;
    while (end < text.size() && isNameChar(text[end]))
        ++end;
    return text.substr(1, end - 1);
}

std::string_view localName(std::string_view name)
{
    const size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

template <size_t N>
std::string_view lookupPrefix(const PrefixRule (&rules)[N], std::string_view text, bool ignoreCase)
{
    for (const PrefixRule &rule : rules) {
        const bool hit = ignoreCase ? startsWithIgnoringAsciiCase(text, rule.prefix) : text.starts_with(rule.prefix);
        if (hit)
            return rule.typeId;
    }
    return {};
}

std::string_view xmlRootType(std::string_view name)
{
    const std::string_view local = localName(name);
    for (const PrefixRule &rule : XmlRootRules) {
        if (equalsIgnoringAsciiCase(local, rule.prefix))
            return rule.typeId;
    }
    return "xml";
}

bool isHtmlTag(std::string_view name)
{
    for (std::string_view tag : HtmlTags) {
        if (equalsIgnoringAsciiCase(name, tag))
            return true;
    }
    return false;
}

// The end marker of the declaration, processing instruction, comment or document type
// (with its internal subset) at the start of text; empty when none starts there.
std::string_view prologCloser(std::string_view text)
{
    if (text.starts_with("<?"))
        return "?>";
    if (text.starts_with("<!--"))
        return "-->";
    if (startsWithIgnoringAsciiCase(text, "<!DOCTYPE")) {
        const size_t subset = text.find('[');
        return subset < text.find('>') ? "]>" : ">";
    }
    return {};
}

std::string_view markupType(std::string_view text)
{
    const bool declared = text.starts_with("<?xml");
    const std::string_view unknown = declared ? "xml" : "text";
    for (;;) {
        text = skipBlanks(text);
        if (startsWithIgnoringAsciiCase(text, "<!doctype html"))
            return "html";
        if (startsWithIgnoringAsciiCase(text, "<!doctype svg"))
            return "svg";
        const std::string_view closer = prologCloser(text);
        if (closer.empty())
            break;
        const size_t end = text.find(closer);
        if (end == std::string_view::npos)
            return unknown;
        text.remove_prefix(end + closer.size());
    }
    const std::string_view name = tagName(text);
    if (name.empty())
        return unknown;
    if (!declared && isHtmlTag(name))
        return "html";
    return xmlRootType(name);
}

std::string_view shebangType(std::string_view text)
{
    std::string_view line = text.substr(2, text.find('\n') - 2);
    line = skipBlanks(line);
    const size_t programEnd = line.find_first_of(" \t\r");
    std::string_view program = line.substr(0, programEnd);
    program = program.substr(program.rfind('/') + 1);
    if (program == "env" && programEnd != std::string_view::npos) {
        std::string_view rest = skipBlanks(line.substr(programEnd));
        while (rest.starts_with("-")) { // env options such as -S
            rest = skipBlanks(rest.substr(std::min(rest.find_first_of(" \t"), rest.size())));
        }
        program = rest.substr(0, rest.find_first_of(" \t\r"));
    }
    const std::string_view type = lookupPrefix(InterpreterRules, program, false);
    return type.empty() ? "text"sv : type;
}

// ---- JSON ------------------------------------------------------------------------------

enum class JsonExpect { Value, ValueOrClose, Key, KeyOrClose, Colon, CommaOrClose, End };

constexpr size_t MaxJsonDepth = 256;

// Position after the string starting at at (which holds '"'); npos when it runs off
// the end, 0 when it holds a raw control character.
size_t skipJsonString(std::string_view text, size_t at)
{
    for (size_t i = at + 1; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\\')
            ++i;
        else if (c == '"')
            return i + 1;
        else if (c < 0x20)
            return 0;
    }
    return std::string_view::npos;
}

size_t skipJsonScalar(std::string_view text, size_t at)
{
    size_t end = at;
    while (end < text.size() && (isNameChar(text[end]) || text[end] == '+'))
        ++end;
    return end;
}

bool isJsonScalar(std::string_view token, bool mayBeCut)
{
    for (std::string_view literal : {"true"sv, "false"sv, "null"sv}) {
        if (token == literal || (mayBeCut && literal.starts_with(token)))
            return true;
    }
    if (token.empty())
        return false;
    bool digit = false;
    for (char c : token) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c != '-' && c != '+' && c != '.' && c != 'e' && c != 'E')
            return false;
    }
    return digit || mayBeCut;
}

} // namespace

bool looksLikeJson(std::string_view text, bool complete)
{
    std::array<char, MaxJsonDepth> closers{};
    size_t depth = 0;
    JsonExpect expect = JsonExpect::Value;
    bool opened = false;
    const auto afterValue = [&] { expect = depth > 0 ? JsonExpect::CommaOrClose : JsonExpect::End; };
    size_t at = 0;
    for (;;) {
        while (at < text.size() && isBlank(text[at]))
            ++at;
        if (at >= text.size())
            break;
        const char c = text[at];
        switch (expect) {
        case JsonExpect::End:
            // JSON Lines: another top-level value may follow.
            if (c != '{' && c != '[')
                return false;
            expect = JsonExpect::Value;
            continue;
        case JsonExpect::ValueOrClose:
        case JsonExpect::Value:
            if (expect == JsonExpect::ValueOrClose && c == ']') {
                --depth;
                ++at;
                afterValue();
            } else if (c == '{' || c == '[') {
                if (depth == closers.size())
                    return true; // deeper than worth following, and JSON so far
                closers[depth++] = c == '{' ? '}' : ']';
                opened = true;
                expect = c == '{' ? JsonExpect::KeyOrClose : JsonExpect::ValueOrClose;
                ++at;
            } else if (!opened) {
                return false;
            } else if (c == '"') {
                const size_t end = skipJsonString(text, at);
                if (end == 0)
                    return false;
                if (end == std::string_view::npos)
                    return !complete;
                at = end;
                afterValue();
            } else {
                const size_t end = skipJsonScalar(text, at);
                if (!isJsonScalar(text.substr(at, end - at), !complete && end == text.size()))
                    return false;
                at = end;
                afterValue();
            }
            break;
        case JsonExpect::KeyOrClose:
        case JsonExpect::Key:
            if (expect == JsonExpect::KeyOrClose && c == '}') {
                --depth;
                ++at;
                afterValue();
            } else if (c == '"') {
                const size_t end = skipJsonString(text, at);
                if (end == 0)
                    return false;
                if (end == std::string_view::npos)
                    return !complete;
                at = end;
                expect = JsonExpect::Colon;
            } else {
                return false;
            }
            break;
        case JsonExpect::Colon:
            if (c != ':')
                return false;
            ++at;
            expect = JsonExpect::Value;
            break;
        case JsonExpect::CommaOrClose:
            if (c == ',') {
                expect = closers[depth - 1] == '}' ? JsonExpect::Key : JsonExpect::Value;
                ++at;
            } else if (c == closers[depth - 1]) {
                --depth;
                ++at;
                afterValue();
            } else {
                return false;
            }
            break;
        }
    }
    return opened && (!complete || expect == JsonExpect::End);
}

std::string_view structuredTextType(std::string_view text, bool complete)
{
    text = skipBlanks(text);
    if (text.starts_with("#!"))
        return shebangType(text);
    if (const auto byPrefix = lookupPrefix(TextPrefixRules, text, false); !byPrefix.empty())
        return byPrefix;
    if (text.starts_with("{\\rtf"))
        return "rtf";
    if (text.starts_with('<'))
        return markupType(text);
    if ((text.starts_with('{') || text.starts_with('[')) && looksLikeJson(text, complete))
        return "json";
    return "text";
}

std::string_view encodingName(TextEncoding encoding)
{
    for (const EncodingName &entry : EncodingNames) {
        if (entry.encoding == encoding)
            return entry.name;
    }
    return {};
}

std::optional<TextSniff> sniffText(ByteView bytes, bool complete)
{
    for (const ByteOrderMark &mark : ByteOrderMarks) {
        if (!bytes.startsWith(0, mark.bytes))
            continue;
        const ByteView body = bytes.sub(mark.bytes.size());
        if (mark.encoding != TextEncoding::Utf8Bom)
            return sniffWide(body, mark.encoding, complete);
        const ByteCensus census = takeCensus(body);
        if (census.nul > 0 || tooManyControls(census.controls, body.size()) || !isUtf8(body, complete))
            return std::nullopt;
        return TextSniff{mark.encoding, structuredTextType(*body.chars(0, body.size()), complete)};
    }

    const ByteCensus census = takeCensus(bytes);
    if (census.nul > 0) {
        const auto wide = unmarkedUtf16(bytes);
        return wide ? sniffWide(bytes, *wide, complete) : std::nullopt;
    }
    if (tooManyControls(census.controls, bytes.size()))
        return std::nullopt;

    TextEncoding encoding = TextEncoding::Unknown8Bit;
    if (census.high == 0)
        encoding = census.jisEscape ? TextEncoding::Iso2022Jp : TextEncoding::Ascii;
    else if (isUtf8(bytes, complete))
        encoding = TextEncoding::Utf8;
    else if (const auto japanese = japaneseEncoding(bytes, complete))
        encoding = *japanese;
    return TextSniff{encoding, structuredTextType(*bytes.chars(0, bytes.size()), complete)};
}

} // namespace tivex
