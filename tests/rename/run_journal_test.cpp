// The journal on every platform: what it keeps, when it is offered, and how a run cut
// short after any step is recovered, including files that changed since and leftovers
// of the rename fallback.
#include "platform/codepage.h"
#include "platform/state_files.h"
#include "rename/rename_core.h"
#include "rename/run_journal.h"
#include "rename/run_messages.h"
#include "rename/run_recovery.h"
#include "rename_support.h"

#include <gtest/gtest.h>

using namespace renametest;
using renamer::FoundJournals;
using renamer::RecoveryWay;
using renamer::RunJournal;
namespace fs = std::filesystem;

namespace {

std::size_t journalCount(const DiskList &d)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(d.state.path()), fs::directory_iterator()));
}

// A run of a swap and a chain cut short after `done` of its steps: the journal written
// as the run writes it, the steps made by hand, and the journal released as a crash
// releases it.
struct CutShort : DiskList {
    FolderContents before;
    FolderContents after;
    renamer::RenamePlan plan;

    explicit CutShort(std::size_t done)
    {
        const Names olds = {u"a.txt", u"b.txt", u"f1", u"f2"};
        const Names news = {u"b.txt", u"a.txt", u"f0", u"f1"};
        create(olds);
        before = contents();
        for (std::size_t k = 0; k < olds.size(); ++k)
            after[news[k]] = before.at(olds[k]);
        plan = renamer::planRenames(olds, news, std::vector<bool>(olds.size(), true), false,
                                    [this](const std::u16string &name) { return exists(name); });
        const std::u16string listFolder = folderText();
        auto journal = RunJournal::begin(stateFolderText(), listFolder, plan, false);
        EXPECT_TRUE(journal);
        for (std::size_t s = 0; s < done && journal; ++s) {
            EXPECT_EQ(platform::renameNoReplace(listFolder + plan.steps[s].from, listFolder + plan.steps[s].to),
                      platform::RenameError::None);
            journal->stepDone(s);
        }
    }

    renamer::RecoveryOutcome recover(RecoveryWay way)
    {
        FoundJournals found = renamer::findJournals(stateFolderText());
        EXPECT_EQ(found.unfinished.size(), 1u);
        if (found.unfinished.empty())
            return {};
        return renamer::recoverJournal(found.unfinished.front(), way,
                                       [](const std::u16string &from, const std::u16string &to) {
                                           return platform::renameNoReplace(from, to);
                                       });
    }
};

} // namespace

// Names may hold line ends, blanks, quotes and any character at all; a journal held by a
// living run is never offered.
TEST(Journal, KeepsEveryNameExactlyAndIsOfferedOnlyOnceItsRunIsGone)
{
    DiskList d;
    std::vector<std::u16string> names = {u"line\nend", u"100% \"quoted\"", u"日本語～①.txt", u"tab\there", u"😀"};
    if (testsupport::namesAreBytes())
        names.push_back(platform::codepage::nameFromBytes("a\xFF\xFE"));
    renamer::RenamePlan plan;
    for (std::size_t k = 0; k < names.size(); ++k)
        plan.steps.push_back({static_cast<int>(k), renamer::StepKind::Direct, names[k], names[(k + 1) % names.size()]});
    auto journal = RunJournal::begin(d.stateFolderText(), d.folderText(), plan, true);
    ASSERT_TRUE(journal);
    EXPECT_TRUE(renamer::findJournals(d.stateFolderText()).unfinished.empty());
    journal.reset();
    FoundJournals found = renamer::findJournals(d.stateFolderText());
    ASSERT_EQ(found.unfinished.size(), 1u);
    const renamer::JournalRecord &record = found.unfinished.front().record;
    EXPECT_EQ(record.folder, d.folderText());
    ASSERT_EQ(record.steps.size(), names.size());
    for (std::size_t k = 0; k < names.size(); ++k) {
        EXPECT_EQ(record.steps[k].from, names[k]);
        EXPECT_EQ(record.steps[k].to, names[(k + 1) % names.size()]);
    }
    // While one copy of the program holds it, another is not offered it either.
    EXPECT_TRUE(renamer::findJournals(d.stateFolderText()).unfinished.empty());
}

// A run that finishes keeps its journal, locked while it can be undone here and then as
// the one last finished run; an undo, or a roll-back that put everything back, leaves
// nothing behind.
TEST(Journal, OfARunLastsAsLongAsTheRunCanBeUndone)
{
    DiskList d;
    d.core.RenMethod = renamer::Method::AddAtEnd;
    d.createAndDrop({u"a.txt", u"b.txt"});
    d.core.runRename();
    EXPECT_EQ(journalCount(d), 1u);
    EXPECT_FALSE(renamer::findJournals(d.stateFolderText()).lastFinished);
    d.core.runUndo();
    EXPECT_EQ(journalCount(d), 0u);

    d.core.runRename();
    d.createAndDrop({u"c.txt"});
    EXPECT_TRUE(renamer::findJournals(d.stateFolderText()).lastFinished);
    d.core.runRename();
    d.createAndDrop({u"e.txt"});
    EXPECT_EQ(journalCount(d), 1u) << "only the last finished run is kept";

    d.interceptCall(2, [&d] { d.create({u"f-.txt"}); });
    d.createAndDrop({u"e.txt", u"f.txt"});
    d.core.runRename();
    EXPECT_EQ(d.core.RenState, RenameState::NeedList);
    EXPECT_EQ(journalCount(d), 1u) << "a run rolled back whole leaves no journal";
}

// The journal cannot be written: nothing is renamed, and the user is told.
TEST(Journal, ThatCannotBeWrittenStopsTheRunBeforeAnythingChanges)
{
    DiskList d;
    d.core.setJournalFolder(d.folderText() + u"missing" + static_cast<char16_t>(fs::path::preferred_separator));
    d.core.RenMethod = renamer::Method::AddAtEnd;
    d.createAndDrop({u"a.txt"});
    const FolderContents before = d.contents();
    d.core.runRename();
    EXPECT_EQ(headlines(d.messages), (Names{renamer::Messages::CannotRename}));
    EXPECT_EQ(d.contents(), before);
    EXPECT_EQ(d.core.RenState, RenameState::CanRename);
}

TEST(Recovery, FromEveryStepEitherWay)
{
    for (std::size_t done = 0; done <= 5; ++done) {
        for (const RecoveryWay way : {RecoveryWay::PutBack, RecoveryWay::Finish}) {
            SCOPED_TRACE(std::to_string(done) + (way == RecoveryWay::PutBack ? " done, put back" : " done, finished"));
            CutShort run(done);
            ASSERT_EQ(run.plan.steps.size(), 5u);
            const renamer::RecoveryOutcome outcome = run.recover(way);
            EXPECT_TRUE(outcome.leftAlone.empty());
            EXPECT_EQ(run.contents(), way == RecoveryWay::PutBack ? run.before : run.after);
            const FoundJournals left = renamer::findJournals(run.stateFolderText());
            EXPECT_TRUE(left.unfinished.empty());
            EXPECT_EQ(left.lastFinished.has_value(), way == RecoveryWay::Finish);
        }
    }
}

// A file written to after the crash is no longer the file the run meant: it stays where
// it is and is named; every other file is recovered, and the journal stays to be offered
// again.
TEST(Recovery, LeavesAFileThatChangedSinceAloneAndNamesIt)
{
    for (const RecoveryWay way : {RecoveryWay::PutBack, RecoveryWay::Finish}) {
        CutShort run(1);  // the swap's first step parked a.txt
        const std::u16string parked = run.plan.steps.front().to;
        testsupport::writeFile(run.pathOf(parked), "edited meanwhile");
        const renamer::RecoveryOutcome outcome = run.recover(way);
        ASSERT_EQ(outcome.leftAlone.size(), 1u);
        EXPECT_EQ(outcome.leftAlone.front().presentName, u"");
        EXPECT_EQ(outcome.leftAlone.front().ownName, way == RecoveryWay::PutBack ? u"a.txt" : u"b.txt");
        FolderContents expected = way == RecoveryWay::PutBack ? run.before : run.after;
        expected.erase(u"a.txt");
        expected.erase(u"b.txt");
        expected[way == RecoveryWay::PutBack ? u"b.txt" : u"a.txt"] = run.before.at(u"b.txt");
        expected[parked] = std::hash<std::string>{}("edited meanwhile");
        EXPECT_EQ(run.contents(), expected);
        EXPECT_EQ(renamer::findJournals(run.stateFolderText()).unfinished.size(), 1u);
    }
}

// The fallback's empty reservation goes with the recovery; anything else under the name
// (another program's file that replaced it) stays.
TEST(Recovery, RemovesAReservationOnlyWhileItIsTheEmptyFileMade)
{
    for (const bool replaced : {false, true}) {
        SCOPED_TRACE(replaced ? "replaced" : "as made");
        CutShort run(0);
        // The journal of the run, the reservation of its first step's new name, the crash.
        FoundJournals found = renamer::findJournals(run.stateFolderText());
        ASSERT_EQ(found.unfinished.size(), 1u);
        found.unfinished.clear();
        DiskList &d = run;
        const std::u16string reserved = run.plan.steps.front().to;
        testsupport::writeFile(d.pathOf(reserved), "");
        {
            auto again = renamer::findJournals(run.stateFolderText());
            auto file = std::move(again.unfinished.front().file);
            const auto stamp = platform::fileStamp(d.pathText(reserved), false);
            ASSERT_TRUE(stamp);
            file->append("reserved 0 " + std::to_string(stamp->size) + ' ' + std::to_string(stamp->modified) + ' '
                         + std::to_string(stamp->headHash) + " 0 0 \"" + std::string(reserved.begin(), reserved.end())
                         + "\"\n");
        }
        if (replaced)
            testsupport::writeFile(d.pathOf(reserved), "another program's");
        const renamer::RecoveryOutcome outcome = run.recover(RecoveryWay::Finish);
        if (replaced) {
            // The exchange cannot start without the name; the chain still goes through.
            EXPECT_EQ(outcome.leftAlone.size(), 2u);
            const FolderContents after = run.contents();
            EXPECT_EQ(after.at(reserved), std::hash<std::string>{}("another program's"));
            EXPECT_EQ(after.at(u"a.txt"), run.before.at(u"a.txt"));
            EXPECT_EQ(after.at(u"b.txt"), run.before.at(u"b.txt"));
            EXPECT_EQ(after.at(u"f0"), run.before.at(u"f1"));
        } else {
            EXPECT_TRUE(outcome.leftAlone.empty());
            EXPECT_EQ(run.contents(), run.after);
        }
    }
}

// A journal that never got its whole plan written stands for a run that touched nothing.
TEST(Recovery, RemovesAJournalThatNeverGotItsWholePlanWithoutAsking)
{
    DiskList d;
    testsupport::writeFile(d.state.path() / "run-00000000000000000001-1.journal",
                           "sorvena-journal 1\nfolder \"/x/\"\nstep 0 D \"a\" \"b\"\n");
    const FoundJournals found = renamer::findJournals(d.stateFolderText());
    EXPECT_TRUE(found.unfinished.empty());
    EXPECT_EQ(journalCount(d), 0u);
}

// At start-up every unfinished run is put to the user; "later" leaves all as it is, and
// the answer given is carried out and reported.
TEST(Offer, DoesWhatTheUserAnswersAndNothingWithoutAnAnswer)
{
    using renamer::RecoveryAnswer;
    const struct {
        RecoveryAnswer answer;
        bool undoing;
        bool toBefore;  // nothing: left as it is
    } cases[] = {
        {RecoveryAnswer::PutBack, false, true},
        {RecoveryAnswer::Finish, false, false},
        {RecoveryAnswer::PutBack, true, false},
        {RecoveryAnswer::Finish, true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.answer)) + (c.undoing ? " undoing" : " running"));
        CutShort run(2);
        if (c.undoing) {
            auto found = renamer::findJournals(run.stateFolderText());
            ASSERT_EQ(found.unfinished.size(), 1u);
            found.unfinished.front().file->append("finished\nreopened\n");
        }
        const FolderContents midway = run.contents();
        Names questions, told;
        const auto ask = [&questions](RecoveryAnswer answer) {
            return [&questions, answer](const std::u16string &question) {
                questions.push_back(question);
                return answer;
            };
        };
        const auto tell = [&told](const std::u16string &text) { told.push_back(text); };
        const auto rename = [](const std::u16string &from, const std::u16string &to) {
            return platform::renameNoReplace(from, to);
        };
        renamer::offerUnfinishedRuns(run.stateFolderText(), ask(RecoveryAnswer::Later), tell, rename);
        ASSERT_EQ(questions.size(), 1u);
        EXPECT_NE(questions[0].find(run.folderText()), std::u16string::npos);
        EXPECT_NE(questions[0].find(u"5 段階のうち 2 段階"), std::u16string::npos);
        EXPECT_TRUE(told.empty());
        EXPECT_EQ(run.contents(), midway);
        renamer::offerUnfinishedRuns(run.stateFolderText(), ask(c.answer), tell, rename);
        EXPECT_EQ(run.contents(), c.toBefore ? run.before : run.after);
        EXPECT_EQ(told, (Names{renamer::RunMessages::recovered(run.folderText(), c.toBefore, {})}));
        renamer::offerUnfinishedRuns(run.stateFolderText(), ask(c.answer), tell, rename);
        EXPECT_EQ(questions.size(), 2u) << "a recovered run is not offered again";
    }
}

// After a restart the last finished run can still be undone, file by file as long as
// each is the file the run renamed.
TEST(Offer, OfTheLastFinishedRunUndoesItWhileNoFilesAreListed)
{
    DiskList earlier;
    earlier.core.RenMethod = renamer::Method::AddAtEnd;
    earlier.createAndDrop({u"a.txt", u"b.txt", u"c.txt"});
    const FolderContents before = earlier.contents();
    earlier.core.runRename();
    ASSERT_EQ(earlier.core.RenState, RenameState::CanUndo);
    EXPECT_FALSE(earlier.core.lastRunCanBeUndone()) << "not while this run is under way";
    testsupport::writeFile(earlier.pathOf(u"b-.txt"), "edited since");

    renametest::Recorder later;  // the next start, with the same state folder
    later.core.setJournalFolder(earlier.stateFolderText());
    earlier.dropNames({});  // the earlier start lets go of its journal
    EXPECT_TRUE(later.core.lastRunCanBeUndone());
    later.dropNames({u"x.txt"});
    EXPECT_FALSE(later.core.lastRunCanBeUndone()) << "only while no files are listed";
    later.dropNames({});
    ASSERT_EQ(later.core.RenState, RenameState::NoFiles);
    later.messages.clear();
    later.core.undoLastRun();
    FolderContents expected = before;
    expected.erase(u"b.txt");
    expected[u"b-.txt"] = std::hash<std::string>{}("edited since");
    EXPECT_EQ(earlier.contents(), expected);
    EXPECT_EQ(later.messages,
              (Names{renamer::RunMessages::recovered(earlier.folderText(), true, {{u"", u"b.txt"}})}));
    EXPECT_EQ(later.core.RenState, RenameState::NoFiles);
}
