#include "tivex_engine.h"

#include <algorithm>

#include "os.h"
#include "signatures.h"
#include "text_util.h"

namespace tivex {

namespace {

constexpr std::string_view EmptyFileJa = "空のファイル（0 バイト）";
constexpr std::string_view EmptyFileEn = "empty file (0 bytes)";
constexpr std::string_view UnknownJa = "種類を判別できないデータ（バイナリ）";
constexpr std::string_view UnknownEn = "unrecognised binary data";
constexpr int MaxFamilyDepth = 16;

Failure failureFrom(os::PathError error)
{
    switch (error) {
    case os::PathError::Empty:
        return Failure::EmptyPath;
    case os::PathError::NotAbsolute:
        return Failure::NotAbsolute;
    case os::PathError::NoFileName:
    case os::PathError::None:
        break;
    }
    return Failure::NoFileName;
}

Failure failureFrom(os::OpenError error)
{
    switch (error) {
    case os::OpenError::NotFound:
        return Failure::NotFound;
    case os::OpenError::IsFolder:
        return Failure::IsFolder;
    case os::OpenError::AccessDenied:
        return Failure::AccessDenied;
    case os::OpenError::NotRegular:
        return Failure::NotRegular;
    case os::OpenError::Other:
    case os::OpenError::None:
        break;
    }
    return Failure::ReadError;
}

Report failed(Failure failure, size_t limit = 0)
{
    Report report;
    report.failure = failure;
    report.reason = failureReason(failure, limit);
    return report;
}

struct LimitCheck {
    size_t length;
    size_t limit;
    Failure failure;
};

std::string withEncoding(std::string_view description, TextEncoding encoding)
{
    std::string text(description);
    if (encoding != TextEncoding::None) {
        text += "（";
        text += encodingName(encoding);
        text += "）";
    }
    return text;
}

} // namespace

Detection detect(Source &source)
{
    Detection detection;
    if (source.size() == 0) {
        detection.empty = true;
        return detection;
    }
    if (const auto id = matchSignatures(source); !id.empty()) {
        detection.type = typeById(id);
        if (detection.type)
            return detection;
    }
    if (const auto text = sniffText(source.head(), source.headIsWhole())) {
        detection.type = typeById(text->typeId);
        detection.encoding = text->encoding;
        detection.guessed = text->guessed;
        return detection;
    }
    detection.type = typeById(matchFallbacks(source));
    return detection;
}

Detection detectBytes(ByteView bytes)
{
    MemoryAccess access(bytes);
    Source source(access);
    if (!source.load())
        return {};
    return detect(source);
}

namespace {

bool keptInFamily(const TypeInfo &type, std::string_view present)
{
    // A narrower format that the content cannot tell apart keeps its name: a plain ZIP
    // named .cbz, an XML document named .glade.
    for (const TypeInfo *named : typesForExtension(present)) {
        if (isDescendantOf(*named, type) && !named->has(Provable))
            return true;
    }
    // A broader format that fully holds this one: an SVG image named .xml.
    // Only a type the content proves insists on its own extension over a broader one:
    // a ZIP with a KML file inside may stay .zip, a Word document named .zip may not.
    // Plain text is no such family: text extensions are judged by keptAsText.
    const TypeInfo *ancestor = parentOf(type);
    for (int depth = 0; ancestor && depth < MaxFamilyDepth; ++depth, ancestor = parentOf(*ancestor)) {
        if (ancestor->id == TextTypeId)
            break;
        const bool insists = type.has(Provable) || type.has(Distinct);
        if (ancestor->claimsExtension(present) && (ancestor->has(KeepsDescendants) || !insists))
            return true;
    }
    return false;
}

// Text keeps a text extension unless its structure proves another format: plain
// notes stay .csv, a guessed C source stays .h, anything stays .in or .conf; but JSON
// named .py is misnamed. Extensions of formats the content would prove (.svg, .rtf)
// are not text extensions here: plain text named .svg is not an SVG image.
bool keptAsText(const Detection &detection, std::string_view present)
{
    const TypeInfo &type = *detection.type;
    if (!isTextual(type))
        return false;
    bool textExtension = false;
    bool generic = false;
    for (const TypeInfo *named : typesForExtension(present)) {
        if (isTextual(*named) && !named->has(Provable)) {
            textExtension = true;
            generic = generic || named->has(Generic);
        }
    }
    return textExtension && (type.id == TextTypeId || detection.guessed || generic);
}

bool allDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// libfoo.so.1 and libfoo.so.1.2: the number after ".so" is a version, not a misnamed
// extension.
bool isVersionedLibraryName(std::string_view base, std::string_view present)
{
    if (!allDigits(present))
        return false;
    const size_t so = base.rfind(".so");
    if (so == std::string_view::npos)
        return false;
    std::string_view rest = base.substr(so + 3);
    while (!rest.empty()) {
        if (rest.front() != '.')
            return false;
        rest.remove_prefix(1);
        const size_t next = std::min(rest.find('.'), rest.size());
        if (!allDigits(rest.substr(0, next)))
            return false;
        rest.remove_prefix(next);
    }
    return true;
}

bool isAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

std::string proposeExtension(const Detection &detection, std::string_view presentExt, std::string_view base)
{
    const TypeInfo *type = detection.type;
    if (!type)
        return {};
    // Only an ASCII extension is lowered: in a double-byte code page such as CP932 a
    // trail byte may be an ASCII letter, and lowering it would name another character.
    const std::string present = isAscii(presentExt) ? asciiLower(presentExt) : std::string(presentExt);
    if (type->claimsExtension(present) || keptInFamily(*type, present) || keptAsText(detection, present))
        return present;
    if (type->id == "elf-so" && isVersionedLibraryName(base, present))
        return present;
    return std::string(type->ext);
}

std::string proposeExtension(const TypeInfo *type, std::string_view presentExt)
{
    Detection detection;
    detection.type = type;
    return proposeExtension(detection, presentExt);
}

std::string describeJa(const Detection &detection)
{
    if (detection.empty)
        return std::string(EmptyFileJa);
    if (!detection.type)
        return std::string(UnknownJa);
    return withEncoding(detection.type->descJa, detection.encoding);
}

std::string describeEn(const Detection &detection)
{
    if (detection.empty)
        return std::string(EmptyFileEn);
    if (!detection.type)
        return std::string(UnknownEn);
    std::string text(detection.type->descEn);
    if (detection.encoding != TextEncoding::None && detection.encoding != TextEncoding::Unknown8Bit) {
        text += " (";
        text += encodingName(detection.encoding);
        text += ")";
    }
    return text;
}

std::vector<std::string_view> describeExtension(std::string_view ext)
{
    std::vector<std::string_view> descriptions;
    for (const TypeInfo *type : typesForExtension(normalizeExtension(ext)))
        descriptions.push_back(type->descJa);
    return descriptions;
}

Report checkFile(std::string_view path, const NameLimits *limits)
{
    os::PathError pathError = os::PathError::None;
    const auto parts = os::splitPath(path, pathError);
    if (!parts)
        return failed(failureFrom(pathError));
    const NameParts name = splitName(parts->name);

    if (limits) {
        const LimitCheck checks[] = {
            {parts->drive.size(), limits->drive, Failure::DriveTooLong},
            {parts->folder.size(), limits->folder, Failure::FolderTooLong},
            {name.base.size(), limits->base, Failure::BaseTooLong},
            {name.ext.size(), limits->ext, Failure::ExtTooLong},
        };
        for (const LimitCheck &check : checks) {
            if (check.length > check.limit)
                return failed(check.failure, check.limit);
        }
    }

    os::OpenError openError = os::OpenError::None;
    os::File file = os::File::open(path, openError);
    if (!file.isOpen())
        return failed(failureFrom(openError));
    Source source(file);
    if (!source.load())
        return failed(Failure::ReadError);

    Report report;
    report.drive = parts->drive;
    report.folder = parts->folder;
    report.base = std::string(name.base);
    report.presentExt = std::string(name.ext);
    report.detection = detect(source);
    report.proposedExt = proposeExtension(report.detection, report.presentExt, report.base);
    report.description = describeJa(report.detection);
    report.descriptionEn = describeEn(report.detection);
    return report;
}

} // namespace tivex
