// Formats kept inside a gzip stream or a tar archive: the wrapper is the same for all of
// them, so the first bytes of what it holds tell them apart.
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
// Enough of the content for an XML prolog and its root element, and for a tar header.
constexpr size_t InflatedLook = 1024;
constexpr size_t RootElementWindow = 512;

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
    std::array<uint8_t, InflatedLook> content{};
    const size_t produced = inflateRaw(head.sub(*dataAt), content.data(), content.size());
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

} // namespace tivex::inspect
