// The C contract, through the real engine library loaded the way the program loads it:
// by full path from the folder of the executable, texts in the engine's own text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/library.h"
#include "platform/platform.h"
#include "samples.h"
#include "test_support.h"
#include "tivex.h"

using namespace std::literals;

namespace tivex::test {
namespace {

using CheckFunction = int32_t(TIVEX_CALL *)(const char *, char *, char *, char *, char *, char *, char *, int32_t *);
using WhatFunction = int32_t(TIVEX_CALL *)(int32_t, const char *, char *);
using CheckExtFunction = int32_t(TIVEX_CALL *)(const char *, char *);

struct Library {
    std::unique_ptr<platform::SharedLibrary> handle = platform::SharedLibrary::open(
        platform::programFolder() + platform::pathSeparator() + platform::engineLibraryFileName());
    template <typename Function> Function entry(std::string_view name, int argumentBytes) const
    {
        return handle ? reinterpret_cast<Function>(handle->symbol(platform::engineSymbolName(name, argumentBytes).c_str()))
                      : nullptr;
    }
    CheckFunction check = entry<CheckFunction>("TivexCheck", 32);
    WhatFunction what = entry<WhatFunction>("TivexWhat", 12);
    CheckExtFunction checkExt = entry<CheckExtFunction>("TivexCheckExt", 8);
};

const Library &library()
{
    static const Library loaded;
    return loaded;
}

constexpr char Fill = static_cast<char>(0xAA);
constexpr size_t CanaryBytes = 8;

// An output buffer of width N: N + 1 bytes for the engine, then canary bytes that it
// must never touch.
class OutBuffer {
public:
    explicit OutBuffer(size_t width) : m_width(width), m_bytes(width + 1 + CanaryBytes, Fill) {}

    char *data() { return m_bytes.data(); }
    void preset(std::string_view stale)
    {
        std::fill(m_bytes.begin(), m_bytes.end(), Fill);
        std::memcpy(m_bytes.data(), stale.data(), std::min(stale.size(), m_width));
        m_bytes[std::min(stale.size(), m_width)] = '\0';
    }
    // The text up to the NUL, which must lie within the N + 1 bytes.
    std::string text() const
    {
        const void *nul = std::memchr(m_bytes.data(), '\0', m_width + 1);
        EXPECT_NE(nul, nullptr) << "no NUL within the buffer";
        return nul ? std::string(m_bytes.data(), static_cast<const char *>(nul)) : std::string();
    }
    bool canaryIntact() const
    {
        return std::all_of(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_width + 1), m_bytes.end(),
                           [](char c) { return c == Fill; });
    }

private:
    size_t m_width;
    std::vector<char> m_bytes;
};

struct CheckCall {
    OutBuffer trueExt{TIVEX_EXT_WIDTH}, desc{TIVEX_DESC_WIDTH}, drive{TIVEX_DRIVE_WIDTH}, folder{TIVEX_FOLDER_WIDTH},
        base{TIVEX_BASE_WIDTH}, presentExt{TIVEX_EXT_WIDTH};
    int32_t reserved = 0;

    // Runs the check with every buffer preset to a stale text.
    int32_t run(const char *path)
    {
        for (OutBuffer *buffer : {&trueExt, &desc, &drive, &folder, &base, &presentExt})
            buffer->preset("stale");
        return library().check(path, trueExt.data(), desc.data(), drive.data(), folder.data(), base.data(),
                               presentExt.data(), &reserved);
    }
    int32_t run(const std::string &path) { return run(path.c_str()); }

    bool canariesIntact() const
    {
        const OutBuffer *all[] = {&trueExt, &desc, &drive, &folder, &base, &presentExt};
        return std::all_of(std::begin(all), std::end(all), [](const OutBuffer *b) { return b->canaryIntact(); });
    }
    void expectFailedWith(std::string_view reasonUtf8) const
    {
        EXPECT_NE(desc.text().find(engineText(reasonUtf8)), std::string::npos) << desc.text();
        for (const OutBuffer *name : {&trueExt, &drive, &folder, &base, &presentExt})
            EXPECT_EQ(name->text(), "");
        EXPECT_TRUE(canariesIntact());
    }
};

std::string kana(size_t count)
{
    std::string text;
    while (count-- > 0)
        text += "あ";
    return text;
}

class Contract : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(library().check && library().what && library().checkExt); }

    // Creates the folders below the temporary one so that the folder the engine reports
    // (from the root, without the drive, with its closing separator) is exactly length
    // bytes long, and returns the full path of that folder.
    std::string folderOfLength(size_t length)
    {
        std::string relative;
        size_t remaining = length - m_dir.folder().size();
        while (remaining > 0) {
            const size_t component = remaining > 201 ? 150 : remaining - 1;
            relative += std::string(component, 'd') + "/";
            remaining -= component + 1;
        }
        m_dir.makeFolder(relative);
        return m_dir.path() + m_dir.folder().back() + relative;
    }

    TempDir m_dir;
};

TEST_F(Contract, reportsEveryPartOfASuccessfulCheck)
{
    struct Case {
        std::string name, content, trueExt, desc, base, presentExt; // texts in UTF-8; desc empty: any
    };
    const Case cases[] = {
        {"picture.PNG", pngImage(), "png", "PNG 画像", "picture", "PNG"},
        {"写真.jpg", pngImage(), "png", "PNG 画像", "写真", "jpg"},
        {"nothing.dat", "", "", "空のファイル（0 バイト）", "nothing", "dat"},
        {"blob.bin", "\x00\x01\x02\x03\x04\x05\x06\x07\x00\x00\x10"s, "", "", "blob", "bin"},
        // Names are split by the rule the program shares with the engine.
        {".profile", "plain words\n", "txt", "", ".profile", ""},
        {"readme.", "plain words\n", "txt", "", "readme", ""},
        {"Report v1.0 final draft for review", "plain words\n", "txt", "", "Report v1.0 final draft for review", ""},
        {"notes.abcdefghijklmnopq", "plain words\n", "txt", "", "notes.abcdefghijklmnopq", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CheckCall call;
        ASSERT_EQ(call.run(m_dir.write(c.name, c.content)), 1) << call.desc.text();
        EXPECT_EQ(call.trueExt.text(), c.trueExt);
        if (c.desc.empty())
            EXPECT_FALSE(call.desc.text().empty());
        else
            EXPECT_EQ(call.desc.text(), engineText(c.desc));
        EXPECT_EQ(call.drive.text(), m_dir.drive());
        EXPECT_EQ(call.folder.text(), m_dir.folder());
        EXPECT_EQ(call.base.text(), engineText(c.base));
        EXPECT_EQ(call.presentExt.text(), c.presentExt);
        EXPECT_TRUE(call.canariesIntact());
    }
    // Null output buffers are skipped.
    const std::string path = m_dir.at("picture.PNG");
    EXPECT_EQ(library().check(path.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 1);
}

// A base name or a folder that fills its buffer to the last byte is handed back whole, in
// whole characters. (A POSIX path also stays below the longest the system opens.)
TEST_F(Contract, partsThatFillTheirBuffersAreHandedBackWhole)
{
    const size_t kanaBytes = engineText("あ").size();
    for (const std::string &base : {std::string(TIVEX_BASE_WIDTH, 'b'), kana(TIVEX_BASE_WIDTH / kanaBytes)}) {
        CheckCall call;
        ASSERT_EQ(call.run(m_dir.write(base, "x\n")), 1) << call.desc.text();
        EXPECT_EQ(call.base.text(), engineText(base));
        EXPECT_TRUE(call.canariesIntact());
    }
    const std::string folder = folderOfLength(std::min<size_t>(TIVEX_FOLDER_WIDTH, 4000));
    m_dir.write((folder + "f.txt").substr(m_dir.path().size() + 1), "x\n");
    CheckCall call;
    ASSERT_EQ(call.run(folder + "f.txt"), 1) << call.desc.text();
    EXPECT_EQ(call.folder.text(), folder.substr(m_dir.drive().size()));
    EXPECT_TRUE(call.canariesIntact());
}

// Where the engine's text is UTF-8, a Japanese character takes three bytes and a name may
// take all of the 255 bytes the file system allows: each of them is checked.
TEST_F(Contract, everyNameTheFileSystemAllowsIsChecked)
{
    if (const std::string why = whyUnavailable(Needs::BuffersHoldEveryName); !why.empty())
        GTEST_SKIP() << why;
    for (const std::string &name : {kana(85), std::string(251, 'b') + ".txt", kana(22) + ".txt"}) {
        CheckCall call;
        ASSERT_EQ(call.run(m_dir.write(name, "x\n")), 1) << name.size();
        EXPECT_EQ(call.base.text(), name.substr(0, name.find('.')));
    }
}

// Longer parts name no file that can exist here; they fail before the file is looked
// for, and nothing shortened is handed back.
TEST_F(Contract, partsLongerThanTheirBuffersFailBeforeTheFileIsLookedFor)
{
    const size_t kanaBytes = engineText("あ").size();
    const std::string baseTooLong = "ファイル名が長すぎます（" + std::to_string(TIVEX_BASE_WIDTH) + " バイトまで）";
    const struct {
        std::string name;
        std::string reason;
    } cases[] = {
        {std::string(TIVEX_BASE_WIDTH + 1, 'b') + ".txt", baseTooLong},
        {kana(TIVEX_BASE_WIDTH / kanaBytes + 1), baseTooLong},
        {std::string(TIVEX_FOLDER_WIDTH, 'd') + "/a.txt", "フォルダーのパスが長すぎます"},
    };
    for (const auto &c : cases) {
        CheckCall call;
        EXPECT_EQ(call.run(m_dir.at(c.name)), 0);
        call.expectFailedWith(c.reason);
    }
}

TEST_F(Contract, pathsThatNameNoCheckableFileFailWithTheirReason)
{
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {m_dir.at("missing.txt"), "見つかりません"},
        {m_dir.makeFolder("sub.d"), "フォルダーです"},
        {"relative/name.txt", "フルパス"},
        {m_dir.path() + m_dir.folder().back(), "ファイル名がありません"},
        {"", "指定されていません"},
    };
    for (const auto &c : cases) {
        CheckCall call;
        EXPECT_EQ(call.run(c.path), 0) << c.path;
        call.expectFailedWith(c.reason);
    }
    CheckCall call;
    EXPECT_EQ(call.run(static_cast<const char *>(nullptr)), 0);
    call.expectFailedWith("指定されていません");
    EXPECT_EQ(library().check(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
}

TEST_F(Contract, unreadableFileFails)
{
    if (const std::string why = whyUnavailable(Needs::UnreadableFiles); !why.empty())
        GTEST_SKIP() << why;
    const std::string path = m_dir.write("secret.txt", "secret\n");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    CheckCall call;
    EXPECT_EQ(call.run(path), 0);
    call.expectFailedWith("アクセスが拒否されました");
}

// Opening a fifo wakes a writer waiting for a reader and breaks its pipe when closed.
TEST_F(Contract, fifoIsRefusedWithoutBeingOpened)
{
    if (const std::string why = whyUnavailable(Needs::Fifos); !why.empty())
        GTEST_SKIP() << why;
    const WatchedFifo fifo(m_dir.at("pipe"));
    ASSERT_TRUE(fifo.made());
    CheckCall call;
    EXPECT_EQ(call.run(m_dir.at("pipe")), 0);
    call.expectFailedWith("通常のファイルではありません");
    EXPECT_FALSE(fifo.wasOpened());
}

TEST_F(Contract, aFileThatReportsNoSizeIsReadForWhatItHolds)
{
    if (const std::string why = whyUnavailable(Needs::SizelessFiles); !why.empty())
        GTEST_SKIP() << why;
    CheckCall call;
    EXPECT_EQ(call.run(sizelessFile()), 1);
    EXPECT_EQ(call.desc.text().find(engineText("空のファイル")), std::string::npos) << call.desc.text();
    EXPECT_NE(call.trueExt.text(), "");
}

TEST_F(Contract, checkExtGivesTheVerdictsExtensionOrWritesNothing)
{
    const struct {
        std::string path;
        int32_t result;
        std::string ext;
    } cases[] = {
        {m_dir.write("shot.jpg", pngImage()), 1, "png"},
        {m_dir.write("PHOTO.JPEG", jpegImage()), 1, "jpeg"},
        // Longer than the base name buffer of the full check, where there is one.
        {m_dir.write(std::string(100, 'n') + ".dat", gifImage()), 1, "gif"},
        {m_dir.write("empty.txt", ""), 0, ""},
        {m_dir.at("missing"), 0, ""},
    };
    OutBuffer ext(TIVEX_EXT_WIDTH);
    for (const auto &c : cases) {
        ext.preset("stale");
        EXPECT_EQ(library().checkExt(c.path.c_str(), ext.data()), c.result) << c.path;
        EXPECT_EQ(ext.text(), c.ext) << c.path;
    }
    EXPECT_EQ(library().checkExt(nullptr, ext.data()), 0);
    EXPECT_TRUE(ext.canaryIntact());
}

TEST_F(Contract, whatListsEveryDescriptionThenEnds)
{
    OutBuffer desc(TIVEX_DESC_WIDTH);
    EXPECT_GE(library().what(0, "ts", desc.data()), 0);
    const std::string first = desc.text();
    EXPECT_GE(library().what(1, "ts", desc.data()), 0);
    const std::string second = desc.text();
    EXPECT_FALSE(first.empty());
    EXPECT_FALSE(second.empty());
    EXPECT_NE(first, second);
    EXPECT_EQ(library().what(1, "ts", desc.data()), -1);
    EXPECT_EQ(library().what(1, "ts", desc.data()), -1);
    // A new search starts over, and continues only itself.
    EXPECT_GE(library().what(0, "ts", desc.data()), 0);
    EXPECT_EQ(desc.text(), first);
    EXPECT_EQ(library().what(1, "png", desc.data()), -1);
    EXPECT_TRUE(desc.canaryIntact());
}

TEST_F(Contract, whatIgnoresCaseBlanksAndALeadingPeriodAndKnowsNothingElse)
{
    OutBuffer desc(TIVEX_DESC_WIDTH);
    ASSERT_GE(library().what(0, "jpg", desc.data()), 0);
    const std::string expected = desc.text();
    for (const char *typed : {"JPG", " .Jpg ", ".jpg", "JPEG"}) {
        ASSERT_GE(library().what(0, typed, desc.data()), 0) << typed;
        EXPECT_EQ(desc.text(), expected) << typed;
    }
    EXPECT_EQ(library().what(0, "nosuchextension", desc.data()), -1);
    EXPECT_EQ(library().what(1, "nosuchextension", desc.data()), -1);
    EXPECT_EQ(library().what(0, "", desc.data()), -1);
    EXPECT_EQ(library().what(0, nullptr, desc.data()), -1);
    EXPECT_EQ(library().what(7, "jpg", desc.data()), -1);
}

// Not a Contract fixture test: the child process leaves through exit() and would leave
// the fixture's temporary folder behind.
TEST(ContractWhat, whatNextWithoutAFirstCallGivesNothing)
{
    ASSERT_NE(library().what, nullptr);
    // A fresh process, so that no earlier search is remembered.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            OutBuffer desc(TIVEX_DESC_WIDTH);
            std::exit(library().what(1, "jpg", desc.data()) == -1 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace tivex::test
