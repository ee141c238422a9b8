#include "signatures.h"

#include <array>
#include <vector>

using namespace std::literals;

namespace tivex {

namespace {

using namespace inspect;

// Within one first byte, earlier rows win: longer and more specific magic first.
// Hex escapes are split where a letter follows that could extend them.
constexpr Signature Signatures[] = {
    // Images
    {0, "\x89PNG\r\n\x1A\n"sv, {}, "png"},
    {0, "\xFF\xD8\xFF"sv, {}, "jpg"},
    {0, "GIF87a"sv, {}, "gif"},
    {0, "GIF89a"sv, {}, "gif"},
    {0, "BM"sv, {}, {}, bmp},
    {0, "II*\x00"sv, {}, "tiff"},
    {0, "MM\x00*"sv, {}, "tiff"},
    {0, "II+\x00"sv, {}, "tiff"},
    {0, "MM\x00+"sv, {}, "tiff"},
    {0, "\x00\x00\x01\x00"sv, {}, {}, iconDirectory},
    {0, "\x00\x00\x02\x00"sv, {}, {}, iconDirectory},
    {0, "8BPS"sv, {}, "psd"},
    {0, "\x00\x00\x00\x0CjP  \r\n\x87\n"sv, {}, "jp2"},
    {0, "\x00\x00\x00\x0CJXL \r\n\x87\n"sv, {}, "jxl"},
    {0, "\xFF\x0A"sv, {}, "jxl"},
    {0, "qoif"sv, {}, "qoi"},
    {0, "gimp xcf"sv, {}, "xcf"},
    {0, "DDS "sv, {}, "dds"},
    {0, "\x76\x2F\x31\x01"sv, {}, "exr"},
    {0, "AT&TFORM"sv, {}, "djvu"},

    // Documents
    {0, "%PDF-"sv, {}, "pdf"},
    {0, "%!PS"sv, {}, {}, postScript},
    {0, "\xC5\xD0\xD3\xC6"sv, {}, "eps"},
    {0, "{\\rtf"sv, {}, "rtf"},
    {0, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"sv, {}, {}, ole2},
    {0, "ITSF"sv, {}, "chm"},

    // Archives
    {0, "PK\x03\x04"sv, {}, {}, zip},
    {0, "PK\x05\x06"sv, {}, "zip"},
    {0, "PK\x07\x08"sv, {}, {}, zip},
    {0, "\x1F\x8B\x08"sv, {}, "gz"},
    {0, "BZh"sv, {}, "bz2"},
    {0, "\xFD" "7zXZ\x00"sv, {}, "xz"},
    {0, "7z\xBC\xAF\x27\x1C"sv, {}, "7z"},
    {0, "Rar!\x1A\x07"sv, {}, "rar"},
    {0, "\x28\xB5\x2F\xFD"sv, {}, "zst"},
    {0, "\x04\x22\x4D\x18"sv, {}, "lz4"},
    {0, "\x1F\x9D"sv, {}, "z"},
    {0, "MSCF\x00\x00\x00\x00"sv, {}, "cab"},
    {0, "!<arch>\ndebian-binary"sv, {}, "deb"},
    {0, "!<arch>\n"sv, {}, "ar"},
    {0, "\xED\xAB\xEE\xDB"sv, {}, "rpm"},
    {2, "-lh\x00-"sv, "\xFF\xFF\xFF\x00\xFF"sv, "lzh"},
    {2, "-lz\x00-"sv, "\xFF\xFF\xFF\x00\xFF"sv, "lzh"},
    {257, "ustar"sv, {}, "tar"},
    {32769, "CD001"sv, {}, "iso"},

    // Audio and video
    {0, "ID3"sv, {}, {}, id3},
    {0, "\xFF\xE0"sv, "\xFF\xE0"sv, {}, mpegAudio},
    {0, "fLaC"sv, {}, "flac"},
    {0, "RIFF"sv, {}, {}, riff},
    {0, "RF64"sv, {}, {}, riff},
    {0, "FORM"sv, {}, {}, iff},
    {0, "OggS"sv, {}, {}, ogg},
    {0, "MThd"sv, {}, "mid"},
    {0, "#!AMR"sv, {}, "amr"},
    {0, "MAC "sv, {}, "ape"},
    {0, "\x1A\x45\xDF\xA3"sv, {}, {}, ebml},
    {0, "FLV\x01"sv, {}, "flv"},
    {0, "\x00\x00\x01\xBA"sv, {}, "mpg"},
    {0, "\x00\x00\x01\xB3"sv, {}, "mpg"},
    {0, "\x47"sv, {}, {}, mpegTransport},
    {0, "\x30\x26\xB2\x75\x8E\x66\xCF\x11"sv, {}, "asf"},
    {0, "FWS"sv, {}, "swf"},
    {0, "CWS"sv, {}, "swf"},
    {0, "ZWS"sv, {}, "swf"},
    {4, "ftyp"sv, {}, {}, isoBmff},
    {4, "moov"sv, {}, {}, quickTime},
    {4, "mdat"sv, {}, {}, quickTime},
    {4, "wide"sv, {}, {}, quickTime},
    {4, "free"sv, {}, {}, quickTime},
    {4, "pnot"sv, {}, {}, quickTime},

    // Programs and data
    {0, "MZ"sv, {}, {}, pe},
    {0, "\x7F" "ELF"sv, {}, {}, elf},
    {0, "\xCA\xFE\xBA\xBE"sv, {}, {}, cafeBabe},
    {0, "\xFE\xED\xFA\xCE"sv, {}, "macho"},
    {0, "\xFE\xED\xFA\xCF"sv, {}, "macho"},
    {0, "\xCE\xFA\xED\xFE"sv, {}, "macho"},
    {0, "\xCF\xFA\xED\xFE"sv, {}, "macho"},
    {0, "dex\n"sv, {}, "dex"},
    {0, "\x00" "asm"sv, {}, "wasm"},
    {0, "\x1B" "Lua"sv, {}, "luac"},
    {0, "SQLite format 3\x00"sv, {}, "sqlite"},
    {0, "\xD4\xC3\xB2\xA1"sv, {}, "pcap"},
    {0, "\xA1\xB2\xC3\xD4"sv, {}, "pcap"},
    {0, "\x4D\x3C\xB2\xA1"sv, {}, "pcap"},
    {0, "\xA1\xB2\x3C\x4D"sv, {}, "pcap"},
    {0, "\x0A\x0D\x0D\x0A"sv, {}, "pcapng"},
    {0, "L\x00\x00\x00\x01\x14\x02\x00"sv, {}, "lnk"},

    // Fonts
    {0, "\x00\x01\x00\x00"sv, {}, {}, trueType},
    {0, "OTTO"sv, {}, "otf"},
    {0, "ttcf"sv, {}, "ttc"},
    {0, "wOFF"sv, {}, "woff"},
    {0, "wOF2"sv, {}, "woff2"},
};

// Offset-0 signatures whose first byte is fixed, grouped by that byte; everything else
// (other offsets, a masked first byte) is tried after them in table order.
struct Dispatch {
    std::array<std::vector<uint16_t>, 256> byFirstByte;
    std::vector<uint16_t> others;
};

bool keyedByFirstByte(const Signature &signature)
{
    return signature.offset == 0 && !signature.bytes.empty() &&
           (signature.mask.empty() || static_cast<uint8_t>(signature.mask[0]) == 0xFF);
}

Dispatch buildDispatch()
{
    Dispatch dispatch;
    for (uint16_t i = 0; i < std::size(Signatures); ++i) {
        const Signature &signature = Signatures[i];
        if (keyedByFirstByte(signature))
            dispatch.byFirstByte[static_cast<uint8_t>(signature.bytes[0])].push_back(i);
        else
            dispatch.others.push_back(i);
    }
    return dispatch;
}

const Dispatch &dispatch()
{
    static const Dispatch built = buildDispatch();
    return built;
}

std::string_view tryOne(const Signature &signature, Source &source)
{
    if (!source.head().matches(signature.offset, signature.bytes, signature.mask))
        return {};
    return signature.inspector ? signature.inspector(source) : signature.typeId;
}

} // namespace

std::span<const Signature> allSignatures() { return Signatures; }

std::string_view matchSignatures(Source &source)
{
    const auto first = source.head().u8(0);
    if (!first)
        return {};
    const Dispatch &table = dispatch();
    for (uint16_t index : table.byFirstByte[*first]) {
        if (const auto type = tryOne(Signatures[index], source); !type.empty())
            return type;
    }
    for (uint16_t index : table.others) {
        if (const auto type = tryOne(Signatures[index], source); !type.empty())
            return type;
    }
    return {};
}

} // namespace tivex
