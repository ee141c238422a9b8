#include "platform/codepage.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace cp = platform::codepage;

namespace {

// 日本語テスト～①ｱｲｳ in Microsoft's code page 932: the wave dash is 0x8160 (U+FF5E in
// Microsoft's table, where Shift-JIS proper has U+301C), ① is NEC row 13, and the last
// three are single-byte half-width katakana.
const std::string JapaneseCp932 =
    "\x93\xfa\x96\x7b\x8c\xea\x83\x65\x83\x58\x83\x67\x81\x60\x87\x40\xb1\xb2\xb3";
const std::u16string JapaneseUtf16 = u"日本語テスト\uFF5E\u2460\uFF71\uFF72\uFF73";

} // namespace

// --- CP932 -----------------------------------------------------------------------------

TEST(Cp932Conversion, DecodesJapaneseWithMicrosoftTable)
{
    EXPECT_EQ(cp::cp932ToUtf16(JapaneseCp932), JapaneseUtf16);
}

TEST(Cp932Conversion, EncodesJapaneseWithMicrosoftTable)
{
    EXPECT_EQ(cp::utf16ToCp932(JapaneseUtf16), JapaneseCp932);
}

TEST(Cp932Conversion, WaveDashAndCircledDigitRoundTrip)
{
    for (const std::string bytes : {"\x81\x60", "\x87\x40"}) {
        const auto text = cp::cp932ToUtf16(bytes);
        ASSERT_TRUE(text.has_value());
        ASSERT_EQ(text->size(), 1u);
        EXPECT_EQ(cp::utf16ToCp932(*text), bytes);
    }
    EXPECT_EQ(cp::cp932ToUtf16("\x81\x60"), u"\uFF5E");
    EXPECT_EQ(cp::cp932ToUtf16("\x87\x40"), u"\u2460");
}

TEST(Cp932Conversion, AsciiControlsAndLineEndsPassThrough)
{
    EXPECT_EQ(cp::cp932ToUtf16("a,b\r\nc\td"), u"a,b\r\nc\td");
    EXPECT_EQ(cp::cp932ToUtf16(""), u"");
    EXPECT_EQ(cp::utf16ToCp932(u""), "");
}

TEST(Cp932Conversion, RefusesBytesWithoutMapping)
{
    EXPECT_FALSE(cp::cp932ToUtf16("\x80").has_value());
    EXPECT_FALSE(cp::cp932ToUtf16("\xa0").has_value());
    EXPECT_FALSE(cp::cp932ToUtf16("ab\x85\x40").has_value());
}

TEST(Cp932Conversion, RefusesLeadByteCutOffAtEnd)
{
    EXPECT_FALSE(cp::cp932ToUtf16("abc\x82").has_value());
}

TEST(Cp932Conversion, RefusesCharactersOutsideTheCodePage)
{
    EXPECT_FALSE(cp::utf16ToCp932(u"caf\u00E9").has_value());
    EXPECT_FALSE(cp::utf16ToCp932(u"\U0001F600").has_value());
    EXPECT_FALSE(cp::utf16ToCp932(std::u16string(1, u'\xD800')).has_value());
}

TEST(Cp932Conversion, LongInputIsConvertedWhole)
{
    std::string bytes;
    std::u16string expected;
    for (int i = 0; i < 5000; ++i) {
        bytes += JapaneseCp932;
        expected += JapaneseUtf16;
    }
    EXPECT_EQ(cp::cp932ToUtf16(bytes), expected);
    EXPECT_EQ(cp::utf16ToCp932(expected), bytes);
}

// --- data files ------------------------------------------------------------------------

TEST(DataFileDecoding, Cp932FileIsReadAsCp932)
{
    EXPECT_EQ(cp::decodeDataFile(JapaneseCp932 + "\r\n"), JapaneseUtf16 + u"\r\n");
}

TEST(DataFileDecoding, UnmappableSingleBytesBecomeReplacementAndReadingGoesOn)
{
    EXPECT_EQ(cp::decodeDataFile("\x93\xfa\x80\x96\x7b"), u"日\uFFFD本");
    EXPECT_EQ(cp::decodeDataFile("A\xa0" "B\r\n\x8c\xea"), u"A\uFFFDB\r\n語");
}

TEST(DataFileDecoding, UnmappedPairBecomesOneReplacement)
{
    EXPECT_EQ(cp::decodeDataFile("x\x85\x40y"), u"x\uFFFDy");
}

TEST(DataFileDecoding, LeadByteWithoutTrailDoesNotSwallowTheLineEnd)
{
    EXPECT_EQ(cp::decodeDataFile("\x93\xfa\x82\r\n\x96\x7b"), u"日\uFFFD\r\n本");
    EXPECT_EQ(cp::decodeDataFile("\x93\xfa\x82"), u"日\uFFFD");
}

TEST(DataFileDecoding, OnlyTheDamagedLineIsAffected)
{
    const std::string good = JapaneseCp932 + "\r\n";
    EXPECT_EQ(cp::decodeDataFile(good + "\x80\r\n" + good),
              JapaneseUtf16 + u"\r\n" + u"\uFFFD\r\n" + JapaneseUtf16 + u"\r\n");
}

TEST(DataFileDecoding, ValidUtf8IsReadAsUtf8)
{
    EXPECT_EQ(cp::decodeDataFile("日本語,\xE2\x91\xA0\r\n"), u"日本語,\u2460\r\n");
}

TEST(DataFileDecoding, ByteOrderMarkIsDropped)
{
    EXPECT_EQ(cp::decodeDataFile("\xEF\xBB\xBF" "ext,日本\n"), u"ext,日本\n");
    EXPECT_EQ(cp::decodeDataFile("\xEF\xBB\xBF"), u"");
}

TEST(DataFileDecoding, FileWithByteOrderMarkStaysUtf8WhenDamaged)
{
    EXPECT_EQ(cp::decodeDataFile("\xEF\xBB\xBF" "a\xC0" "b"), u"a\uFFFDb");
}

TEST(DataFileDecoding, PlainAsciiIsTheSameEitherWay)
{
    EXPECT_EQ(cp::decodeDataFile("zend,,\r\n"), u"zend,,\r\n");
}

// --- UTF-8 validity --------------------------------------------------------------------

struct Utf8Case {
    const char *label;
    std::string bytes;
    bool valid;
};

class Utf8Validity : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Validity, MatchesTheStrictRules)
{
    EXPECT_EQ(cp::isValidUtf8(GetParam().bytes), GetParam().valid) << GetParam().label;
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8Validity,
    ::testing::Values(Utf8Case{"empty", "", true}, Utf8Case{"ascii", "readme.txt", true},
                      Utf8Case{"japanese", "日本語", true},
                      Utf8Case{"astral", "\xF0\x9F\x98\x80", true},
                      Utf8Case{"last code point", "\xF4\x8F\xBF\xBF", true},
                      Utf8Case{"below surrogates", "\xED\x9F\xBF", true},
                      Utf8Case{"above surrogates", "\xEE\x80\x80", true},
                      Utf8Case{"overlong NUL", "\xC0\x80", false},
                      Utf8Case{"overlong two-byte", "\xC1\xBF", false},
                      Utf8Case{"overlong three-byte", "\xE0\x80\x80", false},
                      Utf8Case{"overlong four-byte", "\xF0\x8F\xBF\xBF", false},
                      Utf8Case{"surrogate", "\xED\xA0\x80", false},
                      Utf8Case{"above U+10FFFF", "\xF4\x90\x80\x80", false},
                      Utf8Case{"lead F5", "\xF5\x80\x80\x80", false},
                      Utf8Case{"lone continuation", "a\x80", false},
                      Utf8Case{"truncated", "\xE6\x97", false},
                      Utf8Case{"byte FF", "\xFF", false},
                      Utf8Case{"cp932 text", "\x93\xfa\x96\x7b", false}),
    [](const auto &info) {
        std::string name;
        for (const char c : std::string(info.param.label))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

// --- UTF-8 and UTF-16 ------------------------------------------------------------------

TEST(Utf8Utf16Conversion, AstralCharactersBecomeSurrogatePairs)
{
    EXPECT_EQ(cp::utf8ToUtf16("a\xF0\x9F\x98\x80z"), u"a\xD83D\xDE00z");
    EXPECT_EQ(cp::utf8ToUtf16("\xF4\x8F\xBF\xBF"), u"\xDBFF\xDFFF");
}

TEST(Utf8Utf16Conversion, SurrogatePairsBecomeFourBytes)
{
    EXPECT_EQ(cp::utf16ToUtf8(u"a\xD83D\xDE00z"), "a\xF0\x9F\x98\x80z");
    EXPECT_EQ(cp::utf16ToUtf8(u"\U00010000"), "\xF0\x90\x80\x80");
}

TEST(Utf8Utf16Conversion, RoundTripKeepsEveryKindOfCharacter)
{
    const std::u16string text = u"A\u00E9\u65E5\uFF5E\U0001F600\U0010FFFF\u0001";
    EXPECT_EQ(cp::utf8ToUtf16(cp::utf16ToUtf8(text)), text);
}

TEST(Utf8Utf16Conversion, InvalidUtf8BecomesOneReplacementPerBadPart)
{
    EXPECT_EQ(cp::utf8ToUtf16("a\xC0\x80z"), u"a\uFFFD\uFFFDz");
    EXPECT_EQ(cp::utf8ToUtf16("a\xE6\x97z"), u"a\uFFFDz");
    EXPECT_EQ(cp::utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(cp::utf8ToUtf16("\xE6\x97"), u"\uFFFD");
}

TEST(Utf8Utf16Conversion, ByteThatCouldStartACharacterIsNotSwallowed)
{
    EXPECT_EQ(cp::utf8ToUtf16("\xE6\x97\xE6\x97\xA5"), u"\uFFFD日");
}

TEST(Utf8Utf16Conversion, UnpairedSurrogatesBecomeReplacement)
{
    EXPECT_EQ(cp::utf16ToUtf8(u"a\xD800z"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(cp::utf16ToUtf8(u"a\xDC00"), "a\xEF\xBF\xBD");
    EXPECT_EQ(cp::utf16ToUtf8(u"\xDE00\xD83D"), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Utf8Utf16Conversion, StrictFormRefusesUnpairedSurrogates)
{
    EXPECT_FALSE(cp::utf16ToUtf8Strict(u"a\xD800z").has_value());
    EXPECT_FALSE(cp::utf16ToUtf8Strict(u"\xDC00").has_value());
    EXPECT_EQ(cp::utf16ToUtf8Strict(u"日\xD83D\xDE00"), "日\xF0\x9F\x98\x80");
}

TEST(Utf8Utf16Conversion, NulCharactersAreKept)
{
    const std::string bytes("a\0b", 3);
    EXPECT_EQ(cp::utf8ToUtf16(bytes), std::u16string(u"a\0b", 3));
    EXPECT_EQ(cp::utf16ToUtf8(std::u16string(u"a\0b", 3)), bytes);
}

// --- names: bytes kept exactly --------------------------------------------------------

TEST(NameBytes, EachUndecodableByteTravelsAsItsOwnSurrogate)
{
    const struct {
        std::string bytes;
        std::u16string name;
    } cases[] = {
        {"photo\xFF.txt", u"photo\xDCFF.txt"},
        {"\x93\xfa\x96\x7b.txt", u"\xDC93\xDCFA\xDC96{.txt"},   // Shift-JIS 日本
        {"a\xE6\x97z", u"a\xDCE6\xDC97z"},                       // cut-off character
        {"\xED\xA0\x80", u"\xDCED\xDCA0\xDC80"},                 // encoded surrogate
        {"\xC0\xAF", u"\xDCC0\xDCAF"},                           // overlong '/'
        {"写真\xF0\x9F\x98\x80", u"写真\U0001F600"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(cp::nameFromBytes(c.bytes), c.name) << c.bytes;
        EXPECT_EQ(cp::nameToBytes(c.name), c.bytes) << c.bytes;
    }
}

TEST(NameBytes, EveryOneAndTwoByteNameComesBackExactly)
{
    for (int first = 0; first < 256; ++first) {
        for (int second = -1; second < 256; ++second) {
            std::string bytes(1, static_cast<char>(first));
            if (second >= 0)
                bytes += static_cast<char>(second);
            ASSERT_EQ(cp::nameToBytes(cp::nameFromBytes(bytes)), bytes) << first << ' ' << second;
        }
    }
}

TEST(NameBytes, SurrogatesThatCarryNoByteAreRefused)
{
    for (const std::u16string name : {u"a\xD800z", u"a\xDC41", u"\xDE00\xD83D"})
        EXPECT_FALSE(cp::nameToBytes(name).has_value());
}

TEST(ReadableNames, ShowEveryNameInASpellingNoOtherNameShares)
{
    if (!testsupport::namesAreBytes())
        GTEST_SKIP() << "on Windows names are UTF-16 and the backslash always separates folders; this table is POSIX's";
    const struct {
        std::u16string name;
        std::u16string shown;
    } cases[] = {
        {u"photo\xDCFF.txt", u"photo\\xFF.txt"},
        {u"photo\\xFF.txt", u"photo\\\\xFF.txt"},
        {u"line\nbreak\tand\x1B", u"line\\x0Abreak\\x09and\\x1B"},
        {u"c1\u0085", u"c1\\u0085"},
        {u"lone\xD800", u"lone\\uD800"},
        {u"/写真/\U0001F600 é.jpg", u"/写真/\U0001F600 é.jpg"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cp::readableName(c.name), c.shown);
}
