// Text recognition: encodings, binary rejection and structure.
#include <gtest/gtest.h>

#include <string>

#include "text_sniff.h"

using namespace std::literals;

namespace tivex::test {
namespace {

// None stands for bytes that are no text at all.
TextEncoding encodingOf(std::string_view bytes, bool complete)
{
    const auto result = sniffText(ByteView(bytes), complete);
    return result ? result->encoding : TextEncoding::None;
}

// Bytes that break an encoding are still text, only not in that encoding.
enum Claim { Is, TextButNot };

struct EncodingCase {
    std::string_view what;
    std::string_view bytes;
    Claim claim;
    TextEncoding encoding;
    bool complete = true;
};

TEST(TextEncoding, namesEachEncodingAndRefusesWhatIsNotIt)
{
    const EncodingCase cases[] = {
        {"UTF-8 mark", "\xEF\xBB\xBFhi\n"sv, Is, TextEncoding::Utf8Bom},
        {"UTF-16LE mark", "\xFF\xFEh\0i\0"sv, Is, TextEncoding::Utf16Le},
        {"UTF-16BE mark", "\xFE\xFF\0h\0i"sv, Is, TextEncoding::Utf16Be},
        {"UTF-32LE mark", "\xFF\xFE\0\0h\0\0\0"sv, Is, TextEncoding::Utf32Le},
        {"UTF-16LE unmarked", "h\0e\0l\0l\0o\0\n\0"sv, Is, TextEncoding::Utf16Le},
        {"UTF-16BE unmarked", "\0h\0e\0l\0l\0o\0\n"sv, Is, TextEncoding::Utf16Be},
        {"UTF-32LE unmarked", "h\0\0\0e\0\0\0l\0\0\0l\0\0\0o\0\0\0\n\0\0\0"sv, Is, TextEncoding::Utf32Le},
        {"UTF-32BE unmarked", "\0\0\0h\0\0\0e\0\0\0l\0\0\0l\0\0\0o\0\0\0\n"sv, Is, TextEncoding::Utf32Be},
        // The byte next to the top one is zero, the bottom one is not.
        {"日本語 in UTF-32LE", "\xE5\x65\0\0\x2C\x67\0\0\x9E\x8A\0\0"sv, Is, TextEncoding::Utf32Le},
        // "日本語のテキスト" in each Japanese encoding.
        {"Shift_JIS", "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x65\x83\x4C\x83\x58\x83\x67"sv, Is, TextEncoding::ShiftJis},
        {"EUC-JP", "\xC6\xFC\xCB\xDC\xB8\xEC\xA4\xCE\xA5\xC6\xA5\xAD\xA5\xB9\xA5\xC8"sv, Is, TextEncoding::EucJp},
        {"UTF-8", "日本語のテキスト"sv, Is, TextEncoding::Utf8},
        {"ISO-2022-JP", "\x1B$B$3$s\x1B(B\n"sv, Is, TextEncoding::Iso2022Jp},
        {"ASCII", "plain"sv, Is, TextEncoding::Ascii},
        // "中文测试文本" and "한국어 텍스트": both valid EUC-JP byte runs.
        {"GB2312", "\xD6\xD0\xCE\xC4\xB2\xE2\xCA\xD4\xCE\xC4\xB1\xBE\n"sv, Is, TextEncoding::Gb2312},
        {"EUC-KR", "\xC7\xD1\xB1\xB9\xBE\xEE \xC5\xD8\xBD\xBA\xC6\xAE\n"sv, Is, TextEncoding::EucKr},
        // IBM extension characters of code page 932 ("ⅰ", "纊") have lead bytes FA and FB.
        {"Shift_JIS lead bytes FA, FB", "\x82\xB1\x82\xEA\x82\xCD\xFA\x40\xFA\x41\xFB\x40\x82\xC5\x82\xB7\n"sv, Is,
         TextEncoding::ShiftJis},
        {"Shift_JIS lead byte FC", "\x82\xB1\x82\xEA\xFC\x4B\n"sv, Is, TextEncoding::ShiftJis},
        // UTF-8 faults, each on its own between valid characters.
        {"overlong '/' in two bytes", "\xC3\xA9 \xC0\xAF \xC3\xA9\n"sv, TextButNot, TextEncoding::Utf8},
        {"overlong in two bytes, C1", "\xC3\xA9 \xC1\xBF \xC3\xA9\n"sv, TextButNot, TextEncoding::Utf8},
        {"overlong '/' in three bytes", "\xC3\xA9 \xE0\x80\xAF \xC3\xA9\n"sv, TextButNot, TextEncoding::Utf8},
        {"overlong '/' in four bytes", "\xC3\xA9 \xF0\x80\x80\xAF \xC3\xA9\n"sv, TextButNot, TextEncoding::Utf8},
        {"lone continuation byte", "\xC3\xA9 \x80 \xC3\xA9\n"sv, TextButNot, TextEncoding::Utf8},
        {"UTF-16 surrogate", "\xC3\xA9 \xED\xA0\x80 \xC3\xA9\n"sv, TextButNot, TextEncoding::Utf8},
        {"past U+10FFFF", "\xC3\xA9 \xF4\x90\x80\x80 \xC3\xA9\n"sv, TextButNot, TextEncoding::Utf8},
        {"shortest forms at each length", "\xC3\xA9 \xC2\x80 \xE0\xA0\x80 \xF0\x90\x80\x80 \xF4\x8F\xBF\xBF\n"sv, Is,
         TextEncoding::Utf8},
        // A character cut off is forgiven only when the file goes on.
        {"cut character, more to come", "abc\xE3\x81"sv, Is, TextEncoding::Utf8, false},
        {"cut character at the end", "abc\xE3\x81"sv, TextButNot, TextEncoding::Utf8},
        {"a NUL byte", "abc\0def"sv, Is, TextEncoding::None},
        {"leading control bytes", "\x01\x02\x03\x04\x05 some text"sv, Is, TextEncoding::None},
        {"overstrikes of a manual page", "N\bNA\bAM\bME\bE\n       ls - list _\bd_\bi_\br_\be_\bc_\bt_\bo_\br_\by contents\n"sv,
         Is, TextEncoding::Ascii},
        {"backspaces that overstrike nothing", "\b\b\b\b\b\bbackspaces that overstrike nothing\b\b\b\b\b\b"sv, Is,
         TextEncoding::None},
    };
    for (const EncodingCase &c : cases) {
        const TextEncoding found = encodingOf(c.bytes, c.complete);
        if (c.claim == Is)
            EXPECT_EQ(found, c.encoding) << c.what << ": " << encodingName(found);
        else
            EXPECT_TRUE(found != c.encoding && found != TextEncoding::None) << c.what << ": " << encodingName(found);
    }
    EXPECT_EQ(encodingName(TextEncoding::Gb2312), "GB2312");
}

TEST(TextEncoding, controlBytesAmongLongPrintableRunsMakeBinary)
{
    // Control bytes scattered through long printable runs at every alignment are still
    // counted: DEL, and those on either side of the blanks (tab to carriage return).
    for (const char control : {'\x01', '\x0E', '\x1F', '\x7F'}) {
        std::string bytes;
        for (int i = 0; i < 200; ++i)
            bytes += std::string(static_cast<size_t>(5 + i % 11), 'a') + control;
        EXPECT_EQ(encodingOf(bytes, true), TextEncoding::None) << static_cast<int>(control);
    }
}

struct StructureCase {
    std::string_view text;
    std::string_view typeId;
};

TEST(TextStructure, namesMarkupDataAndScripts)
{
    const StructureCase cases[] = {
        {"<!-- note -->\n<!doctype HTML>\n<html>", "html"},
        {"<HTML><BODY>", "html"},
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE svg [ <!ENTITY a \"b\"> ]>\n<svg>", "svg"},
        {"<?xml version=\"1.0\"?><catalog/>", "xml"},
        {"[1, 2, {\"a\": null}]", "json"},
        {"{not json}", "text"},
        {"[1, 2,]", "text"},
        {"{\"a\": 1", "text"},
        {"#!/usr/bin/env -S perl -w\n", "pl"},
        {"{\\rtf1 x}", "rtf"},
        {"just words", "text"},
        {"< 3 is less", "text"},
    };
    for (const StructureCase &c : cases)
        EXPECT_EQ(structuredTextType(c.text, true), c.typeId) << c.text;
}

TEST(TextStructure, jsonCutByTheHeadIsStillJson)
{
    EXPECT_TRUE(looksLikeJson("{\"key\": [1, 2, \"unfinished str", false));
    EXPECT_FALSE(looksLikeJson("{\"key\": [1, 2, \"unfinished str", true));
    EXPECT_TRUE(looksLikeJson("{\"a\": tr", false));
    EXPECT_FALSE(looksLikeJson("{\"a\": tx", false));
}

struct ShapeCase {
    std::string_view text;
    std::string_view typeId;
    bool guessed;
};

TEST(TextStructure, markersProveAndKeywordsGuess)
{
    const ShapeCase cases[] = {
        {"Received: from a\nFrom: a@b\nTo: c@d\nSubject: s\n\nbody\n", "eml", false},
        {"1\n00:00:01,000 --> 00:00:02,000\nHi\n", "srt", false},
        {"# Japanese\nmsgid \"\"\nmsgstr \"\"\n", "po", false},
        {"{\"a\": 1}", "json", false},
        {"<?xml version=\"1.0\"?><config/>", "xml", false},
        {"<unknown-root/>", "xml", true},
        {"<p>a paragraph</p>", "html", true},
        {"#include <stdio.h>\n#include <stdlib.h>\n#define N 3\n", "c", true},
        {"import os\nfrom sys import argv\n\ndef main():\n    pass\n", "py", true},
        {"Dear reader,\nthis is a letter.\n", "text", false},
        {"a,b,c\n1,2,3\n4,5,6\n7,8,9\n", "csv", true},
    };
    for (const ShapeCase &c : cases) {
        const TextShape shape = textShape(c.text, true);
        EXPECT_EQ(shape.typeId, c.typeId) << c.text;
        EXPECT_EQ(shape.guessed, c.guessed) << c.text;
    }
}

struct LookalikeCase {
    std::string_view what;
    std::string_view text;
    std::string_view typeId;
};

// Languages that share line shapes, each with the evidence that should tell it apart.
TEST(TextStructure, tellsLookalikeLanguagesApart)
{
    const LookalikeCase cases[] = {
        {"front matter before a Markdown page",
         "---\nlayout: default\ntitle: Large files\n---\n# Large File Support\n\nRPM originally used 32 bit sizes.\n",
         "md"},
        {"a second YAML document is not a page",
         "---\nname: a\n---\nname: b\nitems:\n  - x\n  - y\nsettings:\n  debug: true\n", "yaml"},
        {"HTML tables inside a Markdown changelog",
         "# Node.js 10 ChangeLog\n\n<table>\n<tr>\n<th>LTS</th>\n</tr>\n<tr>\n<td><a href=\"#10.1.0\">10.1.0</a></td>\n"
         "</tr>\n</table>\n<div>\n</div>\n",
         "md"},
        {"a title over- and underlined",
         "================\nNEWS for wadllib\n================\n\n1.3.6 (2021-09-13)\n==================\n\n"
         "- Remove buildout support.\n",
         "rst"},
        {"a YAML separator under a setting is no heading",
         "a: 1\n---\nb: 2\nc: 3\nd:\n  - x\n", "yaml"},
        {"a reStructuredText role", "CMAKE_PATCH_VERSION\n-------------------\n\nThird version number component of the\n"
                                    ":variable:`CMAKE_VERSION` variable.\n",
         "rst"},
        {"Tcl namespaces are no CSS selectors",
         "namespace eval ttk::theme::alt {\n    variable colors\n    array set colors {\n\t-frame \"#d9d9d9\"\n    }\n"
         "    ttk::style theme settings alt {\n\tttk::style configure . \\\n\t    -background $colors(-frame)\n    }\n}\n",
         "tcl"},
        {"a Tcl package index", "if {![package vsatisfies [package provide Tcl] 8.5-]} {return}\n"
                                "package ifneeded opt 0.4.8 [list source [file join $dir optparse.tcl]]\n",
         "tcl"},
        {"one-line CSS rules",
         "body {  background-color: white;  }\n.keyword { color: blue; font-weight: bold; }\n"
         ".type, .classname { color: darkgreen; }\n.string { color: red; font-family: monospace; }\n",
         "css"},
        {"JavaScript class fields",
         "const BaseCommand = require('./base-cmd.js')\nclass LifecycleCmd extends BaseCommand {\n"
         "  static usage = ['[-- <args>]']\n  static isShellout = true\n  static workspaces = true\n}\n",
         "js"},
        {"method calls are no CMake commands",
         "export const unescape = (s, { magicalBraces = true, } = {}) => {\n    if (magicalBraces) {\n"
         "        s.replace(/a/g, '$1')\n        s.replace(/b/g, '$1')\n    }\n};\n",
         "js"},
        {"reStructuredText inside a CMake bracket comment",
         "#[=======================================================================[.rst:\nFindHDF5\n--------\n\n"
         "Find Hierarchical Data Format (HDF5).\n\n.. versionadded:: 3.12\n\n``HDF5_FOUND``\n  True.\n"
         "#]=======================================================================]\n\ninclude(SelectLibraryConfigurations)\n",
         "cmake"},
        {"Perl's parenthesised elsif is no Ruby",
         "package sigtrap;\n\nsub import {\n    foreach (@_) {\n\tif (/^[A-Z][A-Z0-9]*$/) {\n\t    unless ($SIG{$_}) {\n"
         "\t\thandler($_);\n\t    }\n\t}\n\telsif ($_ eq 'normal-signals') {\n\t}\n\telsif ($_ eq 'die') {\n\t}\n    }\n}\n",
         "pl"},
        {"JavaScript objects are no CSS rules",
         "const META = Symbol('meta')\nmodule.exports = {\n  META: META,\n  output: {\n    KEYS: {\n      standard: 'standard',\n"
         "    },\n    standard: function (...args) {\n      return process.emit('output', ...args)\n    },\n  },\n  log: {\n  },\n}\n",
         "js"},
        {"shell variables without a section are no INI file",
         "XSLT_LIBDIR=\"-L/usr/lib\"\nXSLT_LIBS=\"-lxslt -lxml2\"\nXSLT_INCLUDEDIR=\"-I/usr/include\"\nMODULE_VERSION=\"xslt-1.1.35\"\n"
         "XSLT_PRIVATE_LIBS=\"-lm\"\n",
         "sh"},
        {"an AsciiDoc document",
         "= Porting systemd\n\n== HOWTO\n\nYou need to make the follow changes:\n\n[arabic]\n. Find the parameters.\n"
         ". Try it out.\n\n=== Compilation options\n\n[source,sh]\n----\nmeson build\n----\n",
         "adoc"},
        {"JSON that merely has cells", "{\"cells\": [1, 2, 3], \"rows\": 2}\n", "json"},
        {"an array dumped by xxd -i", "unsigned char _etc_hostname[] = {\n  0x76, 0x6d, 0x0a\n};\nunsigned int _etc_hostname_len = 3;",
         "c"},
        {"INI sections with shell-like settings",
         "[Main]\nEXENAME=QPasHello.exe\nLanguage=Pascal\nProjectType=EXE\nSDK=UIQ\n\n[FPC]\nCompilerPath=C:\\fpc\\ppc386.exe\n\n"
         "[UIDs]\nUID2=0x100039CE\nUID3=0xE1000002\n",
         "ini"},
        {"a banner in a Markdown page is no AsciiDoc or MediaWiki section",
         "## Apache Xerces v2.12.2\n\n### Apache Xerces Notice\n<pre>\n    ======================================\n"
         "    == NOTICE file corresponding to     ==\n    == section 4(d) of the License.     ==\n"
         "    ======================================\n</pre>\n",
         "md"},
        {"a MediaWiki page", "<span id=\"title\"></span>\n= Morning survey =\n\nThe ''north'' pool held '''fourteen''' anemones.\n\n"
                             "== Counts ==\n\n{|\n! species\n|-\n| anemone\n|}\n",
         "wiki"},
        {"a directory tree is no MediaWiki table", "Contents\n\n|--Readme   readme.txt\n|--License   license.txt\n"
                                                  "|--Gothic   gothic.ttf\n|--Mincho   mincho.ttf\n",
         "text"},
        {"a Textile document", "h1(#survey). Morning survey\n\nThe _north_ pool held *fourteen* anemones.\n\nh2. Counts\n\n"
                               "|_. species|_. north|\n|anemone|>. 14|\n",
         "textile"},
        {"a ConTeXt document", "% Enable hyperlinks\n\\setupinteraction\n  [state=start,\n  title={Notes}]\n\n"
                               "\\setuppagenumbering[location={footer,middle}]\n\\starttext\n\\startsection[title={Survey}]\n",
         "tex"},
        {"one quoted line of code in prose",
         "Notes\nA. Walker\n\nThe north pool held fourteen anemones and a single hermit crab.\n"
         "The water was cold at dawn and the tide turned soon after that.\n\nThe mean is worked out as follows:\n\n"
         "    def mean(values):\n        return sum(values) / len(values)\n\n"
         "We counted every pool twice and kept the higher of the two counts.\n"
         "Next week we shall survey the southern pools in the same way again.\n",
         "text"},
        {"code quoted in reStructuredText directives",
         "cmake_policy\n------------\n\nManage CMake Policy settings.\n\n.. code-block:: cmake\n\n"
         "  cmake_policy(VERSION 3.5)\n  cmake_policy(SET CMP0048 NEW)\n  set(X 1)\n  if(X)\n  endif()\n\n"
         "Literal text follows::\n\n  cmake_policy(GET CMP0048 var)\n  message(STATUS ${var})\n",
         "rst"},
        {"a module opening with its reStructuredText docstring",
         "# Copyright 2019 Example Inc.\n#\n# Licensed under the Apache License.\n\"\"\"Speeds up downloads.\n\n"
         "Usage\n=====\n\n.. code-block:: python\n\n    client = make()\n\nSee :class:`Pool` and ``max_workers``.\n"
         "\"\"\"\nimport logging\n",
         "py"},
        {"C++ told by its words when its lines look like C",
         "#ifndef HANDLES_HPP\n#define HANDLES_HPP\n\nnamespace VK\n{\n  struct ApplicationInfo;\n  struct FormatProperties;\n"
         "  static_assert(sizeof(VK::Format) == sizeof(int), \"size\");\n  static_assert(std::is_nothrow_move_constructible<VK::Format>::value, \"move\");\n"
         "  typedef struct Flags Flags;\n}\n#endif\n",
         "cpp"},
        {"switch labels are no shell cases",
         "switch (format)\n{\ncase FORMAT_R8:\n    return 1;\ncase FORMAT_R16:\n    return 2;\ncase FORMAT_R32:\n"
         "    return 4;\ncase FORMAT_R64:\n    return 8;\n}\n#include <stdint.h>\n#define FORMATS 4\n",
         "c"},
        {"a diff without context", "3c3\n< force 4\n---\n> force 6\n10a11,12\n> new line\n", "patch"},
        {"a signed MIME message from openssl",
         "MIME-Version: 1.0\nContent-Type: multipart/signed; protocol=\"application/x-pkcs7-signature\"; boundary=\"b\"\n\n"
         "This is an S/MIME signed message\n\n--b\n",
         "eml"},
        {"a decoded certificate before the certificate",
         "Certificate:\n    Data:\n        Version: 3 (0x2)\n-----BEGIN CERTIFICATE-----\nMIIB\n-----END CERTIFICATE-----\n", "pem"},
        {"a revocation certificate from gpg",
         "This is a revocation certificate for the OpenPGP key:\n\npub   rsa2048\n\nTo avoid an accidental use of this file,\n"
         "a colon has been inserted before the 5 dashes below.\n\n:-----BEGIN PGP PUBLIC KEY BLOCK-----\nComment: x\n",
         "asc"},
        {"a Japanese Markdown page with a list", "# 旅行の記録\n\n三日目は雨でした。午前中は**博物館**へ行きました。\n\n-   切符を買う\n-   宿に電話する\n",
         "md"},
        {"log lines with milliseconds are no table",
         "2022-04-15 08:00:23,985 INFO  harbour.ferry - docked\n2022-04-15 08:01:45,044 INFO  harbour.quay - docked\n"
         "2022-04-15 08:02:51,518 INFO  harbour.quay - late\n2022-04-15 08:03:00,001 WARN  harbour.quay - fog\n",
         "text"},
        {"hex bytes are no sentences", "unsigned char blob_bin[] = {\n  0xa3, 0x1c, 0x06, 0xbd, 0x46, 0x3e, 0x39, 0x23,\n"
                                       "  0xe4, 0x8b, 0x16, 0x97, 0x6c, 0x08, 0x07, 0x17,\n  0x06, 0x8f, 0x32, 0xb7, 0xa6, 0xb3, 0x8b, 0x6b,\n"
                                       "  0xcf, 0xde, 0x01, 0xc2, 0xce, 0x28, 0xb2, 0x6c,\n};\nunsigned int blob_bin_len = 32;\n",
         "c"},
        {"C++ member definitions", "QT_BEGIN_NAMESPACE\n\nstatic void *handle;\n\nvoid Hooks::platformInit()\n{\n}\n", "cpp"},
        {"a quoted field with a comma and CRLF lines", "a,\"b, c\",d\r\n1,2,3\r\n\"q\"\"uote\",x,\r\n", "csv"},
        {"a small comma table", "name,count\ntofu,2\nwakame,1\n", "csv"},
        {"three lines with one comma each, as sentences have them", "Dear Anna, thank you.\nYours ever, Ben\nPS, see you soon\n",
         "text"},
        {"prose with commas", "Hello, world.\nThis line, like that one, has commas.\nBut not the same count.\nNo, really, it does not.\n",
         "text"},
        // "``" weighs 2 for reStructuredText: four marks make it, and five backticks in a row
        // hold only two, not four overlapping ones.
        {"two runs of four backticks", "See ```` and ```` here.\n", "rst"},
        {"a run of five backticks", "See ````` here.\n", "text"},
        {"types after the first parameter",
         "export function parse(options: Options, input: string) {\nexport function print(options: Options, value: number) {\n",
         "typescript"},
    };
    for (const LookalikeCase &c : cases)
        EXPECT_EQ(textShape(c.text, true).typeId, c.typeId) << c.what;
}

// The model's thresholds from both sides: "exe " weighs 4 for Vim, "syn " 5, "hi " 3,
// and no other language sees anything in these lines.
TEST(TextStructure, aGuessNeedsItsThresholdAndOverrulesOnlyWithAClearMargin)
{
    EXPECT_EQ(textShape("exe cmd\n", true).typeId, "text");
    const TextShape five = textShape("syn on\n", true);
    EXPECT_EQ(five.typeId, "vim");
    EXPECT_TRUE(five.guessed);
    EXPECT_FALSE(five.clear);
    const TextShape seven = textShape("exe cmd\nhi Normal\n", true);
    EXPECT_EQ(seven.typeId, "vim");
    EXPECT_FALSE(seven.clear);
    const TextShape eight = textShape("syn on\nhi Normal\n", true);
    EXPECT_EQ(eight.typeId, "vim");
    EXPECT_TRUE(eight.clear);
}

} // namespace
} // namespace tivex::test
