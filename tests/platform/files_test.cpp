// Which text can name a file, and the small files the program reads or creates, on the
// platform the tests run on (the rules of both platforms everywhere).
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
        {u"C:\\a\t.txt", true, false},
        {u"C:\\a<b.txt", true, false},
        {u"C:\\a>b.txt", true, false},
        {u"C:\\a:b.txt", true, false},
        {u"C:\\dir:stream\\a.txt", true, false},
        {u"C:\\a\"b.txt", true, false},
        {u"C:\\a|b.txt", true, false},
        {u"C:\\a?.txt", true, false},
        {u"C:\\a*.txt", true, false},
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
}

// --- reading -----------------------------------------------------------------------------

TEST(ReadRegularFile, ReadsAFileUpToTheLimitAndRefusesEverythingElseWithTheReason)
{
    TempFolder folder;
    ASSERT_TRUE(folder.valid());
    folder.write("ten", "0123456789");
    folder.write("empty", "");
    std::filesystem::create_directory(folder.path() / "folder");
    const struct {
        const char *name;
        std::size_t limit;
        ReadRefusal refusal;
    } cases[] = {
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
        const std::u16string path = folder.pathText(std::u16string(c.name, c.name + std::strlen(c.name)));
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
