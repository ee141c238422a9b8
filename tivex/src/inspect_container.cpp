// ZIP and OLE2 compound files: both hide what they are inside a directory, so these
// inspectors read the directory and judge by the member names.
#include "inspectors.h"

#include "inflate.h"

#include <algorithm>
#include <array>
#include <cstdint>

using namespace std::literals;

namespace tivex::inspect {

namespace {

// ---- ZIP ------------------------------------------------------------------------------

enum ZipFeature : uint32_t {
    ContentTypes = 1u << 0,
    WordFolder = 1u << 1,
    ExcelFolder = 1u << 2,
    PowerPointFolder = 1u << 3,
    JarManifest = 1u << 4,
    AndroidManifest = 1u << 5,
    DalvikCode = 1u << 6,
    VisioFolder = 1u << 7,
    OfficeMacros = 1u << 8,
    ExcelBinary = 1u << 9,
    XpsSequence = 1u << 10,
    ThreeDModel = 1u << 11,
    NuGetSpec = 1u << 12,
    VsixManifest = 1u << 13,
    AppxManifest = 1u << 14,
    BundleConfig = 1u << 15,
    AndroidLibrary = 1u << 16,
    IosPayload = 1u << 17,
    WebInf = 1u << 18,
    EnterpriseDescriptor = 1u << 19,
    WheelMetadata = 1u << 20,
    EggInfo = 1u << 21,
    ExtensionManifest = 1u << 22,
    KmlDocument = 1u << 23,
    NumpyArray = 1u << 24,
    JavaClass = 1u << 25,
    ResourceTable = 1u << 26,
    PickleData = 1u << 27,
    VersionRecord = 1u << 28,
};

enum class NameMatch { Exact, Prefix, Suffix, RootSuffix };

struct MemberRule {
    std::string_view name;
    NameMatch match;
    ZipFeature feature;
};

constexpr MemberRule MemberRules[] = {
    {"[Content_Types].xml", NameMatch::Exact, ContentTypes},
    {"word/vbaProject.bin", NameMatch::Exact, OfficeMacros},
    {"xl/vbaProject.bin", NameMatch::Exact, OfficeMacros},
    {"ppt/vbaProject.bin", NameMatch::Exact, OfficeMacros},
    {"xl/workbook.bin", NameMatch::Exact, ExcelBinary},
    {"word/", NameMatch::Prefix, WordFolder},
    {"xl/", NameMatch::Prefix, ExcelFolder},
    {"ppt/", NameMatch::Prefix, PowerPointFolder},
    {"visio/", NameMatch::Prefix, VisioFolder},
    {".fdseq", NameMatch::Suffix, XpsSequence},
    {"3D/3dmodel.model", NameMatch::Exact, ThreeDModel},
    {".nuspec", NameMatch::RootSuffix, NuGetSpec},
    {"extension.vsixmanifest", NameMatch::Exact, VsixManifest},
    {"AppxManifest.xml", NameMatch::Exact, AppxManifest},
    {"AppxMetadata/AppxBundleManifest.xml", NameMatch::Exact, AppxManifest},
    {"META-INF/MANIFEST.MF", NameMatch::Exact, JarManifest},
    {"AndroidManifest.xml", NameMatch::Exact, AndroidManifest},
    {"classes.dex", NameMatch::Exact, DalvikCode},
    {"BundleConfig.pb", NameMatch::Exact, BundleConfig},
    {"classes.jar", NameMatch::Exact, AndroidLibrary},
    {"Payload/", NameMatch::Prefix, IosPayload},
    {"WEB-INF/", NameMatch::Prefix, WebInf},
    {"META-INF/application.xml", NameMatch::Exact, EnterpriseDescriptor},
    {".dist-info/WHEEL", NameMatch::Suffix, WheelMetadata},
    {"EGG-INFO/", NameMatch::Prefix, EggInfo},
    {"install.rdf", NameMatch::Exact, ExtensionManifest},
    {"manifest.json", NameMatch::Exact, ExtensionManifest},
    {".kml", NameMatch::RootSuffix, KmlDocument},
    {".npy", NameMatch::Suffix, NumpyArray},
    {".class", NameMatch::Suffix, JavaClass},
    {"resources.arsc", NameMatch::Exact, ResourceTable},
    {"/data.pkl", NameMatch::Suffix, PickleData},
    {"/version", NameMatch::Suffix, VersionRecord},
};

struct ZipVerdict {
    uint32_t required;
    std::string_view typeId;
};

// First row whose features are all present wins: the more specific packages first,
// since a NuGet package or a 3MF model also carries an Office-style content-type list.
constexpr ZipVerdict ZipVerdicts[] = {
    {ContentTypes | ThreeDModel, "3mf"},
    {ContentTypes | NuGetSpec, "nupkg"},
    {ContentTypes | VsixManifest, "vsix"},
    {AppxManifest, "appx"},
    {ContentTypes | XpsSequence, "xps"},
    {ContentTypes | WordFolder | OfficeMacros, "docm"},
    {ContentTypes | WordFolder, "docx"},
    {ContentTypes | ExcelFolder | ExcelBinary, "xlsb"},
    {ContentTypes | ExcelFolder | OfficeMacros, "xlsm"},
    {ContentTypes | ExcelFolder, "xlsx"},
    {ContentTypes | PowerPointFolder | OfficeMacros, "pptm"},
    {ContentTypes | PowerPointFolder, "pptx"},
    {ContentTypes | VisioFolder, "vsdx"},
    {AndroidManifest | DalvikCode, "apk"},
    {BundleConfig, "aab"},
    {AndroidManifest | AndroidLibrary, "aar"},
    // Signed packages list their classes.dex far down, past what the directory read
    // covers; the compiled resource table beside the manifest is an app's alone.
    {AndroidManifest | ResourceTable, "apk"},
    {IosPayload, "ipa"},
    {WebInf, "war"},
    {EnterpriseDescriptor, "ear"},
    {JarManifest, "jar"},
    {JavaClass, "jar"},
    {WheelMetadata, "whl"},
    {EggInfo, "egg"},
    {ExtensionManifest, "xpi"},
    {KmlDocument, "kmz"},
    {NumpyArray, "npz"},
    {PickleData | VersionRecord, "pt"},
};

struct TextRule {
    std::string_view text;
    std::string_view typeId;
};

// The content type of an Office package's main part names the exact kind, templates
// and slide shows included, which the member names cannot.
constexpr TextRule MainPartRules[] = {
    {"wordprocessingml.document.main+xml", "docx"},
    {"ms-word.document.macroEnabled.main+xml", "docm"},
    {"wordprocessingml.template.main+xml", "dotx"},
    {"ms-word.template.macroEnabledTemplate.main+xml", "dotm"},
    {"spreadsheetml.sheet.main+xml", "xlsx"},
    {"ms-excel.sheet.macroEnabled.main+xml", "xlsm"},
    {"spreadsheetml.template.main+xml", "xltx"},
    {"ms-excel.template.macroEnabled.main+xml", "xltm"},
    {"ms-excel.sheet.binary.macroEnabled.main", "xlsb"},
    {"ms-excel.addin.macroEnabled.main+xml", "xlam"},
    {"presentationml.presentation.main+xml", "pptx"},
    {"ms-powerpoint.presentation.macroEnabled.main+xml", "pptm"},
    {"presentationml.slideshow.main+xml", "ppsx"},
    {"ms-powerpoint.slideshow.macroEnabled.main+xml", "ppsm"},
    {"presentationml.template.main+xml", "potx"},
    {"ms-powerpoint.template.macroEnabled.main+xml", "potm"},
    {"ms-visio.drawing.main+xml", "vsdx"},
};

// OpenDocument, EPUB and some image editors store their media type, uncompressed, as
// the first member.
constexpr TextRule MimetypeRules[] = {
    {"application/vnd.oasis.opendocument.text", "odt"},
    {"application/vnd.oasis.opendocument.spreadsheet", "ods"},
    {"application/vnd.oasis.opendocument.presentation", "odp"},
    {"application/vnd.oasis.opendocument.graphics", "odg"},
    {"application/vnd.oasis.opendocument.formula", "odf"},
    {"application/vnd.oasis.opendocument.base", "odb"},
    {"application/vnd.oasis.opendocument.database", "odb"},
    {"application/vnd.oasis.opendocument.chart", "odc"},
    {"application/vnd.oasis.opendocument.text-master", "odm"},
    {"application/vnd.oasis.opendocument.text-template", "ott"},
    {"application/vnd.oasis.opendocument.spreadsheet-template", "ots"},
    {"application/vnd.oasis.opendocument.presentation-template", "otp"},
    {"application/vnd.oasis.opendocument.graphics-template", "otg"},
    {"application/vnd.sun.xml.writer", "sxw"},
    {"application/vnd.sun.xml.calc", "sxc"},
    {"application/vnd.sun.xml.impress", "sxi"},
    {"application/vnd.sun.xml.draw", "sxd"},
    {"application/epub+zip", "epub"},
    {"image/openraster", "ora"},
    {"application/x-krita", "kra"},
    {"application/vnd.oasis.opendocument.image", "odi"},
    {"application/vnd.oasis.opendocument.image-template", "oti"},
    {"application/vnd.oasis.opendocument.text-web", "oth"},
    {"application/vnd.oasis.opendocument.text-master-template", "otm"},
    {"application/vnd.sun.xml.writer.template", "sxw"},
    {"application/vnd.sun.xml.writer.web", "sxw"},
    {"application/vnd.sun.xml.writer.global", "sxg"},
    {"application/vnd.sun.xml.calc.template", "sxc"},
    {"application/vnd.sun.xml.draw.template", "sxd"},
    {"application/vnd.sun.xml.impress.template", "sxi"},
    {"application/vnd.sun.xml.math", "sxm"},
    {"application/vnd.sun.xml.base", "sdb"},
    {"application/vnd.openofficeorg.extension", "oxt"},
    {"application/hwp+zip", "hwpx"},
    {"application/x-vnd.corel.draw.document+zip", "cdr"},
    {"application/x-vnd.corel.zcf.draw.document+zip", "cdr"},
    {"application/x-vnd.corel.draw.template+zip", "cdt"},
    {"application/x-vnd.corel.zcf.draw.template+zip", "cdt"},
    {"application/x-vnd.corel.designer.document+zip", "des"},
    {"application/x-vnd.corel.zcf.designer.document+zip", "des"},
    {"application/x-vnd.corel.symbol.library+zip", "csl"},
    {"application/x-vnd.corel.zcf.symbol.library+zip", "csl"},
};

constexpr auto LocalHeader = "PK\x03\x04"sv;
constexpr auto CentralHeader = "PK\x01\x02"sv;
constexpr auto EndRecord = "PK\x05\x06"sv;
constexpr auto Zip64Locator = "PK\x06\x07"sv;
constexpr auto Zip64EndRecord = "PK\x06\x06"sv;
constexpr int MaxMembers = 65536;
constexpr uint16_t StoredMethod = 0;
constexpr uint16_t DeflatedMethod = 8;
constexpr size_t ContentTypesReadLimit = 16 * 1024;
constexpr size_t ContentTypesTextLimit = 16 * 1024;

bool nameMatches(const MemberRule &rule, std::string_view name)
{
    switch (rule.match) {
    case NameMatch::Exact:
        return name == rule.name;
    case NameMatch::Prefix:
        return name.starts_with(rule.name);
    case NameMatch::Suffix:
        return name.ends_with(rule.name);
    case NameMatch::RootSuffix:
        return name.ends_with(rule.name) && name.find('/') == std::string_view::npos;
    }
    return false;
}

uint32_t featuresOf(std::string_view name)
{
    uint32_t features = 0;
    for (const MemberRule &rule : MemberRules) {
        if (nameMatches(rule, name))
            features |= rule.feature;
    }
    return features;
}

std::string_view verdictFor(uint32_t features)
{
    for (const ZipVerdict &verdict : ZipVerdicts) {
        if ((features & verdict.required) == verdict.required)
            return verdict.typeId;
    }
    return "zip";
}

template <size_t N>
std::string_view lookupText(const TextRule (&rules)[N], std::string_view text, bool whole)
{
    for (const TextRule &rule : rules) {
        if (whole ? text == rule.text : text.find(rule.text) != std::string_view::npos)
            return rule.typeId;
    }
    return {};
}

std::string_view mimetypeVerdict(ByteView head)
{
    if (!head.startsWith(0, LocalHeader) || !head.startsWith(30, "mimetype"))
        return {};
    const auto method = head.u16le(8);
    const auto size = head.u32le(18);
    const auto nameLength = head.u16le(26);
    const auto extraLength = head.u16le(28);
    if (!method || *method != StoredMethod || !size || !nameLength || !extraLength || *nameLength != 8)
        return {};
    auto value = head.chars(30 + size_t{*nameLength} + *extraLength, *size);
    if (!value)
        return {};
    while (!value->empty() && (value->back() == '\n' || value->back() == '\r' || value->back() == ' '))
        value->remove_suffix(1);
    return lookupText(MimetypeRules, *value, true);
}

struct CentralDirectory {
    uint64_t offset = 0;
    uint64_t size = 0;
    uint64_t endRecordAt = 0; // absolute position of the end record
    // Self-extracting archives have a stub in front: recorded offsets fall short by it.
    uint64_t shift = 0;
};

std::optional<size_t> findEndRecord(ByteView tail)
{
    if (tail.size() < 22)
        return std::nullopt;
    for (size_t at = tail.size() - 22 + 1; at-- > 0;) {
        if (tail.startsWith(at, EndRecord))
            return at;
    }
    return std::nullopt;
}

// Archives over 4 GiB keep the real directory position in a ZIP64 end record.
bool applyZip64(Source &source, ByteView tail, size_t endAt, CentralDirectory &directory)
{
    if (endAt < 20 || !tail.startsWith(endAt - 20, Zip64Locator))
        return false;
    const auto recordAt = tail.u64le(endAt - 20 + 8);
    if (!recordAt)
        return false;
    const auto record = source.bytesAt(*recordAt, 56);
    if (!record || !record->startsWith(0, Zip64EndRecord))
        return false;
    directory.size = record->u64le(40).value_or(0);
    directory.offset = record->u64le(48).value_or(0);
    return true;
}

std::optional<CentralDirectory> locateCentralDirectory(Source &source)
{
    const ByteView tail = source.tail();
    const auto endAt = findEndRecord(tail);
    if (!endAt)
        return std::nullopt;
    CentralDirectory directory;
    directory.endRecordAt = source.tailOffset() + *endAt;
    directory.size = tail.u32le(*endAt + 12).value_or(0);
    directory.offset = tail.u32le(*endAt + 16).value_or(0);
    if (directory.offset == 0xFFFFFFFFu || directory.size == 0xFFFFFFFFu)
        applyZip64(source, tail, *endAt, directory);
    return directory;
}

// Reads the central directory (its first ScratchSize bytes: the telling members come
// first in every writer we know). The directory always ends at the end record, which
// gives a second place to look when the recorded offset misses.
std::optional<ByteView> readCentralDirectory(Source &source, CentralDirectory &directory)
{
    const size_t length = static_cast<size_t>(std::min<uint64_t>(directory.size, Source::ScratchSize));
    if (length < 46)
        return std::nullopt;
    auto bytes = source.bytesAt(directory.offset, length);
    if (bytes && bytes->startsWith(0, CentralHeader))
        return bytes;
    if (directory.endRecordAt < directory.size)
        return std::nullopt;
    const uint64_t actual = directory.endRecordAt - directory.size;
    bytes = source.bytesAt(actual, length);
    if (bytes && bytes->startsWith(0, CentralHeader)) {
        directory.shift = actual - std::min(actual, directory.offset);
        return bytes;
    }
    return std::nullopt;
}

struct ZipMembers {
    uint32_t features = 0;
    std::optional<uint64_t> contentTypesAt; // local header of [Content_Types].xml
};

ZipMembers centralMembers(ByteView directory, uint64_t shift)
{
    ZipMembers members;
    size_t at = 0;
    for (int count = 0; count < MaxMembers && directory.startsWith(at, CentralHeader); ++count) {
        const auto nameLength = directory.u16le(at + 28);
        const auto extraLength = directory.u16le(at + 30);
        const auto commentLength = directory.u16le(at + 32);
        const auto localAt = directory.u32le(at + 42);
        if (!nameLength || !extraLength || !commentLength || !localAt)
            break;
        const auto name = directory.chars(at + 46, *nameLength);
        if (!name)
            break;
        const uint32_t features = featuresOf(*name);
        if (features & ContentTypes)
            members.contentTypesAt = uint64_t{*localAt} + shift;
        members.features |= features;
        at += 46 + size_t{*nameLength} + *extraLength + *commentLength;
    }
    return members;
}

// Without a readable end record (a cut-off download) the local headers at the start
// still name the first members.
ZipMembers localMembers(ByteView head)
{
    ZipMembers members;
    size_t at = 0;
    for (int count = 0; count < MaxMembers && head.startsWith(at, LocalHeader); ++count) {
        const auto flags = head.u16le(at + 6);
        const auto compressedSize = head.u32le(at + 18);
        const auto nameLength = head.u16le(at + 26);
        const auto extraLength = head.u16le(at + 28);
        if (!flags || !compressedSize || !nameLength || !extraLength)
            break;
        const auto name = head.chars(at + 30, *nameLength);
        if (!name)
            break;
        const uint32_t features = featuresOf(*name);
        if (features & ContentTypes)
            members.contentTypesAt = at;
        members.features |= features;
        // With a trailing data descriptor the size is unknown here: stop walking.
        if ((*flags & 0x08) != 0 && *compressedSize == 0)
            break;
        at += 30 + size_t{*nameLength} + *extraLength + *compressedSize;
    }
    return members;
}

bool isOfficeVerdict(std::string_view typeId)
{
    for (const TextRule &rule : MainPartRules) {
        if (rule.typeId == typeId)
            return true;
    }
    return false;
}

// The main part's content type from [Content_Types].xml, stored or deflated.
std::string_view officeMainPart(Source &source, uint64_t localAt)
{
    const auto header = source.bytesAt(localAt, 30);
    if (!header || !header->startsWith(0, LocalHeader))
        return {};
    const auto method = header->u16le(8).value_or(0xFFFF);
    const auto nameLength = header->u16le(26).value_or(0);
    const auto extraLength = header->u16le(28).value_or(0);
    const uint64_t dataAt = localAt + 30 + nameLength + extraLength;
    const uint64_t available = source.size() > dataAt ? source.size() - dataAt : 0;
    const size_t length = static_cast<size_t>(std::min<uint64_t>(available, ContentTypesReadLimit));
    const auto data = source.bytesAt(dataAt, length);
    if (!data)
        return {};
    if (method == StoredMethod)
        return lookupText(MainPartRules, *data->chars(0, data->size()), false);
    if (method != DeflatedMethod)
        return {};
    std::array<uint8_t, ContentTypesTextLimit> text{};
    const size_t produced = inflateRaw(*data, text.data(), text.size());
    return lookupText(MainPartRules, std::string_view(reinterpret_cast<const char *>(text.data()), produced), false);
}

// ---- OLE2 / Compound File Binary -----------------------------------------------------

struct StreamRule {
    std::string_view name;
    bool prefix;
    std::string_view typeId;
};

// Ordered by strength: a Word document with an embedded sheet holds a Workbook stream
// too, but never the other way round.
constexpr StreamRule StreamRules[] = {
    {"EncryptedPackage", false, "ooxml-encrypted"},
    {"WordDocument", false, "doc"},
    {"PowerPoint Document", false, "ppt"},
    {"Workbook", false, "xls"},
    {"Book", false, "xls"},
    {"__substg1.0_", true, "msg"},
    {"__properties_version1.0", false, "msg"},
    {"VisioDocument", false, "vsd"},
    {"Quill", false, "pub"},
    {"\x05HwpSummaryInformation", false, "hwp"},
    {"HwpSummaryInformation", false, "hwp"},
    // Ichitaro keeps a segment table in every storage and its own summary stream.
    {"\x04JSRV_SegmentInformation", false, "jtd"},
    {"\x05JSRV_SummaryInformation", false, "jtd"},
};

struct ClassRule {
    std::array<uint8_t, 16> clsid;
    std::string_view typeId;
};

// Many programs mark the root storage with their class id, which names the kind of
// document exactly (the class ids of one program's versions differ).
constexpr ClassRule RootClassRules[] = {
    {{0x84, 0x10, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}, "msi"},
    {{0x86, 0x10, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}, "msi"},
    {{0x02, 0x13, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}, "works-wps"}, // Works 3-4
    {{0xC2, 0xDB, 0xCD, 0x28, 0xE2, 0x0A, 0xCE, 0x11, 0xA2, 0x9A, 0x00, 0xAA, 0x00, 0x4A, 0x1A, 0x72}, "works-wps"}, // Works 4
    {{0xB2, 0x5A, 0xA4, 0x0E, 0x0A, 0x9E, 0xD1, 0x11, 0xA4, 0x07, 0x00, 0xC0, 0x4F, 0xB9, 0x32, 0xBA}, "works-wps"}, // Works 5-6
    {{0x03, 0x13, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}, "works-wdb"}, // Works 3-4
    {{0xC3, 0xDB, 0xCD, 0x28, 0xE2, 0x0A, 0xCE, 0x11, 0xA2, 0x9A, 0x00, 0xAA, 0x00, 0x4A, 0x1A, 0x72}, "works-wdb"}, // Works 4
    {{0xC0, 0xC7, 0x26, 0x6E, 0xB9, 0x8C, 0xD3, 0x11, 0xA1, 0xC8, 0x00, 0xC0, 0x4F, 0x61, 0x24, 0x52}, "works-wsb"},
    {{0x3A, 0x8F, 0xB7, 0x74, 0xC8, 0xC8, 0xD1, 0x11, 0xBE, 0x11, 0x00, 0xC0, 0x4F, 0xB6, 0xFA, 0xF1}, "mpp"},
    {{0x00, 0x04, 0x85, 0x59, 0x64, 0x66, 0x1B, 0x10, 0xB2, 0x1C, 0x00, 0xAA, 0x00, 0x4B, 0xA9, 0x0B}, "obd"},
    {{0xF0, 0x46, 0x72, 0x81, 0x0A, 0x72, 0xCF, 0x11, 0x87, 0x18, 0x00, 0xAA, 0x00, 0x60, 0x26, 0x3B}, "ppa"},
    {{0x80, 0x1C, 0xB0, 0x02, 0x3D, 0xE0, 0x1A, 0x10, 0xB2, 0x94, 0x00, 0xDD, 0x01, 0x0F, 0x2B, 0xF9}, "awd"},
    {{0x60, 0x2C, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}, "art-greenstreet"},
    {{0x00, 0x67, 0x61, 0x56, 0x54, 0xC1, 0xCE, 0x11, 0x85, 0x53, 0x00, 0xAA, 0x00, 0xA1, 0xF9, 0x5B}, "fpx"},
    {{0x91, 0x74, 0x08, 0x8A, 0x64, 0x52, 0xD4, 0x11, 0x95, 0xF6, 0x00, 0xA0, 0xCC, 0x3C, 0xCA, 0x14}, "planmaker"},
    {{0x7B, 0x8C, 0xDD, 0x1C, 0xC0, 0x81, 0xA0, 0x45, 0x9F, 0xED, 0x04, 0x14, 0x31, 0x44, 0xCC, 0x1E}, "max"},
    {{0xFF, 0x73, 0x98, 0x51, 0xAD, 0x2D, 0x20, 0x02, 0x19, 0x37, 0x00, 0x00, 0x92, 0x96, 0x79, 0xCD}, "wpd"},
    {{0x62, 0xFE, 0x2E, 0x40, 0x99, 0x19, 0x1B, 0x10, 0x99, 0xAE, 0x04, 0x02, 0x1C, 0x00, 0x70, 0x02}, "shw"},
    {{0x60, 0xFE, 0x2E, 0x40, 0x99, 0x19, 0x1B, 0x10, 0x99, 0xAE, 0x04, 0x02, 0x1C, 0x00, 0x70, 0x02}, "wpg"},
    {{0x40, 0x7E, 0x5C, 0xDC, 0x5C, 0xB3, 0x1B, 0x10, 0x99, 0x61, 0x04, 0x02, 0x1C, 0x00, 0x70, 0x02}, "sdw"}, // StarOffice 3
    {{0xB0, 0xE9, 0x04, 0x8B, 0x0E, 0x42, 0xD0, 0x11, 0xA4, 0x5E, 0x00, 0xA0, 0x24, 0x9D, 0x57, 0xB1}, "sdw"}, // StarOffice 4
    {{0xD1, 0xF9, 0x0C, 0xC2, 0xAE, 0x85, 0xD1, 0x11, 0xAA, 0xB4, 0x00, 0x60, 0x97, 0xDA, 0x56, 0x1A}, "sdw"}, // StarOffice 5
    {{0x70, 0xC9, 0x0A, 0x34, 0x0D, 0xE3, 0xD0, 0x11, 0xA5, 0x3F, 0x00, 0xA0, 0x24, 0x9D, 0x57, 0xB1}, "sgl"}, // StarOffice 4
    {{0xD3, 0xF9, 0x0C, 0xC2, 0xAE, 0x85, 0xD1, 0x11, 0xAA, 0xB4, 0x00, 0x60, 0x97, 0xDA, 0x56, 0x1A}, "sgl"}, // StarOffice 5
    {{0xA0, 0x3F, 0x54, 0x3F, 0xA6, 0xB6, 0x1B, 0x10, 0x99, 0x61, 0x04, 0x02, 0x1C, 0x00, 0x70, 0x02}, "sdc"}, // StarOffice 3
    {{0x41, 0xD4, 0x61, 0x63, 0x35, 0x42, 0xD0, 0x11, 0x89, 0xCB, 0x00, 0x80, 0x29, 0xE4, 0xB0, 0xB1}, "sdc"}, // StarOffice 4
    {{0x61, 0xB8, 0xA5, 0xC6, 0xD6, 0x85, 0xD1, 0x11, 0x89, 0xCB, 0x00, 0x80, 0x29, 0xE4, 0xB0, 0xB1}, "sdc"}, // StarOffice 5
    {{0xE0, 0xAA, 0x10, 0xAF, 0x6D, 0xB3, 0x1B, 0x10, 0x99, 0x61, 0x04, 0x02, 0x1C, 0x00, 0x70, 0x02}, "sda"}, // StarOffice 3
    {{0xA0, 0x05, 0x89, 0x2E, 0xBD, 0x85, 0xD1, 0x11, 0x89, 0xD0, 0x00, 0x80, 0x29, 0xE4, 0xB0, 0xB1}, "sda"}, // StarOffice 5
    {{0xC0, 0x3C, 0x2D, 0x01, 0x16, 0x42, 0xD0, 0x11, 0x89, 0xCB, 0x00, 0x80, 0x29, 0xE4, 0xB0, 0xB1}, "sdd"}, // StarOffice 4
    {{0x21, 0x72, 0x5C, 0x56, 0xBC, 0x85, 0xD1, 0x11, 0x89, 0xD0, 0x00, 0x80, 0x29, 0xE4, 0xB0, 0xB1}, "sdd"}, // StarOffice 5
    {{0x60, 0x04, 0x59, 0xD4, 0xFD, 0x35, 0x1C, 0x10, 0xB1, 0x2A, 0x04, 0x02, 0x1C, 0x00, 0x70, 0x02}, "smf"}, // StarOffice 3
    {{0xE1, 0xB7, 0xB3, 0x02, 0x25, 0x42, 0xD0, 0x11, 0x89, 0xCA, 0x00, 0x80, 0x29, 0xE4, 0xB0, 0xB1}, "smf"}, // StarOffice 4
    {{0x40, 0xE6, 0xB5, 0xFF, 0xDE, 0x85, 0xD1, 0x11, 0x89, 0xD0, 0x00, 0x80, 0x29, 0xE4, 0xB0, 0xB1}, "smf"}, // StarOffice 5
    {{0xE0, 0x99, 0x9C, 0xFB, 0x6D, 0x2C, 0x1C, 0x10, 0x8E, 0x2C, 0x00, 0x00, 0x1B, 0x4C, 0xC7, 0x11}, "sds"}, // StarOffice 3
    {{0xE0, 0xB7, 0xB3, 0x02, 0x25, 0x42, 0xD0, 0x11, 0x89, 0xCA, 0x00, 0x80, 0x29, 0xE4, 0xB0, 0xB1}, "sds"}, // StarOffice 4
    {{0x21, 0x43, 0x88, 0xBF, 0xDD, 0x85, 0xD1, 0x11, 0x89, 0xD0, 0x00, 0x80, 0x29, 0xE4, 0xB0, 0xB1}, "sds"}, // StarOffice 5
};

struct EntryName {
    size_t entry; // position in the directory: 1 is the first entry after the root
    std::string_view name;
    bool prefix;
};

struct PositionRule {
    EntryName first;
    EntryName second; // an empty name: no second condition
    std::string_view typeId;
};

// Programs that leave the class id empty are told by the names of the first entries
// they write, each at its own place.
constexpr PositionRule PositionRules[] = {
    {{1, "MatOST", false}, {}, "works-wps"},
    {{2, "WksSSWorkBook", false}, {}, "works-xlr"},
    {{1, "__CollDataStm", false}, {}, "srs"},
    {{1, "Category", false}, {}, "cag"},
    {{2, "StrIndex_StringTable", false}, {}, "rra"},
    {{1, "Control000", false}, {}, "msinfo"},
    {{1, "Header", false}, {2, "Items", true}, "arn"},
    {{3, "TemplateID", false}, {}, "mdz"},
    {{1, "Thumbnail", false}, {}, "cph"},
    {{2, "Thumbnail", false}, {}, "cph"},
    {{2, "_INFO_", false}, {}, "gal"},
    {{1, "TplHeader", false}, {}, "ulead-tpl"},
    {{1, "dd2", true}, {}, "sdv"},
    {{1, "Current User", false}, {2, "SMNativeObjData", false}, "prd"},
    {{2, "Current User", false}, {4, "PowerPoint", false}, "prd"},
    {{1, "PageMaker", false}, {}, "pagemaker"},
};

constexpr size_t NamedEntries = 5; // the root and the four entries after it

constexpr size_t DirectoryEntrySize = 128;
constexpr uint32_t LastRegularSector = 0xFFFFFFF9u;
constexpr int MaxDirectorySectors = 16;
constexpr size_t HeaderDifatEntries = 109;

class CompoundFile {
public:
    CompoundFile(Source &source, unsigned shift) : m_source(source), m_shift(shift) {}

    size_t sectorSize() const { return size_t{1} << m_shift; }
    uint64_t sectorOffset(uint32_t sector) const { return (uint64_t{sector} + 1) << m_shift; }

    std::optional<ByteView> sector(uint32_t number) { return m_source.bytesAt(sectorOffset(number), sectorSize()); }

    // Follows the allocation table one step. Only FAT sectors listed in the header are
    // reachable, which covers files up to several megabytes of directory.
    std::optional<uint32_t> next(uint32_t sector)
    {
        const size_t perSector = sectorSize() / 4;
        const size_t fatIndex = sector / perSector;
        if (fatIndex >= HeaderDifatEntries)
            return std::nullopt;
        const auto fatSector = m_source.head().u32le(76 + 4 * fatIndex);
        if (!fatSector || *fatSector > LastRegularSector)
            return std::nullopt;
        const auto entry = m_source.bytesAt(sectorOffset(*fatSector) + (sector % perSector) * 4, 4);
        if (!entry)
            return std::nullopt;
        return entry->u32le(0);
    }

private:
    Source &m_source;
    unsigned m_shift;
};

// The entry's name, UTF-16LE in the file, as ASCII (other characters become '?').
std::string_view entryName(ByteView entry, std::array<char, 32> &buffer)
{
    const auto byteLength = entry.u16le(64).value_or(0);
    const size_t units = std::min<size_t>(byteLength / 2, buffer.size());
    size_t length = 0;
    for (size_t i = 0; i < units; ++i) {
        const auto unit = entry.u16le(2 * i).value_or(0);
        if (unit == 0)
            break;
        buffer[length++] = unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return {buffer.data(), length};
}

size_t streamRank(std::string_view name)
{
    for (size_t rank = 0; rank < std::size(StreamRules); ++rank) {
        const StreamRule &rule = StreamRules[rank];
        if (rule.prefix ? name.starts_with(rule.name) : name == rule.name)
            return rank;
    }
    return std::size(StreamRules);
}

std::string_view rootClassVerdict(ByteView entry)
{
    for (const ClassRule &rule : RootClassRules) {
        bool same = true;
        for (size_t i = 0; i < rule.clsid.size() && same; ++i)
            same = entry.u8(80 + i) == rule.clsid[i];
        if (same)
            return rule.typeId;
    }
    return {};
}

bool rootClassEmpty(ByteView entry)
{
    for (size_t i = 0; i < 16; ++i) {
        if (entry.u8(80 + i).value_or(1) != 0)
            return false;
    }
    return true;
}

// The names of the first directory entries, kept for the rules that go by position.
struct LeadingEntries {
    std::array<std::array<char, 32>, NamedEntries> buffers{};
    std::array<size_t, NamedEntries> lengths{};
    bool rootClassEmpty = false;

    void remember(size_t index, std::string_view name)
    {
        lengths[index] = std::min(name.size(), buffers[index].size());
        std::copy_n(name.begin(), lengths[index], buffers[index].begin());
    }
    std::string_view name(size_t index) const
    {
        return index < NamedEntries ? std::string_view(buffers[index].data(), lengths[index]) : std::string_view{};
    }
    bool holds(const EntryName &wanted) const
    {
        const std::string_view actual = name(wanted.entry);
        return wanted.prefix ? actual.starts_with(wanted.name) : actual == wanted.name;
    }
};

std::string_view positionVerdict(const LeadingEntries &leading)
{
    for (const PositionRule &rule : PositionRules) {
        if (leading.holds(rule.first) && (rule.second.name.empty() || leading.holds(rule.second)))
            return rule.typeId;
    }
    return {};
}

} // namespace

std::string_view zip(Source &source)
{
    if (const auto byMimetype = mimetypeVerdict(source.head()); !byMimetype.empty())
        return byMimetype;
    ZipMembers members;
    if (auto directory = locateCentralDirectory(source)) {
        if (const auto bytes = readCentralDirectory(source, *directory))
            members = centralMembers(*bytes, directory->shift);
    }
    if (members.features == 0)
        members = localMembers(source.head(Source::HeadSize));
    const std::string_view byNames = verdictFor(members.features);
    // Only packages that the member names call Office documents are worth the read.
    if (members.contentTypesAt && isOfficeVerdict(byNames)) {
        if (const auto byMainPart = officeMainPart(source, *members.contentTypesAt); !byMainPart.empty())
            return byMainPart;
    }
    return byNames;
}

// A zip archive behind a shebang line (Python's zipapp): its central directory, found
// from the end, tells it. Self-extracting stubs are programs and named as such.
std::string_view shebangZip(Source &source)
{
    if (!source.head().startsWith(0, "#!"sv))
        return {};
    auto directory = locateCentralDirectory(source);
    return directory && readCentralDirectory(source, *directory) ? "pyz"sv : std::string_view{};
}

std::string_view ole2(Source &source)
{
    const ByteView head = source.head();
    const auto shift = head.u16le(30);
    const auto firstDirectory = head.u32le(48);
    // Version 3 files use 512-byte sectors, version 4 files 4096-byte ones.
    if (!shift || (*shift != 9 && *shift != 12) || !firstDirectory)
        return "ole2";
    CompoundFile file(source, *shift);
    size_t bestRank = std::size(StreamRules);
    LeadingEntries leading;
    size_t entryIndex = 0;
    std::optional<uint32_t> sectorNumber = *firstDirectory;
    for (int visited = 0; visited < MaxDirectorySectors && sectorNumber && *sectorNumber <= LastRegularSector;
         ++visited) {
        const auto sector = file.sector(*sectorNumber);
        if (!sector)
            break;
        for (size_t at = 0; at + DirectoryEntrySize <= sector->size(); at += DirectoryEntrySize, ++entryIndex) {
            const ByteView entry = sector->sub(at, DirectoryEntrySize);
            if (entryIndex == 0 && entry.u8(66) == 5) {
                if (const auto byClass = rootClassVerdict(entry); !byClass.empty())
                    return byClass;
                leading.rootClassEmpty = rootClassEmpty(entry);
            }
            std::array<char, 32> buffer{};
            const std::string_view name = entryName(entry, buffer);
            if (entryIndex < NamedEntries)
                leading.remember(entryIndex, name);
            bestRank = std::min(bestRank, streamRank(name));
        }
        if (bestRank == 0 && entryIndex >= NamedEntries)
            break;
        sectorNumber = file.next(*sectorNumber);
    }
    if (leading.rootClassEmpty) {
        if (const auto byPosition = positionVerdict(leading); !byPosition.empty())
            return byPosition;
    }
    return bestRank < std::size(StreamRules) ? StreamRules[bestRank].typeId : "ole2"sv;
}

} // namespace tivex::inspect
