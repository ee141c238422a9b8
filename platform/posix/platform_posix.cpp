// The platform services on Linux and other POSIX systems.
#include "platform/platform.h"

#include "platform/codepage.h"
#include "platform/posix/rename_posix.h"
#include "platform/posix/spawn_posix.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#ifdef __linux__
#include <sys/vfs.h>
#endif
#include <system_error>
#include <unistd.h>

namespace platform {

namespace {

std::vector<std::string> &storedArguments()
{
    static std::vector<std::string> arguments;
    return arguments;
}

std::u16string lastPathComponent(const std::string &path)
{
    const auto slash = path.rfind('/');
    return codepage::nameFromBytes(slash == std::string::npos ? path : path.substr(slash + 1));
}

std::string executablePath()
{
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.native();
}

bool isBlankWord(const std::string &word)
{
    return word.find_first_not_of(" \t") == std::string::npos;
}

// What a shell uses when PATH is not set at all.
constexpr std::string_view DefaultSearchPath = "/usr/local/bin:/usr/bin:/bin";

bool hasAsciiLetter(std::string_view name)
{
    for (const char c : name) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            return true;
    }
    return false;
}

std::string withAsciiCaseSwapped(std::string name)
{
    for (char &c : name) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 0x20);
        else if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 0x20);
    }
    return name;
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

class FolderReader {
public:
    explicit FolderReader(const std::string &folder) : m_dir(::opendir(folder.c_str())) {}
    ~FolderReader()
    {
        if (m_dir)
            ::closedir(m_dir);
    }
    FolderReader(const FolderReader &) = delete;
    FolderReader &operator=(const FolderReader &) = delete;

    bool opened() const { return m_dir != nullptr; }

    // The next entry's name, or nothing at the end.
    std::optional<std::string> next()
    {
        while (m_dir) {
            const dirent *entry = ::readdir(m_dir);
            if (!entry)
                return std::nullopt;
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..")
                return std::string(name);
        }
        return std::nullopt;
    }

private:
    DIR *m_dir;
};

} // namespace

void initArguments(int argc, char **argv)
{
    auto &arguments = storedArguments();
    arguments.clear();
    for (int i = 0; i < argc && argv[i]; ++i)
        arguments.emplace_back(argv[i]);
}

std::u16string programFolder()
{
    const std::string path = executablePath();
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return {};
    return codepage::nameFromBytes(path.substr(0, slash));
}

std::u16string programName()
{
    const auto &arguments = storedArguments();
    if (!arguments.empty()) {
        std::u16string name = lastPathComponent(arguments.front());
        if (!name.empty())
            return name;
    }
    return lastPathComponent(executablePath());
}

// Each word keeps its bytes exactly (see codepage::nameFromBytes): a byte that is not UTF-8,
// replaced or dropped, could make the word name a different, existing file.
CommandLine commandLine()
{
    const auto &arguments = storedArguments();
    CommandLine given;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (!isBlankWord(arguments[i]))
            given.words.push_back(codepage::nameFromBytes(arguments[i]));
    }
    return given;
}

// Only the folder part is resolved: the system reaches "sub/../a.txt" through wherever a
// linked "sub" leads, which the words alone cannot tell, while the name at the end is the
// file the user named, link or not.
std::u16string fullPathOf(const std::u16string &word)
{
    if (word.empty() || word.front() == u'/')
        return word;
    const std::u16string here = currentFolder();
    if (here.empty())
        return word;
    const std::u16string joined = here + (here.back() == u'/' ? u"" : u"/") + word;
    const std::size_t slash = joined.rfind(u'/');
    std::u16string name = joined.substr(slash + 1);
    // "." and ".." name folders, never a file of their own: the whole path is resolved.
    const bool folderItself = name == u"." || name == u"..";
    if (folderItself)
        name.clear();
    const auto folderBytes = codepage::nameToBytes(folderItself ? joined : joined.substr(0, slash + 1));
    if ((name.empty() && !folderItself) || !folderBytes)
        return joined;
    char *resolved = ::realpath(folderBytes->c_str(), nullptr);
    if (!resolved)
        return joined;
    std::string folder(resolved);
    std::free(resolved);
    if (folderItself)
        return codepage::nameFromBytes(folder);
    if (folder.back() != '/')
        folder += '/';
    return codepage::nameFromBytes(folder) + name;
}

namespace {

// Hands `take` the folder's path ending in '/' and each entry's name, in the folder's own
// bytes; false when the folder cannot be listed.
template <typename Take>
bool forEachEntry(const std::u16string &folder, Take take)
{
    const auto folderBytes = codepage::nameToBytes(folder);
    if (!folderBytes || folderBytes->empty())
        return false;
    FolderReader reader(*folderBytes);
    if (!reader.opened())
        return false;
    const std::string prefix = folderBytes->back() == '/' ? *folderBytes : *folderBytes + '/';
    while (const auto name = reader.next())
        take(prefix, *name);
    return true;
}

} // namespace

std::optional<std::vector<std::u16string>> filesOfFolder(const std::u16string &folder)
{
    std::vector<std::u16string> files;
    const bool listed = forEachEntry(folder, [&files](const std::string &prefix, const std::string &name) {
        struct stat info {};
        if (::lstat((prefix + name).c_str(), &info) == 0 && S_ISREG(info.st_mode))
            files.push_back(codepage::nameFromBytes(prefix + name));
    });
    return listed ? std::optional(std::move(files)) : std::nullopt;
}

std::optional<std::vector<std::u16string>> readFolderNames(const std::u16string &folder)
{
    std::vector<std::u16string> names;
    const bool listed = forEachEntry(folder, [&names](const std::string &, const std::string &name) {
        names.push_back(codepage::nameFromBytes(name));
    });
    return listed ? std::optional(std::move(names)) : std::nullopt;
}

bool isFolder(const std::u16string &path)
{
    const auto bytes = codepage::nameToBytes(path);
    struct stat info {};
    return bytes && !bytes->empty() && ::stat(bytes->c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool setCurrentDrive(const std::u16string &drive)
{
    return drive.empty();
}

bool setCurrentFolder(const std::u16string &folder)
{
    const auto bytes = codepage::nameToBytes(folder);
    return bytes && ::chdir(bytes->c_str()) == 0;
}

std::u16string currentFolder()
{
    std::error_code error;
    const std::filesystem::path path = std::filesystem::current_path(error);
    return error ? std::u16string() : codepage::nameFromBytes(path.native());
}

RenameError renameNoReplace(const std::u16string &from, const std::u16string &to,
                            std::u16string *temporaryName, const RenameWatch *watch)
{
    const auto fromBytes = codepage::nameToBytes(from);
    const auto toBytes = codepage::nameToBytes(to);
    if (!fromBytes || !toBytes)
        return RenameError::InvalidName;
    std::string temporary;
    const RenameError error =
        posix::renameNoReplaceWith(*fromBytes, *toBytes, posix::realRenameSystem(watch), &temporary);
    if (temporaryName && error == RenameError::LeftUnderTemporaryName)
        *temporaryName = codepage::nameFromBytes(temporary);
    return error;
}

namespace {

struct CaseProbe {
    bool ignoresCase = false;
    bool keepsFileNumbers = true;
};

// Linux has no call that answers this for every file system (case-folding ext4 folders,
// FAT, exFAT, SMB shares and others each say it differently, or not at all), so the folder
// is asked by example: a name of it with its letters' case swapped reaches a file, and no
// entry is spelled that way. Whether that file has the same number as under its own
// spelling tells whether file numbers can be trusted here: exFAT through FUSE gives every
// spelling a number of its own.
CaseProbe probeCase(const std::u16string &folder)
{
    CaseProbe probe;
    const auto folderBytes = codepage::nameToBytes(folder);
    if (!folderBytes)
        return probe;
    const std::string prefix = folderBytes->empty() || folderBytes->back() == '/' ? *folderBytes
                                                                                 : *folderBytes + '/';
    FolderReader reader(*folderBytes);
    while (const auto name = reader.next()) {
        if (!hasAsciiLetter(*name))
            continue;
        const std::string swapped = withAsciiCaseSwapped(*name);
        struct stat original {};
        struct stat other {};
        if (::lstat((prefix + *name).c_str(), &original) != 0)
            continue;
        if (::lstat((prefix + swapped).c_str(), &other) != 0)
            return probe;
        // Another entry spelled that way (a second file, or a second link to this one):
        // a folder that ignores case could not hold both names.
        FolderReader again(*folderBytes);
        while (const auto entry = again.next()) {
            if (*entry == swapped)
                return probe;
        }
        probe.ignoresCase = true;
        probe.keepsFileNumbers = sameFile(original, other);
        return probe;
    }
    return probe;
}

// File systems whose numbers Linux makes up as it first meets a file, afresh after the
// file leaves its caches or the volume is mounted again: FAT (vfat, msdos) and exFAT,
// and FUSE, whose file systems mostly make them up too. The probe cannot see that while
// the file stays cached, nor at all in a folder whose names hold no letter.
bool fileSystemMakesUpNumbers(const std::string &folder)
{
#ifdef __linux__
    constexpr std::array<long, 3> MadeUp = {0x4d44 /* FAT */, 0x2011BAB0 /* exFAT */, 0x65735546 /* FUSE */};
    struct statfs info {};
    return ::statfs(folder.c_str(), &info) == 0
           && std::find(MadeUp.begin(), MadeUp.end(), static_cast<long>(info.f_type)) != MadeUp.end();
#else
    (void)folder;
    return false;
#endif
}

} // namespace

bool folderIgnoresCase(const std::u16string &folder)
{
    return probeCase(folder).ignoresCase;
}

bool folderKeepsFileNumbers(const std::u16string &folder)
{
    const auto bytes = codepage::nameToBytes(folder);
    return bytes && !fileSystemMakesUpNumbers(*bytes) && probeCase(folder).keepsFileNumbers;
}

bool nameFitsFileSystem(const std::u16string &name)
{
    // Linux's own limit (NAME_MAX) for every file system it mounts.
    constexpr std::size_t MaxNameBytes = 255;
    const auto bytes = codepage::nameToBytes(name);
    return bytes && bytes->size() <= MaxNameBytes;
}

bool nameIsTaken(const std::u16string &path)
{
    const auto bytes = codepage::nameToBytes(path);
    if (!bytes)
        return true;
    struct stat info {};
    return ::lstat(bytes->c_str(), &info) == 0 || errno != ENOENT;
}

bool openWithShell(const std::u16string &folder, const std::u16string &name)
{
    const auto folderBytes = codepage::nameToBytes(folder);
    auto nameBytes = codepage::nameToBytes(name);
    if (!folderBytes || !nameBytes || nameBytes->empty())
        return false;
    // A name that begins with '-' would be read by xdg-open as an option.
    if (nameBytes->front() == '-')
        nameBytes->insert(0, "./");
    const char *searchPath = std::getenv("PATH");
    const auto opener = posix::findExecutable("xdg-open", searchPath ? std::string_view(searchPath)
                                                                    : DefaultSearchPath);
    if (!opener)
        return false;
    return posix::spawnDetached(*opener, {"xdg-open", *nameBytes}, *folderBytes);
}

char16_t pathSeparator()
{
    return u'/';
}

} // namespace platform
