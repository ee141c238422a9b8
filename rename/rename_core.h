// The batch renamer's state and rules, free of any window code: the rename list built from
// a drop, the proposal of the twelve methods, the rename run with its roll-back, and the
// undo run. The window turns user events into these calls and draws what they leave.
//
// The list is held in parallel vectors counted from 0: entry i of the list as the user
// counts it (from 1) is index i - 1 in every vector, and every vector has RenCount
// entries.
#pragma once

#include "engine/engine.h"
#include "platform/platform.h"
#include "rename/rename_plan.h"
#include "rename/row_checks.h"
#include "rename/run_journal.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace renamer {

// The window's states; the numbers are part of the window's contract with its buttons.
enum class RenameState : int16_t {
    MustQuit = -1,  // the disk and the list may disagree; only ending the program is left
    NoFiles = 0,
    NeedList = 1,   // files listed, proposal missing or stale
    CanRename = 2,
    CanUndo = 3,
};

enum class Mark : int16_t {
    Unset = 0,
    ToRename = 1,
    SameName = 2,
    Renamed = 3,  // renamed by the last run; the undo renames it back
};

// The method indexes, in the order of the window's method buttons.
namespace Method {
inline constexpr int Auto = 0;
inline constexpr int NewExtension = 1;
inline constexpr int Sequence = 2;
inline constexpr int NoShortcutWording = 3;
inline constexpr int LowerCase = 4;
inline constexpr int UpperCase = 5;
inline constexpr int NoSpaces = 6;
inline constexpr int NoBrackets = 7;
inline constexpr int AddAtStart = 8;
inline constexpr int DeleteAtStart = 9;
inline constexpr int AddAtEnd = 10;
inline constexpr int DeleteAtEnd = 11;
inline constexpr int Count = 12;
} // namespace Method

// Counts and the sequence counter are 16-bit values in the window's contract.
inline constexpr int MaxFiles = 32767;
inline constexpr int MinSequenceNumber = -32768;
inline constexpr int MaxSequenceNumber = 32767;

// Every text the core reports. The window shows each one as a message box.
namespace Messages {
inline constexpr char16_t IllegalDroppedFiles[] = u"Illegal Dropped Files";
inline constexpr char16_t IllegalPathFormat1[] = u"Illegal Path Format(1)";
inline constexpr char16_t IllegalPathFormat2[] = u"Illegal Path Format(2)";
inline constexpr char16_t TooManyFiles[] = u"Too Many Dropped Files";
inline constexpr char16_t IllegalRenameMethod[] = u"Illegal Rename Method ";  // + index
inline constexpr char16_t IllegalSequenceNumber[] = u"Illegal Sequence Number";
inline constexpr char16_t CannotChangeDrive[] = u"Cannot Change Drive";
inline constexpr char16_t CannotChangeFolder[] = u"Cannot Change Folder";
inline constexpr char16_t CannotRename[] = u"Cannot Rename";
// "Cannot Rename " + old name + " ---> " + new name
inline constexpr char16_t CannotRenameFrom[] = u"Cannot Rename ";
inline constexpr char16_t CannotRenameTo[] = u" ---> ";
// + the temporary name a file was left under when it could be neither renamed nor put back
inline constexpr char16_t LeftUnderTemporaryName[] = u"File Left As ";
} // namespace Messages

using MessageFn = std::function<void(const std::u16string &)>;
using RenameFn =
    std::function<platform::RenameError(const std::u16string &from, const std::u16string &to)>;
using PlatformRenameFn = std::function<platform::RenameError(const std::u16string &from, const std::u16string &to,
                                                             std::u16string *temporaryName,
                                                             const platform::RenameWatch *watch)>;
using SplitPathFn = std::function<int16_t(const std::u16string &path, std::u16string &drive,
                                          std::u16string &folder, std::u16string &name,
                                          std::u16string &base, std::u16string &ext)>;

// How the window looks in a state: which controls are usable, where the focus goes and
// the guidance text.
enum class Focus { Unchanged, BuildButton, RenameButton, UndoButton };

struct StateLook {
    RenameState state;
    bool methodFrameUsable;
    bool buildUsable;
    bool renameUsable;
    bool undoUsable;
    Focus focus;
    std::u16string_view guidance;
};

const StateLook &lookOf(RenameState state);

// The guidance text while the settings have changed since the proposal was built.
inline constexpr char16_t StaleGuidance[] = u"リネームリストを作成して下さい";

// The marker column of a row: "-->", "===", "<--" or "???".
std::u16string_view markerOf(Mark mark, RenameState state);

// The markers of rows that keep their name although their method proposed another: one
// that cannot be renamed, and one the user left out.
inline constexpr char16_t BlockedMarker[] = u"×";
inline constexpr char16_t KeptMarker[] = u"除外";

// The guidance while a proposal renames nothing, and under the extension method with an
// empty extension, which proposes no change.
inline constexpr char16_t NothingToRenameGuidance[] = u"名前の変わるファイルがありません";
inline constexpr char16_t NoExtensionGuidance[] = u"拡張子の欄が空なので名前は変わりません。拡張子を入れて下さい";

// The closing message of a run that left rows with a "×" alone; their names follow, one a
// line.
inline constexpr char16_t NotRenamedHeading[] = u"リネームしなかったファイル: ";
inline constexpr char16_t NotRenamedCount[] = u" 件";

// After a drop that held things other than files: how many were left out; each follows on
// a line of its own.
inline constexpr char16_t LeftOutHeading[] = u"ファイルではないのでリストに入れなかったもの: ";

// Names listed under those headings, one a line in their readable form: the first
// `MaxNamesListed`, then how many more ("ほか N 件"). A message box taller than the
// screen would hide its own button.
inline constexpr std::size_t MaxNamesListed = 20;
std::u16string namesOneALine(const std::vector<std::u16string> &names);

// The three name boxes: which setting each shows under the current method, and whether
// it can be edited.
enum class NameBox { Head, Number, Extension };

struct NameBoxView {
    std::u16string text;
    bool usable = false;
};

struct NameBoxesView {
    NameBoxView head, number, extension;
};

// One row of the list as the window shows it.
struct ListRow {
    std::u16string oldName;
    std::u16string_view marker;
    std::u16string newName;  // empty while the proposal is missing or stale
    std::u16string markerTip;  // why a row keeps its name; empty for the others
};

class FormRenameCore {
public:
    FormRenameCore(engine::Engine &engine, MessageFn message);

    // Tests act between the steps of a run through these; the defaults are the platform's.
    void setRenameFunction(RenameFn rename);
    void setPathSplitter(SplitPathFn split);
    // How the proposal asks whether a name is taken in the list's folder (a full path);
    // without one it reads the folder.
    void setNameTakenFunction(NameTakenFn isTaken);
    // The platform's rename under renameOnDisk; tests put the fallback of file systems
    // without a no-replace rename in its place.
    void setPlatformRename(PlatformRenameFn rename);
    // Where the runs keep their journals: the user's state folder unless told otherwise.
    void setJournalFolder(std::u16string folder);

    // The default rename of a run's step: the platform's, with a file it had to leave
    // under a temporary name named to the user, and the fallback's reservation recorded
    // in the run's journal.
    platform::RenameError renameOnDisk(const std::u16string &from, const std::u16string &to);

    // The list, named as the window's contract names it.
    int RenCount = 0;
    std::u16string RenDrive;
    std::u16string RenFolder;
    std::vector<std::u16string> RenOldName;
    std::vector<std::u16string> RenBase;
    std::vector<std::u16string> RenExt;
    std::vector<std::u16string> RenNewName;
    std::vector<Mark> RenMark;
    // Rows the user left out: they keep their names and their sequence numbers; the
    // choice lasts as long as the list.
    std::vector<bool> RenKept;
    // Rows the proposal found cannot be renamed, and why; worked out with the proposal.
    std::vector<RowBlock> RenBlock;
    RenameState RenState = RenameState::NoFiles;

    // The settings, with the values a freshly opened window has.
    int RenMethod = Method::Auto;
    std::u16string RenNewExt;
    std::u16string RenHead;
    std::u16string RenNumText = u"001";
    std::u16string RenSeqExt;
    std::u16string RenAffix = u"-";

    // What the sequence method worked out, and the number text before the last run.
    int RenNumStart = 0;
    std::u16string RenNumFormat;
    std::u16string RenNumBack;

    // A drop: the paths in drop order and the texts of the head, number and extension
    // boxes. Ends with a fresh proposal, or at a message with the state NoFiles (a drop
    // of too many files changes nothing at all). `leftOut` are the things dropped with the
    // files that are no files here (web addresses...): the user is told which.
    void MakeRenameList(const std::vector<std::u16string> &paths, const std::u16string &headText,
                        const std::u16string &numText, const std::u16string &extText,
                        const std::vector<std::u16string> &leftOut = {});

    // The same from paths named on the command line or chosen as a folder: a folder among
    // them stands for its regular files (hidden ones too, none from below), then the list
    // is built as from a drop.
    void MakeRenameListOfFolders(const std::vector<std::u16string> &paths, const std::u16string &headText,
                                 const std::u16string &numText, const std::u16string &extText);

    // Works out the proposal by RenMethod. Ends in CanRename, or in NeedList when the
    // sequence numbers would leave the counter's range.
    void ApplyRenameRule();

    // A setting changed: a shown proposal is stale.
    void InvalidateRenameList();

    // Leaves a row out of the run, or takes it back (in NeedList and CanRename only);
    // false when nothing changed.
    bool toggleKept(int row);

    // Whether a run now would rename at least one file.
    bool willRenameAny() const;

    // The guidance text of the state, for the proposal on display.
    std::u16string_view guidance() const;

    // A method button was clicked.
    void selectMethod(int index);

    // A name box's text changed by the user's typing; stores it in the setting the box
    // feeds under the current method.
    void nameBoxEdited(NameBox box, const std::u16string &text);

    // The rename button: renames every file marked ToRename, in an order that finds each
    // new name free, and rolls back on a failure. A proposal that no order can carry out
    // is refused before anything on disk changes.
    void runRename();

    // The undo button: renames back every file the last run renamed, in the reverse order
    // of the run.
    void runUndo();

    // The last finished run of an earlier start (or of this one, once a new list replaced
    // it), offered for undo while the window has no files: the window's states stay as
    // they are, the undo is an action of its own. Each file goes back only while it is
    // still the file the run renamed; the user is told which were left alone.
    bool lastRunCanBeUndone() const;
    void undoLastRun();

    // What the window draws; names in their readable form (platform::codepage::readableName).
    NameBoxesView nameBoxes() const;
    std::u16string folderText() const;
    std::vector<ListRow> listRows() const;

private:
    void takeBoxTexts(const std::u16string &headText, const std::u16string &numText,
                      const std::u16string &extText);
    void sortByOldName();
    bool prepareSequence();
    void markBlockedRows();
    bool moves(std::size_t k) const;
    std::u16string notRenamedMessage() const;
    void proposeByEngine();
    void proposeByRule();
    bool startRun(RenameState required);
    bool makeListFolderCurrent();
    void refuseList();
    RenamePlan planRun() const;
    void reportFailedStep(const RenameStep &step, platform::RenameError cause);
    bool walkBack(const std::vector<RenameStep> &done);
    std::vector<RenameStep> stepsToUndo() const;
    std::u16string journalFolder() const;
    bool beginJournal();
    void dropJournal();
    void advanceSequenceNumber();

    engine::Engine &m_engine;
    MessageFn m_message;
    RenameFn m_rename;
    PlatformRenameFn m_platformRename;
    SplitPathFn m_split;
    NameTakenFn m_nameTaken;

    // What the last successful run did on disk, step by step, for its undo.
    RenamePlan m_lastRun;
    // Its journal, held locked while the run can still be undone or has left files
    // astray; released by the next drop or the end of the program.
    std::unique_ptr<RunJournal> m_journal;
    std::optional<std::u16string> m_journalFolder;
    std::size_t m_currentStep = 0;
    // While the undo of an earlier start's run renames: what its journal records.
    const platform::RenameWatch *m_recoveryWatch = nullptr;
};

} // namespace renamer
