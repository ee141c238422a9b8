// The detached start is exercised with /bin/sh reporting on itself through a named pipe,
// so nothing is opened on the desktop and no test has to sleep for the started program.
#include "platform/posix/spawn_posix.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::TempFolder;
using testsupport::writeFile;

namespace {

// Generous: a started shell answers in milliseconds; the limit only keeps a broken spawn
// from hanging the test run.
constexpr int ReportTimeoutMs = 20000;

std::optional<std::string> readReport(const std::string &fifo)
{
    const int fd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    std::string report;
    pollfd waiting{fd, POLLIN, 0};
    while (::poll(&waiting, 1, ReportTimeoutMs) > 0) {
        char buffer[256];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0) {
            report.append(buffer, static_cast<std::size_t>(got));
            continue;
        }
        if (got == 0)
            break;
    }
    ::close(fd);
    return report;
}

class DetachedStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.valid());
        ASSERT_EQ(::mkfifo(m_folder.file("report").c_str(), 0600), 0);
    }

    TempFolder m_folder;
};

} // namespace

// The started shell reports its folder, its standard input and error, its arguments and
// last its session, which must not be ours.
TEST_F(DetachedStart, RunsInTheGivenFolderOwnSessionSilentAndWithArgumentsUnsplit)
{
    const std::string script = "{ pwd; readlink /proc/$$/fd/0; readlink /proc/$$/fd/2; printf '%s|' \"$@\"; "
                               "echo; cut -d' ' -f6 /proc/$$/stat; } > report";
    ASSERT_TRUE(platform::posix::spawnDetached("/bin/sh", {"sh", "-c", script, "sh", "a b.txt", "-x"},
                                               m_folder.path().string()));
    const std::string report = readReport(m_folder.file("report")).value_or("");
    const std::string expected = m_folder.path().string() + "\n/dev/null\n/dev/null\na b.txt|-x|\n";
    ASSERT_TRUE(report.starts_with(expected)) << report;
    EXPECT_NE(report.substr(expected.size()), std::to_string(::getsid(0)) + "\n");
    EXPECT_GT(report.size(), expected.size() + 1) << "no session reported";
}

TEST_F(DetachedStart, WhatCannotStartIsAFailure)
{
    ASSERT_TRUE(writeFile(m_folder.file("plain"), "#!/bin/sh\n"));
    const std::string here = m_folder.path().string();
    const struct {
        const char *what;
        std::string program, folder;
    } cases[] = {
        {"a missing folder", "/bin/sh", m_folder.file("missing")},
        {"a missing program", m_folder.file("no-such-program"), here},
        {"a file that is not executable", m_folder.file("plain"), here},
    };
    for (const auto &c : cases)
        EXPECT_FALSE(platform::posix::spawnDetached(c.program, {"x", "-c", "true"}, c.folder)) << c.what;
}

// --- finding the opener ----------------------------------------------------------------

TEST(ExecutableSearch, FindsTheFirstExecutableFileInOrder)
{
    enum Kind { Absent, Plain, Executable, Folder };
    const struct {
        const char *what;
        Kind one, two, three;
        int found;  // 1 to 3, 0 for none
    } cases[] = {
        {"the first in order wins", Absent, Executable, Executable, 2},
        // Even root may not execute a file without any execute bit, so this holds for root too.
        {"no execute permission is skipped", Plain, Absent, Executable, 3},
        {"a folder is no program", Folder, Absent, Absent, 0},
        {"absent", Absent, Absent, Absent, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        std::string searchPath;
        const Kind kinds[] = {c.one, c.two, c.three};
        for (int i = 0; i < 3; ++i) {
            const std::string sub = folder.file(std::to_string(i + 1));
            ASSERT_EQ(::mkdir(sub.c_str(), 0755), 0);
            searchPath += (i ? ":" : "") + sub;
            const std::string opener = sub + "/opener";
            if (kinds[i] == Folder) {
                ASSERT_EQ(::mkdir(opener.c_str(), 0755), 0);
            } else if (kinds[i] != Absent) {
                ASSERT_TRUE(writeFile(opener, "#!/bin/sh\n"));
                ASSERT_EQ(::chmod(opener.c_str(), kinds[i] == Plain ? 0644 : 0755), 0);
            }
        }
        const std::optional<std::string> expected =
            c.found ? std::optional(folder.file(std::to_string(c.found)) + "/opener") : std::nullopt;
        EXPECT_EQ(platform::posix::findExecutable("opener", searchPath), expected);
    }
}
