// Temporary folders and files for the tivex tests, and the way to the built binaries.
#pragma once

#include <string>
#include <string_view>

namespace tivex::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return m_path; }
    // Writes bytes to name (relative to the folder) and returns the full path.
    std::string write(std::string_view name, std::string_view bytes) const;
    // Creates a sub-folder (and its parents) and returns its full path.
    std::string makeFolder(std::string_view name) const;

private:
    std::string m_path;
};

// The folder holding the running test executable, the engine library and the tivex command.
std::string executableDir();

// Runs a shell command and returns its standard output; exitCode gets its exit status.
// (POSIX only: the command tests speak the shell's language.)
std::string runCommand(const std::string &command, int &exitCode);

} // namespace tivex::test
