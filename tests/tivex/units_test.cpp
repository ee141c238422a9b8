// The engine's building blocks that the type samples do not show through: the byte
// view's bounds, the reads, inflating, name splitting, UTF-8 cutting and the tables.
#include <gtest/gtest.h>

#include <string>

#include "byte_view.h"
#include "platform/codepage.h"
#include "inflate.h"
#include "samples.h"
#include "signatures.h"
#include "source.h"
#include "test_support.h"
#include "text_util.h"
#include "tivex_engine.h"
#include "type_table.h"

using namespace std::literals;

namespace tivex::test {
namespace {

// ---- ByteView ---------------------------------------------------------------------------

TEST(ByteView, refusesReadsThatReachPastTheEnd)
{
    const ByteView view("\x01\x02\x03"sv);
    EXPECT_FALSE(view.u32le(0));
    EXPECT_FALSE(view.u16be(2));
    EXPECT_FALSE(view.u8(3));
    EXPECT_FALSE(view.u8(SIZE_MAX));
    EXPECT_FALSE(view.u64le(SIZE_MAX - 2));
    EXPECT_FALSE(view.chars(1, SIZE_MAX));
    EXPECT_TRUE(view.u16be(1));
}

TEST(ByteView, subViewsAreClampedToTheData)
{
    const ByteView view("abcdef"sv);
    EXPECT_EQ(view.sub(4).size(), 2u);
    EXPECT_EQ(view.sub(2, 100).size(), 4u);
    EXPECT_TRUE(view.sub(6).empty());
    EXPECT_TRUE(view.sub(SIZE_MAX).empty());
}

// ---- Source -----------------------------------------------------------------------------

TEST(Source, targetedReadsComeFromTheMiddleOfLargeFiles)
{
    std::string bytes(3 * Source::HeadSize, '\0');
    bytes.replace(Source::HeadSize + 100, 5, "hello");
    MemoryAccess access{ByteView(bytes)};
    Source source(access);
    ASSERT_TRUE(source.load());
    EXPECT_EQ(source.head().size(), Source::FirstReadSize);
    EXPECT_EQ(source.head(Source::HeadSize).size(), Source::HeadSize);
    EXPECT_EQ(source.tailOffset(), bytes.size() - Source::TailSize);
    const auto middle = source.bytesAt(Source::HeadSize + 100, 5);
    ASSERT_TRUE(middle);
    EXPECT_EQ(middle->chars(0, 5), "hello");
    EXPECT_FALSE(source.bytesAt(bytes.size() - 2, 5));
}

TEST(Source, readsOnlyTheFirstBytesUntilMoreIsAskedFor)
{
    const std::string bytes(10 * Source::HeadSize, 'x');
    MemoryAccess access{ByteView(bytes)};
    Source source(access);
    ASSERT_TRUE(source.load());
    EXPECT_EQ(source.bytesRead(), Source::FirstReadSize);
    EXPECT_EQ(source.tail().size(), Source::TailSize);
    EXPECT_EQ(source.bytesRead(), Source::FirstReadSize + Source::TailSize);
}

TEST(Source, targetedReadsStopAtTheReadBudget)
{
    const std::string bytes(64 * Source::HeadSize, 'x');
    MemoryAccess access{ByteView(bytes)};
    Source source(access);
    ASSERT_TRUE(source.load());
    int served = 0;
    for (uint64_t offset = 2 * Source::HeadSize; offset < bytes.size(); offset += Source::ScratchSize) {
        if (source.bytesAt(offset, Source::ScratchSize))
            ++served;
    }
    // A file costs at most 256 KiB of reading, and the budget is not spent early.
    EXPECT_LE(source.bytesRead(), 256u * 1024);
    EXPECT_GT(source.bytesRead(), 192u * 1024);
    EXPECT_GT(served, 0);
    EXPECT_LT(served, 60);
}

TEST(Source, smallFilesAreReadOnceAsHeadAndTail)
{
    const std::string bytes = "small file";
    MemoryAccess access{ByteView(bytes)};
    Source source(access);
    ASSERT_TRUE(source.load());
    EXPECT_TRUE(source.headIsWhole());
    EXPECT_EQ(source.tail().data(), source.head().data());
    EXPECT_EQ(source.tail().size(), bytes.size());
}

// The file system would read a path only up to a NUL and open the file its first part
// names; such a path names no file.
TEST(Source, aPathWithANulOpensNothing)
{
    const TempDir dir;
    const std::string picture = dir.write("victim.png", pngImage());
    ASSERT_TRUE(checkFile(picture).ok());
    for (const std::string &path : {picture + '\0', picture + "\0zzz"s, dir.at("victim.png\0.txt"s)})
        EXPECT_FALSE(checkFile(path).ok()) << path.size();
}

// ---- Inflate ----------------------------------------------------------------------------

TEST(Inflate, decodesStoredAndFixedBlocks)
{
    // A stored block holding "abc", then fixed Huffman codes with back-references.
    const std::string stored = "\x01\x03\x00\xFC\xFF" "abc"s;
    uint8_t out[16] = {};
    ASSERT_EQ(inflateRaw(ByteView(stored), out, sizeof out), 3u);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(out), 3), "abc");
    const std::string fixed = "\x4B\x4C\x4A\x4E\x44\x45\x00"s; // zlib's raw deflate of "abc" six times
    uint8_t longer[32] = {};
    ASSERT_EQ(inflateRaw(ByteView(fixed), longer, sizeof longer), 18u);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(longer), 18), "abcabcabcabcabcabc");
}

TEST(Inflate, decodesDynamicHuffmanBlocks)
{
    const std::string expected = R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/><Override PartName="/word/styles.xml"/>)";
    uint8_t out[512] = {};
    ASSERT_EQ(inflateRaw(ByteView(deflatedWordContentTypes()), out, sizeof out), expected.size());
    EXPECT_EQ(std::string(reinterpret_cast<char *>(out), expected.size()), expected);
}

TEST(Inflate, stopsAtTheOutputsEndAndOnBrokenInput)
{
    const std::string stored = "\x01\x03\x00\xFC\xFF" "abc"s;
    uint8_t out[2] = {};
    EXPECT_EQ(inflateRaw(ByteView(stored), out, sizeof out), 2u);
    const std::string broken = "\x07\xFF\xFF"s; // reserved block type
    uint8_t more[8] = {};
    EXPECT_EQ(inflateRaw(ByteView(broken), more, sizeof more), 0u);
}

// ---- Names and UTF-8 --------------------------------------------------------------------

struct NameCase {
    std::string name, base, ext;
};

TEST(SplitName, theExtensionIsWhatFollowsTheLastPeriodWhenItCanBeOne)
{
    if (platform::codepage::toEngineText(u"\u5831") != std::string("\xE5\xA0\xB1"))
        GTEST_SKIP() << "the engine's names are ANSI code page text here; this table is UTF-8";
    const std::string sixteenKana = "ああああああああああああああああ"; // 48 bytes, 16 characters
    const std::string sixteenStray(16, '\xFF');                        // not UTF-8: 16 characters
    const NameCase cases[] = {
        {"photo.jpg", "photo", "jpg"}, {"archive.tar.gz", "archive.tar", "gz"}, {".profile", ".profile", ""},
        {"readme.", "readme", ""},     {"noext", "noext", ""},                 {".a.b", ".a", "b"},
        {"a.b", "a", "b"},             {"..", ".", ""},                        {".", ".", ""},
        {"Report v1.0 final draft for review", "Report v1.0 final draft for review", ""},
        {"a.b c", "a.b c", ""},        {"a.b\tc", "a.b\tc", ""},               {"報告.最終\u3000版", "報告.最終\u3000版", ""},
        {"a.abcdefghijklmnop", "a", "abcdefghijklmnop"},
        {"a.abcdefghijklmnopq", "a.abcdefghijklmnopq", ""},
        {"a." + sixteenKana, "a", sixteenKana},
        {"a." + sixteenKana + "あ", "a." + sixteenKana + "あ", ""},
        {"a." + sixteenStray, "a", sixteenStray},
        {"a." + sixteenStray + "\xFF", "a." + sixteenStray + "\xFF", ""},
    };
    for (const NameCase &c : cases) {
        const NameParts parts = splitName(c.name);
        EXPECT_EQ(parts.base, c.base) << c.name;
        EXPECT_EQ(parts.ext, c.ext) << c.name;
    }
}

TEST(Utf8Cut, neverSplitsACharacter)
{
    // "あ" and "い" are three bytes, "😀" four.
    const struct {
        std::string_view text;
        size_t limit, length;
    } cases[] = {
        {"aあい", 0, 0}, {"aあい", 2, 1}, {"aあい", 4, 4}, {"aあい", 5, 4}, {"aあい", 6, 4},
        {"aあい", 7, 7}, {"abc", 10, 3},  {"x😀", 4, 1},   {"x😀", 5, 5},
    };
    for (const auto &c : cases)
        EXPECT_EQ(utf8PrefixLength(c.text, c.limit), c.length) << c.text << " within " << c.limit;
}

// ---- Tables -----------------------------------------------------------------------------

TEST(TypeTable, reverseIndexFindsEveryTypeOfAnExtension)
{
    const auto &ts = typesForExtension("ts");
    ASSERT_EQ(ts.size(), 2u);
    EXPECT_EQ(ts[0]->id, "mts");
    EXPECT_EQ(ts[1]->id, "typescript");
    for (const TypeInfo *type : typesForExtension("xml"))
        EXPECT_TRUE(type->claimsExtension("xml")) << type->id;
    const auto &jpeg = typesForExtension("jpeg");
    ASSERT_EQ(jpeg.size(), 1u);
    EXPECT_EQ(jpeg[0]->id, "jpg");
    EXPECT_TRUE(typesForExtension("nosuchext").empty());
}

// Whether a plain signature's type exists is checked by its sample in the type tests.
TEST(SignatureTable, everyRowNamesATypeOrAnInspectorAndMasksCoverTheirBytes)
{
    for (const Signature &signature : allSignatures()) {
        EXPECT_TRUE(signature.inspector || !signature.typeId.empty()) << signature.bytes;
        EXPECT_TRUE(signature.mask.empty() || signature.mask.size() == signature.bytes.size()) << signature.typeId;
    }
}

} // namespace
} // namespace tivex::test
