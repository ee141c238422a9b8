// Executables and object code: the headers say what kind of image a file is.
#include "inspectors.h"

#include <cstdint>

using namespace std::literals;

namespace tivex::inspect {

namespace {

constexpr uint16_t PeDllCharacteristic = 0x2000;
constexpr uint32_t ElfProgramInterpreter = 3;
constexpr size_t MaxProgramHeaders = 256;
// Java class files of version 1.0 carry major version 45; a Mach-O universal binary
// has a handful of architectures in the same place, so the two never overlap.
constexpr uint32_t FirstClassMajorVersion = 45;

struct ElfLayout {
    bool wide;      // 64-bit
    bool bigEndian;
};

std::optional<uint16_t> elfU16(ByteView bytes, size_t at, ElfLayout layout)
{
    return layout.bigEndian ? bytes.u16be(at) : bytes.u16le(at);
}

std::optional<uint32_t> elfU32(ByteView bytes, size_t at, ElfLayout layout)
{
    return layout.bigEndian ? bytes.u32be(at) : bytes.u32le(at);
}

std::optional<uint64_t> elfAddress(ByteView bytes, size_t at, ElfLayout layout)
{
    if (layout.wide)
        return layout.bigEndian ? bytes.u64be(at) : bytes.u64le(at);
    const auto narrow = elfU32(bytes, at, layout);
    return narrow ? std::optional<uint64_t>(*narrow) : std::nullopt;
}

// Position-independent executables are ET_DYN like shared libraries; what sets them
// apart is a program interpreter. (The C library itself has one too and is reported
// as an executable, which it also is.)
bool hasInterpreter(Source &source, ElfLayout layout)
{
    const ByteView head = source.head();
    const auto tableAt = elfAddress(head, layout.wide ? 32 : 28, layout);
    const auto entrySize = elfU16(head, layout.wide ? 54 : 42, layout);
    const auto count = elfU16(head, layout.wide ? 56 : 44, layout);
    if (!tableAt || !entrySize || !count || *entrySize < 4 || *count > MaxProgramHeaders)
        return false;
    const auto table = source.bytesAt(*tableAt, size_t{*entrySize} * *count);
    if (!table)
        return false;
    for (size_t i = 0; i < *count; ++i) {
        if (elfU32(*table, i * *entrySize, layout) == ElfProgramInterpreter)
            return true;
    }
    return false;
}

} // namespace

std::string_view pe(Source &source)
{
    const ByteView head = source.head();
    const auto headerAt = head.u32le(0x3C);
    if (headerAt) {
        if (const auto header = source.bytesAt(*headerAt, 24)) {
            if (header->startsWith(0, "PE\0\0"sv)) {
                const auto characteristics = header->u16le(22).value_or(0);
                return (characteristics & PeDllCharacteristic) ? "dll"sv : "exe"sv;
            }
            if (header->startsWith(0, "NE") || header->startsWith(0, "LE") || header->startsWith(0, "LX"))
                return "exe";
        }
    }
    // A plain MS-DOS program: the page counts in its header must make sense.
    const auto lastPageBytes = head.u16le(2);
    const auto pages = head.u16le(4);
    const auto headerParagraphs = head.u16le(8);
    if (!lastPageBytes || !pages || !headerParagraphs || *lastPageBytes >= 512 || *pages == 0 ||
        *headerParagraphs < 2)
        return {};
    return "exe-dos";
}

std::string_view elf(Source &source)
{
    const ByteView head = source.head();
    const auto elfClass = head.u8(4);
    const auto encoding = head.u8(5);
    if (!elfClass || !encoding || *elfClass < 1 || *elfClass > 2 || *encoding < 1 || *encoding > 2)
        return {};
    const ElfLayout layout{*elfClass == 2, *encoding == 2};
    switch (elfU16(head, 16, layout).value_or(0)) {
    case 1:
        return "elf-o";
    case 2:
        return "elf";
    case 3:
        return hasInterpreter(source, layout) ? "elf"sv : "elf-so"sv;
    case 4:
        return "elf-core";
    default:
        return {};
    }
}

std::string_view cafeBabe(Source &source)
{
    const auto second = source.head().u32be(4);
    if (!second)
        return {};
    if (*second > 0 && *second < FirstClassMajorVersion)
        return "macho-fat";
    const uint32_t major = *second & 0xFFFFu;
    return major >= FirstClassMajorVersion ? "class"sv : std::string_view{};
}

} // namespace tivex::inspect
