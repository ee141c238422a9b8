#include "rename/run_recovery.h"

#include "rename/run_messages.h"

namespace renamer {

namespace {

int stepsInAll(const JournalRecord &record)
{
    return static_cast<int>(record.steps.size());
}

void carryOut(FoundJournal &journal, RecoveryWay way, const TellFn &tell, const JournalRenameFn &rename)
{
    const std::u16string folder = journal.record.folder;
    const RecoveryOutcome outcome = recoverJournal(journal, way, rename);
    tell(RunMessages::recovered(folder, way == RecoveryWay::PutBack, outcome.leftAlone));
}

} // namespace

void offerUnfinishedRuns(const std::u16string &stateFolder, const AskRecoveryFn &ask, const TellFn &tell,
                         const JournalRenameFn &rename)
{
    FoundJournals found = findJournals(stateFolder);
    for (FoundJournal &journal : found.unfinished) {
        const JournalRecord &record = journal.record;
        const RecoveryAnswer answer = ask(RunMessages::unfinishedRunQuestion(
            record.folder, stepsDoneOnDisk(record), stepsInAll(record), record.undoing));
        if (answer == RecoveryAnswer::Later)
            continue;
        // An undo cut short was on its way back to the names before the run: putting it
        // back returns to the run's names, and finishing it ends at the names before.
        const bool beforeTheRun = (answer == RecoveryAnswer::PutBack) != record.undoing;
        carryOut(journal, beforeTheRun ? RecoveryWay::PutBack : RecoveryWay::Finish, tell, rename);
    }
}

bool lastFinishedRunExists(const std::u16string &stateFolder)
{
    return findJournals(stateFolder).lastFinished.has_value();
}

void undoLastFinishedRun(const std::u16string &stateFolder, const TellFn &tell, const JournalRenameFn &rename)
{
    FoundJournals found = findJournals(stateFolder);
    if (found.lastFinished)
        carryOut(*found.lastFinished, RecoveryWay::PutBack, tell, rename);
}

} // namespace renamer
