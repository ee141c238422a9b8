// Temporary folders and files for the tivex tests, the way to the built binaries, and
// what the tests need of the platform they run on, without #if in the tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/temp_folder.h"

namespace tivex::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
// Names are given in UTF-8; paths come back in the engine's text (UTF-8 on POSIX, the
// ANSI code page on Windows), spelled with the platform's separator.
class TempDir {
public:
    TempDir();

    const std::string &path() const { return m_path; }
    // The full path of name (relative to the folder, '/' between folders), which need not
    // exist, with the platform's separators throughout.
    std::string at(std::string_view name) const;
    // Writes bytes to name and returns the full path.
    std::string write(std::string_view name, std::string_view bytes) const;
    // Creates a sub-folder (and its parents) and returns its full path.
    std::string makeFolder(std::string_view name) const;
    // The drive and the folder as the engine reports them for a file directly inside.
    std::string drive() const;
    std::string folder() const;

private:
    testsupport::TempFolder m_folder;
    std::string m_path;
};

// A UTF-8 text as the engine and the tivex command give it back.
std::string engineText(std::string_view utf8);

// What a case needs that some platform lacks. whyUnavailable() says why such a case
// cannot mean anything here (for GTEST_SKIP), or is empty when it can run.
enum class Needs {
    Fifos,                 // a file that is not regular, inside a folder, watched for opens
    SizelessFiles,         // a regular file that reports size 0 and still holds bytes
    SymbolicLinks,         // a link to a folder, for a link loop
    PosixShell,            // a script run by bash
    AnyBytesInNames,       // names holding control characters and bytes that are not text
    BuffersHoldEveryName,  // the engine's widths take every name and path the system takes
    UnreadableFiles,       // a file that file modes keep this process from reading
    LongPaths,             // folders past 260 characters, walked with the ordinary calls
    ProcessLimits,         // a limit on the user's processes that a shell lowers and that binds
};
std::string whyUnavailable(Needs need);

// Only where whyUnavailable(Needs::Fifos) is empty: makes a fifo at path and watches it
// for opens.
class WatchedFifo {
public:
    explicit WatchedFifo(const std::string &path);
    ~WatchedFifo();
    WatchedFifo(const WatchedFifo &) = delete;
    bool made() const { return m_watch >= 0; }
    bool wasOpened() const;

private:
    int m_watch = -1;
};

// Only where whyUnavailable(Needs::SizelessFiles) is empty.
std::string sizelessFile();

// A program run to its end, with its standard output and error as the files they went
// to held them (a Windows program's CR LF line ends read back as LF).
struct ProgramRun {
    int exitCode = -1;
    std::string out, err;
};

struct RunSettings {
    std::string input;  // the file standard input reads, or none
    std::string folder; // the current folder to start in, or the test's own
};

// Runs program (a full path) with arguments in the engine's text.
ProgramRun runProgram(const std::string &program, const std::vector<std::string> &arguments,
                      const RunSettings &settings = {});

// The full path of a program built beside the tests ("tivex").
std::string builtProgram(std::string_view name);

// The platform's halves of the above (test_support_posix.cpp, test_support_win32.cpp).
std::string whatThisPlatformLacks(Needs need);
std::string programSuffix();

} // namespace tivex::test
