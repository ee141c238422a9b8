#include "main_window/main_core.h"

#include "platform/codepage.h"
#include "platform/file_names.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <tuple>
#include <utility>

namespace mainwin {

namespace {

// Extensions whose files the desktop would run instead of opening: those of every
// program and script type the engine knows, listed from its type table at build time.
constexpr std::u16string_view RunnableExtensions[] = {
#include "main_window/runnable_extensions.inc"
};

std::u16string asciiLower(std::u16string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](char16_t c) {
        return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
    });
    return text;
}

struct StateLook {
    int16_t state;
    ArrowImage arrow;
    bool mayExecute;
    NameColours colours;
};

constexpr std::array<StateLook, 7> StateLooks = {{
    {State::Cleared, ArrowImage::Question, false, NameColours::Unchanged},
    {State::Checking, ArrowImage::Question, false, NameColours::Unchanged},
    {State::Failed, ArrowImage::Question, false, NameColours::Unchanged},
    {State::Unknown, ArrowImage::Cannot, false, NameColours::Unchanged},
    {State::Right, ArrowImage::Same, true, NameColours::Unchanged},
    {State::Wrong, ArrowImage::Right, false, NameColours::OldNameMarked},
    {State::Corrected, ArrowImage::Left, true, NameColours::NewNameMarked},
}};

constexpr StateLook UnknownStateLook = {-1, ArrowImage::None, false, NameColours::Unchanged};

const StateLook &lookOf(int16_t state)
{
    const auto it = std::find_if(StateLooks.begin(), StateLooks.end(),
                                 [state](const StateLook &look) { return look.state == state; });
    return it == StateLooks.end() ? UnknownStateLook : *it;
}

struct RefusalText {
    platform::RenameError error;
    // %1 stands for the present name, %2 for the new one, %3 for the temporary one. The
    // brief text leads with the cause, so the box shows it even when a long name runs
    // past its edge.
    std::u16string_view brief;
    std::u16string_view full;
};

constexpr std::array<RefusalText, 7> RefusalTexts = {{
    {platform::RenameError::ChangedMeanwhile, u"別のプログラムが書き換えました：%1",
     u"名前を変更しませんでした。変更の途中で別のプログラムが「%1」を書き換えました"},
    {platform::RenameError::LeftUnderTemporaryName, u"一時的な名前のまま残りました：%3",
     u"名前を変更できず、元にも戻せませんでした。ファイルは今「%3」という名前です"},
    {platform::RenameError::TargetExists, u"同名のファイルが既にあります：%2",
     u"名前を変更できません。「%2」という名前のファイルが既にあります"},
    {platform::RenameError::SourceMissing, u"ファイルが見つかりません：%1",
     u"名前を変更できません。「%1」が見つかりません（移動または削除されたようです）"},
    {platform::RenameError::AccessDenied, u"アクセスが拒否されました：%1",
     u"名前を変更できません。「%1」へのアクセスが拒否されました（読み取り専用か使用中です）"},
    {platform::RenameError::InvalidName, u"使えない名前です：%2",
     u"名前を変更できません。「%2」はこのファイルシステムで使えない名前です"},
    {platform::RenameError::Other, u"名前を変更できません：%1",
     u"名前を変更できません（「%1」→「%2」）"},
}};

const Notice FolderRefusal = {
    u"フォルダーに移動できません",
    u"ファイルのあるフォルダーに移動できません。フォルダーが移動または削除されたようです"};

const Notice EngineMissing = {u"型判定エンジンを読み込めません", engine::NotLoadedText};

const Notice UnnameablePath = {
    u"ファイル名に使えない文字を含むパスです",
    u"パスにファイル名として使えない文字（NUL 文字など）が含まれています。"
    u"そのままでは別のファイルを指してしまうため、確認も名前の変更もしません"};

const Notice NameMismatch = {
    u"ファイルの場所を確かめられません",
    u"型判定エンジンの答えたフォルダーが、指定されたファイルのパスと一致しません"};

const Notice ChosenNameUnsure = {
    u"ファイル名を正しく受け取れません",
    u"このファイル名には文字として読めない部分があり、ファイルを選ぶ画面からは正確に受け取れません。"
    u"ファイルをウィンドウにドロップしてください"};

std::u16string filledIn(std::u16string_view text, const std::u16string &from, const std::u16string &to,
                        const std::u16string &temporary)
{
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t slot = i + 1 < text.size() ? text[i + 1] : u'\0';
        if (text[i] == u'%' && slot >= u'1' && slot <= u'3') {
            out += platform::codepage::readableName(slot == u'1' ? from : slot == u'2' ? to : temporary);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The name of the checked file as it stands on disk: the dropped path after the drive
// and folder the engine reported. Base and extension do not always give it back
// ("photo." has the base "photo"), so it is never rebuilt from them.
std::optional<std::u16string> nameAfterFolder(const std::u16string &path, const std::u16string &drive,
                                              const std::u16string &folder)
{
    const std::u16string prefix = drive + folder;
    if (folder.empty() || path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    return path.substr(prefix.size());
}

// The folder and name of a dropped path by its last separator, for showing what was
// dropped when the engine could not say.
std::pair<std::u16string, std::u16string> droppedFolderAndName(const std::u16string &path)
{
    const auto last = path.rfind(platform::pathSeparator());
    if (last == std::u16string::npos)
        return {std::u16string(), path};
    return {path.substr(0, last + 1), path.substr(last + 1)};
}

std::u16string withExtension(const std::u16string &base, const std::u16string &ext)
{
    return ext.empty() ? base : base + u'.' + ext;
}

} // namespace

bool namesRunnableType(const std::u16string &trueExt)
{
    const std::u16string lower = asciiLower(trueExt);
    return std::find(std::begin(RunnableExtensions), std::end(RunnableExtensions), lower) !=
           std::end(RunnableExtensions);
}

Notice renameRefusal(platform::RenameError error, const std::u16string &from, const std::u16string &to,
                     const std::u16string &temporary)
{
    const auto it = std::find_if(RefusalTexts.begin(), RefusalTexts.end(),
                                 [error](const RefusalText &t) { return t.error == error; });
    const RefusalText &text = it == RefusalTexts.end() ? RefusalTexts.back() : *it;
    return {filledIn(text.brief, from, to, temporary), filledIn(text.full, from, to, temporary)};
}

void FormMainCore::myClear()
{
    DropPath.clear();
    FileDrive.clear();
    FileDir.clear();
    OldName.clear();
    NewName.clear();
    TrueExt.clear();
    TypeDesc.clear();
    WhatExt.clear();
    Notice = {};
    CheckState = State::Cleared;
}

void FormMainCore::myCheckPath(const std::u16string &path)
{
    myClear();
    DropPath = path;
    CheckState = State::Checking;
    myCheckFile();
}

void FormMainCore::refuseChosenName()
{
    myClear();
    Notice = ChosenNameUnsure;
}

void FormMainCore::myCheckFile()
{
    WhatExt.clear();
    // The system would end such a path at the character and check, make current and
    // rename whatever its first part names.
    if (!platform::isAcceptablePath(DropPath)) {
        Notice = UnnameablePath;
        CheckState = State::Failed;
        return;
    }
    const engine::CheckResult result = m_engine.check(DropPath);
    if (!result.loaded) {
        // Without the engine nothing can be judged; the state stays at "checking" so no
        // rename is ever offered on a guess.
        Notice = EngineMissing;
        return;
    }
    FileDrive = result.drive;
    FileDir = result.folder;
    TypeDesc = result.desc;
    TrueExt = result.trueExt;

    if (result.result != 1) {
        CheckState = State::Failed;
        return;
    }
    const std::optional<std::u16string> name = nameAfterFolder(DropPath, FileDrive, FileDir);
    if (!name) {
        Notice = NameMismatch;
        return;
    }
    OldName = *name;
    NewName = withExtension(result.base, result.trueExt);
    // The names are bare names relative to the file's folder, so the state is decided
    // only once that folder is current; if it cannot be made current, the check stays
    // undecided.
    if (!makeFileFolderCurrent())
        return;
    if (TrueExt.empty())
        CheckState = State::Unknown;
    else if (result.presentExt == TrueExt)
        CheckState = State::Right;
    else if (asciiLower(TrueExt) == u"exe" && asciiLower(result.presentExt) == u"dll")
        CheckState = State::Right;
    else
        CheckState = State::Wrong;
}

bool FormMainCore::makeFileFolderCurrent()
{
    if (platform::setCurrentDrive(FileDrive) && platform::setCurrentFolder(FileDir))
        return true;
    Notice = FolderRefusal;
    return false;
}

void FormMainCore::myToggleName()
{
    if (CheckState != State::Wrong && CheckState != State::Corrected)
        return;
    // Another window may have moved the current folder since the check; a bare name
    // resolved elsewhere could rename a different file.
    if (!makeFileFolderCurrent())
        return;
    const bool toProper = CheckState == State::Wrong;
    const std::u16string &from = toProper ? OldName : NewName;
    const std::u16string &to = toProper ? NewName : OldName;
    std::u16string temporary;
    const platform::RenameError error = platform::renameNoReplace(from, to, &temporary);
    if (error != platform::RenameError::None) {
        Notice = renameRefusal(error, from, to, temporary);
        // The file bears neither name the window knows; no arrow may act on either.
        if (error == platform::RenameError::LeftUnderTemporaryName)
            CheckState = State::Failed;
        return;
    }
    Notice = {};
    CheckState = toProper ? State::Corrected : State::Wrong;
}

std::optional<std::u16string> FormMainCore::searchStep(const std::u16string &text)
{
    if (text.empty())
        return std::nullopt;
    int32_t mode = 0;
    if (text == WhatExt) {
        mode = 1;
        ++WhatCount;
    } else {
        WhatCount = 1;
        WhatExt = text;
    }
    const engine::WhatResult answer = m_engine.what(mode, text);
    if (!answer.loaded) {
        WhatExt.clear();
        return std::u16string(engine::NotLoadedText);
    }
    if (answer.result == -1) {
        WhatExt.clear();
        return std::u16string(u"???");
    }
    std::u16string shown = u" ";
    for (char c : std::to_string(WhatCount))
        shown += static_cast<char16_t>(c);
    shown += u": ";
    shown += answer.desc;
    return shown;
}

ResultView FormMainCore::resultView() const
{
    using platform::codepage::readableName;
    ResultView view;
    if (CheckState == State::Checking || CheckState == State::Failed) {
        // The engine could not say where the file lies, but the user should still see
        // which file was refused.
        std::tie(view.dir, view.oldName) = droppedFolderAndName(DropPath);
        view.dir = readableName(view.dir);
        view.oldName = readableName(view.oldName);
    } else {
        view.dir = readableName(FileDir);
        view.oldName = readableName(OldName);
    }
    view.newName = readableName(NewName);
    view.ext = TrueExt;
    if (!Notice.empty()) {
        view.desc = Notice.brief;
        view.descTooltip = Notice.full;
    } else {
        view.desc = TypeDesc;
        if (CheckState == State::Failed)
            view.descTooltip = TypeDesc;
    }
    const StateLook &look = lookOf(CheckState);
    view.arrow = look.arrow;
    view.execEnabled = look.mayExecute && !namesRunnableType(TrueExt);
    view.colours = look.colours;
    return view;
}

std::u16string FormMainCore::textReport() const
{
    const ResultView view = resultView();
    std::u16string verdict;
    switch (CheckState) {
    case State::Right:
        verdict = u"right";
        break;
    case State::Wrong:
        verdict = u"wrong \u2192 " + view.newName;
        break;
    case State::Corrected:
        verdict = u"renamed to its proper name";
        break;
    case State::Unknown:
        verdict = u"unknown type: no proper name";
        break;
    default:
        verdict = u"not checked";
        break;
    }
    const std::u16string description = view.descTooltip.empty() ? view.desc : view.descTooltip;
    return u"folder:       " + view.dir + u"\npresent name: " + view.oldName + u"\nproper name:  " + view.newName +
           u"\nverdict:      " + verdict + u"\ndescription:  " + description + u"\n";
}

} // namespace mainwin
