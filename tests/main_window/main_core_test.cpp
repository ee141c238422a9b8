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

// A check makes the checked file's folder current. Each test puts the process back where
// it was, so no later test runs inside a temporary folder that has been removed.
class CurrentFolderRestorer : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override { m_saved = std::filesystem::current_path(); }
    void OnTestEnd(const ::testing::TestInfo &) override { std::filesystem::current_path(m_saved); }
    std::filesystem::path m_saved;
};

const bool currentFolderRestored = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new CurrentFolderRestorer);
    return true;
}();

// The engine's answer for one file in a real temporary folder.
struct Checked {
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

TEST(CheckStates, ARightExtensionShowsTheEqualsSignAndMayBeOpened)
{
    Checked c;
    c.check(u"report", u"txt", u"txt");
    EXPECT_EQ(c.core.CheckState, State::Right);
    const mainwin::ResultView v = c.core.resultView();
    EXPECT_EQ(v.arrow, ArrowImage::Same);
    EXPECT_TRUE(v.execEnabled);
    EXPECT_EQ(v.oldName, u"report.txt");
    EXPECT_EQ(v.newName, u"report.txt");
    EXPECT_EQ(v.dir, c.folder.folderText());
}

TEST(CheckStates, AnExtensionThatDiffersOnlyInCaseIsWrong)
{
    Checked c;
    c.check(u"report", u"TXT", u"txt");
    EXPECT_EQ(c.core.CheckState, State::Wrong);
    const mainwin::ResultView v = c.core.resultView();
    EXPECT_EQ(v.arrow, ArrowImage::Right);
    EXPECT_EQ(v.colours, NameColours::OldNameMarked);
    EXPECT_FALSE(v.execEnabled);
    EXPECT_EQ(v.oldName, u"report.TXT");
    EXPECT_EQ(v.newName, u"report.txt");
}

TEST(CheckStates, ALibraryNamedDllWhoseContentIsAnExecutableIsRightButNeverRun)
{
    Checked c;
    c.check(u"setup", u"DLL", u"exe");
    EXPECT_EQ(c.core.CheckState, State::Right);
    EXPECT_FALSE(c.core.resultView().execEnabled);
}

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

TEST(CheckStates, AFileWithoutExtensionGetsOne)
{
    Checked c;
    c.check(u"image", u"", u"gif");
    EXPECT_EQ(c.core.CheckState, State::Wrong);
    EXPECT_EQ(c.core.OldName, u"image");
    EXPECT_EQ(c.core.NewName, u"image.gif");
}

TEST(CheckStates, AnUnrecognisedTypeShowsTheStruckArrowAndTheBareBaseName)
{
    Checked c;
    c.check(u"notes", u"xyz", u"");
    EXPECT_EQ(c.core.CheckState, State::Unknown);
    EXPECT_EQ(c.core.resultView().arrow, ArrowImage::Cannot);
    EXPECT_EQ(c.core.NewName, u"notes");
    EXPECT_TRUE(c.core.resultView().ext.empty());
}

TEST(CheckStates, AFailedCheckLeavesTheCurrentFolderAlone)
{
    TempFolder elsewhere;
    ASSERT_TRUE(platform::setCurrentFolder(elsewhere.path().u16string()));
    Checked c;
    c.core.myCheckPath(c.folder.pathText(u"missing.txt"));
    EXPECT_EQ(c.core.CheckState, State::Failed);
    const mainwin::ResultView v = c.core.resultView();
    EXPECT_EQ(v.arrow, ArrowImage::Question);
    EXPECT_EQ(v.desc, u"ファイルが見つかりません");
    EXPECT_EQ(v.descTooltip, u"ファイルが見つかりません");
    // The user still sees which file was refused.
    EXPECT_EQ(v.dir, c.folder.driveText() + c.folder.folderText());
    EXPECT_EQ(v.oldName, u"missing.txt");
    EXPECT_EQ(std::filesystem::current_path(), elsewhere.path());
}

TEST(CheckStates, ASuccessfulCheckMakesTheFilesFolderCurrent)
{
    TempFolder elsewhere;
    ASSERT_TRUE(platform::setCurrentFolder(elsewhere.path().u16string()));
    Checked c;
    c.check(u"a", u"dat", u"jpg");
    EXPECT_EQ(std::filesystem::current_path(), c.folder.path());
}

TEST(CheckStates, WithoutTheEngineTheCheckStaysUndecidedAndSaysWhy)
{
    Checked c;
    c.engine.loaded = false;
    c.core.myCheckPath(c.folder.pathText(u"file.txt"));
    EXPECT_EQ(c.core.CheckState, State::Checking);
    const mainwin::ResultView v = c.core.resultView();
    EXPECT_EQ(v.arrow, ArrowImage::Question);
    EXPECT_EQ(v.dir, c.folder.driveText() + c.folder.folderText());
    EXPECT_EQ(v.oldName, u"file.txt");
    EXPECT_EQ(v.desc, u"型判定エンジンを読み込めません");
    EXPECT_EQ(v.descTooltip, engine::NotLoadedText);
}

TEST(CheckStates, AFolderThatCannotBeMadeCurrentKeepsTheCheckUndecided)
{
    Checked c;
    const std::u16string gone = c.folder.folderText() + u"gone" + platform::pathSeparator();
    c.engine.answer(c.folder.driveText() + gone + u"a.dat", gone, u"a", u"dat", u"jpg");
    c.core.myCheckPath(c.folder.driveText() + gone + u"a.dat");
    EXPECT_EQ(c.core.CheckState, State::Checking);
    const mainwin::ResultView v = c.core.resultView();
    EXPECT_EQ(v.desc, u"フォルダーに移動できません");
    EXPECT_NE(v.descTooltip.find(u"フォルダーが移動または削除された"), std::u16string::npos);
    EXPECT_EQ(v.dir, c.folder.driveText() + gone);
    EXPECT_EQ(v.oldName, u"a.dat");
    EXPECT_FALSE(v.execEnabled);
}

TEST(CheckStates, AnUnknownStateValueShowsNoImage)
{
    FakeEngine engine;
    FormMainCore core(engine);
    core.CheckState = 5;
    EXPECT_EQ(core.resultView().arrow, ArrowImage::None);
    EXPECT_FALSE(core.resultView().execEnabled);
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

TEST(CheckStates, AnEngineAnswerForAnotherFolderIsNotActedOn)
{
    Checked c;
    c.folder.write("a.dat", "x");
    const std::u16string path = c.folder.pathText(u"a.dat");
    c.engine.answer(path, u"/elsewhere/", u"a", u"dat", u"png");
    c.core.myCheckPath(path);
    EXPECT_EQ(c.core.CheckState, State::Checking);
    EXPECT_EQ(c.core.resultView().desc, u"ファイルの場所を確かめられません");
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

TEST(ToggleName, AVanishedFileIsReportedAndTheStateKept)
{
    Checked c;
    c.check(u"gone", u"dat", u"png");  // never written to disk
    c.core.myToggleName();
    EXPECT_EQ(c.core.CheckState, State::Wrong);
    EXPECT_NE(c.core.resultView().desc.find(u"見つかりません"), std::u16string::npos);
}

TEST(ToggleName, DoesNothingOutsideTheTwoRenameStates)
{
    Checked c;
    c.folder.write("a.txt", "x");
    c.check(u"a", u"txt", u"txt");
    c.core.myToggleName();
    EXPECT_EQ(c.core.CheckState, State::Right);
    EXPECT_TRUE(std::filesystem::exists(c.folder.path() / "a.txt"));
}

TEST(ExtensionSearch, NumbersEachDescriptionThenEndsWithQuestionMarksAndStartsOver)
{
    FakeEngine engine;
    engine.descriptions[u"jpg"] = {u"JPEG 画像", u"JPEG 画像（別名）"};
    FormMainCore core(engine);
    EXPECT_EQ(core.searchStep(u"jpg"), u" 1: JPEG 画像");
    EXPECT_EQ(core.searchStep(u"jpg"), u" 2: JPEG 画像（別名）");
    EXPECT_EQ(core.searchStep(u"jpg"), u"???");
    EXPECT_EQ(core.searchStep(u"jpg"), u" 1: JPEG 画像");
    const std::vector<std::pair<int32_t, std::u16string>> expected = {
        {0, u"jpg"}, {1, u"jpg"}, {1, u"jpg"}, {0, u"jpg"}};
    EXPECT_EQ(engine.whatCalls, expected);
}

TEST(ExtensionSearch, ADifferentlyCasedExtensionStartsANewSearch)
{
    FakeEngine engine;
    engine.descriptions[u"jpg"] = {u"a", u"b"};
    engine.descriptions[u"JPG"] = {u"A"};
    FormMainCore core(engine);
    core.searchStep(u"jpg");
    core.searchStep(u"jpg");
    EXPECT_EQ(core.searchStep(u"JPG"), u" 1: A");
    EXPECT_EQ(engine.whatCalls.back().first, 0);
}

TEST(ExtensionSearch, ACheckBetweenClicksRestartsTheNumbering)
{
    Checked c;
    c.engine.descriptions[u"png"] = {u"PNG 画像", u"two"};
    c.core.searchStep(u"png");
    c.check(u"a", u"png", u"png");
    EXPECT_EQ(c.core.searchStep(u"png"), u" 1: PNG 画像");
}

TEST(ExtensionSearch, AnEmptyBoxIsIgnoredAndAnUnknownExtensionShowsQuestionMarks)
{
    FakeEngine engine;
    FormMainCore core(engine);
    EXPECT_FALSE(core.searchStep(u"").has_value());
    EXPECT_TRUE(engine.whatCalls.empty());
    EXPECT_EQ(core.searchStep(u"zzz"), u"???");
    EXPECT_EQ(core.searchStep(u"zzz"), u"???");
    EXPECT_EQ(engine.whatCalls.back().first, 0);
}

TEST(ExtensionSearch, WithoutTheEngineSaysSo)
{
    FakeEngine engine;
    engine.loaded = false;
    FormMainCore core(engine);
    EXPECT_EQ(core.searchStep(u"png"), engine::NotLoadedText);
}

// The real engine on awkward input: each gets a clear result and nothing is lost.
class BadInput : public ::testing::Test {
protected:
    TempFolder folder;
    engine::LibraryEngine real{platform::programFolder()};
    FormMainCore core{real};
};

TEST_F(BadInput, AMissingPathFailsWithAReason)
{
    core.myCheckPath(folder.pathText(u"nothing-here.txt"));
    EXPECT_EQ(core.CheckState, State::Failed);
    EXPECT_FALSE(core.resultView().desc.empty());
}

TEST_F(BadInput, AFolderFailsWithAReason)
{
    std::filesystem::create_directory(folder.path() / "sub");
    core.myCheckPath(folder.pathText(u"sub"));
    EXPECT_EQ(core.CheckState, State::Failed);
    EXPECT_FALSE(core.resultView().desc.empty());
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "sub"));
}

TEST_F(BadInput, AnEmptyFileIsNotJudgedAndSaysItIsEmpty)
{
    folder.write("empty.png", "");
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

// Names as people write them: a long Japanese name, a title with a version number, and
// periods at either end. The proposal keeps every character the user wrote, and the
// arrow back restores the name exactly as it was.
TEST_F(BadInput, NamesAsPeopleWriteThemAreCheckedAndRenamedBackExactly)
{
    std::u16string japanese;
    for (int i = 0; i < 22; ++i)
        japanese += u"報";
    const struct {
        std::u16string name, proposed;
    } cases[] = {
        {japanese + u".dat", japanese + u".png"},
        {u"Report v1.0 final draft for review", u"Report v1.0 final draft for review.png"},
        {u".photo", u".photo.png"},
        {u"photo.", u"photo.png"},
    };
    for (const auto &c : cases) {
        const std::filesystem::path onDisk = folder.path() / c.name;
        std::ofstream(onDisk, std::ios::binary) << testsupport::tinyPng();
        core.myCheckPath(folder.pathText(c.name));
        ASSERT_EQ(core.CheckState, State::Wrong) << onDisk;
        EXPECT_EQ(core.resultView().oldName, c.name);
        EXPECT_EQ(core.resultView().newName, c.proposed);
        core.myToggleName();
        EXPECT_TRUE(std::filesystem::exists(folder.path() / c.proposed)) << onDisk;
        core.myToggleName();
        EXPECT_EQ(core.CheckState, State::Wrong);
        EXPECT_EQ(TempFolder::read(onDisk), testsupport::tinyPng()) << onDisk;
    }
}

TEST_F(BadInput, ANameOutsideTheJapaneseCodePageIsCheckedAndRenamed)
{
    if (!platform::codepage::toEngineText(u"\U0001F30A \u00E9t\u00E9"))
        GTEST_SKIP() << "the engine's text here is the ANSI code page, which cannot carry this name";
    folder.write("\xF0\x9F\x8C\x8A \xC3\xA9t\xC3\xA9.dat", testsupport::tinyPng());  // 🌊 été
    core.myCheckPath(folder.pathText(u"\U0001F30A \u00E9t\u00E9.dat"));
    ASSERT_EQ(core.CheckState, State::Wrong);
    core.myToggleName();
    EXPECT_EQ(core.CheckState, State::Corrected);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "\xF0\x9F\x8C\x8A \xC3\xA9t\xC3\xA9.png"));
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
