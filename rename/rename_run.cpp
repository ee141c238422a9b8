// The runs that act on the disk: the rename run with its roll-back, and the undo run.
#include "platform/codepage.h"
#include "rename/name_rules.h"
#include "rename/rename_core.h"

#include <algorithm>

namespace renamer {

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

RenamePlan FormRenameCore::planRun() const
{
    std::vector<bool> moves(RenMark.size());
    for (std::size_t k = 0; k < RenMark.size(); ++k)
        moves[k] = RenMark[k] == Mark::ToRename;
    return planRenames(RenOldName, RenNewName, moves, platform::folderIgnoresCase(RenDrive + RenFolder),
                       platform::nameIsTaken);
}

void FormRenameCore::refuse(int entry)
{
    const std::size_t k = static_cast<std::size_t>(entry);
    m_message(Messages::CannotRenameFrom + platform::codepage::readableName(RenOldName[k])
              + Messages::CannotRenameTo + platform::codepage::readableName(RenNewName[k]));
}

void FormRenameCore::runRename()
{
    if (!startRun(RenameState::CanRename))
        return;
    m_lastRun = planRun();
    if (m_lastRun.conflict >= 0) {
        refuse(m_lastRun.conflict);
        RenState = RenameState::NeedList;
        return;
    }
    const std::vector<RenameStep> &steps = m_lastRun.steps;
    for (std::size_t s = 0; s < steps.size(); ++s) {
        if (m_rename(steps[s].from, steps[s].to) != platform::RenameError::None) {
            refuse(steps[s].entry);
            const std::vector<RenameStep> done(steps.begin(), steps.begin() + static_cast<long>(s));
            RenState = walkBack(done, m_lastRun.temporary) ? RenameState::NeedList
                                                           : RenameState::MustQuit;
            return;
        }
        if (steps[s].kind != StepKind::Park)
            RenMark[static_cast<std::size_t>(steps[s].entry)] = Mark::Renamed;
    }
    if (RenMethod == Method::Sequence)
        advanceSequenceNumber();
    RenState = RenameState::CanUndo;
}

// Undoes the steps done, the last first, so that each name is free again when its turn
// comes. A file whose way back fails keeps the name it has, and its earlier steps are
// left alone; the others still go back. A file left under the temporary name is named, so
// the user can find it.
bool FormRenameCore::walkBack(const std::vector<RenameStep> &done, const std::u16string &temporary)
{
    std::vector<bool> stuck(RenMark.size(), false);
    std::u16string stranded;
    for (auto step = done.rbegin(); step != done.rend(); ++step) {
        const std::size_t k = static_cast<std::size_t>(step->entry);
        if (stuck[k])
            continue;
        const std::u16string &from = step->kind == StepKind::Unpark ? temporary : step->from;
        const std::u16string &to = step->kind == StepKind::Park ? temporary : step->to;
        if (m_rename(to, from) != platform::RenameError::None) {
            stuck[k] = true;
            if (step->kind == StepKind::Park)
                stranded = Messages::CannotRenameFrom + temporary + Messages::CannotRenameTo
                           + platform::codepage::readableName(RenOldName[k]);
            continue;
        }
        if (step->kind != StepKind::Unpark)
            RenMark[k] = Mark::ToRename;
    }
    if (std::find(stuck.begin(), stuck.end(), true) == stuck.end())
        return true;
    if (!stranded.empty())
        m_message(stranded);
    // The disk no longer matches the list; offering the list again would pretend it does.
    m_message(Messages::CannotRename);
    return false;
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
    // The run's temporary name was free then; another program may have taken it since.
    std::u16string temporary = m_lastRun.temporary;
    if (!temporary.empty() && platform::nameIsTaken(temporary))
        temporary = freeTemporaryName([this](const std::u16string &name) {
            return platform::nameIsTaken(name)
                   || std::find(RenOldName.begin(), RenOldName.end(), name) != RenOldName.end();
        });
    if (!walkBack(m_lastRun.steps, temporary)) {
        RenState = RenameState::MustQuit;
        return;
    }
    if (RenMethod == Method::Sequence)
        RenNumText = RenNumBack;
    RenState = RenameState::CanRename;
}

} // namespace renamer
