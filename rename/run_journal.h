// The journal that makes a rename run, its roll-back and its undo survive a crash or a
// power cut. Before the first file is touched, the whole plan (every step, and a stamp
// of every file that moves) goes to a file of its own in the program's state folder and
// is flushed to the disk together with its folder entry. Marks of the steps done follow,
// unflushed: they may lag, and recovery reads where each file is from the disk itself,
// using the marks only to settle what the disk leaves open. The run holds its journal
// locked while it lives, so another copy of the program never offers a run under way.
#pragma once

#include "platform/state_files.h"
#include "rename/rename_plan.h"
#include "rename/run_messages.h"

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace renamer {

// What a journal holds, as read back.
struct JournalRecord {
    std::u16string folder;  // the list's drive and folder, with its closing separator
    std::vector<RenameStep> steps;
    std::map<int, std::optional<platform::FileStamp>> stamps;  // by entry; nothing: not stamped
    std::map<int, int> hints;  // by entry: how many of its steps the last mark says are done
    // Empty entries the rename fallback made to hold names: the step, the name, the stamp.
    struct Reservation {
        std::size_t step;
        std::u16string name;
        platform::FileStamp stamp;
    };
    std::vector<Reservation> reservations;
    // Temporary names a change of letter case moves a step's file to on the way.
    std::vector<std::pair<std::size_t, std::u16string>> detours;
    bool ready = false;     // the plan was written whole; without it nothing was touched
    bool finished = false;  // the run completed; kept so that it can be undone later
    bool undoing = false;   // an undo of the completed run began and did not end
};

std::optional<JournalRecord> parseJournal(std::string_view text);

// The journal of one run, held open and locked by the run.
class RunJournal {
public:
    // Writes and flushes the plan; nothing when the state folder cannot take it.
    static std::unique_ptr<RunJournal> begin(const std::u16string &stateFolder, const std::u16string &listFolder,
                                             const RenamePlan &plan, bool withFileNumbers);

    void stepDone(std::size_t step);
    void stepUndone(std::size_t step);
    // The rename fallback holds a name with an empty file of its own for a step.
    void reserved(std::size_t step, const std::u16string &name, const platform::FileStamp &stamp);
    // A change of letter case is about to move the step's file to a temporary name.
    void detour(std::size_t step, const std::u16string &temporary);
    // The undo parks the file of an exchange under another free name than the run did.
    void useTemporary(const std::u16string &temporary);

    // The run completed: the journal stays, flushed, as the last finished run, and older
    // finished journals go.
    bool finish();
    // An undo of the run begins: the journal counts as unfinished again until it ends.
    bool reopen();
    // Nothing is left to recover or undo.
    void discard();

    const std::u16string &path() const;

    ~RunJournal();
    RunJournal(const RunJournal &) = delete;
    RunJournal &operator=(const RunJournal &) = delete;

private:
    explicit RunJournal(std::unique_ptr<platform::LockedFile> file);
    void mark(std::string_view word, std::size_t step);
    bool flushMarks();

    std::unique_ptr<platform::LockedFile> m_file;
    // Marks of steps not yet written: they may lag, so they go out a few thousand bytes at
    // a time rather than in a call of their own per step.
    std::string m_pending;
};

// A journal found in the state folder that no living run holds, now held by the caller.
struct FoundJournal {
    std::unique_ptr<platform::LockedFile> file;
    JournalRecord record;
};

struct FoundJournals {
    std::vector<FoundJournal> unfinished;
    std::optional<FoundJournal> lastFinished;
};

// Journals that never got past writing their plan touched nothing; they are removed.
FoundJournals findJournals(const std::u16string &stateFolder);

enum class RecoveryWay {
    PutBack,  // every file back under the name it had before the run
    Finish,   // every file on under the name the run was to give it
};

struct RecoveryOutcome {
    // Files that did not reach the names asked for: each under the name it bears now
    // (empty when it is nowhere to be found) and the name it was meant to get.
    std::vector<StrandedFile> leftAlone;
    int stepsTaken = 0;
};

using JournalRenameFn = std::function<platform::RenameError(const std::u16string &from, const std::u16string &to)>;

// How far each file of the journal has come, as read from the disk: the number of its
// steps it has taken, or nothing when none of its names holds the file that was stamped.
std::map<int, std::optional<int>> positionsOnDisk(const JournalRecord &record);

// Carries out a journal one way or the other. A file is moved only while the name it is
// taken from still holds the very file stamped before the run; any other is left alone
// and named. Leftover reservations of the fallback go first. Marks are appended as the
// steps go, so a recovery cut short can be taken up again. Renames are given full paths.
RecoveryOutcome recoverJournal(FoundJournal &journal, RecoveryWay way, const JournalRenameFn &rename);

// The number of steps the disk shows done, for telling the user how far a run came.
int stepsDoneOnDisk(const JournalRecord &record);

} // namespace renamer
