#include "engine/engine.h"
#include "platform/platform.h"
#include "rename/rename_core.h"
#include "rename_support.h"

#include <gtest/gtest.h>

using namespace renametest;
namespace Method = renamer::Method;
namespace Messages = renamer::Messages;

using renamer::RowBlock;

namespace {

// An affix that makes a name one unit longer than the longest a file system takes.
const std::u16string LongAffix(251, u'x');
const char16_t *const Longest = LongAffix.c_str();

// A core set up with the settings the window would hold, ready for one method.
struct Proposal : Recorder {
    explicit Proposal(int method)
    {
        core.RenMethod = method;
        core.RenNewExt = u"txt";
        core.RenHead = u"img";
        core.RenSeqExt = u"jpg";
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

// One file under one rule-based method. The setting is the affix, or the new extension
// for that method; the default is "-" and "txt". A file keeps its mark SameName exactly
// when the proposal spells its name unchanged, letter case included. A proposal never
// ends in a period; one that cannot be a name is marked as such.
struct RuleCase {
    const char *name;
    int method;
    std::u16string file;
    std::u16string proposed;
    const char16_t *setting = nullptr;
    RowBlock block = RowBlock::None;
};

const RuleCase RuleCases[] = {
    {"new extension replaces", Method::NewExtension, u"memo.doc", u"memo.txt"},
    {"new extension in other case", Method::NewExtension, u"memo.TXT", u"memo.txt"},
    {"new extension already there", Method::NewExtension, u"memo.txt", u"memo.txt"},
    {"new extension after the last period", Method::NewExtension, u"a.b.c", u"a.b.txt"},
    {"new extension added", Method::NewExtension, u"notes", u"notes.txt"},
    {"empty extension proposes no change", Method::NewExtension, u"memo.doc", u"memo.doc", u""},
    {"extension taken as it stands", Method::NewExtension, u"memo.doc", u"memo..JPG", u".JPG"},
    {"shortcut wording", Method::NoShortcutWording, u"memoへのショートカット.lnk", u"memo.lnk"},
    {"shortcut wording half-width", Method::NoShortcutWording, u"memoへのｼｮｰﾄｶｯﾄ.LNK", u"memo.lnk"},
    {"shortcut wording in front", Method::NoShortcutWording, u"ショートカット home.URL", u"home.url"},
    {"shortcut wording alone", Method::NoShortcutWording, u"へのショートカット.lnk", u"へのショートカット.lnk"},
    {"shortcut wording on a url", Method::NoShortcutWording, u"memoへのショートカット.url",
     u"memoへのショートカット.url"},
    {"no shortcut wording", Method::NoShortcutWording, u"a.lnk", u"a.lnk"},
    {"shortcut wording without a name", Method::NoShortcutWording, u"ショートカット .url", u"ショートカット .url"},
    {"shortcut wording without a blank", Method::NoShortcutWording, u"ショートカットhome.url",
     u"ショートカットhome.url"},
    {"shortcut wording in hiragana", Method::NoShortcutWording, u"memoへのしょーとかっと.lnk",
     u"memoへのしょーとかっと.lnk"},
    {"lower case", Method::LowerCase, u"README.TXT", u"readme.txt"},
    {"lower case already", Method::LowerCase, u"readme.txt", u"readme.txt"},
    {"lower case full-width", Method::LowerCase, u"ＭＥＭＯ写真.JPG", u"ｍｅｍｏ写真.jpg"},
    {"upper case", Method::UpperCase, u"readme.txt", u"README.TXT"},
    {"upper case already", Method::UpperCase, u"写真.JPG", u"写真.JPG"},
    {"blanks of both widths", Method::NoSpaces, u"my file\u30001.txt", u"myfile1.txt"},
    {"blanks in the extension", Method::NoSpaces, u"a.t xt", u"a.txt"},
    {"no blanks", Method::NoSpaces, u"tight.txt", u"tight.txt"},
    {"brackets", Method::NoBrackets, u"report(1).doc", u"report.doc"},
    {"brackets nested, both widths", Method::NoBrackets, u"a（b(c)d）e.txt", u"ae.txt"},
    {"brackets of mixed widths", Method::NoBrackets, u"a(b）c.txt", u"ac.txt"},
    {"brackets opened twice", Method::NoBrackets, u"a((b)c)d.txt", u"ad.txt"},
    {"a closing bracket alone", Method::NoBrackets, u"a)b.txt", u"a)b.txt"},
    {"an unclosed bracket takes the rest", Method::NoBrackets, u"a(b.txt", u"a"},
    // Two bytes that are no UTF-8 apart (C3, A9) become the character they spell together.
    {"bytes joined into a character", Method::NoBrackets, u"\xDCC3(x)\xDCA9.txt",
     platform::usesDriveLetters() ? u"\xDCC3\xDCA9.txt" : u"\u00E9.txt"},
    {"a name all in brackets", Method::NoBrackets, u"(abc)", u"", nullptr, RowBlock::NameEmpty},
    {"a base all in brackets", Method::NoBrackets, u"(abc).txt", u".txt", nullptr, RowBlock::OnlyExtension},
    {"a trailing period goes", Method::LowerCase, u"PHOTO.", u"photo"},
    {"a name of periods goes whole", Method::NoBrackets, u"(a)..", u"", nullptr, RowBlock::NameEmpty},
    {"a device's name", Method::AddAtEnd, u"com.txt", u"com1.txt", u"1",
     platform::usesDriveLetters() ? RowBlock::NameReserved : RowBlock::None},
    {"a separator in the affix", Method::AddAtStart, u"a.txt", u"sub/a.txt", u"sub/", RowBlock::CharacterRefused},
    {"the parent folder's name", Method::NoSpaces, u". .", u"", nullptr, RowBlock::NameEmpty},
    {"a name past the longest", Method::AddAtStart, u"a.txt", std::u16string(251, u'x') + u"a.txt",
     Longest, RowBlock::NameTooLong},
    {"add at start", Method::AddAtStart, u"file.txt", u"-file.txt"},
    {"a leading period added hides a file", Method::AddAtStart, u"notes.txt", u".notes.txt", u"."},
    {"delete at start", Method::DeleteAtStart, u"-file.txt", u"file.txt"},
    {"delete at start, absent", Method::DeleteAtStart, u"file.txt", u"file.txt"},
    {"delete at start, base would be empty", Method::DeleteAtStart, u"-.txt", u"-.txt"},
    {"delete at start, once", Method::DeleteAtStart, u"--a.txt", u"-a.txt"},
    {"delete at start, no extension", Method::DeleteAtStart, u"-abc", u"abc"},
    {"add at end", Method::AddAtEnd, u"file.txt", u"file-.txt"},
    {"add at end, no extension", Method::AddAtEnd, u"file", u"file-"},
    {"delete at end", Method::DeleteAtEnd, u"file-.txt", u"file.txt"},
    {"delete at end, absent", Method::DeleteAtEnd, u"file.txt", u"file.txt"},
    {"delete at end, base would be empty", Method::DeleteAtEnd, u"-.txt", u"-.txt"},
    {"delete at end, once", Method::DeleteAtEnd, u"a--.txt", u"a-.txt"},
    {"affix case is not folded", Method::DeleteAtStart, u"img_1.jpg", u"img_1.jpg", u"IMG_"},
    {"affix width is not folded", Method::DeleteAtStart, u"ＩＭＧ_1.jpg", u"ＩＭＧ_1.jpg", u"IMG_"},
    {"affix matched exactly", Method::DeleteAtStart, u"IMG_1.jpg", u"1.jpg", u"IMG_"},
    {"empty affix added at start", Method::AddAtStart, u"plain", u"plain", u""},
    {"empty affix deleted at start", Method::DeleteAtStart, u"plain", u"plain", u""},
    {"empty affix added at end", Method::AddAtEnd, u"plain", u"plain", u""},
    {"empty affix deleted at end", Method::DeleteAtEnd, u"plain", u"plain", u""},
    {"empty affix keeps an extension", Method::AddAtEnd, u"file.txt", u"file.txt", u""},
    {"empty affix keeps an extension too", Method::DeleteAtStart, u"file.txt", u"file.txt", u""},
};

} // namespace

TEST(MethodRules, ProposeEachNameAndMarkWhatChanges)
{
    for (const RuleCase &c : RuleCases) {
        SCOPED_TRACE(c.name);
        Proposal p(c.method);
        if (c.setting)
            (c.method == Method::NewExtension ? p.core.RenNewExt : p.core.RenAffix) = c.setting;
        p.dropNames({c.file});
        EXPECT_EQ(p.core.RenNewName, Names{c.proposed});
        EXPECT_EQ(p.core.RenMark, Marks{c.proposed == c.file ? Mark::SameName : Mark::ToRename});
        EXPECT_EQ(p.core.RenBlock, std::vector<RowBlock>{c.block});
        EXPECT_EQ(p.core.willRenameAny(), c.proposed != c.file && c.block == RowBlock::None);
        EXPECT_EQ(p.core.RenState, RenameState::CanRename);
    }
}

TEST(MethodAuto, ProposesTheEnginesExtensionUnlessOnlyItsCaseDiffersOrItFoundNothing)
{
    Proposal p(Method::Auto);
    p.engine.extAnswers[u"/data/a.dat"] = engineAnswer(1, u"jpg");
    p.engine.extAnswers[u"/data/b.JPG"] = engineAnswer(1, u"jpg");
    p.engine.extAnswers[u"/data/readme"] = engineAnswer(1, u"jpg");
    p.engine.extAnswers[u"/data/c.dat"] = engineAnswer(0, u"jpg");
    p.engine.extAnswers[u"/data/d.dat"] = engineAnswer(1, u"");
    p.engine.extAnswers[u"/data/e.dat"] = engineAnswer(-1, u"png");
    p.dropNames({u"readme", u"b.JPG", u"a.dat", u"c.dat", u"d.dat", u"e.dat", u"unknown.dat"});
    EXPECT_EQ(p.core.RenNewName,
              (Names{u"a.jpg", u"b.JPG", u"c.dat", u"d.dat", u"e.dat", u"readme.jpg", u"unknown.dat"}));
    EXPECT_EQ(p.core.RenMark, (Marks{Mark::ToRename, Mark::SameName, Mark::SameName, Mark::SameName,
                                     Mark::SameName, Mark::ToRename, Mark::SameName}));
    EXPECT_EQ(p.core.RenState, RenameState::CanRename);
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
    folder.write("report", "%PDF-1.4\n1 0 obj<<>>endobj\ntrailer<<>>\n%%EOF\n");
    folder.write("notes.txt", "Plain text, written by hand.\nA second line.\n");
    folder.write("copy.PNG", testsupport::tinyPng());
    // A name outside code page 932, which the engine's library could not be handed there.
    const std::u16string photo = u"\U0001F4F7 caf\u00E9";
    folder.write("\xF0\x9F\x93\xB7 caf\xC3\xA9.dat", testsupport::tinyPng());

    std::vector<std::u16string> messages;
    renamer::FormRenameCore core(engine::programEngine(),
                                 [&messages](const std::u16string &m) { messages.push_back(m); });
    core.MakeRenameList({folder.pathText(u"picture.dat"), folder.pathText(u"report"), folder.pathText(u"notes.txt"),
                         folder.pathText(u"copy.PNG"), folder.pathText(photo + u".dat")},
                        {}, {}, {});

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(core.RenOldName, (Names{u"copy.PNG", u"notes.txt", u"picture.dat", u"report", photo + u".dat"}));
    EXPECT_EQ(core.RenNewName, (Names{u"copy.PNG", u"notes.txt", u"picture.png", u"report.pdf", photo + u".png"}));
    EXPECT_EQ(core.RenMark,
              (Marks{Mark::SameName, Mark::SameName, Mark::ToRename, Mark::ToRename, Mark::ToRename}));
}

// Typed into the number box after the drop, as an empty box would otherwise be filled
// with the default start.
TEST(MethodSequence, NumbersFollowTheStartTextsValueAndWidth)
{
    const struct {
        const char16_t *numberText;
        Names expected;
        int start;
        const char16_t *format;
    } cases[] = {
        {u"001", {u"img001.jpg", u"img002.jpg"}, 1, u"000"},
        {u"7", {u"img7.jpg", u"img8.jpg"}, 7, u"0"},
        {u"0099", {u"img0099.jpg", u"img0100.jpg"}, 99, u"0000"},
        {u"998", {u"img998.jpg", u"img999.jpg", u"img1000.jpg"}, 998, u"000"},
        {u"", {u"img0.jpg", u"img1.jpg"}, 0, u""},
        {u"abc", {u"img000.jpg", u"img001.jpg"}, 0, u"000"},
        {u"-2", {u"img-02.jpg", u"img-01.jpg", u"img00.jpg"}, -2, u"00"},
        {u"2.9", {u"img002.jpg", u"img003.jpg"}, 2, u"000"},
        {u"-1.5", {u"img-0002.jpg", u"img-0001.jpg"}, -2, u"0000"},
        {u"32766", {u"img32766.jpg", u"img32767.jpg"}, 32766, u"00000"},
        {u"-32768", {u"img-032768.jpg"}, -32768, u"000000"},
    };
    const Names files = {u"a.gif", u"b.png", u"c.bmp"};
    for (const auto &c : cases) {
        SCOPED_TRACE(narrow(c.numberText));
        Proposal p(Method::Sequence);
        p.dropNames(Names(files.begin(), files.begin() + static_cast<std::ptrdiff_t>(c.expected.size())));
        p.core.nameBoxEdited(renamer::NameBox::Number, c.numberText);
        p.core.ApplyRenameRule();
        EXPECT_EQ(p.core.RenNewName, c.expected);
        EXPECT_EQ(p.core.RenMark, Marks(c.expected.size(), Mark::ToRename));
        EXPECT_EQ(p.core.RenState, RenameState::CanRename);
        EXPECT_EQ(p.core.RenNumStart, c.start);
        EXPECT_EQ(p.core.RenNumFormat, c.format);
        EXPECT_TRUE(p.messages.empty());
    }
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

// Refused on a drop, no proposal is made; refused after one, the earlier one stays.
TEST(MethodSequence, NumbersBeyondTheCounterRangeAreRefused)
{
    for (const std::u16string start : {u"32767", u"32768", u"-32769", u"1e9", u"-1e999"}) {
        SCOPED_TRACE(narrow(start));
        Proposal p(Method::Sequence);
        p.core.RenNumText = start;
        p.dropNames({u"a.gif", u"b.png"});
        EXPECT_EQ(headlines(p.messages), (Names{Messages::IllegalSequenceNumber}));
        EXPECT_EQ(p.core.RenState, RenameState::NeedList);
        EXPECT_EQ(p.core.RenNewName, (Names{u"", u""}));
        EXPECT_EQ(p.core.RenMark, (Marks{Mark::Unset, Mark::Unset}));
    }
    Proposal p(Method::Sequence);
    p.dropNames({u"a.gif", u"b.png"});
    p.core.nameBoxEdited(renamer::NameBox::Number, u"40000");
    p.core.ApplyRenameRule();
    EXPECT_EQ(headlines(p.messages), (Names{Messages::IllegalSequenceNumber}));
    EXPECT_EQ(p.core.RenState, RenameState::NeedList);
    EXPECT_EQ(p.core.RenNewName, (Names{u"img001.jpg", u"img002.jpg"}));
    EXPECT_EQ(p.core.RenNumStart, 1);
    EXPECT_EQ(p.core.RenNumFormat, u"000");
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
        EXPECT_EQ(headlines(p.messages), (Names{u"Illegal Rename Method " + std::u16string(digits.begin(), digits.end())}));
        EXPECT_EQ(p.core.RenNewName, (Names{u"A.TXT"}));
        EXPECT_EQ(p.core.RenMark, (Marks{Mark::ToRename}));
        EXPECT_EQ(p.core.RenState, RenameState::CanRename);
    }
}

TEST(MethodChoice, ASwitchWorksTheProposalOutAgainAtOnceOrOnlyRemembersTheMethod)
{
    Proposal p(Method::NewExtension);
    p.dropNames({u"Memo.DOC"});
    p.core.selectMethod(Method::LowerCase);
    EXPECT_EQ(p.core.RenNewName, (Names{u"memo.doc"}));
    EXPECT_EQ(p.core.RenState, RenameState::CanRename);

    // Settings left empty by a drop under another method are filled as a drop fills them.
    Proposal sequence(Method::LowerCase);
    sequence.core.RenHead.clear();
    sequence.core.RenSeqExt.clear();
    sequence.dropNames({u"pic.png", u"photo.jpg"});
    sequence.core.selectMethod(Method::Sequence);
    EXPECT_EQ(sequence.core.RenNewName, (Names{u"ph001.jpg", u"ph002.jpg"}));

    Proposal empty(Method::Auto);
    empty.core.selectMethod(Method::NoSpaces);
    EXPECT_EQ(empty.core.RenMethod, Method::NoSpaces);
    EXPECT_EQ(empty.core.RenState, RenameState::NoFiles);
    EXPECT_TRUE(empty.engine.extCheckedPaths.empty());
}

TEST(NameBoxes, FeedOnlyTheSettingsOfTheCurrentMethodAndMakeTheProposalStale)
{
    Proposal p(Method::Sequence);
    p.dropNames({u"a.gif"});
    p.core.nameBoxEdited(renamer::NameBox::Number, u"5");
    EXPECT_EQ(p.core.RenNumText, u"5");
    EXPECT_EQ(p.core.RenState, RenameState::NeedList);
    EXPECT_EQ(p.core.RenNewName, (Names{u"img001.jpg"}));
    p.core.ApplyRenameRule();
    EXPECT_EQ(p.core.RenNewName, (Names{u"img5.jpg"}));

    Proposal lower(Method::LowerCase);
    lower.dropNames({u"A.txt"});
    lower.core.nameBoxEdited(renamer::NameBox::Head, u"zzz");
    lower.core.nameBoxEdited(renamer::NameBox::Extension, u"zzz");
    EXPECT_EQ(lower.core.RenHead, u"img");
    EXPECT_EQ(lower.core.RenAffix, u"-");
    EXPECT_EQ(lower.core.RenNewExt, u"txt");
    EXPECT_EQ(lower.core.RenState, RenameState::NeedList);
}
