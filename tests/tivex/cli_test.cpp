// The tivex command, run as a separate process from the folder of the tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "samples.h"
#include "test_support.h"
#include "tivex_engine.h"

using namespace std::literals;

namespace tivex::test {
namespace {

class Command : public ::testing::Test {
protected:
    static ProgramRun tivex(const std::vector<std::string> &arguments, const RunSettings &settings = {})
    {
        return runProgram(builtProgram("tivex"), arguments, settings);
    }

    // text with each <name> replaced by the path it stands for.
    static std::string expand(std::string text, const std::map<std::string, std::string> &paths)
    {
        for (const auto &[name, path] : paths) {
            for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + path.size()))
                text.replace(at, name.size(), path);
        }
        return text;
    }

    TempDir m_dir;
};

// Every output mode, with the description texts in UTF-8 here and in the engine's text
// (the one encoding of the whole output) from the command.
TEST_F(Command, eachModePrintsOneLinePerFileInTheOrderNamed)
{
    const std::map<std::string, std::string> paths = {
        {"<jpg>", m_dir.write("picture.jpg", pngImage())}, {"<ja>", m_dir.write("写真.png", pngImage())},
        {"<gif>", m_dir.write("one.gif", gifImage())},     {"<pdf>", m_dir.write("two", pdfDocument())},
        {"<empty>", m_dir.write("empty", "")},             {"<csv>", m_dir.write("notes.csv", "a,b\n1,2\n")},
        {"<txt>", m_dir.write("ok.txt", "fine\n")},        {"<missing>", m_dir.at("missing.txt")},
        {"<sub>", m_dir.makeFolder("sub")},
    };
    const struct {
        std::vector<std::string> arguments;
        std::string expected;
        int exitCode;
    } cases[] = {
        {{"-e", "<jpg>", "<csv>"}, "<jpg>\tpng\n<csv>\tcsv\n", 0},
        {{"<ja>", "<empty>"}, "<ja>: PNG 画像 [png]\n<empty>: 空のファイル（0 バイト） []\n", 0},
        {{"<missing>", "<txt>"}, "<missing>: error: ファイルが見つかりません\n<txt>: テキストファイル（ASCII） [txt]\n", 1},
        {{"--english", "<jpg>"}, "<jpg>: PNG image [png]\n", 0},
        {{"-b", "--english", "<gif>"}, "GIF image [gif]\n", 0},
        {{"-be", "<gif>"}, "gif\n", 0},
        {{"-b", "--mime", "<gif>"}, "image/gif\n", 0},
        {{"--mime", "<pdf>", "<empty>"}, "<pdf>: application/pdf\n<empty>: inode/x-empty\n", 0},
        // Without recursion a folder is a file that cannot be read.
        {{"-e", "<sub>"}, "<sub>\t\n", 1},
        {{"--version"}, "tivex 0.1\n", 0},
        // An extension nobody knows is an answer, not a failure.
        {{"--what", "zzqq"}, "", 0},
        // Usage errors.
        {{}, "", 2},
        {{"--no-such-option", "x"}, "", 2},
        {{"-f"}, "", 2},
        {{"-j", "0", "x"}, "", 2},
        {{"-j", "abc", "x"}, "", 2},
        {{"--jobs"}, "", 2},
        {{"--what"}, "", 2},
        {{"--brief=1", "x"}, "", 2},
    };
    for (const auto &c : cases) {
        std::vector<std::string> arguments;
        for (const std::string &argument : c.arguments)
            arguments.push_back(expand(argument, paths));
        const ProgramRun run = tivex(arguments);
        const std::string shown = testing::PrintToString(c.arguments);
        EXPECT_EQ(run.out, expand(engineText(c.expected), paths)) << shown;
        EXPECT_EQ(run.exitCode, c.exitCode) << shown;
    }
}

TEST_F(Command, helpAndWhatAnswerWithoutFiles)
{
    const ProgramRun help = tivex({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--files-from"), std::string::npos);
    EXPECT_NE(help.out.find("PATH: DESCRIPTION [EXT]"), std::string::npos);
    EXPECT_EQ(help.out.find("{encoding}"), std::string::npos);
    std::string expected;
    for (const std::string_view description : describeExtension("xml"))
        expected += engineText(description) + "\n";
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(tivex({"--what", ".XML"}).out, expected);
}

TEST_F(Command, relativePathsAreCheckedAgainstTheCurrentFolder)
{
    m_dir.write("rel.png", pngImage());
    const ProgramRun run = tivex({"-e", "rel.png"}, {.input = {}, .folder = m_dir.path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "rel.png\tpng\n");
}

// JSON is UTF-8 wherever it is written, paths included.
TEST_F(Command, jsonListsTheAcceptedExtensionsOrNamesTheError)
{
    const std::string picture = m_dir.write("photo.jpeg", jpegImage());
    const Detection detection = detectBytes(ByteView(jpegImage()));
    ASSERT_NE(detection.type, nullptr);
    // The type's own extensions, canonical first, as the engine's table lists them.
    std::string accepted = "\"" + std::string(detection.type->ext) + "\"";
    for (std::string_view aliases = detection.type->aliases; !aliases.empty();) {
        const size_t blank = aliases.find(' ');
        accepted += ",\"" + std::string(aliases.substr(0, blank)) + "\"";
        aliases = blank == std::string_view::npos ? std::string_view() : aliases.substr(blank + 1);
    }
    const auto json = [](const std::string &path) {
        std::string text = platform::codepage::utf16ToUtf8(platform::codepage::fromEngineText(path));
        for (size_t at = text.find('\\'); at != std::string::npos; at = text.find('\\', at + 2))
            text.insert(at, 1, '\\');
        return "\"" + text + "\"";
    };
    const ProgramRun run = tivex({"--json", "--english", picture, m_dir.at("写真.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "{\"path\":" + json(picture) + ",\"ext\":\"jpeg\",\"accepted\":[" + accepted
                           + "],\"description\":\"" + describeEn(detection) + "\",\"mime\":\"image/jpeg\",\"type\":\""
                           + std::string(detection.type->id) + "\"}\n{\"path\":" + json(m_dir.at("写真.txt"))
                           + ",\"error\":\"ファイルが見つかりません\"}\n");
}

// Names no Windows file can have: control characters, bytes that are not UTF-8, quotes.
TEST_F(Command, namesWithAnyBytesPrintEscapedInLinesAndRawWithPrint0)
{
    if (const std::string why = whyUnavailable(Needs::AnyBytesInNames); !why.empty())
        GTEST_SKIP() << why;
    const std::string odd = m_dir.write("two\nlines\t\x1b\xff", pngImage());
    const std::string shown = m_dir.at("two\\012lines\\011\\033\\377");
    // A backslash in a name is doubled, or these two names would print alike.
    const std::string byte = m_dir.write("one\x01", pngImage()), backslash = m_dir.write("one\\001", gifImage());
    const std::string list0 = m_dir.write("list0", odd + '\0' + m_dir.write("plain", gifImage()) + '\0');
    const std::string error = "\",\"error\":\"ファイルが見つかりません\"}\n";
    const struct {
        std::vector<std::string> arguments;
        std::string expected;
    } cases[] = {
        {{odd}, shown + ": PNG 画像 [png]\n"},
        {{"-e", odd}, shown + "\tpng\n"},
        {{"-e", byte, backslash}, m_dir.at("one\\001") + "\tpng\n" + m_dir.at("one\\\\001") + "\tgif\n"},
        {{"--print0", "-e", odd, odd}, odd + '\0' + "png" + '\0' + odd + '\0' + "png" + '\0'},
        {{"--print0", "-b", odd}, "PNG 画像 [png]"s + '\0'},
        // A list of NUL-separated entries keeps the newline in the name.
        {{"-b", "-e", "-0", "-f", list0}, "png\ngif\n"},
        // JSON escapes what would break the object, and a byte that is not UTF-8 as the
        // lone surrogate that carries it.
        {{"--json", m_dir.at("odd\"name\\with\x01.jpeg")}, "{\"path\":\"" + m_dir.at("odd\\\"name\\\\with\\u0001.jpeg") + error},
        {{"--json", m_dir.at("gone\xfe")}, "{\"path\":\"" + m_dir.at("gone") + "\\udcfe" + error},
    };
    for (const auto &c : cases)
        EXPECT_EQ(tivex(c.arguments).out, c.expected) << testing::PrintToString(c.arguments);
}

TEST_F(Command, listsAreReadFromAFileOrStandardInputAndBadEntriesRefused)
{
    const std::string gif = m_dir.write("one.gif", gifImage());
    const std::string pdf = m_dir.write("two", pdfDocument());
    // Windows line ends in the list must not become part of the names.
    const ProgramRun fromInput = tivex({"-e", "-f", "-"}, {.input = m_dir.write("list", gif + "\r\n" + pdf + "\r\n\r\n"), .folder = {}});
    EXPECT_EQ(fromInput.exitCode, 0);
    EXPECT_EQ(fromInput.out, gif + "\tgif\n" + pdf + "\tpdf\n");

    const std::string bad = m_dir.write("bad", gif + "\n" + "x\0y"s + "\n" + std::string(5000, 'x') + "\n" + pdf + "\n");
    const ProgramRun refusing = tivex({"-e", "-f", bad});
    EXPECT_EQ(refusing.exitCode, 1);
    EXPECT_EQ(refusing.out, gif + "\tgif\n" + pdf + "\tpdf\n");
    EXPECT_NE(refusing.err.find("NUL"), std::string::npos) << refusing.err;
    EXPECT_NE(refusing.err.find("longer than the longest path"), std::string::npos) << refusing.err;
}

TEST_F(Command, recursiveWalkVisitsRegularFilesInNameOrder)
{
    m_dir.makeFolder("tree/b/deeper");
    m_dir.write("tree/b/deeper/z.png", pngImage());
    m_dir.write("tree/a.gif", gifImage());
    m_dir.write("tree/c", pdfDocument());
    m_dir.write("tree/写真.png", pngImage());
    // Where the platform has them, a link loop and a fifo must be left out too.
    const std::string noLinks = whyUnavailable(Needs::SymbolicLinks), noFifos = whyUnavailable(Needs::Fifos);
    if (noLinks.empty())
        std::filesystem::create_directory_symlink("..", m_dir.at("tree/b/deeper/loop"));
    const WatchedFifo fifo(noFifos.empty() ? m_dir.at("tree/pipe") : "");
    const ProgramRun run = tivex({"-r", "-e", m_dir.at("tree")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, m_dir.at("tree/a.gif") + "\tgif\n" + m_dir.at("tree/b/deeper/z.png") + "\tpng\n"
                           + m_dir.at("tree/c") + "\tpdf\n" + m_dir.at("tree/写真.png") + "\tpng\n");
    if (!noLinks.empty() || !noFifos.empty())
        GTEST_SKIP() << "the order was checked; not the rest: " << noLinks << "; " << noFifos;
}

TEST_F(Command, foldersDeeperThanTheWalkGoesAreReported)
{
    std::string deep = "tree";
    for (int level = 0; level < 258; ++level)
        deep += "/d";
    m_dir.makeFolder(deep);
    m_dir.write("tree/top.png", pngImage());
    m_dir.write(deep + "/bottom.png", pngImage());
    const ProgramRun run = tivex({"-r", "-e", m_dir.at("tree")});
    EXPECT_EQ(run.out, m_dir.at("tree/top.png") + "\tpng\n");
    EXPECT_EQ(run.exitCode, 1);
    // Where paths stop short of that depth, the folder that cannot be read is named.
    const bool stopsAtTheDepth = whyUnavailable(Needs::LongPaths).empty();
    EXPECT_NE(run.err.find(stopsAtTheDepth ? "deeper than 256" : "cannot read the folder"), std::string::npos) << run.err;
}

TEST_F(Command, aCurrentFolderLongerThanTheLongestPathIsNamedAsTheCause)
{
    if (const std::string why = whyUnavailable(Needs::PosixShell); !why.empty())
        GTEST_SKIP() << why;
    // Made and removed one level at a time: the whole path is too long for one call.
    const std::string level(250, 'f');
    const std::string script = "cd \"$1\" && for i in $(seq 18); do mkdir " + level + " && cd " + level
                               + " || exit 9; done; \"$2\" -b rel.png; status=$?; cd \"$1\" && rm -rf " + level
                               + "; exit $status";
    const ProgramRun run = runProgram("/bin/bash", {"-c", script, "bash", m_dir.path(), builtProgram("tivex")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "error: フォルダーのパスが長すぎます（4095 バイトまで）\n");
}

// A system that gives no thread at all (a limit on the user's processes) leaves every
// check to the thread that reads the list, in order, rather than ending the command.
TEST_F(Command, threadsTheSystemRefusesLeaveEveryCheckToTheReadingThread)
{
    for (const Needs need : {Needs::PosixShell, Needs::ProcessLimits}) {
        if (const std::string why = whyUnavailable(need); !why.empty())
            GTEST_SKIP() << why;
    }
    std::string list;
    for (int i = 0; i < 600; ++i)
        list += m_dir.write("f" + std::to_string(i), i % 2 ? pngImage() : gifImage()) + "\n";
    const std::string listPath = m_dir.write("list", list);
    const ProgramRun single = tivex({"-e", "-f", listPath});
    const ProgramRun limited = runProgram(
        "/bin/bash", {"-c", "ulimit -u 1 && exec \"$0\" -j2 -e -f \"$1\"", builtProgram("tivex"), listPath});
    EXPECT_EQ(limited.exitCode, 0) << limited.err;
    EXPECT_EQ(limited.out, single.out);
}

// Standard output and standard error keep the order of the list, whatever the threads.
// The list is several times longer than the paths the command keeps in flight, and a
// refused entry's error has its place among the checks' own.
TEST_F(Command, threadsKeepTheInputOrder)
{
    const std::string samples[] = {pngImage(), gifImage(), pdfDocument(), "plain text\n", ""};
    std::string list;
    for (int i = 0; i < 2000; ++i) {
        list += (i % 3 == 2 ? m_dir.at("missing" + std::to_string(i)) : m_dir.write("f" + std::to_string(i), samples[i % 5])) + "\n";
        if (i == 1500)
            list += std::string(5000, 'x') + "\n";
    }
    const std::string listPath = m_dir.write("list", list);
    const ProgramRun single = tivex({"-e", "-f", listPath});
    for (const std::string threads : {"2", "3"}) {
        const ProgramRun threaded = tivex({"-j", threads, "-e", "-f", listPath});
        EXPECT_EQ(threaded.out, single.out) << threads << " threads";
        EXPECT_EQ(threaded.err, single.err) << threads << " threads";
        EXPECT_EQ(threaded.exitCode, 1);
    }
    EXPECT_EQ(single.exitCode, 1);
    EXPECT_NE(single.err.find("missing1499"), std::string::npos);
    EXPECT_LT(single.err.find("missing1499"), single.err.find("longer than the longest path"));
    EXPECT_LT(single.err.find("longer than the longest path"), single.err.find("missing1502"));
    EXPECT_EQ(single.out.substr(0, single.out.find('\n')), m_dir.at("f0") + "\tpng");
    EXPECT_EQ(single.err.substr(0, single.err.find('\n')),
              "tivex: " + m_dir.at("missing2") + ": " + engineText("ファイルが見つかりません"));
}

} // namespace
} // namespace tivex::test
