// The engine linked into the program on Windows, at the edges of what it takes: folders
// up to the length the program can make current, and names as long as Windows allows,
// in characters the ANSI code page does not have.
#include "engine/engine.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <tivex_wide.h>

#include <algorithm>
#include <filesystem>
#include <string>

using testsupport::TempFolder;

namespace {

// Nested folders below the temporary one, of characters outside code page 932, so that
// the folder the engine reports is exactly `length` characters long; returns its path.
// (Each name stays within the 255 bytes a Linux name under Wine may take.)
std::filesystem::path folderOfLength(const TempFolder &base, std::size_t length)
{
    std::filesystem::path folder = base.path();
    std::size_t remaining = length - base.folderText().size();
    while (remaining > 0) {
        const std::size_t component = std::min<std::size_t>(remaining - 1, 100);
        folder /= std::u16string(component, u'\u00FC');
        remaining -= component + 1;
    }
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace

TEST(LinkedEngine, FoldersUpToTheirLimitAreCheckedAndLongerOnesRefusedWithTheReason)
{
    TempFolder base;
    engine::LinkedEngine linked;
    for (const std::size_t length : {tivex::wide::FolderWidth, tivex::wide::FolderWidth + 1}) {
        const std::filesystem::path folder = folderOfLength(base, length);
        testsupport::writeFile(folder / u"\u00E9t\u00E9.txt", testsupport::tinyPng());
        const engine::CheckResult r = linked.check(folder.u16string() + u"\\\u00E9t\u00E9.txt");
        if (length == tivex::wide::FolderWidth) {
            EXPECT_EQ(r.result, 1);
            EXPECT_EQ(r.folder.size(), length);
            EXPECT_EQ(r.trueExt, u"png");
        } else {
            EXPECT_EQ(r.result, 0);
            EXPECT_EQ(r.desc, u"フォルダーのパスが長すぎます（256 文字まで）");
            EXPECT_EQ(r.folder, u"");
        }
        // Renaming asks only for the extension, in a folder of any length.
        EXPECT_EQ(linked.checkExt(folder.u16string() + u"\\\u00E9t\u00E9.txt").ext, u"png");
    }
}

// A name as long as Windows allows, far past the 64 bytes the library's base name takes,
// and the path forms that name no file.
TEST(LinkedEngine, NamesUpToWindowsOwnLimitAreCheckedAndPathsOfAnotherFormFail)
{
    TempFolder folder;
    const std::u16string longBase(251, u'\u5831');
    testsupport::writeFile(folder.path() / (longBase + u".txt"), testsupport::tinyPng());
    engine::LinkedEngine linked;
    const engine::CheckResult r = linked.check(folder.pathText(longBase + u".txt"));
    EXPECT_EQ(r.result, 1);
    EXPECT_EQ(r.base, longBase);
    const struct {
        std::u16string path;
        std::u16string reason;
    } cases[] = {
        {u"", u"ファイルが指定されていません"},
        {u"relative\\a.txt", u"フルパスで指定してください"},
        {u"\\\\server\\share\\a.txt", u"フルパスで指定してください"},
        {folder.pathText(u""), u"ファイル名がありません。ファイルを指定してください"},
        {folder.pathText(u"missing\u00E9.txt"), u"ファイルが見つかりません"},
        {folder.pathText(longBase + u".txt") + u'\0' + u"x", u"ファイルが見つかりません"},
    };
    for (const auto &c : cases) {
        const engine::CheckResult failed = linked.check(c.path);
        EXPECT_EQ(failed.result, 0);
        EXPECT_EQ(failed.desc, c.reason);
        EXPECT_EQ(failed.base, u"");
    }
}
