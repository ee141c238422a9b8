// The services the program needs from the operating system. Everything that differs
// between Windows and POSIX sits behind these functions; the rest of the program is
// written against drive + folder + name and never asks which platform it runs on.
#pragma once

#include "platform/state_files.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Remembers the process's argument vector; main() calls it once before anything else.
void initArguments(int argc, char **argv);

// Folder that holds the running executable, without a trailing separator.
std::u16string programFolder();

// File name of the executable as it was started (so a link named "quickren" counts),
// without its folder.
std::u16string programName();

// What the system hands the program after its own name. A POSIX shell has already split
// and unquoted the words: `words` holds every non-blank argv element, all of them (the
// start-up keeps ten; the renamer takes every path after its option), and there is no
// text. Windows hands one text: `text` is everything after the program's own path,
// untouched, for the program to split by its own rule, and `words` is empty.
struct CommandLine {
    std::optional<std::u16string> text;
    std::vector<std::u16string> words;
};
CommandLine commandLine();

// The full path a command-line word names: a full path as it stands, anything else taken
// from the current folder, as the shell that started the program meant it. The folder
// part is the one the system itself would reach ("sub/../a.txt" through a linked "sub"
// included); the name at the end is kept exactly. A word that names nothing still gives
// a path, for the check to refuse.
std::u16string fullPathOf(const std::u16string &word);

// The full paths of a folder's regular files (hidden ones included; no subfolders, no
// links, nothing below), in the order the folder lists them; nothing when the folder
// cannot be read.
std::optional<std::vector<std::u16string>> filesOfFolder(const std::u16string &folder);

// The name of every entry of a folder, of any kind ("." and ".." left out; on Windows each
// short 8.3 alias too, which names the same file); nothing when it cannot be listed, so
// that a folder that cannot be read never passes for an empty one.
std::optional<std::vector<std::u16string>> readFolderNames(const std::u16string &folder);

// Whether a path names a folder (followed through links).
bool isFolder(const std::u16string &path);

// Makes a drive current. POSIX has no drives: the empty drive succeeds, any other fails.
bool setCurrentDrive(const std::u16string &drive);

// Makes a folder the process's current folder.
bool setCurrentFolder(const std::u16string &folder);

// The process's current folder, as absolute path (for tests and diagnostics).
std::u16string currentFolder();

// Why a rename did not happen.
enum class RenameError {
    None,
    TargetExists,   // a different file already has the new name
    SourceMissing,  // the file to rename is not there
    AccessDenied,   // permissions, a read-only folder or file system, a file in use
    InvalidName,    // the name is not acceptable to the file system (or too long)
    ChangedMeanwhile,        // another program replaced the file during the rename; nothing was renamed
    LeftUnderTemporaryName,  // neither renamed nor put back: the file bears a temporary name now
    Other,
};

// What a rename tells its caller on the way, where a file system without a no-replace
// rename makes it hold the new name with an empty file of its own first.
struct RenameWatch {
    // An empty reservation now holds a name (the new one, or a temporary one); the stamp
    // tells it from any other file.
    std::function<void(const std::u16string &name, const FileStamp &reservation)> reserved;
    // A change of letter case is about to move the file to this temporary name first.
    std::function<void(const std::u16string &temporary)> detour;
    // The reservation was found unchanged; the rename over it comes next.
    std::function<void()> checked;
};

// Renames a file within one folder and never replaces an existing file. Both names are
// paths as the caller has them (bare names are relative to the current folder). A change
// that only alters the letter case of a name succeeds even where the file system
// reports the target as existing because it is the same file. Such a change goes through
// a temporary name; should the file end up under it (LeftUnderTemporaryName),
// `temporaryName`, when given, receives the path the file now bears, so the user can be
// told where it is.
RenameError renameNoReplace(const std::u16string &from, const std::u16string &to,
                            std::u16string *temporaryName = nullptr, const RenameWatch *watch = nullptr);

// Whether the file system of a folder takes two names that differ only in letter case
// for the same name (Windows volumes, FAT and exFAT, case-folding ext4 folders...). A
// folder that cannot be read, or holds no name with a letter in it, counts as comparing
// names byte for byte.
bool folderIgnoresCase(const std::u16string &folder);

// Whether a file keeps its volume and file number under every spelling of its name and
// across renames in this folder, so that they may tell one file from another. Not so on
// exFAT through FUSE, where each spelling gets a number of its own, nor on FAT.
bool folderKeepsFileNumbers(const std::u16string &folder);

// A name as a file system that ignores letter case sees it: two names are the same name
// there when their folded forms are equal.
std::u16string caseFolded(std::u16string_view name);

// Whether a bare name is short enough for the file systems of this platform: 255 bytes
// of the name's bytes on POSIX, 255 UTF-16 units on Windows.
bool nameFitsFileSystem(const std::u16string &name);

// Whether an entry of any kind (a file, a folder, a link even if it leads nowhere) has
// this name. An entry whose presence cannot be ruled out counts as there.
bool nameIsTaken(const std::u16string &path);

// Opens a file with the program the desktop associates with it, in the given working
// folder; starts it detached and never waits for it. False when it could not be started.
bool openWithShell(const std::u16string &folder, const std::u16string &name);

// The whole content of a regular file, or nothing when it is none or cannot be read. A
// fifo or a device is never opened (see readRegularFile in platform/files.h).
std::optional<std::string> readWholeFile(const std::u16string &path);

// Path separator of file names on this platform ('/' on POSIX, '\\' on Windows).
char16_t pathSeparator();

// Whether absolute paths begin with a drive letter ("C:\...") rather than with '/'. A
// compile-time answer, so the shared path code picks its form without a platform #if.
constexpr bool usesDriveLetters()
{
#ifdef _WIN32
    return true;
#else
    return false;
#endif
}

} // namespace platform
