// The tivex command, run as a separate process from the folder of the tests.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "samples.h"
#include "test_support.h"
#include "tivex_engine.h"

namespace tivex::test {
namespace {

class Command : public ::testing::Test {
protected:
    std::string run(const std::string &arguments, int &exitCode)
    {
        return runCommand("'" + executableDir() + "/tivex' " + arguments + " 2>/dev/null", exitCode);
    }

    // What the command writes to standard error.
    std::string errorsOf(const std::string &arguments, int &exitCode)
    {
        return runCommand("'" + executableDir() + "/tivex' " + arguments + " 2>&1 >/dev/null", exitCode);
    }

    // path in single quotes for the shell, with any quote inside kept.
    static std::string quoted(const std::string &path)
    {
        std::string out = "'";
        for (const char c : path)
            out += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return out + "'";
    }

    TempDir m_dir;
};

TEST_F(Command, extensionModePrintsPathTabExtension)
{
    const std::string picture = m_dir.write("picture.jpg", pngImage());
    const std::string notes = m_dir.write("notes.csv", "a,b\n1,2\n");
    int exitCode = -1;
    const std::string output = run("-e '" + picture + "' '" + notes + "'", exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(output, picture + "\tpng\n" + notes + "\tcsv\n");
}

TEST_F(Command, describesEachFileOnOneLine)
{
    const std::string picture = m_dir.write("a.png", pngImage());
    const std::string empty = m_dir.write("empty", "");
    int exitCode = -1;
    const std::string output = run("'" + picture + "' '" + empty + "'", exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(output, picture + ": PNG 画像 [png]\n" + empty + ": 空のファイル（0 バイト） []\n");
}

TEST_F(Command, readsTheFileListFromStandardInput)
{
    const std::string gif = m_dir.write("one.gif", gifImage());
    const std::string pdf = m_dir.write("two", pdfDocument());
    // Windows line ends in the list must not become part of the names.
    const std::string list = m_dir.write("list", gif + "\r\n" + pdf + "\r\n\r\n");
    int exitCode = -1;
    const std::string output = run("-e -f - < '" + list + "'", exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(output, gif + "\tgif\n" + pdf + "\tpdf\n");
}

TEST_F(Command, relativePathsAreCheckedAgainstTheCurrentFolder)
{
    m_dir.write("rel.png", pngImage());
    int exitCode = -1;
    const std::string output = runCommand(
        "cd '" + m_dir.path() + "' && '" + executableDir() + "/tivex' -e rel.png", exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(output, "rel.png\tpng\n");
}

TEST_F(Command, unreadableFilesAreReportedAndSetTheExitStatus)
{
    const std::string missing = m_dir.path() + "/missing.txt";
    const std::string text = m_dir.write("ok.txt", "fine\n");
    int exitCode = -1;
    const std::string output = run("'" + missing + "' '" + text + "'", exitCode);
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(output, missing + ": error: ファイルが見つかりません\n" + text + ": テキストファイル（ASCII） [txt]\n");
}

TEST_F(Command, usageErrorsExitWithTwo)
{
    int exitCode = -1;
    run("--no-such-option x", exitCode);
    EXPECT_EQ(exitCode, 2);
    run("", exitCode);
    EXPECT_EQ(exitCode, 2);
    run("-f", exitCode);
    EXPECT_EQ(exitCode, 2);
}

TEST_F(Command, versionAndHelp)
{
    int exitCode = -1;
    EXPECT_EQ(run("--version", exitCode), "tivex 0.1\n");
    EXPECT_EQ(exitCode, 0);
    const std::string help = run("--help", exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_NE(help.find("--files-from"), std::string::npos);
    EXPECT_NE(help.find("PATH: DESCRIPTION [EXT]"), std::string::npos);
}

TEST_F(Command, englishDescriptionsOnRequest)
{
    const std::string picture = m_dir.write("a.png", pngImage());
    int exitCode = -1;
    EXPECT_EQ(run("--english '" + picture + "'", exitCode), picture + ": PNG image [png]\n");
}

TEST_F(Command, briefLeavesOutThePath)
{
    const std::string picture = m_dir.write("a.gif", gifImage());
    int exitCode = -1;
    EXPECT_EQ(run("-b --english " + quoted(picture), exitCode), "GIF image [gif]\n");
    EXPECT_EQ(run("-be " + quoted(picture), exitCode), "gif\n");
    EXPECT_EQ(run("-b --mime " + quoted(picture), exitCode), "image/gif\n");
    EXPECT_EQ(exitCode, 0);
}

TEST_F(Command, mimeModeNamesTheContentsMimeType)
{
    const std::string pdf = m_dir.write("doc.txt", pdfDocument());
    const std::string empty = m_dir.write("nothing", "");
    int exitCode = -1;
    const std::string output = run("--mime " + quoted(pdf) + " " + quoted(empty), exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(output, pdf + ": application/pdf\n" + empty + ": inode/x-empty\n");
}

TEST_F(Command, jsonEscapesTheValuesAndListsTheAcceptedExtensions)
{
    // A quote, a backslash and a control character in the name must not break the object.
    const std::string picture = m_dir.write("odd\"name\\with\x01.jpeg", jpegImage());
    const Detection detection = detectBytes(ByteView(jpegImage()));
    ASSERT_NE(detection.type, nullptr);
    // The type's own extensions, canonical first, as the engine's table lists them.
    std::string accepted = "\"" + std::string(detection.type->ext) + "\"";
    std::string_view aliases = detection.type->aliases;
    while (!aliases.empty()) {
        const size_t blank = aliases.find(' ');
        accepted += ",\"" + std::string(aliases.substr(0, blank)) + "\"";
        aliases = blank == std::string_view::npos ? std::string_view() : aliases.substr(blank + 1);
    }
    int exitCode = -1;
    const std::string output = run("--json --english " + quoted(picture), exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(output, "{\"path\":\"" + m_dir.path() + "/odd\\\"name\\\\with\\u0001.jpeg\",\"ext\":\"jpeg\"," +
                          "\"accepted\":[" + accepted + "],\"description\":\"" + describeEn(detection) +
                          "\",\"mime\":\"image/jpeg\",\"type\":\"" + std::string(detection.type->id) + "\"}\n");
}

TEST_F(Command, jsonNamesTheErrorAndKeepsBytesThatAreNotUtf8Recoverable)
{
    const std::string missing = m_dir.path() + "/gone\xff";
    int exitCode = -1;
    const std::string output = run("--json " + quoted(missing) + " " + quoted(m_dir.path() + "/gone\xfe"), exitCode);
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(output, "{\"path\":\"" + m_dir.path() + "/gone\\udcff\",\"error\":\"ファイルが見つかりません\"}\n"
                      "{\"path\":\"" + m_dir.path() + "/gone\\udcfe\",\"error\":\"ファイルが見つかりません\"}\n");
}

TEST_F(Command, namesPrintEscapedInLinesAndRawWithPrint0)
{
    const std::string odd = m_dir.write("two\nlines\t\x1b\xff", pngImage());
    const std::string shown = m_dir.path() + "/two\\012lines\\011\\033\\377";
    int exitCode = -1;
    EXPECT_EQ(run(quoted(odd), exitCode), shown + ": PNG 画像 [png]\n");
    EXPECT_EQ(run("-e " + quoted(odd), exitCode), shown + "\tpng\n");
    EXPECT_EQ(run("--print0 -e " + quoted(odd) + " " + quoted(odd), exitCode),
              std::string(odd + '\0' + "png" + '\0').append(odd + '\0' + "png" + '\0'));
    EXPECT_EQ(run("--print0 -b " + quoted(odd), exitCode), std::string("PNG 画像 [png]") + '\0');
}

TEST_F(Command, listEntriesThatCannotBePathsAreRefused)
{
    const std::string good = m_dir.write("good.png", pngImage());
    const std::string list = m_dir.write("list", good + "\n" + std::string("x\0y", 3) + "\n" + std::string(5000, 'x') + "\n" + good + "\n");
    int exitCode = -1;
    EXPECT_EQ(run("-e -f " + quoted(list), exitCode), good + "\tpng\n" + good + "\tpng\n");
    EXPECT_EQ(exitCode, 1);
    const std::string errors = errorsOf("-e -f " + quoted(list), exitCode);
    EXPECT_NE(errors.find("NUL"), std::string::npos) << errors;
    EXPECT_NE(errors.find("longer than the longest path"), std::string::npos) << errors;
}

TEST_F(Command, foldersDeeperThanTheWalkGoesAreReported)
{
    std::string deep = "tree";
    for (int level = 0; level < 258; ++level)
        deep += "/d";
    m_dir.makeFolder(deep);
    const std::string top = m_dir.write("tree/top.png", pngImage());
    m_dir.write(deep + "/bottom.png", pngImage());
    int exitCode = -1;
    EXPECT_EQ(run("-r -e " + quoted(m_dir.path() + "/tree"), exitCode), top + "\tpng\n");
    EXPECT_EQ(exitCode, 1);
    EXPECT_NE(errorsOf("-r " + quoted(m_dir.path() + "/tree"), exitCode).find("deeper than 256"), std::string::npos);
}

TEST_F(Command, aCurrentFolderLongerThanTheLongestPathIsNamedAsTheCause)
{
    // Made and removed one level at a time: the whole path is too long for one call.
    const std::string level(250, 'f');
    const std::string script = "cd " + quoted(m_dir.path()) + " && for i in $(seq 18); do mkdir " + level + " && cd "
                               + level + " || exit 9; done; '" + executableDir() + "/tivex' -b rel.png; status=$?; cd "
                               + quoted(m_dir.path()) + " && rm -rf " + level + "; exit $status";
    int exitCode = -1;
    const std::string output = runCommand("bash -c " + quoted(script) + " 2>/dev/null", exitCode);
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(output, "error: フォルダーのパスが長すぎます（4095 バイトまで）\n");
}

TEST_F(Command, nulSeparatedListsKeepNewlinesInNames)
{
    const std::string odd = m_dir.write("two\nlines.png", pngImage());
    const std::string plain = m_dir.write("plain", gifImage());
    const std::string list = m_dir.write("list0", odd + std::string(1, '\0') + plain + std::string(1, '\0'));
    int exitCode = -1;
    const std::string output = run("-b -e -0 -f " + quoted(list), exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(output, "png\ngif\n");
}

TEST_F(Command, recursiveWalkVisitsRegularFilesInNameOrderAndSurvivesLinkLoops)
{
    m_dir.makeFolder("tree/b/deeper");
    const std::string root = m_dir.path() + "/tree";
    m_dir.write("tree/b/deeper/z.png", pngImage());
    m_dir.write("tree/a.gif", gifImage());
    m_dir.write("tree/c", pdfDocument());
    ASSERT_EQ(::symlink("..", (root + "/b/deeper/loop").c_str()), 0);
    ASSERT_EQ(::mkfifo((root + "/pipe").c_str(), 0600), 0);
    int exitCode = -1;
    const std::string output = run("-r -e " + quoted(root), exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(output, root + "/a.gif\tgif\n" + root + "/b/deeper/z.png\tpng\n" + root + "/c\tpdf\n");
}

TEST_F(Command, withoutRecursionAFolderIsAnUnreadableFile)
{
    const std::string folder = m_dir.makeFolder("sub");
    int exitCode = -1;
    const std::string output = run("-e " + quoted(folder), exitCode);
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(output, folder + "\t\n");
}

TEST_F(Command, whatListsEveryDescriptionOfAnExtension)
{
    int exitCode = -1;
    std::string expected;
    for (const std::string_view description : describeExtension("xml"))
        expected += std::string(description) + "\n";
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(run("--what .XML", exitCode), expected);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(run("--what zzqq", exitCode), "");
    EXPECT_EQ(exitCode, 0);
}

TEST_F(Command, threadsKeepTheInputOrder)
{
    const std::string samples[] = {pngImage(), gifImage(), pdfDocument(), "plain text\n", ""};
    std::string list;
    for (int i = 0; i < 300; ++i)
        list += m_dir.write("f" + std::to_string(i), samples[i % 5]) + "\n";
    list += m_dir.path() + "/missing\n";
    const std::string listPath = m_dir.write("list", list);
    int singleExit = -1;
    int threadedExit = -1;
    const std::string single = run("-e -f " + quoted(listPath), singleExit);
    const std::string threaded = run("-j 3 -e -f " + quoted(listPath), threadedExit);
    EXPECT_EQ(threaded, single);
    EXPECT_EQ(singleExit, 1);
    EXPECT_EQ(threadedExit, 1);
    EXPECT_EQ(single.substr(0, single.find('\n')), m_dir.path() + "/f0\tpng");
}

TEST_F(Command, threadsKeepTheInputOrderOnStandardErrorToo)
{
    std::string list;
    for (int i = 0; i < 300; ++i)
        list += m_dir.path() + "/missing" + std::to_string(i) + "\n";
    const std::string listPath = m_dir.write("list", list);
    int exitCode = -1;
    const std::string single = errorsOf("-e -f " + quoted(listPath), exitCode);
    EXPECT_EQ(errorsOf("-j 4 -e -f " + quoted(listPath), exitCode), single);
    EXPECT_EQ(single.substr(0, single.find('\n')), "tivex: " + m_dir.path() + "/missing0: ファイルが見つかりません");
}

TEST_F(Command, badJobCountsAndValuedOptionsWithoutValuesAreUsageErrors)
{
    int exitCode = -1;
    for (const char *arguments : {"-j 0 x", "-j abc x", "--jobs", "--what", "--brief=1 x"}) {
        run(arguments, exitCode);
        EXPECT_EQ(exitCode, 2) << arguments;
    }
}

} // namespace
} // namespace tivex::test
