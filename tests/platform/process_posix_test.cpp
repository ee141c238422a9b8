#include "platform/codepage.h"
#include "platform/platform.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

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

TEST(ArgumentWords, EachNonBlankArgumentIsOneWordAndAtMostTenAreKept)
{
    std::vector<std::string> twelve{"sorvena", " ", ""};
    Words firstTen;
    for (int i = 1; i <= 12; ++i) {
        twelve.push_back("w" + std::to_string(i));
        if (i <= 10)
            firstTen.push_back(wide(twelve.back()));
    }
    const struct {
        const char *what;
        std::vector<std::string> arguments;
        Words words;
    } cases[] = {
        {"blank ones dropped, the rest whole",
         {"sorvena", "C:\\My Files\\a.txt", "", " \t ", "\"quoted\"", " b"},
         {u"C:\\My Files\\a.txt", u"\"quoted\"", u" b"}},
        {"ten kept, blanks not counted", twelve, firstTen},
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
    EXPECT_FALSE(platform::codepage::toEngineText(std::u16string(u"/victim\0zzz/A.TXT", 17)).has_value());
}
