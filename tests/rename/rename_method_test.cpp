#include "engine/engine.h"
#include "platform/platform.h"
#include "rename/rename_core.h"
#include "rename_support.h"

#include <gtest/gtest.h>

using namespace renametest;
namespace Method = renamer::Method;
namespace Messages = renamer::Messages;

namespace {

// A core set up with the settings the window would hold, ready for one method.
struct Proposal : Recorder {
    explicit Proposal(int method)
    {
        core.RenMethod = method;
        core.RenAffix = u"-";
        core.RenNewExt = u"txt";
        core.RenHead = u"img";
        core.RenNumText = u"001";
        core.RenSeqExt = u"jpg";
    }

    // Drops one file and gives its proposal.
    std::u16string of(const std::u16string &name)
    {
        dropNames({name});
        return core.RenNewName.at(0);
    }

    Mark markOf(const std::u16string &name)
    {
        dropNames({name});
        return core.RenMark.at(0);
    }
};

engine::CheckExtResult engineAnswer(int16_t result, std::u16string ext)
{
    engine::CheckExtResult answer;
    answer.loaded = true;
    answer.result = result;
    answer.ext = std::move(ext);
    return answer;
}

} // namespace

TEST(MethodAuto, ProposesTheEnginesExtensionUnlessOnlyItsCaseDiffers)
{
    Proposal p(Method::Auto);
    p.engine.extAnswers[u"/data/a.dat"] = engineAnswer(1, u"jpg");
    p.engine.extAnswers[u"/data/b.JPG"] = engineAnswer(1, u"jpg");
    p.engine.extAnswers[u"/data/readme"] = engineAnswer(1, u"jpg");
    p.dropNames({u"readme", u"b.JPG", u"a.dat"});
    EXPECT_EQ(p.core.RenNewName, (Names{u"a.jpg", u"b.JPG", u"readme.jpg"}));
    EXPECT_EQ(p.core.RenMark, (Marks{Mark::ToRename, Mark::SameName, Mark::ToRename}));
    EXPECT_EQ(p.core.RenState, RenameState::CanRename);
}

TEST(MethodAuto, KeepsTheNameWhenTheEngineFindsNothing)
{
    Proposal p(Method::Auto);
    p.engine.extAnswers[u"/data/a.dat"] = engineAnswer(0, u"jpg");
    p.engine.extAnswers[u"/data/b.dat"] = engineAnswer(1, u"");
    p.engine.extAnswers[u"/data/c.dat"] = engineAnswer(-1, u"png");
    p.dropNames({u"a.dat", u"b.dat", u"c.dat", u"unknown.dat"});
    EXPECT_EQ(p.core.RenNewName, (Names{u"a.dat", u"b.dat", u"c.dat", u"unknown.dat"}));
    EXPECT_EQ(p.core.RenMark, Marks(4, Mark::SameName));
    EXPECT_TRUE(p.messages.empty());
}

TEST(MethodAuto, AsksTheEngineAgainForEveryFileOnEveryRun)
{
    Proposal p(Method::Auto);
    p.dropNames({u"b.dat", u"a.dat"});
    p.core.ApplyRenameRule();
    EXPECT_EQ(p.engine.extCheckedPaths,
              (Names{u"/data/a.dat", u"/data/b.dat", u"/data/a.dat", u"/data/b.dat"}));
}

TEST(MethodAuto, SaysSoWhenTheEngineCannotBeLoaded)
{
    Proposal p(Method::Auto);
    p.engine.loaded = false;
    p.engine.extAnswers[u"/data/a.dat"] = engineAnswer(1, u"jpg");
    p.dropNames({u"a.dat", u"b.dat"});
    EXPECT_EQ(p.core.RenMark, Marks(2, Mark::SameName));
    EXPECT_EQ(p.messages, (Names{engine::NotLoadedText}));
}

TEST(MethodAuto, TheRealEngineJudgesRealFilesByTheirContent)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.valid());
    folder.write("picture.dat", testsupport::tinyPng());
    folder.write("anim.png", std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                                         "!\xf9\x04\x01\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01"
                                         "\x00\x00\x02\x02" "D\x01\x00;",
                                         43));
    folder.write("report", "%PDF-1.4\n1 0 obj<<>>endobj\ntrailer<<>>\n%%EOF\n");
    folder.write("notes.txt", "Plain text, written by hand.\nA second line.\n");
    folder.write("copy.PNG", testsupport::tinyPng());

    engine::LibraryEngine real(platform::programFolder());
    std::vector<std::u16string> messages;
    renamer::FormRenameCore core(real, [&messages](const std::u16string &m) { messages.push_back(m); });
    core.MakeRenameList({folder.pathText(u"picture.dat"), folder.pathText(u"anim.png"),
                         folder.pathText(u"report"), folder.pathText(u"notes.txt"), folder.pathText(u"copy.PNG")},
                        {}, {}, {});

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(core.RenOldName, (Names{u"anim.png", u"copy.PNG", u"notes.txt", u"picture.dat", u"report"}));
    EXPECT_EQ(core.RenNewName, (Names{u"anim.gif", u"copy.PNG", u"notes.txt", u"picture.png", u"report.pdf"}));
    EXPECT_EQ(core.RenMark, (Marks{Mark::ToRename, Mark::SameName, Mark::SameName, Mark::ToRename,
                                   Mark::ToRename}));
}

TEST(MethodNewExtension, PutsTheExtensionAsItStands)
{
    Proposal p(Method::NewExtension);
    EXPECT_EQ(p.of(u"memo.doc"), u"memo.txt");
    EXPECT_EQ(p.of(u"memo.TXT"), u"memo.txt");
    EXPECT_EQ(p.markOf(u"memo.TXT"), Mark::ToRename);
    EXPECT_EQ(p.markOf(u"memo.txt"), Mark::SameName);
    EXPECT_EQ(p.of(u"a.b.c"), u"a.b.txt");
    EXPECT_EQ(p.of(u"notes"), u"notes.txt");
}

TEST(MethodNewExtension, AnEmptyExtensionLeavesATrailingPeriod)
{
    Proposal p(Method::NewExtension);
    p.core.RenNewExt.clear();
    EXPECT_EQ(p.of(u"memo"), u"memo.");
    EXPECT_EQ(p.markOf(u"memo"), Mark::ToRename);
    p.core.RenNewExt = u".JPG";
    EXPECT_EQ(p.of(u"memo.doc"), u"memo..JPG");
}

namespace {

struct SequenceCase {
    const char16_t *numberText;
    int files;
    Names expected;
};

} // namespace

TEST(MethodSequence, NumbersFollowTheStartTextsValueAndWidth)
{
    const SequenceCase cases[] = {
        {u"001", 2, {u"img001.jpg", u"img002.jpg"}},
        {u"7", 2, {u"img7.jpg", u"img8.jpg"}},
        {u"0099", 2, {u"img0099.jpg", u"img0100.jpg"}},
        {u"998", 3, {u"img998.jpg", u"img999.jpg", u"img1000.jpg"}},
        {u"", 2, {u"img0.jpg", u"img1.jpg"}},
        {u"abc", 2, {u"img000.jpg", u"img001.jpg"}},
        {u"-2", 3, {u"img-02.jpg", u"img-01.jpg", u"img00.jpg"}},
        {u"2.9", 2, {u"img002.jpg", u"img003.jpg"}},
        {u"-1.5", 2, {u"img-0002.jpg", u"img-0001.jpg"}},
    };
    const Names files = {u"a.gif", u"b.png", u"c.bmp"};
    for (const SequenceCase &c : cases) {
        // Typed into the number box after the drop, as an empty box would otherwise be
        // filled with the default start.
        Proposal p(Method::Sequence);
        p.dropNames(Names(files.begin(), files.begin() + c.files));
        p.core.nameBoxEdited(renamer::NameBox::Number, c.numberText);
        p.core.ApplyRenameRule();
        EXPECT_EQ(p.core.RenNewName, c.expected) << narrow(c.numberText);
        EXPECT_EQ(p.core.RenState, RenameState::CanRename) << narrow(c.numberText);
    }
}

TEST(MethodSequence, RemembersTheStartAndTheDigitPattern)
{
    Proposal p(Method::Sequence);
    p.dropNames({u"b.png", u"a.gif"});
    EXPECT_EQ(p.core.RenNumStart, 1);
    EXPECT_EQ(p.core.RenNumFormat, u"000");
    EXPECT_EQ(p.core.RenMark, (Marks{Mark::ToRename, Mark::ToRename}));
}

TEST(MethodSequence, ANameThatAlreadyFitsKeepsItButStillTakesItsNumber)
{
    Proposal p(Method::Sequence);
    p.dropNames({u"img001.jpg", u"x.jpg"});
    EXPECT_EQ(p.core.RenNewName, (Names{u"img001.jpg", u"img002.jpg"}));
    EXPECT_EQ(p.core.RenMark, (Marks{Mark::SameName, Mark::ToRename}));
}

TEST(MethodSequence, WorksOutStartAndPatternEvenForAnEmptyList)
{
    Proposal p(Method::Sequence);
    p.core.RenNumText = u"0042";
    p.core.ApplyRenameRule();
    EXPECT_EQ(p.core.RenNumStart, 42);
    EXPECT_EQ(p.core.RenNumFormat, u"0000");
    EXPECT_EQ(p.core.RenState, RenameState::CanRename);
}

TEST(MethodSequence, ReachesTheEndsOfTheCounterRange)
{
    Proposal p(Method::Sequence);
    p.core.RenNumText = u"32766";
    p.dropNames({u"a", u"b"});
    EXPECT_EQ(p.core.RenNewName, (Names{u"img32766.jpg", u"img32767.jpg"}));
    p.core.RenNumText = u"-32768";
    p.dropNames({u"a"});
    EXPECT_EQ(p.core.RenNewName, (Names{u"img-032768.jpg"}));
    EXPECT_TRUE(p.messages.empty());
}

TEST(MethodSequence, NumbersBeyondTheCounterRangeAreRefusedWithoutAProposal)
{
    for (const std::u16string start : {u"32767", u"32768", u"-32769", u"1e9", u"-1e999"}) {
        Proposal p(Method::Sequence);
        p.core.RenNumText = start;
        p.dropNames({u"a.gif", u"b.png"});
        EXPECT_EQ(p.messages, (Names{Messages::IllegalSequenceNumber})) << narrow(start);
        EXPECT_EQ(p.core.RenState, RenameState::NeedList) << narrow(start);
        EXPECT_EQ(p.core.RenNewName, (Names{u"", u""})) << narrow(start);
        EXPECT_EQ(p.core.RenMark, (Marks{Mark::Unset, Mark::Unset})) << narrow(start);
    }
}

TEST(MethodSequence, ARefusedStartLeavesAnEarlierProposalAsItWas)
{
    Proposal p(Method::Sequence);
    p.dropNames({u"a.gif", u"b.png"});
    p.core.nameBoxEdited(renamer::NameBox::Number, u"40000");
    p.core.ApplyRenameRule();
    EXPECT_EQ(p.messages, (Names{Messages::IllegalSequenceNumber}));
    EXPECT_EQ(p.core.RenState, RenameState::NeedList);
    EXPECT_EQ(p.core.RenNewName, (Names{u"img001.jpg", u"img002.jpg"}));
    EXPECT_EQ(p.core.RenNumStart, 1);
    EXPECT_EQ(p.core.RenNumFormat, u"000");
}

TEST(MethodShortcut, RemovesTheShellsWordingInBothKatakanaWidths)
{
    Proposal p(Method::NoShortcutWording);
    EXPECT_EQ(p.of(u"memoへのショートカット.lnk"), u"memo.lnk");
    EXPECT_EQ(p.of(u"memoへのｼｮｰﾄｶｯﾄ.LNK"), u"memo.lnk");
    EXPECT_EQ(p.of(u"ショートカット home.URL"), u"home.url");
    EXPECT_EQ(p.markOf(u"memoへのショートカット.lnk"), Mark::ToRename);
}

TEST(MethodShortcut, LeavesNamesWithoutTheFullWordingAlone)
{
    Proposal p(Method::NoShortcutWording);
    for (const std::u16string name : {u"へのショートカット.lnk", u"memoへのショートカット.url",
                                      u"a.lnk", u"ショートカット .url", u"ショートカットhome.url",
                                      u"memoへのしょーとかっと.lnk"}) {
        EXPECT_EQ(p.of(name), name) << narrow(name);
        EXPECT_EQ(p.core.RenMark.at(0), Mark::SameName) << narrow(name);
    }
}

TEST(MethodCase, ChangesTheWholeNameExtensionIncluded)
{
    Proposal lower(Method::LowerCase);
    EXPECT_EQ(lower.of(u"README.TXT"), u"readme.txt");
    EXPECT_EQ(lower.markOf(u"readme.txt"), Mark::SameName);
    EXPECT_EQ(lower.of(u"ＭＥＭＯ写真.JPG"), u"ｍｅｍｏ写真.jpg");
    Proposal upper(Method::UpperCase);
    EXPECT_EQ(upper.of(u"readme.txt"), u"README.TXT");
    EXPECT_EQ(upper.markOf(u"写真.JPG"), Mark::SameName);
}

TEST(MethodSpaces, RemovesHalfWidthAndIdeographicBlanksEverywhere)
{
    Proposal p(Method::NoSpaces);
    EXPECT_EQ(p.of(u"my file\u30001.txt"), u"myfile1.txt");
    EXPECT_EQ(p.of(u"a.t xt"), u"a.txt");
    EXPECT_EQ(p.markOf(u"tight.txt"), Mark::SameName);
}

TEST(MethodBrackets, RemovesBracketedPartsOfBothWidthsNested)
{
    Proposal p(Method::NoBrackets);
    EXPECT_EQ(p.of(u"report(1).doc"), u"report.doc");
    EXPECT_EQ(p.of(u"a（b(c)d）e.txt"), u"ae.txt");
    EXPECT_EQ(p.of(u"a(b）c.txt"), u"ac.txt");
    EXPECT_EQ(p.of(u"a((b)c)d.txt"), u"ad.txt");
    EXPECT_EQ(p.of(u"a)b.txt"), u"a)b.txt");
    EXPECT_EQ(p.markOf(u"a)b.txt"), Mark::SameName);
}

TEST(MethodBrackets, AnUnclosedBracketTakesTheRestOfTheName)
{
    Proposal p(Method::NoBrackets);
    EXPECT_EQ(p.of(u"a(b.txt"), u"a");
    EXPECT_EQ(p.of(u"(abc)"), u"");
    EXPECT_EQ(p.markOf(u"(abc)"), Mark::ToRename);
}

TEST(MethodAffix, AddsAndRemovesAtTheStart)
{
    Proposal add(Method::AddAtStart);
    EXPECT_EQ(add.of(u"file.txt"), u"-file.txt");
    Proposal del(Method::DeleteAtStart);
    EXPECT_EQ(del.of(u"-file.txt"), u"file.txt");
    EXPECT_EQ(del.of(u"file.txt"), u"file.txt");
    EXPECT_EQ(del.markOf(u"file.txt"), Mark::SameName);
    EXPECT_EQ(del.of(u"-.txt"), u"-.txt");
    EXPECT_EQ(del.of(u"--a.txt"), u"-a.txt");
    EXPECT_EQ(del.of(u"-abc"), u"abc.");
}

TEST(MethodAffix, AddsAndRemovesAtTheEnd)
{
    Proposal add(Method::AddAtEnd);
    EXPECT_EQ(add.of(u"file.txt"), u"file-.txt");
    EXPECT_EQ(add.of(u"file"), u"file-.");
    Proposal del(Method::DeleteAtEnd);
    EXPECT_EQ(del.of(u"file-.txt"), u"file.txt");
    EXPECT_EQ(del.of(u"file.txt"), u"file.txt");
    EXPECT_EQ(del.of(u"-.txt"), u"-.txt");
    EXPECT_EQ(del.of(u"a--.txt"), u"a-.txt");
}

TEST(MethodAffix, MatchesExactlyWithoutFoldingCaseOrWidth)
{
    Proposal p(Method::DeleteAtStart);
    p.core.RenAffix = u"IMG_";
    EXPECT_EQ(p.of(u"img_1.jpg"), u"img_1.jpg");
    EXPECT_EQ(p.of(u"ＩＭＧ_1.jpg"), u"ＩＭＧ_1.jpg");
    EXPECT_EQ(p.of(u"IMG_1.jpg"), u"1.jpg");
}

TEST(MethodAffix, AnEmptyAffixOnlyAddsAPeriodToNamesWithoutExtension)
{
    for (int method : {Method::AddAtStart, Method::DeleteAtStart, Method::AddAtEnd, Method::DeleteAtEnd}) {
        Proposal p(method);
        p.core.RenAffix.clear();
        p.dropNames({u"file.txt", u"plain"});
        const bool addsAtStart = method == Method::AddAtStart;
        EXPECT_EQ(p.core.RenNewName, (Names{u"file.txt", addsAtStart ? u"plain" : u"plain."})) << method;
        EXPECT_EQ(p.core.RenMark, (Marks{Mark::SameName, addsAtStart ? Mark::SameName : Mark::ToRename}))
            << method;
    }
}

TEST(MethodIndex, OutsideTheTwelveMethodsIsReportedAndChangesNoEntry)
{
    for (int method : {12, -1}) {
        Proposal p(Method::UpperCase);
        p.dropNames({u"a.txt"});
        p.core.RenMethod = method;
        p.core.InvalidateRenameList();
        p.core.ApplyRenameRule();
        const std::string digits = std::to_string(method);
        EXPECT_EQ(p.messages, (Names{u"Illegal Rename Method " + std::u16string(digits.begin(), digits.end())}));
        EXPECT_EQ(p.core.RenNewName, (Names{u"A.TXT"}));
        EXPECT_EQ(p.core.RenMark, (Marks{Mark::ToRename}));
        EXPECT_EQ(p.core.RenState, RenameState::CanRename);
    }
}

TEST(MethodChoice, ASwitchWithAProposalShownWorksItOutAgainAtOnce)
{
    Proposal p(Method::NewExtension);
    p.dropNames({u"Memo.DOC"});
    p.core.selectMethod(Method::LowerCase);
    EXPECT_EQ(p.core.RenNewName, (Names{u"memo.doc"}));
    EXPECT_EQ(p.core.RenState, RenameState::CanRename);
}

TEST(MethodChoice, ASwitchWithoutFilesOnlyRemembersTheMethod)
{
    Proposal p(Method::Auto);
    p.core.selectMethod(Method::NoSpaces);
    EXPECT_EQ(p.core.RenMethod, Method::NoSpaces);
    EXPECT_EQ(p.core.RenState, RenameState::NoFiles);
    EXPECT_TRUE(p.engine.extCheckedPaths.empty());
}

TEST(NameBoxes, FeedTheSettingOfTheCurrentMethodAndMakeTheProposalStale)
{
    Proposal p(Method::Sequence);
    p.dropNames({u"a.gif"});
    p.core.nameBoxEdited(renamer::NameBox::Number, u"5");
    EXPECT_EQ(p.core.RenNumText, u"5");
    EXPECT_EQ(p.core.RenState, RenameState::NeedList);
    EXPECT_EQ(p.core.RenNewName, (Names{u"img001.jpg"}));
    p.core.ApplyRenameRule();
    EXPECT_EQ(p.core.RenNewName, (Names{u"img5.jpg"}));
}

TEST(NameBoxes, InAMethodWithoutBoxesStoreNothingButStillMakeTheProposalStale)
{
    Proposal p(Method::LowerCase);
    p.dropNames({u"A.txt"});
    p.core.nameBoxEdited(renamer::NameBox::Head, u"zzz");
    p.core.nameBoxEdited(renamer::NameBox::Extension, u"zzz");
    EXPECT_EQ(p.core.RenHead, u"img");
    EXPECT_EQ(p.core.RenAffix, u"-");
    EXPECT_EQ(p.core.RenNewExt, u"txt");
    EXPECT_EQ(p.core.RenState, RenameState::NeedList);
}

TEST(NameBoxes, ShowTheSettingsOfTheCurrentMethod)
{
    Proposal p(Method::Sequence);
    renamer::NameBoxesView boxes = p.core.nameBoxes();
    EXPECT_EQ(boxes.head.text, u"img");
    EXPECT_EQ(boxes.number.text, u"001");
    EXPECT_EQ(boxes.extension.text, u"jpg");
    EXPECT_TRUE(boxes.head.usable && boxes.number.usable && boxes.extension.usable);

    p.core.selectMethod(Method::AddAtEnd);
    boxes = p.core.nameBoxes();
    EXPECT_EQ(boxes.head.text, u"-");
    EXPECT_TRUE(boxes.head.usable);
    EXPECT_FALSE(boxes.number.usable || boxes.extension.usable);
    EXPECT_TRUE(boxes.number.text.empty() && boxes.extension.text.empty());

    p.core.selectMethod(Method::NewExtension);
    boxes = p.core.nameBoxes();
    EXPECT_EQ(boxes.extension.text, u"txt");
    EXPECT_FALSE(boxes.head.usable || boxes.number.usable);

    p.core.selectMethod(Method::NoBrackets);
    boxes = p.core.nameBoxes();
    EXPECT_FALSE(boxes.head.usable || boxes.number.usable || boxes.extension.usable);
}

TEST(ListView, MarkersFollowTheMarkAndTheState)
{
    Proposal p(Method::NewExtension);
    p.dropNames({u"a.doc", u"b.txt"});
    std::vector<renamer::ListRow> rows = p.core.listRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].marker, u"-->");
    EXPECT_EQ(rows[0].newName, u"a.txt");
    EXPECT_EQ(rows[1].marker, u"===");

    p.core.InvalidateRenameList();
    rows = p.core.listRows();
    EXPECT_EQ(rows[0].oldName, u"a.doc");
    EXPECT_EQ(rows[0].marker, u"???");
    EXPECT_EQ(rows[0].newName, u"");

    EXPECT_EQ(renamer::markerOf(Mark::Renamed, RenameState::CanUndo), u"<--");
    EXPECT_EQ(renamer::markerOf(Mark::SameName, RenameState::CanUndo), u"===");
    EXPECT_EQ(renamer::markerOf(Mark::ToRename, RenameState::CanUndo), u"???");
    EXPECT_EQ(renamer::markerOf(Mark::Unset, RenameState::CanRename), u"???");
}

TEST(ListView, EachStateOffersItsOwnButtonsAndGuidance)
{
    EXPECT_EQ(renamer::lookOf(RenameState::MustQuit).guidance, u"You must quit NOW!!");
    EXPECT_FALSE(renamer::lookOf(RenameState::MustQuit).methodFrameUsable);
    EXPECT_EQ(renamer::lookOf(RenameState::NoFiles).guidance, u"ファイルをドロップして下さい");
    EXPECT_TRUE(renamer::lookOf(RenameState::NeedList).buildUsable);
    EXPECT_FALSE(renamer::lookOf(RenameState::NeedList).renameUsable);
    EXPECT_EQ(renamer::lookOf(RenameState::CanRename).focus, renamer::Focus::RenameButton);
    EXPECT_TRUE(renamer::lookOf(RenameState::CanUndo).undoUsable);
    EXPECT_FALSE(renamer::lookOf(RenameState::CanUndo).methodFrameUsable);
}
