// Audio and video containers. Most share a generic wrapper (ISO-BMFF, RIFF, EBML, Ogg)
// whose inner code names the actual format.
#include "inspectors.h"

#include <algorithm>
#include <cstdint>
#include <span>

using namespace std::literals;

namespace tivex::inspect {

namespace {

struct TagRule {
    std::string_view tag;
    std::string_view typeId;
};

std::string_view lookupTag(std::span<const TagRule> rules, std::string_view tag)
{
    for (const TagRule &rule : rules) {
        if (tag == rule.tag)
            return rule.typeId;
    }
    return {};
}

// ---- ISO base media file format ------------------------------------------------------

struct BrandRule {
    std::string_view brand; // a brand, or its first three characters for the 3GPP families
    std::string_view typeId;
    bool strong;            // names the format by itself; weak brands yield to strong ones
};

constexpr BrandRule BrandRules[] = {
    {"avif", "avif", true}, {"avis", "avif", true}, {"heic", "heic", true}, {"heix", "heic", true},
    {"heim", "heic", true}, {"heis", "heic", true}, {"hevc", "heic", true}, {"hevx", "heic", true},
    {"qt  ", "mov", true},  {"M4A ", "m4a", true},  {"M4B ", "m4b", true},  {"M4P ", "m4a", true},
    {"M4V ", "m4v", true},  {"M4VH", "m4v", true},  {"M4VP", "m4v", true},  {"f4v ", "f4v", true},
    {"f4a ", "f4v", true},  {"3g2", "3g2", true},   {"3gp", "3gp", true},   {"3gg", "3gp", true},
    {"3gs", "3gp", true},   {"3ge", "3gp", true},   {"3gr", "3gp", true},   {"kddi", "3g2", true},
    {"jp2 ", "jp2", true},  {"jpx ", "jpx", true},  {"jpm ", "jpm", true},  {"mjp2", "mj2", true},
    {"crx ", "cr3", true},  {"mif1", "heif", false}, {"msf1", "heif", false},
};
const BrandRule *brandRule(std::string_view brand)
{
    for (const BrandRule &rule : BrandRules) {
        if (brand.starts_with(rule.brand))
            return &rule;
    }
    return nullptr;
}

// ---- MPEG audio ----------------------------------------------------------------------

struct MpegFrame {
    size_t length;
    int layer; // 1..3, or 0 for ADTS AAC
    int version;
};

constexpr uint16_t BitratesV1[3][16] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},
};
constexpr uint16_t BitratesV2[3][16] = {
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
};
constexpr uint32_t SampleRates[3] = {44100, 48000, 32000};

std::optional<MpegFrame> adtsFrame(ByteView bytes, size_t at)
{
    const auto b1 = bytes.u8(at + 1), b3 = bytes.u8(at + 3), b4 = bytes.u8(at + 4), b5 = bytes.u8(at + 5);
    if (!b1 || !b3 || !b4 || !b5)
        return std::nullopt;
    const size_t length = (size_t{*b3 & 0x03u} << 11) | (size_t{*b4} << 3) | (*b5 >> 5);
    if (length < 7)
        return std::nullopt;
    return MpegFrame{length, 0, 0};
}

std::optional<MpegFrame> mpegFrame(ByteView bytes, size_t at)
{
    const auto header = bytes.u32be(at);
    if (!header || (*header & 0xFFE00000u) != 0xFFE00000u)
        return std::nullopt;
    const unsigned versionBits = (*header >> 19) & 3u; // 0: 2.5, 2: 2, 3: 1
    const unsigned layerBits = (*header >> 17) & 3u;   // 1: III, 2: II, 3: I
    const unsigned bitrateIndex = (*header >> 12) & 15u;
    const unsigned rateIndex = (*header >> 10) & 3u;
    const unsigned padding = (*header >> 9) & 1u;
    if (layerBits == 0)
        return versionBits >= 2 ? adtsFrame(bytes, at) : std::nullopt;
    if (versionBits == 1 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
        return std::nullopt;
    const int layer = static_cast<int>(4 - layerBits);
    const bool version1 = versionBits == 3;
    const uint32_t kbps = version1 ? BitratesV1[layer - 1][bitrateIndex] : BitratesV2[layer - 1][bitrateIndex];
    const uint32_t rate = SampleRates[rateIndex] >> (version1 ? 0 : versionBits == 2 ? 1 : 2);
    size_t length = 0;
    if (layer == 1)
        length = (12 * kbps * 1000 / rate + padding) * 4;
    else if (layer == 3 && !version1)
        length = 72 * kbps * 1000 / rate + padding;
    else
        length = 144 * kbps * 1000 / rate + padding;
    return MpegFrame{length, layer, static_cast<int>(versionBits)};
}

std::string_view mpegAudioType(const MpegFrame &frame)
{
    switch (frame.layer) {
    case 0:
        return "aac";
    case 1:
        return "mp1";
    case 3:
        return "mp3";
    default:
        return "mp2";
    }
}

// One frame could be chance; a second one right behind it with the same layout is not.
std::string_view confirmedMpegAudio(Source &source, uint64_t at)
{
    const auto first = source.bytesAt(at, 8);
    if (!first)
        return {};
    const auto frame = mpegFrame(*first, 0);
    if (!frame)
        return {};
    const uint64_t nextAt = at + frame->length;
    if (nextAt == source.size())
        return mpegAudioType(*frame);
    const auto second = source.bytesAt(nextAt, 8);
    if (!second)
        return {};
    const auto following = mpegFrame(*second, 0);
    if (!following || following->layer != frame->layer || following->version != frame->version)
        return {};
    return mpegAudioType(*frame);
}

// ---- EBML ------------------------------------------------------------------------------

struct VarInt {
    uint64_t value;   // with the length marker removed
    uint64_t raw;     // with the marker kept, as element ids are written
    size_t length;
};

std::optional<VarInt> readVarInt(ByteView bytes, size_t at)
{
    const auto first = bytes.u8(at);
    if (!first || *first == 0)
        return std::nullopt;
    size_t length = 1;
    while (!(*first & (0x80u >> (length - 1))))
        ++length;
    uint64_t value = *first & (0xFFu >> length);
    uint64_t raw = *first;
    for (size_t i = 1; i < length; ++i) {
        const auto next = bytes.u8(at + i);
        if (!next)
            return std::nullopt;
        value = (value << 8) | *next;
        raw = (raw << 8) | *next;
    }
    return VarInt{value, raw, length};
}

constexpr uint64_t EbmlDocType = 0x4282;
constexpr uint8_t EbmlCodecId = 0x86;

// Whether the track entries near the start name audio codecs ("A_VORBIS") and no video
// codec ("V_VP9"). A codec id is element 0x86 with a one-byte size, then the string.
bool hasCodecKind(ByteView head, std::string_view kind)
{
    for (size_t at = head.find(kind); at != ByteView::npos; at = head.find(kind, at + 1)) {
        if (at < 2)
            continue;
        const auto size = head.u8(at - 1);
        if (head.u8(at - 2) == EbmlCodecId && size && (*size & 0x80))
            return true;
    }
    return false;
}

bool isAudioOnly(ByteView head) { return hasCodecKind(head, "A_") && !hasCodecKind(head, "V_"); }

constexpr TagRule DocTypeRules[] = {{"webm", "webm"}, {"matroska", "mkv"}};

constexpr TagRule RiffRules[] = {
    {"WAVE", "wav"}, {"AVI ", "avi"}, {"AVIX", "avi"}, {"WEBP", "webp"}, {"RMID", "rmi"}, {"ACON", "ani"},
    {"sfbk", "sf2"}, {"DLS ", "dls"}, {"QLCM", "qcp"}, {"CDXA", "mpg"}, {"RMP3", "mp3"}, {"XWMA", "wma"},
    {"PAL ", "riff-pal"}, {"RDIB", "rdib"}, {"RMMP", "mmm"}, {"4XMV", "4xm"}, {"AMV ", "amv"}, {"MIDS", "mds"},
    {"VDRM", "vdr"}, {"TRID", "trd"},
};

constexpr TagRule IffRules[] = {
    {"AIFF", "aiff"}, {"AIFC", "aifc"}, {"8SVX", "8svx"}, {"BEAM", "beam"}, {"MAUD", "maud"},
};

constexpr TagRule OggCodecRules[] = {
    {"\x01vorbis", "ogg"}, {"OpusHead", "opus"}, {"\x80theora", "ogv"}, {"Speex   ", "spx"},
    {"\x7F" "FLAC", "oga"}, {"fishead\0"sv, "ogv"}, {"BBCD\0"sv, "ogv"}, {"\x01video\0\0\0"sv, "ogv"},
};

constexpr size_t TransportPacket = 188;
constexpr size_t TimestampedPacket = 192;
constexpr int TransportPacketsToSee = 4;

// Frame sizes of AC-3 in 16-bit words, by frame size code, for 48, 44.1 and 32 kHz.
constexpr uint16_t Ac3FrameWords[38][3] = {
    {64, 69, 96},       {64, 70, 96},       {80, 87, 120},      {80, 88, 120},      {96, 104, 144},
    {96, 105, 144},     {112, 121, 168},    {112, 122, 168},    {128, 139, 192},    {128, 140, 192},
    {160, 174, 240},    {160, 175, 240},    {192, 208, 288},    {192, 209, 288},    {224, 243, 336},
    {224, 244, 336},    {256, 278, 384},    {256, 279, 384},    {320, 348, 480},    {320, 349, 480},
    {384, 417, 576},    {384, 418, 576},    {448, 487, 672},    {448, 488, 672},    {512, 557, 768},
    {512, 558, 768},    {640, 696, 960},    {640, 697, 960},    {768, 835, 1152},   {768, 836, 1152},
    {896, 975, 1344},   {896, 976, 1344},   {1024, 1114, 1536}, {1024, 1115, 1536}, {1152, 1253, 1728},
    {1152, 1254, 1728}, {1280, 1393, 1920}, {1280, 1394, 1920},
};

struct GuidRule {
    std::string_view guid;
    std::string_view typeId;
};

// ASF stream types: a file with a video stream is a video, one with audio only is audio.
constexpr GuidRule AsfStreamRules[] = {
    {"\xC0\xEF\x19\xBC\x4D\x5B\xCF\x11\xA8\xFD\x00\x80\x5F\x5C\x44\x2B"sv, "wmv"},
    {"\x40\x9E\x69\xF8\x4D\x5B\xCF\x11\xA8\xFD\x00\x80\x5F\x5C\x44\x2B"sv, "wma"},
};

struct NalRule {
    uint8_t mask;
    uint8_t value;
    std::string_view typeId;
};

// The first NAL unit of a raw H.264 stream is an access unit delimiter, a sequence
// parameter set or supplemental information; H.265 starts with its video parameter set
// (or a delimiter), whose header has a different layout.
constexpr NalRule NalRules[] = {
    {0xFF, 0x40, "hevc"}, {0xFF, 0x46, "hevc"}, {0x9F, 0x07, "h264"}, {0x9F, 0x09, "h264"}, {0x9F, 0x06, "h264"},
};

} // namespace

// CRI ADX audio: 0x8000, the offset of the data, and a "(c)CRI" mark just before it.
std::string_view criAdx(Source &source)
{
    const ByteView head = source.head();
    const auto dataAt = head.u16be(2);
    return dataAt && *dataAt >= 6 && head.startsWith(*dataAt - 2, "(c)CRI"sv) ? "adx"sv : std::string_view{};
}

// Motion JPEG sent as a multipart message (ffmpeg's mpjpeg): a boundary line, then the
// part's content type.
std::string_view multipartJpeg(Source &source)
{
    constexpr size_t MaxBoundary = 72;
    const ByteView head = source.head();
    const size_t lineEnd = head.find("\r\n");
    if (lineEnd == ByteView::npos || lineEnd > MaxBoundary)
        return {};
    const auto part = head.chars(lineEnd + 2, 24);
    return part && (part->starts_with("Content-type: image/jpeg") || part->starts_with("Content-Type: image/jpeg"))
               ? "mpjpeg"sv
               : std::string_view{};
}

// An MPEG video elementary stream: MPEG-2 follows its sequence header with a sequence
// extension, MPEG-1 has none.
std::string_view mpegVideoStream(Source &source)
{
    return source.head().find("\x00\x00\x01\xB5"sv) != ByteView::npos ? "m2v"sv : "m1v"sv;
}

// Nintendo's AST audio: a "STRM" header of 64 bytes, then the first "BLCK" block.
std::string_view nintendoAst(Source &source)
{
    return source.head().startsWith(64, "BLCK"sv) ? "ast"sv : std::string_view{};
}

std::string_view isoBmff(Source &source)
{
    const ByteView head = source.head();
    const auto boxSize = head.u32be(0);
    const auto major = head.chars(8, 4);
    if (!boxSize || *boxSize < 16 || !major)
        return {};
    const BrandRule *majorRule = brandRule(*major);
    if (majorRule && majorRule->strong)
        return majorRule->typeId;
    const BrandRule *weak = majorRule;
    for (size_t at = 16; at + 4 <= *boxSize; at += 4) {
        const auto brand = head.chars(at, 4);
        if (!brand)
            break;
        const BrandRule *rule = brandRule(*brand);
        if (rule && rule->strong)
            return rule->typeId;
        if (rule && !weak)
            weak = rule;
    }
    return weak ? weak->typeId : "mp4"sv;
}

std::string_view quickTime(Source &source)
{
    // Old QuickTime files start with a movie atom, no file-type box.
    const auto atomSize = source.head().u32be(0);
    if (!atomSize || (*atomSize != 0 && *atomSize != 1 && (*atomSize < 8 || *atomSize > source.size())))
        return {};
    return "mov";
}

std::string_view riff(Source &source)
{
    const auto form = source.head().chars(8, 4);
    return form ? lookupTag(RiffRules, *form) : std::string_view{};
}

std::string_view iff(Source &source)
{
    const auto form = source.head().chars(8, 4);
    return form ? lookupTag(IffRules, *form) : std::string_view{};
}

std::string_view ebml(Source &source)
{
    const ByteView head = source.head();
    const auto headerSize = readVarInt(head, 4);
    if (!headerSize)
        return {};
    size_t at = 4 + headerSize->length;
    const size_t end = at + static_cast<size_t>(std::min<uint64_t>(headerSize->value, head.size()));
    while (at < end) {
        const auto id = readVarInt(head, at);
        if (!id)
            break;
        const auto size = readVarInt(head, at + id->length);
        if (!size)
            break;
        const size_t dataAt = at + id->length + size->length;
        if (id->raw == EbmlDocType) {
            auto docType = head.chars(dataAt, static_cast<size_t>(std::min<uint64_t>(size->value, 32)));
            if (!docType)
                break;
            // Some writers pad the string with NULs.
            const size_t nul = docType->find('\0');
            const std::string_view type = lookupTag(DocTypeRules, docType->substr(0, nul));
            return type == "mkv" && isAudioOnly(source.head(Source::HeadSize)) ? "mka"sv : type;
        }
        at = dataAt + static_cast<size_t>(std::min<uint64_t>(size->value, head.size()));
    }
    return "mkv";
}

std::string_view ogg(Source &source)
{
    const ByteView head = source.head();
    const auto segments = head.u8(26);
    if (!segments)
        return {};
    const size_t payload = 27 + size_t{*segments};
    for (const TagRule &rule : OggCodecRules) {
        if (head.startsWith(payload, rule.tag))
            return rule.typeId;
    }
    return "ogg";
}

std::string_view mpegAudio(Source &source) { return confirmedMpegAudio(source, 0); }

std::string_view id3(Source &source)
{
    const ByteView head = source.head();
    const auto version = head.u8(3);
    const auto flags = head.u8(5);
    if (!version || *version < 2 || *version > 4 || !flags)
        return {};
    uint64_t tagSize = 0;
    for (size_t i = 6; i < 10; ++i) {
        const auto part = head.u8(i);
        if (!part || (*part & 0x80))
            return {};
        tagSize = (tagSize << 7) | *part;
    }
    const uint64_t audioAt = 10 + tagSize + ((*flags & 0x10) ? 10 : 0);
    // FLAC files sometimes carry an ID3 tag in front.
    if (const auto after = source.bytesAt(audioAt, 4); after && after->startsWith(0, "fLaC"))
        return "flac";
    const auto confirmed = confirmedMpegAudio(source, audioAt);
    return confirmed.empty() ? "mp3"sv : confirmed;
}

namespace {

bool syncEvery(ByteView head, size_t first, size_t stride)
{
    for (int packet = 0; packet < TransportPacketsToSee; ++packet) {
        if (head.u8(first + static_cast<size_t>(packet) * stride) != 0x47)
            return false;
    }
    return true;
}

std::optional<size_t> dolbyFrameLength(ByteView bytes, size_t at)
{
    if (!bytes.startsWith(at, "\x0B\x77"sv))
        return std::nullopt;
    const auto b2 = bytes.u8(at + 2), b3 = bytes.u8(at + 3), b4 = bytes.u8(at + 4), b5 = bytes.u8(at + 5);
    if (!b2 || !b3 || !b4 || !b5)
        return std::nullopt;
    const unsigned bsid = *b5 >> 3;
    if (bsid <= 8) {
        const unsigned rate = *b4 >> 6;
        const unsigned code = *b4 & 0x3Fu;
        if (rate == 3 || code >= 38)
            return std::nullopt;
        return size_t{Ac3FrameWords[code][rate]} * 2;
    }
    if (bsid >= 11 && bsid <= 16)
        return ((size_t{*b2 & 0x07u} << 8 | *b3) + 1) * 2;
    return std::nullopt;
}

} // namespace

std::string_view mpegTransport(Source &source)
{
    return syncEvery(source.head(), 0, TransportPacket) ? "mts"sv : std::string_view{};
}

// Blu-ray streams put a four-byte time code in front of every packet.
std::string_view blurayTransport(Source &source)
{
    return syncEvery(source.head(), 4, TimestampedPacket) ? "mts"sv : std::string_view{};
}

// AC-3 and E-AC-3 share a sync word; the bitstream id tells them apart, and the frame
// that must follow the first one confirms the guess.
std::string_view dolbyDigital(Source &source)
{
    const ByteView head = source.head();
    const auto length = dolbyFrameLength(head, 0);
    if (!length)
        return {};
    if (*length < source.size()) {
        const auto next = source.bytesAt(*length, 6);
        if (!next || !dolbyFrameLength(*next, 0))
            return {};
    }
    return (head.u8(5).value_or(0) >> 3) <= 8 ? "ac3"sv : "eac3"sv;
}

std::string_view annexB(Source &source)
{
    const ByteView head = source.head();
    const auto header = head.u8(4);
    if (!header)
        return {};
    // A second start code soon after shows a stream of NAL units, not chance.
    const size_t next = head.sub(0, 4096).find("\x00\x00\x01"sv, 5);
    if (next == ByteView::npos)
        return {};
    for (const NalRule &rule : NalRules) {
        if ((*header & rule.mask) == rule.value)
            return rule.typeId;
    }
    return {};
}

std::string_view asf(Source &source)
{
    const ByteView head = source.head();
    for (const GuidRule &rule : AsfStreamRules) {
        if (head.find(rule.guid) != ByteView::npos)
            return rule.typeId;
    }
    return "asf";
}

// FLIC animations record their own size in the first four bytes.
std::string_view flic(Source &source)
{
    const auto recorded = source.head().u32le(0);
    return recorded && *recorded == source.size() ? "fli"sv : std::string_view{};
}

std::string_view jpeg2000(Source &source)
{
    const ByteView head = source.head();
    if (!head.startsWith(16, "ftyp"))
        return "jp2";
    const auto brand = head.chars(20, 4);
    const BrandRule *rule = brand ? brandRule(*brand) : nullptr;
    return rule ? rule->typeId : "jp2"sv;
}

} // namespace tivex::inspect
