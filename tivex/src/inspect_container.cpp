// ZIP and OLE2 compound files: both hide what they are inside a directory, so these
// inspectors read the directory and judge by the member names.
#include "inspectors.h"

#include <algorithm>
#include <array>
#include <cstdint>

using namespace std::literals;

namespace tivex::inspect {

namespace {

// ---- ZIP ------------------------------------------------------------------------------

enum ZipFeature : unsigned {
    ContentTypes = 1u << 0,
    WordFolder = 1u << 1,
    ExcelFolder = 1u << 2,
    PowerPointFolder = 1u << 3,
    JarManifest = 1u << 4,
    AndroidManifest = 1u << 5,
    DalvikCode = 1u << 6,
};

struct MemberRule {
    std::string_view name;
    bool prefix; // the member name only has to begin with it (a folder)
    ZipFeature feature;
};

constexpr MemberRule MemberRules[] = {
    {"[Content_Types].xml", false, ContentTypes},
    {"word/", true, WordFolder},
    {"xl/", true, ExcelFolder},
    {"ppt/", true, PowerPointFolder},
    {"META-INF/MANIFEST.MF", false, JarManifest},
    {"AndroidManifest.xml", false, AndroidManifest},
    {"classes.dex", false, DalvikCode},
};

struct ZipVerdict {
    unsigned required;
    std::string_view typeId;
};

// First row whose features are all present wins.
constexpr ZipVerdict ZipVerdicts[] = {
    {ContentTypes | WordFolder, "docx"},
    {ContentTypes | ExcelFolder, "xlsx"},
    {ContentTypes | PowerPointFolder, "pptx"},
    {AndroidManifest | DalvikCode, "apk"},
    {JarManifest, "jar"},
};

struct MimetypeRule {
    std::string_view mimetype;
    std::string_view typeId;
};

// OpenDocument and EPUB store their media type, uncompressed, as the first member.
constexpr MimetypeRule MimetypeRules[] = {
    {"application/vnd.oasis.opendocument.text", "odt"},
    {"application/vnd.oasis.opendocument.spreadsheet", "ods"},
    {"application/vnd.oasis.opendocument.presentation", "odp"},
    {"application/epub+zip", "epub"},
};

constexpr auto LocalHeader = "PK\x03\x04"sv;
constexpr auto CentralHeader = "PK\x01\x02"sv;
constexpr auto EndRecord = "PK\x05\x06"sv;
constexpr auto Zip64Locator = "PK\x06\x07"sv;
constexpr auto Zip64EndRecord = "PK\x06\x06"sv;
constexpr int MaxMembers = 65536;

unsigned featureOf(std::string_view name)
{
    for (const MemberRule &rule : MemberRules) {
        const bool hit = rule.prefix ? name.starts_with(rule.name) : name == rule.name;
        if (hit)
            return rule.feature;
    }
    return 0;
}

std::string_view verdictFor(unsigned features)
{
    for (const ZipVerdict &verdict : ZipVerdicts) {
        if ((features & verdict.required) == verdict.required)
            return verdict.typeId;
    }
    return "zip";
}

std::string_view mimetypeVerdict(ByteView head)
{
    if (!head.startsWith(0, LocalHeader) || !head.startsWith(30, "mimetype"))
        return {};
    const auto method = head.u16le(8);
    const auto size = head.u32le(18);
    const auto nameLength = head.u16le(26);
    const auto extraLength = head.u16le(28);
    if (!method || *method != 0 || !size || !nameLength || !extraLength || *nameLength != 8)
        return {};
    const auto value = head.chars(30 + size_t{*nameLength} + *extraLength, *size);
    if (!value)
        return {};
    for (const MimetypeRule &rule : MimetypeRules) {
        if (*value == rule.mimetype)
            return rule.typeId;
    }
    return {};
}

struct CentralDirectory {
    uint64_t offset = 0;
    uint64_t size = 0;
    uint64_t endRecordAt = 0; // absolute position of the end record
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
// first in every writer we know). Self-extracting archives have a stub in front, so the
// recorded offset may be short by the stub's size; the directory always ends at the end
// record, which gives a second place to look.
std::optional<ByteView> readCentralDirectory(Source &source, const CentralDirectory &directory)
{
    const size_t length = static_cast<size_t>(std::min<uint64_t>(directory.size, Source::ScratchSize));
    if (length < 46)
        return std::nullopt;
    auto bytes = source.bytesAt(directory.offset, length);
    if (bytes && bytes->startsWith(0, CentralHeader))
        return bytes;
    if (directory.endRecordAt < directory.size)
        return std::nullopt;
    bytes = source.bytesAt(directory.endRecordAt - directory.size, length);
    if (bytes && bytes->startsWith(0, CentralHeader))
        return bytes;
    return std::nullopt;
}

unsigned centralFeatures(ByteView directory)
{
    unsigned features = 0;
    size_t at = 0;
    for (int count = 0; count < MaxMembers && directory.startsWith(at, CentralHeader); ++count) {
        const auto nameLength = directory.u16le(at + 28);
        const auto extraLength = directory.u16le(at + 30);
        const auto commentLength = directory.u16le(at + 32);
        if (!nameLength || !extraLength || !commentLength)
            break;
        const auto name = directory.chars(at + 46, *nameLength);
        if (!name)
            break;
        features |= featureOf(*name);
        at += 46 + size_t{*nameLength} + *extraLength + *commentLength;
    }
    return features;
}

// Without a readable end record (a cut-off download) the local headers at the start
// still name the first members.
unsigned localFeatures(ByteView head)
{
    unsigned features = 0;
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
        features |= featureOf(*name);
        // With a trailing data descriptor the size is unknown here: stop walking.
        if ((*flags & 0x08) != 0 && *compressedSize == 0)
            break;
        at += 30 + size_t{*nameLength} + *extraLength + *compressedSize;
    }
    return features;
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
    {"WordDocument", false, "doc"},
    {"PowerPoint Document", false, "ppt"},
    {"Workbook", false, "xls"},
    {"Book", false, "xls"},
    {"__substg1.0_", true, "msg"},
    {"__properties_version1.0", false, "msg"},
};

struct ClassRule {
    std::array<uint8_t, 16> clsid;
    std::string_view typeId;
};

// Windows Installer marks its root storage with a class id rather than a stream name.
constexpr ClassRule RootClassRules[] = {
    {{0x84, 0x10, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}, "msi"},
    {{0x86, 0x10, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}, "msi"},
};

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

} // namespace

std::string_view zip(Source &source)
{
    if (const auto byMimetype = mimetypeVerdict(source.head()); !byMimetype.empty())
        return byMimetype;
    unsigned features = 0;
    if (const auto directory = locateCentralDirectory(source)) {
        if (const auto bytes = readCentralDirectory(source, *directory))
            features = centralFeatures(*bytes);
    }
    if (features == 0)
        features = localFeatures(source.head());
    return verdictFor(features);
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
    std::optional<uint32_t> sectorNumber = *firstDirectory;
    for (int visited = 0; visited < MaxDirectorySectors && sectorNumber && *sectorNumber <= LastRegularSector;
         ++visited) {
        const auto sector = file.sector(*sectorNumber);
        if (!sector)
            break;
        for (size_t at = 0; at + DirectoryEntrySize <= sector->size(); at += DirectoryEntrySize) {
            const ByteView entry = sector->sub(at, DirectoryEntrySize);
            const auto objectType = entry.u8(66).value_or(0);
            if (objectType == 5) {
                if (const auto byClass = rootClassVerdict(entry); !byClass.empty())
                    return byClass;
            }
            std::array<char, 32> buffer{};
            bestRank = std::min(bestRank, streamRank(entryName(entry, buffer)));
        }
        if (bestRank == 0)
            break;
        sectorNumber = file.next(*sectorNumber);
    }
    return bestRank < std::size(StreamRules) ? StreamRules[bestRank].typeId : "ole2"sv;
}

} // namespace tivex::inspect
