// What the tests need of the platform they run on, in one place and without #if: a
// fresh folder per test, removed with everything in it afterwards; paths spelled as the
// program and the engine spell them; whether file modes can deny this process anything;
// and the small file helpers the disk tests share.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <type_traits>

namespace testsupport {

class TempFolder {
public:
    TempFolder()
    {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::temp_directory_path(error);
        std::random_device random;
        // create_directory fails on a name that exists, so a folder is never shared.
        for (int attempt = 0; attempt < 100 && m_path.empty() && !error; ++attempt) {
            const std::filesystem::path candidate = base / ("sorvena-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate, error))
                m_path = std::filesystem::canonical(candidate, error);
        }
    }
    ~TempFolder()
    {
        if (m_path.empty())
            return;
        std::error_code error;
        // A test may have left a folder without write permission behind.
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(m_path, error);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    bool valid() const { return !m_path.empty(); }
    const std::filesystem::path &path() const { return m_path; }
    std::string file(const std::string &name) const { return (m_path / name).string(); }


    // The drive as the engine reports it ("C:"), empty where paths have no drives.
    std::u16string driveText() const { return m_path.root_name().u16string(); }

    // The folder as the engine reports it: from the root, without the drive, with a
    // closing separator.
    std::u16string folderText() const
    {
        return m_path.u16string().substr(driveText().size()) + static_cast<char16_t>(std::filesystem::path::preferred_separator);
    }

    // The full path of an entry as the program hands it to the engine. Joined as text,
    // so that a name no file-system path type can hold (a lone surrogate) stays as it is.
    std::u16string pathText(const std::u16string &name) const { return driveText() + folderText() + name; }

    // Writes a file (the name in UTF-8) and returns its path.
    std::filesystem::path write(const std::string &name, const std::string &bytes) const
    {
        const std::filesystem::path path = m_path / std::filesystem::u8path(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    static std::string read(const std::filesystem::path &path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path m_path;
};

inline bool writeFile(const std::filesystem::path &path, const std::string &content)
{
    std::ofstream out(path, std::ios::binary);
    out << content;
    return static_cast<bool>(out);
}

inline std::optional<std::string> readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Restores the process's current folder when a test that changes it ends.
class CurrentFolderGuard {
public:
    CurrentFolderGuard() : m_saved(std::filesystem::current_path(m_error)) {}
    ~CurrentFolderGuard()
    {
        if (!m_error)
            std::filesystem::current_path(m_saved, m_error);
    }
    CurrentFolderGuard(const CurrentFolderGuard &) = delete;
    CurrentFolderGuard &operator=(const CurrentFolderGuard &) = delete;

private:
    std::error_code m_error;
    std::filesystem::path m_saved;
};

// Whether file names are byte strings that may hold bytes that are not UTF-8 (POSIX),
// rather than UTF-16 text (Windows), where such names cannot exist.
inline bool namesAreBytes()
{
    return std::is_same_v<std::filesystem::path::value_type, char>;
}

// Whether taking a file's permissions away keeps this process from reading it. Neither
// the superuser on POSIX nor anyone on Windows (where file modes are only the read-only
// flag) is kept out, so tests of unreadable files must say why they cannot run.
inline bool permissionsDenyReading()
{
    const TempFolder probe;
    const std::filesystem::path file = probe.path() / "probe";
    if (!writeFile(file, "x"))
        return false;
    std::error_code error;
    std::filesystem::permissions(file, std::filesystem::perms::none, error);
    const bool denied = !error && !std::ifstream(file).is_open();
    std::filesystem::permissions(file, std::filesystem::perms::owner_all, error);
    return denied;
}

// Whether taking the write permission from a folder keeps this process from renaming
// files in it (not for the superuser; never on Windows, where a folder's read-only flag
// means nothing to the files in it).
inline bool permissionsDenyRenaming()
{
    const TempFolder probe;
    const std::filesystem::path file = probe.path() / "probe";
    if (!writeFile(file, "x"))
        return false;
    std::error_code error;
    std::filesystem::permissions(probe.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove, error);
    if (error)
        return false;
    std::filesystem::rename(file, probe.path() / "renamed", error);
    const bool denied = static_cast<bool>(error);
    std::filesystem::permissions(probe.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, error);
    return denied;
}

// The smallest well-formed PNG: signature, IHDR, IDAT and IEND of a 1x1 picture.
inline std::string tinyPng()
{
    static const unsigned char bytes[] = {
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
        0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0x1F,
        0x15, 0xC4, 0x89, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0x00,
        0x01, 0x00, 0x00, 0x05, 0x00, 0x01, 0x0D, 0x0A, 0x2D, 0xB4, 0x00, 0x00, 0x00, 0x00, 0x49,
        0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
    return std::string(reinterpret_cast<const char *>(bytes), sizeof bytes);
}

} // namespace testsupport
