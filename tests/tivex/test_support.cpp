#include "test_support.h"

#include "platform/codepage.h"
#include "platform/platform.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace tivex::test {

namespace fs = std::filesystem;

TempDir::TempDir() : m_path(m_folder.path().string())
{
    if (!m_folder.valid())
        throw std::runtime_error("cannot create a temporary folder");
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

std::string TempDir::at(std::string_view name) const
{
    fs::path path = fullPath(m_path, name);
    return engineTextOf(path.make_preferred(), name);
}

std::string TempDir::drive() const { return fs::path(m_path).root_name().string(); }

std::string TempDir::folder() const
{
    return fs::path(m_path).string().substr(drive().size()) + static_cast<char>(fs::path::preferred_separator);
}

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

std::string engineText(std::string_view utf8)
{
    return platform::codepage::toEngineText(platform::codepage::utf8ToUtf16(utf8)).value_or("(not in the engine's text)");
}

std::string builtProgram(std::string_view name)
{
    const fs::path program = fs::path(platform::programFolder()) / (std::string(name) + programSuffix());
    return platform::codepage::toEngineText(program.u16string()).value_or(program.string());
}

std::string whyUnavailable(Needs need)
{
    if (need == Needs::UnreadableFiles && !testsupport::permissionsDenyReading())
        return "file modes keep nothing from this process (the superuser, or Windows' read-only flag)";
    return whatThisPlatformLacks(need);
}

} // namespace tivex::test
