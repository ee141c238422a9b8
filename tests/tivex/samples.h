// Minimal but structurally valid files of many formats, built byte by byte, so the
// recognition tests need no sample files from elsewhere.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tivex::test {

// Appends integers to a byte string.
struct Bytes {
    std::string data;

    Bytes &raw(std::string_view bytes);
    Bytes &zeros(size_t count);
    Bytes &u8(uint8_t value);
    Bytes &le16(uint16_t value);
    Bytes &le32(uint32_t value);
    Bytes &le64(uint64_t value);
    Bytes &be16(uint16_t value);
    Bytes &be32(uint32_t value);
    Bytes &padTo(size_t size);
};

struct ZipMember {
    std::string name;
    std::string content;
};

// A stored (uncompressed) ZIP archive with a central directory and an end record.
std::string zipArchive(const std::vector<ZipMember> &members, std::string_view comment = {});

// An OLE2 compound file with 512-byte sectors whose directory holds the given stream
// names after the root entry (spilling into a second directory sector when needed).
std::string compoundFile(const std::vector<std::string> &streamNames);

// zlib's raw deflate of a Word document's content-type entries, long enough for dynamic
// Huffman codes: <Override PartName="/word/document.xml" ContentType="application/vnd.
// openxmlformats-officedocument.wordprocessingml.document.main+xml"/><Override PartName="/word/styles.xml"/>
std::string deflatedWordContentTypes();

std::string pngImage();
std::string jpegImage();
std::string gifImage();
std::string icoImage();
std::string pdfDocument();
std::string mp3Frames();
std::string isoMedia(std::string_view majorBrand, std::vector<std::string_view> compatible);
std::string elfImage(uint16_t type, bool withInterpreter);

} // namespace tivex::test
