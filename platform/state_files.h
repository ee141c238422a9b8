// What the program keeps of its own between runs, and the few file services that needs:
// the state folder, a file this process holds locked while it works with it, and a stamp
// that tells whether a file is still the one recorded earlier.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// $XDG_STATE_HOME/sorvena (by default ~/.local/state/sorvena), %LOCALAPPDATA%\Sorvena on
// Windows, with a closing separator; made when missing. Empty when it cannot be had.
std::u16string stateFolder();

// Enough of a file to tell, later, whether a name still holds the same file with the
// same content: its size and modification time, and either its volume and file number,
// where the file system keeps them fixed, or else a hash of its first 64 KiB. A folder
// has its time (and number) alone.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t modified = 0;
    std::uint64_t headHash = 0;
    std::uint64_t volume = 0;
    std::uint64_t fileNumber = 0;
    bool operator==(const FileStamp &) const = default;
};

// Nothing when the path names nothing, or nothing that can be read.
std::optional<FileStamp> fileStamp(const std::u16string &path, bool withFileNumber);

// A file this process holds locked (flock, LockFileEx) for as long as the object lives,
// so that another copy of the program can tell that the work it records is still under
// way.
class LockedFile {
public:
    // A new file, never one that exists, locked from the start.
    static std::unique_ptr<LockedFile> createNew(const std::u16string &path);
    // An existing file, locked; nothing when it is missing or another process holds it.
    static std::unique_ptr<LockedFile> openUnlocked(const std::u16string &path);
    ~LockedFile();
    LockedFile(const LockedFile &) = delete;
    LockedFile &operator=(const LockedFile &) = delete;

    bool append(std::string_view bytes);
    // Makes everything appended so far, and the file's entry in its folder, outlast a
    // crash of the whole system.
    bool sync();
    std::optional<std::string> readAll();
    const std::u16string &path() const { return m_path; }

private:
    LockedFile(std::intptr_t handle, std::u16string path) : m_handle(handle), m_path(std::move(path)) {}
    std::intptr_t m_handle;
    std::u16string m_path;
};

// The names of the entries of a folder (without "." and ".."), in no particular order.
std::vector<std::u16string> namesInFolder(const std::u16string &folder);

// Removes a file, or an empty folder; false when it could not be removed.
bool removeFile(const std::u16string &path);

} // namespace platform
