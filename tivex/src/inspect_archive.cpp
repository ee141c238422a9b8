// Archives, compressed streams and disk images whose magic is short, sits far into the
// file, or is missing altogether (old tar, fixed-size virtual disks).
#include "inspectors.h"

#include <cstdint>

using namespace std::literals;

namespace tivex::inspect {

namespace {

constexpr size_t TarBlock = 512;
constexpr size_t TarChecksumAt = 148;
constexpr size_t TarChecksumLength = 8;
constexpr uint64_t IsoDescriptorAt = 32769;
constexpr uint64_t MinLzmaDictionary = 1u << 12;
constexpr size_t ArjMaxHeader = 2600;
constexpr uint64_t DiskSector = 512;

bool isOctalDigit(uint8_t c) { return c >= '0' && c <= '7'; }

// A tar number field: octal digits, possibly padded with blanks, ended by NUL or blank.
std::optional<uint32_t> tarOctal(ByteView field)
{
    uint32_t value = 0;
    bool digits = false;
    size_t at = 0;
    while (at < field.size() && field.data()[at] == ' ')
        ++at;
    for (; at < field.size(); ++at) {
        const uint8_t c = field.data()[at];
        if (isOctalDigit(c)) {
            value = value * 8 + (c - '0');
            digits = true;
        } else if (c == 0 || c == ' ') {
            break;
        } else {
            return std::nullopt;
        }
    }
    return digits ? std::optional<uint32_t>(value) : std::nullopt;
}

// The ASCII header variants share one layout: six magic characters and thirteen
// more fields of octal or hexadecimal digits.
bool allOfDigits(ByteView bytes, size_t from, size_t to, bool hex)
{
    for (size_t at = from; at < to; ++at) {
        const auto c = bytes.u8(at);
        if (!c)
            return false;
        const bool digit = (*c >= '0' && *c <= '9') || (hex && ((*c >= 'a' && *c <= 'f') || (*c >= 'A' && *c <= 'F')));
        if (!digit || (!hex && *c > '7'))
            return false;
    }
    return true;
}

bool isPowerOfTwo(uint64_t value) { return value != 0 && (value & (value - 1)) == 0; }

} // namespace

std::string_view bzip2(Source &source)
{
    const auto level = source.head().u8(3);
    return level && *level >= '1' && *level <= '9' ? "bz2"sv : std::string_view{};
}

// The legacy .lzma header: properties byte, dictionary size, uncompressed size. Only
// the properties xz and 7-Zip write (lc=3, lp=0, pb=2) are accepted, with a
// dictionary size that those tools can produce.
std::string_view lzmaAlone(Source &source)
{
    const ByteView head = source.head();
    const auto dictionary = head.u32le(1);
    const auto length = head.u64le(5);
    if (!dictionary || !length || *dictionary < MinLzmaDictionary)
        return {};
    const bool knownSize = *length == UINT64_MAX || *length < (uint64_t{1} << 48);
    const bool usualDictionary = isPowerOfTwo(*dictionary) || isPowerOfTwo(*dictionary / 3 * 2);
    return knownSize && usualDictionary ? "lzma"sv : std::string_view{};
}

std::string_view arj(Source &source)
{
    const ByteView head = source.head();
    const auto headerSize = head.u16le(2);
    const auto fileType = head.u8(10);
    if (!headerSize || !fileType || *headerSize < 30 || *headerSize > ArjMaxHeader || *fileType != 2)
        return {};
    return "arj";
}

std::string_view cpioAscii(Source &source)
{
    const ByteView head = source.head();
    const auto kind = head.u8(5);
    if (!kind)
        return {};
    if (*kind == '7')
        return allOfDigits(head, 6, 76, false) ? "cpio"sv : std::string_view{};
    if (*kind == '1' || *kind == '2')
        return allOfDigits(head, 6, 110, true) ? "cpio"sv : std::string_view{};
    return {};
}

// The old binary header in either byte order: the mode must name a file type and the
// first name must be a NUL-terminated string of the recorded length.
std::string_view cpioBinary(Source &source)
{
    const ByteView head = source.head();
    const bool little = head.startsWith(0, "\xC7\x71"sv);
    const auto mode = little ? head.u16le(6) : head.u16be(6);
    const auto nameLength = little ? head.u16le(20) : head.u16be(20);
    if (!mode || !nameLength || *nameLength == 0 || *nameLength > 1024)
        return {};
    const unsigned fileType = *mode & 0170000u;
    constexpr unsigned FileTypes[] = {0010000u, 0020000u, 0040000u, 0060000u, 0100000u, 0120000u, 0140000u};
    bool known = false;
    for (unsigned type : FileTypes)
        known = known || fileType == type;
    if (!known || head.u8(26 + size_t{*nameLength} - 1) != 0)
        return {};
    return "cpio";
}

// ISO 9660 and UDF keep their first volume descriptor at 32 KiB; the system area in
// front is zeros, or boot code for images that are also bootable disks. Only then is
// the descriptor read, so other files cost nothing.
std::string_view iso9660(Source &source)
{
    const ByteView head = source.head();
    if (source.size() < IsoDescriptorAt + 5 || head.size() < DiskSector)
        return {};
    const bool blank = head.startsWith(0, std::string_view("\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16));
    const bool bootable = head.u16le(510) == 0xAA55 || head.startsWith(0, "ER\x08\x00"sv) ||
                          head.startsWith(0, "\x45\x52\x02\x00"sv);
    if (!blank && !bootable)
        return {};
    const auto descriptor = source.bytesAt(IsoDescriptorAt, 5);
    if (!descriptor)
        return {};
    if (descriptor->startsWith(0, "CD001"))
        return "iso";
    if (descriptor->startsWith(0, "BEA01"))
        return "udf";
    return {};
}

constexpr size_t TarTypeAt = 156;

// Pre-POSIX tar has no magic; its header checksum, the byte sum of the header with the
// checksum field read as blanks, still holds.
std::string_view tarByChecksum(Source &source)
{
    const ByteView head = source.head();
    if (head.size() < TarBlock || head.u8(0) == 0)
        return {};
    const auto recorded = tarOctal(head.sub(TarChecksumAt, TarChecksumLength));
    if (!recorded)
        return {};
    uint32_t sum = 0;
    for (size_t at = 0; at < TarBlock; ++at) {
        const bool inField = at >= TarChecksumAt && at < TarChecksumAt + TarChecksumLength;
        sum += inField ? ' ' : head.data()[at];
    }
    // A GNU volume label (type 'V') leaves the mode and size fields empty.
    const bool volumeLabel = head.u8(TarTypeAt) == 'V';
    if (sum != *recorded || (!volumeLabel && (!tarOctal(head.sub(100, 8)) || !tarOctal(head.sub(124, 12)))))
        return {};
    return "tar";
}

// A UDIF disk image ends with a 512-byte trailer named "koly".
std::string_view appleDiskImage(Source &source)
{
    if (source.size() < DiskSector)
        return {};
    const auto trailer = source.bytesAt(source.size() - DiskSector, 4);
    return trailer && trailer->startsWith(0, "koly") ? "dmg"sv : std::string_view{};
}

// A fixed-size VHD is the raw disk followed by its footer.
std::string_view fixedVirtualDisk(Source &source)
{
    if (source.size() < DiskSector)
        return {};
    const auto footer = source.bytesAt(source.size() - DiskSector, 8);
    return footer && footer->startsWith(0, "conectix") ? "vhd"sv : std::string_view{};
}

// A raw disk or partition image: an ext2/3/4 superblock, or a boot sector with a FAT
// file system or a partition table.
std::string_view diskImage(Source &source)
{
    const ByteView head = source.head();
    if (head.u16le(1080) == 0xEF53) {
        const auto blockShift = head.u32le(1024 + 24);
        const auto state = head.u16le(1024 + 58);
        if (blockShift && state && *blockShift <= 6 && *state >= 1 && *state <= 7)
            return "img";
    }
    if (head.u16le(510) != 0xAA55)
        return {};
    const auto jump = head.u8(0);
    const bool fat = head.startsWith(54, "FAT") || head.startsWith(82, "FAT32");
    if (jump && (*jump == 0xEB || *jump == 0xE9) && fat)
        return "img";
    if (jump && (*jump == 0xEB || *jump == 0xE9) && head.startsWith(3, "NTFS    "))
        return "ntfs";
    // A partition table: four entries whose status bytes are 0x00 or 0x80, one in use.
    bool used = false;
    for (size_t entry = 0; entry < 4; ++entry) {
        const auto status = head.u8(446 + 16 * entry);
        const auto type = head.u8(446 + 16 * entry + 4);
        if (!status || !type || (*status != 0 && *status != 0x80))
            return {};
        used = used || *type != 0;
    }
    return used ? "img"sv : std::string_view{};
}

} // namespace tivex::inspect
