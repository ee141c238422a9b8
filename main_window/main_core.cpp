#include "main_window/main_core.h"

#include "platform/codepage.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace mainwin {

namespace {

// Extensions whose files the shell would run instead of opening: the program files the
// window has always guarded against, and every other type the desktop starts directly.
constexpr std::array<std::u16string_view, 24> RunnableExtensions = {
    u"exe", u"com", u"dll", u"bat",  u"cmd", u"scr", u"pif",     u"cpl",
    u"msi", u"msp", u"vbs", u"vbe",  u"js",  u"jse", u"wsf",     u"wsh",
    u"hta", u"ps1", u"jar", u"lnk",  u"reg", u"sh",  u"desktop", u"appimage",
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
    // %1 stands for the present name, %2 for the new one, %3 for the temporary one
    std::u16string_view text;
};

// Each text names the file it is about, so the user sees at a glance what went wrong.
constexpr std::array<RefusalText, 7> RefusalTexts = {{
    {platform::RenameError::ChangedMeanwhile, u"名前を変更しませんでした。変更の途中で別のプログラムが「%1」を書き換えました"},
    {platform::RenameError::LeftUnderTemporaryName, u"名前を変更できず、元にも戻せませんでした。ファイルは今「%3」という名前です"},
    {platform::RenameError::TargetExists, u"名前を変更できません。「%2」という名前のファイルが既にあります"},
    {platform::RenameError::SourceMissing, u"名前を変更できません。「%1」が見つかりません（移動または削除されたようです）"},
    {platform::RenameError::AccessDenied, u"名前を変更できません。「%1」へのアクセスが拒否されました（読み取り専用か使用中です）"},
    {platform::RenameError::InvalidName, u"名前を変更できません。「%2」はこのファイルシステムで使えない名前です"},
    {platform::RenameError::Other, u"名前を変更できません（「%1」→「%2」）"},
}};

constexpr std::u16string_view FolderRefusalText =
    u"ファイルのあるフォルダーに移動できません。フォルダーが移動または削除されたようです";

std::u16string withExtension(const std::u16string &base, const std::u16string &ext)
{
    return ext.empty() ? base : base + u'.' + ext;
}

} // namespace

bool namesRunnableType(const std::u16string &trueExt)
{
    const std::u16string lower = asciiLower(trueExt);
    return std::find(RunnableExtensions.begin(), RunnableExtensions.end(), lower) !=
           RunnableExtensions.end();
}

std::u16string renameRefusalText(platform::RenameError error, const std::u16string &from,
                                 const std::u16string &to, const std::u16string &temporary)
{
    const auto it = std::find_if(RefusalTexts.begin(), RefusalTexts.end(),
                                 [error](const RefusalText &t) { return t.error == error; });
    const std::u16string_view text = (it == RefusalTexts.end() ? RefusalTexts.back() : *it).text;
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
    Notice.clear();
    CheckState = State::Cleared;
}

void FormMainCore::myCheckPath(const std::u16string &path)
{
    myClear();
    DropPath = path;
    CheckState = State::Checking;
    myCheckFile();
}

void FormMainCore::myCheckFile()
{
    WhatExt.clear();
    const engine::CheckResult result = m_engine.check(DropPath);
    if (!result.loaded) {
        // Without the engine nothing can be judged; the state stays at "checking" so no
        // rename is ever offered on a guess.
        Notice = engine::NotLoadedText;
        return;
    }
    FileDrive = result.drive;
    FileDir = result.folder;
    TypeDesc = result.desc;
    OldName = withExtension(result.base, result.presentExt);
    NewName = withExtension(result.base, result.trueExt);
    TrueExt = result.trueExt;

    if (result.result != 1) {
        CheckState = State::Failed;
        return;
    }
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
    Notice = FolderRefusalText;
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
        Notice = renameRefusalText(error, from, to, temporary);
        // The file bears neither name the window knows; no arrow may act on either.
        if (error == platform::RenameError::LeftUnderTemporaryName)
            CheckState = State::Failed;
        return;
    }
    Notice.clear();
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
    view.dir = readableName(CheckState == State::Checking ? DropPath : FileDir);
    view.oldName = readableName(OldName);
    view.newName = readableName(NewName);
    view.ext = TrueExt;
    view.desc = Notice.empty() ? TypeDesc : Notice;
    const StateLook &look = lookOf(CheckState);
    view.arrow = look.arrow;
    view.execEnabled = look.mayExecute && !namesRunnableType(TrueExt);
    view.colours = look.colours;
    return view;
}

} // namespace mainwin
