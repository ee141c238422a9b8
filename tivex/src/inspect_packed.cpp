// Formats kept inside a gzip stream or a tar archive, told apart by the first bytes of
// what the wrapper holds; and archives and disk images whose short magic needs a second
// look at the header.
#include "inflate.h"
#include "inspectors.h"

#include <array>
#include <cstdint>

using namespace std::literals;

namespace tivex::inspect {

namespace {

constexpr uint8_t GzipHeaderCrc = 0x02;
constexpr uint8_t GzipExtra = 0x04;
constexpr uint8_t GzipName = 0x08;
constexpr uint8_t GzipComment = 0x10;
constexpr size_t GzipFixedHeader = 10;
// Enough of the content for an XML prolog, a document type or comment, and the root
// element; every gzip file pays for inflating it, so no more.
constexpr size_t InflatedLook = 320;
constexpr size_t RootElementWindow = InflatedLook;
// Enough for every opening below.
constexpr size_t FirstLook = 48;

struct Opening {
    std::string_view bytes;
    size_t offset;
    std::string_view typeId;
};

// What the content starts with.
constexpr Opening ContentOpenings[] = {
    {"gimp xcf "sv, 0, "xcfgz"},
    {"RDX2\n"sv, 0, "rdata"},
    {"RDX3\n"sv, 0, "rdata"},
    {"RDA2\n"sv, 0, "rdata"},
    {"RDA3\n"sv, 0, "rdata"},
    {"\xD7\xCD\xC6\x9A"sv, 0, "emz"}, // a placeable Windows metafile
    {" EMF"sv, 40, "emz"},
    // An Amiga floppy: its boot block names the file system, 0 to 7.
    {"DOS\x00"sv, 0, "adz"},
    {"DOS\x01"sv, 0, "adz"},
    {"DOS\x02"sv, 0, "adz"},
    {"DOS\x03"sv, 0, "adz"},
    {"DOS\x04"sv, 0, "adz"},
    {"DOS\x05"sv, 0, "adz"},
    {"DOS\x06"sv, 0, "adz"},
    {"DOS\x07"sv, 0, "adz"},
};

// The root element of XML content, found near its start.
constexpr Opening RootElements[] = {
    {"<dia:diagram"sv, 0, "dia"},
    {"<gnc-v2"sv, 0, "gnucash"},
    {"<KMYMONEY-FILE"sv, 0, "kmy"},
    {"<xournal"sv, 0, "xoj"},
    {"<abiword"sv, 0, "zabw"},
    {"<svg"sv, 0, "svgz"},
};

// Where the compressed data starts: after the fixed header and the optional fields its
// flags announce.
std::optional<size_t> gzipDataStart(ByteView head, bool &dictzip)
{
    const auto flags = head.u8(3);
    if (!flags || (*flags & 0xE0) != 0)
        return std::nullopt;
    size_t at = GzipFixedHeader;
    if (*flags & GzipExtra) {
        const auto length = head.u16le(at);
        if (!length)
            return std::nullopt;
        // dictzip records its chunk table in an extra field with the id "RA".
        dictzip = head.startsWith(at + 2, "RA"sv);
        at += 2 + *length;
    }
    for (const uint8_t field : {GzipName, GzipComment}) {
        if ((*flags & field) == 0)
            continue;
        const size_t end = head.find(std::string_view("\0", 1), at);
        if (end == ByteView::npos)
            return std::nullopt;
        at = end + 1;
    }
    if (*flags & GzipHeaderCrc)
        at += 2;
    return at < head.size() ? std::optional<size_t>(at) : std::nullopt;
}

// Monu-CAD and General CADD store their drawings behind a bare gzip header (no name, no
// comment) with the program's mark where the compressed data would start.
std::string_view cadMark(ByteView head, size_t dataAt)
{
    if (dataAt != GzipFixedHeader)
        return {};
    if (head.startsWith(dataAt, "MCD"sv))
        return "monucad";
    if (head.startsWith(dataAt, "GXD"sv))
        return "gcadd";
    return {};
}

template <size_t N>
std::string_view openingOf(const Opening (&openings)[N], ByteView content)
{
    for (const Opening &opening : openings) {
        if (content.startsWith(opening.offset, opening.bytes))
            return opening.typeId;
    }
    return {};
}

std::string_view rootElementOf(ByteView content)
{
    const auto window = content.chars(0, std::min(content.size(), RootElementWindow));
    if (!window || !window->starts_with('<'))
        return {};
    for (const Opening &root : RootElements) {
        if (window->find(root.bytes) != std::string_view::npos)
            return root.typeId;
    }
    return {};
}

} // namespace

std::string_view gzip(Source &source)
{
    const ByteView head = source.head();
    bool dictzip = false;
    const auto dataAt = gzipDataStart(head, dictzip);
    if (!dataAt)
        return "gz";
    if (dictzip)
        return "dz";
    if (const auto byCadMark = cadMark(head, *dataAt); !byCadMark.empty())
        return byCadMark;
    // Most gzip files hold no XML (manual pages, tar archives): a short look decides, and
    // only XML content is inflated again, far enough to reach its root element.
    std::array<uint8_t, InflatedLook> content{};
    const ByteView compressed = head.sub(*dataAt);
    size_t produced = inflateRaw(compressed, content.data(), FirstLook);
    if (produced == FirstLook && content[0] == '<')
        produced = inflateRaw(compressed, content.data(), content.size());
    const ByteView inflated(content.data(), produced);
    if (const auto byOpening = openingOf(ContentOpenings, inflated); !byOpening.empty())
        return byOpening;
    if (const auto byRoot = rootElementOf(inflated); !byRoot.empty())
        return byRoot;
    return "gz";
}

// The Open Virtualization Format puts its descriptor first in the tar archive.
std::string_view ustar(Source &source)
{
    const auto name = source.head().chars(0, 100);
    if (!name)
        return "tar";
    const std::string_view first = name->substr(0, name->find('\0'));
    return first.ends_with(".ovf") ? "ova"sv : "tar"sv;
}

// Synology's update packages: the magic in its low three bytes, a format word at 8.
std::string_view synologyArchive(Source &source)
{
    const ByteView head = source.head();
    const auto magic = head.u32le(0);
    const auto format = head.u32le(8);
    return magic && (*magic & 0xFFFFFF00u) == 0xEFBEAD00u && format && (*format & 0x00FFFFFFu) == 0x20C495u
               ? "spk"sv
               : std::string_view{};
}

// Atari ST floppy images (MSA): sectors per track, sides, first and last track.
std::string_view atariMsa(Source &source)
{
    const ByteView head = source.head();
    const auto sectors = head.u16be(2);
    const auto sides = head.u16be(4);
    const auto first = head.u16be(6);
    const auto last = head.u16be(8);
    if (!sectors || !sides || !first || !last || *sides > 1 || *sectors == 0 || *sectors > 64 || *first > *last ||
        *last > 255)
        return {};
    return "msa";
}

// MonoGame and XNA content: a platform letter, then format version 4 or 5, then the size.
std::string_view xnaContent(Source &source)
{
    const ByteView head = source.head();
    const auto version = head.u8(4).value_or(0);
    return (version == 4 || version == 5) && head.u32le(6).value_or(0) > 0 ? "xnb"sv : std::string_view{};
}

// Electron's archives: a pickled header size, then the JSON index of the files.
std::string_view asar(Source &source)
{
    return source.head().startsWith(16, "{\"files\":{"sv) ? "asar"sv : std::string_view{};
}

// Apple DiskCopy 4.2: a Pascal-string disk name, then the sizes; the data size is that of
// a floppy or a small disk in whole blocks.
std::string_view diskCopy(Source &source)
{
    const ByteView head = source.head();
    const auto nameLength = head.u8(0);
    const auto dataSize = head.u32be(0x40);
    if (!nameLength || *nameLength >= 64 || !dataSize)
        return {};
    return *dataSize > 409599 && *dataSize <= 0x04000000 && (*dataSize & 0xF8003FFFu) == 0 ? "dc42"sv
                                                                                          : std::string_view{};
}

} // namespace tivex::inspect
