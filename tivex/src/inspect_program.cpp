// Executables and object code: the headers say what kind of image a file is.
#include "inspectors.h"

#include <algorithm>
#include <cstdint>

using namespace std::literals;

namespace tivex::inspect {

namespace {

constexpr uint16_t PeDllCharacteristic = 0x2000;
constexpr size_t PeSubsystemAt = 24 + 68; // in the optional header, PE32 and PE32+ alike
constexpr uint16_t PeNativeSubsystem = 1;
constexpr uint16_t PeFirstEfiSubsystem = 10;
constexpr uint16_t PeLastEfiSubsystem = 13;
constexpr uint32_t ElfProgramInterpreter = 3;
constexpr uint32_t ElfProgramDynamic = 2;
constexpr uint64_t ElfDynamicSoname = 14;
constexpr uint64_t ElfDynamicFlags1 = 0x6FFFFFFB;
constexpr uint64_t ElfFlag1Pie = 0x08000000;
constexpr size_t MaxDynamicBytes = 8192;
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

struct ProgramHeader {
    uint32_t type;
    uint64_t offset;
    uint64_t size;
};

struct DynamicFacts {
    bool interpreter = false;
    bool soname = false;
    bool pie = false;
    bool flags1 = false; // the linker wrote its extra flags, so a missing PIE flag means no PIE
};

std::optional<ProgramHeader> programHeader(ByteView table, size_t at, ElfLayout layout)
{
    const auto type = elfU32(table, at, layout);
    const auto offset = elfAddress(table, at + (layout.wide ? 8 : 4), layout);
    const auto size = elfAddress(table, at + (layout.wide ? 32 : 16), layout);
    if (!type || !offset || !size)
        return std::nullopt;
    return ProgramHeader{*type, *offset, *size};
}

void readDynamicSection(Source &source, const ProgramHeader &dynamic, ElfLayout layout, DynamicFacts &facts)
{
    const size_t length = static_cast<size_t>(std::min<uint64_t>(dynamic.size, MaxDynamicBytes));
    const auto bytes = source.bytesAt(dynamic.offset, length);
    if (!bytes)
        return;
    const size_t entrySize = layout.wide ? 16 : 8;
    for (size_t at = 0; at + entrySize <= bytes->size(); at += entrySize) {
        const auto tag = elfAddress(*bytes, at, layout);
        const auto value = elfAddress(*bytes, at + entrySize / 2, layout);
        if (!tag || *tag == 0)
            break;
        facts.soname = facts.soname || *tag == ElfDynamicSoname;
        if (*tag == ElfDynamicFlags1 && value) {
            facts.flags1 = true;
            facts.pie = facts.pie || (*value & ElfFlag1Pie) != 0;
        }
    }
}

// Position-independent executables are ET_DYN like shared libraries. The linker marks
// them with the PIE flag; older ones only show a program interpreter and no library
// name (the C library has an interpreter too, and a name). A library that can also be
// run (pam_cap.so) has an interpreter and no name, but flags without the PIE flag.
DynamicFacts dynamicFacts(Source &source, ElfLayout layout)
{
    DynamicFacts facts;
    const ByteView head = source.head();
    const auto tableAt = elfAddress(head, layout.wide ? 32 : 28, layout);
    const auto entrySize = elfU16(head, layout.wide ? 54 : 42, layout);
    const auto count = elfU16(head, layout.wide ? 56 : 44, layout);
    if (!tableAt || !entrySize || !count || *entrySize < (layout.wide ? 40 : 24) || *count > MaxProgramHeaders)
        return facts;
    const auto table = source.bytesAt(*tableAt, size_t{*entrySize} * *count);
    if (!table)
        return facts;
    std::optional<ProgramHeader> dynamic;
    for (size_t i = 0; i < *count; ++i) {
        const auto header = programHeader(*table, i * *entrySize, layout);
        if (!header)
            break;
        facts.interpreter = facts.interpreter || header->type == ElfProgramInterpreter;
        if (header->type == ElfProgramDynamic)
            dynamic = header;
    }
    if (dynamic)
        readDynamicSection(source, *dynamic, layout, facts);
    return facts;
}

std::string_view sharedObjectKind(Source &source, ElfLayout layout)
{
    const DynamicFacts facts = dynamicFacts(source, layout);
    const bool executable = facts.pie || (facts.interpreter && !facts.soname && !facts.flags1);
    return executable ? "elf"sv : "elf-so"sv;
}

std::string_view portableExecutableKind(Source &source, uint32_t headerAt, ByteView header)
{
    const auto characteristics = header.u16le(22).value_or(0);
    const auto subsystemBytes = source.bytesAt(uint64_t{headerAt} + PeSubsystemAt, 2);
    const uint16_t subsystem = subsystemBytes ? subsystemBytes->u16le(0).value_or(0) : 0;
    if (subsystem >= PeFirstEfiSubsystem && subsystem <= PeLastEfiSubsystem)
        return "efi";
    if (subsystem == PeNativeSubsystem)
        return "sys";
    return (characteristics & PeDllCharacteristic) ? "dll"sv : "exe"sv;
}

struct MachOKind {
    uint32_t fileType;
    std::string_view typeId;
};

constexpr MachOKind MachOKinds[] = {{1, "macho-o"}, {2, "macho"}, {6, "macho-dylib"}, {8, "macho-bundle"}};

struct PythonMagicRange {
    uint16_t first;
    uint16_t last;
};

// Python stamps its bytecode with a number that grows with every format change:
// 20121 for 1.5, 50823 to 62211 for 2.x, 3000 onwards for 3.x.
constexpr PythonMagicRange PythonMagicRanges[] = {{20121, 20121}, {50823, 62211}, {3000, 3999}};

} // namespace

std::string_view pe(Source &source)
{
    const ByteView head = source.head();
    const auto headerAt = head.u32le(0x3C);
    if (headerAt) {
        if (const auto header = source.bytesAt(*headerAt, 24)) {
            if (header->startsWith(0, "PE\0\0"sv))
                return portableExecutableKind(source, *headerAt, *header);
            if (const auto kind = newExecutable(*header); !kind.empty())
                return kind;
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
        // AppImages are executables that carry their own file system behind the code.
        return head.startsWith(8, "AI\x02"sv) ? "appimage"sv : "elf"sv;
    case 3:
        return sharedObjectKind(source, layout);
    case 4:
        return "elf-core";
    default:
        return {};
    }
}

// Microsoft COFF objects (what MSVC and MinGW compile to) start with a bare machine
// number: no optional header follows, the section headers come at once and their names
// start with '.' (or '/' for a long name kept in the string table).
std::string_view coffObject(Source &source)
{
    constexpr uint16_t MaxSections = 96;
    constexpr size_t HeaderSize = 20;
    constexpr size_t SectionHeaderSize = 40;
    constexpr uint16_t SectionsChecked = 4;
    const ByteView head = source.head();
    const auto sections = head.u16le(2);
    const auto symbolTable = head.u32le(8);
    const auto optionalHeader = head.u16le(16);
    if (!sections || !symbolTable || !optionalHeader || *sections == 0 || *sections > MaxSections ||
        *optionalHeader != 0)
        return {};
    const uint64_t sectionsEnd = HeaderSize + uint64_t{*sections} * SectionHeaderSize;
    if (*symbolTable != 0 && (*symbolTable < sectionsEnd || *symbolTable >= source.size()))
        return {};
    for (uint16_t i = 0; i < std::min(*sections, SectionsChecked); ++i) {
        const auto first = head.u8(HeaderSize + i * SectionHeaderSize);
        if (!first || (*first != '.' && *first != '/'))
            return {};
    }
    return "coff-o";
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

std::string_view machO(Source &source)
{
    const ByteView head = source.head();
    const bool bigEndian = head.startsWith(0, "\xFE\xED"sv);
    const auto fileType = bigEndian ? head.u32be(12) : head.u32le(12);
    if (!fileType)
        return {};
    for (const MachOKind &kind : MachOKinds) {
        if (kind.fileType == *fileType)
            return kind.typeId;
    }
    return "macho";
}

std::string_view pythonBytecode(Source &source)
{
    const auto magic = source.head().u16le(0);
    if (!magic)
        return {};
    for (const PythonMagicRange &range : PythonMagicRanges) {
        if (*magic >= range.first && *magic <= range.last)
            return "pyc";
    }
    return {};
}

// Compiled terminfo: a header of six counts, then the terminal's names as text.
std::string_view terminfo(Source &source)
{
    const ByteView head = source.head();
    const auto namesLength = head.u16le(2);
    if (!namesLength || *namesLength < 2 || *namesLength > 4096)
        return {};
    const auto names = head.chars(12, *namesLength);
    if (!names || names->back() != '\0')
        return {};
    for (size_t i = 0; i + 1 < names->size(); ++i) {
        const auto c = static_cast<unsigned char>((*names)[i]);
        if (c < 0x20 || c >= 0x7F)
            return {};
    }
    return "terminfo";
}

} // namespace tivex::inspect
