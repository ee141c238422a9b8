// The tivex command, run as a separate process from the folder of the tests.
#include <gtest/gtest.h>

#include <string>

#include "samples.h"
#include "test_support.h"

namespace tivex::test {
namespace {

class Command : public ::testing::Test {
protected:
    std::string run(const std::string &arguments, int &exitCode)
    {
        return runCommand("'" + executableDir() + "/tivex' " + arguments + " 2>/dev/null", exitCode);
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

} // namespace
} // namespace tivex::test
