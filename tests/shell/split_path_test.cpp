#include "shell/module1.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace std::string_literals;

namespace {

using SplitFunction = int16_t (*)(const std::u16string &, std::u16string &, std::u16string &,
                                  std::u16string &, std::u16string &, std::u16string &);

// What a split gives: "drive|folder|name|base|ext", or "refused" when it refuses the path
// and leaves every output as it was; anything else says what went wrong.
std::u16string split(SplitFunction function, const std::u16string &path)
{
    const std::u16string marker = u"?";
    std::u16string drive = marker, folder = marker, name = marker, base = marker, ext = marker;
    const int16_t result = function(path, drive, folder, name, base, ext);
    const std::u16string parts = drive + u"|" + folder + u"|" + name + u"|" + base + u"|" + ext;
    if (result == -1)
        return parts == u"?|?|?|?|?" ? u"refused" : u"refused, but wrote " + parts;
    if (result != 0)
        return u"result " + std::u16string(1, static_cast<char16_t>(u'0' + result));
    return drive + folder + name == path ? parts : parts + u" (not the path it was given)";
}

using Cases = std::pair<std::u16string, std::u16string>[];

} // namespace

TEST(PathSplit, TakesFilePathsApartInEitherForm)
{
    const Cases driveLetter = {
        {u"C:\\docs\\2002\\memo.old.txt", u"C:|\\docs\\2002\\|memo.old.txt|memo.old|txt"},
        {u"C:\\memo.txt", u"C:|\\|memo.txt|memo|txt"},
        {u"D:\\写真\\旅行.JPG", u"D:|\\写真\\|旅行.JPG|旅行|JPG"},
        {u"C:\\dir\\Makefile", u"C:|\\dir\\|Makefile|Makefile|"},
        {u"C:\\dir.d\\Makefile", u"C:|\\dir.d\\|Makefile|Makefile|"},
        {u"1:\\a.txt", u"1:|\\|a.txt|a|txt"},  // the letter itself is not examined
    };
    for (const auto &[path, parts] : driveLetter)
        EXPECT_EQ(split(Module1::splitDriveLetterPath, path), parts);
    const Cases posix = {
        {u"/docs/2002/memo.old.txt", u"|/docs/2002/|memo.old.txt|memo.old|txt"},
        {u"/memo.txt", u"|/|memo.txt|memo|txt"},
        {u"/dir/Makefile", u"|/dir/|Makefile|Makefile|"},
        {u"/home/写真/旅行.JPG", u"|/home/写真/|旅行.JPG|旅行|JPG"},
        {u"/a\\b.txt", u"|/|a\\b.txt|a\\b|txt"},  // the backslash is an ordinary character
        {u"/a<b>:\"|?*\x01.txt", u"|/|a<b>:\"|?*\x01.txt|a<b>:\"|?*\x01|txt"},  // so are all but NUL
        {u"//server/share/a.txt", u"|//server/share/|a.txt|a|txt"},
    };
    for (const auto &[path, parts] : posix)
        EXPECT_EQ(split(Module1::splitPosixPath, path), parts);
}

TEST(PathSplit, RefusesWhatIsNotAnAbsoluteFilePathOfItsForm)
{
    using Paths = std::u16string[];
    // A character no Windows name holds would end the path early (NUL), or be read as a
    // separator ('/'), a stream (':') or a wildcard by the system, which would then act on
    // some other file than the one the path spells.
    for (const std::u16string &path : Paths{u"C:\\dir\\sub\\", u"C:\\", u"\\\\server\\share\\a.txt", u"dir\\a.txt",
                                            u"C:a.txt", u"C:/a.txt", u"/home/a.txt", u"C:", u"C", u"",
                                            u"C:\\" + std::u16string(32765, u'a'), u"C:\\victim\0zzz\\A.TXT"s,
                                            u"C:\\dir\\A.TXT\0"s, u"C:\\a/b.txt", u"C:\\a\x01.txt", u"C:\\a:b\\c.txt",
                                            u"C:\\*.txt"})
        EXPECT_EQ(split(Module1::splitDriveLetterPath, path), u"refused") << path.size() << " units";
    const std::u16string longest = u"/" + std::u16string(32764, u'a') + u".b";  // a 16-bit count's worth
    ASSERT_EQ(longest.size(), 32767u);
    EXPECT_TRUE(split(Module1::splitPosixPath, longest).ends_with(u"|b"));
    // A NUL would end the path early: the system would act on the file its first part names.
    for (const std::u16string &path : Paths{u"/dir/sub/", u"/", u"//", u"dir/a.txt", u"a.txt", u"C:\\a.txt",
                                            u"./a.txt", u"", u"x", longest + u"c", u"/victim\0zzz/A.TXT"s,
                                            u"/dir/A.TXT\0"s, u"/dir/\0"s})
        EXPECT_EQ(split(Module1::splitPosixPath, path), u"refused") << path.size() << " units";
}

// Where the extension starts is the engine's rule too; names a person writes keep every
// character in the base when their tail cannot be an extension.
TEST(PathSplit, BothFormsSplitNamesAsTheEngineDoes)
{
    const std::u16string stray(16, u'\xDCFF');  // bytes of a name that is not UTF-8
    std::u16string waves;                        // sixteen characters, each two UTF-16 units
    for (int i = 0; i < 16; ++i)
        waves += u"\U0001F30A";
    const Cases names = {  // the name, and its base|ext
        {u".profile", u".profile|"},
        {u".photo.png", u".photo|png"},
        {u"readme.", u"readme|"},
        {u".", u".|"},
        {u"a..b", u"a.|b"},
        {u"Report v1.0 final draft for review", u"Report v1.0 final draft for review|"},
        {u"報告.最終\u3000版", u"報告.最終\u3000版|"},
        {u"a.b\tc", u"a.b\tc|"},
        {u"a.abcdefghijklmnop", u"a|abcdefghijklmnop"},
        {u"a.abcdefghijklmnopq", u"a.abcdefghijklmnopq|"},
        {u"a." + waves, u"a|" + waves},
        {u"a." + stray, u"a|" + stray},
        {u"a." + stray + stray[0], u"a." + stray + stray[0] + u"|"},
    };
    for (const auto &[name, baseAndExt] : names) {
        EXPECT_EQ(split(Module1::splitPosixPath, u"/dir/" + name), u"|/dir/|" + name + u"|" + baseAndExt);
        // No Windows name holds a control character such as the tab.
        const bool windowsName = name.find(u'\t') == std::u16string::npos;
        EXPECT_EQ(split(Module1::splitDriveLetterPath, u"C:\\dir\\" + name),
                  windowsName ? u"C:|\\dir\\|" + name + u"|" + baseAndExt : u"refused");
    }
}
