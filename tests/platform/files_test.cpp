// Which text can name a file, and the small files the program reads or creates, on the
// platform the tests run on (the rules of both platforms everywhere).
#include "dictionary/ext_records.h"
#include "platform/file_names.h"
#include "platform/files.h"
#include "platform/platform.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

using namespace std::string_literals;
using platform::NewFileOutcome;
using platform::ReadRefusal;
using testsupport::TempFolder;

namespace {

std::string shown(std::u16string_view text)
{
    std::string out;
    for (const char16_t c : text)
        out += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    return out;
}

} // namespace

// --- names -------------------------------------------------------------------------------

TEST(FileNames, EachPlatformRefusesTheCharactersItsNamesCannotHold)
{
    const struct {
        std::u16string path;
        bool posix;
        bool windows;
    } cases[] = {
        {u"/home/user/写真 1.jpg", true, true},
        {u"C:\\写真\\a b.jpg", true, true},
        {u"C:/photos/a.jpg", true, true},
        {u"\\\\server\\share\\a.jpg", true, true},
        {u"C:a.jpg", true, true},
        {u"/tmp/victim\0zzz/A.TXT"s, false, false},
        {u"/tmp/A.TXT\0"s, false, false},
        {u"C:\\victim\0zzz\\A.TXT"s, false, false},
        {u"C:\\a\x01.txt", true, false},
        {u"C:\\a\x1F.txt", true, false},
        {u"C:\\a<b>.txt", true, false},
        {u"C:\\dir:stream\\a.txt", true, false},
        {u"C:\\a\"b|.txt", true, false},
        {u"C:\\a?*.txt", true, false},
        {u"\\\\?\\C:\\a.txt", true, false},
        {u"1:\\a.txt", true, false},  // a colon after no drive letter
        {u"/a\x7F\u0085.txt", true, true},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(platform::isAcceptablePosixPath(c.path), c.posix) << shown(c.path);
        EXPECT_EQ(platform::isAcceptableWindowsPath(c.path), c.windows) << shown(c.path);
    }
    EXPECT_TRUE(platform::isAcceptableWindowsName(u"写真 1.jpg"));
    for (const std::u16string name : {u"a\\b", u"a/b", u"C:"})
        EXPECT_FALSE(platform::isAcceptableWindowsName(name)) << shown(name);
    EXPECT_EQ(platform::isAcceptablePath(u"/a\\b<c"), !platform::usesDriveLetters());
    // Device names, alone or before an extension, which Windows takes for the device.
    for (const std::u16string name : {u"CON", u"nul.txt", u"Com1.tar.gz", u"LPT9", u"aux .txt", u"COM\u00B9", u"lpt0"})
        EXPECT_TRUE(platform::isReservedWindowsName(name)) << shown(name);
    for (const std::u16string name : {u"CONSOLE.txt", u"COM10", u"COM", u"xcon.txt", u"aux_1.txt", u".con", u"LPTX"})
        EXPECT_FALSE(platform::isReservedWindowsName(name)) << shown(name);
}

// --- reading -----------------------------------------------------------------------------

TEST(ReadRegularFile, ReadsAFileUpToTheLimitAndRefusesEverythingElseWithTheReason)
{
    TempFolder folder;
    ASSERT_TRUE(folder.valid());
    folder.write("ten", "0123456789");
    folder.write("empty", "");
    std::filesystem::create_directory(folder.path() / "folder");
    // A device is no file: /dev/zero never ends, and Windows' null device is a name in
    // every folder.
    const std::u16string device = platform::usesDriveLetters() ? folder.pathText(u"NUL") : u"/dev/zero";
    const struct {
        const char *name;
        std::size_t limit;
        ReadRefusal refusal;
    } cases[] = {
        {"", 100, ReadRefusal::NotRegularFile},  // the device
        {"ten", 10, ReadRefusal::None},
        {"ten", 9, ReadRefusal::TooLarge},
        {"ten", 0, ReadRefusal::TooLarge},
        {"empty", 0, ReadRefusal::None},
        {"folder", 100, ReadRefusal::NotRegularFile},
        {"missing", 100, ReadRefusal::Missing},
        {"missing/below", 100, ReadRefusal::Missing},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.name) + " within " + std::to_string(c.limit));
        const std::u16string path =
            *c.name ? folder.pathText(std::u16string(c.name, c.name + std::strlen(c.name))) : device;
        const platform::FileContent content = platform::readRegularFile(path, c.limit);
        EXPECT_EQ(content.refusal, c.refusal);
        EXPECT_EQ(content.bytes.has_value(), c.refusal == ReadRefusal::None);
        if (content.bytes) {
            EXPECT_EQ(*content.bytes, testsupport::TempFolder::read(folder.path() / c.name));
        }
    }
    EXPECT_EQ(platform::readRegularFile(folder.pathText(u"ten") + u'\0', 100).refusal, ReadRefusal::Missing)
        << "a NUL after a name is no name";
}

// CI runs this again as an ordinary user (tests/as_ordinary_user.sh): permissions do not
// bind the superuser.
TEST(BadInput, AnUnreadableDataFileCountsAsMissingAndSaysWhy)
{
    if (!testsupport::permissionsDenyReading())
        GTEST_SKIP() << "file modes keep nothing from this process (the superuser, or Windows)";
    TempFolder folder;
    const std::filesystem::path readme = folder.write("readme.txt", "-a-\r\nA\r\n-x-\r\n");
    std::filesystem::permissions(readme, std::filesystem::perms::none);
    EXPECT_EQ(platform::readRegularFile(folder.pathText(u"readme.txt"), 100).refusal, ReadRefusal::AccessDenied);
    const extdic::DataFileText text = extdic::readDataFile(folder.pathText(u"readme.txt"));
    EXPECT_FALSE(text.text);
    EXPECT_NE(text.refusal.find(u"許可されていません"), std::u16string::npos);
    std::filesystem::permissions(readme, std::filesystem::perms::owner_all);
}

// --- writing -----------------------------------------------------------------------------

TEST(WriteNewFile, CreatesOnlyAFileThatWasNotThere)
{
    TempFolder folder;
    ASSERT_TRUE(folder.valid());
    const std::u16string fresh = folder.pathText(u"picture.png");
    EXPECT_EQ(platform::writeNewFile(fresh, "first"), NewFileOutcome::Written);
    EXPECT_EQ(TempFolder::read(folder.path() / "picture.png"), "first");
    EXPECT_EQ(platform::writeNewFile(fresh, "second"), NewFileOutcome::Exists);
    EXPECT_EQ(platform::writeNewFile(fresh, ""), NewFileOutcome::Exists);
    EXPECT_EQ(TempFolder::read(folder.path() / "picture.png"), "first") << "neither replaced nor truncated";
    std::filesystem::create_directory(folder.path() / "folder");
    EXPECT_EQ(platform::writeNewFile(folder.pathText(u"folder"), "x"), NewFileOutcome::Exists);
    EXPECT_EQ(platform::writeNewFile(folder.pathText(u"missing") + platform::pathSeparator() + u"a.png", "x"),
              NewFileOutcome::Failed);
    EXPECT_EQ(platform::writeNewFile(folder.pathText(u"picture.png") + u'\0' + u"x", "x"), NewFileOutcome::Failed);
    EXPECT_EQ(TempFolder::read(folder.path() / "picture.png"), "first");
}
