// What becomes of runs that a crash, a kill or a power cut left unfinished: at start-up
// each is put to the user, who decides; nothing is done without an answer.
#pragma once

#include "rename/run_journal.h"

#include <functional>
#include <string>

namespace renamer {

enum class RecoveryAnswer { PutBack, Finish, Later };

using AskRecoveryFn = std::function<RecoveryAnswer(const std::u16string &question)>;
using TellFn = std::function<void(const std::u16string &text)>;

// Asks about every unfinished journal in the state folder that no living run holds, and
// carries out the answer: all files back under the names they had before, or on to the
// names the run was giving them; "later" keeps the journal for the next start. The user
// is told what was done and which files were left alone.
void offerUnfinishedRuns(const std::u16string &stateFolder, const AskRecoveryFn &ask, const TellFn &tell,
                         const JournalRenameFn &rename);

// The kept journal of the last finished run, put back as an undo of that run.
bool lastFinishedRunExists(const std::u16string &stateFolder);
void undoLastFinishedRun(const std::u16string &stateFolder, const TellFn &tell, const JournalRenameFn &rename);

} // namespace renamer
