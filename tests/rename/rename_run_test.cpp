#include "platform/codepage.h"
#include "platform/file_names.h"
#include "platform/platform.h"
#include "rename/rename_core.h"
#include "rename/run_messages.h"
#include "rename_support.h"
#include "shell/module1.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

using namespace renametest;
namespace Method = renamer::Method;
namespace Messages = renamer::Messages;
namespace RunMessages = renamer::RunMessages;
using platform::RenameError;
using renamer::PlanConflict;
namespace fs = std::filesystem;

namespace {

const Names FiveFiles = {u"a.txt", u"b.txt", u"c.txt", u"d.txt", u"e.txt"};
const Names FiveRenamed = {u"a-.txt", u"b-.txt", u"c-.txt", u"d-.txt", u"e-.txt"};

std::u16string cannotRename(const std::u16string &from, const std::u16string &to)
{
    return Messages::CannotRenameFrom + from + Messages::CannotRenameTo + to;
}

// Five files that the add-at-the-end method renames one and all.
struct FiveFileRun : DiskList {
    FolderContents before;

    FiveFileRun()
    {
        core.RenMethod = Method::AddAtEnd;
        createAndDrop(FiveFiles);
        before = contents();
    }
};

FolderContents without(FolderContents contents, const std::u16string &name)
{
    contents.erase(name);
    return contents;
}

Names markersOf(const std::vector<renamer::ListRow> &rows)
{
    Names markers;
    for (const renamer::ListRow &row : rows)
        markers.emplace_back(row.marker);
    return markers;
}

constexpr const char *ModesDoNotBind =
    "a folder's file mode does not stop this process renaming in it (the superuser, or Windows)";

} // namespace

// A file whose proposal is its own name is not touched, and a run of such files alone
// does nothing at all. Names as the folder spells them: a case-insensitive file
// system finds "A.txt" either way.
TEST(RenameRun, RenamesOnlyWhatChangesLetterCaseIncluded)
{
    const struct {
        Names files, renamed;
        Marks marks;
        int calls;
    } cases[] = {
        {{u"PHOTO.JPG", u"b.txt"}, {u"photo.jpg", u"b.txt"}, {Mark::Renamed, Mark::SameName}, 1},
        {{u"a.txt", u"b.txt"}, {u"a.txt", u"b.txt"}, {Mark::SameName, Mark::SameName}, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(narrow(c.files[0]));
        DiskList d;
        d.core.RenMethod = Method::LowerCase;
        d.createAndDrop(c.files);
        const FolderContents before = d.contents();
        d.interceptCall(0, {});
        d.core.runRename();
        EXPECT_TRUE(d.messages.empty());
        // Nothing renamed is nothing to undo: the list stays ready.
        EXPECT_EQ(d.core.RenState, c.calls ? RenameState::CanUndo : RenameState::CanRename);
        EXPECT_EQ(d.core.RenMark, c.marks);
        EXPECT_EQ(d.contents(), (FolderContents{{c.renamed[0], before.at(c.files[0])}, {c.renamed[1], before.at(c.files[1])}}));
        d.core.runUndo();
        EXPECT_EQ(d.core.RenState, RenameState::CanRename);
        EXPECT_EQ(d.contents(), before);
        EXPECT_EQ(d.renameCalls, 2 * c.calls);
    }
}

TEST(RenameRun, DoesNothingUnlessAProposalIsReady)
{
    FiveFileRun run;
    run.core.InvalidateRenameList();
    run.core.runRename();
    run.core.runUndo();
    EXPECT_EQ(run.core.RenState, RenameState::NeedList);
    EXPECT_EQ(run.contents(), run.before);
    EXPECT_TRUE(run.messages.empty());
}

// Nothing is renamed. Before a run the list is refused as a bad drop would be: the disk
// still matches it, so there is no reason to end the program. Before an undo the files
// bear their new names and only a new drop brings the window back, the methods locked
// meanwhile. (Windows will not move a folder that is current; the program has not left
// it, but another program may take it away while another folder is.)
TEST(RenameRun, AFolderThatIsGoneChangesNothingAndRefusesTheListBeforeARun)
{
    for (const bool undo : {false, true}) {
        SCOPED_TRACE(undo ? "undo" : "run");
        FiveFileRun run;
        if (undo) {
            run.core.runRename();
            fs::current_path(run.temp.path());
        }
        const FolderContents before = run.contents();
        const fs::path moved = run.temp.path() / "moved";
        fs::rename(run.folder, moved);
        undo ? run.core.runUndo() : run.core.runRename();
        EXPECT_EQ(headlines(run.messages), (Names{Messages::CannotChangeFolder}));
        ASSERT_EQ(run.messages.size(), 1u);
        EXPECT_NE(run.messages[0].find(run.folderText()), std::u16string::npos);
        EXPECT_EQ(run.core.RenState, undo ? RenameState::MustQuit : RenameState::NoFiles);
        EXPECT_EQ(run.core.RenMark, undo ? Marks(5, Mark::Renamed) : Marks{});
        EXPECT_TRUE(run.core.listRows().empty() || undo);
        run.core.selectMethod(Method::UpperCase);
        EXPECT_EQ(run.core.RenMethod, undo ? Method::AddAtEnd : Method::UpperCase);
        fs::rename(moved, run.folder);
        EXPECT_EQ(run.contents(), before);
        run.createAndDrop({u"x.txt"});
        EXPECT_EQ(run.core.RenState, RenameState::CanRename);
    }
}

// A dropped list whose two entries a lone CR joined into one path names a folder that
// does not exist: nothing can have changed, so the list is refused, not the program ended.
// Where a CR cannot be part of a name (Windows) the list is refused as it is dropped;
// elsewhere the run finds no such folder.
TEST(RenameRun, AListJoinedAtALoneCarriageReturnIsRefused)
{
    DiskList d;
    d.core.RenMethod = Method::UpperCase;
    d.create({u"a.txt", u"b.txt"});
    const FolderContents before = d.contents();
    const std::u16string joined = d.pathText(u"a.txt") + u"\r" + d.pathText(u"b.txt");
    const bool crInNames = platform::isAcceptablePath(joined);
    d.core.MakeRenameList({joined}, {}, {}, {});
    if (crInNames) {
        ASSERT_EQ(d.core.RenState, RenameState::CanRename);
        d.core.runRename();
    }
    EXPECT_EQ(headlines(d.messages),
              (Names{crInNames ? Messages::CannotChangeFolder : Messages::IllegalPathFormat1}));
    EXPECT_EQ(d.core.RenState, RenameState::NoFiles);
    EXPECT_NE(renamer::lookOf(d.core.RenState).guidance, u"You must quit NOW!!");
    EXPECT_EQ(d.contents(), before);
}

TEST(RenameRun, ADriveThatCannotBeMadeCurrentRefusesTheList)
{
    DiskList r;
    r.core.setPathSplitter(Module1::splitDriveLetterPath);
    r.core.RenMethod = Method::UpperCase;
    // No system has a drive named "1:", and POSIX has no drives at all.
    r.core.MakeRenameList({u"1:\\nowhere\\a.txt"}, {}, {}, {});
    r.interceptCall(0, {});
    r.core.runRename();
    EXPECT_EQ(r.messages, (Names{Messages::CannotChangeDrive + std::u16string(u"\nドライブ「1:」に移動できません。何も変更していません。"
                                                                            u"ファイルをもう一度ドロップして下さい")}));
    EXPECT_EQ(r.core.RenState, RenameState::NoFiles);
    EXPECT_EQ(r.renameCalls, 0);
}

// A file the platform could neither rename nor put back is named at once, with why.
TEST(RenameRun, AFileLeftUnderATemporaryNameIsNamedAtOnce)
{
    FiveFileRun run;
    run.core.setPlatformRename([](const std::u16string &, const std::u16string &, std::u16string *temporary,
                                  const platform::RenameWatch *) {
        *temporary = u"a-.txt.sorvena-rename-1";
        return platform::RenameError::LeftUnderTemporaryName;
    });
    run.core.runRename();
    ASSERT_FALSE(run.messages.empty());
    EXPECT_EQ(run.messages.front(), u"File Left As a-.txt.sorvena-rename-1\n"
                                    u"名前を変えることも元に戻すこともできず、ファイルは今この一時的な名前になっています");
}

// The k-th rename of a run of five fails, in one of these ways.
// (A refusal by the system at every step is tried on every kind of proposal below.)
enum class Fault { TargetExists, FileVanished, FolderReadOnly };

class RollBack : public testing::TestWithParam<std::tuple<Fault, int>> {};

std::string faultName(const testing::TestParamInfo<std::tuple<Fault, int>> &info)
{
    static const char *const faults[] = {"TargetExists", "FileVanished", "FolderReadOnly"};
    return std::string(faults[static_cast<int>(std::get<0>(info.param))]) + "AtFile"
           + std::to_string(std::get<1>(info.param));
}

TEST_P(RollBack, PutsEveryNameBackAndAsksForANewList)
{
    const auto [fault, k] = GetParam();
    if (fault == Fault::FolderReadOnly && !testsupport::permissionsDenyRenaming())
        GTEST_SKIP() << ModesDoNotBind;
    FiveFileRun run;
    const std::size_t failing = static_cast<std::size_t>(k - 1);
    const std::u16string intruder = FiveRenamed[failing];
    FolderContents expected = run.before;

    switch (fault) {
    case Fault::TargetExists:
        run.interceptCall(k, [&run, &intruder] { run.create({intruder}); });
        break;
    case Fault::FileVanished:
        run.interceptCall(k, [&run, failing] { run.remove(FiveFiles[failing]); });
        expected = without(expected, FiveFiles[failing]);
        break;
    case Fault::FolderReadOnly:
        run.interceptCall(
            k, [&run] { fs::permissions(run.folder, fs::perms::owner_write, fs::perm_options::remove); },
            [&run] { fs::permissions(run.folder, fs::perms::owner_write, fs::perm_options::add); });
        break;
    }

    run.core.runRename();

    static const RenameError causes[] = {RenameError::TargetExists, RenameError::SourceMissing,
                                         RenameError::AccessDenied};
    EXPECT_EQ(run.messages, (Names{RunMessages::cannotRename(FiveFiles[failing], FiveRenamed[failing],
                                                             causes[static_cast<int>(fault)])}));
    EXPECT_EQ(run.core.RenState, RenameState::NeedList);
    EXPECT_EQ(run.core.RenMark, Marks(5, Mark::ToRename));
    EXPECT_EQ(run.core.RenNewName, FiveRenamed);
    FolderContents after = run.contents();
    if (fault == Fault::TargetExists) {
        ASSERT_TRUE(after.count(intruder));
        EXPECT_EQ(after.at(intruder), std::hash<std::string>{}("content of " + narrow(intruder)));
        after = without(after, intruder);
    }
    EXPECT_EQ(after, expected);
    for (const renamer::ListRow &row : run.core.listRows())
        EXPECT_EQ(row.marker, u"???");
}

INSTANTIATE_TEST_SUITE_P(EveryFileOfFive, RollBack,
                         testing::Combine(testing::Values(Fault::TargetExists, Fault::FileVanished,
                                                          Fault::FolderReadOnly),
                                          testing::Range(1, 6)),
                         faultName);

TEST(RollBack, ARollBackThatFailsEndsInMustQuit)
{
    FiveFileRun run;
    // The third rename fails, and so does putting the first file back.
    run.core.setRenameFunction([&run](const std::u16string &from, const std::u16string &to) {
        ++run.renameCalls;
        if (run.renameCalls == 3 || (run.renameCalls > 3 && from == u"a-.txt"))
            return platform::RenameError::AccessDenied;
        return platform::renameNoReplace(from, to);
    });
    run.core.runRename();
    EXPECT_EQ(headlines(run.messages), (Names{cannotRename(u"c.txt", u"c-.txt"), Messages::CannotRename}));
    EXPECT_EQ(run.messages.back(), RunMessages::cannotRenameBack({{u"a-.txt", u"a.txt"}}));
    EXPECT_EQ(run.core.RenState, RenameState::MustQuit);
    EXPECT_EQ(run.core.RenMark,
              (Marks{Mark::Renamed, Mark::ToRename, Mark::ToRename, Mark::ToRename, Mark::ToRename}));
    EXPECT_TRUE(run.exists(u"a-.txt"));
    EXPECT_TRUE(run.exists(u"b.txt"));
    EXPECT_TRUE(run.exists(u"c.txt"));
    run.core.runUndo();
    run.core.runRename();
    EXPECT_TRUE(run.exists(u"a-.txt"));
    EXPECT_EQ(run.core.RenState, RenameState::MustQuit);
}

TEST(RollBack, AFolderLeftReadOnlyMakesTheRollBackFailToo)
{
    if (!testsupport::permissionsDenyRenaming())
        GTEST_SKIP() << ModesDoNotBind;
    FiveFileRun run;
    run.interceptCall(2, [&run] {
        fs::permissions(run.folder, fs::perms::owner_write, fs::perm_options::remove);
    });
    run.core.runRename();
    EXPECT_EQ(headlines(run.messages), (Names{cannotRename(u"b.txt", u"b-.txt"), Messages::CannotRename}));
    EXPECT_EQ(run.core.RenState, RenameState::MustQuit);
    EXPECT_TRUE(run.exists(u"a-.txt"));
}

// Rows that cannot be renamed are marked when the proposal is built, each with its
// reason; a run renames the others, leaves the marked files as they are, and names them
// at its end. A marked row keeps its name, which may be another row's new name, and so
// on down a chain. Nothing lands in or beside the folder.
TEST(RowsThatCannotBeRenamed, AreMarkedBeforeTheRunAndLeftAloneByIt)
{
    using B = renamer::RowBlock;
    const struct {
        const char *name;
        int method;
        std::u16string affix;
        Names listed;  // in list order
        Names unlisted;
        std::vector<B> blocks;
    } cases[] = {
        {"a name reaching another folder", Method::AddAtStart, u"sub/", {u"a.txt", u"b.txt"}, {},
         {B::CharacterRefused, B::CharacterRefused}},
        {"nothing left of a name", Method::NoBrackets, u"-", {u"(abc)", u"x(1).txt"}, {}, {B::NameEmpty, B::None}},
        {"held by a file outside the list", Method::AddAtEnd, u"-", {u"a.txt", u"b.txt"}, {u"b-.txt"},
         {B::None, B::NameHeld}},
        {"held by a listed file that keeps its name", Method::DeleteAtEnd, u"-", {u"a-.txt", u"a.txt"}, {},
         {B::NameHeld, B::None}},
        {"one name for two files", Method::NoSpaces, u"-", {u"a b.txt", u"ab .txt", u"c d.txt"}, {},
         {B::NameShared, B::NameShared, B::None}},
        {"a chain of blocks", Method::DeleteAtEnd, u"-", {u"f--.txt", u"f-.txt", u"g-.txt"}, {u"f.txt"},
         {B::NameHeld, B::NameHeld, B::None}},
        // Numbered apart, the second row would move whatever the first had put in its place.
        {"one file listed twice", Method::Sequence, u"", {u"f0000.txt", u"f0001.txt", u"f0001.txt", u"x.txt"}, {},
         {B::NameHeld, B::ListedTwice, B::ListedTwice, B::None}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DiskList d;
        fs::create_directory(d.folder / "sub");
        d.core.RenMethod = c.method;
        d.core.RenAffix = c.affix;
        d.create(c.unlisted);
        d.createAndDrop(c.listed);
        ASSERT_EQ(d.core.RenOldName, c.listed);
        EXPECT_EQ(d.core.RenBlock, c.blocks);
        const FolderContents before = d.contents();
        FolderContents after = before;
        std::u16string notRenamed;
        int blocked = 0;
        const std::vector<renamer::ListRow> rows = d.core.listRows();
        Names shown;  // after the run
        for (std::size_t k = 0; k < c.listed.size(); ++k) {
            const bool marked = c.blocks[k] != B::None;
            const bool same = d.core.RenNewName[k] == c.listed[k];
            EXPECT_EQ(rows[k].marker, marked ? u"×" : same ? u"===" : u"-->") << k;
            shown.push_back(marked ? u"×" : same ? u"===" : u"<--");
            EXPECT_EQ(rows[k].markerTip, marked ? renamer::blockReason(c.blocks[k], d.core.RenNewName[k]) : u"") << k;
            if (marked) {
                ++blocked;
                notRenamed += u'\n' + c.listed[k];
            } else {
                after.erase(c.listed[k]);
                after[d.core.RenNewName[k]] = before.at(c.listed[k]);
            }
        }
        const bool anyRenamed = std::count(shown.begin(), shown.end(), u"<--") > 0;
        EXPECT_EQ(d.core.willRenameAny(), anyRenamed);
        d.core.runRename();
        EXPECT_EQ(d.contents(), after);
        EXPECT_TRUE(fs::is_empty(d.folder / "sub"));
        EXPECT_EQ(std::distance(fs::directory_iterator(d.temp.path()), fs::directory_iterator()), 1);
        if (!anyRenamed) {
            EXPECT_TRUE(d.messages.empty());
            EXPECT_EQ(d.core.RenState, RenameState::CanRename);
            continue;
        }
        EXPECT_EQ(d.messages, (Names{u"リネームしなかったファイル: " + std::u16string(1, u'0' + blocked) + u" 件" + notRenamed}));
        EXPECT_EQ(d.core.RenState, RenameState::CanUndo);
        EXPECT_EQ(markersOf(d.core.listRows()), shown);
        d.core.runUndo();
        EXPECT_EQ(d.contents(), before);
    }
}

// However many rows were left alone, the closing message stays short enough for its box
// to fit the screen: the first names, then how many more.
TEST(RowsThatCannotBeRenamed, AreNamedAtTheEndOfTheRunUpToALimit)
{
    DiskList d;
    d.core.RenMethod = Method::AddAtEnd;
    d.core.RenAffix = u"-";
    Names listed{u"free.txt"};
    Names held;
    for (int k = 0; k < 25; ++k) {
        const std::u16string stem = u"f" + std::u16string(1, u'a' + k);
        listed.push_back(stem + u".txt");
        held.push_back(stem + u"-.txt");
    }
    d.create(held);
    d.createAndDrop(listed);
    d.core.runRename();
    std::u16string expected = u"リネームしなかったファイル: 25 件";
    int named = 0;
    for (const std::u16string &name : d.core.RenOldName) {
        if (name != u"free.txt" && named++ < 20)
            expected += u'\n' + name;
    }
    EXPECT_EQ(d.messages, (Names{expected + u"\nほか 5 件"}));
    EXPECT_TRUE(d.exists(u"free-.txt"));
}

// A row left out keeps its name and its sequence number, whatever the rows around it
// do; the choice lasts through rebuilds of the same list and ends with the next list. A
// row left out holds its name against the others, and gives it up when taken back.
TEST(KeptRows, KeepTheirNamesAndNumbersAndHoldTheirNames)
{
    DiskList d;
    d.core.RenMethod = Method::Sequence;
    d.createAndDrop({u"p.png", u"q.png", u"r.png"});
    const FolderContents before = d.contents();
    EXPECT_TRUE(d.core.toggleKept(1));
    d.core.ApplyRenameRule();
    EXPECT_EQ(markersOf(d.core.listRows()), (Names{u"-->", u"除外", u"-->"}));
    EXPECT_EQ(d.core.RenNewName, (Names{u"p001.png", u"p002.png", u"p003.png"}));
    d.core.runRename();
    EXPECT_TRUE(d.messages.empty());
    EXPECT_EQ(d.contents(), (FolderContents{{u"p001.png", before.at(u"p.png")}, {u"q.png", before.at(u"q.png")},
                                            {u"p003.png", before.at(u"r.png")}}));
    EXPECT_EQ(d.core.RenNumText, u"004");
    EXPECT_EQ(markersOf(d.core.listRows()), (Names{u"<--", u"除外", u"<--"}));
    EXPECT_FALSE(d.core.toggleKept(0));  // the run can be undone: the list stays as it ran
    d.core.runUndo();
    EXPECT_EQ(d.contents(), before);
    EXPECT_TRUE(d.core.toggleKept(0));
    EXPECT_TRUE(d.core.toggleKept(2));
    EXPECT_FALSE(d.core.willRenameAny());
    d.core.runRename();
    EXPECT_EQ(d.contents(), before);
    EXPECT_EQ(d.core.RenState, RenameState::CanRename);

    DiskList held;
    held.core.RenMethod = Method::DeleteAtEnd;
    held.createAndDrop({u"x--.txt", u"x-.txt"});
    EXPECT_EQ(markersOf(held.core.listRows()), (Names{u"-->", u"-->"}));
    held.core.toggleKept(1);
    EXPECT_EQ(markersOf(held.core.listRows()), (Names{u"×", u"除外"}));
    held.core.toggleKept(1);
    EXPECT_EQ(markersOf(held.core.listRows()), (Names{u"-->", u"-->"}));
    held.core.toggleKept(0);
    held.createAndDrop({u"x--.txt", u"x-.txt"});
    EXPECT_EQ(held.core.RenKept, (std::vector<bool>{false, false}));
    EXPECT_FALSE(held.core.toggleKept(2));
}

// Proposals that only some orders can carry out. Each lists old and new names; the
// list is sorted by old name, so list order is the order given here.
struct OrderCase {
    const char *name;
    std::vector<std::pair<std::u16string, std::u16string>> renames;
    int steps;  // renames on disk: one per file, and one more per cycle
};

const OrderCase OrderCases[] = {
    {"swap", {{u"a.txt", u"b.txt"}, {u"b.txt", u"a.txt"}}, 3},
    {"three-cycle", {{u"a.txt", u"b.txt"}, {u"b.txt", u"c.txt"}, {u"c.txt", u"a.txt"}}, 4},
    {"chain up", {{u"f0", u"f1"}, {u"f1", u"f2"}, {u"f2", u"f3"}}, 3},
    {"chain down", {{u"f1", u"f0"}, {u"f2", u"f1"}, {u"f3", u"f2"}}, 3},
    {"chains, cycles and independent files",
     {{u"a", u"b"}, {u"b", u"c"}, {u"c", u"d"}, {u"m", u"m2"}, {u"p", u"q"}, {u"q", u"p"},
      {u"x", u"a"}, {u"y", u"z"}},
     9},
};

// A disk list holding the case's old names, proposed the case's new names.
struct Ordered : DiskList {
    FolderContents before;
    FolderContents expected;

    explicit Ordered(const OrderCase &c)
    {
        core.RenMethod = Method::UpperCase;
        Names olds;
        for (const auto &rename : c.renames)
            olds.push_back(rename.first);
        createAndDrop(olds);
        before = contents();
        for (std::size_t k = 0; k < c.renames.size(); ++k) {
            core.RenNewName[k] = c.renames[k].second;
            expected[c.renames[k].second] = before.at(c.renames[k].first);
        }
        core.RenBlock.assign(c.renames.size(), renamer::RowBlock::None);
    }

    // The file a rename call moves, as its entry's old and new names.
    std::u16string messageFor(const std::u16string &from, const std::u16string &to) const
    {
        for (int k = 0; k < core.RenCount; ++k) {
            const std::size_t i = static_cast<std::size_t>(k);
            if (core.RenOldName[i] == from || core.RenNewName[i] == to)
                return cannotRename(core.RenOldName[i], core.RenNewName[i]);
        }
        return u"no listed file moves from " + from;
    }
};

// A run leaves the list's folder current; its undo makes it current again, and after the
// undo the same run can be made again.
TEST(RenameOrder, EveryProposalWithDistinctFreeNamesSucceedsAndIsUndone)
{
    for (const OrderCase &c : OrderCases) {
        SCOPED_TRACE(c.name);
        Ordered d(c);
        d.interceptCall(0, {});
        d.core.runRename();
        EXPECT_TRUE(d.messages.empty());
        EXPECT_EQ(d.core.RenState, RenameState::CanUndo);
        EXPECT_EQ(d.contents(), d.expected);
        EXPECT_EQ(d.core.RenMark, Marks(c.renames.size(), Mark::Renamed));
        EXPECT_EQ(d.renameCalls, c.steps);
        EXPECT_EQ(fs::current_path(), d.folder);
        fs::current_path(d.temp.path());
        d.core.runUndo();
        EXPECT_TRUE(d.messages.empty());
        EXPECT_EQ(d.core.RenState, RenameState::CanRename);
        EXPECT_EQ(d.core.RenMark, Marks(c.renames.size(), Mark::ToRename));
        EXPECT_EQ(d.contents(), d.before);
        EXPECT_EQ(d.renameCalls, 2 * c.steps);
        EXPECT_EQ(fs::current_path(), d.folder);
        d.core.runRename();
        EXPECT_EQ(d.contents(), d.expected);
    }
}

TEST(RenameOrder, AFailureAtAnyStepPutsEveryFileBack)
{
    for (const OrderCase &c : OrderCases) {
        for (int k = 1; k <= c.steps; ++k) {
            SCOPED_TRACE(std::string(c.name) + ", step " + std::to_string(k));
            Ordered d(c);
            std::u16string failed;
            d.core.setRenameFunction([&d, &failed, k](const std::u16string &from, const std::u16string &to) {
                if (++d.renameCalls != k)
                    return platform::renameNoReplace(from, to);
                failed = d.messageFor(from, to);
                return platform::RenameError::AccessDenied;
            });
            d.core.runRename();
            EXPECT_EQ(headlines(d.messages), (Names{failed}));
            EXPECT_EQ(d.core.RenState, RenameState::NeedList);
            EXPECT_EQ(d.core.RenMark, Marks(c.renames.size(), Mark::ToRename));
            EXPECT_EQ(d.contents(), d.before);
        }
    }
}

TEST(RenameOrder, NamesNoOrderCanGiveAreRefusedBeforeAnythingChanges)
{
    struct Case {
        const char *name;
        Names listed;
        Names proposed;
        Names unlisted;
        std::u16string message;
        PlanConflict cause;
    };
    const std::u16string longest = std::u16string(251, u'n') + u".txt";
    const Case cases[] = {
        {"two files, one name", {u"a", u"b", u"c"}, {u"z", u"c2", u"z"}, {}, cannotRename(u"c", u"z"),
         PlanConflict::SameNewName},
        {"a name an unlisted file has", {u"a", u"b"}, {u"b2", u"z"}, {u"z"}, cannotRename(u"b", u"z"),
         PlanConflict::NameTaken},
        {"a name a listed file keeps", {u"a", u"b"}, {u"b", u"b"}, {}, cannotRename(u"a", u"b"),
         PlanConflict::NameTaken},
        {"the first conflict in list order", {u"a", u"b", u"c"}, {u"q", u"z", u"q"}, {u"z"},
         cannotRename(u"b", u"z"), PlanConflict::NameTaken},
        {"a file listed twice, numbered apart", {u"f0", u"f1", u"f1"}, {u"f1", u"f2", u"f3"}, {},
         cannotRename(u"f1", u"f3"), PlanConflict::ListedTwice},
        {"a name one unit past the longest a file system holds", {u"a", u"b"}, {u"b2", longest + u"x"}, {},
         cannotRename(u"b", longest + u"x"), PlanConflict::NameTooLong},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        DiskList d;
        d.core.RenMethod = Method::UpperCase;
        d.create(c.unlisted);
        d.createAndDrop(c.listed);
        const FolderContents before = d.contents();
        // Names the proposal did not see: the run's own checks stand alone.
        for (std::size_t k = 0; k < c.listed.size(); ++k) {
            d.core.RenNewName[k] = c.proposed[k];
            d.core.RenMark[k] = c.proposed[k] == c.listed[k] ? Mark::SameName : Mark::ToRename;
            d.core.RenBlock[k] = renamer::RowBlock::None;
        }
        d.interceptCall(0, {});
        d.core.runRename();
        EXPECT_EQ(d.messages, (Names{c.message + u'\n' + RunMessages::causeOf(c.cause)}));
        EXPECT_EQ(d.core.RenState, RenameState::NeedList);
        EXPECT_EQ(d.renameCalls, 0);
        EXPECT_EQ(d.contents(), before);
    }
}

TEST(RenameOrder, NamesCompareAsTheFolderCompares)
{
    struct Case {
        bool ignoreCase;
        Names olds;
        Names news;
        int conflict;
        std::size_t steps;
    };
    const Case cases[] = {
        {true, {u"a.txt", u"b.txt"}, {u"X.txt", u"x.txt"}, 1, 0},
        {false, {u"a.txt", u"b.txt"}, {u"X.txt", u"x.txt"}, -1, 2},
        {true, {u"A.txt"}, {u"a.txt"}, -1, 1},
        {true, {u"a.txt", u"b.txt"}, {u"B.TXT", u"A.TXT"}, -1, 3},
        {false, {u"a.txt", u"b.txt"}, {u"B.TXT", u"A.TXT"}, -1, 2},
    };
    for (const Case &c : cases) {
        const renamer::RenamePlan plan = renamer::planRenames(
            c.olds, c.news, std::vector<bool>(c.olds.size(), true), c.ignoreCase,
            [](const std::u16string &) { return false; });
        EXPECT_EQ(plan.conflict, c.conflict) << narrow(c.news.front());
        EXPECT_EQ(plan.steps.size(), c.steps) << narrow(c.news.front());
    }
}

TEST(RenameOrder, AFileLeftUnderTheTemporaryNameIsNamed)
{
    Ordered d(OrderCases[0]);
    // The swap parks a.txt, moves b.txt, then cannot bring a.txt to b.txt, nor back.
    std::u16string parked;
    d.core.setRenameFunction([&](const std::u16string &from, const std::u16string &to) {
        ++d.renameCalls;
        if (d.renameCalls == 1)
            parked = to;
        if (d.renameCalls == 3 || (from == parked && to == u"a.txt"))
            return platform::RenameError::AccessDenied;
        return platform::renameNoReplace(from, to);
    });
    d.core.runRename();
    EXPECT_EQ(d.messages, (Names{RunMessages::cannotRename(u"a.txt", u"b.txt", RenameError::AccessDenied),
                                 RunMessages::cannotRenameBack({{parked, u"a.txt"}})}));
    EXPECT_NE(d.messages.back().find(parked), std::u16string::npos);
    EXPECT_EQ(d.core.RenState, RenameState::MustQuit);
    EXPECT_EQ(d.contents(), (FolderContents{{parked, d.before.at(u"a.txt")}, {u"b.txt", d.before.at(u"b.txt")}}));
}

// The first step of an exchange moves a file aside; when that fails, the message says
// under which name it was to wait, since that name is nowhere in the list.
TEST(RenameOrder, AFailedParkStepNamesTheTemporaryName)
{
    Ordered d(OrderCases[0]);
    std::u16string parked;
    d.core.setRenameFunction([&](const std::u16string &from, const std::u16string &to) {
        if (++d.renameCalls == 1) {
            parked = to;
            return RenameError::AccessDenied;
        }
        return platform::renameNoReplace(from, to);
    });
    d.core.runRename();
    EXPECT_EQ(parked, u".sorvena-swap-1");
    EXPECT_EQ(headlines(d.messages), (Names{cannotRename(u"a.txt", u"b.txt")}));
    ASSERT_EQ(d.messages.size(), 1u);
    EXPECT_NE(d.messages[0].find(u"「.sorvena-swap-1」"), std::u16string::npos);
    EXPECT_EQ(d.core.RenState, RenameState::NeedList);
    EXPECT_EQ(d.contents(), d.before);
}

// The undo goes back from the last rename of the run to the first. A file whose way
// back is taken keeps its new name; every other file still goes back.
TEST(Undo, ThatFailsMidwayEndsInMustQuitWithEveryOtherFileBack)
{
    DiskList d;
    d.core.RenMethod = Method::AddAtEnd;
    d.createAndDrop({u"a.txt", u"b.txt", u"c.txt"});
    FolderContents expected = d.contents();
    d.core.runRename();
    testsupport::writeFile(d.pathOf(u"b.txt"), "newcomer");  // another program takes b.txt's old name
    d.core.runUndo();
    EXPECT_EQ(d.messages, (Names{RunMessages::cannotRenameBack({{u"b-.txt", u"b.txt"}})}));
    EXPECT_EQ(d.core.RenState, RenameState::MustQuit);
    EXPECT_EQ(d.core.RenMark, (Marks{Mark::ToRename, Mark::Renamed, Mark::ToRename}));
    expected[u"b-.txt"] = expected.at(u"b.txt");
    expected[u"b.txt"] = std::hash<std::string>{}("newcomer");
    EXPECT_EQ(d.contents(), expected);
}

TEST(Undo, ThatStrandsAFileUnderTheTemporaryNameSaysWhere)
{
    Ordered d(OrderCases[0]);
    d.core.runRename();
    ASSERT_EQ(d.core.RenState, RenameState::CanUndo);
    // Going back, the undo parks the file that was a.txt (now b.txt), brings the other home
    // to b.txt, and finds a.txt taken when it brings the parked file home.
    std::u16string parked;
    d.core.setRenameFunction([&](const std::u16string &from, const std::u16string &to) {
        if (++d.renameCalls == 1)
            parked = to;
        if (from == parked && !parked.empty())
            d.create({to});
        return platform::renameNoReplace(from, to);
    });
    d.core.runUndo();
    EXPECT_EQ(d.messages, (Names{RunMessages::cannotRenameBack({{parked, u"a.txt"}})}));
    EXPECT_EQ(d.core.RenState, RenameState::MustQuit);
    EXPECT_EQ(d.contents().at(parked), d.before.at(u"a.txt"));
}

// While a run can be undone the method and its settings stay; a new drop takes the undo away.
TEST(Undo, KeepsTheMethodWhileItCanBeMadeAndIsGoneOnceANewListIsDropped)
{
    DiskList d;
    d.core.RenMethod = Method::Sequence;
    d.createAndDrop({u"a.txt", u"b.txt"}, u"p");
    d.core.runRename();
    d.core.selectMethod(Method::UpperCase);
    d.core.nameBoxEdited(renamer::NameBox::Number, u"50");
    EXPECT_EQ(d.core.RenMethod, Method::Sequence);
    EXPECT_EQ(d.core.RenState, RenameState::CanUndo);
    d.core.runUndo();
    EXPECT_EQ(d.core.RenNumText, u"001");
    d.core.runRename();
    d.createAndDrop({u"z.txt"});
    d.core.runUndo();
    EXPECT_EQ(d.core.RenState, RenameState::CanRename);
    EXPECT_TRUE(d.exists(u"p001.txt"));
}

// The counter moves past every listed file, renamed or not, grows past its start width,
// keeps its text when the next start would leave its range, and comes back with the undo.
// Renumbering a numbered folder up or down works whatever the order on disk.
TEST(SequenceNumbers, AdvancePastTheBatchAndComeBackWithTheUndo)
{
    const struct {
        Names files;
        std::u16string head, start;
        Names renamed;
        std::u16string next;
    } cases[] = {
        {{u"a.jpg", u"b.jpg", u"c.jpg", u"d.jpg", u"e.jpg"}, u"img", u"",
         {u"img001.jpg", u"img002.jpg", u"img003.jpg", u"img004.jpg", u"img005.jpg"}, u"006"},
        {{u"a.jpg", u"b.jpg", u"c.jpg"}, u"img", u"9", {u"img9.jpg", u"img10.jpg", u"img11.jpg"}, u"12"},
        {{u"img001.jpg", u"x.jpg"}, u"img", u"", {u"img001.jpg", u"img002.jpg"}, u"003"},
        {{u"a.jpg", u"b.jpg"}, u"n", u"32766", {u"n32766.jpg", u"n32767.jpg"}, u"32766"},
        {{u"f1.txt", u"f2.txt", u"f3.txt"}, u"f", u"0", {u"f0.txt", u"f1.txt", u"f2.txt"}, u"3"},
        {{u"f0.txt", u"f1.txt", u"f2.txt"}, u"f", u"1", {u"f1.txt", u"f2.txt", u"f3.txt"}, u"4"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(narrow(c.renamed.back()));
        DiskList d;
        d.core.RenMethod = Method::Sequence;
        d.createAndDrop(c.files, c.head, c.start);
        const std::u16string start = d.core.RenNumText;
        const FolderContents before = d.contents();
        d.core.runRename();
        EXPECT_TRUE(d.messages.empty());
        EXPECT_EQ(d.core.RenState, RenameState::CanUndo);
        FolderContents expected;
        for (std::size_t k = 0; k < c.files.size(); ++k)
            expected[c.renamed[k]] = before.at(c.files[k]);
        EXPECT_EQ(d.contents(), expected);
        EXPECT_EQ(d.core.RenNumText, c.next);
        EXPECT_EQ(d.core.RenNumBack, start);
        EXPECT_EQ(d.core.nameBoxes().number.text, c.next);
        d.core.runUndo();
        EXPECT_TRUE(d.messages.empty());
        EXPECT_EQ(d.core.RenNumText, start);
        EXPECT_EQ(d.contents(), before);
    }
}

TEST(NamesThatAreNotUtf8, AreListedReadablyRenamedExactlyAndUndone)
{
    if (!testsupport::namesAreBytes())
        GTEST_SKIP() << "file names on Windows are UTF-16: no name holds bytes that are not UTF-8";
    DiskList run;
    const std::string folder = run.folder.string() + '/';
    const std::string mine = folder + "a\x8E\xCA.txt";  // Shift-JIS bytes
    const std::string lookalike = folder + "a\xEF\xBF\xBD\xEF\xBF\xBD.txt";
    ASSERT_TRUE(testsupport::writeFile(mine, "mine"));
    ASSERT_TRUE(testsupport::writeFile(lookalike, "lookalike"));
    run.core.RenMethod = Method::AddAtEnd;
    run.core.MakeRenameList({platform::codepage::nameFromBytes(mine)}, {}, {}, {});
    ASSERT_EQ(run.core.listRows().at(0).oldName, u"a\\x8E\\xCA.txt");
    EXPECT_EQ(run.core.listRows().at(0).newName, u"a\\x8E\\xCA-.txt");
    run.core.runRename();
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(testsupport::readFile(folder + "a\x8E\xCA-.txt"), "mine");
    run.core.runUndo();
    EXPECT_EQ(testsupport::readFile(mine), "mine");
    EXPECT_EQ(testsupport::readFile(lookalike), "lookalike");
}
