#include "test_support.h"

#include "platform/codepage.h"
#include "platform/platform.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

namespace tivex::test {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    const fs::path base = fs::temp_directory_path();
    std::random_device random;
    // create_directory fails on a name that exists, so a folder is never shared.
    for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
        const fs::path candidate = base / ("tivex_test_" + std::to_string(random()));
        if (fs::create_directory(candidate))
            m_path = candidate.string();
    }
    if (m_path.empty())
        throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir()
{
    std::error_code ignored;
    // Tests take permissions away; give them back so that everything can be removed.
    for (auto it = fs::recursive_directory_iterator(m_path, fs::directory_options::skip_permission_denied, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
}

namespace {

// Names in the tests are UTF-8 literals; the file system gets them as characters, and
// the engine's path comes back in the engine's text (the ANSI code page on Windows).
// Bytes that are not UTF-8 pass through as they are, for the tests of such names.
fs::path fullPath(const std::string &folder, std::string_view name)
{
    if (platform::codepage::isValidUtf8(name))
        return fs::path(folder) / fs::path(platform::codepage::utf8ToUtf16(name));
    return fs::path(folder) / fs::path(std::string(name));
}

std::string engineTextOf(const fs::path &path, std::string_view name)
{
    if (!platform::codepage::isValidUtf8(name))
        return path.string();
    return platform::codepage::toEngineText(path.u16string()).value_or(path.string());
}

} // namespace

std::string TempDir::write(std::string_view name, std::string_view bytes) const
{
    const fs::path full = fullPath(m_path, name);
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + full.string());
    return engineTextOf(full, name);
}

std::string TempDir::makeFolder(std::string_view name) const
{
    const fs::path full = fullPath(m_path, name);
    fs::create_directories(full);
    return engineTextOf(full, name);
}

std::string executableDir() { return fs::path(platform::programFolder()).string(); }

} // namespace tivex::test
