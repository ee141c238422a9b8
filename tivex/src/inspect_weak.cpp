// Formats whose magic is short enough to occur by chance (two letters, a few zero
// bytes): a second look at the header keeps them from claiming ordinary text.
#include "inflate.h"
#include "inspectors.h"

#include <algorithm>
#include <array>
#include <cstdint>

using namespace std::literals;

namespace tivex::inspect {

namespace {

constexpr uint32_t BitmapInfoHeaderSizes[] = {12, 16, 40, 52, 56, 64, 108, 124};
constexpr uint16_t MaxFontTables = 64;
constexpr size_t IconEntrySize = 16;
constexpr size_t PdfHeaderWindow = 1024;
constexpr size_t StlHeader = 84;
constexpr size_t StlTriangle = 50;
constexpr size_t TgaHeader = 18;
constexpr size_t TgaFooter = 26;
constexpr uint32_t EotVersions[] = {0x00010000, 0x00020001, 0x00020002};

struct TiffMaker {
    size_t offset;
    std::string_view bytes;
    std::string_view typeId;
};

// Raw camera formats that are TIFF files with a maker's mark after the header.
constexpr TiffMaker TiffMakers[] = {{8, "CR\x02"sv, "cr2"}};

struct NetpbmKind {
    char letter;
    std::string_view typeId;
};

constexpr NetpbmKind NetpbmKinds[] = {
    {'1', "pbm"}, {'4', "pbm"}, {'2', "pgm"}, {'5', "pgm"}, {'3', "ppm"},
    {'6', "ppm"}, {'7', "pam"}, {'F', "pfm"}, {'f', "pfm"},
    {'H', "phm"}, {'h', "phm"},
};

// Keys that a BitTorrent file's top-level dictionary starts with (keys are sorted).
constexpr std::string_view TorrentKeys[] = {"announce", "comment", "created by", "creation date", "encoding", "info",
                                            "nodes", "publisher", "url-list"};

bool isBlankByte(uint8_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

constexpr unsigned PgpPublicKeySessionTag = 1;
constexpr unsigned PgpSignatureTag = 2;
constexpr unsigned PgpSymmetricSessionTag = 3;
constexpr unsigned PgpOnePassSignatureTag = 4;
constexpr unsigned PgpSecretKeyTag = 5;
constexpr unsigned PgpPublicKeyTag = 6;
constexpr unsigned PgpCompressedTag = 8;
constexpr unsigned PgpLiteralTag = 11;
constexpr uint8_t PgpZip = 1;
constexpr uint8_t PgpZlib = 2;

// Public-key algorithms of RFC 4880 and its successors: RSA, Elgamal, ECDH, and the
// X25519/X448 pair.
constexpr uint8_t PgpPublicKeyAlgorithms[] = {1, 2, 3, 16, 18, 20, 25, 26};
constexpr uint8_t PgpMaxSymmetricAlgorithm = 13;
constexpr uint8_t PgpStringToKeyTypes[] = {0, 1, 3};

bool knownPublicKeyAlgorithm(std::optional<uint8_t> algorithm)
{
    return algorithm && std::find(std::begin(PgpPublicKeyAlgorithms), std::end(PgpPublicKeyAlgorithms), *algorithm) !=
                            std::end(PgpPublicKeyAlgorithms);
}

// A passphrase-protected session key: a cipher number, then how the passphrase becomes a key.
bool knownSymmetricSetup(ByteView head, size_t at)
{
    const auto cipher = head.u8(at), stringToKey = head.u8(at + 1);
    return cipher && stringToKey && *cipher >= 1 && *cipher <= PgpMaxSymmetricAlgorithm &&
           std::find(std::begin(PgpStringToKeyTypes), std::end(PgpStringToKeyTypes), *stringToKey) !=
               std::end(PgpStringToKeyTypes);
}

// Opcodes that open a pickle's body after the protocol mark: an empty container, a
// mark, a global, a small number or string, None or a boolean, or (protocol 4) a frame.
constexpr std::string_view PickleFirstOpcodes = "}])(cKJMXUNG\x88\x89\x8C\x93\x95"sv;
constexpr uint8_t PickleStop = '.';
constexpr size_t SixelParameterLimit = 16;

// The OpenPGP packet at the start: its tag and where its body begins.
struct PgpPacket {
    unsigned tag;
    size_t bodyAt;
};

std::optional<PgpPacket> pgpPacket(ByteView head)
{
    const auto first = head.u8(0);
    if (!first || !(*first & 0x80))
        return std::nullopt;
    if (*first & 0x40) {
        const auto length = head.u8(1);
        if (!length)
            return std::nullopt;
        const size_t lengthBytes = *length < 192 ? 1 : *length < 224 ? 2 : *length == 255 ? 5 : 0;
        if (lengthBytes == 0)
            return std::nullopt;
        return PgpPacket{*first & 0x3Fu, 1 + lengthBytes};
    }
    constexpr size_t OldLengthBytes[] = {1, 2, 4};
    const unsigned lengthType = *first & 3u;
    if (lengthType == 3)
        return std::nullopt;
    return PgpPacket{(*first >> 2) & 0x0Fu, 1 + OldLengthBytes[lengthType]};
}

} // namespace

std::string_view bmp(Source &source)
{
    const auto infoSize = source.head().u32le(14);
    if (!infoSize || std::find(std::begin(BitmapInfoHeaderSizes), std::end(BitmapInfoHeaderSizes), *infoSize) ==
                         std::end(BitmapInfoHeaderSizes))
        return {};
    return "bmp";
}

// A bitmap without its file header, as the clipboard and some converters keep it: the
// information header comes first, with one plane and a usual bit depth.
std::string_view deviceIndependentBitmap(Source &source)
{
    const ByteView head = source.head();
    const auto planes = head.u16le(12), bits = head.u16le(14);
    const auto compression = head.u32le(16);
    if (!planes || !bits || !compression || *planes != 1 || *compression > 6)
        return {};
    constexpr uint16_t Depths[] = {1, 4, 8, 16, 24, 32};
    return std::find(std::begin(Depths), std::end(Depths), *bits) != std::end(Depths) ? "bmp"sv : std::string_view{};
}

std::string_view iconDirectory(Source &source)
{
    const ByteView head = source.head();
    const auto kind = head.u16le(2);
    const auto count = head.u16le(4);
    const auto reserved = head.u8(9);
    const auto imageAt = head.u32le(18);
    if (!kind || !count || !reserved || !imageAt || *count == 0 || *reserved != 0 ||
        *imageAt < 6 + IconEntrySize * *count)
        return {};
    return *kind == 1 ? "ico" : "cur";
}

std::string_view trueType(Source &source)
{
    const ByteView head = source.head();
    const auto tables = head.u16be(4);
    const auto searchRange = head.u16be(6);
    if (!tables || !searchRange || *tables == 0 || *tables > MaxFontTables || *searchRange % 16 != 0)
        return {};
    return "ttf";
}

std::string_view postScript(Source &source)
{
    // Encapsulated PostScript says so on its first line: "%!PS-Adobe-3.0 EPSF-3.0";
    // Type 1 fonts in their text form begin "%!PS-AdobeFont".
    const ByteView head = source.head();
    if (head.startsWith(0, "%!PS-AdobeFont"))
        return "pfa";
    const ByteView firstLine = head.sub(0, std::min({head.find("\n"), head.find("\r"), head.size()}));
    return firstLine.find("EPSF") != ByteView::npos ? "eps" : "ps";
}

std::string_view tiff(Source &source)
{
    const ByteView head = source.head();
    for (const TiffMaker &maker : TiffMakers) {
        if (head.startsWith(maker.offset, maker.bytes))
            return maker.typeId;
    }
    return "tiff";
}

// ZSoft PCX: manufacturer 10, a known version, RLE or (as GraphicsMagick writes) no
// encoding, a usual bit depth, and a zero reserved byte.
std::string_view pcx(Source &source)
{
    const ByteView head = source.head();
    const auto version = head.u8(1), encoding = head.u8(2), bits = head.u8(3), reserved = head.u8(64);
    const auto planes = head.u8(65);
    if (!version || !encoding || !bits || !reserved || !planes)
        return {};
    const bool knownVersion = *version == 0 || *version == 2 || *version == 3 || *version == 4 || *version == 5;
    const bool knownBits = *bits == 1 || *bits == 2 || *bits == 4 || *bits == 8;
    if (!knownVersion || *encoding > 1 || !knownBits || *reserved != 0 || *planes == 0 || *planes > 4)
        return {};
    return "pcx";
}

// Netpbm: "P", the kind, blanks, then the width (or for PAM, a header keyword).
std::string_view netpbm(Source &source)
{
    const ByteView head = source.head();
    const auto kind = head.u8(1);
    const auto separator = head.u8(2);
    if (!kind || !separator || !isBlankByte(*separator))
        return {};
    size_t at = 3;
    while (at < head.size() && isBlankByte(head.data()[at]))
        ++at;
    const auto next = head.u8(at);
    if (!next)
        return {};
    const bool number = *next >= '0' && *next <= '9';
    const bool comment = *next == '#';
    const bool keyword = *kind == '7' && (*next == 'W' || *next == 'H' || *next == 'D' || *next == 'M' || *next == 'T');
    if (!number && !comment && !keyword)
        return {};
    for (const NetpbmKind &entry : NetpbmKinds) {
        if (entry.letter == static_cast<char>(*kind))
            return entry.typeId;
    }
    return {};
}

std::string_view sgi(Source &source)
{
    const ByteView head = source.head();
    const auto storage = head.u8(2), bytesPerChannel = head.u8(3);
    const auto dimensions = head.u16be(4);
    if (!storage || !bytesPerChannel || !dimensions || *storage > 1 || *bytesPerChannel < 1 || *bytesPerChannel > 2 ||
        *dimensions < 1 || *dimensions > 3)
        return {};
    return "sgi";
}

std::string_view emf(Source &source)
{
    return source.head().startsWith(40, " EMF") ? "emf"sv : std::string_view{};
}

// X Window dumps (version 7): a big-endian header of fixed fields and the window name.
std::string_view xWindowDump(Source &source)
{
    const ByteView head = source.head();
    const auto headerSize = head.u32be(0), format = head.u32be(8), depth = head.u32be(12);
    if (!headerSize || !format || !depth || *headerSize < 100 || *headerSize > 4096 || *format > 2 || *depth == 0 ||
        *depth > 32)
        return {};
    return "xwd";
}

std::string_view embeddedOpenType(Source &source)
{
    const ByteView head = source.head();
    const auto recordedSize = head.u32le(0);
    const auto version = head.u32le(8);
    if (!recordedSize || !version || *recordedSize != source.size())
        return {};
    return std::find(std::begin(EotVersions), std::end(EotVersions), *version) != std::end(EotVersions)
               ? "eot"sv
               : std::string_view{};
}

// A Type 1 font in binary segments: a segment header, then the text of the font.
std::string_view printerFontBinary(Source &source)
{
    const ByteView head = source.head();
    return head.startsWith(6, "%!PS-AdobeFont") || head.startsWith(6, "%!FontType1") ? "pfb"sv : std::string_view{};
}

// PSF version 1: a mode of 0 to 5 and a glyph height that a console uses.
std::string_view consoleFont(Source &source)
{
    const ByteView head = source.head();
    const auto mode = head.u8(2), height = head.u8(3);
    if (!mode || !height || *mode > 5 || *height == 0 || *height > 32)
        return {};
    return "psf";
}

struct SqliteApplication {
    uint32_t id;
    std::string_view typeId;
};

// Programs that keep their own format in an SQLite database mark it with an application
// id in the header (SQLite's register of them is public); a plain database has none.
constexpr SqliteApplication SqliteApplications[] = {
    {0x47504B47, "gpkg"}, // "GPKG"
    {0x47503130, "gpkg"}, // "GP10"
    {0x47503131, "gpkg"}, // "GP11"
    {0x0F055111, "fossil"},
    {0x0F055112, "fossil-checkout"},
    {0x4D504258, "mbtiles"}, // "MPBX"
    {0x5CDE09EF, "maple"},
};

std::string_view sqlite(Source &source)
{
    const auto applicationId = source.head().u32be(68);
    for (const SqliteApplication &application : SqliteApplications) {
        if (applicationId == application.id)
            return application.typeId;
    }
    return "sqlite";
}

// The WAL index beside a database in write-ahead mode: its header, which starts with
// the index format's version in the writer's byte order, is kept twice in a row.
std::string_view sqliteWalIndex(Source &source)
{
    const ByteView head = source.head();
    constexpr size_t HeaderSize = 48;
    const auto first = head.chars(0, HeaderSize);
    const auto second = head.chars(HeaderSize, HeaderSize);
    return first && second && *first == *second && head.u8(12) == 1 ? "sqlite-shm"sv : std::string_view{};
}

// Bencoded dictionary: "d", a key length, ":", one of the keys a torrent starts with.
std::string_view torrent(Source &source)
{
    const ByteView head = source.head();
    size_t at = 1;
    size_t length = 0;
    while (at < head.size() && at < 6 && head.data()[at] >= '0' && head.data()[at] <= '9')
        length = length * 10 + (head.data()[at++] - '0');
    if (at == 1 || head.u8(at) != ':')
        return {};
    const auto key = head.chars(at + 1, length);
    if (!key)
        return {};
    for (std::string_view known : TorrentKeys) {
        if (*key == known)
            return "torrent";
    }
    return {};
}

namespace {

// A key or request under 128 bytes (an elliptic-curve public key) gives its length in
// one byte; "0" and another character begin text as well, so the sequence must fill
// the file exactly and hold a sequence, a number or an identifier.
std::string_view smallDerObject(Source &source, uint8_t length)
{
    const auto inner = source.head().u8(2);
    const bool fillsFile = source.size() == uint64_t{length} + 2;
    return fillsFile && inner && (*inner == 0x30 || *inner == 0x02 || *inner == 0x06) ? "der"sv : std::string_view{};
}

} // namespace

// DER: an X.509 certificate is a sequence whose first element is again a sequence
// (the signed part); a PKCS #12 store starts with the version number 3. Small objects
// (an EC request or key) give their length in one byte after 0x81, large ones in two.
std::string_view derCertificate(Source &source)
{
    const ByteView head = source.head();
    const auto lengthForm = head.u8(1);
    if (!lengthForm)
        return {};
    if (*lengthForm < 0x80)
        return smallDerObject(source, *lengthForm);
    if (*lengthForm != 0x81 && *lengthForm != 0x82)
        return {};
    const size_t bodyAt = *lengthForm == 0x81 ? 3 : 4;
    if (*lengthForm == 0x81 && head.u8(2).value_or(0) < 0x80)
        return {}; // DER never uses the long form for a length below 128
    if (head.startsWith(bodyAt, "\x02\x01\x03"sv))
        return "p12";
    // A certificate, request or key: another sequence, a version number or an object
    // identifier comes first.
    const auto inner = head.u8(bodyAt);
    if (inner && (*inner == 0x30 || *inner == 0x02 || *inner == 0x06))
        return "der";
    return {};
}

// OpenPGP binary data: a public or secret key packet, a signature packet, or the
// session-key packet that starts an encrypted message, with a known version.
std::string_view openPgp(Source &source)
{
    const ByteView head = source.head();
    const auto packet = pgpPacket(head);
    if (!packet)
        return {};
    const auto version = head.u8(packet->bodyAt);
    if (!version || *version < 3 || *version > 6)
        return {};
    switch (packet->tag) {
    case PgpSignatureTag:
        return "gpg-sig";
    case PgpPublicKeySessionTag:
        return *version == 3 && knownPublicKeyAlgorithm(head.u8(packet->bodyAt + 9)) ? "gpg"sv : std::string_view{};
    case PgpSymmetricSessionTag:
        return *version == 4 && knownSymmetricSetup(head, packet->bodyAt + 1) ? "gpg"sv : std::string_view{};
    case PgpSecretKeyTag:
    case PgpPublicKeyTag:
        return "gpg";
    default:
        return {};
    }
}

// A signed or plainly stored OpenPGP message (what gpg --sign writes): a compressed-data
// packet. Its two-byte start occurs by chance, so the start of the compressed stream is
// unpacked and must hold an OpenPGP packet of a message (one-pass signature, signature
// or literal data).
std::string_view openPgpCompressed(Source &source)
{
    const ByteView head = source.head();
    const auto first = head.u8(0);
    if (!first)
        return {};
    // Old-format packets of indeterminate length have no length field.
    const auto packet = (*first & 0xC3u) == 0x83 ? std::optional<PgpPacket>(PgpPacket{(*first >> 2) & 0x0Fu, 1})
                                                  : pgpPacket(head);
    if (!packet || packet->tag != PgpCompressedTag)
        return {};
    const auto algorithm = head.u8(packet->bodyAt);
    if (!algorithm)
        return {};
    size_t streamAt = packet->bodyAt + 1;
    if (*algorithm == PgpZlib)
        streamAt += 2;
    else if (*algorithm != PgpZip)
        return {};
    std::array<uint8_t, 8> inner{};
    if (inflateRaw(head.sub(streamAt), inner.data(), inner.size()) < 2)
        return {};
    const auto innerPacket = pgpPacket(ByteView(inner.data(), inner.size()));
    if (!innerPacket)
        return {};
    const bool messagePacket = innerPacket->tag == PgpOnePassSignatureTag || innerPacket->tag == PgpSignatureTag ||
                               innerPacket->tag == PgpLiteralTag;
    return messagePacket ? "gpg"sv : std::string_view{};
}

// A binary Python pickle (protocol 2 and later): the protocol mark, an opcode that can
// open a body, and the STOP opcode as the very last byte.
std::string_view pickle(Source &source)
{
    const auto opcode = source.head().u8(2);
    if (!opcode || PickleFirstOpcodes.find(static_cast<char>(*opcode)) == std::string_view::npos)
        return {};
    const auto last = source.bytesAt(source.size() - 1, 1);
    return last && last->u8(0) == PickleStop ? "pickle"sv : std::string_view{};
}

// SIXEL graphics: a device control string (ESC P, or the single byte 0x90 of 8-bit
// terminals), up to three numeric parameters, and the final "q".
std::string_view sixel(Source &source)
{
    const ByteView head = source.head();
    size_t at = head.u8(0) == 0x90 ? 1 : 2;
    for (const size_t end = at + SixelParameterLimit; at < end; ++at) {
        const auto c = head.u8(at);
        if (!c)
            return {};
        if (*c == 'q')
            return "sixel";
        if (!((*c >= '0' && *c <= '9') || *c == ';'))
            return {};
    }
    return {};
}

namespace {

// Bytes a MAG writer may leave between the comment's end mark and the header.
constexpr size_t CommentTrailLimit = 256;

// The offset of the end-of-comment mark (0x1A) that the Japanese PC image formats put
// between their signature and their header; the comment is at most a few hundred bytes.
std::optional<size_t> commentEnd(ByteView head, size_t from)
{
    constexpr size_t CommentLimit = 512;
    for (size_t at = from; at < from + CommentLimit; ++at) {
        const auto c = head.u8(at);
        if (!c)
            return std::nullopt;
        if (*c == 0x1A)
            return at;
    }
    return std::nullopt;
}

struct GarminSubfileRule {
    std::string_view code;
    std::string_view typeId;
};

constexpr GarminSubfileRule GarminSubfiles[] = {
    {"GMP", "garmin-gmp"}, {"LBL", "garmin-lbl"}, {"MDR", "garmin-mdr"}, {"NOD", "garmin-nod"},
    {"RGN", "garmin-rgn"}, {"TRE", "garmin-tre"}, {"TRF", "garmin-trf"},
};

} // namespace

// MAG (MAKI02): the signature, a machine name and a comment closed by 0x1A, after which
// the header begins at the next zero byte.
std::string_view makichan(Source &source)
{
    const ByteView head = source.head();
    const auto end = commentEnd(head, 12);
    if (!end)
        return {};
    for (size_t at = *end + 1; at <= *end + CommentTrailLimit; ++at) {
        const auto c = head.u8(at);
        if (!c)
            return {};
        if (*c == 0)
            return "mag";
    }
    return {};
}

// Ichitaro before its compound-document years (versions 4 to 6): "DOC" and the version
// in byte 43.
std::string_view ichitaroEarly(Source &source)
{
    const auto version = source.head().u8(43);
    return version && *version >= 0x14 && *version <= 0x16 ? "ichitaro-early"sv : std::string_view{};
}

// GRIB and BUFR messages: the edition number follows the three-byte message length.
std::string_view meteorological(Source &source)
{
    const ByteView head = source.head();
    const auto edition = head.u8(7);
    if (!edition)
        return {};
    if (head.startsWith(0, "GRIB"))
        return *edition == 1 || *edition == 2 ? "grib"sv : std::string_view{};
    return *edition >= 2 && *edition <= 4 ? "bufr"sv : std::string_view{};
}

// IPS: "PATCH", records of a three-byte offset and a two-byte size, and "EOF" at the end
// (a three-byte truncation length may follow it).
std::string_view ipsPatch(Source &source)
{
    const uint64_t size = source.size();
    for (const uint64_t trailer : {uint64_t{3}, uint64_t{6}}) {
        if (size < 5 + trailer)
            continue;
        const auto tail = source.bytesAt(size - trailer, 3);
        if (tail && tail->startsWith(0, "EOF"))
            return "ips";
    }
    return {};
}

// Aseprite: the file size, the magic 0xA5E0, a frame count, the canvas and a colour depth
// of 8, 16 or 32 bits.
std::string_view aseprite(Source &source)
{
    const ByteView head = source.head();
    const auto frames = head.u16le(6), width = head.u16le(8), height = head.u16le(10), depth = head.u16le(12);
    if (!frames || !width || !height || !depth || *frames == 0 || *width == 0 || *height == 0)
        return {};
    return *depth == 8 || *depth == 16 || *depth == 32 ? "aseprite"sv : std::string_view{};
}

// An ACPI table dumped to a file: the header's length is the file's size.
std::string_view acpiTable(Source &source)
{
    const auto length = source.head().u32le(4);
    return length && *length >= 36 && *length == source.size() ? "acpi"sv : std::string_view{};
}

// A MIDI System Exclusive message: 0xF0, a manufacturer, seven-bit data and 0xF7 at the end.
std::string_view systemExclusive(Source &source)
{
    const ByteView head = source.head();
    if (!source.headIsWhole() || head.size() < 3 || head.u8(head.size() - 1) != 0xF7)
        return {};
    for (size_t at = 1; at + 1 < head.size(); ++at) {
        if (*head.u8(at) >= 0x80)
            return {};
    }
    return "syx";
}

// 3D Studio: the main chunk, then a version chunk of ten bytes and the editor chunk.
std::string_view studio3ds(Source &source)
{
    const ByteView head = source.head();
    return head.u16le(6) == 0x0002 && head.u32le(8) == 10 && head.u16le(16) == 0x3D3D ? "3ds"sv : std::string_view{};
}

// A subfile of a Garmin map: the header's length, "GARMIN " and the subfile's type.
std::string_view garminSubfile(Source &source)
{
    const ByteView head = source.head();
    const auto headerLength = head.u16le(0);
    if (!headerLength || *headerLength >= 0x1000)
        return {};
    for (const GarminSubfileRule &rule : GarminSubfiles) {
        if (head.startsWith(9, rule.code))
            return rule.typeId;
    }
    return {};
}

// A Macintosh resource fork: data at 256, the map after the data, and a map of sane size.
std::string_view resourceFork(Source &source)
{
    const ByteView head = source.head();
    const auto mapOffset = head.u32be(4), dataLength = head.u32be(8), mapLength = head.u32be(12);
    if (!mapOffset || !dataLength || !mapLength || *mapOffset <= 0xFF || *mapLength >= 0x8001 || *mapLength < 30)
        return {};
    const uint64_t dataEnd = uint64_t{0x100} + *dataLength;
    if (dataEnd > *mapOffset || uint64_t{*mapOffset} + *mapLength > source.size())
        return {};
    return "rsrc";
}

// PlayStation TIM: the identifier 0x10, flags of the pixel mode and the colour table, and a
// first block that fits in the file.
std::string_view playstationTim(Source &source)
{
    const ByteView head = source.head();
    const auto flags = head.u32le(4), block = head.u32le(8);
    if (!flags || !block || (*flags & 0xFFFFFFF0u) != 0 || (*flags & 7) > 4 || *block < 12)
        return {};
    return uint64_t{*block} + 8 <= source.size() ? "tim"sv : std::string_view{};
}

// GEM XIMG: a GEM raster header of version 1 or 2 whose length covers the XIMG extension.
std::string_view gemXimg(Source &source)
{
    const ByteView head = source.head();
    const auto version = head.u16be(0), headerWords = head.u16be(2);
    return version && headerWords && *version < 3 && *headerWords > 9 ? "ximg"sv : std::string_view{};
}

// Pi: "Pi", a comment closed by 0x1A and 0x00, then the mode, the aspect ratio and the
// bits per pixel, which are 4 or 8.
std::string_view yanagisawaPi(Source &source)
{
    const ByteView head = source.head();
    const auto end = commentEnd(head, 2);
    if (!end || head.u8(*end + 1) != 0)
        return {};
    const auto depth = head.u8(*end + 5);
    return depth && (*depth == 4 || *depth == 8) ? "pi"sv : std::string_view{};
}

// Truevision TGA has no magic at the start; version 2 files end with a footer, and
// older ones are accepted when every header field is in range and the pixels fit.
std::string_view truevisionTga(Source &source)
{
    const ByteView head = source.head();
    if (source.size() < TgaHeader)
        return {};
    const auto colourMap = head.u8(1), imageType = head.u8(2), depth = head.u8(16), descriptor = head.u8(17);
    const auto width = head.u16le(12), height = head.u16le(14);
    if (!colourMap || !imageType || !depth || !descriptor || !width || !height)
        return {};
    const bool knownType = *imageType == 1 || *imageType == 2 || *imageType == 3 || *imageType == 9 ||
                           *imageType == 10 || *imageType == 11;
    const bool knownDepth = *depth == 8 || *depth == 15 || *depth == 16 || *depth == 24 || *depth == 32;
    if (*colourMap > 1 || !knownType || !knownDepth || (*descriptor & 0xC0) != 0 || *width == 0 || *height == 0)
        return {};
    if (source.size() >= TgaHeader + TgaFooter) {
        const auto footer = source.bytesAt(source.size() - 18, 18);
        if (footer && footer->startsWith(0, "TRUEVISION-XFILE.\0"sv))
            return "tga";
    }
    const bool colourMapped = *imageType == 1 || *imageType == 9;
    if (colourMapped != (*colourMap == 1))
        return {};
    if (*imageType >= 9)
        return "tga";
    const uint64_t pixels = uint64_t{*width} * *height * ((*depth + 7) / 8);
    return TgaHeader + head.u8(0).value_or(0) + pixels <= source.size() ? "tga"sv : std::string_view{};
}

// Binary STL: an 80-byte header, a triangle count, and exactly that many triangles.
std::string_view binaryStl(Source &source)
{
    const auto count = source.head().u32le(80);
    if (!count || *count == 0)
        return {};
    return StlHeader + uint64_t{*count} * StlTriangle == source.size() ? "stl"sv : std::string_view{};
}

// Readers accept a PDF header anywhere in the first kilobyte, after mail headers or
// other junk that some writers put in front.
std::string_view pdfAfterJunk(Source &source)
{
    return source.head().sub(0, PdfHeaderWindow).find("%PDF-") != ByteView::npos ? "pdf"sv : std::string_view{};
}

} // namespace tivex::inspect
