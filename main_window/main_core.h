// The main window's state and rules, free of any window code: the check of a file, the
// result state, renaming to the proper name and back, and the extension search.
#pragma once

#include "engine/engine.h"
#include "platform/platform.h"

#include <cstdint>
#include <optional>
#include <string>

namespace mainwin {

// The result states; the numbers are part of the window's contract with its buttons.
namespace State {
inline constexpr int16_t Cleared = 0;
inline constexpr int16_t Checking = 1;
inline constexpr int16_t Failed = 11;
inline constexpr int16_t Unknown = 12;
inline constexpr int16_t Right = 13;
inline constexpr int16_t Wrong = 21;
inline constexpr int16_t Corrected = 22;
} // namespace State

enum class ArrowImage { None, Question, Cannot, Same, Right, Left };

// Which name box marks the name the file bears on disk now.
enum class NameColours { Unchanged, OldNameMarked, NewNameMarked };

// Everything the redraw needs, worked out from the state. Names are in their readable
// form (platform::codepage::readableName): for the eye only, never for a file operation.
struct ResultView {
    std::u16string dir, oldName, newName, ext, desc;
    // The whole of a notice or failure reason shown in the description box, which may be
    // too narrow for it; empty when the box shows a description.
    std::u16string descTooltip;
    ArrowImage arrow = ArrowImage::Question;
    bool execEnabled = false;
    NameColours colours = NameColours::Unchanged;
};

// Why the last check or rename could not go on: a short text that leads with the cause
// and fits the description box, and the whole explanation for its tooltip.
struct Notice {
    std::u16string brief;
    std::u16string full;
    bool empty() const { return brief.empty(); }
};

// Captions that stand in the boxes while the about window is open.
namespace Labels {
inline constexpr char16_t Dir[] = u"ファイルの存在するディレクトリのパス";
inline constexpr char16_t OldName[] = u"元のファイル名";
inline constexpr char16_t NewName[] = u"正しいファイル名";
inline constexpr char16_t Ext[] = u"拡張子";
inline constexpr char16_t Desc[] = u"ファイルタイプの説明";
} // namespace Labels

// True when opening a file of this proper extension through the shell could start a
// program rather than show a document.
bool namesRunnableType(const std::u16string &trueExt);

// Japanese explanation of a refused rename, with the names in their readable form.
Notice renameRefusal(platform::RenameError error, const std::u16string &from, const std::u16string &to,
                     const std::u16string &temporary = {});

class FormMainCore {
public:
    explicit FormMainCore(engine::Engine &engine) : m_engine(engine) {}

    // The window's variables, named as the window's contract names them.
    std::u16string WhatExt;
    std::u16string DropPath;
    std::u16string FileDrive;
    std::u16string FileDir;
    std::u16string OldName;
    std::u16string NewName;
    std::u16string TrueExt;
    std::u16string TypeDesc;
    int16_t CheckState = State::Cleared;
    int16_t StartMode = 0;
    int16_t WhatCount = 0;

    // Why the last check or rename could not go on; shown in place of the description
    // until the next check or successful rename.
    mainwin::Notice Notice;

    void myCheckPath(const std::u16string &path);
    // The file dialog chose a name it could not hand over exactly: nothing is checked.
    void refuseChosenName();
    void myCheckFile();
    void myClear();
    void myToggleName();

    // One step of the extension search with the text of the extension box. The text for
    // the description box, or nothing when the click is ignored.
    std::optional<std::u16string> searchStep(const std::u16string &text);

    ResultView resultView() const;

    // What the window shows, as lines for a terminal where no window can open.
    std::u16string textReport() const;

private:
    bool makeFileFolderCurrent();
    engine::Engine &m_engine;
};

} // namespace mainwin
