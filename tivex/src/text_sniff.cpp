#include "text_sniff.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "text_model.h"
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
    {TextEncoding::Gb2312, "GB2312"},        {TextEncoding::EucKr, "EUC-KR"},
    {TextEncoding::Unknown8Bit, "文字コード不明"},
};

// More than one control character in fifty makes the content binary.
constexpr size_t ControlRatio = 50;
// How much of a UTF-16 or UTF-32 file is turned into ASCII for the structure check.
constexpr size_t ProjectionSize = 8192;

constexpr uint8_t Escape = 0x1B;

constexpr bool isControl(uint32_t c)
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
    // EUC only: characters from the kana rows (leads A4, A5), from the Hangul block
    // of EUC-KR (leads B0-C8), and from above it.
    size_t kana = 0;
    size_t hangulRows = 0;
    size_t upperRows = 0;
    bool japaneseOnly = false; // 8E or 8F sequences, which only EUC-JP has
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
            counts.japaneseOnly = true;
        } else if (lead == 0x8F) {
            length = 3;
            counts.japaneseOnly = true;
        } else if (lead >= 0xA1 && lead <= 0xFE) {
            length = 2;
            counts.kana += (lead == 0xA4 || lead == 0xA5) ? 1 : 0;
            counts.hangulRows += (lead >= 0xB0 && lead <= 0xC8) ? 1 : 0;
            counts.upperRows += lead > 0xC8 ? 1 : 0;
        } else {
            return 0;
        }
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

// Chinese (GB2312) and Korean (EUC-KR) text share EUC-JP's byte layout. Japanese
// writing is full of kana; the others use the kana rows hardly at all, and Korean text
// stays within the Hangul rows.
TextEncoding eucFlavour(const JapaneseCounts &euc)
{
    if (euc.japaneseOnly || euc.kana * 10 >= euc.doubleByte)
        return TextEncoding::EucJp;
    return euc.upperRows * 5 > euc.hangulRows + euc.upperRows ? TextEncoding::Gb2312 : TextEncoding::EucKr;
}

// EUC text also passes as Shift_JIS, but reads there as a run of half-width katakana,
// which real Shift_JIS text seldom is.
std::optional<TextEncoding> eastAsianEncoding(ByteView bytes, bool complete)
{
    const JapaneseCounts shiftJis = shiftJisCounts(bytes, complete);
    const JapaneseCounts euc = eucJpCounts(bytes, complete);
    if (shiftJis.valid && euc.valid)
        return shiftJis.halfWidthKana > shiftJis.doubleByte ? eucFlavour(euc) : TextEncoding::ShiftJis;
    if (shiftJis.valid)
        return TextEncoding::ShiftJis;
    if (euc.valid)
        return eucFlavour(euc);
    return std::nullopt;
}

struct ByteCensus {
    size_t nul = 0;
    size_t controls = 0;
    size_t high = 0;
    bool jisEscape = false;
};

enum ByteClass : uint8_t { Plain, Nul, Control, High, EscapeByte };

constexpr std::array<uint8_t, 256> buildByteClasses()
{
    std::array<uint8_t, 256> classes{};
    for (unsigned c = 0; c < 256; ++c) {
        if (c == 0)
            classes[c] = Nul;
        else if (c == Escape)
            classes[c] = EscapeByte;
        else if (isControl(c))
            classes[c] = Control;
        else if (c >= 0x80)
            classes[c] = High;
    }
    return classes;
}

constexpr std::array<uint8_t, 256> ByteClasses = buildByteClasses();

// nroff prints bold and underlined letters for terminals as "X backspace X" and
// "_ backspace X": a backspace between two printable characters is part of the text.
bool isOverstrike(ByteView bytes, size_t at)
{
    constexpr uint8_t Backspace = 0x08;
    const uint8_t *data = bytes.data();
    return data[at] == Backspace && at > 0 && at + 1 < bytes.size() && data[at - 1] >= 0x20 && data[at + 1] >= 0x20;
}

// True when all eight bytes are printable ASCII (0x20 to 0x7E) or the blanks between tab
// and carriage return (0x09 to 0x0D), which text is made of: nothing to count. While no
// byte has its high bit set no sum below carries into the next byte, so each range test
// is exact byte by byte; a byte with its high bit set fails on its own.
bool eightPlainBytes(const uint8_t *bytes)
{
    constexpr uint64_t Ones = 0x0101010101010101u;
    constexpr uint64_t HighBits = 0x8080808080808080u;
    uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    const uint64_t printable = (word + Ones * 0x60) & ~(word + Ones * 0x01);  // 0x20 to 0x7E
    const uint64_t blank = (word + Ones * 0x77) & ~(word + Ones * 0x72);      // 0x09 to 0x0D
    return ((printable | blank) & ~word & HighBits) == HighBits;
}

// Counts what kinds of bytes the text holds. A NUL ends the count at once: the caller
// then only asks whether the bytes are UTF-16, which it checks on its own. Runs of
// printable ASCII and blanks, most of any text, are skipped eight bytes at a time.
ByteCensus takeCensus(ByteView bytes)
{
    ByteCensus census;
    std::array<size_t, 5> counts{};
    const uint8_t *data = bytes.data();
    for (size_t i = 0; i < bytes.size(); ++i) {
        while (i + 8 <= bytes.size() && eightPlainBytes(data + i))
            i += 8;
        if (i >= bytes.size())
            break;
        uint8_t kind = ByteClasses[data[i]];
        if (kind == Control && isOverstrike(bytes, i))
            kind = Plain;
        ++counts[kind];
        if (kind == Nul)
            break;
        if (kind == EscapeByte && (bytes.startsWith(i + 1, "$B") || bytes.startsWith(i + 1, "$@")))
            census.jisEscape = true;
    }
    census.nul = counts[Nul];
    census.controls = counts[Control];
    census.high = counts[High];
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

// UTF-32 without a byte order mark: no code point reaches the top byte, and the
// bottom byte of a character is seldom zero.
std::optional<TextEncoding> unmarkedUtf32(ByteView bytes)
{
    const size_t units = bytes.size() / 4;
    if (units < 2)
        return std::nullopt;
    std::array<size_t, 4> zeros{};
    for (size_t i = 0; i < units * 4; ++i) {
        if (bytes.data()[i] == 0)
            ++zeros[i % 4];
    }
    // The byte next to the top one is zero for most characters (those of the basic
    // plane), which tells UTF-32 from UTF-16's alternating zeros.
    if (zeros[3] == units && zeros[2] * 2 >= units && zeros[0] * 10 <= units)
        return TextEncoding::Utf32Le;
    if (zeros[0] == units && zeros[1] * 2 >= units && zeros[3] * 10 <= units)
        return TextEncoding::Utf32Be;
    return std::nullopt;
}

struct UnitRange {
    uint16_t first;
    uint16_t last;
};

// Where the characters of running text lie: ASCII, Latin, Greek and Cyrillic, general
// punctuation, CJK symbols and kana, CJK ideographs, Hangul and the full-width forms.
constexpr UnitRange TextUnitRanges[] = {
    {0x0009, 0x000D}, {0x0020, 0x007E}, {0x00A0, 0x024F}, {0x0370, 0x04FF}, {0x2000, 0x206F},
    {0x3000, 0x30FF}, {0x4E00, 0x9FFF}, {0xAC00, 0xD7A3}, {0xFF00, 0xFFEF},
};

bool mostlyLetters(ByteView bytes, bool bigEndian)
{
    constexpr size_t MinUnits = 8;
    const size_t units = bytes.size() / 2;
    if (units < MinUnits)
        return false;
    size_t letters = 0;
    for (size_t i = 0; i < units; ++i) {
        const uint16_t unit = bigEndian ? *bytes.u16be(i * 2) : *bytes.u16le(i * 2);
        letters += std::any_of(std::begin(TextUnitRanges), std::end(TextUnitRanges),
                               [unit](UnitRange range) { return unit >= range.first && unit <= range.last; });
    }
    return letters * 100 >= units * 97;
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
    // Japanese, Chinese or Korean text has few ASCII characters to leave zeros; its units
    // then fall almost all in the ranges of letters that text uses.
    if (evenZeros == 0 && mostlyLetters(bytes, false))
        return TextEncoding::Utf16Le;
    if (oddZeros == 0 && mostlyLetters(bytes, true))
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
    const TextShape shape = textShape(text, seenAll);
    return TextSniff{encoding, shape.typeId, shape.guessed, shape.clear};
}

// ---- Structure -------------------------------------------------------------------------

struct PrefixRule {
    std::string_view prefix;
    std::string_view typeId;
};

// Formats that announce themselves in their first characters. Longer prefixes first
// where one begins another.
constexpr PrefixRule TextPrefixRules[] = {
    {"BEGIN:VCARD", "vcf"},
    {"BEGIN:VCALENDAR", "ics"},
    {"-----BEGIN PGP", "asc"},
    {"-----BEGIN SSH SIGNATURE-----", "ssh-sig"},
    {"-----BEGIN ", "pem"},
    {"---- BEGIN SSH2 PUBLIC KEY ----", "ssh-key"},
    {"ssh-rsa ", "ssh-key"},
    {"ssh-ed25519 ", "ssh-key"},
    {"ssh-ed25519-cert-v01@openssh.com ", "ssh-key"},
    {"ssh-rsa-cert-v01@openssh.com ", "ssh-key"},
    {"sk-ssh-ed25519@openssh.com ", "ssh-key"},
    {"ssh-dss ", "ssh-key"},
    {"ecdsa-sha2-", "ssh-key"},
    {"WEBVTT", "vtt"},
    {"[InternetShortcut]", "url"},
    {"Windows Registry Editor", "reg"},
    {"REGEDIT4", "reg"},
    {"ID;P", "slk"},
    {"TABLE\r\n0,1\r\n", "dif"},
    {"TABLE\n0,1\n", "dif"},
    {"[Desktop Entry]", "desktop"},
    {"[Script Info]", "ass"},
    {"[playlist]", "pls"},
    {"#EXTM3U", "m3u"},
    {"<?php", "php"},
    {"diff --git ", "patch"},
    {"diff -", "patch"},
    {"Index: ", "patch"},
    {"#VRML", "vrml"},
    {"#LyX", "lyx"},
    {"ISO-10303-21;", "step"},
    {"StartFontMetrics", "pfa-afm"},
    {"STARTFONT ", "bdf"},
    {"/* XPM */", "xpm"},
    {"GIMP Palette", "gpl"},
    {"# This is a shell archive", "shar"},
    {"\\input texinfo", "texinfo"},
    {"\\documentclass", "tex"},
    {"\\NeedsTeXFormat", "tex"},
    {"\\ProvidesPackage", "tex"},
    {"\\ProvidesFile", "tex"},
    {"\\usepackage", "tex"},
    {"\\begin{document}", "tex"},
    {"Microsoft Visual Studio Solution File", "sln"},
    {"%YAML", "yaml"},
    {"-- MySQL dump", "sql"},
    {"-- PostgreSQL database dump", "sql"},
    {"-- phpMyAdmin SQL Dump", "sql"},
    {"PRAGMA foreign_keys", "sql"},
    {"BEGIN TRANSACTION;", "sql"},
    {"begin 644 ", "uue"},
    {"begin 755 ", "uue"},
    {"begin 666 ", "uue"},
    {"begin 600 ", "uue"},
    {"begin-base64 ", "uue"},
    {"msgid \"", "po"},
    {"digraph ", "dot"},
    {"digraph{", "dot"},
    {"strict digraph", "dot"},
    {"SplineFontDB:", "sfd"},
    {"; ModuleID = '", "llvm-ir"},
    {"strict graph", "dot"},
    {"graph {", "dot"},
    {".TH ", "man"},
    {".Dd ", "man"},
    {"0\nSECTION", "dxf"},
    {"#FIG ", "fig"},
    {"(kicad_pcb", "kicad-pcb"},
    {"(kicad_sch", "kicad-sch"},
    {"(kicad_symbol_lib", "kicad-sym"},
    {"(footprint ", "kicad-mod"},
    {"(export (version", "kicad-net"},
    {"EESchema Schematic File Version", "kicad-legacy-sch"},
    {"osu file format v", "osu"},
    {"(This file must be converted with BinHex", "hqx"},
    {"PuTTY-User-Key-File-", "ppk"},
    {"personal_ws-1.1 ", "pws"},
    {"personal_repl-1.1 ", "prepl"},
    {"\\begindata{", "andrew"},
    {"GIMP Gradient", "ggr"},
    {"#X3D V", "x3dv"},
    {"#usda ", "usda"},
    {"/* Format_version=1, Width=", "sun-icon"},
    {"0\r\nSECTION", "dxf"},
};

// Interpreter names after "#!" (directly or through env), by prefix.
constexpr PrefixRule InterpreterRules[] = {
    {"python", "py"},  {"pypy", "py"},   {"perl", "pl"},   {"ruby", "rb"},  {"node", "js"},   {"php", "php"},
    {"lua", "lua"},    {"bash", "sh"},   {"dash", "sh"},   {"zsh", "sh"},   {"ksh", "sh"},    {"mksh", "sh"},
    {"ash", "sh"},     {"csh", "sh"},    {"tcsh", "sh"},   {"fish", "sh"},  {"sh", "sh"},     {"busybox", "sh"},
    {"pwsh", "ps1"},   {"tclsh", "tcl"}, {"wish", "tcl"},  {"expect", "tcl"}, {"awk", "awk"}, {"gawk", "awk"},
    {"mawk", "awk"},   {"nawk", "awk"},  {"sed", "sed"},   {"make", "makefile"},
};

// Root elements that name a type, by local name (the part after any prefix).
constexpr PrefixRule XmlRootRules[] = {
    {"svg", "svg"},         {"html", "xhtml"},      {"rss", "rss"},     {"feed", "atom"},   {"gpx", "gpx"},
    {"kml", "kml"},         {"plist", "plist"},     {"stylesheet", "xsl"}, {"transform", "xsl"}, {"schema", "xsd"},
    {"opml", "opml"},       {"FictionBook", "fb2"}, {"playlist", "xspf"},
};

// Flat (single XML file) OpenDocument: the root element states the document's kind.
constexpr PrefixRule FlatOpenDocumentRules[] = {
    {"text\"", "fodt"}, {"spreadsheet\"", "fods"}, {"presentation\"", "fodp"}, {"graphics\"", "fodg"},
};

// Header names that open an e-mail message.
constexpr std::string_view MailHeaders[] = {
    "Return-Path:", "Received:", "From:", "To:", "Subject:", "Date:", "Message-ID:", "Message-Id:",
    "MIME-Version:", "Delivered-To:", "Reply-To:", "Content-Type:", "X-", "DKIM-Signature:", "Sender:", "Cc:",
};

// Start tags that mark a whole HTML document rather than a fragment.
constexpr std::string_view HtmlDocumentTags[] = {"html", "head", "body"};

// Start tags that only HTML has at the top of a file.
constexpr std::string_view HtmlTags[] = {
    "html", "head", "body", "title", "meta", "script", "style", "div", "p", "table", "link", "span",
    "h1",   "h2",   "br",   "a",     "form", "iframe", "img",   "ul",  "center", "font", "base",
    "h3",   "h4",   "ol",   "li",    "pre",  "hr",     "map",   "area", "section", "article", "nav",
    "header", "footer", "blockquote", "noscript", "tr", "th", "td",
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
    if (text.empty())
        return {};
    for (const PrefixRule &rule : rules) {
        // Most rules fail on the first character; no need to call into the library for those.
        if (!ignoreCase && rule.prefix.front() != text.front())
            continue;
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

TextShape markupType(std::string_view text)
{
    const bool declared = text.starts_with("<?xml");
    const TextShape unknown{declared ? "xml"sv : "text"sv, false};
    bool doctype = false;
    for (;;) {
        text = skipBlanks(text);
        if (startsWithIgnoringAsciiCase(text, "<!doctype html"))
            return {declared ? "xhtml"sv : "html"sv, false};
        if (startsWithIgnoringAsciiCase(text, "<!doctype svg"))
            return {"svg", false};
        doctype = doctype || startsWithIgnoringAsciiCase(text, "<!doctype");
        const std::string_view closer = prologCloser(text);
        if (closer.empty())
            break;
        const size_t end = text.find(closer);
        if (end == std::string_view::npos)
            return unknown;
        text.remove_prefix(end + closer.size());
    }
    // Declarations alone make a document type definition.
    if (text.starts_with("<!ELEMENT") || text.starts_with("<!ENTITY") || text.starts_with("<!ATTLIST"))
        return {"dtd", false};
    const std::string_view name = tagName(text);
    if (name.empty())
        return unknown;
    if (!declared && isHtmlTag(name)) {
        bool document = false;
        for (std::string_view tag : HtmlDocumentTags)
            document = document || equalsIgnoringAsciiCase(name, tag);
        // A lone fragment could as well be Markdown or a template that starts with a tag.
        return {"html", !document};
    }
    if (localName(name) == "document") {
        constexpr std::string_view Marker = "office:mimetype=\"application/vnd.oasis.opendocument.";
        const std::string_view start = text.substr(0, 4096);
        if (const size_t at = start.find(Marker); at != std::string_view::npos) {
            if (const auto flat = lookupPrefix(FlatOpenDocumentRules, start.substr(at + Marker.size()), false);
                !flat.empty())
                return {flat, false};
        }
    }
    const std::string_view root = xmlRootType(name);
    // Without a declaration or a document type, an unknown root is only likely XML.
    return {root, !declared && !doctype && root == "xml"};
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
    // A Tcl script often starts as a shell script that hands itself over to tclsh.
    if (type == "sh") {
        const std::string_view opening = text.substr(0, 1024);
        if (opening.find("exec tclsh") != std::string_view::npos || opening.find("exec wish") != std::string_view::npos)
            return "tcl";
    }
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

namespace {

constexpr size_t HeaderBlockWindow = 2048;
constexpr size_t MarkerWindow = 4096;

std::string_view firstLine(std::string_view text)
{
    std::string_view line = text.substr(0, text.find('\n'));
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

// Whether needle occurs in text. Line breaks and blanks are the commonest bytes of a
// text, so a marker that starts with one ("\nName: ") is looked for by its second byte;
// the other of the two is compared before the rest, which spares most calls to memcmp.
bool contains(std::string_view text, std::string_view needle)
{
    if (needle.size() < 2)
        return text.find(needle) != std::string_view::npos;
    const size_t anchor = needle[0] == '\n' || needle[0] == ' ' ? 1 : 0;
    const size_t other = 1 - anchor;
    for (size_t at = text.find(needle[anchor], anchor);
         at != std::string_view::npos && text.size() - (at - anchor) >= needle.size();
         at = text.find(needle[anchor], at + 1)) {
        const size_t start = at - anchor;
        if (text[start + other] == needle[other] && text.substr(start).starts_with(needle))
            return true;
    }
    return false;
}

// The text after any leading comment lines (those starting with marker) and blank lines.
std::string_view afterCommentLines(std::string_view text, std::string_view marker)
{
    for (int lines = 0; lines < 64; ++lines) {
        text = skipBlanks(text);
        if (!text.starts_with(marker))
            break;
        const size_t end = text.find('\n');
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return text;
}

bool isMailHeaderLine(std::string_view line)
{
    for (std::string_view header : MailHeaders) {
        if (line.starts_with(header))
            return true;
    }
    return false;
}

// An e-mail message: its first lines are known headers; continuation lines start with
// blanks.
std::string_view mailType(std::string_view text)
{
    const std::string_view block = text.substr(0, std::min(text.find("\n\n"), HeaderBlockWindow));
    int known = 0;
    std::string_view rest = block;
    for (int lines = 0; !rest.empty() && lines < 40; ++lines) {
        const std::string_view line = firstLine(rest);
        const size_t end = rest.find('\n');
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (line.empty() || line.front() == ' ' || line.front() == '\t')
            continue;
        if (lines == 0 && !isMailHeaderLine(line))
            return {};
        known += isMailHeaderLine(line) ? 1 : 0;
    }
    // A MIME message made by a program (openssl smime) may carry only its two MIME headers.
    const bool mime = block.starts_with("MIME-Version:") && contains(block, "\nContent-Type: multipart/");
    if (known < 3 && !mime)
        return {};
    return contains(block, "multipart/related") && contains(block, "MIME-Version") ? "mht" : "eml";
}

// "From sender date" opens every message of an mbox file.
bool isMboxStart(std::string_view text)
{
    const std::string_view line = firstLine(text);
    // A lone "From " line without a line end has no headers after it to confirm it.
    return line.size() < text.size() && line.starts_with("From ") &&
           line.find(' ', 5) != std::string_view::npos && line.find(':') != std::string_view::npos &&
           mailType(text.substr(line.size() + 1)) != "";
}

// What git format-patch writes: a mail message whose body is a diff.
bool isPatchMail(std::string_view text)
{
    return isMboxStart(text) && (contains(text, "\ndiff --git ") || (contains(text, "\n--- ") && contains(text, "\n+++ ")));
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The line numbers of a diff without context: "3c3", "10,12d9", "4a5,6".
bool isNormalDiffCommand(std::string_view line)
{
    size_t at = 0;
    const auto range = [&] {
        const size_t start = at;
        while (at < line.size() && (isDigit(line[at]) || (at > start && line[at] == ',')))
            ++at;
        return at > start && line[at - 1] != ',';
    };
    if (!range() || at >= line.size() || std::string_view("acd").find(line[at]) == std::string_view::npos)
        return false;
    ++at;
    return range() && at == line.size();
}

// What diff writes without -u or -c: change commands, then "< " and "> " lines.
bool isNormalDiff(std::string_view text)
{
    const std::string_view first = firstLine(text);
    const std::string_view second = firstLine(text.substr(std::min(first.size() + 1, text.size())));
    return isNormalDiffCommand(first) && (second.starts_with("< ") || second.starts_with("> "));
}

// openssl x509 -text: the decoded certificate, then the certificate itself.
bool isCertificateText(std::string_view text)
{
    return firstLine(text) == "Certificate:" && contains(text, "-----BEGIN CERTIFICATE-----");
}

// A short note before an ASCII-armored OpenPGP block. gpg's revocation certificates
// put a colon before the block so that it is not imported by mistake.
bool holdsArmoredPgp(std::string_view text)
{
    constexpr size_t NoteWindow = 4096;
    constexpr std::string_view Armor = "-----BEGIN PGP ";
    const std::string_view note = text.substr(0, NoteWindow);
    const size_t at = note.find(Armor);
    if (at == std::string_view::npos || at == 0)
        return false;
    const std::string_view before = note.substr(0, at);
    return before.ends_with('\n') || before.ends_with("\n:");
}

// SubRip: a cue number, then "00:00:01,000 --> 00:00:04,000".
bool isSubRip(std::string_view text)
{
    const std::string_view number = firstLine(text);
    if (number.empty() || number.size() > 9)
        return false;
    for (char c : number) {
        if (!isDigit(c))
            return false;
    }
    const std::string_view timing = firstLine(text.substr(std::min(text.find('\n') + 1, text.size())));
    return timing.size() >= 29 && timing[2] == ':' && timing[8] == ',' && contains(timing, " --> ");
}

bool isHexLine(std::string_view line, size_t from)
{
    if (line.size() <= from)
        return false;
    for (size_t i = from; i < line.size(); ++i) {
        const char c = line[i];
        if (!isDigit(c) && !(c >= 'A' && c <= 'F') && !(c >= 'a' && c <= 'f'))
            return false;
    }
    return true;
}

// A Tektronix extended HEX record: "%", the record's length after the "%" in two hex
// digits, its kind (6 data, 8 end, 3 symbols), a checksum and the fields. Only data and
// end records are all hexadecimal; the exact length is what sets the record apart.
bool isTekhexRecord(std::string_view line)
{
    if (line.size() < 8 || line[0] != '%' || !isHexLine(line.substr(0, 6), 1))
        return false;
    const bool hexOnly = line[3] == '6' || line[3] == '8';
    const auto digit = [](char c) { return isDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10; };
    const size_t length = static_cast<size_t>(digit(line[1]) * 16 + digit(line[2]));
    return (hexOnly || line[3] == '3') && length == line.size() - 1 && (!hexOnly || isHexLine(line, 1));
}

// Intel HEX, Motorola S-records and Tektronix extended HEX: every line a record of
// hexadecimal digits.
std::string_view hexRecordType(std::string_view text)
{
    const std::string_view line = firstLine(text);
    if (line.starts_with(':') && line.size() >= 11 && isHexLine(line, 1))
        return "ihex";
    if (line.size() >= 10 && line[0] == 'S' && line[1] >= '0' && line[1] <= '9' && isHexLine(line, 1))
        return "srec";
    if (isTekhexRecord(line))
        return "tekhex";
    return {};
}

bool isTimeTag(std::string_view line)
{
    // "[mm:ss.xx]" or "[mm:ss]"
    return line.size() >= 7 && line[0] == '[' && isDigit(line[1]) && isDigit(line[2]) && line[3] == ':' &&
           isDigit(line[4]) && isDigit(line[5]) && (line[6] == '.' || line[6] == ']');
}

// LRC lyrics: ID tags such as "[ar:Artist]" and lines that start with a time tag.
bool isLyrics(std::string_view text)
{
    int timed = 0;
    for (int lines = 0; !text.empty() && lines < 12; ++lines) {
        const std::string_view line = firstLine(text);
        text.remove_prefix(std::min(line.size() + 1, text.size()));
        if (line.empty())
            continue;
        const bool tag = line.size() > 4 && line[0] == '[' && line[3] == ':' && line.back() == ']';
        if (isTimeTag(line))
            ++timed;
        else if (!tag)
            return false;
    }
    return timed > 0;
}

// MicroDVD: "{start frame}{end frame}text".
bool isMicroDvd(std::string_view line)
{
    size_t at = 1;
    if (!line.starts_with('{'))
        return false;
    for (int field = 0; field < 2; ++field) {
        const size_t digits = at;
        while (at < line.size() && isDigit(line[at]))
            ++at;
        if (at == digits || at >= line.size() || line[at] != '}')
            return false;
        at += field == 0 ? 2 : 1;
        if (field == 0 && (at > line.size() || line[at - 1] != '{'))
            return false;
    }
    return true;
}

// The text after its first line end; empty when there is none.
std::string_view afterFirstLine(std::string_view text)
{
    const size_t end = text.find('\n');
    return end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
}

// ish: the title line its encoders write, "<<< name for system ( use kind ish ) [ n lines ]
// >>>" (in green when asked, with a part line after it in a multi-volume set), then the
// encoded header line three times over.
bool isIshText(std::string_view text)
{
    constexpr std::string_view Green = "\x1B[32m", Plain = "\x1B[m";
    constexpr size_t ShortestHeaderLine = 8;
    std::string_view title = firstLine(text);
    if (title.starts_with(Green))
        title.remove_prefix(Green.size());
    if (title.ends_with(Plain))
        title.remove_suffix(Plain.size());
    if (!title.starts_with("<<< ") || !title.ends_with(" >>>") || !contains(title, " for ") ||
        !contains(title, " ish ) [ "))
        return false;
    std::string_view rest = afterFirstLine(text);
    if (firstLine(rest).starts_with("<<< Part "))
        rest = afterFirstLine(rest);
    const std::string_view header = firstLine(rest);
    if (header.size() < ShortestHeaderLine || header.starts_with("<<<"))
        return false;
    for (int copy = 0; copy < 3; ++copy) {
        if (firstLine(rest) != header)
            return false;
        rest = afterFirstLine(rest);
    }
    // Data lines follow the header.
    return !rest.empty();
}

struct MarkerRule {
    std::string_view lineStart;   // what the first line starts with (empty: anything)
    std::string_view lineHas;     // what else it contains (empty: nothing needed)
    std::string_view windowHas;   // what the first kilobytes must contain, and
    std::string_view windowAlso;  // what besides
    std::string_view typeId;
};

// Formats told by their first line together with what follows. First match wins.
constexpr MarkerRule MarkerRules[] = {
    {"solid", "", "facet normal", "", "stl-ascii"},
    {"(module ", "(layer ", "", "", "kicad-mod"},
    {".HODE", "", "..TRANSPAR", "..OMR", "sosi"},
    {"This is ", "produced by", "", "", "info"},
    {"# ", ".la - a libtool library file", "", "", "la"},
    {"#define ", "_width ", "", "", "xbm"},
    {".\\\"", "", "\n.TH ", "", "man"},
    {".\\\"", "", "\n.Dd ", "", "man"},
    {".\\\"", "", "", "", "troff"},
    {"'\\\"", "", "\n.TH ", "", "man"},
    {"'\\\"", "", "", "", "troff"},
    {"--- ", "", "\n+++ ", "\n@@ ", "patch"},
    {"[", "", "\n[InternetShortcut]", "", "url"}, // Windows puts a section or two before it
    {"*** ", "", "\n--- ", "\n***************", "patch"},
    {"FILE \"", "", "TRACK ", "INDEX ", "cue"},
    {"REM ", "", "TRACK ", "INDEX ", "cue"},
    {"PERFORMER ", "", "TRACK ", "INDEX ", "cue"},
    {"", "", "\nmsgid \"", "\nmsgstr ", "po"},
    {"", "", "\nName: ", "\nLibs: ", "pc"},
    {"", "", "\nName: ", "\nCflags: ", "pc"},
};

struct MarkerCheck {
    bool (*matches)(std::string_view text);
    std::string_view typeId;
};

bool isMicroDvdText(std::string_view text) { return isMicroDvd(firstLine(text)); }

constexpr MarkerCheck MarkerChecks[] = {
    {isPatchMail, "patch"},          {isMboxStart, "mbox"},  {isSubRip, "srt"},          {isLyrics, "lrc"},
    {isMicroDvdText, "sub"},         {isNormalDiff, "patch"}, {isCertificateText, "pem"}, {holdsArmoredPgp, "asc"},
};

bool matchesRule(const MarkerRule &rule, std::string_view line, std::string_view window)
{
    return line.starts_with(rule.lineStart) && contains(line, rule.lineHas) && contains(window, rule.windowHas) &&
           contains(window, rule.windowAlso);
}

// Markers that are not at the very start, or need a second look.
std::string_view laterMarkerType(std::string_view text)
{
    const std::string_view window = text.substr(0, MarkerWindow);
    const std::string_view line = firstLine(text);
    for (const MarkerRule &rule : MarkerRules) {
        if (matchesRule(rule, line, window))
            return rule.typeId;
    }
    if (const auto mail = mailType(text); !mail.empty())
        return mail;
    for (const MarkerCheck &check : MarkerChecks) {
        if (check.matches(text))
            return check.typeId;
    }
    return hexRecordType(text);
}

// The length of the quoted string at the front of text, quotes included, or 0.
size_t quotedLength(std::string_view text)
{
    if (!text.starts_with('"'))
        return 0;
    for (size_t i = 1; i < text.size() && text[i] != '\n'; ++i) {
        if (text[i] == '\\')
            ++i;
        else if (text[i] == '"')
            return i + 1;
    }
    return 0;
}

// "key" = "value"; what a line of a string table holds (a comment may follow).
bool isStringPairLine(std::string_view line)
{
    const size_t key = quotedLength(line);
    if (key == 0)
        return false;
    const std::string_view rest = skipBlanks(line.substr(key));
    return rest.starts_with('=') && quotedLength(skipBlanks(rest.substr(1))) > 0;
}

// String tables (Apple's .strings, msgcat --stringtable-output): comments and
// "key" = "value"; lines only, at least two pairs. Text that was cut short may end in
// half a line, which proves nothing either way.
bool isStringsTable(std::string_view text, bool complete)
{
    if (!text.starts_with('"') && !text.starts_with("/*"))
        return false;
    int pairs = 0;
    bool inComment = false;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        if (end == std::string_view::npos && !complete)
            break;
        const std::string_view line = skipBlanks(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty())
            continue;
        if (inComment || line.starts_with("/*")) {
            inComment = line.find("*/", inComment ? 0 : 2) == std::string_view::npos;
            continue;
        }
        if (!isStringPairLine(line))
            return false;
        ++pairs;
    }
    return pairs >= 2;
}

// Entries of a BibTeX database start with "@kind{"; comments may come first.
bool isBibTeX(std::string_view text)
{
    text = afterCommentLines(text, "%");
    if (!text.starts_with('@'))
        return false;
    constexpr std::string_view Kinds[] = {"article", "book", "inproceedings", "incollection", "misc", "string",
                                          "preamble", "techreport", "phdthesis", "mastersthesis", "manual",
                                          "online", "comment", "inbook", "proceedings", "unpublished"};
    for (std::string_view kind : Kinds) {
        if (startsWithIgnoringAsciiCase(text.substr(1), kind))
            return true;
    }
    return false;
}

// Wiki and Markdown pages may open with an HTML tag (an anchor, a centred logo); their
// own markup further down tells them from an HTML fragment.
constexpr std::string_view PagesOpeningWithHtml[] = {"md", "wiki", "textile", "adoc", "rst"};

TextShape markupOrDocument(std::string_view text)
{
    const TextShape markup = markupType(text);
    if (markup.typeId != "html" || !markup.guessed)
        return markup;
    const LanguageGuess language = guessLanguage(text);
    const bool page = std::find(std::begin(PagesOpeningWithHtml), std::end(PagesOpeningWithHtml), language.typeId) !=
                      std::end(PagesOpeningWithHtml);
    return page ? TextShape{language.typeId, true, language.clear} : markup;
}

// "graph name {" opens an undirected Graphviz graph; the prefix rules know the others.
bool opensGraphvizGraph(std::string_view text)
{
    const std::string_view line = text.substr(0, std::min(text.find('\n'), text.size()));
    return line.starts_with("graph ") && line.find_last_not_of(" \t\r") == line.rfind('{') &&
           line.rfind('{') != std::string_view::npos && line.find(';') == std::string_view::npos;
}

// Streaming playlists (what ffmpeg -f hls writes) are M3U files with "#EXT-X-" tags.
std::string_view playlistDialect(std::string_view typeId, std::string_view text)
{
    return typeId == "m3u" && text.find("#EXT-X-") != std::string_view::npos ? "hls"sv : typeId;
}

// Notebooks open with their list of cells, each of which names its kind.
std::string_view jsonDialect(std::string_view json)
{
    const std::string_view opening = skipBlanks(json.substr(1));
    if (opening.starts_with("\"cells\"") && json.find("\"cell_type\"") != std::string_view::npos)
        return "ipynb";
    return "json";
}

} // namespace

TextShape textShape(std::string_view text, bool complete)
{
    text = skipBlanks(text);
    if (text.starts_with("#!"))
        return {shebangType(text), false};
    if (const auto byPrefix = lookupPrefix(TextPrefixRules, text, false); !byPrefix.empty())
        return {playlistDialect(byPrefix, text), false};
    if (text.starts_with("{\\rtf"))
        return {"rtf", false};
    if (opensGraphvizGraph(text))
        return {"dot", false};
    if (isIshText(text))
        return {"ish", false};
    if (text.starts_with('<'))
        return markupOrDocument(text);
    if ((text.starts_with('{') || text.starts_with('[')) && looksLikeJson(text, complete))
        return {jsonDialect(text), false};
    if (const auto later = laterMarkerType(text); !later.empty())
        return {later, false};
    if (isBibTeX(text))
        return {"bib", false};
    if (isStringsTable(text, complete))
        return {"apple-strings", false};
    // Comment lines may come before a section header or a LaTeX preamble.
    if (const auto afterHash = afterCommentLines(text, "#"); afterHash.starts_with("[Desktop Entry]"))
        return {"desktop", false};
    // Gettext catalogs open with translator comments; a properties file written by
    // msgcat keeps the comments but has no msgid.
    if (afterCommentLines(text, "#").starts_with("msgid \""))
        return {"po", false};
    if (const auto afterPercent = afterCommentLines(text, "%"); afterPercent.data() != text.data()) {
        if (const auto byPrefix = lookupPrefix(TextPrefixRules, afterPercent, false); byPrefix == "tex")
            return {byPrefix, false};
    }
    if (const LanguageGuess language = guessLanguage(text); !language.typeId.empty())
        return {language.typeId, true, language.clear};
    if (const auto table = guessTable(text, complete); !table.empty())
        return {table, true};
    return {"text", false};
}

std::string_view structuredTextType(std::string_view text, bool complete) { return textShape(text, complete).typeId; }

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
        const TextShape shape = textShape(*body.chars(0, body.size()), complete);
        return TextSniff{mark.encoding, shape.typeId, shape.guessed, shape.clear};
    }

    const ByteCensus census = takeCensus(bytes);
    if (census.nul > 0) {
        if (const auto wide32 = unmarkedUtf32(bytes))
            return sniffWide(bytes, *wide32, complete);
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
    else if (const auto japanese = eastAsianEncoding(bytes, complete))
        encoding = *japanese;
    const TextShape shape = textShape(*bytes.chars(0, bytes.size()), complete);
    return TextSniff{encoding, shape.typeId, shape.guessed, shape.clear};
}

} // namespace tivex
