// Every type the engine recognises from content, checked the way users meet it: the
// file without an extension, under its own extensions, and under a wrong one. A type that
// a sample in tests/data/formats shows is checked there; the hand-made samples below
// cover structures those samples leave out. A sample built from the engine's own
// signature table would prove nothing, so every type needs one made from elsewhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include <tivex.h>
#include <tivex_name_rule.h>

#include "sample_files.h"
#include "samples.h"
#include "test_support.h"
#include "text_util.h"
#include "tivex_engine.h"
#include "type_table.h"

using namespace std::literals;

namespace tivex::test {
namespace {

struct TypeSample {
    std::string label;
    std::string typeId;
    std::string bytes;
};

// Failure messages name the sample, not the object's bytes.
void PrintTo(const TypeSample &sample, std::ostream *out) { *out << sample.label; }

std::string padded(std::string bytes, size_t size = 1024) { return Bytes{std::move(bytes)}.padTo(size).data; }

// An Office package that names its main part only through its content type.
std::string officePackage(std::string_view folder, std::string_view mainPartType)
{
    const std::string types = "<?xml version=\"1.0\"?><Types><Override PartName=\"/main.xml\" ContentType=\""
                              "application/vnd." + std::string(mainPartType) + "\"/></Types>";
    return zipArchive({{"[Content_Types].xml", types}, {std::string(folder) + "/main.xml", "<x/>"}});
}

// A tar header block with its checksum filled in: the sum of its bytes, the checksum
// field counted as blanks.
std::string tarHeader(std::string block)
{
    block.replace(148, 8, 8, ' ');
    unsigned sum = 0;
    for (const char c : block)
        sum += static_cast<unsigned char>(c);
    char field[8];
    std::snprintf(field, sizeof field, "%06o", sum);
    return block.replace(148, 7, field, 7);
}

std::string openDocument(std::string_view mimetype)
{
    return zipArchive({{"mimetype", std::string(mimetype)}, {"content.xml", "<office:document-content/>"}});
}

// ---- Binary samples -------------------------------------------------------------------

std::string tiffWithMaker(std::string_view maker)
{
    return padded(Bytes{}.raw("II*\0"sv).le32(16).raw(maker).data, 256);
}

std::string jpeg2000(std::string_view brand)
{
    return padded(Bytes{}.raw("\x00\x00\x00\x0CjP  \r\n\x87\n"sv).be32(20).raw("ftyp").raw(brand).be32(0).raw(brand).data,
                  256);
}

std::string mpegFrames(std::string_view header, size_t frameLength, int count = 3)
{
    Bytes frames;
    for (int i = 0; i < count; ++i)
        frames.raw(header).zeros(frameLength - header.size());
    return frames.data;
}

std::string riffForm(std::string_view form) { return padded(Bytes{}.raw("RIFF").le32(100).raw(form).data, 108); }

std::string iffForm(std::string_view magic, std::string_view form)
{
    return padded(Bytes{}.raw(magic).be32(100).raw(form).data, 108);
}

std::string annexB(uint8_t firstNal)
{
    return padded(Bytes{}.raw("\x00\x00\x00\x01"sv).u8(firstNal).raw("\x01\x02\x03"sv).raw("\x00\x00\x00\x01\x68"sv).data,
                  64);
}

std::string asfFile(std::string_view streamGuid)
{
    return padded(Bytes{}.raw("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C"sv).le64(200).le32(1)
                      .zeros(2).raw(streamGuid).data,
                  256);
}

std::string peWithSubsystem(uint16_t subsystem)
{
    Bytes file;
    file.raw("MZ").le16(0x90).le16(3).le16(0).le16(4).padTo(0x3C).le32(0x40);
    file.raw("PE\0\0"sv).le16(0x8664).le16(0).le32(0).le32(0).le32(0).le16(0xF0).le16(0x0022).le16(0x20B);
    file.padTo(0x40 + 24 + 68).le16(subsystem).padTo(512);
    return file.data;
}

std::string machO(uint32_t fileType) { return padded(Bytes{}.raw("\xCF\xFA\xED\xFE"sv).le32(0x01000007).le32(3).le32(fileType).data, 64); }

std::vector<TypeSample> handMadeSamples()
{
    return {
        {"doc_second_directory_sector", "doc", compoundFile({"1Table", "CompObj", "ObjectPool", "Data", "WordDocument"})},
        {"ppt", "ppt", compoundFile({"Current User", "PowerPoint Document"})},
        {"iso", "iso", Bytes{}.zeros(32768).u8(1).raw("CD001").u8(1).padTo(34816).data},
        {"mpeg1_video", "m1v", padded("\x00\x00\x01\xB3\x06\x00\x40\x13\xFF\xFF\xE0\x18\x00\x00\x01\xB8"s, 256)},
        {"mpeg2_video", "m2v", padded("\x00\x00\x01\xB3\x06\x00\x40\x13\xFF\xFF\xE0\x18\x00\x00\x01\xB5\x14\x8A"s, 256)},
        {"cri_adx", "adx", padded(padded("\x80\x00\x00\x20\x03\x12\x04\x02"s, 30) + "(c)CRI"s, 256)},
        {"multipart_jpeg", "mpjpeg", "--ffmpeg\r\nContent-type: image/jpeg\r\nContent-length: 4\r\n\r\n\xFF\xD8\xFF\xD9\r\n"s},
        {"python_zipapp", "pyz", "#!/usr/bin/env python3\n"s + zipArchive({{"__main__.py", "print(1)\n"}})},
        {"elf_executable", "elf", elfImage(2, false)},
        {"macho_fat", "macho-fat", Bytes{}.raw("\xCA\xFE\xBA\xBE"sv).be32(2).be32(0x01000007).be32(3).be32(0x1000).be32(0x100).be32(12)
         .be32(0x0100000C).be32(0).be32(0x2000).be32(0x100).be32(14).data},
        {"text_ascii", "text", "hello, world\nsecond line\n"s},
        {"text_utf8", "text", "こんにちは、世界\n"s},
        {"text_shift_jis", "text", "\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD\x81\x41\x90\xA2\x8A\x45\n"s},
        {"text_euc_jp", "text", "\xA4\xB3\xA4\xF3\xA4\xCB\xA4\xC1\xA4\xCF\xA1\xA2\xC0\xA4\xB3\xA6\n"s},
        {"text_utf16", "text", "\xFF\xFEh\0i\0\n\0"s},
        {"text_starting_like_a_bitmap", "text", "BMW and Audi are car makers.\n"s},
        {"html_fragment", "html", "  <div class=\"a\">x</div>\n"s},
        // The first member is larger than the head, so only the directory at the end shows the
        // workbook, and the end record is as far from the end as the longest comment puts it.
        {"xlsx_known_by_its_directory_behind_the_longest_comment", "xlsx",
         zipArchive({{"media/big.bin", std::string(100 * 1024, 'x')}, {"[Content_Types].xml", "<Types/>"}, {"xl/workbook.xml", "<w/>"}},
         std::string(65535, 'c'))},
        {"pptx_cut_before_its_directory", "pptx", [] {
             std::string archive = zipArchive({{"[Content_Types].xml", "<Types/>"}, {"ppt/presentation.xml", "<p/>"}});
             return archive.substr(0, archive.find("PK\x01\x02"));
         }()},
        {"python_script", "py", "#!/usr/bin/env python3\nprint('hi')\n"s},
        {"tiff_cr2", "cr2", tiffWithMaker("CR\x02\x00"sv)},
        {"cursor", "cur", [] { std::string ico = icoImage(); ico[2] = 2; return ico; }()},
        {"jpx", "jpx", jpeg2000("jpx ")},
        {"jpm", "jpm", jpeg2000("jpm ")},
        {"mj2", "mj2", jpeg2000("mjp2")},
        {"pfm", "pfm", Bytes{}.raw("PF\n1 1\n-1.0\n").zeros(12).data},
        {"phm", "phm", Bytes{}.raw("PH\n1 1\n-1.0\n").zeros(6).data},
        // A GNU volume label header: name, empty mode and size fields, type 'V'.
        {"tar_volume_label", "tar", tarHeader(Bytes{}.raw("ARCHIVE 2026").padTo(156).u8('V').padTo(512).data) + std::string(1024, '\0')},
        {"emf", "emf", padded(Bytes{}.le32(1).le32(108).padTo(40).raw(" EMF").data, 256)},
        {"pfa", "pfa", "%!PS-AdobeFont-1.0: Test 001\n/FontName /Test def\n"s},
        {"ole2_generic", "ole2", compoundFile({"Contents"})},
        {"msg", "msg", compoundFile({"__substg1.0_0037001F", "__properties_version1.0"})},
        {"vsd", "vsd", compoundFile({"VisioDocument"})},
        {"pub", "pub", compoundFile({"Quill", "Contents"})},
        {"hwp", "hwp", compoundFile({"FileHeader", "HwpSummaryInformation"})},
        {"ooxml_encrypted", "ooxml-encrypted", compoundFile({"EncryptionInfo", "EncryptedPackage"})},
        {"docm", "docm", officePackage("word", "ms-word.document.macroEnabled.main+xml")},
        {"dotx", "dotx", officePackage("word", "openxmlformats-officedocument.wordprocessingml.template.main+xml")},
        {"dotm", "dotm", officePackage("word", "ms-word.template.macroEnabledTemplate.main+xml")},
        {"xlsm", "xlsm", officePackage("xl", "ms-excel.sheet.macroEnabled.main+xml")},
        {"xltx", "xltx", officePackage("xl", "openxmlformats-officedocument.spreadsheetml.template.main+xml")},
        {"xltm", "xltm", officePackage("xl", "ms-excel.template.macroEnabled.main+xml")},
        {"xlsb", "xlsb", officePackage("xl", "ms-excel.sheet.binary.macroEnabled.main")},
        {"xlam", "xlam", officePackage("xl", "ms-excel.addin.macroEnabled.main+xml")},
        {"pptm", "pptm", officePackage("ppt", "ms-powerpoint.presentation.macroEnabled.main+xml")},
        {"ppsx", "ppsx", officePackage("ppt", "openxmlformats-officedocument.presentationml.slideshow.main+xml")},
        {"ppsm", "ppsm", officePackage("ppt", "ms-powerpoint.slideshow.macroEnabled.main+xml")},
        {"potx", "potx", officePackage("ppt", "openxmlformats-officedocument.presentationml.template.main+xml")},
        {"potm", "potm", officePackage("ppt", "ms-powerpoint.template.macroEnabled.main+xml")},
        {"vsdx", "vsdx", officePackage("visio", "ms-visio.drawing.main+xml")},
        // Office deflates the list: the main part's type in it outweighs a macro part's name.
        {"docx_deflated", "docx", [] {
             std::string archive = zipArchive({{"[Content_Types].xml", deflatedWordContentTypes()},
                                               {"word/document.xml", "<w/>"}, {"word/vbaProject.bin", "x"}});
             archive[8] = 8;                                 // local header: method
             archive[archive.find("PK\x01\x02"sv) + 10] = 8; // central header: method
             return archive;
         }()},
        {"docm_by_names", "docm", zipArchive({{"[Content_Types].xml", "<T/>"}, {"word/document.xml", "<w/>"}, {"word/vbaProject.bin", "x"}})},
        {"xlsb_by_names", "xlsb", zipArchive({{"[Content_Types].xml", "<T/>"}, {"xl/workbook.bin", "x"}})},
        {"xps", "xps", zipArchive({{"[Content_Types].xml", "<T/>"}, {"FixedDocumentSequence.fdseq", "<F/>"}})},
        {"3mf", "3mf", zipArchive({{"[Content_Types].xml", "<T/>"}, {"3D/3dmodel.model", "<model/>"}})},
        {"nupkg", "nupkg", zipArchive({{"[Content_Types].xml", "<T/>"}, {"Example.nuspec", "<package/>"}})},
        {"vsix", "vsix", zipArchive({{"[Content_Types].xml", "<T/>"}, {"extension.vsixmanifest", "<V/>"}})},
        {"appx", "appx", zipArchive({{"AppxManifest.xml", "<Package/>"}, {"[Content_Types].xml", "<T/>"}})},
        {"apk", "apk", zipArchive({{"AndroidManifest.xml", "x"}, {"classes.dex", "dex\n035"}, {"META-INF/MANIFEST.MF", "M"}})},
        {"aab", "aab", zipArchive({{"BundleConfig.pb", "x"}, {"base/manifest/AndroidManifest.xml", "x"}})},
        {"aar", "aar", zipArchive({{"AndroidManifest.xml", "x"}, {"classes.jar", "PK"}})},
        {"ipa", "ipa", zipArchive({{"Payload/App.app/Info.plist", "x"}})},
        {"war", "war", zipArchive({{"META-INF/MANIFEST.MF", "M"}, {"WEB-INF/web.xml", "<web-app/>"}})},
        {"ear", "ear", zipArchive({{"META-INF/MANIFEST.MF", "M"}, {"META-INF/application.xml", "<a/>"}})},
        {"jar_without_manifest", "jar", zipArchive({{"org/example/Main.class", "\xCA\xFE\xBA\xBE"}})},
        {"whl", "whl", zipArchive({{"pkg/__init__.py", ""}, {"pkg-1.0.dist-info/WHEEL", "Wheel-Version: 1.0"}})},
        {"egg", "egg", zipArchive({{"EGG-INFO/PKG-INFO", "x"}})},
        {"xpi", "xpi", zipArchive({{"manifest.json", "{}"}, {"background.js", ""}})},
        {"kmz", "kmz", zipArchive({{"doc.kml", "<kml/>"}})},
        {"npz", "npz", zipArchive({{"a.npy", "\x93NUMPY"}})},
        {"odf", "odf", openDocument("application/vnd.oasis.opendocument.formula")},
        {"odb", "odb", openDocument("application/vnd.oasis.opendocument.base")},
        {"odc", "odc", openDocument("application/vnd.oasis.opendocument.chart")},
        {"odm", "odm", openDocument("application/vnd.oasis.opendocument.text-master")},
        {"ott", "ott", openDocument("application/vnd.oasis.opendocument.text-template")},
        {"ots", "ots", openDocument("application/vnd.oasis.opendocument.spreadsheet-template")},
        {"otp", "otp", openDocument("application/vnd.oasis.opendocument.presentation-template")},
        {"otg", "otg", openDocument("application/vnd.oasis.opendocument.graphics-template")},
        {"sxw", "sxw", openDocument("application/vnd.sun.xml.writer")},
        {"sxc", "sxc", openDocument("application/vnd.sun.xml.calc")},
        {"sxi", "sxi", openDocument("application/vnd.sun.xml.impress")},
        {"sxd", "sxd", openDocument("application/vnd.sun.xml.draw")},
        {"ora", "ora", openDocument("image/openraster")},
        {"kra", "kra", openDocument("application/x-krita")},
        {"udf", "udf", Bytes{}.zeros(32768).u8(0).raw("BEA01").u8(1).padTo(34816).data},
        {"dmg", "dmg", Bytes{}.raw("\x78\xDA"sv).zeros(4094).raw("koly").be32(4).padTo(4096 + 512).data},
        {"vhd_fixed", "vhd", Bytes{}.u8(0xEB).u8(0x3C).zeros(4094).raw("conectix").padTo(4096 + 512).data},
        {"disk_ext4", "img", Bytes{}.zeros(1024).padTo(1024 + 24).le32(2).padTo(1024 + 56).le16(0xEF53).le16(1).padTo(8192).data},
        {"mp1", "mp1", mpegFrames("\xFF\xFF\x90\x00"sv, 312)},
        {"eac3", "eac3", [] {
             // frmsiz 127: (127 + 1) * 2 = 256 bytes; bsid 16.
             return mpegFrames(Bytes{}.raw("\x0B\x77"sv).u8(0x00).u8(0x7F).u8(0x30).u8(16 << 3).data, 256);
         }()},
        {"ani", "ani", riffForm("ACON")},
        {"rmi", "rmi", riffForm("RMID")},
        {"sf2", "sf2", riffForm("sfbk")},
        {"dls", "dls", riffForm("DLS ")},
        {"qcp", "qcp", riffForm("QLCM")},
        {"8svx", "8svx", iffForm("FORM", "8SVX")},
        {"beam", "beam", iffForm("FOR1", "BEAM")},
        {"maud", "maud", iffForm("FORM", "MAUD")},
        {"h264", "h264", annexB(0x67)},
        {"hevc", "hevc", annexB(0x40)},
        {"asf", "asf", asfFile("\x00\x00\x00\x00"sv)},
        {"fli", "fli", Bytes{}.le32(128).le16(0xAF12).le16(1).le16(320).le16(200).padTo(128).data},
        {"m4b", "m4b", isoMedia("M4B ", {"M4B ", "mp42"})},
        {"m4v", "m4v", isoMedia("M4V ", {"M4V ", "mp42"})},
        {"f4v", "f4v", isoMedia("f4v ", {"isom"})},
        {"cr3", "cr3", isoMedia("crx ", {"crx ", "isom"})},
        {"heif", "heif", isoMedia("mif1", {"mif1", "miaf"})},
        {"quicktime_atoms", "mov", padded(Bytes{}.be32(8).raw("wide").be32(16).raw("mdat").data, 64)},
        {"sys", "sys", peWithSubsystem(1)},
        {"efi", "efi", peWithSubsystem(10)},
        {"dos", "exe-dos", padded(Bytes{}.raw("MZ").le16(0x90).le16(3).le16(0).le16(4).le16(0).le16(0xFFFF).data, 512)},
        {"elf_core", "elf-core", elfImage(4, false)},
        {"appimage", "appimage", elfImage(2, false).replace(8, 3, "AI\x02")},
        {"macho", "macho", machO(2)},
        {"macho_dylib", "macho-dylib", machO(6)},
        {"macho_bundle", "macho-bundle", machO(8)},
        {"macho_object", "macho-o", machO(1)},
        {"terminfo", "terminfo", [] {
             const std::string names = "xterm|xterm terminal emulator";
             return padded(Bytes{}.le16(0x011A).le16(static_cast<uint16_t>(names.size() + 1)).le16(0).le16(0).le16(0).le16(0)
                               .raw(names).u8(0).data,
                           128);
         }()},
        {"gpkg", "gpkg", padded(Bytes{}.raw("SQLite format 3\0"sv).be16(4096).padTo(68).raw("GPKG").data, 512)},
        {"gpg_sig", "gpg-sig", padded(Bytes{}.raw("\x89\x01\x33\x04\x00\x01\x08\x00"sv).data, 310)},
        {"eot", "eot", [] {
             Bytes file;
             file.le32(512).le32(400).le32(0x00020001).le32(0).zeros(18).le16(0x504C);
             return file.padTo(512).data;
         }()},
        {"pfb", "pfb", padded(Bytes{}.raw("\x80\x01"sv).le32(100).raw("%!PS-AdobeFont-1.0: Foo").data, 256)},
        {"psf1", "psf", padded(Bytes{}.raw("\x36\x04"sv).u8(2).u8(16).data, 4096 + 4)},
        {"stl", "stl", Bytes{}.raw("binary STL from a test").padTo(80).le32(2).zeros(100).data},
        {"pdf_after_junk", "pdf", "Junk before the header\r\n"s + pdfDocument()},
        // Text with a proven structure
        {"xhtml", "xhtml", "<?xml version=\"1.0\"?>\n<html xmlns=\"http://www.w3.org/1999/xhtml\"><body/></html>\n"s},
        {"rss", "rss", "<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel/></rss>\n"s},
        {"atom", "atom", "<?xml version=\"1.0\"?>\n<feed xmlns=\"http://www.w3.org/2005/Atom\"/>\n"s},
        {"gpx", "gpx", "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\"/>\n"s},
        {"kml", "kml", "<?xml version=\"1.0\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\"/>\n"s},
        {"xsl", "xsl", "<?xml version=\"1.0\"?>\n<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\"/>\n"s},
        {"xsd", "xsd", "<?xml version=\"1.0\"?>\n<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\"/>\n"s},
        {"opml", "opml", "<?xml version=\"1.0\"?>\n<opml version=\"2.0\"><body/></opml>\n"s},
        {"fb2", "fb2", "<?xml version=\"1.0\"?>\n<FictionBook xmlns=\"http://www.gribuser.ru/xml/fictionbook/2.0\"/>\n"s},
        {"xspf", "xspf", "<?xml version=\"1.0\"?>\n<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\"/>\n"s},
        {"svg_undeclared", "svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1\" height=\"1\"/>\n"s},
        {"json_lines", "json", "{\"a\": 1}\n{\"a\": 2}\n"s},
        {"yaml_directive", "yaml", "%YAML 1.2\n---\nname: value\n"s},
        {"desktop", "desktop", "# comment\n[Desktop Entry]\nName=Editor\nExec=editor %f\nType=Application\n"s},
        {"url", "url", "[InternetShortcut]\r\nURL=https://example.org/\r\n"s},
        {"reg", "reg", "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Example]\r\n"s},
        {"reg_utf16", "reg", Bytes{}.raw("\xFF\xFE"sv).raw(std::string("W\0i\0n\0d\0o\0w\0s\0 \0R\0e\0g\0i\0s\0t\0r\0y\0 \0E\0d\0i\0t\0o\0r\0\r\0\n\0", 50)).data},
        {"bib", "bib", "% refs\n@article{knuth84,\n  author = {Donald Knuth},\n  title = {Literate Programming}\n}\n"s},
        {"apple_strings", "apple-strings", "/* Title of\n   the window */\n\"title\" = \"Quay\";\n\n\"greeting\" = \"Hello, %@\";\n"s},
        {"tekhex", "tekhex", "%186CE41040488D3DA90F0000\n%0A81E41040\n"s},
        {"texinfo", "texinfo", "\\input texinfo\n@setfilename sample.info\n@settitle Sample\n"s},
        {"info", "info", "This is sample.info, produced by makeinfo version 6.8 from sample.texi.\n\n\x1F\nFile: sample.info\n"s},
        {"man_commented", "man", ".\\\" Manual page\n.TH SAMPLE 1\n.SH NAME\nsample\n"s},
        {"troff", "troff", ".\\\" A memo\n.TL\nA title\n.PP\nText.\n"s},
        {"tcl_through_sh", "tcl", "#!/bin/sh\n# the next line restarts using tclsh \\\nexec tclsh \"$0\" \"$@\"\nputs hello\n"s},
        {"ruby", "rb", "#!/usr/bin/env ruby\nputs 'hi'\n"s},
        {"perl", "pl", "#!/usr/bin/perl -w\nuse strict;\nprint \"hi\\n\";\n"s},
        {"php", "php", "<?php\necho 'hi';\n"s},
        {"lua", "lua", "#!/usr/bin/env lua\nprint('hi')\n"s},
        {"shell", "sh", "#!/bin/sh\necho hi\n"s},
        {"bash_env", "sh", "#!/usr/bin/env bash\nset -e\n"s},
        {"awk", "awk", "#!/usr/bin/awk -f\n{ print $1 }\n"s},
        {"sed", "sed", "#!/bin/sed -f\ns/a/b/\n"s},
        {"node", "js", "#!/usr/bin/env node\nconsole.log('hi');\n"s},
        {"powershell", "ps1", "#!/usr/bin/env pwsh\nWrite-Host 'hi'\n"s},
        {"make_script", "makefile", "#!/usr/bin/make -f\n%:\n\tdh $@\n"s},
        {"pc", "pc", "prefix=/usr\nlibdir=${prefix}/lib\n\nName: zlib\nDescription: compression\nVersion: 1.3\nLibs: -L${libdir} -lz\n"s},
        {"la", "la", "# libz.la - a libtool library file\n# Generated by libtool\ndlname='libz.so.1'\n"s},
        {"sln", "sln", "\r\nMicrosoft Visual Studio Solution File, Format Version 12.00\r\n"s},
        {"patch_git", "patch", "diff --git a/x b/x\nindex 1..2 100644\n--- a/x\n+++ b/x\n@@ -1 +1 @@\n-a\n+b\n"s},
        {"m3u", "m3u", "#EXTM3U\n#EXTINF:123,Artist - Title\nsong.mp3\n"s},
        {"pls", "pls", "[playlist]\nFile1=song.mp3\nNumberOfEntries=1\n"s},
        {"cue", "cue", "PERFORMER \"Artist\"\nFILE \"album.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"s},
        {"vcf", "vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Taro\r\nEND:VCARD\r\n"s},
        {"ics", "ics", "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n"s},
        {"eml", "eml", "Return-Path: <a@example.org>\nFrom: A <a@example.org>\nTo: b@example.org\nSubject: hi\nDate: Mon, 1 Jan 2024 00:00:00 +0000\n\nBody\n"s},
        {"mht", "mht", "From: <Saved by a browser>\nSubject: page\nDate: Mon, 1 Jan 2024 00:00:00 +0000\nMIME-Version: 1.0\nContent-Type: multipart/related; boundary=\"b\"\n\n--b\n"s},
        {"mbox", "mbox", "From a@example.org Mon Jan  1 00:00:00 2024\nFrom: a@example.org\nTo: b@example.org\nSubject: hi\n\nBody\n"s},
        {"asc", "asc", "-----BEGIN PGP SIGNATURE-----\n\niQEz\n-----END PGP SIGNATURE-----\n"s},
        {"ssh_key", "ssh-key", "ssh-ed25519 AAAAC3NzaC1lZDI1NTE5AAAAI user@host\n"s},
        {"afm", "pfa-afm", "StartFontMetrics 4.1\nFontName Test\nEndFontMetrics\n"s},
        {"bdf", "bdf", "STARTFONT 2.1\nFONT -misc-fixed\nENDFONT\n"s},
        {"stl_ascii", "stl-ascii", "solid cube\n  facet normal 0 0 1\n    outer loop\n    endloop\n  endfacet\nendsolid cube\n"s},
        {"dxf", "dxf", "0\nSECTION\n2\nHEADER\n0\nENDSEC\n0\nEOF\n"s},
        {"step", "step", "ISO-10303-21;\nHEADER;\nENDSEC;\n"s},
        {"vrml", "vrml", "#VRML V2.0 utf8\nShape {}\n"s},
        {"ihex", "ihex", ":10010000214601360121470136007EFE09D2190140\n:00000001FF\n"s},
        {"srec", "srec", "S00F000068656C6C6F202020202000003C\nS9030000FC\n"s},
        {"lyx", "lyx", "#LyX 2.3 created this file.\n\\lyxformat 544\n"s},
        {"gpl", "gpl", "GIMP Palette\nName: Test\n#\n  0   0   0 Black\n"s},
        {"shar", "shar", "# This is a shell archive.  Save it in a file, remove anything before\n# this line, and then unpack it.\n"s},
        // Text told by the scored model
        {"c", "c", "#include <stdio.h>\n#include \"local.h\"\n\n#define LIMIT 10\n\nstatic int counter;\n\n"
         "int main(void)\n{\n    printf(\"%d\\n\", LIMIT);\n    return 0;\n}\n"},
        {"cpp", "cpp", "#include <iostream>\n#include <vector>\n\nnamespace demo {\nclass Counter {\npublic:\n    int next();\nprivate:\n    int m_value = 0;\n};\n}\n"s},
        {"csharp", "cs", "using System;\nusing System.IO;\n\nnamespace Demo\n{\n    class Program { }\n}\n"s},
        {"java", "java", "package org.example;\n\nimport java.util.List;\nimport java.io.File;\n\npublic class Main {\n    @Override\n    public String toString() { return \"\"; }\n}\n"s},
        {"go", "go", "package main\n\nimport (\n\t\"fmt\"\n)\n\nfunc main() {\n\tfmt.Println(\"hi\")\n}\n"s},
        {"rust", "rs", "use std::io;\n\n#[derive(Debug)]\npub struct Point { x: i32 }\n\nfn main() {\n    let mut p = Point { x: 1 };\n}\n"s},
        {"javascript", "js", "'use strict';\nconst fs = require('fs');\nmodule.exports = function (a) {\n  console.log(a);\n};\n"s},
        {"typescript", "typescript", "import type { A } from './a';\n\nexport interface Point {\n  x: number;\n}\nexport type Id = string;\n"s},
        {"python", "py", "import os\nfrom sys import argv\n\n\ndef main():\n    print(argv)\n\n\nif __name__ == '__main__':\n    main()\n"s},
        {"perl_module", "pl", "package Foo::Bar;\nuse strict;\nuse warnings;\n\nsub new {\n    my $class = shift;\n    return bless {}, $class;\n}\n\n1;\n"s},
        {"pod", "pod", "=head1 NAME\n\nFoo - does things\n\n=head1 SYNOPSIS\n\n  use Foo;\n\n=cut\n"s},
        {"shell_without_shebang", "sh", "# sourced by the others\nif [ -z \"$HOME\" ]; then\n    echo missing\nfi\nexport PATH\n"s},
        {"batch", "bat", "@echo off\r\nsetlocal\r\nset NAME=x\r\ngoto end\r\n:end\r\n"s},
        {"vbscript", "vbs", "Option Explicit\r\nDim shell\r\nSet shell = WScript.CreateObject(\"WScript.Shell\")\r\n"s},
        {"makefile", "makefile", "CC = gcc\n\nall: main\n\nmain: main.o\n\t$(CC) -o $@ $^\n\n.PHONY: all clean\nclean:\n\trm -f main\n"s},
        {"cmake", "cmake", "cmake_minimum_required(VERSION 3.20)\nproject(demo)\nadd_executable(demo main.c)\n"s},
        {"yaml", "yaml", "name: demo\nversion: 1\ndependencies:\n  - name: lib\n    version: 2\nsettings:\n  debug: true\n"s},
        {"toml", "toml", "[package]\nname = \"demo\"\nversion = \"0.1.0\"\n\n[dependencies]\nserde = \"1\"\n"s},
        {"ini", "ini", "[General]\nname=demo\nsize=3\n\n[Window]\nwidth=640\nheight=480\n"s},
        {"css", "css", "body {\n  margin: 0;\n  color: #333;\n}\n\n.header {\n  font-size: 2em;\n}\n"s},
        {"lua_module", "lua", "local M = {}\n\nlocal function helper(x)\n  return x\nend\n\nfunction M.run()\nend\n\nreturn M\n"s},
        {"tcl", "tcl", "package require Tk\n\nproc greet {name} {\n    puts \"hi $name\"\n}\nnamespace eval demo {}\n"s},
        {"vim", "vim", "\" Vim plugin\nif exists('g:loaded_demo')\n  finish\nendif\nlet g:loaded_demo = 1\nnnoremap <leader>d :echo 'd'<CR>\n"s},
        {"elisp", "elisp", ";;; demo.el --- a demo  -*- lexical-binding: t -*-\n\n(require 'cl-lib)\n\n(defun demo () (interactive))\n\n(provide 'demo)\n"s},
        {"markdown", "md", "# Title\n\nSome text with a [link](https://example.org).\n\n## Usage\n\n```sh\nmake\n```\n"s},
        {"asciidoc", "adoc", "= Title\n\n== Usage\n\n[source,sh]\n----\nmake\n----\n\nNOTE: Needs make.\n"s},
        {"mediawiki", "wiki", "= Title =\n\nSome '''bold''' text.\n\n== Part ==\n\n{|\n| cell\n|}\n"s},
        {"textile", "textile", "h1. Title\n\nSome *bold* text.\n\nbq. A quotation.\n"s},
        {"assembly", "asm", "\t.file\t\"a.c\"\n\t.text\n\t.globl\tf\n\t.type\tf, @function\nf:\n.LFB0:\n\t.cfi_startproc\n\tret\n"s},
        {"sfd", "sfd", "SplineFontDB: 3.2\nFontName: Sample\nFullName: Sample\n"s},
        {"llvm_ir", "llvm-ir", "; ModuleID = 'a.c'\nsource_filename = \"a.c\"\n\ndefine i32 @f() {\n  ret i32 0\n}\n"s},
        {"hls", "hls", "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:1\n#EXTINF:1.0,\nplay0.ts\n#EXT-X-ENDLIST\n"s},
        {"ssh_signature", "ssh-sig", "-----BEGIN SSH SIGNATURE-----\nU1NIU0lHAAAAAQ==\n-----END SSH SIGNATURE-----\n"s},
        {"dtd", "dtd", "<!ELEMENT log (day+)>\n<!ATTLIST day n CDATA #REQUIRED>\n"s},
        {"sylk", "slk", "ID;PCALCOOO32\nC;X1;Y1;K\"a\"\nC;X2;Y1;K\"b\"\nE\n"s},
        {"dif", "dif", "TABLE\r\n0,1\r\n\"EXCEL\"\r\nVECTORS\r\n0,2\r\n\"\"\r\nEOD\r\n"s},
        {"ipynb", "ipynb", "{\n \"cells\": [\n  {\n   \"cell_type\": \"code\",\n   \"source\": []\n  }\n ],\n \"nbformat\": 4\n}\n"s},
        {"postscript_body", "ps", "% Copyright notice\n/square { dup mul } bind def\n/cube { dup dup mul mul } bind def\ncurrentdict end\n"s},
        {"modeline", "cpp", "// <vector> -*- C++ -*-\n\n// Copyright notice\n"s},
        {"xwd", "xwd", padded(Bytes{}.be32(104).be32(7).be32(2).be32(24).be32(8).be32(8).data, 512)},
        {"fodt", "fodt", "<?xml version=\"1.0\"?>\n<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" office:version=\"1.3\" office:mimetype=\"application/vnd.oasis.opendocument.text\"/>\n"s},
        {"fods", "fods", "<?xml version=\"1.0\"?>\n<office:document office:mimetype=\"application/vnd.oasis.opendocument.spreadsheet\"/>\n"s},
        {"fodp", "fodp", "<?xml version=\"1.0\"?>\n<office:document office:mimetype=\"application/vnd.oasis.opendocument.presentation\"/>\n"s},
        {"fodg", "fodg", "<?xml version=\"1.0\"?>\n<office:document office:mimetype=\"application/vnd.oasis.opendocument.graphics\"/>\n"s},
        {"lrc", "lrc", "[ar:Artist]\n[ti:Title]\n[00:01.00]First line\n[00:05.50]Second line\n"s},
        {"microdvd", "sub", "{1}{25}Hello\n{26}{50}World\n"s},
        {"fig", "fig", "#FIG 3.2  Produced by xfig\nLandscape\nCenter\n"s},
        {"troff_ms", "troff", ".nr PS 11\n.TL\nA title\n.AU\nAn author\n.PP\nText.\n"s},
        {"der_key", "der", padded(Bytes{}.raw("\x30\x82\x04\xBE\x02\x01\x00\x30\x0D\x06\x09"sv).data, 1218)},
        {"dib", "bmp", padded(Bytes{}.le32(40).le32(2).le32(2).le16(1).le16(24).le32(0).data, 64)},
        {"swift", "swift", "import Foundation\n\nfinal class Survey {\n    private var depths: [Double] = []\n\n"
         "    func deepest() -> Double? {\n        guard let first = depths.first else { return nil }\n"
         "        return depths.reduce(first, max)\n    }\n}\n"s},
        {"zig", "zig", "const std = @import(\"std\");\n\npub fn main() !void {\n    const out = std.io.getStdOut().writer();\n"
         "    try out.print(\"hi\\n\", .{});\n}\n"s},
        {"yara", "yara", "import \"pe\"\n\nrule Packed\n{\n    strings:\n        $a = \"UPX0\"\n    condition:\n        $a\n}\n"s},
        {"smali", "smali", ".class public Lcom/example/Hello;\n.super Ljava/lang/Object;\n\n.method public constructor <init>()V\n"
         "    .registers 1\n    invoke-direct {p0}, Ljava/lang/Object;-><init>()V\n    return-void\n.end method\n"s},
        {"pytorch", "pt", zipArchive({{"model/data.pkl", "\x80\x02}q\x00."}, {"model/version", "3\n"}, {"model/data/0", "xxxx"}})},
        {"tsv", "tsv", "name\tsize\tcolour\napple\t3\tred\nbanana\t5\tyellow\ncherry\t1\tred\n"s},
    };
}

std::string upper(std::string_view text)
{
    std::string result(text);
    for (char &c : result) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

std::string labelOf(const ::testing::TestParamInfo<TypeSample> &info)
{
    std::string label = info.param.label;
    for (char &c : label) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return label;
}

const TypeInfo &typeOf(const TypeSample &sample)
{
    const TypeInfo *type = typeById(sample.typeId);
    if (!type)
        ADD_FAILURE() << "sample names unknown type " << sample.typeId;
    static const TypeInfo none{};
    return type ? *type : none;
}

// A name that says nothing about the content, and one that a different format owns.
std::vector<std::string> wrongExtensions(const TypeInfo &type)
{
    std::vector<std::string> wrong{"dat"};
    for (std::string_view other : {"png"sv, "mp3"sv}) {
        if (!type.claimsExtension(other)) {
            wrong.emplace_back(other);
            break;
        }
    }
    return wrong;
}

std::vector<std::string_view> aliasesOf(const TypeInfo &type)
{
    std::vector<std::string_view> aliases;
    for (std::string_view rest = type.aliases; !rest.empty();) {
        const size_t blank = std::min(rest.find(' '), rest.size());
        aliases.push_back(rest.substr(0, blank));
        rest.remove_prefix(std::min(blank + 1, rest.size()));
    }
    return aliases;
}

class EveryType : public ::testing::TestWithParam<TypeSample> {
protected:
    Report checkAs(const std::string &name) { return checkFile(m_dir.write(name, GetParam().bytes)); }

    TempDir m_dir;
};

TEST_P(EveryType, isRecognisedWithoutAnExtension)
{
    const TypeInfo &type = typeOf(GetParam());
    const Report report = checkAs("sample");
    ASSERT_TRUE(report.ok()) << report.reason;
    ASSERT_NE(report.detection.type, nullptr) << "unrecognised";
    EXPECT_EQ(report.detection.type->id, type.id);
    EXPECT_EQ(report.proposedExt, type.ext);
    EXPECT_FALSE(report.description.empty());
}

TEST_P(EveryType, keepsEachExtensionItAccepts)
{
    const TypeInfo &type = typeOf(GetParam());
    std::vector<std::string_view> accepted = aliasesOf(type);
    if (!type.ext.empty())
        accepted.push_back(type.ext);
    for (const std::string_view alias : accepted) {
        const std::string ext(alias);
        EXPECT_EQ(checkAs("sample." + ext).proposedExt, ext) << ext;
        EXPECT_EQ(checkAs("SAMPLE." + upper(ext)).proposedExt, ext) << "upper-case " << ext;
    }
}

TEST_P(EveryType, proposesItsOwnExtensionForAWrongOne)
{
    const TypeInfo &type = typeOf(GetParam());
    for (const std::string &wrong : wrongExtensions(type)) {
        const Report report = checkAs("sample." + wrong);
        ASSERT_NE(report.detection.type, nullptr);
        EXPECT_EQ(report.detection.type->id, type.id) << wrong;
        EXPECT_EQ(report.proposedExt, type.ext) << wrong;
    }
}

// Cut-off downloads and damaged files must only ever make an inspector give up.
TEST_P(EveryType, survivesBeingCutOffAnywhere)
{
    const std::string bytes = GetParam().bytes;
    constexpr size_t EveryLengthUpTo = 600;
    const size_t stride = std::max<size_t>(1, bytes.size() / 64);
    for (size_t length = 0; length < bytes.size(); length += length < EveryLengthUpTo ? 1 : stride) {
        const std::string cut = bytes.substr(0, length);
        const Detection detection = detectBytes(ByteView(cut));
        EXPECT_EQ(detection.empty, length == 0);
        if (detection.type) {
            EXPECT_EQ(typeById(detection.type->id), detection.type);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, EveryType, ::testing::ValuesIn(handMadeSamples()), labelOf);

// ---- The table itself ---------------------------------------------------------------

bool isValidUtf8(std::string_view text) { return utf8PrefixLength(text, text.size()) == text.size(); }

TEST(TypeTableRows, areWellFormed)
{
    std::set<std::string_view> ids;
    for (const TypeInfo &type : allTypes()) {
        EXPECT_TRUE(ids.insert(type.id).second) << "duplicate id " << type.id;
        EXPECT_TRUE(type.parent.empty() || typeById(type.parent)) << type.id << ": unknown parent " << type.parent;
        EXPECT_FALSE(type.mime.empty()) << type.id;
        EXPECT_NE(type.mime.find('/'), std::string_view::npos) << type.id;
        EXPECT_FALSE(type.descJa.empty()) << type.id;
        EXPECT_FALSE(type.descEn.empty()) << type.id;
        EXPECT_FALSE(type.source.empty()) << type.id << ": name the public document its facts come from";
        EXPECT_LE(type.descJa.size() + std::string_view("（UTF-8 BOM 付き）").size(), size_t{TIVEX_DESC_WIDTH}) << type.id;
        EXPECT_TRUE(isValidUtf8(type.descJa)) << type.id;
        EXPECT_LE(type.ext.size(), names::MaxExtensionCharacters) << type.id;
        EXPECT_TRUE(type.ext.empty() || type.claimsExtension(type.ext)) << type.id;
        for (char c : std::string(type.ext) + std::string(type.aliases)) {
            EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' || c == '-' || c == '+' || c == '_')
                << type.id << " has '" << c << "' in an extension";
        }
        EXPECT_FALSE(type.aliases.starts_with(' ') || type.aliases.ends_with(' ') ||
                     type.aliases.find("  ") != std::string_view::npos)
            << type.id;
        std::set<std::string_view> seen{type.ext};
        for (const std::string_view alias : aliasesOf(type))
            EXPECT_TRUE(seen.insert(alias).second) << type.id << " repeats ." << alias;
    }
    EXPECT_GE(ids.size(), 250u);
}

// A provable type's own extension on its parent's content is a wrong name; if the
// parent claimed that extension too, the verdict could never say so. A type may share
// its parent's canonical extension on purpose (feeds are saved as .xml); its other
// extensions must still be its own.
TEST(TypeTableRows, parentsDoNotClaimTheExtensionsOfTypesTheyCannotBe)
{
    for (const TypeInfo &type : allTypes()) {
        const TypeInfo *parent = parentOf(type);
        if (!parent || !type.has(Provable))
            continue;
        std::vector<std::string_view> own = aliasesOf(type);
        own.push_back(type.ext);
        for (std::string_view ext : own) {
            if (!ext.empty() && ext != parent->ext) {
                EXPECT_FALSE(parent->claimsExtension(ext)) << parent->id << " claims ." << ext;
            }
        }
    }
}

// The main window's rocket stays disabled for the extensions of Runnable types only, so a
// program or script type added without the flag could be started by a click.
TEST(TypeTableRows, everyProgramAndScriptTypeIsRunnable)
{
    constexpr std::string_view DescriptionWords[] = {
        " script", "executable", "batch file", "shared object", "dynamic link library",
        "dynamic library", "javascript", "vbscript", "installer package",
    };
    constexpr std::string_view ProgramMimeTypes[] = {
        "application/x-sh", "application/x-sharedlib", "application/x-executable", "application/x-dosexec",
        "application/vnd.microsoft.portable-executable", "application/x-mach-binary", "application/java-archive",
        "application/x-msi", "text/x-python", "text/x-perl", "text/x-ruby", "application/x-php", "text/x-lua",
        "text/x-awk", "text/x-tcl", "text/x-powershell", "application/x-bat", "text/javascript", "text/vbscript",
    };
    for (const TypeInfo &type : allTypes()) {
        const std::string description = " " + asciiLower(type.descEn);
        const bool saysSo =
            std::any_of(std::begin(DescriptionWords), std::end(DescriptionWords),
                        [&](std::string_view word) { return description.find(word) != std::string::npos; }) ||
            std::find(std::begin(ProgramMimeTypes), std::end(ProgramMimeTypes), type.mime) != std::end(ProgramMimeTypes);
        if (saysSo) {
            EXPECT_TRUE(type.has(Runnable)) << type.id << " is a program or script type";
        }
    }
    for (const std::string_view ext : {"elf", "so", "py", "pl", "rb", "php", "lua", "awk", "exe", "com", "dll", "bat"}) {
        const auto &types = typesForExtension(ext);
        EXPECT_TRUE(std::any_of(types.begin(), types.end(), [](const TypeInfo *t) { return t->has(Runnable); })) << ext;
    }
}

TEST(TypeTableRows, familyTreesEndAtARoot)
{
    for (const TypeInfo &type : allTypes()) {
        EXPECT_FALSE(isDescendantOf(type, type)) << type.id << " is its own ancestor";
        int depth = 0;
        for (const TypeInfo *step = parentOf(type); step && depth < 16; step = parentOf(*step))
            ++depth;
        EXPECT_LT(depth, 8) << type.id;
    }
}

std::set<std::string> typesWithASample()
{
    std::set<std::string> covered;
    for (const TypeSample &sample : handMadeSamples())
        covered.insert(sample.typeId);
    std::string error;
    const auto rows = evidence::loadSampleTable(error);
    EXPECT_TRUE(rows) << error;
    for (const evidence::SampleRow &row : rows.value_or(std::vector<evidence::SampleRow>())) {
        const auto bytes = evidence::readSample(row.file);
        const Detection detection = bytes ? detectBytes(ByteView(*bytes)) : Detection{};
        if (row.gap.empty() && detection.type)
            covered.insert(std::string(detection.type->id));
    }
    return covered;
}

// A changed signature byte, or a signature an earlier row shadows, fails here: the type's
// sample no longer comes out as that type.
TEST(EveryTypeCoverage, everyTypeTheContentCanProveHasASampleFromOutsideItsTable)
{
    const std::set<std::string> covered = typesWithASample();
    for (const TypeInfo &type : allTypes()) {
        if (!type.has(NameOnly)) {
            EXPECT_TRUE(covered.count(std::string(type.id))) << "no sample recognised as " << type.id;
        }
    }
}

} // namespace
} // namespace tivex::test
