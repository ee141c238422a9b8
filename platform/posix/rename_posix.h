// The pieces of renameNoReplace on POSIX, apart so that each path through it can be
// exercised on any file system: the fallback for file systems without RENAME_NOREPLACE
// and the detour for a change of letter case on a case-insensitive one.
#pragma once

#include "platform/platform.h"

#include <functional>
#include <string>

namespace platform::posix {

RenameError renameErrorFromErrno(int error);

// renameat2 with RENAME_NOREPLACE; where the file system lacks it, renameByLink, and
// where it has no hard links either (exFAT through FUSE, NTFS-3G, many network file
// systems), renameByReservation.
RenameError renameNoReplaceOrLink(const std::string &from, const std::string &to,
                                  const RenameWatch *watch = nullptr);

// The last fallback, for file systems that offer neither a no-replace rename nor hard
// links: the new name is first taken with an empty file made by an exclusive create, so
// that no other file can have it; that reservation is checked to be still the empty file
// made; then the file is renamed over it with a plain rename. It never replaces a file
// it did not create, with one exception that no call on such a file system rules out:
// another program that replaces the reservation between the check and the rename loses
// its file to the rename. `watch` hears of the reservation (the journal records it, so a
// crash never leaves it unexplained) and of the check.
RenameError renameByReservation(const std::string &from, const std::string &to,
                                const RenameWatch *watch = nullptr);

// The fallback on its own: a hard link under the new name, then the old name taken away.
// Never replaces; a file system without hard links gives Other. Should another program
// save over the old name between the two steps, its file is put back under the old name,
// the new link removed, and the rename refused (ChangedMeanwhile). `betweenSteps` runs
// right after the link; tests put such a save there.
RenameError renameByLink(const std::string &from, const std::string &to,
                         const std::function<void()> &betweenSteps = {});

// True when the two names are the same apart from letter case (and not identical).
bool namesDifferOnlyInCase(const std::string &a, const std::string &b);

// True when `to` reaches a file, yet the folder holds no entry spelled exactly like
// `to`, and the only entry whose name matches it regardless of case is `from`: the file
// system has matched the name regardless of case, and found `from`. Told from the
// folder's entries, not from file numbers, which some file systems give each spelling.
bool isSameFileUnderOtherSpelling(const std::string &from, const std::string &to);

// What the rename logic needs from the system; tests put a model in its place.
struct RenameSystem {
    std::function<RenameError(const std::string &from, const std::string &to)> renameNoReplace;
    std::function<bool(const std::string &from, const std::string &to)> isSameFileUnderOtherSpelling;
    // Told the temporary name before a change of letter case moves the file there.
    std::function<void(const std::string &temporary)> beforeDetour = {};
};

RenameSystem realRenameSystem(const RenameWatch *watch = nullptr);

// The whole rule on the bytes of names: a name renamed to itself is refused untouched; a
// case-only change that is refused only because both names reach one file goes through a
// temporary name in the target's folder, and is undone if its second step fails. Should
// the way back fail too, even when tried again, the file stays under the temporary name:
// the result is LeftUnderTemporaryName and `temporaryName` receives that name.
RenameError renameNoReplaceWith(const std::string &from, const std::string &to,
                                const RenameSystem &system, std::string *temporaryName = nullptr);

} // namespace platform::posix
