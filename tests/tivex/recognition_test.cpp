// Recognition details the type samples cannot show, and the verdict on the present
// extension for names users and tools give their files.
#include <gtest/gtest.h>

#include <string>

#include "samples.h"
#include "test_support.h"
#include "tivex_engine.h"

using namespace std::literals;

namespace tivex::test {
namespace {

// A position-independent ELF image with an interpreter and a dynamic section holding
// only the linker's extra flags (DT_FLAGS_1), as runnable libraries and PIE programs have.
std::string elfWithFlags1(uint64_t flags1)
{
    Bytes file;
    file.raw("\x7F" "ELF"sv).u8(2).u8(1).u8(1).u8(0).zeros(8).le16(3).le16(0x3E).le32(1);
    file.le64(0).le64(64).le64(0).le32(0).le16(64).le16(56).le16(2).le16(64).le16(0).le16(0);
    file.le32(3).le32(4).le64(0).le64(0).le64(0).le64(0).le64(0).le64(1);
    file.le32(2).le32(6).le64(176).le64(0).le64(0).le64(32).le64(32).le64(8);
    file.le64(0x6FFFFFFB).le64(flags1).le64(0).le64(0);
    return file.data;
}

// ---- Special cases of the recognisers -------------------------------------------------

TEST(RecognitionDetails, textEncodingIsNamedInTheDescription)
{
    TempDir dir;
    EXPECT_EQ(checkFile(dir.write("sj", "\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD\n"s)).description,
              "テキストファイル（Shift_JIS）");
    EXPECT_EQ(checkFile(dir.write("euc", "\xA4\xB3\xA4\xF3\xA4\xCB\xA4\xC1\xA4\xCF\n"s)).description,
              "テキストファイル（EUC-JP）");
    EXPECT_EQ(checkFile(dir.write("u8", "日本語\n")).description, "テキストファイル（UTF-8）");
    EXPECT_EQ(checkFile(dir.write("a", "plain\n")).description, "テキストファイル（ASCII）");
}

TEST(RecognitionDetails, singleMpegSyncWithoutASecondFrameIsNotAudio)
{
    std::string bytes = mp3Frames();
    bytes[417] = 'x'; // breaks the second frame's sync
    const Detection detection = detectBytes(ByteView(bytes));
    EXPECT_TRUE(detection.type == nullptr || detection.type->id != "mp3");
}

TEST(RecognitionDetails, utf8CharacterCutByTheHeadIsForgiven)
{
    // The first read ends inside a three-byte character; the file is still UTF-8 text.
    std::string text(Source::FirstReadSize - 1, 'a');
    text += "あいう\n";
    const Detection detection = detectBytes(ByteView(text));
    ASSERT_NE(detection.type, nullptr);
    EXPECT_EQ(detection.type->id, "text");
    EXPECT_EQ(detection.encoding, TextEncoding::Utf8);
}

// ---- The verdict on the present extension ------------------------------------------------

struct VerdictCase {
    std::string label;
    std::string bytes;
    std::string fileName;
    std::string expectedExt;
};

const VerdictCase VerdictCases[] = {
    {"csv_plain_text_kept", "a,b,c\n1,2,3\n"s, "notes.csv", "csv"},
    {"log_plain_text_kept", "started\n"s, "run.log", "log"},
    {"c_source_kept", "int main(void) { return 0; }\n"s, "main.c", "c"},
    {"plain_text_unknown_ext_kept", "hello\n"s, "notes.qqq", "qqq"},
    // Old binary formats took these words as extensions; text carries them as often.
    {"latex_contents_kept", "\\contentsline {section}{\\numberline {1}Intro}{1}\n"s, "paper.toc", "toc"},
    {"word_list_kept", "apple\nbanana\ncherry\n"s, "fruit.dict", "dict"},
    {"backup_copy_kept", "[core]\n\tbare = false\n"s, "config.bk", "bk"},
    {"plain_text_not_svg", "hello\n"s, "notes.svg", "txt"},
    {"svg_named_txt", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>"s, "drawing.txt", "svg"},
    {"docx_named_zip", zipArchive({{"[Content_Types].xml", "<T/>"}, {"word/document.xml", "<w/>"}}), "report.zip", "docx"},
    {"plain_zip_named_cbz_kept", zipArchive({{"p1.png", "x"}}), "comic.CBZ", "cbz"},
    {"plain_zip_named_docx", zipArchive({{"a.txt", "x"}}), "fake.docx", "zip"},
    {"versioned_library_kept", elfImage(3, false), "libz.so.1", "1"},
    {"versioned_library_kept_deeper", elfImage(3, false), "libz.so.1.2.13", "13"},
    {"library_number_without_so", elfImage(3, false), "libz.1", "so"},
    {"json_named_conf_kept", "{\"a\": 1}\n"s, "app.conf", "conf"},
    {"json_named_python", "{\"a\": 1}\n"s, "data.py", "json"},
    {"xml_named_conf_kept", "<?xml version=\"1.0\"?>\n<fontconfig/>\n"s, "fonts.conf", "conf"},
    {"guessed_c_named_header_kept", "#include <stdio.h>\n#define N 1\nstatic int n;\n"s, "a.h", "h"},
    {"clearly_python_named_shell", "import os\nfrom sys import argv\n\ndef main():\n    pass\n"s, "tool.sh", "py"},
    {"guessed_c_without_extension", "#include <stdio.h>\n#include <string.h>\n#define N 1\n"s, "a", "c"},
    {"html_fragment_named_markdown_kept", "<p align=\"center\">Logo</p>\n\nText\n"s, "README.md", "md"},
    {"xhtml_named_html_kept", "<?xml version=\"1.0\"?><html xmlns=\"http://www.w3.org/1999/xhtml\"/>"s, "page.html", "html"},
    {"plain_text_named_rtf", "hello\n"s, "letter.rtf", "txt"},
    {"subtitles_named_txt", "WEBVTT\n\n00:01.000 --> 00:02.000\nHi\n"s, "subs.txt", "vtt"},
    {"guessed_python_named_txt_kept", "import os\nfrom sys import argv\n\ndef main():\n    pass\n"s, "notes.txt", "txt"},
    {"elf_executable_named_bin", elfImage(2, false), "tool.bin", "elf"},
    {"workbook_without_macros_named_xlsm_kept",
     zipArchive({{"[Content_Types].xml", "<Types/>"}, {"xl/workbook.xml", "<w/>"}}), "stations.xlsm", "xlsm"},
    {"macro_workbook_named_xlsx",
     zipArchive({{"[Content_Types].xml", "<Types><Override PartName=\"/xl/workbook.xml\" "
                                         "ContentType=\"application/vnd.ms-excel.sheet.macroEnabled.main+xml\"/></Types>"},
                 {"xl/workbook.xml", "<w/>"}}),
     "stations.xlsx", "xlsm"},
    {"pem_public_key_named_pub_kept",
     "-----BEGIN PUBLIC KEY-----\nMCowBQYDK2VwAyEA\n-----END PUBLIC KEY-----\n"s, "id.pub", "pub"},
    {"checksums_named_sha256_kept",
     "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08  test.txt\n"s, "SUMS.sha256", "sha256"},
    {"git_patch_mail_named_patch_kept",
     "From 3f1c2b Mon Sep 17 00:00:00 2001\nFrom: A <a@example.org>\nDate: Sun, 6 Dec 2026 10:00:00 +0000\n"
     "Subject: [PATCH] Fix\n\n---\n a.c | 2 +-\n\ndiff --git a/a.c b/a.c\n--- a/a.c\n+++ b/a.c\n"s,
     "0001-Fix.patch", "patch"},
    {"git_patch_mail_without_extension",
     "From 3f1c2b Mon Sep 17 00:00:00 2001\nFrom: A <a@example.org>\nDate: Sun, 6 Dec 2026 10:00:00 +0000\n"
     "Subject: [PATCH] Fix\n\n---\n a.c | 2 +-\n\ndiff --git a/a.c b/a.c\n--- a/a.c\n+++ b/a.c\n"s,
     "0001-Fix", "patch"},
    {"wasm_object_named_o_kept", "\0asm\x01\0\0\0"s + std::string(64, '\0'), "scale.o", "o"},
    {"type1_font_named_ps_kept", "%!PS-AdobeFont-1.0: Quay 001.000\n%%Title: Quay\n"s, "Quay.ps", "ps"},
    {"strings_table_named_strings_kept", "/* Greeting */\n\"hello\" = \"konnichiwa\";\n"s, "Localizable.strings", "strings"},
    {"properties_with_translator_comments_kept",
     "# SOME DESCRIPTIVE TITLE.\n# Copyright (C) YEAR\n#\ngreeting=Hello\nfarewell=Goodbye\n"s, "messages.properties",
     "properties"},
    {"catalog_with_translator_comments",
     "# SOME DESCRIPTIVE TITLE.\n# Copyright (C) YEAR\n#, fuzzy\nmsgid \"\"\nmsgstr \"\"\n"s, "messages", "po"},
    {"small_der_key",
     "\x30\x2A\x30\x05\x06\x03\x2B\x65\x70\x03\x21\x00"s + std::string(32, '\x11'), "ed25519-public", "der"},
    {"text_starting_like_a_small_der_object", "0\x0A" "0 is where the count starts\n"s, "notes", "txt"},
    {"icon_named_cur_kept", icoImage(), "pointer.cur", "cur"},
    {"cursor_named_ico", [] { std::string ico = icoImage(); ico[2] = 2; return ico; }(), "pointer.ico", "cur"},
    {"plain_xml_named_rss", "<?xml version=\"1.0\"?>\n<catalog/>\n"s, "data.rss", "xml"},
    // What Python's configparser, PyYAML and a Python script write, misnamed.
    {"ini_named_json", "[DEFAULT]\nserveraliveinterval = 45\ncompression = yes\n\n[forge.example]\nuser = hg\n\n"s,
     "settings.json", "ini"},
    {"yaml_named_json", "name: survey\nstations:\n- depth: 12.5\n  name: north\n- depth: 3.0\n  name: south\n"s,
     "survey.json", "yaml"},
    {"json_named_yaml_kept", "{\"name\": \"survey\", \"stations\": [1, 2]}"s, "survey.yaml", "yaml"},
    {"plain_text_named_json", "north pool: fourteen anemones\nsouth pool: nine\n"s, "counts.json", "txt"},
    {"shebang_python_named_shell", "#!/usr/bin/env python3\nimport sys\n\nprint(sys.argv)\n"s, "run.sh", "py"},
    {"shebang_python_named_txt_kept", "#!/usr/bin/env python3\nimport sys\n\nprint(sys.argv)\n"s, "run.txt", "txt"},
    {"shebang_python_under_a_version_kept", "#!/usr/bin/python3.11\nimport pydoc\npydoc.cli()\n"s, "pydoc3.11", "11"},
    {"guessed_text_under_unknown_name_kept", "# Jetty start\n--module=server\njetty.http.port=8080\n"s, "start.fpc", "fpc"},
    {"svg_under_unknown_name", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>"s, "drawing.page", "svg"},
    {"xml_dialect_under_unknown_name_kept", "<?xml version=\"1.0\"?>\n<page xmlns=\"http://projectmallard.org/1.0/\"/>\n"s,
     "index.page", "page"},
    {"unknown_binary_named_dat_kept", "\x01\x02\x03\x04\0\0\0\x7F\xFE\xED"s, "blob.dat", ""},
    {"pascal_named_pas_kept",
     "unit Survey;\n\ninterface\n\nfunction Deepest(const a: array of Real): Real;\n\nimplementation\n\n"
     "function Deepest(const a: array of Real): Real;\nvar i: Integer;\nbegin\n  Result := a[0];\n"
     "  for i := 1 to High(a) do\n    if a[i] > Result then Result := a[i];\nend;\n\nend.\n"s,
     "survey.pas", "pas"},
    {"docstrip_package_is_no_postscript",
     "%%\n%% This is file `example.sty',\n%% generated with the docstrip utility.\n%%\n"
     "\\NeedsTeXFormat{LaTeX2e}\n\\ProvidesPackage{example}[2024/01/01 v1.0]\n"s,
     "example", "tex"},
    {"tex_definitions_named_def_kept", "\\ProvidesFile{t1enc.def}\n\\DeclareFontEncoding{T1}{}{}\n"s, "t1enc.def", "def"},
    {"jinja_template_is_plain_text",
     "{% extends \"base.txt\" %}\n{% block body %}\n{% for s in stations %}\n{{ s.name }}: {{ s.depth }}\n"
     "{% endfor %}\n{% endblock %}\n"s,
     "report", "txt"},
    {"typescript_named_js", "export interface User {\n  id: number;\n  name: string;\n}\n\n"
     "export function greet(user: User): void {\n  console.log(user.name);\n}\n"s,
     "user.js", "ts"},
    {"internet_shortcut_after_a_section",
     "[DEFAULT]\r\nBASEURL=https://example.org/\r\n[InternetShortcut]\r\nURL=https://example.org/\r\n"s,
     "Example", "url"},
    {"runnable_library_without_pie_flag_kept", elfWithFlags1(0x1), "pam_cap.so", "so"},
    {"pie_program_named_so", elfWithFlags1(0x08000001), "tool.so", "elf"},
    {"linker_script_named_so_kept", "/* GNU ld script */\nOUTPUT_FORMAT(elf64-x86-64)\nGROUP ( /lib/libc.so.6 )\n"s,
     "libc.so", "so"},
    // A clear program under a page's name is no page; a template with tags stays one.
    {"c_source_named_html",
     "#include <stdio.h>\n#include <stdlib.h>\n\nstatic int deepest(const int *a, size_t n)\n{\n"
     "    int best = a[0];\n    for (size_t i = 1; i < n; ++i)\n        if (a[i] > best)\n"
     "            best = a[i];\n    return best;\n}\n\nint main(void)\n{\n    int depths[] = {3, 12, 7};\n"
     "    printf(\"%d\\n\", deepest(depths, 3));\n    return EXIT_SUCCESS;\n}\n"s,
     "survey.html", "c"},
    {"template_with_tags_named_html_kept",
     "{% extends \"!page.html\" %}\n{% block extrahead %}\n    <a href=\"https://example.org/\">\n"
     "        <img src=\"ribbon.png\" alt=\"Fork me\">\n    </a>\n    {{ super() }}\n{% endblock %}\n"s,
     "page.html", "html"},
    {"llvm_ir_named_txt",
     "; ModuleID = 'tool.c'\nsource_filename = \"tool.c\"\ntarget datalayout = \"e-m:e-i64:64-n8:16:32:64-S128\"\n"
     "target triple = \"x86_64-pc-linux-gnu\"\n\ndefine i32 @main() {\n  ret i32 0\n}\n"s,
     "tool.txt", "ll"},
    {"msgcat_strings_table_named_json",
     "/* SOME DESCRIPTIVE TITLE. */\n/* Flag: untranslated */\n\"\" = \"\" /* = \"Project-Id-Version: 1\\n\" */;\n\n"
     "/* File: port.c:3 */\n\"Quay\" = \"Quay\";\n"s,
     "port.json", "strings"},
    {"quoted_pairs_then_prose", "\"north\" = \"14\";\n\"south\" = \"9\";\ncounted at dawn\n"s, "counts", "txt"},
    {"android_package_with_resources",
     zipArchive({{"META-INF/MANIFEST.MF", "Manifest-Version: 1.0\n"}, {"AndroidManifest.xml", "\x03\0\x08\0"},
                 {"resources.arsc", "\x02\0\x0C\0"}}),
     "app.jar", "apk"},
};

void PrintTo(const VerdictCase &c, std::ostream *out) { *out << c.label; }

class Verdict : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(Verdict, proposesTheExpectedExtension)
{
    TempDir dir;
    const VerdictCase &c = GetParam();
    const Report report = checkFile(dir.write(c.fileName, c.bytes));
    ASSERT_TRUE(report.ok()) << report.reason;
    EXPECT_EQ(report.proposedExt, c.expectedExt);
}

INSTANTIATE_TEST_SUITE_P(Names, Verdict, ::testing::ValuesIn(VerdictCases),
                         [](const ::testing::TestParamInfo<VerdictCase> &info) { return info.param.label; });

} // namespace
} // namespace tivex::test
