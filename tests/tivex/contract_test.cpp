// The C contract, through the real libtivex.so loaded the way the program loads it:
// by full path from the folder of the executable.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "samples.h"
#include "test_support.h"
#include "tivex.h"

using namespace std::literals;

namespace tivex::test {
namespace {

using CheckFunction = int32_t (*)(const char *, char *, char *, char *, char *, char *, char *, int32_t *);
using WhatFunction = int32_t (*)(int32_t, const char *, char *);
using CheckExtFunction = int32_t (*)(const char *, char *);

struct Library {
    void *handle = nullptr;
    CheckFunction check = nullptr;
    WhatFunction what = nullptr;
    CheckExtFunction checkExt = nullptr;
};

const Library &library()
{
    static const Library loaded = [] {
        Library lib;
        const std::string path = executableDir() + "/libtivex.so";
        lib.handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (lib.handle) {
            lib.check = reinterpret_cast<CheckFunction>(::dlsym(lib.handle, "TivexCheck"));
            lib.what = reinterpret_cast<WhatFunction>(::dlsym(lib.handle, "TivexWhat"));
            lib.checkExt = reinterpret_cast<CheckExtFunction>(::dlsym(lib.handle, "TivexCheckExt"));
        }
        return lib;
    }();
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
        EXPECT_NE(desc.text().find(reasonPart), std::string::npos) << desc.text();
        for (const OutBuffer *name : {&trueExt, &drive, &folder, &base, &presentExt})
            EXPECT_EQ(name->text(), "");
        EXPECT_TRUE(canariesIntact());
    }
};

class Contract : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(library().handle, nullptr) << ::dlerror();
        ASSERT_NE(library().check, nullptr);
        ASSERT_NE(library().what, nullptr);
        ASSERT_NE(library().checkExt, nullptr);
    }

    // Creates a folder below the temporary one whose full path, with its closing '/',
    // is exactly length bytes long, and returns that path.
    std::string folderOfLength(size_t length)
    {
        std::string relative;
        size_t remaining = length - (m_dir.path().size() + 1);
        while (remaining > 0) {
            const size_t component = remaining > 201 ? 150 : remaining - 1;
            relative += std::string(component, 'd') + "/";
            remaining -= component + 1;
        }
        m_dir.makeFolder(relative);
        return m_dir.path() + "/" + relative;
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
    EXPECT_EQ(call.desc.text(), "PNG 画像");
    EXPECT_EQ(call.drive.text(), "");
    EXPECT_EQ(call.folder.text(), m_dir.path() + "/");
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
    EXPECT_EQ(call.desc.text(), "空のファイル（0 バイト）");
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

TEST_F(Contract, namesAreSplitByTheSharedExtensionRule)
{
    struct NameCase {
        std::string name, base, presentExt;
    };
    const NameCase cases[] = {
        {".profile", ".profile", ""},
        {"readme.", "readme", ""},
        {"Report v1.0 final draft for review", "Report v1.0 final draft for review", ""},
        {"notes.abcdefghijklmnopq", "notes.abcdefghijklmnopq", ""},
    };
    for (const NameCase &c : cases) {
        CheckCall call;
        ASSERT_EQ(call.run(m_dir.write(c.name, "plain words\n")), 1) << c.name;
        EXPECT_EQ(call.base.text(), c.base) << c.name;
        EXPECT_EQ(call.presentExt.text(), c.presentExt) << c.name;
        EXPECT_EQ(call.trueExt.text(), "txt") << c.name;
    }
}

TEST_F(Contract, nullOutputBuffersAreSkipped)
{
    const std::string path = m_dir.write("a.png", pngImage());
    EXPECT_EQ(library().check(path.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(library().check(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
}

// ---- Names that do not fit ----------------------------------------------------------------

// Every name the file system allows fits its buffer: a Japanese character is three bytes
// of UTF-8, and a name may take all of the 255 bytes.
TEST_F(Contract, everyNameTheFileSystemAllowsIsChecked)
{
    std::string kana22, kana85;
    for (int i = 0; i < 22; ++i)
        kana22 += "あ";
    for (int i = 0; i < 85; ++i)
        kana85 += "あ";
    const std::string longest(251, 'b');
    for (const std::string &base : {kana22, kana85, longest}) {
        const std::string name = base.size() + 4 <= 255 ? base + ".txt" : base;
        CheckCall call;
        ASSERT_EQ(call.run(m_dir.write(name, "x\n")), 1) << name.size();
        EXPECT_EQ(call.base.text(), base);
        EXPECT_TRUE(call.canariesIntact());
    }
}

TEST_F(Contract, aFileInTheDeepestFolderAPathAllowsIsChecked)
{
    const std::string folder = folderOfLength(4000);
    m_dir.write((folder + "f.txt").substr(m_dir.path().size() + 1), "x\n");
    CheckCall call;
    ASSERT_EQ(call.run(folder + "f.txt"), 1);
    EXPECT_EQ(call.folder.text(), folder);
    EXPECT_TRUE(call.canariesIntact());
}

// Longer parts name no file that can exist; they fail before the file is looked for,
// and nothing shortened is handed back.
TEST_F(Contract, partsLongerThanTheirBuffersFailBeforeTheFileIsLookedFor)
{
    const std::string tooLongFolder = "/" + std::string(TIVEX_FOLDER_WIDTH, 'd') + "/";
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {"/no/such/" + std::string(TIVEX_BASE_WIDTH + 1, 'b') + ".txt", "ファイル名が長すぎます（255 バイトまで）"},
        {tooLongFolder + "a.txt", "フォルダーのパスが長すぎます"},
    };
    for (const auto &c : cases) {
        CheckCall call;
        call.presetStale();
        EXPECT_EQ(call.run(c.path), 0);
        call.expectFailedWith(c.reason);
    }
}

// ---- Files that cannot be checked -----------------------------------------------------------

TEST_F(Contract, missingFileFails)
{
    CheckCall call;
    call.presetStale();
    EXPECT_EQ(call.run(m_dir.path() + "/missing.txt"), 0);
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
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const std::string path = m_dir.write("secret.txt", "secret\n");
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    CheckCall call;
    EXPECT_EQ(call.run(path), 0);
    call.expectFailedWith("アクセスが拒否されました");
}

TEST_F(Contract, fifoIsRefusedWithoutBeingOpened)
{
    // Opening a fifo wakes a writer waiting for a reader and breaks its pipe when closed;
    // the kernel reports every open to inotify at once, so no open may show up there.
    const std::string path = m_dir.path() + "/pipe";
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, path.c_str(), IN_OPEN), 0);
    CheckCall call;
    call.presetStale();
    EXPECT_EQ(call.run(path), 0);
    call.expectFailedWith("通常のファイルではありません");
    char event[sizeof(inotify_event) + 256];
    EXPECT_EQ(::read(watch, event, sizeof event), -1) << "the fifo was opened";
    ::close(watch);
}

TEST_F(Contract, aFileThatReportsNoSizeIsReadForWhatItHolds)
{
    // The test's own status: /proc makes it when it is read and reports size 0.
    CheckCall call;
    EXPECT_EQ(call.run("/proc/self/status"), 1);
    EXPECT_EQ(call.desc.text().find("空のファイル"), std::string::npos) << call.desc.text();
    EXPECT_NE(call.trueExt.text(), "");
}

TEST_F(Contract, pathsThatAreNotFullPathsOfAFileFail)
{
    CheckCall call;
    EXPECT_EQ(call.run("relative/name.txt"), 0);
    call.expectFailedWith("フルパス");
    EXPECT_EQ(call.run(m_dir.path() + "/"), 0);
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

// ---- Exports -----------------------------------------------------------------------------

TEST_F(Contract, exportsOnlyTheThreeEntryPoints)
{
    int exitCode = 0;
    const std::string symbols =
        runCommand("nm -D --defined-only '" + executableDir() + "/libtivex.so' 2>/dev/null", exitCode);
    if (exitCode != 0)
        GTEST_SKIP() << "nm is not available";
    std::vector<std::string> exported;
    size_t start = 0;
    while (start < symbols.size()) {
        const size_t end = symbols.find('\n', start);
        const std::string line = symbols.substr(start, end - start);
        start = end == std::string::npos ? symbols.size() : end + 1;
        const size_t lastSpace = line.rfind(' ');
        if (lastSpace != std::string::npos && lastSpace >= 2 && line[lastSpace - 1] != 'A')
            exported.push_back(line.substr(lastSpace + 1));
    }
    std::sort(exported.begin(), exported.end());
    EXPECT_EQ(exported, (std::vector<std::string>{"TivexCheck", "TivexCheckExt", "TivexWhat"}));
}

} // namespace
} // namespace tivex::test
