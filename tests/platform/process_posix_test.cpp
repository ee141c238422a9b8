#include "platform/codepage.h"
#include "platform/platform.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using testsupport::CurrentFolderGuard;
using testsupport::TempFolder;

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

} // namespace

// --- current drive and folder ----------------------------------------------------------

TEST(CurrentDrive, OnlyTheEmptyDriveExists)
{
    EXPECT_TRUE(platform::setCurrentDrive(u""));
    EXPECT_FALSE(platform::setCurrentDrive(u"C:"));
    EXPECT_FALSE(platform::setCurrentDrive(u"/"));
}

TEST(CurrentFolder, FollowsSetCurrentFolder)
{
    CurrentFolderGuard guard;
    TempFolder folder;
    ASSERT_TRUE(folder.valid());
    EXPECT_TRUE(platform::setCurrentFolder(wide(folder.path().string())));
    EXPECT_EQ(platform::currentFolder(), wide(folder.path().string()));
}

TEST(CurrentFolder, JapaneseFolderName)
{
    CurrentFolderGuard guard;
    TempFolder folder;
    ASSERT_TRUE(folder.valid());
    const std::string japanese = folder.file("写真～①");
    ASSERT_TRUE(std::filesystem::create_directory(japanese));
    EXPECT_TRUE(platform::setCurrentFolder(wide(japanese)));
    EXPECT_EQ(platform::currentFolder(), wide(japanese));
}

TEST(CurrentFolder, AFolderNameThatIsNotUtf8IsReachedExactly)
{
    CurrentFolderGuard guard;
    TempFolder folder;
    ASSERT_TRUE(folder.valid());
    const std::string latin1 = folder.file("caf\xE9");
    ASSERT_TRUE(std::filesystem::create_directory(latin1));
    ASSERT_TRUE(std::filesystem::create_directory(folder.file("caf\xEF\xBF\xBD")));  // café with U+FFFD
    const std::u16string name = platform::codepage::nameFromBytes(latin1);
    EXPECT_TRUE(platform::setCurrentFolder(name));
    EXPECT_EQ(std::filesystem::current_path().string(), latin1);
    EXPECT_EQ(platform::currentFolder(), name);
}

TEST(CurrentFolder, MissingFolderFailsAndKeepsTheCurrentOne)
{
    CurrentFolderGuard guard;
    TempFolder folder;
    ASSERT_TRUE(folder.valid());
    ASSERT_TRUE(platform::setCurrentFolder(wide(folder.path().string())));
    EXPECT_FALSE(platform::setCurrentFolder(wide(folder.file("missing"))));
    EXPECT_FALSE(platform::setCurrentFolder(u""));
    EXPECT_FALSE(platform::setCurrentFolder(std::u16string(1, u'\xD800')));
    EXPECT_EQ(platform::currentFolder(), wide(folder.path().string()));
}

// --- program and arguments -------------------------------------------------------------

TEST(ProgramFolder, IsTheFolderOfTheRunningExecutable)
{
    const auto expected = std::filesystem::canonical(SORVENA_TEST_BINARY_DIR);
    EXPECT_EQ(platform::programFolder(), wide(expected.string()));
}

TEST(ProgramName, IsTheNameTheProgramWasStartedBy)
{
    FakeCommandLine commandLine({"/usr/local/bin/quickren", "a.txt"});
    EXPECT_EQ(platform::programName(), u"quickren");
}

TEST(ProgramName, BareNameIsTakenAsItIs)
{
    FakeCommandLine commandLine({"sorvena"});
    EXPECT_EQ(platform::programName(), u"sorvena");
}

TEST(ProgramName, WithoutArgumentsTheExecutableFileNameIsUsed)
{
    FakeCommandLine commandLine({});
    EXPECT_EQ(platform::programName(), u"platform_tests");
}

TEST(ArgumentWords, EachNonBlankArgumentIsOneWord)
{
    FakeCommandLine commandLine({"sorvena", "C:\\My Files\\a.txt", "", " \t ", "\"quoted\"", " b"});
    const std::vector<std::u16string> expected{u"C:\\My Files\\a.txt", u"\"quoted\"", u" b"};
    EXPECT_EQ(platform::argumentWords(), expected);
}

TEST(ArgumentWords, AtMostTenAreKept)
{
    std::vector<std::string> arguments{"sorvena"};
    for (int i = 1; i <= 12; ++i)
        arguments.push_back("w" + std::to_string(i));
    FakeCommandLine commandLine(arguments);
    const auto words = platform::argumentWords();
    ASSERT_EQ(words.size(), 10u);
    EXPECT_EQ(words.front(), u"w1");
    EXPECT_EQ(words.back(), u"w10");
}

TEST(ArgumentWords, BlankArgumentsDoNotCountTowardsTheLimit)
{
    std::vector<std::string> arguments{"sorvena", " ", ""};
    for (int i = 1; i <= 10; ++i)
        arguments.push_back("w" + std::to_string(i));
    FakeCommandLine commandLine(arguments);
    EXPECT_EQ(platform::argumentWords().size(), 10u);
}

TEST(ArgumentWords, Utf8BecomesUtf16AndOtherBytesAreKeptExactly)
{
    FakeCommandLine commandLine({"sorvena", "/写真/a\xF0\x9F\x98\x80.jpg", "bad\xFF.txt"});
    const std::vector<std::u16string> expected{u"/写真/a\U0001F600.jpg", u"bad\xDCFF.txt"};
    EXPECT_EQ(platform::argumentWords(), expected);
}

TEST(ArgumentWords, NoArgumentsNoWords)
{
    FakeCommandLine commandLine({"sorvena"});
    EXPECT_TRUE(platform::argumentWords().empty());
}

// --- text for the engine ---------------------------------------------------------------

TEST(EngineText, IsUtf8)
{
    EXPECT_EQ(platform::codepage::toEngineText(u"/写真/a.jpg"), "/\xE5\x86\x99\xE7\x9C\x9F/a.jpg");
    EXPECT_EQ(platform::codepage::fromEngineText("\xE5\x86\x99\xE7\x9C\x9F"), u"写真");
}

TEST(EngineText, CarriesTheBytesOfNamesExactly)
{
    EXPECT_EQ(platform::codepage::toEngineText(u"/a\xDCFF.txt"), "/a\xFF.txt");
    EXPECT_EQ(platform::codepage::fromEngineText("a\xFF"), u"a\xDCFF");
    EXPECT_FALSE(platform::codepage::toEngineText(u"a\xDC00").has_value());
}
