// Every text the rename and undo runs show, built in one place. Each message opens with
// the run's short English line as the window has always shown it; where the user needs
// to know why, or which files, Japanese lines follow it.
#pragma once

#include "platform/platform.h"

#include <string>
#include <vector>

namespace renamer {

// Why a planned run was refused before anything on disk changed.
enum class PlanConflict {
    None,
    NameLeavesFolder,  // a name reaches another folder, or names the folder itself
    SameNewName,       // two files were proposed one new name
    ListedTwice,       // one file is in the list more than once
    NameTaken,         // a file that is not being renamed away has the new name
    NameTooLong,       // the file system cannot hold a name that long
    NoTemporaryName,   // an exchange of names found no free name to park a file under
};

// A file that a failed undo or roll-back left under a name other than its own.
struct StrandedFile {
    std::u16string presentName;
    std::u16string ownName;
};

namespace RunMessages {

// "Cannot Rename " + old + " ---> " + new, and the reason on a line of its own.
std::u16string cannotRename(const std::u16string &oldName, const std::u16string &newName,
                            platform::RenameError cause);
std::u16string cannotPlan(const std::u16string &oldName, const std::u16string &newName,
                          PlanConflict conflict);

// The first step of an exchange, moving a file aside under the temporary name, failed.
std::u16string cannotPark(const std::u16string &oldName, const std::u16string &newName,
                          const std::u16string &temporary, platform::RenameError cause);

// "Cannot Rename", followed by every file that did not get its own name back.
std::u16string cannotRenameBack(const std::vector<StrandedFile> &stranded);

// The list's folder could not be made current before anything was renamed. Before a
// rename run the list is refused, and the user is told to drop the files again.
std::u16string cannotChangeFolder(const std::u16string &folder, bool listRefused);

// The Japanese line under "Cannot Change Drive": which drive, and that nothing changed.
std::u16string driveCause(const std::u16string &drive, bool listRefused);

// The Japanese line under the name a file was left under: it could be neither renamed
// nor put back.
std::u16string strandedCause();

// The journal that makes the run recoverable could not be written; nothing was renamed.
std::u16string cannotKeepJournal(const std::u16string &journalFolder);

// The start-up question about a run that did not end, and its three answers in order:
// put everything back, finish the run, ask again next time.
std::u16string unfinishedRunQuestion(const std::u16string &folder, int stepsDone, int stepsInAll, bool undoing);
inline constexpr char16_t PutBackAnswer[] = u"元に戻す";
inline constexpr char16_t FinishAnswer[] = u"最後まで実行";
inline constexpr char16_t LaterAnswer[] = u"後で";

// What a recovery did: every file under the names asked for, or the files left alone.
std::u16string recovered(const std::u16string &folder, bool toNamesBeforeTheRun,
                         const std::vector<StrandedFile> &leftAlone);

// The action that undoes the last finished run of an earlier start.
inline constexpr char16_t UndoLastRunAction[] = u"前回のリネームを取り消す";

// What a cause is, in one Japanese line.
std::u16string causeOf(platform::RenameError cause);
std::u16string causeOf(PlanConflict conflict);

} // namespace RunMessages

} // namespace renamer
