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

TEST(DataFilePaths, LieBesideTheExecutableAndSplitBackIntoItsFolder)
{
    Module1::mySetPath();
    const std::u16string folder = expectedFolderWithSeparator();
    EXPECT_EQ(Module1::ReadmePath, folder + u"readme.txt");
    EXPECT_EQ(Module1::ExtCsvPath, folder + u"ext.csv");
    EXPECT_EQ(Module1::ProgCsvPath, folder + u"prog.csv");
    std::u16string drive, where, name, base, ext;
    ASSERT_EQ(Module1::mySplitPath(Module1::ExtCsvPath, drive, where, name, base, ext), 0);
    EXPECT_EQ(drive + where, folder);
    EXPECT_EQ(name, u"ext.csv");
    EXPECT_EQ(ext, u"csv");
}

// --- cutting engine buffers ------------------------------------------------------------

TEST(CutAtNul, KeepsTheTextBeforeTheFirstNul)
{
    const std::pair<std::u16string, std::u16string> cases[] = {
        {std::u16string(u"abc\0def", 7), u"abc"},
        {std::u16string(u"\0abc", 4), u""},
        {u"abc", u"abc"},
        {std::u16string(512, u'\0'), u""},
        {u"", u""},
    };
    for (const auto &[buffer, text] : cases) {
        std::u16string result = u"stale";
        Module1::myCutNull(result, buffer);
        EXPECT_EQ(result, text) << buffer.size() << " units";
    }
    // The result may be the buffer itself.
    std::u16string buffer(u"jpg\0\0\0", 6);
    Module1::myCutNull(buffer, buffer);
    EXPECT_EQ(buffer, u"jpg");
}
