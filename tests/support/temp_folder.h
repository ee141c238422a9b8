// A fresh folder per test, removed with everything in it afterwards, and the small file
// helpers the disk tests share.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdlib.h>
#include <string>
#include <system_error>

namespace testsupport {

class TempFolder {
public:
    TempFolder()
    {
        std::error_code error;
        std::string pattern = (std::filesystem::temp_directory_path(error) / "sorvena-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            m_path = std::filesystem::canonical(pattern, error);
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

    // The folder as the engine reports it: absolute, with a trailing separator.
    std::u16string folderText() const { return m_path.u16string() + u'/'; }

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

inline bool writeFile(const std::string &path, const std::string &content)
{
    std::ofstream out(path, std::ios::binary);
    out << content;
    return static_cast<bool>(out);
}

inline std::optional<std::string> readFile(const std::string &path)
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
