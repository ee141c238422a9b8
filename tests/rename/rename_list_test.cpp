#include "platform/codepage.h"
#include "rename/rename_core.h"
#include "rename_support.h"
#include "shell/module1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace renametest;
using namespace std::string_literals;
namespace Method = renamer::Method;
namespace Messages = renamer::Messages;

// Character by character on UTF-16 units: upper case before lower case, a blank before
// a period, hiragana before katakana before kanji, width forms last.
TEST(ListOrder, FollowsTheUtf16UnitsOfTheNames)
{
    const struct {
        const char *name;
        Names dropped;
        Names sorted;
    } cases[] = {
        {"case and blanks", {u"apple.txt", u"Zebra.txt", u"apple 2.txt"}, {u"Zebra.txt", u"apple 2.txt", u"apple.txt"}},
        {"digits one by one", {u"file10.txt", u"file2.txt", u"file1.txt"}, {u"file1.txt", u"file10.txt", u"file2.txt"}},
        {"scripts and widths",
         {u"ｶﾀｶﾅ.txt", u"漢字.txt", u"ＦＵＬＬ.txt", u"カタカナ.txt", u"9.txt", u"ひらがな.txt", u"abc.txt"},
         {u"9.txt", u"abc.txt", u"ひらがな.txt", u"カタカナ.txt", u"漢字.txt", u"ＦＵＬＬ.txt", u"ｶﾀｶﾅ.txt"}},
        // U+1F4F7 is stored as D83D DCF7, which sorts before U+FF76 though its code point is larger.
        {"units, not code points", {u"ｶ.txt", u"\U0001F4F7.txt", u"漢.txt"}, {u"漢.txt", u"\U0001F4F7.txt", u"ｶ.txt"}},
        {"a prefix first", {u"ab", u"a", u"abc"}, {u"a", u"ab", u"abc"}},
        {"a path twice is two entries", {u"b.txt", u"a.txt", u"b.txt"}, {u"a.txt", u"b.txt", u"b.txt"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Recorder r;
        r.dropNames(c.dropped);
        EXPECT_EQ(r.core.RenOldName, c.sorted);
        EXPECT_TRUE(r.messages.empty());
    }
}

TEST(ListOrder, ALargeDropIsSortedLikeASmallOne)
{
    Names names;
    for (int i = renamer::MaxFiles; i >= 1; --i) {
        const std::string digits = std::to_string(i);
        names.push_back(u"n" + std::u16string(digits.begin(), digits.end()));
    }
    Recorder r;
    r.core.RenMethod = Method::LowerCase;
    r.dropNames(names);
    ASSERT_EQ(r.core.RenCount, renamer::MaxFiles);
    EXPECT_TRUE(std::is_sorted(r.core.RenOldName.begin(), r.core.RenOldName.end()));
    EXPECT_EQ(r.core.RenOldName.front(), u"n1");
    EXPECT_EQ(r.core.RenOldName.back(), u"n9999");
    EXPECT_EQ(r.core.RenState, RenameState::CanRename);
}

TEST(ListEntries, NamesAreSplitAsTheMainWindowSplitsThem)
{
    Recorder r;
    r.dropNames({u"archive.tar.gz", u"Makefile", u".profile", u"readme.", u"Report v1.0 final"}, u"/home/user/");
    EXPECT_EQ(r.core.RenCount, 5);
    EXPECT_EQ(r.core.RenDrive, u"");
    EXPECT_EQ(r.core.RenFolder, u"/home/user/");
    EXPECT_EQ(r.core.folderText(), u"/home/user/");
    EXPECT_EQ(r.core.RenOldName,
              (Names{u".profile", u"Makefile", u"Report v1.0 final", u"archive.tar.gz", u"readme."}));
    EXPECT_EQ(r.core.RenBase, (Names{u".profile", u"Makefile", u"Report v1.0 final", u"archive.tar", u"readme"}));
    EXPECT_EQ(r.core.RenExt, (Names{u"", u"", u"", u"gz", u""}));
}

TEST(ListEntries, DriveLetterPathsKeepTheirDriveAndFolder)
{
    Recorder r;
    r.core.setPathSplitter(Module1::splitDriveLetterPath);
    r.core.MakeRenameList({u"C:\\photos\\b.dat", u"C:\\photos\\a.dat"}, {}, {}, {});
    EXPECT_EQ(r.core.RenDrive, u"C:");
    EXPECT_EQ(r.core.RenFolder, u"\\photos\\");
    EXPECT_EQ(r.core.RenOldName, (Names{u"a.dat", u"b.dat"}));
    EXPECT_EQ(r.engine.extCheckedPaths, (Names{u"C:\\photos\\a.dat", u"C:\\photos\\b.dat"}));
}

// A refused drop stops the build where it went wrong, with the entries before it filled
// in and the first file's folder kept, and asks the engine nothing.
TEST(ListRefusals, SayWhyAndLeaveNoList)
{
    const struct {
        const char *name;
        bool driveLetters;
        Names paths;
        const char16_t *message;
        std::optional<Names> oldNames = std::nullopt;
        const char16_t *folder = nullptr;
    } cases[] = {
        {"two folders", false, {u"/data/a/x.txt", u"/data/a/b/y.txt"}, Messages::IllegalPathFormat2,
         Names{u"x.txt", u""}, u"/data/a/"},
        {"the first file decides the folder", false, {u"/a/x.txt", u"/b/y.txt", u"/a/z.txt"},
         Messages::IllegalPathFormat2, std::nullopt, u"/a/"},
        {"folders differing in case", false, {u"/data/Photos/x.txt", u"/data/photos/y.txt"},
         Messages::IllegalPathFormat2},
        {"drives differing in case", true, {u"C:\\a\\x.txt", u"c:\\a\\y.txt"}, Messages::IllegalPathFormat2},
        {"a relative path", false, {u"/data/b.txt", u"/data/a.txt", u"relative.txt", u"/data/c.txt"},
         Messages::IllegalPathFormat1, Names{u"b.txt", u"a.txt", u"", u""}, u"/data/"},
        {"a network path", true, {u"\\\\server\\share\\a.txt"}, Messages::IllegalPathFormat1},
        {"a drive's root", true, {u"C:\\"}, Messages::IllegalPathFormat1},
        {"a folder", true, {u"C:\\dir\\"}, Messages::IllegalPathFormat1},
        {"no drive", true, {u"dir\\a.txt"}, Messages::IllegalPathFormat1},
        {"a drive without folder", true, {u"C:a.txt"}, Messages::IllegalPathFormat1},
        {"the root", false, {u"/"}, Messages::IllegalPathFormat1},
        {"a posix folder", false, {u"/data/"}, Messages::IllegalPathFormat1},
        {"a bare name", false, {u"a.txt"}, Messages::IllegalPathFormat1},
        {"an empty path", false, {u""}, Messages::IllegalPathFormat1},
        {"nothing", false, {}, Messages::IllegalDroppedFiles, Names{}, u""},
        // The system would stop at the NUL and rename in the folder the first part names.
        {"a NUL in the folder", false, {u"/data/victim\0zzz/A.TXT"s}, Messages::IllegalPathFormat1, Names{u""}},
        {"a NUL after the name", false, {u"/data/a.txt", u"/data/victim/A.TXT\0zzz"s}, Messages::IllegalPathFormat1,
         Names{u"a.txt", u""}, u"/data/"},
        {"a wildcard on Windows", true, {u"C:\\a\\x.txt", u"C:\\a\\*.txt"}, Messages::IllegalPathFormat1,
         Names{u"x.txt", u""}, u"\\a\\"},
        {"a slash on Windows", true, {u"C:\\a\\victim/A.TXT"}, Messages::IllegalPathFormat1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Recorder r;
        r.dropNames({u"earlier.txt"});
        r.engine.extCheckedPaths.clear();
        if (c.driveLetters)
            r.core.setPathSplitter(Module1::splitDriveLetterPath);
        r.core.MakeRenameList(c.paths, {}, {}, {});
        EXPECT_EQ(headlines(r.messages), Names{c.message});
        // The Japanese line under it says what was refused.
        ASSERT_EQ(r.messages.size(), std::size_t{1});
        const std::u16string cause = r.messages.front().substr(r.messages.front().find(u'\n') + 1);
        EXPECT_TRUE(std::any_of(c.paths.begin(), c.paths.end(), [&cause](const std::u16string &path) {
            return cause.find(platform::codepage::readableName(path.substr(path.find_last_of(u"/\\") + 1)))
                   != std::u16string::npos;
        }) || c.paths.empty());
        EXPECT_FALSE(cause.empty());
        EXPECT_EQ(r.core.RenState, RenameState::NoFiles);
        EXPECT_EQ(r.core.RenCount, static_cast<int>(c.paths.size()));
        EXPECT_EQ(r.core.RenMark, Marks(c.paths.size(), Mark::Unset));
        EXPECT_TRUE(r.core.listRows().empty());
        EXPECT_TRUE(r.engine.extCheckedPaths.empty());
        if (c.oldNames) {
            EXPECT_EQ(r.core.RenOldName, *c.oldNames);
        }
        if (c.folder) {
            EXPECT_EQ(r.core.RenFolder, c.folder);
        }
    }
}

TEST(ListRefusals, TooManyFilesAreRefusedAndThePreviousListStays)
{
    Recorder r;
    r.core.RenMethod = Method::UpperCase;
    r.dropNames({u"b.txt", u"a.txt"});
    const Names before = r.core.RenNewName;
    r.core.MakeRenameList(Names(static_cast<std::size_t>(renamer::MaxFiles) + 1, u"/other/x.txt"), {}, {}, {});
    EXPECT_EQ(headlines(r.messages), (Names{Messages::TooManyFiles}));
    EXPECT_EQ(r.core.RenCount, 2);
    EXPECT_EQ(r.core.RenFolder, u"/data/");
    EXPECT_EQ(r.core.RenOldName, (Names{u"a.txt", u"b.txt"}));
    EXPECT_EQ(r.core.RenNewName, before);
    EXPECT_EQ(r.core.RenState, RenameState::CanRename);
}

// What a drop's box texts and the settings already made give the method that uses them:
// a filled box wins, an empty one keeps the setting, and the sequence method fills empty
// settings from the first sorted file. Other methods take nothing from the boxes.
TEST(DropSettings, BoxTextsWinSettingsStayAndTheFirstFileFillsTheRest)
{
    const struct {
        const char *name;
        int method;
        Names settings;  // head, number, extension, affix, new extension before the drop
        Names boxes;     // head, number, extension typed when dropping
        Names files;
        Names after;  // the settings after the drop
        Names proposed;
    } cases[] = {
        {"sequence from the first file", Method::Sequence, {u"", u"", u"", u"-", u""}, {u"", u"", u""},
         {u"pic.png", u"photo.jpg"}, {u"ph", u"001", u"jpg", u"-", u""}, {u"ph001.jpg", u"ph002.jpg"}},
        {"a short first base", Method::Sequence, {u"", u"001", u"", u"-", u""}, {u"", u"", u""},
         {u"a.txt", u"bb.txt"}, {u"a", u"001", u"txt", u"-", u""}, {u"a001.txt", u"a002.txt"}},
        {"sequence boxes win", Method::Sequence, {u"old", u"001", u"gif", u"-", u""}, {u"img", u"7", u"png"},
         {u"photo.jpg"}, {u"img", u"7", u"png", u"-", u""}, {u"img7.png"}},
        {"sequence settings stay", Method::Sequence, {u"x", u"10", u"bin", u"-", u""}, {u"", u"", u""},
         {u"photo.jpg"}, {u"x", u"10", u"bin", u"-", u""}, {u"x10.bin"}},
        {"an empty head box keeps the affix", Method::DeleteAtStart, {u"", u"001", u"", u"-", u""},
         {u"", u"", u""}, {u"-a.txt"}, {u"", u"001", u"", u"-", u""}, {u"a.txt"}},
        {"a filled head box is the affix", Method::DeleteAtStart, {u"", u"001", u"", u"-", u""},
         {u"x_", u"", u""}, {u"x_a.txt"}, {u"", u"001", u"", u"x_", u""}, {u"a.txt"}},
        {"other methods take nothing", Method::NewExtension, {u"", u"001", u"", u"-", u""},
         {u"head", u"5", u"png"}, {u"a.txt"}, {u"", u"001", u"", u"-", u""}, {u"a.txt"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Recorder r;
        r.core.RenMethod = c.method;
        std::u16string *settings[] = {&r.core.RenHead, &r.core.RenNumText, &r.core.RenSeqExt, &r.core.RenAffix,
                                      &r.core.RenNewExt};
        for (std::size_t i = 0; i < 5; ++i)
            *settings[i] = c.settings[i];
        r.dropNames(c.files, u"/data/", c.boxes[0], c.boxes[1], c.boxes[2]);
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(*settings[i], c.after[i]) << i;
        EXPECT_EQ(r.core.RenNewName, c.proposed);
    }
}
