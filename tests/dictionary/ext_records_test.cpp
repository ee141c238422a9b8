// The record reader and the dictionary's search, on small files written for each case.
#include "dictionary/ext_dic_core.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using extdic::ExtDicCore;
using extdic::FocusRequest;
using extdic::RecordReader;
using testsupport::TempFolder;

namespace {

using Records = std::vector<std::vector<std::u16string>>;

// Every complete record of the text, as plain field texts.
Records readAll(const std::u16string &text, int width)
{
    RecordReader reader(text);
    Records records;
    while (reader.hasMoreData()) {
        const auto fields = reader.readRecord(width);
        if (!fields)
            break;
        std::vector<std::u16string> texts;
        for (const extdic::Field &field : *fields)
            texts.push_back(field.text);
        records.push_back(texts);
    }
    return records;
}

struct ReaderCase {
    const char *what;
    std::u16string text;
    int width;
    Records expected;
};

TEST(RecordReader, ReadsFieldsAsOneFlatRun)
{
    const std::vector<ReaderCase> cases = {
        {"one record a line, every line end", u"a,b\r\nc,d\re,f\ng,h", 2,
         {{u"a", u"b"}, {u"c", u"d"}, {u"e", u"f"}, {u"g", u"h"}}},
        {"a short line takes the next line's fields", u"a\r\nb,c,d\r\n", 2, {{u"a", u"b"}, {u"c", u"d"}}},
        {"a long line shifts the next record", u"a,b,c\r\nd,e\r\n", 2, {{u"a", u"b"}, {u"c", u"d"}}},
        {"an empty line is one empty field", u"a,b\r\n\r\nc,d\r\n", 2, {{u"a", u"b"}, {u"", u"c"}}},
        {"a trailing comma gives an empty last field", u"a,\r\nb,", 2, {{u"a", u""}, {u"b", u""}}},
        {"quotes keep commas and blanks", u"\" a, b \",c\r\n", 2, {{u" a, b ", u"c"}}},
        {"text after the closing quote is dropped", u"\"a\"xyz,b\r\n", 2, {{u"a", u"b"}}},
        {"leading and trailing blanks go", u"  a b \t,\tc\r\n", 2, {{u"a b", u"c"}}},
        {"a quote inside a plain field stays", u"a\"b,c\r\n", 2, {{u"a\"b", u"c"}}},
        {"an unclosed quote runs to the end", u"x,\"a,b\r\nc", 2, {{u"x", u"a,b\r\nc"}}},
        {"a record cut short by the end is not read", u"a,b\r\nc\r\n", 2, {{u"a", u"b"}}},
        {"trailing blank lines end inside a record", u"a,b\r\n\r\n\r\n\r\n", 2, {{u"a", u"b"}, {u"", u""}}},
    };
    for (const ReaderCase &c : cases)
        EXPECT_EQ(readAll(c.text, c.width), c.expected) << c.what;
}

TEST(RecordReader, TellsWhatEndedEachField)
{
    RecordReader reader(u"a,b\nc");
    EXPECT_EQ(reader.readField().end, extdic::FieldEnd::Comma);
    EXPECT_EQ(reader.readField().end, extdic::FieldEnd::LineEnd);
    EXPECT_EQ(reader.readField().end, extdic::FieldEnd::FileEnd);
    EXPECT_FALSE(reader.hasMoreData());
}

// A dictionary on disk: ext.csv and prog.csv written as given (UTF-8 unless bytes are).
class Dictionary : public ::testing::Test {
protected:
    void write(const std::string &ext, const std::string &prog)
    {
        folder.write("ext.csv", ext);
        if (!prog.empty())
            folder.write("prog.csv", prog);
    }
    void load()
    {
        core.Form_Load(folder.pathText(u"ext.csv"), folder.pathText(u"prog.csv"),
                       [this](std::u16string_view text) { messages.emplace_back(text); });
    }

    // The extension column of every record a search steps through, up to the no-more entry.
    std::vector<std::u16string> searchAll(const std::u16string &key)
    {
        std::vector<std::u16string> found;
        core.myFindFirst(key);
        for (int guard = 0; core.FindOpen && guard < 100; ++guard) {
            found.push_back(core.shown.Ext + u"|" + core.shown.Name);
            core.myFindNext();
        }
        return found;
    }

    TempFolder folder;
    ExtDicCore core;
    std::vector<std::u16string> messages;
};

// A record of 13 columns with the given category, extension, name, programs, engine mark
// and letters.
std::string rec(const std::string &sort, const std::string &ext, const std::string &name,
                const std::string &rw = "", const std::string &r = "", const std::string &mark = "",
                const std::string &letters = "")
{
    return sort + ",1,0," + ext + ",oext," + name + ",plat,def,desc," + rw + "," + r + "," + mark + "," +
           letters + "\r\n";
}

const std::string ExtEnd = "zend,,,,,,,,,,,,\r\n";
const std::string ProgEnd = "zend,\r\n";

TEST_F(Dictionary, CategoryRecordsAreThoseWhoseKindReadsZero)
{
    write("a,0,0,,,,,,Alpha,,,,\r\n"
          "B, 0,0,,,,,,Beta,,,,\r\n"
          "c,\"0\",0,,,,,,Gamma,,,,\r\n"
          "d,\" 0\",0,,,,,,Delta,,,,\r\n"
          "e,00,0,,,,,,Epsilon,,,,\r\n"
          + ExtEnd + "f,0,0,,,,,,After,,,,\r\n",
          ProgEnd);
    load();
    EXPECT_EQ(core.sortTable.codes, (std::vector<std::u16string>{u"a", u"b", u"c", u"", u"", u"", u"", u"", u"", u""}));
    EXPECT_EQ(core.sortTable.count, 3);
    EXPECT_EQ(core.sortTable.names[1], u"Beta");
}

TEST_F(Dictionary, TablesGrowAndKeepEveryEntry)
{
    std::string ext;
    std::string prog;
    for (int i = 1; i <= 25; ++i) {
        ext += "s" + std::to_string(i) + ",0,0,,,,,,Name" + std::to_string(i) + ",,,,\r\n";
        prog += "P" + std::to_string(i) + ",Program " + std::to_string(i) + "\r\n";
    }
    write(ext + ExtEnd, prog + ProgEnd + "late,Never read\r\n");
    load();
    ASSERT_EQ(core.sortTable.count, 25);
    EXPECT_EQ(core.sortTable.names[0], u"Name1");
    EXPECT_EQ(core.sortTable.names[24], u"Name25");
    ASSERT_EQ(core.progTable.count, 25);
    EXPECT_EQ(core.progTable.codes[12], u"p13");
    EXPECT_TRUE(messages.empty());
}

TEST_F(Dictionary, MissingFilesAreReportedOnceOrSearchedAsEmpty)
{
    write(rec("img", "png", "PNG", "gimp") + ExtEnd, "");
    load();
    EXPECT_EQ(messages, std::vector<std::u16string>{u"Prog.csv ファイルがありません"});
    core.myFindFirst(u"png");
    EXPECT_EQ(core.shown.Name, u"PNG");
    EXPECT_TRUE(core.shown.Prog.empty());

    ExtDicCore empty;
    empty.Form_Load(folder.pathText(u"none.csv"), folder.pathText(u"prog.csv"), nullptr);
    EXPECT_EQ(empty.sortTable.count, 0);
    empty.myFindFirst(u"png");
    EXPECT_FALSE(empty.FindOpen);
    EXPECT_EQ(empty.shown.Sort, u"**** No More data!! ****");
    EXPECT_EQ(empty.focus, FocusRequest::ExtExt);
}

// A data file that is there but is no regular file, or is larger than 4 MiB, counts as
// missing, and the message for a missing file gets a second line that says why. A file of
// exactly 4 MiB is read.
TEST_F(Dictionary, RefusedFilesCountAsMissingAndTheMessageSaysWhy)
{
    const std::string category = "img,0,0,,,,,,Pictures,,,,\r\n";
    const std::string fourMiB = category + ExtEnd + std::string(4 * 1024 * 1024 - category.size() - ExtEnd.size(), '\n');
    const struct {
        const char *what;
        std::string ext;
        bool progIsFolder;
        std::string prog;
        int categories;
        std::u16string reason;  // empty: no message
    } cases[] = {
        {"four MiB", fourMiB, false, ProgEnd, 1, u""},
        {"over four MiB", fourMiB + "\n", false, fourMiB + "\n", 0, u"4 MiB を超える"},
        {"a folder", fourMiB, true, "", 1, u"通常のファイルではない"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder files;
        files.write("ext.csv", c.ext);
        if (c.progIsFolder)
            std::filesystem::create_directory(files.path() / "prog.csv");
        else
            files.write("prog.csv", c.prog);
        ExtDicCore dictionary;
        std::vector<std::u16string> said;
        dictionary.Form_Load(files.pathText(u"ext.csv"), files.pathText(u"prog.csv"),
                             [&said](std::u16string_view text) { said.emplace_back(text); });
        EXPECT_EQ(dictionary.sortTable.count, c.categories);
        if (c.reason.empty()) {
            EXPECT_TRUE(said.empty());
            continue;
        }
        ASSERT_EQ(said.size(), 1u);
        const std::u16string missing = u"Prog.csv ファイルがありません\n";
        EXPECT_EQ(said.front().substr(0, missing.size()), missing);
        EXPECT_NE(said.front().find(c.reason, missing.size()), std::u16string::npos) << "the reason on its own line";
    }
}

TEST_F(Dictionary, SearchMatchesWholeExtensionsIgnoringCase)
{
    write("img,0,0,,,,,,画像,,,,\r\n" + rec("img", "JPG", "first") + rec("img", "jpeg", "other") +
              rec("img", ".jpg", "dotted") + rec("IMG", "Jpg", "second") + rec("img", "jpg ", "blank kept off") +
              ExtEnd + rec("img", "jpg", "after the end"),
          ProgEnd);
    load();
    core.myFindFirst(u"jPg");
    EXPECT_EQ(core.shown.Ext, u"JPG");
    EXPECT_EQ(core.shown.Sort, u"画像");
    EXPECT_EQ(core.focus, FocusRequest::CmdNext);
    // A record whose code is written in capitals finds no category and shows its code.
    core.myFindNext();
    EXPECT_EQ(core.shown.Sort, u"IMG");
    EXPECT_EQ(searchAll(u"JPG"), (std::vector<std::u16string>{u"JPG|first", u"Jpg|second", u"jpg|blank kept off"}));
    // A period written before the extension is the way people write one.
    EXPECT_EQ(searchAll(u".Jpg"), (std::vector<std::u16string>{u"JPG|first", u"Jpg|second", u"jpg|blank kept off"}));
    EXPECT_EQ(core.shown.Ext, u"jpg");
    EXPECT_EQ(core.shown.Sort, u"**** No More data!! ****");
    EXPECT_TRUE(core.shown.Name.empty() && core.shown.Oext.empty() && core.shown.Desc.empty());
    EXPECT_EQ(core.focus, FocusRequest::ExtExt);
    // An empty key matches the records whose extension is empty: the category records.
    EXPECT_EQ(searchAll(u""), std::vector<std::u16string>{u"|"});
    core.myFindEnd();
    core.myFindNext();
    EXPECT_EQ(core.shown.Sort, u"**** No More data!! ****");
}

// Opened with nothing to look up: the first extension record, past the categories, and
// then that extension's further records.
TEST_F(Dictionary, TheFirstExtensionIsFoundPastTheCategories)
{
    write("img,0,0,,,,,,画像,,,,\r\n" + rec("img", "Tif", "first") + rec("img", "png", "png") +
              rec("img", "tif", "second") + ExtEnd,
          ProgEnd);
    load();
    core.findFirstExtension();
    EXPECT_EQ(core.shown.Ext + u"|" + core.shown.Name + u"|" + core.shown.Sort, u"Tif|first|画像");
    EXPECT_EQ(core.focus, FocusRequest::CmdNext);
    core.myFindNext();
    EXPECT_EQ(core.shown.Name, u"second");
    core.myFindNext();
    EXPECT_FALSE(core.FindOpen);
    EXPECT_EQ(core.shown.Ext, u"tif");
}

TEST_F(Dictionary, FlagsComeFromTheLettersAndTheEngineMark)
{
    struct Case {
        const char *mark;
        const char *letters;
        int text, binary, sorvena;
    };
    const std::vector<Case> cases = {
        {"", "tb", 1, 1, 0},
        {" ", "T", 0, 0, 0},
        {"-", "b", 0, 1, 0},
        {"x", "t", 1, 0, 1},
        {"--", "B", 0, 0, 1},
        {"\" \"", "bxt", 1, 1, 0},
    };
    std::string ext;
    for (const Case &c : cases)
        ext += rec("s", "e", "n", "", "", c.mark, c.letters);
    write(ext + ExtEnd, ProgEnd);
    load();
    core.myFindFirst(u"e");
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.mark) + "/" + c.letters);
        ASSERT_TRUE(core.FindOpen);
        EXPECT_EQ(core.shown.TextFlag, c.text);
        EXPECT_EQ(core.shown.BinaryFlag, c.binary);
        EXPECT_EQ(core.shown.SorvenaFlag, c.sorvena);
        core.myFindNext();
    }
}

TEST_F(Dictionary, ProgramLinesListReadWriteThenReadOnly)
{
    write(rec("s", "a", "n", "gimp  MISSING\tkrita", "eog") + rec("s", "b", "n", "", "eog eog") +
              rec("s", "c", "n", "\"gimp,krita\"") + ExtEnd,
          "gimp,GIMP\r\neog,Eye of GNOME\r\nKrita,Krita\r\neog,画像ビューアー\r\n" + ProgEnd);
    load();
    core.myFindFirst(u"a");
    EXPECT_EQ(core.shown.Prog, u"[rw] GIMP\r\n[rw] Krita\r\n [r]  Eye of GNOME\r\n [r]  画像ビューアー");
    core.myFindFirst(u"b");
    EXPECT_EQ(core.shown.Prog,
              u" [r]  Eye of GNOME\r\n [r]  画像ビューアー\r\n [r]  Eye of GNOME\r\n [r]  画像ビューアー");
    core.myFindFirst(u"c");
    EXPECT_TRUE(core.shown.Prog.empty());
}

// UTF-8 files are read by every test above; the shipped ones are CP932 (here the category
// name 画像, with lone LF line ends as Linux tools write them).
TEST_F(Dictionary, ReadsShiftJisFiles)
{
    write("img,0,0,,,,,,\x89\xe6\x91\x9c,,,,\nimg,1,0,png,,PNG,,,,,,,\nzend,,,,,,,,,,,,\n", ProgEnd);
    load();
    core.myFindFirst(u"png");
    EXPECT_EQ(core.shown.Sort, u"画像");
}

} // namespace
