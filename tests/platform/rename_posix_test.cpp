#include "platform/codepage.h"
#include "platform/platform.h"
#include "platform/posix/rename_posix.h"

#include "support/exfat_mount.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using platform::RenameError;
using testsupport::readFile;
using testsupport::TempFolder;
using testsupport::writeFile;

namespace {

// A folder's entries by the bytes of their names, each with its content; a folder reads
// as FolderEntry.
using Listing = std::map<std::string, std::string>;
const std::string FolderEntry = "<folder>";

class RenameOnDisk : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.valid()); }

    std::string path(const std::string &name) const { return m_folder.file(name); }
    // The program's form of a name: the bytes of the path, each stray byte a surrogate.
    std::u16string nameOf(const std::string &bytes) const { return platform::codepage::nameFromBytes(path(bytes)); }
    bool exists(const std::string &name) const { return ::access(path(name).c_str(), F_OK) == 0; }

    void create(const Listing &entries) const
    {
        for (const auto &[name, content] : entries) {
            if (content == FolderEntry)
                ASSERT_EQ(::mkdir(path(name).c_str(), 0755), 0) << name;
            else
                ASSERT_TRUE(writeFile(path(name), content)) << name;
        }
    }

    Listing listing() const
    {
        Listing found;
        for (const auto &entry : std::filesystem::directory_iterator(m_folder.path()))
            found[entry.path().filename().string()] =
                entry.is_directory() ? FolderEntry : readFile(entry.path()).value_or("<unreadable>");
        return found;
    }

    TempFolder m_folder;
};

enum class Mover { Public, ByLink, ByReservation };

struct DiskCase {
    const char *what;
    Mover mover;
    Listing before;
    std::u16string from, to;  // names in the folder, in the program's form
    RenameError expected;
    Listing after;
};

} // namespace

// --- the public call and the fallback without RENAME_NOREPLACE, on a real file system ----

TEST_F(RenameOnDisk, EachRenameMovesOnlyItsFileAndNeverReplaces)
{
    const Listing two{{"a.txt", "first"}, {"b.txt", "second"}};
    const DiskCase cases[] = {
        {"renames, content kept", Mover::Public, {{"a.dat", "JFIF"}}, u"a.dat", u"a.jpg", RenameError::None,
         {{"a.jpg", "JFIF"}}},
        {"never replaces", Mover::Public, two, u"a.txt", u"b.txt", RenameError::TargetExists, two},
        {"missing source", Mover::Public, {}, u"gone.txt", u"new.txt", RenameError::SourceMissing, {}},
        {"same name refused untouched", Mover::Public, {{"a.txt", "x"}}, u"a.txt", u"a.txt",
         RenameError::TargetExists, {{"a.txt", "x"}}},
        {"case-only change", Mover::Public, {{"a.txt", "x"}}, u"a.txt", u"A.TXT", RenameError::None,
         {{"A.TXT", "x"}}},
        {"Japanese written as UTF-8", Mover::Public, {{"a.txt", "x"}}, u"a.txt", u"日本語～①.txt",
         RenameError::None, {{"日本語～①.txt", "x"}}},
        {"a name not UTF-8, not its lookalike", Mover::Public,
         {{"a\xFF.dat", "mine"}, {"a\xEF\xBF\xBD.dat", "sibling"}}, u"a\xDCFF.dat", u"a\xDCFF.png",
         RenameError::None, {{"a\xFF.png", "mine"}, {"a\xEF\xBF\xBD.dat", "sibling"}}},
        {"unpaired surrogate", Mover::Public, {{"a.txt", "x"}}, u"a.txt", u"b\xD800.txt",
         RenameError::InvalidName, {{"a.txt", "x"}}},
        {"overlong name", Mover::Public, {{"a.txt", "x"}}, u"a.txt", std::u16string(300, u'n'),
         RenameError::InvalidName, {{"a.txt", "x"}}},
        {"link: moves", Mover::ByLink, {{"a.dat", "x"}}, u"a.dat", u"a.png", RenameError::None, {{"a.png", "x"}}},
        {"link: never replaces", Mover::ByLink, two, u"a.txt", u"b.txt", RenameError::TargetExists, two},
        {"link: missing source", Mover::ByLink, {}, u"gone", u"new", RenameError::SourceMissing, {}},
        {"link: a folder stays", Mover::ByLink, {{"dir", FolderEntry}}, u"dir", u"moved", RenameError::Other,
         {{"dir", FolderEntry}}},
        {"reservation: moves", Mover::ByReservation, {{"a.dat", "x"}}, u"a.dat", u"a.png", RenameError::None,
         {{"a.png", "x"}}},
        {"reservation: never replaces a file", Mover::ByReservation, two, u"a.txt", u"b.txt",
         RenameError::TargetExists, two},
        {"reservation: never replaces an empty file", Mover::ByReservation, Listing{{"a.txt", "x"}, {"b.txt", ""}},
         u"a.txt", u"b.txt", RenameError::TargetExists, (Listing{{"a.txt", "x"}, {"b.txt", ""}})},
        {"reservation: never replaces an empty folder", Mover::ByReservation, Listing{{"dir", FolderEntry}, {"b", FolderEntry}},
         u"dir", u"b", RenameError::TargetExists, (Listing{{"dir", FolderEntry}, {"b", FolderEntry}})},
        {"reservation: missing source, nothing left", Mover::ByReservation, {}, u"gone", u"new",
         RenameError::SourceMissing, {}},
        {"reservation: a folder moves", Mover::ByReservation, {{"dir", FolderEntry}}, u"dir", u"moved",
         RenameError::None, {{"moved", FolderEntry}}},
        {"reservation: a file onto a folder's name", Mover::ByReservation, Listing{{"a", "x"}, {"d", FolderEntry}}, u"a",
         u"d", RenameError::TargetExists, (Listing{{"a", "x"}, {"d", FolderEntry}})},
    };
    for (const DiskCase &c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto &entry : std::filesystem::directory_iterator(m_folder.path()))
            std::filesystem::remove_all(entry.path());
        create(c.before);
        const std::u16string folder = nameOf("");
        // The public call takes names that have no bytes too; the fallbacks only bytes.
        const std::string from = platform::codepage::nameToBytes(folder + c.from).value_or("");
        const std::string to = platform::codepage::nameToBytes(folder + c.to).value_or("");
        const RenameError got = c.mover == Mover::Public   ? platform::renameNoReplace(folder + c.from, folder + c.to)
                                : c.mover == Mover::ByLink ? platform::posix::renameByLink(from, to)
                                                           : platform::posix::renameByReservation(from, to);
        EXPECT_EQ(got, c.expected);
        EXPECT_EQ(listing(), c.after);
    }
}

TEST_F(RenameOnDisk, BareNamesAreRelativeToTheCurrentFolder)
{
    testsupport::CurrentFolderGuard guard;
    ASSERT_TRUE(writeFile(path("old.txt"), "content"));
    ASSERT_TRUE(platform::setCurrentFolder(nameOf("")));
    EXPECT_EQ(platform::renameNoReplace(u"old.txt", u"new.txt"), RenameError::None);
    EXPECT_EQ(listing(), (Listing{{"new.txt", "content"}}));
}

// This file system tells letter case apart, so no spelling of a name reaches another
// entry; a second hard link spelled in the other case must not make it look otherwise.
TEST_F(RenameOnDisk, TwoEntriesOfOneFileAreTwoNames)
{
    create({{"a.txt", "one"}, {"b.txt", "two"}, {"B.TXT", "three"}});
    EXPECT_FALSE(platform::folderIgnoresCase(m_folder.folderText()));
    ASSERT_EQ(::link(path("a.txt").c_str(), path("A.TXT").c_str()), 0);
    EXPECT_FALSE(platform::folderIgnoresCase(m_folder.folderText()));
    const std::pair<const char *, const char *> notOneEntry[] = {{"a.txt", "A.TXT"}, {"b.txt", "B.TXT"}, {"a.txt", "none"}};
    for (const auto &[from, to] : notOneEntry)
        EXPECT_FALSE(platform::posix::isSameFileUnderOtherSpelling(path(from), path(to))) << from << " / " << to;
    EXPECT_EQ(platform::renameNoReplace(nameOf("a.txt"), nameOf("A.TXT")), RenameError::TargetExists);
    EXPECT_TRUE(exists("a.txt") && exists("A.TXT"));
}

TEST_F(RenameOnDisk, ANameIsTakenByAnyKindOfEntry)
{
    create({{"file", "content"}, {"folder", FolderEntry}});
    ASSERT_EQ(::symlink("nowhere", path("dangling").c_str()), 0);
    for (const char *name : {"file", "dangling", "folder", "file/below"})
        EXPECT_TRUE(platform::nameIsTaken(nameOf(name))) << name;
    EXPECT_FALSE(platform::nameIsTaken(nameOf("free")));
}

TEST_F(RenameOnDisk, ReadOnlyFolderIsAccessDenied)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root, which ignores folder permissions";
    ASSERT_TRUE(writeFile(path("a.txt"), "content"));
    ASSERT_EQ(::chmod(m_folder.path().c_str(), 0555), 0);
    EXPECT_EQ(platform::renameNoReplace(nameOf("a.txt"), nameOf("b.txt")), RenameError::AccessDenied);
    ::chmod(m_folder.path().c_str(), 0755);
    EXPECT_TRUE(exists("a.txt"));
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
    EXPECT_EQ(listing(), (Listing{{"notes.txt", "newer"}}));
}

// Another program takes the new name right after the reservation was made: its file
// stays and the rename is refused. The reservation is made and checked in that order,
// and it is recorded as it is made.
TEST_F(RenameOnDisk, ReservationFallbackLeavesARacersFileAlone)
{
    const struct {
        const char *what;
        bool racerReplaces;  // renames its own file over the reservation, or removes it and makes its own
    } racers[] = {{"replaces", true}, {"removes and makes anew", false}};
    for (const auto &racer : racers) {
        SCOPED_TRACE(racer.what);
        for (const auto &entry : std::filesystem::directory_iterator(m_folder.path()))
            std::filesystem::remove_all(entry.path());
        create({{"photo.dat", "mine"}, {"theirs.tmp", "theirs"}});
        std::vector<std::string> events;
        platform::RenameWatch watch;
        watch.reserved = [&](const std::u16string &name, const platform::FileStamp &stamp) {
            events.push_back("reserved");
            EXPECT_EQ(name, nameOf("photo.png"));
            EXPECT_EQ(stamp.size, 0u);
            EXPECT_EQ(readFile(path("photo.png")), "");
            if (racer.racerReplaces) {
                ASSERT_EQ(::rename(path("theirs.tmp").c_str(), path("photo.png").c_str()), 0);
            } else {
                ASSERT_EQ(::unlink(path("photo.png").c_str()), 0);
                ASSERT_EQ(::rename(path("theirs.tmp").c_str(), path("photo.png").c_str()), 0);
            }
        };
        watch.checked = [&] { events.push_back("checked"); };
        EXPECT_EQ(platform::posix::renameByReservation(path("photo.dat"), path("photo.png"), &watch),
                  RenameError::TargetExists);
        EXPECT_EQ(events, std::vector<std::string>{"reserved"});
        EXPECT_EQ(listing(), (Listing{{"photo.dat", "mine"}, {"photo.png", "theirs"}}));
    }
}

// On a real exFAT stick through FUSE: neither a no-replace rename nor hard links, names
// matched regardless of case, a file number for every spelling. Renames still never
// replace, a change of letter case goes through, and the probe tells the folder right.
TEST(RenameOnExfat, NeverReplacesChangesCaseAndIsToldApart)
{
    testsupport::ExfatMount stick;
    if (!stick.mounted())
        GTEST_SKIP() << stick.skipReason();
    const std::string folder = stick.path().string() + '/';
    const std::u16string folderName = platform::codepage::nameFromBytes(folder);
    ASSERT_TRUE(writeFile(folder + "Photo.JPG", "jpeg"));
    ASSERT_TRUE(writeFile(folder + "other.txt", "other"));
    EXPECT_TRUE(platform::folderIgnoresCase(folderName));
    EXPECT_FALSE(platform::folderKeepsFileNumbers(folderName));
    EXPECT_TRUE(platform::posix::isSameFileUnderOtherSpelling(folder + "Photo.JPG", folder + "photo.jpg"));
    EXPECT_FALSE(platform::posix::isSameFileUnderOtherSpelling(folder + "other.txt", folder + "photo.jpg"));

    EXPECT_EQ(platform::renameNoReplace(folderName + u"other.txt", folderName + u"PHOTO.jpg"), RenameError::TargetExists);
    EXPECT_EQ(platform::renameNoReplace(folderName + u"Photo.JPG", folderName + u"photo.jpg"), RenameError::None);
    EXPECT_EQ(platform::renameNoReplace(folderName + u"other.txt", folderName + u"note.md"), RenameError::None);
    Listing found;
    for (const auto &entry : std::filesystem::directory_iterator(stick.path()))
        found[entry.path().filename().string()] = readFile(entry.path()).value_or("<unreadable>");
    EXPECT_EQ(found, (Listing{{"photo.jpg", "jpeg"}, {"note.md", "other"}}));

    // A racer that takes the reserved name keeps its file here too.
    ASSERT_TRUE(writeFile(folder + "theirs.tmp", "theirs"));
    platform::RenameWatch watch;
    watch.reserved = [&](const std::u16string &, const platform::FileStamp &) {
        ASSERT_EQ(::rename((folder + "theirs.tmp").c_str(), (folder + "new.md").c_str()), 0);
    };
    EXPECT_EQ(platform::renameNoReplace(folderName + u"note.md", folderName + u"new.md", nullptr, &watch),
              RenameError::TargetExists);
    EXPECT_EQ(readFile(folder + "new.md"), "theirs");
    EXPECT_EQ(readFile(folder + "note.md"), "other");
}

// --- telling a case-only change apart --------------------------------------------------

TEST(CaseOnlyChange, OnlyLetterCaseMayDiffer)
{
    const struct {
        const char *a, *b;
        bool caseOnly;
    } cases[] = {
        {"dir/a.txt", "dir/A.TXT", true},
        {"Photo.JPG", "photo.jpg", true},
        {"ｍｅｍｏ.txt", "ＭＥＭＯ.txt", true},
        {"café", "CAFÉ", true},
        {"a.txt", "a.txt", false},
        {"a.txt", "b.txt", false},
        {"a.txt", "A.TXT ", false},
        {"a.txt", "a_txt", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(platform::posix::namesDifferOnlyInCase(c.a, c.b), c.caseOnly) << c.a << " / " << c.b;
}

// --- the detour through a temporary name, on a model of a case-insensitive folder -------

namespace {

// A folder that matches names regardless of ASCII case and keeps the spelling each file
// was given, as FAT, NTFS and casefolded ext4 do. Renames never replace.
class CaseInsensitiveFolder {
public:
    explicit CaseInsensitiveFolder(Listing files) : files(std::move(files)) {}

    platform::posix::RenameSystem system()
    {
        return {[this](const std::string &from, const std::string &to) { return rename(from, to); },
                [this](const std::string &from, const std::string &to) {
                    const auto spelling = spellingOf(from);
                    return spelling && fold(from) == fold(to) && *spelling != to;
                }};
    }

    Listing files;
    int renameCalls = 0;
    std::string refuseTarget;       // every rename to this name fails with AccessDenied
    bool refuseFinalStep = false;   // the move from the temporary name fails
    int takenTemporaryNames = 0;    // this many temporary names are already in use
    int refusedPutBacks = 0;        // this many moves back to the old name fail: it is taken

private:
    static std::string fold(std::string name)
    {
        for (char &c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return name;
    }

    std::optional<std::string> spellingOf(const std::string &name) const
    {
        for (const auto &[spelling, content] : files) {
            if (fold(spelling) == fold(name))
                return spelling;
        }
        return std::nullopt;
    }

    bool isTemporary(const std::string &name) const { return name != m_first && name != m_second; }

    RenameError rename(const std::string &from, const std::string &to)
    {
        if (++renameCalls == 1) {
            m_first = from;
            m_second = to;
        }
        if (to == refuseTarget || (refuseFinalStep && isTemporary(from) && to == m_second))
            return RenameError::AccessDenied;
        if (isTemporary(from) && to == m_first && refusedPutBacks > 0) {
            --refusedPutBacks;
            return RenameError::TargetExists;
        }
        if (isTemporary(to) && takenTemporaryNames > 0) {
            --takenTemporaryNames;
            return RenameError::TargetExists;
        }
        const auto source = spellingOf(from);
        if (!source)
            return RenameError::SourceMissing;
        if (spellingOf(to))
            return RenameError::TargetExists;
        const std::string content = files[*source];
        files.erase(*source);
        files[to] = content;
        return RenameError::None;
    }

    std::string m_first;
    std::string m_second;
};

// Stands in the expected listing for the temporary name the call reports.
const std::string Temporary = "<temporary>";

struct DetourCase {
    const char *what;
    Listing before;
    std::string from, to;
    std::string refuseTarget;
    bool refuseFinalStep;
    int takenTemporaryNames, refusedPutBacks;
    RenameError expected;
    int renameCalls;  // -1: any number
    Listing after;
};

} // namespace

TEST(CaseOnlyDetour, ChangesTheSpellingOrPutsTheFileBack)
{
    const Listing one{{"a.txt", "x"}};
    const DetourCase cases[] = {
        {"through a temporary name", {{"a.txt", "x"}, {"other.txt", "o"}}, "a.txt", "A.TXT", "", false, 0, 0,
         RenameError::None, 3, {{"A.TXT", "x"}, {"other.txt", "o"}}},
        {"temporary names in use are skipped", one, "a.txt", "A.txt", "", false, 2, 0, RenameError::None, -1,
         {{"A.txt", "x"}}},
        {"failed second step, put back", one, "a.txt", "A.TXT", "", true, 0, 0, RenameError::AccessDenied, 4, one},
        {"failed second step, put back on the third try", one, "a.txt", "A.TXT", "", true, 0, 2,
         RenameError::AccessDenied, 6, one},
        {"cannot be put back: left under the temporary name", one, "a.txt", "A.TXT", "", true, 0, 1000,
         RenameError::LeftUnderTemporaryName, -1, {{Temporary, "x"}}},
        {"another file under the name", {{"a.txt", "1"}, {"B.TXT", "2"}}, "a.txt", "b.txt", "", false, 0, 0,
         RenameError::TargetExists, -1, {{"a.txt", "1"}, {"B.TXT", "2"}}},
        {"same spelling, folder untouched", one, "a.txt", "a.txt", "", false, 0, 0, RenameError::TargetExists, 0,
         one},
        {"other failures are not retried", one, "a.txt", "A.TXT", "A.TXT", false, 0, 0, RenameError::AccessDenied,
         1, one},
    };
    for (const DetourCase &c : cases) {
        SCOPED_TRACE(c.what);
        CaseInsensitiveFolder folder(c.before);
        folder.refuseTarget = c.refuseTarget;
        folder.refuseFinalStep = c.refuseFinalStep;
        folder.takenTemporaryNames = c.takenTemporaryNames;
        folder.refusedPutBacks = c.refusedPutBacks;
        std::string temporary;
        EXPECT_EQ(platform::posix::renameNoReplaceWith(c.from, c.to, folder.system(), &temporary), c.expected);
        EXPECT_TRUE(c.renameCalls < 0 || folder.renameCalls == c.renameCalls) << folder.renameCalls << " calls";
        Listing after = c.after;
        if (after.count(Temporary)) {
            EXPECT_TRUE(temporary.starts_with(".sorvena-rename-")) << temporary;
            after[temporary] = after[Temporary];
            after.erase(Temporary);
        } else {
            EXPECT_EQ(temporary, "");
        }
        EXPECT_EQ(folder.files, after);
    }
}

// --- errno values ----------------------------------------------------------------------

TEST(RenameErrorMapping, SortsSystemErrorsIntoReasons)
{
    const std::pair<RenameError, std::vector<int>> reasons[] = {
        {RenameError::TargetExists, {EEXIST, ENOTEMPTY}},
        {RenameError::SourceMissing, {ENOENT}},
        {RenameError::AccessDenied, {EACCES, EPERM, EROFS, EBUSY, ETXTBSY}},
        {RenameError::InvalidName, {ENAMETOOLONG, EINVAL, EILSEQ}},
        {RenameError::Other, {EIO}},
    };
    for (const auto &[reason, errors] : reasons) {
        for (const int error : errors)
            EXPECT_EQ(platform::posix::renameErrorFromErrno(error), reason) << error;
    }
}
