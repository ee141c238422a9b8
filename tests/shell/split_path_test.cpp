#include "shell/module1.h"

#include "platform/platform.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Parts {
    std::u16string drive;
    std::u16string folder;
    std::u16string name;
    std::u16string base;
    std::u16string ext;

    bool operator==(const Parts &) const = default;
};

void PrintTo(const Parts &parts, std::ostream *out)
{
    auto narrow = [](const std::u16string &text) { return std::string(text.begin(), text.end()); };
    *out << "{drive '" << narrow(parts.drive) << "', folder '" << narrow(parts.folder) << "', name '"
         << narrow(parts.name) << "', base '" << narrow(parts.base) << "', ext '"
         << narrow(parts.ext) << "'}";
}

using SplitFunction = int16_t (*)(const std::u16string &, std::u16string &, std::u16string &,
                                  std::u16string &, std::u16string &, std::u16string &);

struct SplitResult {
    int16_t result;
    Parts parts;
};

// Outputs start out holding a marker so that a refusal that writes anything shows up.
const Parts Untouched{u"d?", u"f?", u"n?", u"b?", u"e?"};

SplitResult split(SplitFunction function, const std::u16string &path)
{
    Parts parts = Untouched;
    const int16_t result = function(path, parts.drive, parts.folder, parts.name, parts.base, parts.ext);
    return {result, parts};
}

struct AcceptedCase {
    std::u16string path;
    Parts expected;
};

void expectAccepted(SplitFunction function, const AcceptedCase &c)
{
    const SplitResult got = split(function, c.path);
    EXPECT_EQ(got.result, 0) << std::string(c.path.begin(), c.path.end());
    EXPECT_EQ(got.parts, c.expected) << std::string(c.path.begin(), c.path.end());
    EXPECT_EQ(got.parts.drive + got.parts.folder + got.parts.name, c.path);
}

void expectRefused(SplitFunction function, const std::u16string &path)
{
    const SplitResult got = split(function, path);
    EXPECT_EQ(got.result, -1) << std::string(path.begin(), path.end());
    EXPECT_EQ(got.parts, Untouched) << std::string(path.begin(), path.end());
}

} // namespace

TEST(PathSplit, TakesFilePathsApartInEitherForm)
{
    const AcceptedCase driveLetter[] = {
        {u"C:\\docs\\2002\\memo.old.txt", {u"C:", u"\\docs\\2002\\", u"memo.old.txt", u"memo.old", u"txt"}},
        {u"C:\\memo.txt", {u"C:", u"\\", u"memo.txt", u"memo", u"txt"}},
        {u"C:\\dir\\archive.tar.gz", {u"C:", u"\\dir\\", u"archive.tar.gz", u"archive.tar", u"gz"}},
        {u"D:\\写真\\旅行.JPG", {u"D:", u"\\写真\\", u"旅行.JPG", u"旅行", u"JPG"}},
        {u"C:\\dir\\Makefile", {u"C:", u"\\dir\\", u"Makefile", u"Makefile", u""}},
        {u"C:\\dir.d\\Makefile", {u"C:", u"\\dir.d\\", u"Makefile", u"Makefile", u""}},
        {u"1:\\a.txt", {u"1:", u"\\", u"a.txt", u"a", u"txt"}},  // the letter itself is not examined
        {u"C:\\a/b.txt", {u"C:", u"\\", u"a/b.txt", u"a/b", u"txt"}},  // the slash is an ordinary character
    };
    for (const auto &c : driveLetter)
        expectAccepted(Module1::splitDriveLetterPath, c);
    const AcceptedCase posix[] = {
        {u"/docs/2002/memo.old.txt", {u"", u"/docs/2002/", u"memo.old.txt", u"memo.old", u"txt"}},
        {u"/memo.txt", {u"", u"/", u"memo.txt", u"memo", u"txt"}},
        {u"/dir/archive.tar.gz", {u"", u"/dir/", u"archive.tar.gz", u"archive.tar", u"gz"}},
        {u"/dir/Makefile", {u"", u"/dir/", u"Makefile", u"Makefile", u""}},
        {u"/home/写真/旅行.JPG", {u"", u"/home/写真/", u"旅行.JPG", u"旅行", u"JPG"}},
        {u"/a\\b.txt", {u"", u"/", u"a\\b.txt", u"a\\b", u"txt"}},  // the backslash is an ordinary character
        {u"//server/share/a.txt", {u"", u"//server/share/", u"a.txt", u"a", u"txt"}},
    };
    for (const auto &c : posix)
        expectAccepted(Module1::splitPosixPath, c);
}

TEST(PathSplit, RefusesWhatIsNotAnAbsoluteFilePathOfItsForm)
{
    for (const std::u16string path : {u"C:\\dir\\sub\\", u"C:\\", u"\\\\server\\share\\a.txt",
                                      u"dir\\a.txt", u"C:a.txt", u"C:/a.txt", u"/home/a.txt", u"C:",
                                      u"C", u""})
        expectRefused(Module1::splitDriveLetterPath, path);
    for (const std::u16string path : {u"/dir/sub/", u"/", u"//", u"dir/a.txt", u"a.txt",
                                      u"C:\\a.txt", u"./a.txt", u"", u"x"})
        expectRefused(Module1::splitPosixPath, path);
}

// --- both forms ------------------------------------------------------------------------

// Where the extension starts is the engine's rule too; names a person writes keep every
// character in the base when their tail cannot be an extension.
TEST(PathSplitExtensionRule, BothFormsSplitNamesAsTheEngineDoes)
{
    struct NameCase {
        std::u16string name, base, ext;
    };
    const std::u16string stray = u"\xDCFF";  // a byte of a name that is not UTF-8
    std::u16string waves;  // sixteen characters, each two UTF-16 units
    for (int i = 0; i < 16; ++i)
        waves += u"\U0001F30A";
    const NameCase cases[] = {
        {u".profile", u".profile", u""},
        {u".photo.png", u".photo", u"png"},
        {u"readme.", u"readme", u""},
        {u".", u".", u""},
        {u"a..b", u"a.", u"b"},
        {u"Report v1.0 final draft for review", u"Report v1.0 final draft for review", u""},
        {u"報告.最終\u3000版", u"報告.最終\u3000版", u""},
        {u"a.b\tc", u"a.b\tc", u""},
        {u"a.abcdefghijklmnop", u"a", u"abcdefghijklmnop"},
        {u"a.abcdefghijklmnopq", u"a.abcdefghijklmnopq", u""},
        {u"a." + waves, u"a", waves},
        {u"a." + std::u16string(16, stray[0]), u"a", std::u16string(16, stray[0])},
        {u"a." + std::u16string(17, stray[0]), u"a." + std::u16string(17, stray[0]), u""},
    };
    for (const NameCase &c : cases) {
        expectAccepted(Module1::splitPosixPath, {u"/dir/" + c.name, {u"", u"/dir/", c.name, c.base, c.ext}});
        expectAccepted(Module1::splitDriveLetterPath,
                       {u"C:\\dir\\" + c.name, {u"C:", u"\\dir\\", c.name, c.base, c.ext}});
    }
}

TEST(PathSplitLimits, PathsLongerThanA16BitCountAreRefused)
{
    const std::u16string longest = u"/" + std::u16string(32764, u'a') + u".b";
    ASSERT_EQ(longest.size(), 32767u);
    EXPECT_EQ(split(Module1::splitPosixPath, longest).result, 0);
    expectRefused(Module1::splitPosixPath, longest + u"c");
    expectRefused(Module1::splitDriveLetterPath, u"C:\\" + std::u16string(32765, u'a'));
}

TEST(PathSplitDispatch, UsesThePlatformsForm)
{
    const SplitFunction native =
        platform::usesDriveLetters() ? Module1::splitDriveLetterPath : Module1::splitPosixPath;
    for (const std::u16string path : {u"C:\\dir\\a.txt", u"/dir/a.txt", u"dir/a.txt"}) {
        const SplitResult expected = split(native, path);
        EXPECT_EQ(split(Module1::mySplitPath, path).result, expected.result);
        EXPECT_EQ(split(Module1::mySplitPath, path).parts, expected.parts);
    }
}
