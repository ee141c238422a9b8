// Office formats of the DOS and early Windows years. Each family shares one header and
// tells its kinds apart by a product, file-type or version field in it.
#include "inspectors.h"

#include <cstdint>

using namespace std::literals;

namespace tivex::inspect {

namespace {

// ---- WordPerfect and the other Corel products ------------------------------------------

// Every file of the WordPerfect family starts with FF "WPC", a pointer, then a product
// byte and a file-type byte.
struct CorelKind {
    uint8_t product;
    uint8_t fileType;
    std::string_view typeId;
};

constexpr uint8_t WordPerfect = 1;

constexpr CorelKind CorelKinds[] = {
    {WordPerfect, 1, "wpm"},
    {WordPerfect, 2, "wp-help"},
    {WordPerfect, 3, "wpk"},
    {WordPerfect, 10, "wpd"},
    {WordPerfect, 16, "wp-prs"},
    {WordPerfect, 19, "wp-all"},
    {WordPerfect, 20, "wp-drs"},
    {WordPerfect, 21, "wp-overlay"},
    {WordPerfect, 22, "wpg"},
    {WordPerfect, 25, "wp-mrs"},
    {WordPerfect, 30, "wp-qrs"},
    {WordPerfect, 36, "wp-vrs"},
    {WordPerfect, 42, "wp-irs"},
    {WordPerfect, 44, "wpd"}, // WordPerfect 3.5 for the Macintosh
    {WordPerfect, 45, "wpd"}, // WordPerfect 4.2
    {WordPerfect, 70, "wp-cbd"},
    {32, 10, "wp-wordlist"},
    {34, 11, "wp-advise"},
};

// ---- Aldus and Adobe PageMaker ---------------------------------------------------------

struct PageMakerVersion {
    uint16_t below; // the first version word past this kind
    std::string_view typeId;
};

constexpr PageMakerVersion PageMakerVersions[] = {
    {0x0400, "pm3"},
    {0x0500, "pm4"},
    {0x0600, "pm5"},
    {0xFFFF, "pagemaker"},
};

constexpr size_t PageMakerVersionAt = 110;

// ---- Lotus 1-2-3 and Symphony -----------------------------------------------------------

// A worksheet is a list of records; the first, BOF, holds the version word of the
// program that wrote it.
struct LotusVersion {
    uint16_t version;
    std::string_view typeId;
};

constexpr LotusVersion LotusClassicVersions[] = {
    {0x0404, "lotus-wks"},    {0x0405, "symphony-wrk"}, {0x0406, "lotus-wk1"}, {0x0600, "lotus-wj1"},
    {0x0602, "lotus-wj3"},    {0x8006, "lotus-fmt"},    {0x0007, "lotus-cnf"}, {0x0C05, "lotus-cnf"},
    {0x0801, "lotus-cnf"},    {0x0802, "lotus-cnf"},    {0x0804, "lotus-cnf"}, {0x080A, "lotus-cnf"},
    {0x1402, "lotus-cnf"},    {0x1450, "lotus-cnf"},
};

constexpr uint16_t LotusWorksheet = 4;

constexpr LotusVersion LotusVersions[] = {
    {0x1000, "lotus-wk3"}, {0x1002, "lotus-wk4"}, {0x1003, "lotus-123"}, {0x1005, "lotus-123"}, {0x8007, "lotus-fm3"},
};

template <size_t N>
std::string_view lotusKind(const LotusVersion (&versions)[N], std::optional<uint16_t> version)
{
    for (const LotusVersion &known : versions) {
        if (version == known.version)
            return known.typeId;
    }
    return {};
}

} // namespace

std::string_view corelWpc(Source &source)
{
    const ByteView head = source.head();
    const auto product = head.u8(8);
    const auto fileType = head.u8(9);
    for (const CorelKind &kind : CorelKinds) {
        if (product == kind.product && fileType == kind.fileType)
            return kind.typeId;
    }
    // Kinds not listed here (Corel's calendar, mail and shell files among them) are left
    // unnamed rather than called documents.
    return {};
}

std::string_view pageMaker(Source &source)
{
    const ByteView head = source.head();
    // Byte 6 tells the byte order the rest of the header is written in.
    const bool bigEndian = head.u8(6) == 0x99;
    const auto version = bigEndian ? head.u16be(PageMakerVersionAt) : head.u16le(PageMakerVersionAt);
    if (!version)
        return {};
    for (const PageMakerVersion &known : PageMakerVersions) {
        if (*version < known.below)
            return known.typeId;
    }
    return "pagemaker";
}

// Version 1 and 2 files: the BOF record is 2 bytes long; its high byte is never 0.
std::string_view lotusClassic(Source &source)
{
    const ByteView head = source.head();
    if (head.u8(7) != 0 || head.u8(6).value_or(0) == 0)
        return {};
    return lotusKind(LotusClassicVersions, head.u16le(4));
}

// Release 3 and later: a 26-byte BOF record. A release not listed is still a worksheet
// when the record says it holds cells, and formatting data otherwise.
std::string_view lotus(Source &source)
{
    const ByteView head = source.head();
    const auto characterSet = head.u8(20).value_or(0);
    if (characterSet == 0 || characterSet >= 32)
        return {};
    if (const auto known = lotusKind(LotusVersions, head.u16le(4)); !known.empty())
        return known;
    return head.u16le(6) == LotusWorksheet ? "lotus-123"sv : "lotus-fm3"sv;
}

} // namespace tivex::inspect
