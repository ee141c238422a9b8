#include "platform/codepage.h"
#include "platform/platform.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

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
    for (const std::u16string &name : {wide(folder.file("missing")), std::u16string(), std::u16string(1, u'\xD800')})
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
        EXPECT_EQ(platform::argumentWords(), c.words) << c.what;
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
}
