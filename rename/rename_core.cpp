#include "rename/rename_core.h"

#include "platform/codepage.h"
#include "platform/file_names.h"
#include "rename/name_rules.h"
#include "rename/run_messages.h"
#include "shell/module1.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <numeric>
#include <optional>
#include <unordered_set>

namespace renamer {

namespace {

constexpr std::array StateLooks = {
    StateLook{RenameState::MustQuit, false, false, false, false, Focus::Unchanged,
              u"You must quit NOW!!"},
    StateLook{RenameState::NoFiles, true, false, false, false, Focus::Unchanged,
              u"ファイルをドロップして下さい"},
    StateLook{RenameState::NeedList, true, true, false, false, Focus::BuildButton, StaleGuidance},
    StateLook{RenameState::CanRename, true, true, true, false, Focus::RenameButton,
              u"リネームが出来ます"},
    StateLook{RenameState::CanUndo, false, false, false, true, Focus::UndoButton,
              u"リネームのキャンセルが出来ます"},
};

// Markers by mark (rows) in the states NeedList, CanRename and CanUndo (columns). A
// proposal that was never worked out, or is stale, is always "???".
constexpr std::u16string_view Unknown = u"???";
constexpr std::array<std::array<std::u16string_view, 3>, 4> Markers = {{
    {Unknown, Unknown, Unknown},   // Unset
    {Unknown, u"-->", Unknown},    // ToRename
    {Unknown, u"===", u"==="},     // SameName
    {Unknown, Unknown, u"<--"},    // Renamed
}};

// Which setting each name box shows and feeds, by method. Methods without a row use no
// box at all.
using Setting = std::u16string FormRenameCore::*;

struct BoxFeeds {
    int firstMethod;
    int lastMethod;
    Setting head;
    Setting number;
    Setting extension;
};

constexpr std::array BoxFeedTable = {
    BoxFeeds{Method::NewExtension, Method::NewExtension, nullptr, nullptr,
             &FormRenameCore::RenNewExt},
    BoxFeeds{Method::Sequence, Method::Sequence, &FormRenameCore::RenHead,
             &FormRenameCore::RenNumText, &FormRenameCore::RenSeqExt},
    BoxFeeds{Method::AddAtStart, Method::DeleteAtEnd, &FormRenameCore::RenAffix, nullptr, nullptr},
};

const BoxFeeds *feedsOf(int method)
{
    const auto it =
        std::find_if(BoxFeedTable.begin(), BoxFeedTable.end(), [method](const BoxFeeds &f) {
            return method >= f.firstMethod && method <= f.lastMethod;
        });
    return it == BoxFeedTable.end() ? nullptr : &*it;
}

Setting settingOf(const BoxFeeds &feeds, NameBox box)
{
    switch (box) {
    case NameBox::Head:
        return feeds.head;
    case NameBox::Number:
        return feeds.number;
    case NameBox::Extension:
        return feeds.extension;
    }
    return nullptr;
}

constexpr char16_t KeptTip[] = u"除外した行です。名前を変えません（Space キーかダブルクリックで戻せます）";

// The string rules. Each gives the proposed name of entry `i`, or nothing when the
// entry keeps its name.
using Rule = std::optional<std::u16string> (*)(const FormRenameCore &core, int i);

struct MethodRule {
    Rule rule;
    bool renamesWithoutComparison;  // any answer of the rule is a change, even an equal name
};

std::size_t at(int i)
{
    return static_cast<std::size_t>(i);
}

constexpr std::array<MethodRule, Method::Count> MethodRules = {{
    {nullptr, false},  // Auto asks the engine; see proposeByEngine
    {[](const FormRenameCore &c, int i) -> std::optional<std::u16string> {
         return joinedName(c.RenBase[at(i)], c.RenNewExt);
     },
     false},
    {[](const FormRenameCore &c, int i) -> std::optional<std::u16string> {
         const int width = static_cast<int>(c.RenNumFormat.size());
         return joinedName(c.RenHead + sequenceNumber(c.RenNumStart + i, width), c.RenSeqExt);
     },
     false},
    {[](const FormRenameCore &c, int i) { return withoutShortcutWording(c.RenOldName[at(i)]); },
     true},
    {[](const FormRenameCore &c, int i) -> std::optional<std::u16string> {
         return lowerCase(c.RenOldName[at(i)]);
     },
     false},
    {[](const FormRenameCore &c, int i) -> std::optional<std::u16string> {
         return upperCase(c.RenOldName[at(i)]);
     },
     false},
    {[](const FormRenameCore &c, int i) -> std::optional<std::u16string> {
         return withoutSpaces(c.RenOldName[at(i)]);
     },
     false},
    {[](const FormRenameCore &c, int i) -> std::optional<std::u16string> {
         return withoutBrackets(c.RenOldName[at(i)]);
     },
     false},
    {[](const FormRenameCore &c, int i) -> std::optional<std::u16string> {
         return withAffixAtStart(c.RenAffix, c.RenOldName[at(i)]);
     },
     false},
    {[](const FormRenameCore &c, int i) {
         return withoutAffixAtStart(c.RenAffix, c.RenBase[at(i)], c.RenExt[at(i)]);
     },
     false},
    {[](const FormRenameCore &c, int i) -> std::optional<std::u16string> {
         return withAffixAtEnd(c.RenAffix, c.RenBase[at(i)], c.RenExt[at(i)]);
     },
     false},
    {[](const FormRenameCore &c, int i) {
         return withoutAffixAtEnd(c.RenAffix, c.RenBase[at(i)], c.RenExt[at(i)]);
     },
     false},
}};

// The method frame and the name boxes are unusable while a run can be undone or the
// program must end; the undo relies on the method the run was made with.
bool settingsEditable(RenameState state)
{
    return state == RenameState::NoFiles || state == RenameState::NeedList
           || state == RenameState::CanRename;
}

std::u16string decimal(int value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

// The Japanese line under each refusal of a list: which file, and what is wrong with it.
namespace Causes {

std::u16string line(std::u16string_view text)
{
    return u'\n' + std::u16string(text);
}

std::u16string quoted(const std::u16string &name)
{
    return u"「" + platform::codepage::readableName(name) + u"」";
}

std::u16string noFiles()
{
    return line(u"リストに入れられるファイルがありません");
}

std::u16string noFilesAmong(const std::vector<std::u16string> &leftOut)
{
    return line(u"ファイルではないもの（Web のアドレス、ほかのコンピューターのファイルなど）はリストに入れられません:")
           + namesOneALine(leftOut);
}

std::u16string tooManyFiles(std::size_t count)
{
    return line(u"一度にリストに入れられるのは " + decimal(MaxFiles) + u" 件までです（" + decimal(static_cast<int>(count))
                + u" 件ありました）。何も変えていません");
}

std::u16string notAFilePath(const std::u16string &path)
{
    if (!platform::isAcceptablePath(path))
        return line(quoted(path) + u" には名前に使えない文字があり、どのファイルか確かめられません");
    return line(quoted(path) + u" はフォルダーの中のファイルを指すフルパスではありません");
}

std::u16string anotherFolder(const std::u16string &name, const std::u16string &folder, const std::u16string &listFolder)
{
    return line(quoted(name) + u" のフォルダー " + quoted(folder) + u" が、最初のファイルのフォルダー " + quoted(listFolder)
                + u" と違います。一度に入れられるのは一つのフォルダーのファイルだけです");
}

std::u16string unreadableFolder(const std::u16string &folder)
{
    return line(u"フォルダー " + quoted(folder) + u" の中を読めません。何も変えていません");
}

std::u16string emptyFolder(const std::u16string &folder)
{
    return line(u"フォルダー " + quoted(folder) + u" にはファイルがありません（中のフォルダーの中身は入れません）");
}

std::u16string noSuchMethod()
{
    return line(u"この番号の変更方法はありません");
}

std::u16string sequenceOutOfRange()
{
    return line(u"連番が " + decimal(MinSequenceNumber) + u" ～ " + decimal(MaxSequenceNumber)
                + u" の範囲を超えます。開始番号を変えて下さい");
}

} // namespace Causes

} // namespace

std::u16string namesOneALine(const std::vector<std::u16string> &names)
{
    std::u16string lines;
    const std::size_t shown = std::min(names.size(), MaxNamesListed);
    for (std::size_t k = 0; k < shown; ++k)
        lines += u'\n' + platform::codepage::readableName(names[k]);
    if (names.size() > shown)
        lines += u"\nほか " + decimal(static_cast<int>(names.size() - shown)) + NotRenamedCount;
    return lines;
}

const StateLook &lookOf(RenameState state)
{
    const auto it = std::find_if(StateLooks.begin(), StateLooks.end(),
                                 [state](const StateLook &look) { return look.state == state; });
    return it == StateLooks.end() ? StateLooks.front() : *it;
}

std::u16string_view markerOf(Mark mark, RenameState state)
{
    const int column = static_cast<int>(state) - static_cast<int>(RenameState::NeedList);
    const int row = static_cast<int>(mark);
    if (column < 0 || column >= 3 || row < 0 || row >= 4)
        return Unknown;
    return Markers[at(row)][at(column)];
}

FormRenameCore::FormRenameCore(engine::Engine &engine, MessageFn message)
    : m_engine(engine), m_message(std::move(message)), m_platformRename(platform::renameNoReplace),
      m_split(Module1::mySplitPath)
{
    m_rename = [this](const std::u16string &from, const std::u16string &to) { return renameOnDisk(from, to); };
}

// A file the platform had to leave under a temporary name is named to the user at once:
// the list knows it under neither of its names. What the fallback makes on the way goes
// into the run's journal, or into the journal of the earlier run being undone.
platform::RenameError FormRenameCore::renameOnDisk(const std::u16string &from, const std::u16string &to)
{
    std::u16string temporary;
    platform::RenameWatch watch;
    watch.reserved = [this](const std::u16string &name, const platform::FileStamp &reservation) {
        if (m_journal)
            m_journal->reserved(m_currentStep, name, reservation);
    };
    watch.detour = [this](const std::u16string &temporary) {
        if (m_journal)
            m_journal->detour(m_currentStep, temporary);
    };
    const platform::RenameError error =
        m_platformRename(from, to, &temporary, m_recoveryWatch ? m_recoveryWatch : &watch);
    if (error == platform::RenameError::LeftUnderTemporaryName)
        m_message(Messages::LeftUnderTemporaryName + platform::codepage::readableName(temporary)
                  + RunMessages::strandedCause());
    return error;
}

void FormRenameCore::setPlatformRename(PlatformRenameFn rename)
{
    m_platformRename = std::move(rename);
}

void FormRenameCore::setJournalFolder(std::u16string folder)
{
    m_journalFolder = std::move(folder);
}

void FormRenameCore::setRenameFunction(RenameFn rename)
{
    m_rename = std::move(rename);
}

void FormRenameCore::setPathSplitter(SplitPathFn split)
{
    m_split = std::move(split);
}

void FormRenameCore::setNameTakenFunction(NameTakenFn isTaken)
{
    m_nameTaken = std::move(isTaken);
}

void FormRenameCore::MakeRenameList(const std::vector<std::u16string> &paths,
                                    const std::u16string &headText, const std::u16string &numText,
                                    const std::u16string &extText, const std::vector<std::u16string> &leftOut)
{
    // Refused before anything is touched, so the list on the screen, and its undo, stay
    // usable.
    if (paths.size() > static_cast<std::size_t>(MaxFiles)) {
        m_message(Messages::TooManyFiles + Causes::tooManyFiles(paths.size()));
        return;
    }
    // The last run can no longer be undone here; its journal stays for a later start.
    m_journal.reset();
    RenState = RenameState::NoFiles;
    RenDrive.clear();
    RenFolder.clear();
    RenCount = static_cast<int>(paths.size());
    const std::size_t count = paths.size();
    RenOldName.assign(count, {});
    RenBase.assign(count, {});
    RenExt.assign(count, {});
    RenNewName.assign(count, {});
    RenMark.assign(count, Mark::Unset);
    RenKept.assign(count, false);
    RenBlock.assign(count, RowBlock::None);
    if (RenCount < 1) {
        m_message(Messages::IllegalDroppedFiles + (leftOut.empty() ? Causes::noFiles() : Causes::noFilesAmong(leftOut)));
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        std::u16string drive, folder, name, base, ext;
        if (m_split(paths[i], drive, folder, name, base, ext) != 0) {
            m_message(Messages::IllegalPathFormat1 + Causes::notAFilePath(paths[i]));
            return;
        }
        // Compared with the first file rather than tested for an empty drive: on POSIX
        // every drive is empty.
        if (i == 0) {
            RenDrive = drive;
            RenFolder = folder;
        } else if (folder != RenFolder || drive != RenDrive) {
            m_message(Messages::IllegalPathFormat2 + Causes::anotherFolder(name, drive + folder, RenDrive + RenFolder));
            return;
        }
        RenOldName[i] = name;
        RenBase[i] = base;
        RenExt[i] = ext;
    }
    sortByOldName();
    takeBoxTexts(headText, numText, extText);
    RenState = RenameState::NeedList;
    ApplyRenameRule();
    if (!leftOut.empty())
        m_message(LeftOutHeading + decimal(static_cast<int>(leftOut.size())) + NotRenamedCount + namesOneALine(leftOut));
}

void FormRenameCore::MakeRenameListOfFolders(const std::vector<std::u16string> &paths,
                                             const std::u16string &headText, const std::u16string &numText,
                                             const std::u16string &extText)
{
    std::vector<std::u16string> files;
    std::u16string emptyFolder;
    for (const std::u16string &path : paths) {
        if (!platform::isFolder(path)) {
            files.push_back(path);
            continue;
        }
        const std::optional<std::vector<std::u16string>> inside = platform::filesOfFolder(path);
        if (!inside) {
            m_message(Messages::IllegalDroppedFiles + Causes::unreadableFolder(path));
            return;
        }
        if (inside->empty())
            emptyFolder = path;
        files.insert(files.end(), inside->begin(), inside->end());
    }
    if (files.empty() && !emptyFolder.empty()) {
        m_message(Messages::IllegalDroppedFiles + Causes::emptyFolder(emptyFolder));
        return;
    }
    MakeRenameList(files, headText, numText, extText);
}

// A stable sort by UTF-16 units gives the order of repeated neighbour swaps of strictly
// greater names, equal names in drop order, without their quadratic time.
void FormRenameCore::sortByOldName()
{
    std::vector<std::size_t> order(RenOldName.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return RenOldName[a] < RenOldName[b];
    });
    const auto permuted = [&order](std::vector<std::u16string> &values) {
        std::vector<std::u16string> sorted;
        sorted.reserve(values.size());
        for (std::size_t from : order)
            sorted.push_back(std::move(values[from]));
        values = std::move(sorted);
    };
    permuted(RenOldName);
    permuted(RenBase);
    permuted(RenExt);
}

void FormRenameCore::takeBoxTexts(const std::u16string &headText, const std::u16string &numText,
                                  const std::u16string &extText)
{
    if (RenMethod == Method::Sequence) {
        if (!headText.empty())
            RenHead = headText;
        else if (RenHead.empty())
            RenHead = headOf(RenBase.front());
        if (!numText.empty())
            RenNumText = numText;
        else if (RenNumText.empty())
            RenNumText = u"001";
        if (!extText.empty())
            RenSeqExt = extText;
        else if (RenSeqExt.empty())
            RenSeqExt = RenExt.front();
    } else if (RenMethod >= Method::AddAtStart && RenMethod <= Method::DeleteAtEnd) {
        if (!headText.empty())
            RenAffix = headText;
    }
}

void FormRenameCore::ApplyRenameRule()
{
    if (RenMethod < 0 || RenMethod >= Method::Count) {
        m_message(Messages::IllegalRenameMethod + decimal(RenMethod) + Causes::noSuchMethod());
        RenState = RenameState::CanRename;
        return;
    }
    if (RenMethod == Method::Sequence && !prepareSequence()) {
        // Numbers the counter cannot carry would make names the next run cannot continue
        // from; the user has to choose another start number first.
        m_message(Messages::IllegalSequenceNumber + Causes::sequenceOutOfRange());
        RenState = RenameState::NeedList;
        return;
    }
    if (RenMethod == Method::Auto)
        proposeByEngine();
    else
        proposeByRule();
    markBlockedRows();
    RenState = RenameState::CanRename;
}

bool FormRenameCore::moves(std::size_t k) const
{
    return RenMark[k] == Mark::ToRename && !RenKept[k] && RenBlock[k] == RowBlock::None;
}

// Worked out once per proposal (and when a row is left out or taken back), not on every
// redraw: the disk is asked about each new name no listed file leaves.
void FormRenameCore::markBlockedRows()
{
    std::vector<bool> proposed(RenMark.size());
    for (std::size_t k = 0; k < RenMark.size(); ++k)
        proposed[k] = RenMark[k] == Mark::ToRename && !RenKept[k];
    const std::u16string folder = RenDrive + RenFolder;
    const bool ignoreCase = platform::folderIgnoresCase(folder);
    if (m_nameTaken) {
        RenBlock = blockedRows({RenOldName, RenNewName, proposed}, ignoreCase,
                               [this, &folder](const std::u16string &name) { return m_nameTaken(folder + name); });
        return;
    }
    // The folder is read once rather than asked name by name; a folder that cannot be
    // listed is asked name by name. One that cannot be reached at all holds no name a
    // marker could point to: the run says what is wrong with the folder itself.
    const std::optional<std::vector<std::u16string>> names = platform::readFolderNames(folder);
    if (!names) {
        const bool reachable = platform::isFolder(folder);
        RenBlock = blockedRows({RenOldName, RenNewName, proposed}, ignoreCase, [&](const std::u16string &name) {
            return reachable && platform::nameIsTaken(folder + name);
        });
        return;
    }
    std::vector<std::u16string> folded;
    if (ignoreCase)
        std::transform(names->begin(), names->end(), std::back_inserter(folded), platform::caseFolded);
    const std::vector<std::u16string> &keys = ignoreCase ? folded : *names;
    const std::unordered_set<std::u16string_view> present(keys.begin(), keys.end());
    RenBlock = blockedRows({RenOldName, RenNewName, proposed}, ignoreCase, [&](const std::u16string &name) {
        return present.count(ignoreCase ? std::u16string_view(platform::caseFolded(name)) : name) > 0;
    });
}

bool FormRenameCore::toggleKept(int row)
{
    if ((RenState != RenameState::NeedList && RenState != RenameState::CanRename) || row < 0 || row >= RenCount)
        return false;
    const std::size_t k = at(row);
    RenKept[k] = !RenKept[k];
    if (RenState == RenameState::CanRename)
        markBlockedRows();
    return true;
}

bool FormRenameCore::willRenameAny() const
{
    for (std::size_t k = 0; k < RenMark.size(); ++k) {
        if (moves(k))
            return true;
    }
    return false;
}

std::u16string_view FormRenameCore::guidance() const
{
    if (RenState == RenameState::CanRename && !willRenameAny())
        return RenMethod == Method::NewExtension && RenNewExt.empty() ? NoExtensionGuidance
                                                                       : NothingToRenameGuidance;
    return lookOf(RenState).guidance;
}

bool FormRenameCore::prepareSequence()
{
    const double start = std::floor(leadingNumberValue(RenNumText));
    const int lastOffset = std::max(RenCount - 1, 0);
    if (!(start >= MinSequenceNumber && start + lastOffset <= MaxSequenceNumber))
        return false;
    RenNumStart = static_cast<int>(start);
    RenNumFormat.assign(RenNumText.size(), u'0');
    return true;
}

void FormRenameCore::proposeByEngine()
{
    bool engineMissing = false;
    for (int i = 0; i < RenCount; ++i) {
        const std::size_t k = at(i);
        const engine::CheckExtResult answer =
            m_engine.checkExt(RenDrive + RenFolder + RenOldName[k]);
        engineMissing = engineMissing || !answer.loaded;
        std::optional<std::u16string> proposal;
        if (answer.loaded && answer.result == 1)
            proposal = withEngineExtension(RenBase[k], RenExt[k], answer.ext);
        RenNewName[k] = proposal.value_or(RenOldName[k]);
        RenMark[k] = proposal ? Mark::ToRename : Mark::SameName;
    }
    // Without the engine every file would silently keep its name, which reads as "all
    // extensions are right".
    if (engineMissing)
        m_message(engine::NotLoadedText);
}

void FormRenameCore::proposeByRule()
{
    // An empty extension would only cut every extension off: the method then proposes no
    // change, and the guidance says why.
    const bool noChange = RenMethod == Method::NewExtension && RenNewExt.empty();
    const MethodRule &method = MethodRules[at(RenMethod)];
    for (int i = 0; i < RenCount; ++i) {
        const std::size_t k = at(i);
        std::optional<std::u16string> proposal = noChange ? std::nullopt : method.rule(*this, i);
        // A rebuilt name never ends in a period: Windows drops it from the name, and a
        // period with nothing after it is no extension anywhere. It is spelt as the
        // folder will list it, so that it meets the names already there.
        if (proposal && *proposal != RenOldName[k])
            *proposal = platform::codepage::nameAsListed(withoutTrailingPeriods(*proposal));
        RenNewName[k] = proposal.value_or(RenOldName[k]);
        const bool changes =
            proposal && (method.renamesWithoutComparison || *proposal != RenOldName[k]);
        RenMark[k] = changes ? Mark::ToRename : Mark::SameName;
    }
}

void FormRenameCore::InvalidateRenameList()
{
    if (RenState == RenameState::CanRename)
        RenState = RenameState::NeedList;
}

void FormRenameCore::selectMethod(int index)
{
    if (!settingsEditable(RenState))
        return;
    RenMethod = index;
    InvalidateRenameList();
    if (RenState != RenameState::NeedList)
        return;
    // A list dropped under another method left the sequence's head and extension unset:
    // they come from the first file, as on a drop under this method, rather than make
    // names such as "001." that drop every file's extension.
    if (RenMethod == Method::Sequence)
        takeBoxTexts({}, {}, {});
    ApplyRenameRule();
}

void FormRenameCore::nameBoxEdited(NameBox box, const std::u16string &text)
{
    if (!settingsEditable(RenState))
        return;
    if (const BoxFeeds *feeds = feedsOf(RenMethod)) {
        if (const Setting setting = settingOf(*feeds, box))
            this->*setting = text;
    }
    InvalidateRenameList();
}

NameBoxesView FormRenameCore::nameBoxes() const
{
    NameBoxesView view;
    const BoxFeeds *feeds = feedsOf(RenMethod);
    if (!feeds)
        return view;
    const auto fill = [this](NameBoxView &box, Setting setting) {
        box.usable = setting != nullptr;
        if (setting)
            box.text = this->*setting;
    };
    fill(view.head, feeds->head);
    fill(view.number, feeds->number);
    fill(view.extension, feeds->extension);
    return view;
}

std::u16string FormRenameCore::folderText() const
{
    return platform::codepage::readableName(RenDrive + RenFolder);
}

std::vector<ListRow> FormRenameCore::listRows() const
{
    std::vector<ListRow> rows;
    const bool listed = RenState == RenameState::NeedList || RenState == RenameState::CanRename
                        || RenState == RenameState::CanUndo;
    if (!listed)
        return rows;
    const bool withNewNames = RenState != RenameState::NeedList;
    rows.reserve(at(RenCount));
    for (int i = 0; i < RenCount; ++i) {
        const std::size_t k = at(i);
        ListRow row{platform::codepage::readableName(RenOldName[k]), markerOf(RenMark[k], RenState),
                    withNewNames ? platform::codepage::readableName(RenNewName[k]) : std::u16string(), {}};
        if (RenKept[k]) {
            row.marker = KeptMarker;
            row.markerTip = KeptTip;
        } else if (withNewNames && RenBlock[k] != RowBlock::None && RenMark[k] != Mark::Renamed) {
            row.marker = BlockedMarker;
            row.markerTip = blockReason(RenBlock[k], RenNewName[k]);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace renamer
