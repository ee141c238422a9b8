#include "platform/codepage.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace cp = platform::codepage;

namespace {

// 日本語テスト～①ｱｲｳ in Microsoft's code page 932: the wave dash is 0x8160 (U+FF5E in
// Microsoft's table, where Shift-JIS proper has U+301C), ① is NEC row 13, and the last
// three are single-byte half-width katakana.
const std::string JapaneseCp932 =
    "\x93\xfa\x96\x7b\x8c\xea\x83\x65\x83\x58\x83\x67\x81\x60\x87\x40\xb1\xb2\xb3";
const std::u16string JapaneseUtf16 = u"日本語テスト\uFF5E\u2460\uFF71\uFF72\uFF73";

template <typename Text>
Text repeated(const Text &text, int times)
{
    Text result;
    while (times-- > 0)
        result += text;
    return result;
}

struct TextCase {
    const char *what;
    std::string bytes;
    std::u16string text;
};

} // namespace

// --- CP932 -----------------------------------------------------------------------------

TEST(Cp932Conversion, ConvertsBothWaysWithMicrosoftsTable)
{
    const TextCase cases[] = {
        {"Japanese", JapaneseCp932, JapaneseUtf16},
        {"ASCII controls and line ends", "a,b\r\nc\td", u"a,b\r\nc\td"},
        {"empty", "", u""},
        {"long input, whole", repeated(JapaneseCp932, 5000), repeated(JapaneseUtf16, 5000)},
    };
    for (const TextCase &c : cases) {
        EXPECT_EQ(cp::cp932ToUtf16(c.bytes), c.text) << c.what;
        EXPECT_EQ(cp::utf16ToCp932(c.text), c.bytes) << c.what;
    }
}

TEST(Cp932Conversion, RefusesWhatHasNoMapping)
{
    for (const std::string bytes : {"\x80", "\xa0", "ab\x85\x40", "abc\x82" /* lead byte cut off */})
        EXPECT_EQ(cp::cp932ToUtf16(bytes), std::nullopt) << bytes;
    for (const std::u16string text : {u"caf\u00E9", u"\U0001F600", u"\xD800"})
        EXPECT_EQ(cp::utf16ToCp932(text), std::nullopt);
}

// --- data files ------------------------------------------------------------------------

TEST(DataFileDecoding, ReadsCp932OrUtf8AndMarksOnlyWhatIsDamaged)
{
    const std::string good = JapaneseCp932 + "\r\n";
    const TextCase cases[] = {
        {"CP932", good, JapaneseUtf16 + u"\r\n"},
        {"unmappable byte, reading goes on", "A\xa0" "B\r\n\x8c\xea", u"A\uFFFDB\r\n語"},
        {"unmapped pair is one replacement", "x\x85\x40y", u"x\uFFFDy"},
        {"a cut-off lead byte keeps the line end", "\x93\xfa\x82\r\n\x96\x7b", u"日\uFFFD\r\n本"},
        {"a cut-off lead byte at the end", "\x93\xfa\x82", u"日\uFFFD"},
        {"only the damaged line", good + "\x80\r\n" + good,
         JapaneseUtf16 + u"\r\n\uFFFD\r\n" + JapaneseUtf16 + u"\r\n"},
        {"valid UTF-8", "日本語,\xE2\x91\xA0\r\n", u"日本語,\u2460\r\n"},
        {"byte order mark dropped", "\xEF\xBB\xBF" "ext,日本\n", u"ext,日本\n"},
        {"only a byte order mark", "\xEF\xBB\xBF", u""},
        {"byte order mark, damaged: still UTF-8", "\xEF\xBB\xBF" "a\xC0" "b", u"a\uFFFDb"},
    };
    for (const TextCase &c : cases)
        EXPECT_EQ(cp::decodeDataFile(c.bytes), c.text) << c.what;
}

// --- UTF-8 and UTF-16 ------------------------------------------------------------------

// The decoder behind this is the conversions' below, whose tables hold the last code
// point, surrogates, a cut-off character and the overlong NUL; these are the other edges.
TEST(Utf8Validity, MatchesTheStrictRules)
{
    const struct {
        const char *what;
        std::string bytes;
        bool valid;
    } cases[] = {
        {"empty", "", true},
        {"japanese", "日本語", true},
        {"below surrogates", "\xED\x9F\xBF", true},
        {"above surrogates", "\xEE\x80\x80", true},
        {"overlong two-byte", "\xC1\xBF", false},
        {"overlong three-byte", "\xE0\x80\x80", false},
        {"overlong four-byte", "\xF0\x8F\xBF\xBF", false},
        {"above U+10FFFF", "\xF4\x90\x80\x80", false},
        {"lead F5", "\xF5\x80\x80\x80", false},
        {"lone continuation", "a\x80", false},
        {"byte FF", "\xFF", false},
        {"cp932 text", "\x93\xfa\x96\x7b", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cp::isValidUtf8(c.bytes), c.valid) << c.what;
}

TEST(Utf8Utf16Conversion, ConvertsEveryKindOfCharacterBothWays)
{
    const TextCase cases[] = {
        {"astral", "a\xF0\x9F\x98\x80z", u"a\xD83D\xDE00z"},
        {"last code point", "\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF"},
        {"first astral", "\xF0\x90\x80\x80", u"\U00010000"},
        {"NUL kept", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
        {"mixed", "A\xC3\xA9\xE6\x97\xA5\xEF\xBD\x9E\x01", u"A\u00E9\u65E5\uFF5E\u0001"},
    };
    for (const TextCase &c : cases) {
        EXPECT_EQ(cp::utf8ToUtf16(c.bytes), c.text) << c.what;
        EXPECT_EQ(cp::utf16ToUtf8(c.text), c.bytes) << c.what;
    }
}

TEST(Utf8Utf16Conversion, EachBadPartBecomesOneReplacement)
{
    const TextCase fromUtf8[] = {
        {"overlong", "a\xC0\x80z", u"a\uFFFD\uFFFDz"},
        {"cut-off", "a\xE6\x97z", u"a\uFFFDz"},
        {"surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"cut-off at the end", "\xE6\x97", u"\uFFFD"},
        {"a byte that could start a character is kept", "\xE6\x97\xE6\x97\xA5", u"\uFFFD日"},
    };
    for (const TextCase &c : fromUtf8)
        EXPECT_EQ(cp::utf8ToUtf16(c.bytes), c.text) << c.what;
    const TextCase fromUtf16[] = {
        {"lone high", "a\xEF\xBF\xBDz", u"a\xD800z"},
        {"lone low at the end", "a\xEF\xBF\xBD", u"a\xDC00"},
        {"pair in the wrong order", "\xEF\xBF\xBD\xEF\xBF\xBD", u"\xDE00\xD83D"},
    };
    for (const TextCase &c : fromUtf16)
        EXPECT_EQ(cp::utf16ToUtf8(c.text), c.bytes) << c.what;
}

// --- names: bytes kept exactly --------------------------------------------------------

TEST(NameBytes, EachUndecodableByteTravelsAsItsOwnSurrogate)
{
    const TextCase cases[] = {
        {"stray byte", "photo\xFF.txt", u"photo\xDCFF.txt"},
        {"Shift-JIS", "\x93\xfa\x96\x7b.txt", u"\xDC93\xDCFA\xDC96{.txt"},
        {"cut-off character", "a\xE6\x97z", u"a\xDCE6\xDC97z"},
        {"encoded surrogate", "\xED\xA0\x80", u"\xDCED\xDCA0\xDC80"},
        {"overlong '/'", "\xC0\xAF", u"\xDCC0\xDCAF"},
        {"UTF-8", "写真\xF0\x9F\x98\x80", u"写真\U0001F600"},
    };
    for (const TextCase &c : cases) {
        EXPECT_EQ(cp::nameFromBytes(c.bytes), c.text) << c.what;
        EXPECT_EQ(cp::nameToBytes(c.text), c.bytes) << c.what;
    }
    for (const std::u16string name : {u"a\xD800z", u"a\xDC41", u"\xDE00\xD83D"})
        EXPECT_EQ(cp::nameToBytes(name), std::nullopt) << "a surrogate that carries no byte";
    // The system would end the name at the NUL and act on the file its first part names.
    for (const std::u16string &name : {std::u16string(u"/victim\0zzz/A.TXT", 17), std::u16string(u"A.TXT\0", 6)})
        EXPECT_EQ(cp::nameToBytes(name), std::nullopt) << "a NUL";
}

// Every name the system can hold; one with a NUL is no such name.
TEST(NameBytes, EveryOneAndTwoByteNameComesBackExactly)
{
    for (int first = 0; first < 256; ++first) {
        for (int second = -1; second < 256; ++second) {
            std::string bytes(1, static_cast<char>(first));
            if (second >= 0)
                bytes += static_cast<char>(second);
            const bool holdsNul = first == 0 || second == 0;
            ASSERT_EQ(cp::nameToBytes(cp::nameFromBytes(bytes)), holdsNul ? std::nullopt : std::optional(bytes))
                << first << ' ' << second;
        }
    }
}

TEST(ReadableNames, ShowEveryNameInASpellingNoOtherNameShares)
{
    if (!testsupport::namesAreBytes())
        GTEST_SKIP() << "on Windows names are UTF-16 and the backslash always separates folders; this table is POSIX's";
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"photo\xDCFF.txt", u"photo\\xFF.txt"},
        {u"photo\\xFF.txt", u"photo\\\\xFF.txt"},
        {u"line\nbreak\tand\x1B", u"line\\x0Abreak\\x09and\\x1B"},
        {u"c1\u0085", u"c1\\u0085"},
        {u"lone\xD800", u"lone\\uD800"},
        {u"/写真/\U0001F600 é.jpg", u"/写真/\U0001F600 é.jpg"},
    };
    for (const auto &[name, shown] : cases)
        EXPECT_EQ(cp::readableName(name), shown);
}
