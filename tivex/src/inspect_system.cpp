// Programs, drivers and system files of MS-DOS, 16-bit Windows and OS/2, and database
// tables of the same years: each told by fields of its header that must agree.
#include "inspectors.h"

#include <algorithm>
#include <cstdint>

using namespace std::literals;

namespace tivex::inspect {

namespace {

// ---- New Executable and Linear Executable -------------------------------------------------

constexpr size_t NeFlagsAt = 0x0C;
constexpr uint16_t NeLibrary = 0x8000;
constexpr size_t LeOperatingSystemAt = 0x0A;
constexpr uint16_t LeVirtualDevice = 4;

// ---- MS-DOS device drivers ---------------------------------------------------------------

// A driver starts with its header: the link to the next driver (-1 in the file), the
// attributes, the entry points of its strategy and interrupt routines, and its name.
constexpr uint16_t DriverReservedAttributes = 0x07A0;
constexpr size_t DriverHeader = 18;

// ---- dBASE and its descendants -----------------------------------------------------------

constexpr size_t DbfHeader = 32;
constexpr size_t DbfField = 32;
constexpr uint8_t DbfFieldsEnd = 0x0D;
constexpr uint8_t DbfContainerFlag = 0x04;
constexpr uint8_t VisualFoxProVersion = 0x30;
// Visual FoxPro puts a 263-byte backlink to its database container after the fields.
constexpr size_t VisualFoxProBacklink = 263;

bool plausibleDate(ByteView head)
{
    const auto month = head.u8(2).value_or(0);
    const auto day = head.u8(3).value_or(0);
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

// The fields end with a 0x0D byte where the header length says, give or take Visual
// FoxPro's backlink.
bool fieldsEndWhereTheHeaderSays(Source &source, uint16_t headerLength)
{
    for (const size_t tail : {size_t{1}, VisualFoxProBacklink + 1}) {
        if (headerLength < DbfHeader + DbfField + tail)
            continue;
        const size_t end = headerLength - tail;
        if ((end - DbfHeader) % DbfField != 0)
            continue;
        const auto terminator = source.bytesAt(end, 1);
        if (terminator && terminator->u8(0) == DbfFieldsEnd)
            return true;
    }
    return false;
}

} // namespace

std::string_view newExecutable(ByteView header)
{
    if (header.startsWith(0, "NE")) {
        const auto flags = header.u16le(NeFlagsAt).value_or(0);
        return (flags & NeLibrary) != 0 ? "ne-dll"sv : "ne-exe"sv;
    }
    if (header.startsWith(0, "LE"))
        return header.u16le(LeOperatingSystemAt) == LeVirtualDevice ? "vxd"sv : "exe"sv;
    // Windows 3.x and 95 keep their virtual device drivers in W3 and W4 containers.
    if (header.startsWith(0, "W3") || header.startsWith(0, "W4"))
        return "vxd";
    return header.startsWith(0, "LX") ? "exe"sv : std::string_view{};
}

std::string_view dosDriver(Source &source)
{
    const ByteView head = source.head();
    const auto attributes = head.u16le(4);
    const auto strategy = head.u16le(6);
    const auto interrupt = head.u16le(8);
    if (!attributes || !strategy || !interrupt || (*attributes & DriverReservedAttributes) != 0)
        return {};
    const uint64_t size = source.size();
    if (*strategy < DriverHeader || *interrupt < DriverHeader || *strategy >= size || *interrupt >= size)
        return {};
    // A character device carries its name, in capitals and blanks.
    if (*attributes & 0x8000) {
        const auto name = head.chars(10, 8);
        if (!name || !std::all_of(name->begin(), name->end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
            return {};
    }
    return "dos-driver";
}

std::string_view dbase(Source &source)
{
    const ByteView head = source.head();
    const auto records = head.u32le(4);
    const auto headerLength = head.u16le(8);
    const auto recordLength = head.u16le(10);
    if (!records || !headerLength || !recordLength || *recordLength < 2 || !plausibleDate(head))
        return {};
    if (!fieldsEndWhereTheHeaderSays(source, *headerLength))
        return {};
    const bool container = head.u8(0) == VisualFoxProVersion && (head.u8(28).value_or(0) & DbfContainerFlag) != 0;
    return container ? "dbc"sv : "dbf"sv;
}

// Exchange's and Windows' Extensible Storage Engine: a checksum, the signature, then the
// format version; the file type says a database from a streaming file.
std::string_view extensibleStorage(Source &source)
{
    const ByteView head = source.head();
    if (head.u32be(132) != 0)
        return {};
    switch (head.u32le(12).value_or(2)) {
    case 0:
        return "edb";
    case 1:
        return "stm";
    default:
        return {};
    }
}

// Microsoft Write and Word for MS-DOS share their header; Write fills in a word that Word
// leaves empty.
std::string_view microsoftWrite(Source &source)
{
    const ByteView head = source.head();
    if (head.u8(128).value_or(0) == 0)
        return {};
    return head.u16le(96).value_or(0) != 0 ? "wri"sv : "word-dos"sv;
}

// The personal folders of Outlook and its address book share one header; the client
// signature after the checksum names the address book.
std::string_view outlookFolders(Source &source)
{
    const ByteView head = source.head();
    if (head.startsWith(8, "BA"sv))
        return "pab";
    return "pst";
}

// NTBackup writes Microsoft Tape Format: a TAPE descriptor block whose reserved fields are
// empty.
std::string_view bkf(Source &source)
{
    const ByteView head = source.head();
    if (head.u64le(20) != 0 || head.u16le(28) != 0 || head.u32le(36) != 0)
        return {};
    return (head.u32le(4).value_or(1) & 0xFFFCFFE0u) == 0 ? "bkf"sv : std::string_view{};
}

// Windows Error Reporting writes its reports as UTF-16 text of keys and values.
std::string_view windowsErrorReport(Source &source)
{
    constexpr auto EventType = "E\0v\0e\0n\0t\0T\0y\0p\0e\0=\0"sv;
    return source.head().find(EventType) != ByteView::npos ? "wer"sv : std::string_view{};
}

// HP-GL plots start with the initialise instruction, then more two-letter instructions.
std::string_view hpgl(Source &source)
{
    const auto next = source.head().u8(3);
    if (!next)
        return {};
    const bool instruction = *next >= 'A' && *next <= 'Z';
    return instruction || *next == '\r' || *next == '\n' ? "hpgl"sv : std::string_view{};
}

// A compiled resource table: a chunk header (type 2, header size 12) whose size is the
// whole file's.
std::string_view androidResources(Source &source)
{
    const auto size = source.head().u32le(4);
    return size && *size == source.size() ? "arsc"sv : std::string_view{};
}

// ART profiles: "pro" or "prm", then a three-digit version, each ended by a NUL.
std::string_view artProfile(Source &source)
{
    const ByteView head = source.head();
    const auto version = head.chars(4, 4);
    if (!version || (*version)[3] != '\0' ||
        !std::all_of(version->begin(), version->begin() + 3, [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    return head.startsWith(0, "prm"sv) ? "profm"sv : "prof"sv;
}

std::string_view hyperTerminal(Source &source)
{
    return source.head().startsWith(15, "1.0 -- HyperTerminal data file"sv) ? "ht"sv : std::string_view{};
}

// Windows Help files and the files WinHelp writes beside them share one container: a
// header pointing to a B+ tree directory. An annotation file holds a bookmark map at a
// fixed place, a global index its own directory entry, and a help file its system header.
std::string_view winHelp(Source &source)
{
    constexpr uint16_t DirectoryTreeMagic = 0x293B;
    constexpr auto SystemHeader = "\x6C\x03"sv;
    constexpr size_t SystemHeaderWindow = 0x4A00;
    const ByteView head = source.head();
    const auto directoryAt = head.u32le(4);
    if (!directoryAt)
        return {};
    const auto tree = source.bytesAt(uint64_t{*directoryAt} + 9, 2);
    if (!tree || tree->u16le(0) != DirectoryTreeMagic)
        return "hlp";
    if (head.startsWith(0xD4, "bmf\x01\x00"sv))
        return "ann";
    if (const auto index = source.bytesAt(uint64_t{*directoryAt} + 0x65, 5); index && index->startsWith(0, "|Pete"sv))
        return "gid";
    const size_t window = static_cast<size_t>(std::min<uint64_t>(source.size(), SystemHeaderWindow));
    const auto start = source.bytesAt(0, window);
    if (!start || start->find(SystemHeader, 16) != ByteView::npos || source.size() > SystemHeaderWindow)
        return "hlp";
    return "bmk";
}

} // namespace tivex::inspect
