// The pieces of renameNoReplace on POSIX, apart so that each path through it can be
// exercised on any file system: the fallback for file systems without RENAME_NOREPLACE
// and the detour for a change of letter case on a case-insensitive one.
#pragma once

#include "platform/platform.h"

#include <functional>
#include <string>

namespace platform::posix {

RenameError renameErrorFromErrno(int error);

// renameat2 with RENAME_NOREPLACE; where the file system lacks it, renameByLink.
RenameError renameNoReplaceOrLink(const std::string &from, const std::string &to);

// The fallback on its own: a hard link under the new name, then the old name taken away.
// Never replaces; a file system without hard links gives Other. Should another program
// save over the old name between the two steps, its file is put back under the old name,
// the new link removed, and the rename refused (ChangedMeanwhile). `betweenSteps` runs
// right after the link; tests put such a save there.
RenameError renameByLink(const std::string &from, const std::string &to,
                         const std::function<void()> &betweenSteps = {});

// True when the two names are the same apart from letter case (and not identical).
bool namesDifferOnlyInCase(const std::string &a, const std::string &b);

// True when `to` reaches the very file `from` names, yet the folder holds no entry
// spelled exactly like `to`: the file system has matched the name regardless of case.
bool isSameFileUnderOtherSpelling(const std::string &from, const std::string &to);

// What the rename logic needs from the system; tests put a model in its place.
struct RenameSystem {
    std::function<RenameError(const std::string &from, const std::string &to)> renameNoReplace;
    std::function<bool(const std::string &from, const std::string &to)> isSameFileUnderOtherSpelling;
};

RenameSystem realRenameSystem();

// The whole rule on the bytes of names: a name renamed to itself is refused untouched; a
// case-only change that is refused only because both names reach one file goes through a
// temporary name in the target's folder, and is undone if its second step fails. Should
// the way back fail too, even when tried again, the file stays under the temporary name:
// the result is LeftUnderTemporaryName and `temporaryName` receives that name.
RenameError renameNoReplaceWith(const std::string &from, const std::string &to,
                                const RenameSystem &system, std::string *temporaryName = nullptr);

} // namespace platform::posix
