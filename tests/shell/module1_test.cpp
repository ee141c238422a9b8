#include "shell/module1.h"

#include "platform/codepage.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// --- data-file paths -------------------------------------------------------------------

namespace {

std::u16string expectedFolderWithSeparator()
{
    const auto folder = std::filesystem::canonical(SORVENA_TEST_BINARY_DIR);
    return platform::codepage::utf8ToUtf16(folder.string()) + platform::pathSeparator();
}

} // namespace

TEST(DataFilePaths, LieBesideTheExecutable)
{
    Module1::mySetPath();
    const std::u16string folder = expectedFolderWithSeparator();
    EXPECT_EQ(Module1::ReadmePath, folder + u"readme.txt");
    EXPECT_EQ(Module1::ExtCsvPath, folder + u"ext.csv");
    EXPECT_EQ(Module1::ProgCsvPath, folder + u"prog.csv");
}

TEST(DataFilePaths, SplitBackIntoTheProgramFolder)
{
    Module1::mySetPath();
    std::u16string drive, folder, name, base, ext;
    ASSERT_EQ(Module1::mySplitPath(Module1::ReadmePath, drive, folder, name, base, ext), 0);
    EXPECT_EQ(drive + folder, expectedFolderWithSeparator());
    EXPECT_EQ(name, u"readme.txt");
}

// --- cutting engine buffers ------------------------------------------------------------

TEST(CutAtNul, KeepsTheTextBeforeTheFirstNul)
{
    std::u16string result = u"stale";
    Module1::myCutNull(result, std::u16string(u"abc\0def", 7));
    EXPECT_EQ(result, u"abc");
}

TEST(CutAtNul, LeadingNulGivesEmptyText)
{
    std::u16string result = u"stale";
    Module1::myCutNull(result, std::u16string(u"\0abc", 4));
    EXPECT_EQ(result, u"");
}

TEST(CutAtNul, TextWithoutNulIsCopiedWhole)
{
    std::u16string result = u"stale";
    Module1::myCutNull(result, u"abc");
    EXPECT_EQ(result, u"abc");
}

TEST(CutAtNul, FullBufferOfNulsGivesEmptyText)
{
    std::u16string result = u"stale";
    Module1::myCutNull(result, std::u16string(512, u'\0'));
    EXPECT_EQ(result, u"");
    Module1::myCutNull(result, u"");
    EXPECT_EQ(result, u"");
}

TEST(CutAtNul, ResultMayBeTheTextItself)
{
    std::u16string text(u"jpg\0\0\0", 6);
    Module1::myCutNull(text, text);
    EXPECT_EQ(text, u"jpg");
}
