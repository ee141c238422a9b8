#include "platform/codepage.h"
#include "platform/platform.h"
#include "platform/posix/rename_posix.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <iterator>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using platform::RenameError;
using testsupport::readFile;
using testsupport::TempFolder;
using testsupport::writeFile;

namespace {

std::u16string wide(const std::string &utf8)
{
    return std::u16string(utf8.begin(), utf8.end());
}

class RenameOnDisk : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.valid()); }

    std::string path(const std::string &name) const { return m_folder.file(name); }
    std::u16string widePath(const std::string &name) const { return wide(path(name)); }
    bool exists(const std::string &name) const { return ::access(path(name).c_str(), F_OK) == 0; }

    TempFolder m_folder;
};

} // namespace

// --- the public call on a real file system --------------------------------------------

TEST_F(RenameOnDisk, RenamesAndKeepsTheContent)
{
    ASSERT_TRUE(writeFile(path("a.dat"), "JFIF content"));
    EXPECT_EQ(platform::renameNoReplace(widePath("a.dat"), widePath("a.jpg")), RenameError::None);
    EXPECT_FALSE(exists("a.dat"));
    EXPECT_EQ(readFile(path("a.jpg")), "JFIF content");
}

TEST_F(RenameOnDisk, NeverReplacesAnExistingFile)
{
    ASSERT_TRUE(writeFile(path("a.txt"), "first"));
    ASSERT_TRUE(writeFile(path("b.txt"), "second"));
    EXPECT_EQ(platform::renameNoReplace(widePath("a.txt"), widePath("b.txt")),
              RenameError::TargetExists);
    EXPECT_EQ(readFile(path("a.txt")), "first");
    EXPECT_EQ(readFile(path("b.txt")), "second");
}

TEST_F(RenameOnDisk, MissingSourceIsReported)
{
    EXPECT_EQ(platform::renameNoReplace(widePath("gone.txt"), widePath("new.txt")),
              RenameError::SourceMissing);
    EXPECT_FALSE(exists("new.txt"));
}

TEST_F(RenameOnDisk, RenameToTheSameNameIsRefusedAndTouchesNothing)
{
    ASSERT_TRUE(writeFile(path("a.txt"), "content"));
    EXPECT_EQ(platform::renameNoReplace(widePath("a.txt"), widePath("a.txt")),
              RenameError::TargetExists);
    EXPECT_EQ(readFile(path("a.txt")), "content");
}

TEST_F(RenameOnDisk, CaseOnlyChangeSucceeds)
{
    ASSERT_TRUE(writeFile(path("a.txt"), "content"));
    EXPECT_EQ(platform::renameNoReplace(widePath("a.txt"), widePath("A.TXT")), RenameError::None);
    EXPECT_EQ(readFile(path("A.TXT")), "content");
    EXPECT_FALSE(exists("a.txt"));
}

TEST_F(RenameOnDisk, BareNamesAreRelativeToTheCurrentFolder)
{
    testsupport::CurrentFolderGuard guard;
    ASSERT_TRUE(writeFile(path("old.txt"), "content"));
    ASSERT_TRUE(platform::setCurrentFolder(wide(m_folder.path().string())));
    EXPECT_EQ(platform::renameNoReplace(u"old.txt", u"new.txt"), RenameError::None);
    EXPECT_EQ(readFile(path("new.txt")), "content");
}

TEST_F(RenameOnDisk, JapaneseNamesAreWrittenAsUtf8)
{
    ASSERT_TRUE(writeFile(path("a.txt"), "content"));
    const std::u16string target = wide(m_folder.path().string()) + u"/日本語～①.txt";
    EXPECT_EQ(platform::renameNoReplace(widePath("a.txt"), target), RenameError::None);
    EXPECT_EQ(readFile(path("日本語～①.txt")), "content");
}

TEST_F(RenameOnDisk, ANameThatIsNotUtf8IsRenamedAndNotItsLookalike)
{
    ASSERT_TRUE(writeFile(path("a\xFF.dat"), "mine"));
    ASSERT_TRUE(writeFile(path("a\xEF\xBF\xBD.dat"), "sibling"));  // a\uFFFD.dat
    const auto name = [this](const std::string &bytes) {
        return platform::codepage::nameFromBytes(path(bytes));
    };
    EXPECT_EQ(platform::renameNoReplace(name("a\xFF.dat"), name("a\xFF.png")), RenameError::None);
    EXPECT_EQ(readFile(path("a\xFF.png")), "mine");
    EXPECT_EQ(readFile(path("a\xEF\xBF\xBD.dat")), "sibling");
}

TEST_F(RenameOnDisk, UnpairedSurrogateIsAnInvalidNameAndNothingMoves)
{
    ASSERT_TRUE(writeFile(path("a.txt"), "content"));
    const std::u16string target = widePath("b") + u'\xD800' + u".txt";
    EXPECT_EQ(platform::renameNoReplace(widePath("a.txt"), target), RenameError::InvalidName);
    EXPECT_TRUE(exists("a.txt"));
}

TEST_F(RenameOnDisk, OverlongNameIsAnInvalidName)
{
    ASSERT_TRUE(writeFile(path("a.txt"), "content"));
    EXPECT_EQ(platform::renameNoReplace(widePath("a.txt"), widePath(std::string(300, 'n'))),
              RenameError::InvalidName);
    EXPECT_TRUE(exists("a.txt"));
}

// This file system tells letter case apart, so no spelling of a name reaches another
// entry; a second hard link spelled in the other case must not make it look otherwise.
TEST_F(RenameOnDisk, AFolderThatTellsCaseApartIsReportedSo)
{
    ASSERT_TRUE(writeFile(path("Photo.jpg"), "content"));
    EXPECT_FALSE(platform::folderIgnoresCase(m_folder.folderText()));
    ASSERT_EQ(::link(path("Photo.jpg").c_str(), path("pHOTO.JPG").c_str()), 0);
    EXPECT_FALSE(platform::folderIgnoresCase(m_folder.folderText()));
}

TEST_F(RenameOnDisk, ANameIsTakenByAnyKindOfEntry)
{
    ASSERT_TRUE(writeFile(path("file"), "content"));
    ASSERT_EQ(::symlink("nowhere", path("dangling").c_str()), 0);
    ASSERT_EQ(::mkdir(path("folder").c_str(), 0755), 0);
    for (const char *name : {"file", "dangling", "folder"})
        EXPECT_TRUE(platform::nameIsTaken(widePath(name))) << name;
    EXPECT_FALSE(platform::nameIsTaken(widePath("free")));
    EXPECT_TRUE(platform::nameIsTaken(widePath("file/below")));
}

TEST_F(RenameOnDisk, ReadOnlyFolderIsAccessDenied)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root, which ignores folder permissions";
    ASSERT_TRUE(writeFile(path("a.txt"), "content"));
    ASSERT_EQ(::chmod(m_folder.path().c_str(), 0555), 0);
    EXPECT_EQ(platform::renameNoReplace(widePath("a.txt"), widePath("b.txt")),
              RenameError::AccessDenied);
    ::chmod(m_folder.path().c_str(), 0755);
    EXPECT_TRUE(exists("a.txt"));
}

// --- the fallback for file systems without RENAME_NOREPLACE ----------------------------

TEST_F(RenameOnDisk, LinkFallbackMovesTheFile)
{
    ASSERT_TRUE(writeFile(path("a.dat"), "content"));
    EXPECT_EQ(platform::posix::renameByLink(path("a.dat"), path("a.png")), RenameError::None);
    EXPECT_FALSE(exists("a.dat"));
    EXPECT_EQ(readFile(path("a.png")), "content");
}

TEST_F(RenameOnDisk, LinkFallbackNeverReplaces)
{
    ASSERT_TRUE(writeFile(path("a.txt"), "first"));
    ASSERT_TRUE(writeFile(path("b.txt"), "second"));
    EXPECT_EQ(platform::posix::renameByLink(path("a.txt"), path("b.txt")),
              RenameError::TargetExists);
    EXPECT_EQ(readFile(path("a.txt")), "first");
    EXPECT_EQ(readFile(path("b.txt")), "second");
}

TEST_F(RenameOnDisk, LinkFallbackNeverDeletesAFileSavedOverTheOldNameMeanwhile)
{
    ASSERT_TRUE(writeFile(path("notes.txt"), "older"));
    // An editor saves the way editors do: a new file, renamed over the old name.
    const auto editorSaves = [this] {
        ASSERT_TRUE(writeFile(path("notes.txt.swp"), "newer"));
        ASSERT_EQ(::rename(path("notes.txt.swp").c_str(), path("notes.txt").c_str()), 0);
    };
    EXPECT_EQ(platform::posix::renameByLink(path("notes.txt"), path("notes.md"), editorSaves),
              RenameError::ChangedMeanwhile);
    EXPECT_EQ(readFile(path("notes.txt")), "newer");
    EXPECT_FALSE(exists("notes.md"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.path()),
                            std::filesystem::directory_iterator()), 1);
}

TEST_F(RenameOnDisk, LinkFallbackReportsMissingSource)
{
    EXPECT_EQ(platform::posix::renameByLink(path("gone"), path("new")), RenameError::SourceMissing);
    EXPECT_FALSE(exists("new"));
}

TEST_F(RenameOnDisk, LinkFallbackCannotMoveAFolderAndLeavesItAlone)
{
    ASSERT_EQ(::mkdir(path("dir").c_str(), 0755), 0);
    EXPECT_EQ(platform::posix::renameByLink(path("dir"), path("moved")), RenameError::Other);
    EXPECT_TRUE(exists("dir"));
    EXPECT_FALSE(exists("moved"));
}

// --- telling a case-only change apart --------------------------------------------------

TEST(CaseOnlyChange, RecognisesLetterCaseDifferences)
{
    using platform::posix::namesDifferOnlyInCase;
    EXPECT_TRUE(namesDifferOnlyInCase("dir/a.txt", "dir/A.TXT"));
    EXPECT_TRUE(namesDifferOnlyInCase("Photo.JPG", "photo.jpg"));
    EXPECT_TRUE(namesDifferOnlyInCase("ｍｅｍｏ.txt", "ＭＥＭＯ.txt"));
    EXPECT_TRUE(namesDifferOnlyInCase("café", "CAFÉ"));
}

TEST(CaseOnlyChange, RefusesIdenticalOrDifferentNames)
{
    using platform::posix::namesDifferOnlyInCase;
    EXPECT_FALSE(namesDifferOnlyInCase("a.txt", "a.txt"));
    EXPECT_FALSE(namesDifferOnlyInCase("a.txt", "b.txt"));
    EXPECT_FALSE(namesDifferOnlyInCase("a.txt", "A.TXT "));
    EXPECT_FALSE(namesDifferOnlyInCase("a.txt", "a_txt"));
}

TEST_F(RenameOnDisk, TwoEntriesOfOneFileAreNotTheSameName)
{
    ASSERT_TRUE(writeFile(path("a.txt"), "content"));
    ASSERT_EQ(::link(path("a.txt").c_str(), path("A.TXT").c_str()), 0);
    EXPECT_FALSE(platform::posix::isSameFileUnderOtherSpelling(path("a.txt"), path("A.TXT")));
    EXPECT_EQ(platform::renameNoReplace(widePath("a.txt"), widePath("A.TXT")),
              RenameError::TargetExists);
    EXPECT_TRUE(exists("a.txt"));
    EXPECT_TRUE(exists("A.TXT"));
}

TEST_F(RenameOnDisk, DifferentFilesAreNotTheSameName)
{
    ASSERT_TRUE(writeFile(path("a.txt"), "one"));
    ASSERT_TRUE(writeFile(path("A.TXT"), "two"));
    EXPECT_FALSE(platform::posix::isSameFileUnderOtherSpelling(path("a.txt"), path("A.TXT")));
    EXPECT_FALSE(platform::posix::isSameFileUnderOtherSpelling(path("a.txt"), path("none")));
}

// --- the detour through a temporary name, on a model of a case-insensitive folder -------

namespace {

// A folder that matches names regardless of ASCII case and keeps the spelling each file
// was given, as FAT, NTFS and casefolded ext4 do. Renames never replace.
class CaseInsensitiveFolder {
public:
    void add(const std::string &name, const std::string &content) { m_files[fold(name)] = {name, content}; }

    std::map<std::string, std::string> listing() const
    {
        std::map<std::string, std::string> result;
        for (const auto &[key, file] : m_files)
            result[file.spelling] = file.content;
        return result;
    }

    platform::posix::RenameSystem system()
    {
        return {[this](const std::string &from, const std::string &to) { return rename(from, to); },
                [this](const std::string &from, const std::string &to) {
                    const auto it = m_files.find(fold(from));
                    return it != m_files.end() && fold(from) == fold(to) && it->second.spelling != to;
                }};
    }

    int renameCalls = 0;
    std::string refuseTarget;       // every rename to this name fails with AccessDenied
    bool refuseFinalStep = false;   // the move from the temporary name fails
    int takenTemporaryNames = 0;    // this many temporary names are already in use
    int refusedPutBacks = 0;        // this many moves back to the old name fail: it is taken

private:
    struct File {
        std::string spelling;
        std::string content;
    };

    static std::string fold(std::string name)
    {
        for (char &c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return name;
    }

    bool isTemporary(const std::string &name) const { return name != m_first && name != m_second; }

    RenameError rename(const std::string &from, const std::string &to)
    {
        ++renameCalls;
        if (renameCalls == 1) {
            m_first = from;
            m_second = to;
        }
        if (to == refuseTarget || (refuseFinalStep && isTemporary(from) && to == m_second))
            return RenameError::AccessDenied;
        if (isTemporary(from) && to == m_first && refusedPutBacks > 0) {
            --refusedPutBacks;
            return RenameError::TargetExists;
        }
        if (isTemporary(to) && m_temporariesRefused < takenTemporaryNames) {
            ++m_temporariesRefused;
            return RenameError::TargetExists;
        }
        const auto source = m_files.find(fold(from));
        if (source == m_files.end())
            return RenameError::SourceMissing;
        if (m_files.count(fold(to)))
            return RenameError::TargetExists;
        File moved{to, source->second.content};
        m_files.erase(source);
        m_files[fold(to)] = moved;
        return RenameError::None;
    }

    std::map<std::string, File> m_files;
    std::string m_first;
    std::string m_second;
    int m_temporariesRefused = 0;
};

using Listing = std::map<std::string, std::string>;

} // namespace

TEST(CaseOnlyDetour, ChangesTheSpellingThroughATemporaryName)
{
    CaseInsensitiveFolder folder;
    folder.add("a.txt", "content");
    folder.add("other.txt", "other");
    EXPECT_EQ(platform::posix::renameNoReplaceWith("a.txt", "A.TXT", folder.system()), RenameError::None);
    EXPECT_EQ(folder.listing(), (Listing{{"A.TXT", "content"}, {"other.txt", "other"}}));
    EXPECT_EQ(folder.renameCalls, 3);
}

TEST(CaseOnlyDetour, SkipsTemporaryNamesAlreadyInUse)
{
    CaseInsensitiveFolder folder;
    folder.add("a.txt", "content");
    folder.takenTemporaryNames = 2;
    EXPECT_EQ(platform::posix::renameNoReplaceWith("a.txt", "A.txt", folder.system()), RenameError::None);
    EXPECT_EQ(folder.listing(), (Listing{{"A.txt", "content"}}));
}

TEST(CaseOnlyDetour, FailedSecondStepPutsTheFileBackTryingAgainIfNeeded)
{
    for (const int refusals : {0, 2}) {
        CaseInsensitiveFolder folder;
        folder.add("a.txt", "content");
        folder.refuseFinalStep = true;
        folder.refusedPutBacks = refusals;
        std::string temporary;
        EXPECT_EQ(platform::posix::renameNoReplaceWith("a.txt", "A.TXT", folder.system(), &temporary),
                  RenameError::AccessDenied);
        EXPECT_EQ(folder.listing(), (Listing{{"a.txt", "content"}})) << refusals;
        EXPECT_EQ(folder.renameCalls, 4 + refusals);
        EXPECT_TRUE(temporary.empty());
    }
}

TEST(CaseOnlyDetour, AFileThatCannotBePutBackIsReportedUnderItsTemporaryName)
{
    CaseInsensitiveFolder folder;
    folder.add("a.txt", "content");
    folder.refuseFinalStep = true;
    folder.refusedPutBacks = 1000;
    std::string temporary;
    EXPECT_EQ(platform::posix::renameNoReplaceWith("a.txt", "A.TXT", folder.system(), &temporary),
              RenameError::LeftUnderTemporaryName);
    EXPECT_TRUE(temporary.starts_with(".sorvena-rename-")) << temporary;
    EXPECT_EQ(folder.listing(), (Listing{{temporary, "content"}}));
}

TEST(CaseOnlyDetour, AnotherFileUnderTheNameIsStillRefused)
{
    CaseInsensitiveFolder folder;
    folder.add("a.txt", "one");
    folder.add("B.TXT", "two");
    EXPECT_EQ(platform::posix::renameNoReplaceWith("a.txt", "b.txt", folder.system()),
              RenameError::TargetExists);
    EXPECT_EQ(folder.listing(), (Listing{{"a.txt", "one"}, {"B.TXT", "two"}}));
}

TEST(CaseOnlyDetour, SameSpellingIsRefusedWithoutTouchingTheFolder)
{
    CaseInsensitiveFolder folder;
    folder.add("a.txt", "content");
    EXPECT_EQ(platform::posix::renameNoReplaceWith("a.txt", "a.txt", folder.system()),
              RenameError::TargetExists);
    EXPECT_EQ(folder.renameCalls, 0);
}

TEST(CaseOnlyDetour, OtherFailuresAreNotRetried)
{
    CaseInsensitiveFolder folder;
    folder.add("a.txt", "content");
    folder.refuseTarget = "A.TXT";
    EXPECT_EQ(platform::posix::renameNoReplaceWith("a.txt", "A.TXT", folder.system()),
              RenameError::AccessDenied);
    EXPECT_EQ(folder.renameCalls, 1);
    EXPECT_EQ(folder.listing(), (Listing{{"a.txt", "content"}}));
}

// --- errno values ----------------------------------------------------------------------

TEST(RenameErrorMapping, SortsSystemErrorsIntoReasons)
{
    using platform::posix::renameErrorFromErrno;
    EXPECT_EQ(renameErrorFromErrno(EEXIST), RenameError::TargetExists);
    EXPECT_EQ(renameErrorFromErrno(ENOTEMPTY), RenameError::TargetExists);
    EXPECT_EQ(renameErrorFromErrno(ENOENT), RenameError::SourceMissing);
    for (int error : {EACCES, EPERM, EROFS, EBUSY, ETXTBSY})
        EXPECT_EQ(renameErrorFromErrno(error), RenameError::AccessDenied) << error;
    for (int error : {ENAMETOOLONG, EINVAL, EILSEQ})
        EXPECT_EQ(renameErrorFromErrno(error), RenameError::InvalidName) << error;
    EXPECT_EQ(renameErrorFromErrno(EIO), RenameError::Other);
}
