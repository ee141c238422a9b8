#include "engine/engine.h"
#include "platform/codepage.h"
#include "platform/library.h"
#include "platform/platform.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

using engine::LibraryEngine;
using testsupport::TempFolder;

namespace {

std::u16string fakeEngineFolder(const char16_t *kind)
{
    const char16_t separator = platform::pathSeparator();
    return platform::programFolder() + separator + u"fake_engines" + separator + kind;
}

} // namespace

TEST(EngineLoading, TheRealEngineBesideTheProgramChecksAFile)
{
    TempFolder folder;
    folder.write("picture.txt", testsupport::tinyPng());
    LibraryEngine real(platform::programFolder());
    const engine::CheckResult r = real.check(folder.pathText(u"picture.txt"));
    ASSERT_TRUE(r.loaded);
    EXPECT_EQ(r.result, 1);
    EXPECT_EQ(r.trueExt, u"png");
    EXPECT_EQ(r.drive, folder.driveText());
    EXPECT_EQ(r.folder, folder.folderText());
    EXPECT_EQ(r.base, u"picture");
    EXPECT_EQ(r.presentExt, u"txt");
    EXPECT_FALSE(r.desc.empty());
}

// Every name the file system holds reaches the program's engine, whatever the ANSI code
// page (the tests on Windows run under code page 932, which has neither character).
TEST(ProgramEngine, NamesOutsideTheJapaneseCodePageAreCheckedAndDescribed)
{
    TempFolder folder;
    const std::string name = "\xF0\x9F\x93\xB7 \xC3\xA9t\xC3\xA9";  // camera emoji, "été"
    folder.write(name + ".dat", testsupport::tinyPng());
    folder.write("caf\xC3\xA9.txt", testsupport::tinyPng());
    engine::Engine &program = engine::programEngine();
    const engine::CheckResult r = program.check(folder.pathText(u"\U0001F4F7 \u00E9t\u00E9.dat"));
    EXPECT_EQ(r.result, 1);
    EXPECT_EQ(r.drive, folder.driveText());
    EXPECT_EQ(r.folder, folder.folderText());
    EXPECT_EQ(r.base, u"\U0001F4F7 \u00E9t\u00E9");
    EXPECT_EQ(r.presentExt, u"dat");
    EXPECT_EQ(r.trueExt, u"png");
    EXPECT_EQ(r.desc, u"PNG 画像");
    const engine::CheckExtResult ext = program.checkExt(folder.pathText(u"caf\u00E9.txt"));
    EXPECT_EQ(ext.result, 1);
    EXPECT_EQ(ext.ext, u"png");
    // The descriptions are the engine's own, and the next one follows on.
    const engine::WhatResult first = program.what(0, u".TIF");
    EXPECT_EQ(first.result, 0);
    EXPECT_EQ(first.desc, u"TIFF 画像");
    EXPECT_EQ(program.what(1, u"tif").desc, u"BigTIFF 画像");
    EXPECT_EQ(program.what(1, u"tif").result, -1);
}

TEST(EngineLoading, AProgramFolderWhoseNameIsNotUtf8StillFindsTheEngine)
{
    if (!testsupport::namesAreBytes())
        GTEST_SKIP() << "file names on Windows are UTF-16: no name holds bytes that are not UTF-8";
    TempFolder folder;
    const std::string programFolder = folder.file("prog\xff");
    ASSERT_TRUE(std::filesystem::create_directory(programFolder));
    std::filesystem::copy_file(platform::codepage::nameToBytes(platform::programFolder()).value() + "/libtivex.so",
                               programFolder + "/libtivex.so");
    LibraryEngine moved(platform::codepage::nameFromBytes(programFolder));
    EXPECT_TRUE(moved.check(u"/x").loaded);
}

// A folder without the library and a library without every entry point count the same.
TEST(EngineLoading, AMissingOrPartialLibraryIsReportedAsNotLoadedOnEveryCall)
{
    TempFolder empty;
    for (const std::u16string &folder : {empty.path().u16string(), fakeEngineFolder(u"partial")}) {
        LibraryEngine missing(folder);
        EXPECT_FALSE(missing.check(u"/x").loaded);
        EXPECT_FALSE(missing.what(0, u"png").loaded);
        EXPECT_FALSE(missing.checkExt(u"/x").loaded);
    }
}

TEST(EngineLoading, TheLibraryIsTakenFromTheGivenFolderOnly)
{
    LibraryEngine fake(fakeEngineFolder(u"full"));
    EXPECT_EQ(fake.libraryPath(), fakeEngineFolder(u"full") + platform::pathSeparator()
                                      + platform::engineLibraryFileName());
    // The fake answers differently from the real engine, so this tells which one was loaded.
    EXPECT_EQ(fake.check(u"/anything").folder, u"/folder/");
}

TEST(EngineResults, AreReadAsSigned16BitValues)
{
    LibraryEngine fake(fakeEngineFolder(u"full"));
    EXPECT_EQ(fake.check(u"/x").result, 1);
    const engine::WhatResult found = fake.what(0, u"png");
    EXPECT_EQ(found.result, 0);
    EXPECT_EQ(found.desc, u"説明");
    // No description goes with "none".
    const engine::WhatResult none = fake.what(1, u"none");
    EXPECT_EQ(none.result, -1);
    EXPECT_TRUE(none.desc.empty());
}

// The fake answers every path it is handed with success: a refused path never reaches it.
TEST(EngineResults, APathNoNameCanHoldIsRefusedBeforeTheEngine)
{
    LibraryEngine fake(fakeEngineFolder(u"full"));
    std::vector<std::u16string> refused = {std::u16string(u"/victim\0zzz/A.TXT", 17),
                                           std::u16string(u"C:\\victim\\A.TXT\0", 16)};
    if (platform::usesDriveLetters()) {
        for (const std::u16string path : {u"C:\\a<b.txt", u"C:\\a?.txt", u"C:\\a.txt:stream", u"C:\\a\x01.txt"})
            refused.push_back(path);
    }
    for (const std::u16string &path : refused) {
        const engine::CheckResult r = fake.check(path);
        EXPECT_TRUE(r.loaded);
        EXPECT_EQ(r.result, 0);
        EXPECT_EQ(r.desc, engine::UnencodablePathText);
        EXPECT_EQ(fake.checkExt(path).result, 0);
    }
    EXPECT_EQ(fake.check(u"/a<b>?.txt").result, platform::usesDriveLetters() ? 0 : 1);
    EXPECT_EQ(fake.what(0, std::u16string(u"png\0", 4)).result, -1) << "an extension that would end early";
}

TEST(EngineResults, BuffersFilledToTheirFullWidthAreReadWhole)
{
    LibraryEngine fake(fakeEngineFolder(u"full"));
    const engine::CheckResult r = fake.check(u"/x");
    EXPECT_EQ(r.desc, std::u16string(engine::DescWidth, u'd'));
    EXPECT_EQ(r.base, std::u16string(engine::BaseWidth, u'b'));
    EXPECT_EQ(r.trueExt, std::u16string(engine::ExtWidth, u'e'));
    EXPECT_EQ(r.presentExt, u"dat");
    EXPECT_TRUE(r.drive.empty());
}
