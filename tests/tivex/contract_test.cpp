// The C contract, through the real engine library loaded the way the program loads it:
// by full path from the folder of the executable, entry points by their exported names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/library.h"
#include "platform/platform.h"
#include "samples.h"
#include "support/temp_folder.h"
#include "test_support.h"
#include "tivex.h"

using namespace std::literals;

namespace tivex::test {
namespace {

using CheckFunction = int32_t(TIVEX_CALL *)(const char *, char *, char *, char *, char *, char *, char *, int32_t *);
using WhatFunction = int32_t(TIVEX_CALL *)(int32_t, const char *, char *);
using CheckExtFunction = int32_t(TIVEX_CALL *)(const char *, char *);

struct Library {
    std::unique_ptr<platform::SharedLibrary> handle;
    CheckFunction check = nullptr;
    WhatFunction what = nullptr;
    CheckExtFunction checkExt = nullptr;
};

const Library &library()
{
    static const Library loaded = [] {
        Library lib;
        lib.handle = platform::SharedLibrary::open(platform::programFolder() + platform::pathSeparator()
                                                   + platform::engineLibraryFileName());
        if (lib.handle) {
            auto entry = [&lib](const char *name, int bytes) {
                return lib.handle->symbol(platform::engineSymbolName(name, bytes).c_str());
            };
            lib.check = reinterpret_cast<CheckFunction>(entry("TivexCheck", 32));
            lib.what = reinterpret_cast<WhatFunction>(entry("TivexWhat", 12));
            lib.checkExt = reinterpret_cast<CheckExtFunction>(entry("TivexCheckExt", 8));
        }
        return lib;
    }();
    return loaded;
}

// Text as it crosses the boundary here (UTF-8 on POSIX, the ANSI code page on Windows),
// for a UTF-8 literal of the tests.
std::string engineText(std::string_view utf8)
{
    return platform::codepage::toEngineText(platform::codepage::utf8ToUtf16(utf8)).value_or("(not in the code page)");
}

// A full path without its drive ("C:" on Windows, nothing on POSIX), as the engine
// reports folders.
std::string withoutDrive(const std::string &path)
{
    return path.substr(std::filesystem::path(path).root_name().string().size());
}

constexpr char Separator = static_cast<char>(std::filesystem::path::preferred_separator);

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
        for (size_t i = m_width + 1; i < m_bytes.size(); ++i) {
            if (m_bytes[i] != Fill)
                return false;
        }
        return true;
    }

private:
    size_t m_width;
    std::vector<char> m_bytes;
};

struct CheckCall {
    OutBuffer trueExt{TIVEX_EXT_WIDTH};
    OutBuffer desc{TIVEX_DESC_WIDTH};
    OutBuffer drive{TIVEX_DRIVE_WIDTH};
    OutBuffer folder{TIVEX_FOLDER_WIDTH};
    OutBuffer base{TIVEX_BASE_WIDTH};
    OutBuffer presentExt{TIVEX_EXT_WIDTH};
    int32_t reserved = 0;

    int32_t run(const char *path)
    {
        return library().check(path, trueExt.data(), desc.data(), drive.data(), folder.data(), base.data(),
                               presentExt.data(), &reserved);
    }
    int32_t run(const std::string &path) { return run(path.c_str()); }

    void presetStale()
    {
        for (OutBuffer *buffer : {&trueExt, &desc, &drive, &folder, &base, &presentExt})
            buffer->preset("stale");
    }
    bool canariesIntact() const
    {
        for (const OutBuffer *buffer : {&trueExt, &desc, &drive, &folder, &base, &presentExt}) {
            if (!buffer->canaryIntact())
                return false;
        }
        return true;
    }
    void expectFailedWith(std::string_view reasonPart) const
    {
        EXPECT_NE(desc.text().find(engineText(reasonPart)), std::string::npos) << desc.text();
        for (const OutBuffer *name : {&trueExt, &drive, &folder, &base, &presentExt})
            EXPECT_EQ(name->text(), "");
        EXPECT_TRUE(canariesIntact());
    }
};

class Contract : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(library().handle, nullptr) << "the engine library cannot be loaded";
        ASSERT_NE(library().check, nullptr);
        ASSERT_NE(library().what, nullptr);
        ASSERT_NE(library().checkExt, nullptr);
    }

    // Creates a folder below the temporary one whose path without the drive, with its
    // closing separator, is exactly length bytes long, and returns its full path.
    std::string folderOfLength(size_t length)
    {
        std::string relative;
        size_t remaining = length - (withoutDrive(m_dir.path()).size() + 1);
        while (remaining > 0) {
            const size_t component = remaining > 201 ? 150 : remaining - 1;
            relative += std::string(component, 'd') + Separator;
            remaining -= component + 1;
        }
        m_dir.makeFolder(relative);
        return m_dir.path() + Separator + relative;
    }

    TempDir m_dir;
};

// ---- Success ----------------------------------------------------------------------------

TEST_F(Contract, reportsEveryPartOfASuccessfulCheck)
{
    const std::string path = m_dir.write("picture.PNG", pngImage());
    CheckCall call;
    call.presetStale();
    ASSERT_EQ(call.run(path), 1);
    EXPECT_EQ(call.trueExt.text(), "png");
    EXPECT_EQ(call.desc.text(), engineText("PNG 画像"));
    EXPECT_EQ(call.drive.text(), std::filesystem::path(m_dir.path()).root_name().string());
    EXPECT_EQ(call.folder.text(), withoutDrive(m_dir.path()) + Separator);
    EXPECT_EQ(call.base.text(), "picture");
    EXPECT_EQ(call.presentExt.text(), "PNG");
    EXPECT_TRUE(call.canariesIntact());
}

TEST_F(Contract, emptyFileSucceedsWithoutAnExtension)
{
    const std::string path = m_dir.write("nothing.dat", "");
    CheckCall call;
    call.presetStale();
    ASSERT_EQ(call.run(path), 1);
    EXPECT_EQ(call.trueExt.text(), "");
    EXPECT_EQ(call.desc.text(), engineText("空のファイル（0 バイト）"));
    EXPECT_EQ(call.presentExt.text(), "dat");
    EXPECT_TRUE(call.canariesIntact());
}

TEST_F(Contract, unknownContentSucceedsWithAnEmptyExtension)
{
    const std::string path = m_dir.write("blob.bin", "\x00\x01\x02\x03\x04\x05\x06\x07\x00\x00\x10"sv);
    CheckCall call;
    call.presetStale();
    ASSERT_EQ(call.run(path), 1);
    EXPECT_EQ(call.trueExt.text(), "");
    EXPECT_FALSE(call.desc.text().empty());
}

TEST_F(Contract, leadingAndTrailingPeriodsStayInTheBaseName)
{
    CheckCall call;
    ASSERT_EQ(call.run(m_dir.write(".profile", "export A=1\n")), 1);
    EXPECT_EQ(call.base.text(), ".profile");
    EXPECT_EQ(call.presentExt.text(), "");
    ASSERT_EQ(call.run(m_dir.write("readme.", "read me\n")), 1);
    EXPECT_EQ(call.base.text(), "readme.");
    EXPECT_EQ(call.presentExt.text(), "");
    EXPECT_EQ(call.trueExt.text(), "txt");
}

TEST_F(Contract, nullOutputBuffersAreSkipped)
{
    const std::string path = m_dir.write("a.png", pngImage());
    EXPECT_EQ(library().check(path.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(library().check(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
}

// ---- Names that do not fit ----------------------------------------------------------------

TEST_F(Contract, baseNameOfExactlyTheWidthFits)
{
    const std::string base(TIVEX_BASE_WIDTH, 'b');
    CheckCall call;
    ASSERT_EQ(call.run(m_dir.write(base + ".txt", "text\n")), 1);
    EXPECT_EQ(call.base.text(), base);
    EXPECT_TRUE(call.canariesIntact());
}

TEST_F(Contract, baseNameOneByteTooLongFails)
{
    CheckCall call;
    call.presetStale();
    EXPECT_EQ(call.run(m_dir.write(std::string(TIVEX_BASE_WIDTH + 1, 'b') + ".txt", "text\n")), 0);
    call.expectFailedWith("64 バイト");
}

TEST_F(Contract, japaneseBaseNameIsMeasuredInBytes)
{
    // As many "あ" as fit the base's bytes (21 of three bytes in UTF-8, 32 of two in code
    // page 932), then one more.
    std::string fits;
    while (engineText(fits + "あ").size() <= TIVEX_BASE_WIDTH)
        fits += "あ";
    const std::string tooLong = fits + "あ";
    CheckCall call;
    ASSERT_EQ(call.run(m_dir.write(fits + ".txt", "x\n")), 1);
    EXPECT_EQ(call.base.text(), engineText(fits));
    call.presetStale();
    EXPECT_EQ(call.run(m_dir.write(tooLong + ".txt", "x\n")), 0);
    call.expectFailedWith("ファイル名が長すぎます");
}

TEST_F(Contract, extensionLongerThanItsBufferFails)
{
    CheckCall call;
    const std::string fits(TIVEX_EXT_WIDTH, 'e');
    ASSERT_EQ(call.run(m_dir.write("a." + fits, "x\n")), 1);
    EXPECT_EQ(call.presentExt.text(), fits);
    call.presetStale();
    EXPECT_EQ(call.run(m_dir.write("a." + fits + "e", "x\n")), 0);
    call.expectFailedWith("拡張子が長すぎます");
}

TEST_F(Contract, folderOfExactlyTheWidthFitsAndOneMoreFails)
{
    const std::string exact = folderOfLength(TIVEX_FOLDER_WIDTH);
    ASSERT_EQ(withoutDrive(exact).size(), size_t{TIVEX_FOLDER_WIDTH});
    const std::string fitting = exact + "f.txt";
    m_dir.write(fitting.substr(m_dir.path().size() + 1), "x\n");
    CheckCall call;
    ASSERT_EQ(call.run(fitting), 1);
    EXPECT_EQ(call.folder.text(), withoutDrive(exact));

    const std::string longer = folderOfLength(TIVEX_FOLDER_WIDTH + 1);
    m_dir.write((longer + "f.txt").substr(m_dir.path().size() + 1), "x\n");
    call.presetStale();
    EXPECT_EQ(call.run(longer + "f.txt"), 0);
    call.expectFailedWith("フォルダー");
}

TEST_F(Contract, lengthIsCheckedBeforeTheFileIsLookedFor)
{
    CheckCall call;
    EXPECT_EQ(call.run(m_dir.path() + Separator + "no" + Separator + std::string(100, 'n') + ".txt"), 0);
    call.expectFailedWith("長すぎます");
}

// ---- Files that cannot be checked -----------------------------------------------------------

TEST_F(Contract, missingFileFails)
{
    CheckCall call;
    call.presetStale();
    EXPECT_EQ(call.run(m_dir.path() + Separator + "missing.txt"), 0);
    call.expectFailedWith("見つかりません");
}

TEST_F(Contract, folderFails)
{
    CheckCall call;
    call.presetStale();
    EXPECT_EQ(call.run(m_dir.makeFolder("sub.d")), 0);
    call.expectFailedWith("フォルダーです");
}

TEST_F(Contract, unreadableFileFails)
{
    if (!testsupport::permissionsDenyReading())
        GTEST_SKIP() << "file modes do not keep this process from reading (the superuser, or Windows)";
    const std::string path = m_dir.write("secret.txt", "secret\n");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    CheckCall call;
    EXPECT_EQ(call.run(path), 0);
    call.expectFailedWith("アクセスが拒否されました");
}

TEST_F(Contract, fifoIsRefusedWithoutBlocking)
{
    const std::string path = nonRegularFile(m_dir);
    CheckCall call;
    call.presetStale();
    EXPECT_EQ(call.run(path), 0);
    call.expectFailedWith("通常のファイルではありません");
}

TEST_F(Contract, pathsThatAreNotFullPathsOfAFileFail)
{
    CheckCall call;
    EXPECT_EQ(call.run("relative/name.txt"), 0);
    call.expectFailedWith("フルパス");
    EXPECT_EQ(call.run(m_dir.path() + Separator), 0);
    call.expectFailedWith("ファイル名がありません");
    EXPECT_EQ(call.run(""), 0);
    call.expectFailedWith("指定されていません");
    EXPECT_EQ(call.run(static_cast<const char *>(nullptr)), 0);
    call.expectFailedWith("指定されていません");
}

// ---- TivexCheckExt --------------------------------------------------------------------------

TEST_F(Contract, checkExtGivesTheVerdictsExtension)
{
    OutBuffer ext(TIVEX_EXT_WIDTH);
    EXPECT_EQ(library().checkExt(m_dir.write("shot.jpg", pngImage()).c_str(), ext.data()), 1);
    EXPECT_EQ(ext.text(), "png");
    EXPECT_EQ(library().checkExt(m_dir.write("PHOTO.JPEG", jpegImage()).c_str(), ext.data()), 1);
    EXPECT_EQ(ext.text(), "jpeg");
    EXPECT_TRUE(ext.canaryIntact());
}

TEST_F(Contract, checkExtWritesNothingWithoutAVerdict)
{
    OutBuffer ext(TIVEX_EXT_WIDTH);
    ext.preset("stale");
    EXPECT_EQ(library().checkExt(m_dir.write("empty.txt", "").c_str(), ext.data()), 0);
    EXPECT_EQ(ext.text(), "");
    ext.preset("stale");
    EXPECT_EQ(library().checkExt((m_dir.path() + "/missing").c_str(), ext.data()), 0);
    EXPECT_EQ(ext.text(), "");
    EXPECT_EQ(library().checkExt(nullptr, ext.data()), 0);
    EXPECT_TRUE(ext.canaryIntact());
}

TEST_F(Contract, checkExtWorksForNamesLongerThanTheCheckBuffers)
{
    OutBuffer ext(TIVEX_EXT_WIDTH);
    EXPECT_EQ(library().checkExt(m_dir.write(std::string(100, 'n') + ".dat", gifImage()).c_str(), ext.data()), 1);
    EXPECT_EQ(ext.text(), "gif");
}

// ---- TivexWhat ----------------------------------------------------------------------------

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
    // A new search starts over.
    EXPECT_GE(library().what(0, "ts", desc.data()), 0);
    EXPECT_EQ(desc.text(), first);
    EXPECT_TRUE(desc.canaryIntact());
}

TEST_F(Contract, whatIgnoresCaseBlanksAndALeadingPeriod)
{
    OutBuffer desc(TIVEX_DESC_WIDTH);
    ASSERT_GE(library().what(0, "jpg", desc.data()), 0);
    const std::string expected = desc.text();
    for (const char *typed : {"JPG", " .Jpg ", ".jpg"}) {
        ASSERT_GE(library().what(0, typed, desc.data()), 0) << typed;
        EXPECT_EQ(desc.text(), expected) << typed;
    }
    ASSERT_GE(library().what(0, "JPEG", desc.data()), 0);
    EXPECT_EQ(desc.text(), expected);
}

TEST_F(Contract, whatKnowsNothingOfUnknownExtensions)
{
    OutBuffer desc(TIVEX_DESC_WIDTH);
    EXPECT_EQ(library().what(0, "nosuchextension", desc.data()), -1);
    EXPECT_EQ(library().what(1, "nosuchextension", desc.data()), -1);
    EXPECT_EQ(library().what(0, "", desc.data()), -1);
    EXPECT_EQ(library().what(0, nullptr, desc.data()), -1);
    EXPECT_EQ(library().what(7, "jpg", desc.data()), -1);
}

TEST_F(Contract, whatContinuesOnlyTheSearchItStarted)
{
    OutBuffer desc(TIVEX_DESC_WIDTH);
    ASSERT_GE(library().what(0, "ts", desc.data()), 0);
    EXPECT_EQ(library().what(1, "png", desc.data()), -1);
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
