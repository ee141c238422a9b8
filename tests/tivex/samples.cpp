#include "samples.h"

using namespace std::literals;

namespace tivex::test {

Bytes &Bytes::raw(std::string_view bytes)
{
    data.append(bytes);
    return *this;
}

Bytes &Bytes::zeros(size_t count)
{
    data.append(count, '\0');
    return *this;
}

Bytes &Bytes::u8(uint8_t value)
{
    data.push_back(static_cast<char>(value));
    return *this;
}

Bytes &Bytes::le16(uint16_t value) { return u8(value & 0xFF).u8(value >> 8); }
Bytes &Bytes::le32(uint32_t value) { return le16(value & 0xFFFF).le16(value >> 16); }
Bytes &Bytes::le64(uint64_t value) { return le32(value & 0xFFFFFFFFu).le32(value >> 32); }
Bytes &Bytes::be16(uint16_t value) { return u8(value >> 8).u8(value & 0xFF); }
Bytes &Bytes::be32(uint32_t value) { return be16(value >> 16).be16(value & 0xFFFF); }

Bytes &Bytes::padTo(size_t size)
{
    if (data.size() < size)
        data.resize(size, '\0');
    return *this;
}

namespace {

uint32_t crc32(std::string_view bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= static_cast<uint8_t>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

} // namespace

std::string zipArchive(const std::vector<ZipMember> &members, std::string_view comment)
{
    Bytes file;
    Bytes directory;
    for (const ZipMember &member : members) {
        const auto offset = static_cast<uint32_t>(file.data.size());
        const auto crc = crc32(member.content);
        const auto size = static_cast<uint32_t>(member.content.size());
        const auto nameLength = static_cast<uint16_t>(member.name.size());
        file.raw("PK\x03\x04"sv).le16(20).le16(0).le16(0).le16(0).le16(0).le32(crc).le32(size).le32(size);
        file.le16(nameLength).le16(0).raw(member.name).raw(member.content);
        directory.raw("PK\x01\x02"sv).le16(20).le16(20).le16(0).le16(0).le16(0).le16(0).le32(crc).le32(size);
        directory.le32(size).le16(nameLength).le16(0).le16(0).le16(0).le16(0).le32(0).le32(offset);
        directory.raw(member.name);
    }
    const auto directoryOffset = static_cast<uint32_t>(file.data.size());
    const auto count = static_cast<uint16_t>(members.size());
    file.raw(directory.data);
    file.raw("PK\x05\x06"sv).le16(0).le16(0).le16(count).le16(count);
    file.le32(static_cast<uint32_t>(directory.data.size())).le32(directoryOffset);
    file.le16(static_cast<uint16_t>(comment.size())).raw(comment);
    return file.data;
}

std::string compoundFile(const std::vector<std::string> &streamNames)
{
    constexpr uint32_t FreeSector = 0xFFFFFFFFu, EndOfChain = 0xFFFFFFFEu, FatSector = 0xFFFFFFFDu;
    const size_t entries = streamNames.size() + 1;
    const uint32_t directorySectors = static_cast<uint32_t>((entries + 3) / 4);

    Bytes header;
    header.raw("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"sv).zeros(16).le16(0x3E).le16(3).le16(0xFFFE).le16(9).le16(6);
    header.zeros(6).le32(0).le32(1).le32(1).le32(0).le32(4096).le32(EndOfChain).le32(0).le32(EndOfChain).le32(0);
    header.le32(0); // the FAT lives in sector 0
    while (header.data.size() < 512)
        header.le32(FreeSector);

    Bytes fat;
    fat.le32(FatSector);
    for (uint32_t s = 1; s <= directorySectors; ++s)
        fat.le32(s == directorySectors ? EndOfChain : s + 1);
    while (fat.data.size() < 512)
        fat.le32(FreeSector);

    Bytes directory;
    auto entry = [&](std::string_view name, uint8_t type) {
        Bytes one;
        for (char c : name)
            one.le16(static_cast<uint8_t>(c));
        one.le16(0).padTo(64).le16(static_cast<uint16_t>((name.size() + 1) * 2)).u8(type).u8(1);
        one.le32(FreeSector).le32(FreeSector).le32(FreeSector).padTo(116).le32(EndOfChain).le32(0).le32(0);
        directory.raw(one.data);
    };
    entry("Root Entry", 5);
    for (const std::string &name : streamNames)
        entry(name, 2);
    directory.padTo(directorySectors * 512);
    return header.data + fat.data + directory.data;
}

std::string deflatedWordContentTypes()
{
    return "\x75\x8E\x41\x0E\xC2\x30\x0C\x04\xBF\x52\xF5\x8A\x48\x3E\x50\xB8\x70\x07\x0E\x7C\xC0\x4A\x5C\x64\x29\xB6\x23\xC7\x14\xFA\x7B\x52\x21\xF5\xC6\x71\xB5\xB3\xA3\x9D\x6E\x0B\x9A\x51\xC6\xE1\x0E\xE6\x57\x60\x3C\x8D\xF1\xAD\x96\x63\xD6\xF4\x62\x14\x0F\x1F\x2E\xE3\x70\x51\xF1\x1E\x1E\x6B\xED\x00\xD4\x5A\x28\x81\x93\x4A\x5C\x24\x07\xAD\x28\x9D\x9A\xD5\x18\xBC\x1D\x75\x9E\x29\xE1\xBE\xDF\x6C\xD5\x34\x61\x6B\x24\x4F\x2E\x61\x6F\x18\x48\x0E\x9B\x3E\x9E\xA7\xBF\x3F\x9A\xAF\x05\x5B\xF8\x61\x5F"s;
}

std::string pngImage()
{
    Bytes ihdr;
    ihdr.raw("IHDR").be32(1).be32(1).u8(8).u8(2).u8(0).u8(0).u8(0);
    Bytes file;
    file.raw("\x89PNG\r\n\x1A\n"sv).be32(13).raw(ihdr.data).be32(crc32(ihdr.data));
    file.be32(0).raw("IEND").be32(crc32("IEND"));
    return file.data;
}

std::string jpegImage()
{
    return Bytes{}.raw("\xFF\xD8\xFF\xE0"sv).be16(16).raw("JFIF\0"sv).u8(1).u8(1).u8(0).be16(1).be16(1).u8(0).u8(0)
        .raw("\xFF\xD9"sv).data;
}

std::string gifImage() { return Bytes{}.raw("GIF89a").le16(1).le16(1).u8(0).u8(0).u8(0).raw(";").data; }

std::string icoImage()
{
    return Bytes{}.le16(0).le16(1).le16(1).u8(16).u8(16).u8(0).u8(0).le16(1).le16(32).le32(40).le32(22).zeros(40).data;
}

std::string pdfDocument() { return "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<< /Type /Catalog >>\nendobj\ntrailer\n%%EOF\n"; }

std::string mp3Frames()
{
    // MPEG-1 layer III, 128 kbit/s, 44.1 kHz: 417-byte frames.
    Bytes frames;
    for (int i = 0; i < 3; ++i)
        frames.raw("\xFF\xFB\x90\x00"sv).zeros(413);
    return frames.data;
}

std::string isoMedia(std::string_view majorBrand, std::vector<std::string_view> compatible)
{
    Bytes box;
    box.be32(static_cast<uint32_t>(16 + 4 * compatible.size())).raw("ftyp").raw(majorBrand).be32(0);
    for (std::string_view brand : compatible)
        box.raw(brand);
    box.be32(8).raw("free").be32(8).raw("mdat");
    return box.data;
}

std::string elfImage(uint16_t type, bool withInterpreter)
{
    Bytes file;
    file.raw("\x7F" "ELF"sv).u8(2).u8(1).u8(1).u8(0).zeros(8).le16(type).le16(0x3E).le32(1);
    file.le64(0).le64(64).le64(0).le32(0).le16(64).le16(56).le16(1).le16(64).le16(0).le16(0);
    file.le32(withInterpreter ? 3 : 1).le32(4).le64(0).le64(0).le64(0).le64(0).le64(0).le64(8);
    return file.data;
}

} // namespace tivex::test
