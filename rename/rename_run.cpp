// The runs that act on the disk: the rename run with its roll-back, and the undo run.
#include "rename/name_rules.h"
#include "rename/rename_core.h"
#include "rename/run_messages.h"
#include "rename/run_recovery.h"

#include <algorithm>

namespace renamer {

// A run starts only in its own state, and only once the list's folder is current: the
// names are bare names in that folder.
bool FormRenameCore::startRun(RenameState required)
{
    if (RenState != required || RenCount < 1)
        return false;
    if (makeListFolderCurrent())
        return true;
    // Nothing has been renamed. A list whose folder cannot be reached (gone, or a path no
    // folder has, such as one cut short at a stray line end in the dropped list) is
    // refused like a bad drop; there is no reason to end the program. An undo that cannot
    // reach the folder leaves the files under their new names, so the disk no longer
    // matches what the window could offer.
    if (required == RenameState::CanRename)
        refuseList();
    else
        RenState = RenameState::MustQuit;
    return false;
}

bool FormRenameCore::makeListFolderCurrent()
{
    if (!platform::setCurrentDrive(RenDrive)) {
        m_message(Messages::CannotChangeDrive + RunMessages::driveCause(RenDrive, RenState == RenameState::CanRename));
        return false;
    }
    if (!platform::setCurrentFolder(RenFolder)) {
        m_message(RunMessages::cannotChangeFolder(RenDrive + RenFolder, RenState == RenameState::CanRename));
        return false;
    }
    return true;
}

void FormRenameCore::refuseList()
{
    RenState = RenameState::NoFiles;
    RenCount = 0;
    for (auto *names : {&RenOldName, &RenBase, &RenExt, &RenNewName})
        names->clear();
    RenMark.clear();
    RenKept.clear();
    RenBlock.clear();
    m_lastRun = {};
}

RenamePlan FormRenameCore::planRun() const
{
    std::vector<bool> moving(RenMark.size());
    for (std::size_t k = 0; k < RenMark.size(); ++k)
        moving[k] = moves(k);
    return planRenames(RenOldName, RenNewName, moving, platform::folderIgnoresCase(RenDrive + RenFolder),
                       platform::nameIsTaken);
}

void FormRenameCore::reportFailedStep(const RenameStep &step, platform::RenameError cause)
{
    const std::size_t k = static_cast<std::size_t>(step.entry);
    if (step.kind == StepKind::Park)
        m_message(RunMessages::cannotPark(RenOldName[k], RenNewName[k], step.to, cause));
    else
        m_message(RunMessages::cannotRename(RenOldName[k], RenNewName[k], cause));
}

std::u16string FormRenameCore::journalFolder() const
{
    return m_journalFolder ? *m_journalFolder : platform::stateFolder();
}

// Written and flushed before the first step: whatever happens to the program or the
// machine from here on, the next start finds what was meant and what was done. A run
// that moves nothing needs none.
bool FormRenameCore::beginJournal()
{
    m_journal.reset();
    if (m_lastRun.steps.empty())
        return true;
    const std::u16string folder = RenDrive + RenFolder;
    m_journal = RunJournal::begin(journalFolder(), folder, m_lastRun, platform::folderKeepsFileNumbers(folder));
    return m_journal != nullptr;
}

// The rows with a "×", named after a run, so that nobody takes them for renamed.
std::u16string FormRenameCore::notRenamedMessage() const
{
    std::vector<std::u16string> names;
    for (std::size_t k = 0; k < RenBlock.size(); ++k) {
        if (RenBlock[k] != RowBlock::None && !RenKept[k])
            names.push_back(RenOldName[k]);
    }
    if (names.empty())
        return {};
    const std::string digits = std::to_string(names.size());
    return NotRenamedHeading + std::u16string(digits.begin(), digits.end()) + NotRenamedCount + namesOneALine(names);
}

void FormRenameCore::runRename()
{
    // Nothing to rename, nothing to undo: the button is not offered then.
    if (RenState == RenameState::CanRename && !willRenameAny())
        return;
    if (!startRun(RenameState::CanRename))
        return;
    m_lastRun = planRun();
    if (m_lastRun.conflict >= 0) {
        const std::size_t k = static_cast<std::size_t>(m_lastRun.conflict);
        m_message(RunMessages::cannotPlan(RenOldName[k], RenNewName[k], m_lastRun.conflictKind));
        RenState = RenameState::NeedList;
        return;
    }
    if (!beginJournal()) {
        m_message(RunMessages::cannotKeepJournal(journalFolder()));
        return;
    }
    const std::vector<RenameStep> &steps = m_lastRun.steps;
    for (std::size_t s = 0; s < steps.size(); ++s) {
        m_currentStep = s;
        const platform::RenameError error = m_rename(steps[s].from, steps[s].to);
        if (error != platform::RenameError::None) {
            reportFailedStep(steps[s], error);
            const std::vector<RenameStep> done(steps.begin(), steps.begin() + static_cast<long>(s));
            const bool allBack = walkBack(done);
            RenState = allBack ? RenameState::NeedList : RenameState::MustQuit;
            if (allBack)
                dropJournal();
            return;
        }
        if (m_journal)
            m_journal->stepDone(s);
        if (steps[s].kind != StepKind::Park)
            RenMark[static_cast<std::size_t>(steps[s].entry)] = Mark::Renamed;
    }
    if (m_journal)
        m_journal->finish();
    if (RenMethod == Method::Sequence)
        advanceSequenceNumber();
    RenState = RenameState::CanUndo;
    if (const std::u16string notRenamed = notRenamedMessage(); !notRenamed.empty())
        m_message(notRenamed);
}

void FormRenameCore::dropJournal()
{
    if (m_journal)
        m_journal->discard();
    m_journal.reset();
}

// Undoes the steps done, the last first, so that each name is free again when its turn
// comes. A file whose way back fails keeps the name it has, and its earlier steps are
// left alone; the others still go back. Every file left under another name is named, so
// the user can find it.
bool FormRenameCore::walkBack(const std::vector<RenameStep> &done)
{
    std::vector<bool> stuck(RenMark.size(), false);
    std::vector<StrandedFile> stranded;
    for (std::size_t s = done.size(); s-- > 0;) {
        const RenameStep &step = done[s];
        const std::size_t k = static_cast<std::size_t>(step.entry);
        if (stuck[k])
            continue;
        m_currentStep = s;
        if (m_rename(step.to, step.from) != platform::RenameError::None) {
            stuck[k] = true;
            stranded.push_back({step.to, RenOldName[k]});
            continue;
        }
        if (m_journal)
            m_journal->stepUndone(s);
        if (step.kind != StepKind::Unpark)
            RenMark[k] = Mark::ToRename;
    }
    if (stranded.empty())
        return true;
    // The disk no longer matches the list; offering the list again would pretend it does.
    m_message(RunMessages::cannotRenameBack(stranded));
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

// The run's steps as they were made. The run's temporary name was free then; another
// program may have taken it since, and the undo parks its file under a free one.
std::vector<RenameStep> FormRenameCore::stepsToUndo() const
{
    std::u16string temporary = m_lastRun.temporary;
    if (!temporary.empty() && platform::nameIsTaken(temporary))
        temporary = freeTemporaryName([this](const std::u16string &name) {
            return platform::nameIsTaken(name)
                   || std::find(RenOldName.begin(), RenOldName.end(), name) != RenOldName.end();
        });
    std::vector<RenameStep> steps = m_lastRun.steps;
    for (RenameStep &step : steps) {
        if (step.kind == StepKind::Park)
            step.to = temporary;
        else if (step.kind == StepKind::Unpark)
            step.from = temporary;
    }
    return steps;
}

void FormRenameCore::runUndo()
{
    if (!startRun(RenameState::CanUndo))
        return;
    const std::vector<RenameStep> steps = stepsToUndo();
    if (m_journal) {
        if (!m_journal->reopen()) {
            m_message(RunMessages::cannotKeepJournal(journalFolder()));
            return;
        }
        const auto park = std::find_if(steps.begin(), steps.end(),
                                       [](const RenameStep &step) { return step.kind == StepKind::Park; });
        if (park != steps.end() && park->to != m_lastRun.temporary)
            m_journal->useTemporary(park->to);
    }
    if (!walkBack(steps)) {
        RenState = RenameState::MustQuit;
        return;
    }
    dropJournal();
    if (RenMethod == Method::Sequence)
        RenNumText = RenNumBack;
    RenState = RenameState::CanRename;
}

bool FormRenameCore::lastRunCanBeUndone() const
{
    return RenState == RenameState::NoFiles && lastFinishedRunExists(journalFolder());
}

void FormRenameCore::undoLastRun()
{
    if (RenState != RenameState::NoFiles)
        return;
    // The run's own rename, which keeps the window painted, hears the recovery's watch.
    undoLastFinishedRun(journalFolder(), m_message,
                        [this](const std::u16string &from, const std::u16string &to, const platform::RenameWatch *watch) {
                            m_recoveryWatch = watch;
                            const platform::RenameError error = m_rename(from, to);
                            m_recoveryWatch = nullptr;
                            return error;
                        });
}

} // namespace renamer
