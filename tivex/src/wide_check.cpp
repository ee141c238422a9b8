// The wide-character path: the three entry points' work for names in UTF-16. The file is
// opened by its UTF-16 name; the verdict, which compares extensions with the type table's
// ASCII ones, reads the name parts as UTF-8.
#include <tivex_wide.h>

#include <tivex_name_rule.h>

#include <optional>

#include "check_steps.h"
#include "os.h"
#include "tivex_engine.h"

namespace tivex::wide {

namespace {

bool isSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

bool isSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// A lone surrogate, which Windows lets a name hold, becomes U+FFFD: it matches no
// extension of the type table, and the name itself is never rebuilt from this text.
std::string utf8(std::u16string_view text)
{
    std::string out;
    for (const char32_t c : names::utf16Characters(text)) {
        const char32_t code = isSurrogate(c) ? 0xFFFD : c;
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

// The engine's own texts are well-formed UTF-8; a damaged sequence would show as U+FFFD.
std::u16string utf16(std::string_view text)
{
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        bool whole = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            whole = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!whole || isSurrogate(code) || code > 0x10FFFF) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
        i += length;
    }
    return out;
}

struct Parts {
    std::u16string_view drive, folder, base, ext;
};

// The drive-letter rule of the narrow path: "C:" and a separator, the folder with its
// closing separator, then a name.
std::optional<Parts> splitFullPath(std::u16string_view path, os::PathError &error)
{
    if (path.empty()) {
        error = os::PathError::Empty;
        return std::nullopt;
    }
    if (path.size() < 3 || path[1] != u':' || !isSeparator(path[2])) {
        error = os::PathError::NotAbsolute;
        return std::nullopt;
    }
    const std::size_t separator = path.find_last_of(u"\\/");
    if (separator + 1 == path.size()) {
        error = os::PathError::NoFileName;
        return std::nullopt;
    }
    const std::u16string_view name = path.substr(separator + 1);
    const std::size_t period = names::extensionPeriod(
        name, [](std::u16string_view piece) { return names::utf16Characters(piece); });
    Parts parts{path.substr(0, 2), path.substr(2, separator - 1), name, {}};
    if (period != std::u16string_view::npos) {
        parts.base = name.substr(0, period);
        parts.ext = name.substr(period + 1);
    }
    return parts;
}

Check failedCheck(const Report &report)
{
    Check out;
    out.desc = utf16(report.reason);
    return out;
}

// Opens the file by its UTF-16 name and recognises its content.
Report recogniseAt(std::u16string_view path, const Parts &parts)
{
    os::OpenError openError = os::OpenError::None;
    os::File file = os::File::open(path, openError);
    if (!file.isOpen())
        return failed(failureFrom(openError));
    Report named;
    named.base = utf8(parts.base);
    named.presentExt = utf8(parts.ext);
    return recognise(file, std::move(named));
}

// A proposal that keeps the present extension hands back the user's own spelling (the
// verdict lowers it when it is ASCII); any other is one of the type table's.
std::u16string proposalOf(const Report &report, const Parts &parts)
{
    return report.proposedExt == report.presentExt ? std::u16string(parts.ext) : utf16(report.proposedExt);
}

Check checkPath(std::u16string_view path)
{
    os::PathError pathError = os::PathError::None;
    const std::optional<Parts> parts = splitFullPath(path, pathError);
    if (!parts)
        return failedCheck(failed(failureFrom(pathError)));
    if (parts->folder.size() > FolderWidth)
        return failedCheck(failed(Failure::FolderTooLong, FolderWidth, LimitUnit::Characters));
    const Report report = recogniseAt(path, *parts);
    if (!report.ok())
        return failedCheck(report);
    Check out;
    out.result = 1;
    out.drive = parts->drive;
    out.folder = parts->folder;
    out.base = parts->base;
    out.presentExt = parts->ext;
    out.trueExt = proposalOf(report, *parts);
    out.desc = utf16(report.description);
    return out;
}

DescriptionWalk &descriptionWalk()
{
    static DescriptionWalk walk;
    return walk;
}

} // namespace

Check check(std::u16string_view path)
{
    try {
        return checkPath(path);
    } catch (...) {
        Check out;
        out.desc = utf16(InternalErrorJa);
        return out;
    }
}

int32_t what(int32_t mode, std::u16string_view ext, std::u16string &desc)
{
    desc.clear();
    try {
        std::string_view description;
        const int32_t index = descriptionWalk().step(mode, utf8(ext), description);
        if (index >= 0)
            desc = utf16(description);
        return index;
    } catch (...) {
        desc.clear();
        return -1;
    }
}

// No folder limit: renaming asks for the extension of files in any folder, and only the
// extension comes back.
int32_t checkExt(std::u16string_view path, std::u16string &ext)
{
    ext.clear();
    try {
        os::PathError pathError = os::PathError::None;
        const std::optional<Parts> parts = splitFullPath(path, pathError);
        if (!parts)
            return 0;
        const Report report = recogniseAt(path, *parts);
        if (!report.ok() || report.proposedExt.empty())
            return 0;
        ext = proposalOf(report, *parts);
        return 1;
    } catch (...) {
        ext.clear();
        return 0;
    }
}

} // namespace tivex::wide
