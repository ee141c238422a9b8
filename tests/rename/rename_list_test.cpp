#include "rename/rename_core.h"
#include "rename_support.h"
#include "shell/module1.h"

#include <gtest/gtest.h>

using namespace renametest;
namespace Method = renamer::Method;
namespace Messages = renamer::Messages;

namespace {

// A core that takes drive-letter paths apart as the Windows program does, so the
// drive rules can be tried on any platform.
struct DriveLetterRecorder : Recorder {
    DriveLetterRecorder() { core.setPathSplitter(Module1::splitDriveLetterPath); }
};

} // namespace

TEST(ListOrder, UpperCaseComesBeforeLowerCaseAndABlankBeforeAPeriod)
{
    Recorder r;
    r.dropNames({u"apple.txt", u"Zebra.txt", u"apple 2.txt"});
    EXPECT_EQ(r.core.RenOldName, (Names{u"Zebra.txt", u"apple 2.txt", u"apple.txt"}));
    EXPECT_EQ(r.core.RenBase, (Names{u"Zebra", u"apple 2", u"apple"}));
    EXPECT_EQ(r.core.RenExt, (Names{u"txt", u"txt", u"txt"}));
    EXPECT_TRUE(r.messages.empty());
}

TEST(ListOrder, ComparesCharacterByCharacterSoFile10ComesBeforeFile2)
{
    Recorder r;
    r.dropNames({u"file10.txt", u"file2.txt", u"file1.txt"});
    EXPECT_EQ(r.core.RenOldName, (Names{u"file1.txt", u"file10.txt", u"file2.txt"}));
}

TEST(ListOrder, PutsHiraganaBeforeKatakanaBeforeKanjiAndWidthFormsLast)
{
    Recorder r;
    r.dropNames({u"ｶﾀｶﾅ.txt", u"漢字.txt", u"ＦＵＬＬ.txt", u"カタカナ.txt", u"9.txt",
                 u"ひらがな.txt", u"abc.txt"});
    EXPECT_EQ(r.core.RenOldName, (Names{u"9.txt", u"abc.txt", u"ひらがな.txt", u"カタカナ.txt",
                                        u"漢字.txt", u"ＦＵＬＬ.txt", u"ｶﾀｶﾅ.txt"}));
}

TEST(ListOrder, FollowsUtf16UnitsRatherThanCodePoints)
{
    // U+1F4F7 is stored as D83D DCF7, which sorts before U+FF76 though its code point is larger.
    Recorder r;
    r.dropNames({u"ｶ.txt", u"\U0001F4F7.txt", u"漢.txt"});
    EXPECT_EQ(r.core.RenOldName, (Names{u"漢.txt", u"\U0001F4F7.txt", u"ｶ.txt"}));
}

TEST(ListOrder, APrefixSortsBeforeTheLongerName)
{
    Recorder r;
    r.dropNames({u"ab", u"a", u"abc"});
    EXPECT_EQ(r.core.RenOldName, (Names{u"a", u"ab", u"abc"}));
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

TEST(ListEntries, ADuplicatePathGivesTwoEntries)
{
    Recorder r;
    r.dropNames({u"b.txt", u"a.txt", u"b.txt"});
    EXPECT_EQ(r.core.RenCount, 3);
    EXPECT_EQ(r.core.RenOldName, (Names{u"a.txt", u"b.txt", u"b.txt"}));
}

TEST(ListEntries, OneFileGivesAOneEntryListWithItsParts)
{
    Recorder r;
    r.dropNames({u"archive.tar.gz"}, u"/home/user/");
    EXPECT_EQ(r.core.RenCount, 1);
    EXPECT_EQ(r.core.RenDrive, u"");
    EXPECT_EQ(r.core.RenFolder, u"/home/user/");
    EXPECT_EQ(r.core.RenBase, (Names{u"archive.tar"}));
    EXPECT_EQ(r.core.RenExt, (Names{u"gz"}));
    EXPECT_EQ(r.core.folderText(), u"/home/user/");
}

TEST(ListEntries, NamesAreSplitAsTheMainWindowSplitsThem)
{
    Recorder r;
    r.dropNames({u"Makefile", u".profile", u"readme.", u"Report v1.0 final"});
    EXPECT_EQ(r.core.RenOldName, (Names{u".profile", u"Makefile", u"Report v1.0 final", u"readme."}));
    EXPECT_EQ(r.core.RenBase, (Names{u".profile", u"Makefile", u"Report v1.0 final", u"readme"}));
    EXPECT_EQ(r.core.RenExt, (Names{u"", u"", u"", u""}));
}

TEST(ListEntries, DriveLetterPathsKeepTheirDriveAndFolder)
{
    DriveLetterRecorder r;
    r.core.MakeRenameList({u"C:\\photos\\b.dat", u"C:\\photos\\a.dat"}, {}, {}, {});
    EXPECT_EQ(r.core.RenDrive, u"C:");
    EXPECT_EQ(r.core.RenFolder, u"\\photos\\");
    EXPECT_EQ(r.core.RenOldName, (Names{u"a.dat", u"b.dat"}));
    EXPECT_EQ(r.engine.extCheckedPaths, (Names{u"C:\\photos\\a.dat", u"C:\\photos\\b.dat"}));
}

TEST(ListEntries, ASuccessfulBuildEndsWithAFreshProposal)
{
    Recorder r;
    r.core.RenMethod = Method::UpperCase;
    r.dropNames({u"a.txt", u"B.TXT"});
    EXPECT_EQ(r.core.RenState, RenameState::CanRename);
    EXPECT_EQ(r.core.RenNewName, (Names{u"B.TXT", u"A.TXT"}));
    EXPECT_EQ(r.core.RenMark, (Marks{Mark::SameName, Mark::ToRename}));
}

TEST(ListRefusals, FilesFromTwoFoldersAreRefused)
{
    Recorder r;
    r.core.MakeRenameList({u"/data/a/x.txt", u"/data/a/b/y.txt"}, {}, {}, {});
    EXPECT_EQ(r.messages, (Names{Messages::IllegalPathFormat2}));
    EXPECT_EQ(r.core.RenState, RenameState::NoFiles);
    EXPECT_EQ(r.core.RenFolder, u"/data/a/");
    EXPECT_EQ(r.core.RenCount, 2);
    EXPECT_EQ(r.core.RenOldName, (Names{u"x.txt", u""}));
    EXPECT_EQ(r.core.RenMark, (Marks{Mark::Unset, Mark::Unset}));
    EXPECT_TRUE(r.engine.extCheckedPaths.empty());
}

TEST(ListRefusals, TheFirstFileDecidesTheFolderAlthoughPosixDrivesAreEmpty)
{
    Recorder r;
    r.core.MakeRenameList({u"/a/x.txt", u"/b/y.txt", u"/a/z.txt"}, {}, {}, {});
    EXPECT_EQ(r.messages, (Names{Messages::IllegalPathFormat2}));
    EXPECT_EQ(r.core.RenFolder, u"/a/");
}

TEST(ListRefusals, DriveLettersThatDifferOnlyInCaseAreRefused)
{
    DriveLetterRecorder r;
    r.core.MakeRenameList({u"C:\\a\\x.txt", u"c:\\a\\y.txt"}, {}, {}, {});
    EXPECT_EQ(r.messages, (Names{Messages::IllegalPathFormat2}));
    EXPECT_EQ(r.core.RenState, RenameState::NoFiles);
}

TEST(ListRefusals, FoldersThatDifferOnlyInCaseAreRefused)
{
    Recorder r;
    r.core.MakeRenameList({u"/data/Photos/x.txt", u"/data/photos/y.txt"}, {}, {}, {});
    EXPECT_EQ(r.messages, (Names{Messages::IllegalPathFormat2}));
}

TEST(ListRefusals, NetworkPathsAndRootsAreRefused)
{
    for (const std::u16string path : {u"\\\\server\\share\\a.txt", u"C:\\", u"C:\\dir\\", u"dir\\a.txt",
                                      u"C:a.txt"}) {
        DriveLetterRecorder r;
        r.core.MakeRenameList({path}, {}, {}, {});
        EXPECT_EQ(r.messages, (Names{Messages::IllegalPathFormat1})) << narrow(path);
        EXPECT_EQ(r.core.RenState, RenameState::NoFiles) << narrow(path);
    }
    for (const std::u16string path : {u"/", u"/data/", u"a.txt", u""}) {
        Recorder r;
        r.core.MakeRenameList({path}, {}, {}, {});
        EXPECT_EQ(r.messages, (Names{Messages::IllegalPathFormat1})) << narrow(path);
    }
}

TEST(ListRefusals, ABadPathStopsTheBuildWithTheEntriesBeforeItFilledIn)
{
    Recorder r;
    r.core.MakeRenameList({u"/data/b.txt", u"/data/a.txt", u"relative.txt", u"/data/c.txt"}, {}, {},
                          {});
    EXPECT_EQ(r.messages, (Names{Messages::IllegalPathFormat1}));
    EXPECT_EQ(r.core.RenCount, 4);
    EXPECT_EQ(r.core.RenFolder, u"/data/");
    EXPECT_EQ(r.core.RenOldName, (Names{u"b.txt", u"a.txt", u"", u""}));
    EXPECT_EQ(r.core.RenState, RenameState::NoFiles);
    EXPECT_TRUE(r.core.listRows().empty());
}

TEST(ListRefusals, AnEmptyDropIsRefused)
{
    Recorder r;
    r.dropNames({u"a.txt"});
    r.core.MakeRenameList({}, {}, {}, {});
    EXPECT_EQ(r.messages, (Names{Messages::IllegalDroppedFiles}));
    EXPECT_EQ(r.core.RenCount, 0);
    EXPECT_EQ(r.core.RenFolder, u"");
    EXPECT_EQ(r.core.RenState, RenameState::NoFiles);
}

TEST(ListRefusals, TooManyFilesAreRefusedAndThePreviousListStays)
{
    Recorder r;
    r.core.RenMethod = Method::UpperCase;
    r.dropNames({u"b.txt", u"a.txt"});
    const Names before = r.core.RenNewName;

    Names paths(static_cast<std::size_t>(renamer::MaxFiles) + 1, u"/other/x.txt");
    r.core.MakeRenameList(paths, {}, {}, {});

    EXPECT_EQ(r.messages, (Names{Messages::TooManyFiles}));
    EXPECT_EQ(r.core.RenCount, 2);
    EXPECT_EQ(r.core.RenFolder, u"/data/");
    EXPECT_EQ(r.core.RenOldName, (Names{u"a.txt", u"b.txt"}));
    EXPECT_EQ(r.core.RenNewName, before);
    EXPECT_EQ(r.core.RenState, RenameState::CanRename);
}

TEST(SequenceSettings, ComeFromTheFirstSortedFileWhenBoxesAndSettingsAreEmpty)
{
    Recorder r;
    r.core.RenMethod = Method::Sequence;
    r.core.RenNumText.clear();
    r.dropNames({u"pic.png", u"photo.jpg"});
    EXPECT_EQ(r.core.RenOldName, (Names{u"photo.jpg", u"pic.png"}));
    EXPECT_EQ(r.core.RenHead, u"ph");
    EXPECT_EQ(r.core.RenNumText, u"001");
    EXPECT_EQ(r.core.RenSeqExt, u"jpg");
    EXPECT_EQ(r.core.RenNewName, (Names{u"ph001.jpg", u"ph002.jpg"}));
}

TEST(SequenceSettings, BoxTextsWinOverEverything)
{
    Recorder r;
    r.core.RenMethod = Method::Sequence;
    r.core.RenHead = u"old";
    r.core.RenSeqExt = u"gif";
    r.dropNames({u"photo.jpg"}, u"/data/", u"img", u"7", u"png");
    EXPECT_EQ(r.core.RenHead, u"img");
    EXPECT_EQ(r.core.RenNumText, u"7");
    EXPECT_EQ(r.core.RenSeqExt, u"png");
    EXPECT_EQ(r.core.RenNewName, (Names{u"img7.png"}));
}

TEST(SequenceSettings, SettingsAlreadyMadeStayWhenTheBoxesAreEmpty)
{
    Recorder r;
    r.core.RenMethod = Method::Sequence;
    r.core.RenHead = u"x";
    r.core.RenNumText = u"10";
    r.core.RenSeqExt = u"bin";
    r.dropNames({u"photo.jpg"});
    EXPECT_EQ(r.core.RenNewName, (Names{u"x10.bin"}));
}

TEST(SequenceSettings, AShortFirstBaseGivesAShortHead)
{
    Recorder r;
    r.core.RenMethod = Method::Sequence;
    r.dropNames({u"a.txt", u"bb.txt"});
    EXPECT_EQ(r.core.RenHead, u"a");
}

TEST(AffixSettings, AnEmptyHeadBoxKeepsTheAffixAndAFilledOneReplacesIt)
{
    Recorder r;
    r.core.RenMethod = Method::DeleteAtStart;
    r.dropNames({u"-a.txt"});
    EXPECT_EQ(r.core.RenAffix, u"-");
    EXPECT_EQ(r.core.RenNewName, (Names{u"a.txt"}));

    r.dropNames({u"x_a.txt"}, u"/data/", u"x_");
    EXPECT_EQ(r.core.RenAffix, u"x_");
    EXPECT_EQ(r.core.RenNewName, (Names{u"a.txt"}));
}

TEST(AffixSettings, OtherMethodsTakeNothingFromTheBoxes)
{
    Recorder r;
    r.core.RenMethod = Method::NewExtension;
    r.dropNames({u"a.txt"}, u"/data/", u"head", u"5", u"png");
    EXPECT_EQ(r.core.RenHead, u"");
    EXPECT_EQ(r.core.RenNumText, u"001");
    EXPECT_EQ(r.core.RenSeqExt, u"");
    EXPECT_EQ(r.core.RenAffix, u"-");
    EXPECT_EQ(r.core.RenNewExt, u"");
}
