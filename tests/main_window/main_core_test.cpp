#include "main_window/main_core.h"
#include "platform/codepage.h"
#include "platform/platform.h"
#include "support/fake_engine.h"
#include "support/temp_folder.h"
#include "type_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using mainwin::ArrowImage;
using mainwin::FormMainCore;
using mainwin::NameColours;
namespace State = mainwin::State;
using testsupport::FakeEngine;
using testsupport::TempFolder;

namespace {

// The engine's answer for one file in a real temporary folder. A check makes the file's
// folder current: the process is put back where it was, so that no later test runs
// inside a temporary folder that has been removed.
struct Checked {
    testsupport::CurrentFolderGuard restoreCurrentFolder;
    TempFolder folder;
    FakeEngine engine;
    FormMainCore core{engine};

    void check(const std::u16string &base, const std::u16string &presentExt,
               const std::u16string &trueExt)
    {
        const std::u16string name = presentExt.empty() ? base : base + u"." + presentExt;
        const std::u16string path = folder.pathText(name);
        engine.answer(path, folder.folderText(), base, presentExt, trueExt);
        core.myCheckPath(path);
    }
};

} // namespace

TEST(CheckStates, NoRunnableTypeIsEverOfferedForOpening)
{
    for (const std::u16string ext : {u"com", u"bat", u"CMD", u"js", u"Vbs", u"ps1", u"jar", u"lnk", u"reg", u"sh",
                                     u"desktop", u"AppImage", u"msi", u"elf", u"so", u"py", u"pl", u"rb", u"php",
                                     u"lua", u"awk"}) {
        Checked c;
        c.check(u"prog", ext, ext);
        EXPECT_EQ(c.core.CheckState, State::Right) << std::string(ext.begin(), ext.end());
        EXPECT_FALSE(c.core.resultView().execEnabled) << std::string(ext.begin(), ext.end());
    }
    Checked library;  // judged by what it holds, not by its name
    library.check(u"setup", u"DLL", u"exe");
    EXPECT_EQ(library.core.CheckState, State::Right);
    EXPECT_FALSE(library.core.resultView().execEnabled);
}

// The guard is generated from the engine's table: every extension of every program or
// script type there, and nothing a document carries.
TEST(CheckStates, TheGuardCoversEveryExtensionOfTheEnginesProgramTypes)
{
    const auto wide = [](std::string_view ext) { return std::u16string(ext.begin(), ext.end()); };
    for (const tivex::TypeInfo &type : tivex::allTypes()) {
        if (!type.has(tivex::Runnable))
            continue;
        std::string_view words = type.aliases;
        EXPECT_TRUE(type.ext.empty() || mainwin::namesRunnableType(wide(type.ext))) << type.id;
        while (!words.empty()) {
            const std::size_t end = std::min(words.find(' '), words.size());
            EXPECT_TRUE(mainwin::namesRunnableType(wide(words.substr(0, end)))) << type.id;
            words.remove_prefix(std::min(end + 1, words.size()));
        }
    }
    for (const std::u16string ext : {u"png", u"txt", u"pdf", u"jpg", u"html"})
        EXPECT_FALSE(mainwin::namesRunnableType(ext)) << std::string(ext.begin(), ext.end());
}

// A check that cannot go on still shows which file it was about, says why (the whole
// reason in the tooltip), offers nothing and leaves the current folder alone; only a
// successful check makes the file's folder current.
TEST(CheckStates, ACheckThatCannotGoOnSaysWhyAndLeavesTheCurrentFolderAlone)
{
    enum Way { Missing, NoEngine, FolderGone, AnswerForAnotherFolder, NulInName, Checks };
    const struct {
        const char *name;
        Way way;
        int16_t state;
        std::u16string desc, tooltip;  // the tooltip holds the whole reason, or includes this
    } cases[] = {
        // The system would end the path at the NUL: the engine would check a.dat, and the
        // arrow would rename it. Refused before the engine is asked.
        {"a NUL in the name", NulInName, State::Failed, u"ファイル名に使えない文字を含むパスです", u"NUL 文字"},
        {"missing", Missing, State::Failed, u"ファイルが見つかりません", u"ファイルが見つかりません"},
        {"no engine", NoEngine, State::Checking, u"型判定エンジンを読み込めません", engine::NotLoadedText},
        {"folder gone", FolderGone, State::Checking, u"フォルダーに移動できません", u"フォルダーが移動または削除された"},
        {"answer for another folder", AnswerForAnotherFolder, State::Checking, u"ファイルの場所を確かめられません",
         u"パスと一致しません"},
        {"checks", Checks, State::Wrong, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::CurrentFolderGuard restoreCurrentFolder;
        TempFolder elsewhere;
        ASSERT_TRUE(platform::setCurrentFolder(elsewhere.path().u16string()));
        Checked checked;
        std::u16string folder = checked.folder.folderText();
        if (c.way == FolderGone)
            folder += u"gone" + std::u16string(1, platform::pathSeparator());
        const std::u16string tail = c.way == NulInName ? std::u16string(u"\0zzz", 4) : std::u16string();
        const std::u16string path = checked.folder.driveText() + folder + u"a.dat" + tail;
        checked.engine.loaded = c.way != NoEngine;
        if (c.way != Missing)
            checked.engine.answer(path, c.way == AnswerForAnotherFolder ? u"/elsewhere/" : folder, u"a", u"dat", u"jpg");
        checked.core.myCheckPath(path);
        EXPECT_EQ(checked.core.CheckState, c.state);
        const mainwin::ResultView v = checked.core.resultView();
        // A decided check shows the folder as the engine gave it, an undecided one as dropped.
        EXPECT_EQ(v.dir, (c.way == Checks ? std::u16string() : checked.folder.driveText()) + folder);
        EXPECT_EQ(v.oldName, c.way == NulInName ? u"a.dat\\x00zzz" : u"a.dat");
        EXPECT_EQ(std::filesystem::current_path(), c.way == Checks ? checked.folder.path() : elsewhere.path());
        EXPECT_EQ(checked.engine.checkedPaths.size(), c.way == NulInName ? 0u : 1u);
        if (c.way == Checks)
            continue;
        EXPECT_EQ(v.desc, c.desc);
        EXPECT_EQ(v.arrow, ArrowImage::Question);
        EXPECT_FALSE(v.execEnabled);
        EXPECT_NE(v.descTooltip.find(c.tooltip), std::u16string::npos);
    }
}

TEST(CheckStates, ANewCheckStartsAfresh)
{
    Checked c;
    c.check(u"photo", u"dat", u"jpg");
    c.core.WhatExt = u"jpg";
    c.core.myCheckPath(c.folder.pathText(u"nothing"));
    EXPECT_EQ(c.core.CheckState, State::Failed);
    EXPECT_TRUE(c.core.OldName.empty());
    EXPECT_TRUE(c.core.TrueExt.empty());
    EXPECT_TRUE(c.core.WhatExt.empty());
}

TEST(ToggleName, RenamesToTheProperNameAndBackOnDisk)
{
    Checked c;
    c.folder.write("photo.JPG", "content");
    c.check(u"photo", u"JPG", u"jpg");
    c.core.myToggleName();
    EXPECT_EQ(c.core.CheckState, State::Corrected);
    EXPECT_EQ(TempFolder::read(c.folder.path() / "photo.jpg"), "content");
    const mainwin::ResultView v = c.core.resultView();
    EXPECT_EQ(v.arrow, ArrowImage::Left);
    EXPECT_EQ(v.colours, NameColours::NewNameMarked);
    EXPECT_TRUE(v.execEnabled);
    c.core.myToggleName();
    EXPECT_EQ(c.core.CheckState, State::Wrong);
    EXPECT_TRUE(std::filesystem::exists(c.folder.path() / "photo.JPG"));
}

TEST(ToggleName, RenamesTheCheckedFileEvenAfterTheCurrentFolderMoved)
{
    Checked c;
    c.folder.write("a.dat", "checked");
    c.check(u"a", u"dat", u"png");
    TempFolder other;
    other.write("a.dat", "bystander");
    ASSERT_TRUE(platform::setCurrentFolder(other.path().u16string()));
    c.core.myToggleName();
    EXPECT_EQ(c.core.CheckState, State::Corrected);
    EXPECT_EQ(TempFolder::read(c.folder.path() / "a.png"), "checked");
    EXPECT_EQ(TempFolder::read(other.path() / "a.dat"), "bystander");
    EXPECT_FALSE(std::filesystem::exists(other.path() / "a.png"));
}

TEST(ToggleName, ARefusedRenameKeepsTheStateAndEveryFileAndSaysWhy)
{
    Checked c;
    c.folder.write("a.dat", "mine");
    c.folder.write("a.png", "already here");
    c.check(u"a", u"dat", u"png");
    c.core.myToggleName();
    EXPECT_EQ(c.core.CheckState, State::Wrong);
    EXPECT_EQ(TempFolder::read(c.folder.path() / "a.dat"), "mine");
    EXPECT_EQ(TempFolder::read(c.folder.path() / "a.png"), "already here");
    // The box is narrow: the cause comes first, the whole sentence is the tooltip.
    const mainwin::ResultView v = c.core.resultView();
    EXPECT_EQ(v.desc, u"同名のファイルが既にあります：a.png");
    EXPECT_EQ(v.descTooltip, u"名前を変更できません。「a.png」という名前のファイルが既にあります");
    c.folder.write("b.dat", "other");
    c.check(u"b", u"dat", u"png");
    EXPECT_TRUE(c.core.resultView().descTooltip.empty());
}

TEST(ToggleName, RefusalsShowNamesReadablyAndWhereAStrandedFileNowIs)
{
    using platform::RenameError;
    const auto says = [](RenameError error, std::u16string_view part) {
        return mainwin::renameRefusal(error, u"a\xDCFF.txt", u"A\xDCFF.TXT", u".sorvena-rename-7-0")
                   .full
                   .find(part) != std::u16string::npos;
    };
    EXPECT_TRUE(says(RenameError::TargetExists, u"「A\\xFF.TXT」"));
    EXPECT_TRUE(says(RenameError::ChangedMeanwhile, u"「a\\xFF.txt」"));
    EXPECT_TRUE(says(RenameError::LeftUnderTemporaryName, u"「.sorvena-rename-7-0」"));
}

TEST(ToggleName, DoesNothingOutsideTheRenameStatesAndKeepsTheStateWhenTheFileVanished)
{
    Checked c;
    c.folder.write("a.txt", "x");
    c.check(u"a", u"txt", u"txt");
    c.core.myToggleName();
    EXPECT_EQ(c.core.CheckState, State::Right);
    EXPECT_TRUE(std::filesystem::exists(c.folder.path() / "a.txt"));
    c.check(u"gone", u"dat", u"png");  // never written to disk
    c.core.myToggleName();
    EXPECT_EQ(c.core.CheckState, State::Wrong);
    EXPECT_NE(c.core.resultView().desc.find(u"見つかりません"), std::u16string::npos);
}

// Each click shows the next description, then "???", then starts over; another
// spelling of the extension, or a check between clicks, starts a new search.
TEST(ExtensionSearch, NumbersEachDescriptionThenEndsWithQuestionMarksAndStartsOver)
{
    Checked c;
    c.engine.descriptions[u"jpg"] = {u"JPEG 画像", u"JPEG 画像（別名）"};
    c.engine.descriptions[u"JPG"] = {u"A"};
    EXPECT_EQ(c.core.searchStep(u"jpg"), u" 1: JPEG 画像");
    EXPECT_EQ(c.core.searchStep(u"jpg"), u" 2: JPEG 画像（別名）");
    EXPECT_EQ(c.core.searchStep(u"jpg"), u"???");
    EXPECT_EQ(c.core.searchStep(u"jpg"), u" 1: JPEG 画像");
    const std::vector<std::pair<int32_t, std::u16string>> expected = {
        {0, u"jpg"}, {1, u"jpg"}, {1, u"jpg"}, {0, u"jpg"}};
    EXPECT_EQ(c.engine.whatCalls, expected);
    EXPECT_EQ(c.core.searchStep(u"JPG"), u" 1: A");
    EXPECT_EQ(c.engine.whatCalls.back().first, 0);
    c.core.searchStep(u"jpg");
    c.check(u"a", u"png", u"png");
    EXPECT_EQ(c.core.searchStep(u"jpg"), u" 1: JPEG 画像");
}

TEST(ExtensionSearch, AnEmptyBoxIsIgnoredAnUnknownExtensionShowsQuestionMarksAndNoEngineSaysSo)
{
    Checked c;
    EXPECT_FALSE(c.core.searchStep(u"").has_value());
    EXPECT_TRUE(c.engine.whatCalls.empty());
    EXPECT_EQ(c.core.searchStep(u"zzz"), u"???");
    EXPECT_EQ(c.core.searchStep(u"zzz"), u"???");
    EXPECT_EQ(c.engine.whatCalls.back().first, 0);
    c.engine.loaded = false;
    EXPECT_EQ(c.core.searchStep(u"png"), engine::NotLoadedText);
}

// The real engine on awkward input: each gets a clear result and nothing is lost.
class BadInput : public ::testing::Test {
protected:
    testsupport::CurrentFolderGuard restoreCurrentFolder;
    TempFolder folder;
    FormMainCore core{engine::programEngine()};
};

TEST_F(BadInput, AFolderFailsAndAnEmptyFileSaysItIsEmpty)
{
    std::filesystem::create_directory(folder.path() / "sub");
    folder.write("empty.png", "");
    core.myCheckPath(folder.pathText(u"sub"));
    EXPECT_EQ(core.CheckState, State::Failed);
    EXPECT_FALSE(core.resultView().desc.empty());
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "sub"));
    core.myCheckPath(folder.pathText(u"empty.png"));
    EXPECT_EQ(core.CheckState, State::Unknown);
    EXPECT_NE(core.TypeDesc.find(u"空"), std::u16string::npos);
}

TEST_F(BadInput, AnUnreadableFileFailsWithAReason)
{
    if (!testsupport::permissionsDenyReading())
        GTEST_SKIP() << "file modes do not keep this process from reading (the superuser, or Windows)";
    const auto file = folder.write("secret.txt", "text");
    std::filesystem::permissions(file, std::filesystem::perms::none);
    core.myCheckPath(folder.pathText(u"secret.txt"));
    EXPECT_EQ(core.CheckState, State::Failed);
    EXPECT_FALSE(core.resultView().desc.empty());
}

// Names as people write them: Japanese names short and long, a title with a version
// number, periods at either end, and names outside the Japanese code page. The proposal
// keeps every character the user wrote, and the arrow back restores the name exactly as
// it was.
TEST_F(BadInput, NamesAsPeopleWriteThemAreCheckedAndRenamedBackExactly)
{
    const std::u16string japanese(22, u'報');
    const std::u16string longJapanese(80, u'報');
    const struct {
        std::u16string name, proposed;
    } cases[] = {
        {japanese + u".dat", japanese + u".png"},
        {longJapanese + u".dat", longJapanese + u".png"},
        {u"caf\u00E9.txt", u"caf\u00E9.png"},
        {u"Report v1.0 final draft for review", u"Report v1.0 final draft for review.png"},
        {u".photo", u".photo.png"},
        {u"photo.", u"photo.png"},
        {u"\U0001F30A \u00E9t\u00E9.dat", u"\U0001F30A \u00E9t\u00E9.png"},
    };
    for (const auto &c : cases) {
        const std::filesystem::path onDisk = folder.path() / c.name;
        std::ofstream(onDisk, std::ios::binary) << testsupport::tinyPng();
        core.myCheckPath(folder.pathText(c.name));
        ASSERT_EQ(core.CheckState, State::Wrong) << onDisk;
        EXPECT_EQ(core.resultView().oldName, c.name);
        EXPECT_EQ(core.resultView().newName, c.proposed);
        core.myToggleName();
        EXPECT_EQ(core.CheckState, State::Corrected);
        EXPECT_TRUE(std::filesystem::exists(folder.path() / c.proposed)) << onDisk;
        core.myToggleName();
        EXPECT_EQ(core.CheckState, State::Wrong);
        EXPECT_EQ(TempFolder::read(onDisk), testsupport::tinyPng()) << onDisk;
    }
}

TEST_F(BadInput, ANameThatIsNotUtf8IsCheckedAndRenamedAndItsLookalikeLeftAlone)
{
    if (!testsupport::namesAreBytes())
        GTEST_SKIP() << "file names on Windows are UTF-16: no name holds bytes that are not UTF-8";
    // Shift-JIS bytes from an old archive beside a file spelled with U+FFFD in their place.
    const std::string bytes = folder.file("photo\x8E\xCA.txt");
    const std::string lookalike = folder.file("photo\xEF\xBF\xBD\xEF\xBF\xBD.txt");
    ASSERT_TRUE(testsupport::writeFile(bytes, testsupport::tinyPng()));
    ASSERT_TRUE(testsupport::writeFile(lookalike, "a note"));
    core.myCheckPath(platform::codepage::nameFromBytes(bytes));
    ASSERT_EQ(core.CheckState, State::Wrong);
    EXPECT_EQ(core.resultView().oldName, u"photo\\x8E\\xCA.txt");
    EXPECT_EQ(core.resultView().newName, u"photo\\x8E\\xCA.png");
    core.myToggleName();
    EXPECT_EQ(core.CheckState, State::Corrected);
    EXPECT_EQ(testsupport::readFile(folder.file("photo\x8E\xCA.png")), testsupport::tinyPng());
    EXPECT_EQ(testsupport::readFile(lookalike), "a note");
}
