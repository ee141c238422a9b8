// Which text can name a file, by the rules of both platforms.
#include "platform/file_names.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace std::string_literals;

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
