// Text recognition: encodings, binary rejection and structure.
#include <gtest/gtest.h>

#include <string>

#include "text_sniff.h"

using namespace std::literals;

namespace tivex::test {
namespace {

std::optional<TextSniff> sniff(std::string_view bytes, bool complete = true)
{
    return sniffText(ByteView(bytes), complete);
}

TEST(TextEncoding, recognisesByteOrderMarks)
{
    EXPECT_EQ(sniff("\xEF\xBB\xBFhi\n"sv)->encoding, TextEncoding::Utf8Bom);
    EXPECT_EQ(sniff("\xFF\xFEh\0i\0"sv)->encoding, TextEncoding::Utf16Le);
    EXPECT_EQ(sniff("\xFE\xFF\0h\0i"sv)->encoding, TextEncoding::Utf16Be);
    EXPECT_EQ(sniff("\xFF\xFE\0\0h\0\0\0"sv)->encoding, TextEncoding::Utf32Le);
}

TEST(TextEncoding, findsUtf16WithoutAMark)
{
    const auto result = sniff("h\0e\0l\0l\0o\0\n\0"sv);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->encoding, TextEncoding::Utf16Le);
}

TEST(TextEncoding, tellsJapaneseEncodingsApart)
{
    // "日本語のテキスト" in each encoding.
    EXPECT_EQ(sniff("\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x65\x83\x4C\x83\x58\x83\x67"sv)->encoding,
              TextEncoding::ShiftJis);
    EXPECT_EQ(sniff("\xC6\xFC\xCB\xDC\xB8\xEC\xA4\xCE\xA5\xC6\xA5\xAD\xA5\xB9\xA5\xC8"sv)->encoding,
              TextEncoding::EucJp);
    EXPECT_EQ(sniff("日本語のテキスト")->encoding, TextEncoding::Utf8);
    EXPECT_EQ(sniff("\x1B$B$3$s\x1B(B\n"sv)->encoding, TextEncoding::Iso2022Jp);
    EXPECT_EQ(sniff("plain")->encoding, TextEncoding::Ascii);
}

TEST(TextEncoding, doesNotCallChineseOrKoreanEucJapanese)
{
    // "中文测试文本" in GB2312 and "한국어 텍스트" in EUC-KR: both valid EUC-JP byte runs.
    EXPECT_EQ(sniff("\xD6\xD0\xCE\xC4\xB2\xE2\xCA\xD4\xCE\xC4\xB1\xBE\n"sv)->encoding, TextEncoding::Gb2312);
    EXPECT_EQ(sniff("\xC7\xD1\xB1\xB9\xBE\xEE \xC5\xD8\xBD\xBA\xC6\xAE\n"sv)->encoding, TextEncoding::EucKr);
    EXPECT_EQ(encodingName(TextEncoding::Gb2312), "GB2312");
}

TEST(TextEncoding, rejectsMalformedUtf8AsUtf8)
{
    // An overlong slash and a lone continuation byte.
    const auto result = sniff("abc\xC0\xAF\x80 def"sv);
    ASSERT_TRUE(result);
    EXPECT_NE(result->encoding, TextEncoding::Utf8);
}

TEST(TextEncoding, forgivesACutCharacterOnlyWhenTheFileGoesOn)
{
    EXPECT_EQ(sniff("abc\xE3\x81"sv, false)->encoding, TextEncoding::Utf8);
    EXPECT_NE(sniff("abc\xE3\x81"sv, true)->encoding, TextEncoding::Utf8);
}

TEST(TextEncoding, binaryIsNotText)
{
    EXPECT_FALSE(sniff("abc\0def"sv));
    EXPECT_FALSE(sniff("\x01\x02\x03\x04\x05 some text"sv));
}

struct StructureCase {
    std::string_view text;
    std::string_view typeId;
};

TEST(TextStructure, namesMarkupDataAndScripts)
{
    const StructureCase cases[] = {
        {"<!DOCTYPE html><title>x</title>", "html"},
        {"<!-- note -->\n<!doctype HTML>\n<html>", "html"},
        {"<HTML><BODY>", "html"},
        {"<?xml version=\"1.0\"?><rss version=\"2.0\">", "rss"},
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE svg [ <!ENTITY a \"b\"> ]>\n<svg>", "svg"},
        {"<?xml version=\"1.0\"?><xsl:stylesheet>", "xsl"},
        {"<?xml version=\"1.0\"?><catalog/>", "xml"},
        {"<svg xmlns=\"http://www.w3.org/2000/svg\">", "svg"},
        {"[1, 2, {\"a\": null}]", "json"},
        {"{\"a\": 1}\n{\"a\": 2}\n", "json"},
        {"{not json}", "text"},
        {"[1, 2,]", "text"},
        {"{\"a\": 1", "text"},
        {"#!/bin/sh\necho hi\n", "sh"},
        {"#!/usr/bin/env -S perl -w\n", "pl"},
        {"#!/usr/bin/python3.11\n", "py"},
        {"BEGIN:VCARD\nVERSION:3.0\n", "vcf"},
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

} // namespace
} // namespace tivex::test

namespace tivex::test {
namespace {

struct ShapeCase {
    std::string_view text;
    std::string_view typeId;
    bool guessed;
};

TEST(TextStructure, markersProveAndKeywordsGuess)
{
    const ShapeCase cases[] = {
        {"# generated\n[Desktop Entry]\nName=x\n", "desktop", false},
        {"Received: from a\nFrom: a@b\nTo: c@d\nSubject: s\n\nbody\n", "eml", false},
        {"1\n00:00:01,000 --> 00:00:02,000\nHi\n", "srt", false},
        {"# Japanese\nmsgid \"\"\nmsgstr \"\"\n", "po", false},
        {"{\"a\": 1}", "json", false},
        {"<?xml version=\"1.0\"?><config/>", "xml", false},
        {"<unknown-root/>", "xml", true},
        {"<p>a paragraph</p>", "html", true},
        {"<!DOCTYPE html><title>x</title>", "html", false},
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

TEST(TextStructure, proseWithCommasIsNotATable)
{
    EXPECT_EQ(textShape("Hello, world.\nThis line, like that one, has commas.\nBut not the same count.\n"
                        "No, really, it does not.\n",
                        true)
                  .typeId,
              "text");
}

} // namespace
} // namespace tivex::test
