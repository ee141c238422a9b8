// What the tivex tests need of Windows, and what it lacks that POSIX has.
#include "test_support.h"

#include <windows.h>

#include "platform/codepage.h"
#include "support/temp_folder.h"

namespace tivex::test {

namespace {

struct Lack {
    Needs need;
    const char *why;
};

constexpr Lack Lacks[] = {
    {Needs::Fifos, "Windows has no fifos in folders (its pipes live in a namespace of their own)"},
    {Needs::SizelessFiles, "Windows has no /proc: a regular file always reports its size"},
    {Needs::SymbolicLinks, "links to folders need a privilege on Windows that a user usually lacks"},
    {Needs::PosixShell, "Windows has no POSIX shell"},
    {Needs::ProcessLimits, "Windows has no limit on a user's processes that a shell lowers"},
    {Needs::LongPaths, "Windows' ordinary calls stop at paths of 260 characters (MAX_PATH)"},
    {Needs::AnyBytesInNames, "Windows names are UTF-16 text without control characters"},
    {Needs::BuffersHoldEveryName,
     "Windows keeps the fixed widths in the ANSI code page its callers were written for (the boundary cases check them)"},
};

std::wstring wide(std::string_view engineText)
{
    const std::u16string text = platform::codepage::fromEngineText(engineText);
    return std::wstring(text.begin(), text.end());
}

// One argument as the C run-time splits the command line: quoted when it holds a blank
// or a quote, a quote escaped, and backslashes doubled only in front of a quote.
std::wstring quoted(const std::wstring &argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return argument;
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

HANDLE inheritable(const std::wstring &path, bool forWriting)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(path.c_str(), forWriting ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       &inherit, forWriting ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string withLfLineEnds(std::string text)
{
    for (size_t pos = text.find("\r\n"); pos != std::string::npos; pos = text.find("\r\n", pos))
        text.erase(pos, 1);
    return text;
}

} // namespace

std::string whatThisPlatformLacks(Needs need)
{
    for (const Lack &lack : Lacks) {
        if (lack.need == need)
            return lack.why;
    }
    return {};
}

std::string programSuffix() { return ".exe"; }

WatchedFifo::WatchedFifo(const std::string &) {}
WatchedFifo::~WatchedFifo() = default;
bool WatchedFifo::wasOpened() const { return false; }

std::string sizelessFile() { return {}; }

ProgramRun runProgram(const std::string &program, const std::vector<std::string> &arguments,
                      const RunSettings &settings)
{
    const testsupport::TempFolder outputs;
    const std::filesystem::path out = outputs.path() / "out", err = outputs.path() / "err";
    std::wstring commandLine = quoted(wide(program));
    for (const std::string &argument : arguments)
        commandLine += L" " + quoted(wide(argument));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inheritable(settings.input.empty() ? L"NUL" : wide(settings.input), false);
    startup.hStdOutput = inheritable(out.wstring(), true);
    startup.hStdError = inheritable(err.wstring(), true);
    const std::wstring folder = wide(settings.folder);
    PROCESS_INFORMATION process{};
    ProgramRun run;
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                       folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD exitCode = 0;
        if (GetExitCodeProcess(process.hProcess, &exitCode))
            run.exitCode = static_cast<int>(exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    for (const HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError})
        CloseHandle(handle);
    run.out = withLfLineEnds(testsupport::readFile(out).value_or(""));
    run.err = withLfLineEnds(testsupport::readFile(err).value_or(""));
    return run;
}

} // namespace tivex::test
