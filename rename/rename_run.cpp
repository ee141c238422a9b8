// The runs that act on the disk: the rename run with its roll-back, and the undo run.
#include "platform/codepage.h"
#include "rename/name_rules.h"
#include "rename/rename_core.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace renamer {

namespace {

// Characters that would make a name reach outside the list's folder (or, for NUL, cut
// it short on the way to the system). Windows also reads '/' and a drive colon as
// separators.
constexpr std::u16string_view PosixSeparators{u"/\0", 2};
constexpr std::u16string_view DriveLetterSeparators{u"\\/:\0", 4};

// Names that are no file of the folder but the folder itself or its parent.
constexpr std::array<std::u16string_view, 3> FolderNames = {u"", u".", u".."};

bool isNameInFolder(std::u16string_view name)
{
    if (std::find(FolderNames.begin(), FolderNames.end(), name) != FolderNames.end())
        return false;
    const std::u16string_view separators =
        platform::usesDriveLetters() ? DriveLetterSeparators : PosixSeparators;
    return name.find_first_of(separators) == std::u16string_view::npos;
}

} // namespace

// A run starts only in its own state, and only once the list's folder is current: the
// names are bare names in that folder. A folder that cannot be made current leaves the
// disk in an unknown relation to the list.
bool FormRenameCore::startRun(RenameState required)
{
    if (RenState != required || RenCount < 1)
        return false;
    if (!makeListFolderCurrent()) {
        RenState = RenameState::MustQuit;
        return false;
    }
    return true;
}

bool FormRenameCore::makeListFolderCurrent()
{
    if (!platform::setCurrentDrive(RenDrive)) {
        m_message(Messages::CannotChangeDrive);
        return false;
    }
    if (!platform::setCurrentFolder(RenFolder)) {
        m_message(Messages::CannotChangeFolder);
        return false;
    }
    return true;
}

// Renames entry `index` forward (old name to new) or back. A name that would move the
// file out of its folder fails like a refused rename, so the caller's failure handling
// covers it.
bool FormRenameCore::renameEntry(int index, bool back)
{
    const std::size_t k = static_cast<std::size_t>(index);
    const std::u16string &from = back ? RenNewName[k] : RenOldName[k];
    const std::u16string &to = back ? RenOldName[k] : RenNewName[k];
    if (!isNameInFolder(from) || !isNameInFolder(to))
        return false;
    return m_rename(from, to) == platform::RenameError::None;
}

void FormRenameCore::runRename()
{
    if (!startRun(RenameState::CanRename))
        return;
    for (int i = 0; i < RenCount; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        if (RenMark[k] != Mark::ToRename)
            continue;
        if (!renameEntry(i, false)) {
            rollBack(i);
            return;
        }
        RenMark[k] = Mark::Renamed;
    }
    if (RenMethod == Method::Sequence)
        advanceSequenceNumber();
    RenState = RenameState::CanUndo;
}

void FormRenameCore::rollBack(int failed)
{
    const std::size_t f = static_cast<std::size_t>(failed);
    m_message(Messages::CannotRenameFrom + platform::codepage::readableName(RenOldName[f])
              + Messages::CannotRenameTo + platform::codepage::readableName(RenNewName[f]));
    bool allBack = true;
    for (int j = 0; j < failed; ++j) {
        const std::size_t k = static_cast<std::size_t>(j);
        if (RenMark[k] != Mark::Renamed)
            continue;
        // A file that cannot be renamed back keeps its mark: it still carries its new name.
        if (renameEntry(j, true))
            RenMark[k] = Mark::ToRename;
        else
            allBack = false;
    }
    if (!allBack) {
        // The disk no longer matches the list; offering the list again would pretend it does.
        m_message(Messages::CannotRename);
        RenState = RenameState::MustQuit;
        return;
    }
    RenState = RenameState::NeedList;
}

// Every listed file took one number, so the next batch continues after the last one.
// A sum past the counter's range keeps the old text.
void FormRenameCore::advanceSequenceNumber()
{
    RenNumBack = RenNumText;
    const int next = RenNumStart + RenCount;
    if (next <= MaxSequenceNumber)
        RenNumText = sequenceNumber(next, static_cast<int>(RenNumFormat.size()));
}

void FormRenameCore::runUndo()
{
    if (!startRun(RenameState::CanUndo))
        return;
    for (int i = 0; i < RenCount; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        if (RenMark[k] != Mark::Renamed)
            continue;
        if (!renameEntry(i, true)) {
            // No roll-back of an undo: the files before this one already have their old
            // names back, this one and those after it keep their new names.
            m_message(Messages::CannotRename);
            RenState = RenameState::MustQuit;
            return;
        }
        RenMark[k] = Mark::ToRename;
    }
    if (RenMethod == Method::Sequence)
        RenNumText = RenNumBack;
    RenState = RenameState::CanRename;
}

} // namespace renamer
