// The Windows half of the platform layer, on a real (Wine or Windows) file system.
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/library.h"
#include "platform/platform.h"
#include "platform/win32/platform_win32.h"
#include "shell/cmdline.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

using namespace std::string_literals;
using platform::RenameError;
using testsupport::CurrentFolderGuard;
using testsupport::TempFolder;
namespace fs = std::filesystem;

namespace {

using Words = std::vector<std::u16string>;

Words wordsOf(std::u16string_view commandLine)
{
    return cmdline::wordsOf({platform::win32::argumentTextOf(commandLine), {}});
}

// What the folder holds, spelled exactly as the file system keeps it.
std::vector<std::u16string> listing(const fs::path &folder)
{
    std::vector<std::u16string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().u16string());
    std::sort(names.begin(), names.end());
    return names;
}

struct RenameFolder : ::testing::Test {
    TempFolder folder;
    std::u16string path(const std::u16string &name) const { return folder.pathText(name); }
    void create(const std::u16string &name, const std::string &content = "x") const
    {
        testsupport::writeFile(folder.path() / name, content);
    }
};

} // namespace

// --- the command line --------------------------------------------------------------------

TEST(CommandLine, TheProgramPathIsCutOffQuotedOrNotAndTheRestSplitByTheProgramsRule)
{
    const struct {
        std::u16string_view line;
        Words words;
    } cases[] = {
        {u"\"C:\\Program Files\\sorvena.exe\" C:\\a.txt", {u"C:\\a.txt"}},
        {u"C:\\bin\\sorvena.exe\tC:\\My Files\\a.txt", {u"C:\\My", u"Files\\a.txt"}},
        {u"\"C:\\Program Files\\Quenbrook\\sorvena.exe\" \"C:\\ソフト表\\画像 (1).bmp\"",
         {u"C:\\ソフト表\\画像 (1).bmp"}},
        {u"\"C:\\x\\sorvena.exe\"-about", {u"-about"}},
        {u"sorvena.exe", {}},
        {u"\"C:\\unclosed quote", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(wordsOf(c.line), c.words) << std::string(c.line.begin(), c.line.end());
}

// A full or network path stands as given; any other word is read from the current folder
// the way Windows reads it, slashes included.
TEST(CommandLine, ARelativeWordBecomesAFullPathFromTheCurrentFolder)
{
    CurrentFolderGuard guard;
    TempFolder folder;
    fs::create_directory(folder.path() / "sub");
    ASSERT_TRUE(platform::setCurrentFolder(folder.path().u16string() + u"\\sub"));
    const std::u16string dir = folder.pathText(u"");
    const struct {
        std::u16string word;
        std::u16string path;
    } cases[] = {
        {u"a.txt", dir + u"sub\\a.txt"},
        {u"..\\a.txt", dir + u"a.txt"},
        {u"../sub/./a.txt", dir + u"sub\\a.txt"},
        {u"C:\\x\\..\\y.txt", u"C:\\x\\..\\y.txt"},
        {u"\\\\server\\share\\a.txt", u"\\\\server\\share\\a.txt"},
        {u"", u""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(platform::fullPathOf(c.word), c.path) << std::string(c.word.begin(), c.word.end());
}

// Hidden files are files too; folders are not, and nothing below is listed.
TEST(Folder, ItsFilesAreTheFilesInItHiddenOnesIncluded)
{
    TempFolder folder;
    testsupport::writeFile(folder.path() / "a.txt", "x");
    testsupport::writeFile(folder.path() / "hidden.txt", "x");
    SetFileAttributesW((folder.path() / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    fs::create_directory(folder.path() / "sub");
    testsupport::writeFile(folder.path() / "sub" / "below.txt", "x");
    const std::u16string dir = folder.path().u16string();
    auto files = platform::filesOfFolder(dir);
    ASSERT_TRUE(files.has_value());
    std::sort(files->begin(), files->end());
    EXPECT_EQ(*files, (Words{dir + u"\\a.txt", dir + u"\\hidden.txt"}));
    EXPECT_FALSE(platform::filesOfFolder(dir + u"\\missing").has_value());
    EXPECT_TRUE(platform::isFolder(dir + u"\\sub"));
    EXPECT_FALSE(platform::isFolder(dir + u"\\a.txt"));
    auto names = platform::readFolderNames(dir);
    ASSERT_TRUE(names.has_value());
    for (const std::u16string name : {u"a.txt", u"hidden.txt", u"sub"})
        EXPECT_NE(std::find(names->begin(), names->end(), name), names->end()) << std::string(name.begin(), name.end());
    EXPECT_FALSE(platform::readFolderNames(dir + u"\\missing").has_value());
}

TEST(Program, FolderAndNameAreThoseOfTheRunningExecutable)
{
    EXPECT_EQ(platform::programName(), u"platform_tests.exe");
    // The build puts the engine beside every test program.
    EXPECT_TRUE(fs::exists(fs::path(platform::programFolder()) / "tivex.dll"));
    EXPECT_EQ(platform::programFolder().back() == u'\\', false);
}

// --- current drive and folder ------------------------------------------------------------

TEST(CurrentFolder, TheEnginesDriveAndFolderTogetherMakeTheFolderCurrent)
{
    CurrentFolderGuard guard;
    TempFolder folder;
    fs::create_directory(folder.path() / u"\u8868\u793A");  // 表示: its first character ends in 5C
    const TempFolder &f = folder;
    ASSERT_TRUE(platform::setCurrentDrive(f.driveText()));
    ASSERT_TRUE(platform::setCurrentFolder(f.folderText() + u"\u8868\u793A\\"));
    EXPECT_TRUE(fs::equivalent(fs::path(platform::currentFolder()), folder.path() / u"\u8868\u793A"));
    EXPECT_EQ(platform::currentFolder().substr(0, 2), f.driveText());
}

TEST(CurrentFolder, OnlyADriveLetterAndColonIsADrive)
{
    CurrentFolderGuard guard;
    for (const std::u16string drive : {u"", u"C", u"C:\\", u"1:", u"CC:"})
        EXPECT_FALSE(platform::setCurrentDrive(drive)) << std::string(drive.begin(), drive.end());
    EXPECT_FALSE(platform::setCurrentFolder(u""));
    EXPECT_FALSE(platform::setCurrentFolder(u"\\no such folder here\\"));
}

// --- rename ------------------------------------------------------------------------------

TEST_F(RenameFolder, RenamesAndNeverReplaces)
{
    create(u"a.dat", "a");
    create(u"b.jpg", "b");
    EXPECT_EQ(platform::renameNoReplace(path(u"a.dat"), path(u"a.jpg")), RenameError::None);
    EXPECT_EQ(platform::renameNoReplace(path(u"a.jpg"), path(u"b.jpg")), RenameError::TargetExists);
    // An existing name in other letter case is the same name on Windows: still refused.
    EXPECT_EQ(platform::renameNoReplace(path(u"a.jpg"), path(u"B.JPG")), RenameError::TargetExists);
    EXPECT_EQ(testsupport::readFile(folder.path() / "b.jpg"), "b");
    EXPECT_EQ(testsupport::readFile(folder.path() / "a.jpg"), "a");
}

TEST_F(RenameFolder, ACaseOnlyChangeRenamesTheFileInPlace)
{
    create(u"photo.jpg");
    EXPECT_EQ(platform::renameNoReplace(path(u"photo.jpg"), path(u"Photo.JPG")), RenameError::None);
    EXPECT_EQ(listing(folder.path()), std::vector<std::u16string>{u"Photo.JPG"});
    EXPECT_EQ(platform::renameNoReplace(path(u"Photo.JPG"), path(u"Photo.JPG")), RenameError::TargetExists);
}

TEST_F(RenameFolder, JapaneseNamesWithTheBackslashTrailByteAndBareNames)
{
    CurrentFolderGuard guard;
    create(u"\u8868.txt");  // 表
    ASSERT_TRUE(platform::setCurrentFolder(folder.path().u16string()));
    EXPECT_EQ(platform::renameNoReplace(u"\u8868.txt", u"\u30BD\u30FC\u30B9.txt"), RenameError::None);  // ソース
    EXPECT_EQ(listing(folder.path()), std::vector<std::u16string>{u"\u30BD\u30FC\u30B9.txt"});
}

TEST_F(RenameFolder, EachRefusalSaysWhy)
{
    create(u"a.txt");
    EXPECT_EQ(platform::renameNoReplace(path(u"gone.txt"), path(u"new.txt")), RenameError::SourceMissing);
    EXPECT_EQ(platform::renameNoReplace(path(u"a.txt"), path(u"a<b.txt")), RenameError::InvalidName);
    // Open without sharing deletion: Windows refuses to rename a file in use.
    HANDLE open = CreateFileW((folder.path() / "a.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    EXPECT_EQ(platform::renameNoReplace(path(u"a.txt"), path(u"b.txt")), RenameError::AccessDenied);
    CloseHandle(open);
    EXPECT_EQ(platform::renameNoReplace(path(u"a.txt"), path(u"b.txt")), RenameError::None);
}

// A path with a character no Windows name holds would reach another file: the calls read a
// path up to a NUL, FindFirstFileW takes '?' and '*' as wildcards, and ':' names a stream.
// Every service refuses such a path before any call.
TEST_F(RenameFolder, APathNoWindowsNameCanHoldIsRefusedByEveryService)
{
    CurrentFolderGuard guard;
    create(u"a1.txt", "a");
    fs::create_directory(folder.path() / u"victim");
    ASSERT_TRUE(platform::setCurrentFolder(folder.path().u16string()));
    EXPECT_EQ(platform::renameNoReplace(path(u"a?.txt"), path(u"b.txt")), RenameError::InvalidName);
    EXPECT_EQ(platform::renameNoReplace(path(u"a1.txt"), path(u"a1.txt:hidden")), RenameError::InvalidName);
    EXPECT_EQ(platform::renameNoReplace(path(u"a1.txt\0zzz"s), path(u"b.txt")), RenameError::InvalidName);
    EXPECT_EQ(platform::renameNoReplace(u"a1.txt", u"b\x01.txt"), RenameError::InvalidName);
    EXPECT_FALSE(platform::setCurrentFolder(path(u"victim\0zzz"s)));
    EXPECT_FALSE(platform::setCurrentFolder(path(u"vic*")));
    EXPECT_TRUE(fs::equivalent(fs::path(platform::currentFolder()), folder.path()));
    EXPECT_TRUE(platform::nameIsTaken(path(u"gone.txt\0zzz"s))) << "a name that cannot be looked up counts as taken";
    EXPECT_FALSE(platform::folderIgnoresCase(path(u"victim\0zzz"s)));
    EXPECT_EQ(platform::readRegularFile(path(u"a1.txt\0zzz"s), 100).refusal, platform::ReadRefusal::Missing);
    EXPECT_EQ(platform::writeNewFile(path(u"new.txt\0zzz"s), "x"), platform::NewFileOutcome::Failed);
    EXPECT_EQ(platform::SharedLibrary::open(platform::programFolder() + u"\\tivex.dll\0.txt"s), nullptr);
    EXPECT_EQ(listing(folder.path()), (std::vector<std::u16string>{u"a1.txt", u"victim"}));
}

// --- shell open and the engine's library -------------------------------------------------

TEST(OpenWithShell, AMissingFileIsReportedWithoutADialog)
{
    TempFolder folder;
    EXPECT_FALSE(platform::openWithShell(folder.path().u16string(), u"no such file.xyz"));
    EXPECT_FALSE(platform::openWithShell(folder.path().u16string(), u""));
}

TEST(EngineLibrary, IsLoadedByFullPathOnlyAndFoundByItsDecoratedNames)
{
    EXPECT_EQ(platform::SharedLibrary::open(u"tivex.dll"), nullptr);  // never through the search path
    const auto library = platform::SharedLibrary::open(platform::programFolder() + u"\\tivex.dll");
    ASSERT_NE(library, nullptr);
    EXPECT_NE(library->symbol(platform::engineSymbolName("TivexCheck", 32).c_str()), nullptr);
    EXPECT_NE(library->symbol(platform::engineSymbolName("TivexWhat", 12).c_str()), nullptr);
    EXPECT_NE(library->symbol(platform::engineSymbolName("TivexCheckExt", 8).c_str()), nullptr);
}

// --- the engine's text: the ANSI code page -----------------------------------------------

TEST(EngineText, IsTheAnsiCodePageAndRefusesWhatItCannotCarry)
{
    if (GetACP() != 932)
        GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 932 (Wine: LANG=ja_JP.UTF-8)";
    EXPECT_EQ(platform::codepage::toEngineText(u"\u8868.txt"), std::string("\x95\x5C.txt"));
    EXPECT_EQ(platform::codepage::fromEngineText("\x95\x5C.txt"), u"\u8868.txt");
    // No best fit: "é" must not quietly become "e" and name another file.
    EXPECT_EQ(platform::codepage::toEngineText(u"caf\u00E9.txt"), std::nullopt);
    EXPECT_EQ(platform::codepage::toEngineText(u"a\xDC80.txt"), std::nullopt);
    EXPECT_EQ(platform::codepage::toEngineText(u"C:\\victim\0zzz\\A.TXT"s), std::nullopt) << "a NUL would end it";
}
