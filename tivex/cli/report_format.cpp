#include "report_format.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

#include "os.h"

namespace tivex::cli {

namespace {

constexpr std::string_view EmptyMime = "inode/x-empty";
constexpr std::string_view UnknownMime = "application/octet-stream";

struct Utf8Lead {
    uint8_t first; // range of the lead byte
    uint8_t last;
    uint8_t secondFirst; // range of the second byte, narrower for overlong and surrogate forms
    uint8_t secondLast;
    uint8_t length;
};

constexpr Utf8Lead Utf8Leads[] = {
    {0xC2, 0xDF, 0x80, 0xBF, 2}, {0xE0, 0xE0, 0xA0, 0xBF, 3}, {0xE1, 0xEC, 0x80, 0xBF, 3},
    {0xED, 0xED, 0x80, 0x9F, 3}, {0xEE, 0xEF, 0x80, 0xBF, 3}, {0xF0, 0xF0, 0x90, 0xBF, 4},
    {0xF1, 0xF3, 0x80, 0xBF, 4}, {0xF4, 0xF4, 0x80, 0x8F, 4},
};

bool isContinuation(uint8_t byte) { return (byte & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 character at the start of text, or 0.
size_t utf8CharacterLength(std::string_view text)
{
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    if (byte(0) < 0x80)
        return 1;
    for (const Utf8Lead &lead : Utf8Leads) {
        if (byte(0) < lead.first || byte(0) > lead.last)
            continue;
        if (text.size() < lead.length || byte(1) < lead.secondFirst || byte(1) > lead.secondLast)
            return 0;
        for (size_t i = 2; i < lead.length; ++i) {
            if (!isContinuation(byte(i)))
                return 0;
        }
        return lead.length;
    }
    return 0;
}

void appendJsonEscape(std::string &out, char c)
{
    static constexpr char Hex[] = "0123456789abcdef";
    switch (c) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        break;
    }
    const auto byte = static_cast<uint8_t>(c);
    if (byte < 0x20 || byte == 0x7F) {
        out += "\\u00";
        out += Hex[byte >> 4];
        out += Hex[byte & 0xF];
    } else {
        out += c;
    }
}

void appendOctal(std::string &out, uint8_t byte)
{
    out += '\\';
    out += static_cast<char>('0' + (byte >> 6));
    out += static_cast<char>('0' + ((byte >> 3) & 7));
    out += static_cast<char>('0' + (byte & 7));
}

// Where a backslash can stand in a name, it is doubled, so that a name holding a backslash
// and three digits never prints like a name holding the byte those digits stand for.
// Where it only separates folders, no name holds it and it stays single.
constexpr bool BackslashIsNamePart = std::filesystem::path::preferred_separator != '\\';

// U+0080..U+009F, the C1 controls, are as unprintable as the C0 ones.
bool isC1Control(std::string_view character)
{
    return character.size() == 2 && static_cast<uint8_t>(character[0]) == 0xC2
           && static_cast<uint8_t>(character[1]) < 0xA0;
}

std::string describe(const Report &report, bool english)
{
    return english ? report.descriptionEn : report.description;
}

void appendPath(std::string &line, std::string_view path, const LineStyle &style, std::string_view separator)
{
    if (style.brief)
        return;
    if (style.print0) {
        line += os::utf8FromCallerText(path);
        line += '\0';
    } else {
        line += printablePath(path);
        line += separator;
    }
}

void appendPathPrefix(std::string &line, std::string_view path, const LineStyle &style)
{
    appendPath(line, path, style, ": ");
}

std::string describeLine(std::string_view path, const Report &report, const LineStyle &style)
{
    std::string line;
    appendPathPrefix(line, path, style);
    if (!report.ok())
        return line + "error: " + report.reason;
    return line + describe(report, style.english) + " [" + report.proposedExt + "]";
}

std::string extensionLine(std::string_view path, const Report &report, const LineStyle &style)
{
    std::string line;
    appendPath(line, path, style, "\t");
    if (report.ok())
        line += report.proposedExt;
    return line;
}

std::string mimeLine(std::string_view path, const Report &report, const LineStyle &style)
{
    std::string line;
    appendPathPrefix(line, path, style);
    if (!report.ok())
        return line + "error: " + report.reason;
    return line + std::string(mimeType(report.detection));
}

std::string jsonLine(std::string_view path, const Report &report, const LineStyle &style)
{
    std::string line = "{\"path\":" + jsonString(os::utf8FromCallerText(path));
    if (!report.ok())
        return line + ",\"error\":" + jsonString(report.reason) + "}";
    line += ",\"ext\":" + jsonString(report.proposedExt);
    line += ",\"accepted\":[";
    const char *separator = "";
    for (const std::string_view ext : acceptedExtensions(report.detection)) {
        line += separator;
        line += jsonString(ext);
        separator = ",";
    }
    line += "],\"description\":" + jsonString(describe(report, style.english));
    line += ",\"mime\":" + jsonString(mimeType(report.detection));
    line += ",\"type\":";
    line += report.detection.type ? jsonString(report.detection.type->id) : "null";
    return line + "}";
}

using LineFormatter = std::string (*)(std::string_view, const Report &, const LineStyle &);

struct ModeFormatter {
    OutputMode mode;
    LineFormatter format;
};

constexpr ModeFormatter Formatters[] = {
    {OutputMode::Describe, describeLine},
    {OutputMode::Extension, extensionLine},
    {OutputMode::Mime, mimeLine},
    {OutputMode::Json, jsonLine},
};

} // namespace

std::vector<std::string_view> acceptedExtensions(const Detection &detection)
{
    std::vector<std::string_view> extensions;
    if (!detection.type || detection.type->ext.empty())
        return extensions;
    extensions.push_back(detection.type->ext);
    std::string_view aliases = detection.type->aliases;
    while (!aliases.empty()) {
        const size_t blank = aliases.find(' ');
        const std::string_view alias = aliases.substr(0, blank);
        if (!alias.empty())
            extensions.push_back(alias);
        aliases = blank == std::string_view::npos ? std::string_view() : aliases.substr(blank + 1);
    }
    return extensions;
}

std::string_view mimeType(const Detection &detection)
{
    if (detection.empty)
        return EmptyMime;
    if (!detection.type || detection.type->mime.empty())
        return UnknownMime;
    return detection.type->mime;
}

std::string formatLine(std::string_view path, const Report &report, const LineStyle &style)
{
    const char end = style.print0 ? '\0' : '\n';
    for (const ModeFormatter &formatter : Formatters) {
        if (formatter.mode == style.mode)
            return formatter.format(path, report, style) + end;
    }
    return describeLine(path, report, style) + end;
}

std::string printablePath(std::string_view callerPath)
{
    const std::string utf8 = os::utf8FromCallerText(callerPath);
    std::string_view path = utf8;
    std::string out;
    out.reserve(path.size());
    while (!path.empty()) {
        const size_t length = utf8CharacterLength(path);
        const std::string_view character = path.substr(0, std::max<size_t>(length, 1));
        const auto byte = static_cast<uint8_t>(path[0]);
        if (length == 0 || (length == 1 && (byte < 0x20 || byte == 0x7F)) || isC1Control(character)) {
            for (const char c : character)
                appendOctal(out, static_cast<uint8_t>(c));
        } else if (byte == '\\' && BackslashIsNamePart) {
            out += "\\\\";
        } else {
            out += character;
        }
        path.remove_prefix(character.size());
    }
    return out;
}

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    out.reserve(text.size() + 2);
    while (!text.empty()) {
        const size_t length = utf8CharacterLength(text);
        if (length == 0) {
            static constexpr char Hex[] = "0123456789abcdef";
            const auto byte = static_cast<uint8_t>(text[0]);
            out += "\\udc";
            out += Hex[byte >> 4];
            out += Hex[byte & 0xF];
            text.remove_prefix(1);
        } else if (length == 1) {
            appendJsonEscape(out, text[0]);
            text.remove_prefix(1);
        } else {
            out += text.substr(0, length);
            text.remove_prefix(length);
        }
    }
    return out + "\"";
}

} // namespace tivex::cli
