// Formats whose magic is short enough to occur by chance (two letters, a few zero
// bytes): a second look at the header keeps them from claiming ordinary text.
#include "inspectors.h"

#include <algorithm>
#include <cstdint>

namespace tivex::inspect {

namespace {

constexpr uint32_t BitmapInfoHeaderSizes[] = {12, 16, 40, 52, 56, 64, 108, 124};
constexpr uint16_t MaxFontTables = 64;
constexpr size_t IconEntrySize = 16;

} // namespace

std::string_view bmp(Source &source)
{
    const auto infoSize = source.head().u32le(14);
    if (!infoSize || std::find(std::begin(BitmapInfoHeaderSizes), std::end(BitmapInfoHeaderSizes), *infoSize) ==
                         std::end(BitmapInfoHeaderSizes))
        return {};
    return "bmp";
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
    // Encapsulated PostScript says so on its first line: "%!PS-Adobe-3.0 EPSF-3.0".
    const ByteView head = source.head();
    const size_t lineEnd = std::min(head.find("\n"), head.size());
    const size_t epsf = head.find("EPSF");
    return epsf < lineEnd ? "eps" : "ps";
}

} // namespace tivex::inspect
