// A run killed at any moment: a child process runs the rename (and its undo) and is
// killed with SIGKILL at one point after another; this process then finds the journal
// the child left, recovers it one way or the other, and checks every file's name and
// content against the folder before the run or after it.
#include "platform/codepage.h"
#include "platform/posix/rename_posix.h"
#include "rename/rename_core.h"
#include "rename/run_journal.h"
#include "rename_support.h"
#include "support/exfat_mount.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

using namespace renametest;
using platform::RenameError;
using renamer::RecoveryWay;
namespace fs = std::filesystem;

namespace {

struct KillCase {
    const char *name;
    std::vector<std::pair<std::u16string, std::u16string>> renames;
    int steps;  // renames on disk: one per file, and one more per exchange
};

const KillCase KillCases[] = {
    {"swap", {{u"a.txt", u"b.txt"}, {u"b.txt", u"a.txt"}}, 3},
    {"three-cycle", {{u"a.txt", u"b.txt"}, {u"b.txt", u"c.txt"}, {u"c.txt", u"a.txt"}}, 4},
    {"chain", {{u"f1", u"f0"}, {u"f2", u"f1"}, {u"f3", u"f2"}}, 3},
    {"independent", {{u"p.jpg", u"p.png"}, {u"q.dat", u"q.gif"}, {u"r", u"r.txt"}}, 3},
};

// Where the child may be killed: after a rename reached the disk, or, in the fallback of
// file systems without a no-replace rename, after the reservation and after its check.
enum class Points { Renames, FallbackSubSteps };

// The fallback forced on every rename, as on exFAT through FUSE.
RenameError renameThroughFallback(const std::u16string &from, const std::u16string &to, std::u16string *,
                                  const platform::RenameWatch *watch)
{
    const auto fromBytes = platform::codepage::nameToBytes(from);
    const auto toBytes = platform::codepage::nameToBytes(to);
    const platform::posix::RenameSystem fallback{
        [watch](const std::string &f, const std::string &t) { return platform::posix::renameByReservation(f, t, watch); },
        platform::posix::isSameFileUnderOtherSpelling,
        [watch](const std::string &temporary) { watch->detour(platform::codepage::nameFromBytes(temporary)); }};
    return platform::posix::renameNoReplaceWith(*fromBytes, *toBytes, fallback);
}

struct KilledRun : DiskList {
    FolderContents before;
    FolderContents after;

    // Files in the list's usual folder, or in a folder of their own elsewhere (on an
    // exFAT stick); the journal stays in the test's state folder.
    explicit KilledRun(const KillCase &c, const fs::path &elsewhere = {})
    {
        if (!elsewhere.empty()) {
            folder = elsewhere / "list";
            fs::remove_all(folder);
            fs::create_directory(folder);
        }
        core.RenMethod = renamer::Method::UpperCase;
        Names olds;
        for (const auto &rename : c.renames)
            olds.push_back(rename.first);
        createAndDrop(olds);
        before = contents();
        for (std::size_t k = 0; k < c.renames.size(); ++k) {
            core.RenNewName[k] = c.renames[k].second;
            core.RenMark[k] = Mark::ToRename;
            after[c.renames[k].second] = before.at(c.renames[k].first);
        }
    }

    // Runs the rename, and then its undo when `inUndo`, in a child that kills itself at
    // kill point `k` of the rename, or of the undo. False when the child ended without
    // reaching point k.
    bool killedAt(int k, bool inUndo, Points points, bool forceFallback = true)
    {
        bool armed = !inUndo;
        int reached = 0;
        const auto point = [&armed, &reached, k] {
            if (armed && ++reached == k)
                ::raise(SIGKILL);
        };
        core.setRenameFunction([this, point, points](const std::u16string &from, const std::u16string &to) {
            const RenameError result = core.renameOnDisk(from, to);
            if (points == Points::Renames)
                point();
            return result;
        });
        if (points == Points::FallbackSubSteps) {
            core.setPlatformRename([point, forceFallback](const std::u16string &from, const std::u16string &to, std::u16string *temporary,
                                           const platform::RenameWatch *journal) {
                platform::RenameWatch watch;
                watch.reserved = [journal, point](const std::u16string &name, const platform::FileStamp &stamp) {
                    journal->reserved(name, stamp);
                    point();
                };
                watch.detour = journal->detour;
                watch.checked = point;
                return forceFallback ? renameThroughFallback(from, to, temporary, &watch)
                                     : platform::renameNoReplace(from, to, temporary, &watch);
            });
        }
        const pid_t child = ::fork();
        if (child == 0) {
            core.runRename();
            armed = true;
            if (inUndo)
                core.runUndo();
            for (const std::u16string &message : messages)
                std::fprintf(stderr, "%s\n", narrow(message).c_str());
            std::_Exit(core.RenState == (inUndo ? RenameState::CanRename : RenameState::CanUndo) ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        if (WIFEXITED(status)) {
            EXPECT_EQ(WEXITSTATUS(status), 0);
        }
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

    std::vector<renamer::StrandedFile> recover(RecoveryWay way)
    {
        renamer::FoundJournals found = renamer::findJournals(stateFolderText());
        if (found.unfinished.size() != 1) {
            ADD_FAILURE() << found.unfinished.size() << " unfinished journals";
            return {};
        }
        return renamer::recoverJournal(found.unfinished.front(), way, [](const std::u16string &from,
                                                                         const std::u16string &to) {
                   return platform::renameNoReplace(from, to);
               }).leftAlone;
    }
};

// A change of letter case alone, where the folder ignores case: the file goes through a
// temporary name, each of whose two steps the fallback makes with a reservation and a check.
const KillCase CaseOnly = {"letter case only", {{u"A.TXT", u"a.txt"}, {u"B.txt", u"b.TXT"}}, 4};

void killAtEveryPoint(bool inUndo, Points points, const fs::path &elsewhere = {})
{
    std::vector<KillCase> cases(std::begin(KillCases), std::end(KillCases));
    if (!elsewhere.empty())
        cases.push_back(CaseOnly);
    for (const KillCase &c : cases) {
        for (const RecoveryWay way : {RecoveryWay::PutBack, RecoveryWay::Finish}) {
            bool ranToTheEnd = false;
            int kills = 0;
            for (int k = 1; !ranToTheEnd; ++k) {
                SCOPED_TRACE(std::string(c.name) + (way == RecoveryWay::PutBack ? ", put back" : ", finished")
                             + ", killed at point " + std::to_string(k));
                KilledRun run(c, elsewhere);
                if (!run.killedAt(k, inUndo, points, elsewhere.empty())) {
                    ranToTheEnd = true;
                    continue;
                }
                ++kills;
                EXPECT_TRUE(run.recover(way).empty());
                EXPECT_EQ(run.contents(), way == RecoveryWay::PutBack ? run.before : run.after);
                EXPECT_TRUE(renamer::findJournals(run.stateFolderText()).unfinished.empty());
            }
            // Every rename is a point, or, in the fallback, its reservation and its check.
            EXPECT_EQ(kills, c.steps * (points == Points::FallbackSubSteps ? 2 : 1)) << c.name;
        }
    }
}

} // namespace

TEST(KilledRun, IsRecoveredBothWaysFromEveryStep)
{
    killAtEveryPoint(false, Points::Renames);
}

TEST(KilledRun, IsRecoveredBothWaysFromEveryStepOfItsUndo)
{
    killAtEveryPoint(true, Points::Renames);
}

TEST(KilledRun, IsRecoveredBothWaysFromInsideTheFallbacksSubSteps)
{
    killAtEveryPoint(false, Points::FallbackSubSteps);
}

// The same on a real exFAT stick, where every rename takes the fallback of its own
// accord; and the runs and undos of every kind of proposal, a change of letter case
// included, go through there whole.
TEST(KilledRun, OnExfatIsRecoveredBothWaysFromInsideTheFallbacksSubSteps)
{
    testsupport::ExfatMount stick;
    if (!stick.mounted())
        GTEST_SKIP() << stick.skipReason();
    killAtEveryPoint(false, Points::FallbackSubSteps, stick.path());
}

TEST(Fallback, OnExfatRunsAndUndoesEveryKindOfProposal)
{
    testsupport::ExfatMount stick;
    if (!stick.mounted())
        GTEST_SKIP() << stick.skipReason();
    std::vector<KillCase> cases(std::begin(KillCases), std::end(KillCases));
    cases.push_back(CaseOnly);
    for (const KillCase &c : cases) {
        SCOPED_TRACE(c.name);
        KilledRun run(c, stick.path());
        run.core.runRename();
        EXPECT_TRUE(run.messages.empty()) << narrow(run.messages.empty() ? u"" : run.messages.front());
        EXPECT_EQ(run.contents(), run.after);
        run.core.runUndo();
        EXPECT_TRUE(run.messages.empty());
        EXPECT_EQ(run.contents(), run.before);
    }
}
