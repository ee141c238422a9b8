#include "about/readme_sections.h"
#include "dictionary/ext_dic_core.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/platform.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

using testsupport::TempFolder;
using Words = std::vector<std::u16string>;

namespace {

std::u16string wide(const std::string &utf8)
{
    return platform::codepage::utf8ToUtf16(utf8);
}

// Feeds initArguments a vector that lives as long as the test, as main()'s would.
class FakeCommandLine {
public:
    explicit FakeCommandLine(std::vector<std::string> arguments) : m_arguments(std::move(arguments))
    {
        for (std::string &argument : m_arguments)
            m_pointers.push_back(argument.data());
        m_pointers.push_back(nullptr);
        platform::initArguments(static_cast<int>(m_arguments.size()), m_pointers.data());
    }

private:
    std::vector<std::string> m_arguments;
    std::vector<char *> m_pointers;
};

class CurrentFolder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.valid()); }

    testsupport::CurrentFolderGuard guard;
    TempFolder folder;
};

} // namespace

// --- current drive and folder ----------------------------------------------------------

TEST(CurrentDrive, OnlyTheEmptyDriveExists)
{
    EXPECT_TRUE(platform::setCurrentDrive(u""));
    EXPECT_FALSE(platform::setCurrentDrive(u"C:"));
    EXPECT_FALSE(platform::setCurrentDrive(u"/"));
}

TEST_F(CurrentFolder, FollowsSetCurrentFolderWhateverTheName)
{
    ASSERT_TRUE(std::filesystem::create_directory(folder.file("caf\xEF\xBF\xBD")));  // café with U+FFFD
    for (const std::string &bytes : {folder.path().string(), folder.file("写真～①"), folder.file("caf\xE9")}) {
        SCOPED_TRACE(bytes);
        std::filesystem::create_directory(bytes);
        const std::u16string name = platform::codepage::nameFromBytes(bytes);
        EXPECT_TRUE(platform::setCurrentFolder(name));
        EXPECT_EQ(std::filesystem::current_path().string(), bytes);
        EXPECT_EQ(platform::currentFolder(), name);
    }
}

TEST_F(CurrentFolder, MissingFolderFailsAndKeepsTheCurrentOne)
{
    ASSERT_TRUE(platform::setCurrentFolder(wide(folder.path().string())));
    ASSERT_TRUE(std::filesystem::create_directory(folder.file("victim")));
    // The system would stop reading at the NUL and make the victim current.
    const std::u16string nulInside = wide(folder.file("victim")) + u'\0' + u"zzz";
    for (const std::u16string &name :
         {wide(folder.file("missing")), std::u16string(), std::u16string(1, u'\xD800'), nulInside})
        EXPECT_FALSE(platform::setCurrentFolder(name));
    EXPECT_EQ(platform::currentFolder(), wide(folder.path().string()));
}

// A relative word from the current folder; the folder part as the system reaches it (a
// linked folder's ".." is the parent of where the link leads), the name kept byte for byte.
TEST_F(CurrentFolder, ACommandLineWordBecomesAFullPathFromTheCurrentFolder)
{
    const std::string dir = folder.path().string();
    std::filesystem::create_directories(folder.path() / "deep" / "inner");
    std::filesystem::create_directory(folder.path() / "sub");
    std::filesystem::create_directory_symlink(folder.path() / "deep" / "inner", folder.path() / "link");
    ASSERT_TRUE(platform::setCurrentFolder(wide(dir)));
    const struct {
        std::string word;
        std::string path;
    } cases[] = {
        {"a.txt", dir + "/a.txt"},
        {"./a.txt", dir + "/a.txt"},
        {"sub/../a.txt", dir + "/a.txt"},
        {"link/../a.txt", dir + "/deep/a.txt"},
        {"sub/b\xFF", dir + "/sub/b\xFF"},
        {"missing/../a.txt", dir + "/missing/../a.txt"},
        {"..", folder.path().parent_path().string()},
        {"sub/.", dir + "/sub"},
        {"/elsewhere/../a.txt", "/elsewhere/../a.txt"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(platform::fullPathOf(platform::codepage::nameFromBytes(c.word)),
                  platform::codepage::nameFromBytes(c.path))
            << c.word;
}

// Regular files only, hidden ones too, nothing from below; a name that is not UTF-8 kept.
TEST_F(CurrentFolder, AFoldersFilesAreItsRegularFilesHiddenOnesIncluded)
{
    for (const char *name : {"a.txt", ".hidden", "bad\xFF"})
        testsupport::writeFile(folder.path() / name, "x");
    std::filesystem::create_directory(folder.path() / "sub");
    testsupport::writeFile(folder.path() / "sub" / "below.txt", "x");
    std::filesystem::create_symlink(folder.path() / "a.txt", folder.path() / "link.txt");
    const std::u16string dir = wide(folder.path().string());
    auto files = platform::filesOfFolder(dir);
    ASSERT_TRUE(files.has_value());
    std::sort(files->begin(), files->end());
    EXPECT_EQ(*files, (Words{dir + u"/.hidden", dir + u"/a.txt", dir + u"/bad\xDCFF"}));
    EXPECT_EQ(platform::filesOfFolder(dir + u"/"), platform::filesOfFolder(dir));
    EXPECT_FALSE(platform::filesOfFolder(dir + u"/missing").has_value());
    EXPECT_FALSE(platform::filesOfFolder(dir + u"/a.txt").has_value());
    EXPECT_TRUE(platform::isFolder(dir + u"/sub"));
    EXPECT_FALSE(platform::isFolder(dir + u"/a.txt"));
    // Every entry by name, for the proposal's look at which names are taken.
    auto names = platform::readFolderNames(dir);
    ASSERT_TRUE(names.has_value());
    std::sort(names->begin(), names->end());
    EXPECT_EQ(*names, (Words{u".hidden", u"a.txt", u"bad\xDCFF", u"link.txt", u"sub"}));
    EXPECT_FALSE(platform::readFolderNames(dir + u"/missing").has_value());
}

// --- program and arguments -------------------------------------------------------------

TEST(ProgramFolder, IsTheFolderOfTheRunningExecutable)
{
    const auto expected = std::filesystem::canonical(SORVENA_TEST_BINARY_DIR);
    EXPECT_EQ(platform::programFolder(), wide(expected.string()));
}

TEST(ProgramName, IsTheNameTheProgramWasStartedByElseTheExecutables)
{
    const struct {
        std::vector<std::string> arguments;
        std::u16string name;
    } cases[] = {
        {{"/usr/local/bin/quickren", "a.txt"}, u"quickren"},
        {{"sorvena"}, u"sorvena"},
        {{}, u"platform_tests"},
    };
    for (const auto &c : cases) {
        FakeCommandLine commandLine(c.arguments);
        EXPECT_EQ(platform::programName(), c.name) << c.arguments.size() << " arguments";
    }
}

TEST(ArgumentWords, EachNonBlankArgumentIsOneWordPastTheTenthToo)
{
    std::vector<std::string> twelve{"sorvena", " ", ""};
    Words all;
    for (int i = 1; i <= 12; ++i) {
        twelve.push_back("w" + std::to_string(i));
        all.push_back(wide(twelve.back()));
    }
    const struct {
        const char *what;
        std::vector<std::string> arguments;
        Words words;
    } cases[] = {
        {"blank ones dropped, the rest whole",
         {"sorvena", "C:\\My Files\\a.txt", "", " \t ", "\"quoted\"", " b"},
         {u"C:\\My Files\\a.txt", u"\"quoted\"", u" b"}},
        {"all kept, blanks left out", twelve, all},
        {"UTF-8 converted, other bytes kept", {"sorvena", "/写真/a\xF0\x9F\x98\x80.jpg", "bad\xFF.txt"},
         {u"/写真/a\U0001F600.jpg", u"bad\xDCFF.txt"}},
        {"none", {"sorvena"}, {}},
    };
    for (const auto &c : cases) {
        FakeCommandLine commandLine(c.arguments);
        const platform::CommandLine given = platform::commandLine();
        EXPECT_EQ(given.words, c.words) << c.what;
        EXPECT_FALSE(given.text.has_value()) << c.what;
    }
}

// --- text for the engine ---------------------------------------------------------------

TEST(EngineText, IsUtf8AndCarriesTheBytesOfNamesExactly)
{
    EXPECT_EQ(platform::codepage::toEngineText(u"/写真/a.jpg"), "/\xE5\x86\x99\xE7\x9C\x9F/a.jpg");
    EXPECT_EQ(platform::codepage::fromEngineText("\xE5\x86\x99\xE7\x9C\x9F"), u"写真");
    EXPECT_EQ(platform::codepage::toEngineText(u"/a\xDCFF.txt"), "/a\xFF.txt");
    EXPECT_EQ(platform::codepage::fromEngineText("a\xFF"), u"a\xDCFF");
    EXPECT_FALSE(platform::codepage::toEngineText(u"a\xDC00").has_value());
    EXPECT_FALSE(platform::codepage::toEngineText(std::u16string(u"/victim\0zzz/A.TXT", 17)).has_value());
}

// --- data files and new files ----------------------------------------------------------

namespace {

// Tells whether anything opened a file since the watch began: the kernel reports every
// open to inotify at once.
class OpenWatch {
public:
    // An empty path watches nothing.
    explicit OpenWatch(const std::string &path) : m_fd(path.empty() ? -1 : ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        if (m_fd >= 0 && ::inotify_add_watch(m_fd, path.c_str(), IN_OPEN) < 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~OpenWatch()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OpenWatch(const OpenWatch &) = delete;
    OpenWatch &operator=(const OpenWatch &) = delete;

    bool watching() const { return m_fd >= 0; }
    bool sawAnOpen() const
    {
        char event[sizeof(inotify_event) + 256];
        return ::read(m_fd, event, sizeof event) > 0;
    }

private:
    int m_fd;
};

} // namespace

// A fifo (whose open would wait for a writer) and a device that never ends are refused
// without being read, the fifo without being opened, and a data file that is one reads as
// missing with the reason.
TEST(DataFiles, FifosAndDevicesAreRefusedWithoutBeingRead)
{
    TempFolder folder;
    ASSERT_TRUE(folder.valid());
    ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder.path() / "zero");
    const std::u16string reason = u"通常のファイルではない";  // a word of the line that says why
    for (const std::string name : {"fifo", "zero"}) {
        SCOPED_TRACE(name);
        const std::u16string path = wide(folder.file(name));
        // Only the fifo is watched: a watch through the link would see every open of the device.
        const OpenWatch watch(name == "fifo" ? folder.file(name) : std::string());
        EXPECT_EQ(platform::readRegularFile(path, 4 * 1024 * 1024).refusal, platform::ReadRefusal::NotRegularFile);

        const about::ReadmeView readme = about::showReadme(path, u"-a-");
        EXPECT_TRUE(readme.missing);
        std::vector<std::u16string> messages;
        extdic::ExtDicCore dictionary;
        dictionary.Form_Load(path, path, [&messages](std::u16string_view text) { messages.emplace_back(text); });
        dictionary.myFindFirst(u"txt");
        EXPECT_EQ(dictionary.sortTable.count, 0);
        EXPECT_EQ(dictionary.shown.Sort, extdic::NoMoreText);
        if (watch.watching()) {
            EXPECT_FALSE(watch.sawAnOpen()) << "the fifo was opened";
        }
        // The words for a missing file, then a line that says why.
        const std::u16string missingReadme = u"Readme.txt ファイルがありません\r\n";
        EXPECT_EQ(readme.text.substr(0, missingReadme.size()), missingReadme);
        EXPECT_NE(readme.text.find(reason, missingReadme.size()), std::u16string::npos);
        ASSERT_EQ(messages.size(), 1u);
        const std::u16string missingProg = u"Prog.csv ファイルがありません\n";
        EXPECT_EQ(messages.front().substr(0, missingProg.size()), missingProg);
        EXPECT_NE(messages.front().find(reason, missingProg.size()), std::u16string::npos);
    }
}

// Files under /proc report no size and are read until they end: the limit holds there too.
TEST(DataFiles, AFileThatReportsNoSizeIsReadUpToTheLimitOnly)
{
    const platform::FileContent whole = platform::readRegularFile(u"/proc/self/status", 1 << 20);
    ASSERT_TRUE(whole.bytes);
    EXPECT_NE(whole.bytes->find("Pid:"), std::string::npos);
    EXPECT_EQ(platform::readRegularFile(u"/proc/self/status", 16).refusal, platform::ReadRefusal::TooLarge);
}

TEST(WriteNewFile, NeverFollowsALinkThatHasTheName)
{
    TempFolder folder;
    ASSERT_TRUE(folder.valid());
    folder.write("report.doc", "keep");
    std::filesystem::create_symlink(folder.path() / "report.doc", folder.path() / "to-report.png");
    std::filesystem::create_symlink(folder.path() / "nowhere.doc", folder.path() / "to-nowhere.png");
    for (const char *link : {"to-report.png", "to-nowhere.png"})
        EXPECT_EQ(platform::writeNewFile(wide(folder.file(link)), "picture"), platform::NewFileOutcome::Exists) << link;
    EXPECT_EQ(TempFolder::read(folder.path() / "report.doc"), "keep");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "nowhere.doc"));
}
