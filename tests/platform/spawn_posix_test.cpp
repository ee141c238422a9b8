// The detached start is exercised with /bin/sh reporting on itself through a named pipe,
// so nothing is opened on the desktop and no test has to sleep for the started program.
#include "platform/posix/spawn_posix.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
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

TEST_F(DetachedStart, RunsInTheGivenFolderOwnSessionAndSilent)
{
    const std::string script =
        "{ pwd; readlink /proc/$$/fd/0; readlink /proc/$$/fd/2; cut -d' ' -f6 /proc/$$/stat; } > report";
    ASSERT_TRUE(platform::posix::spawnDetached("/bin/sh", {"sh", "-c", script}, m_folder.path().string()));
    const auto report = readReport(m_folder.file("report"));
    ASSERT_TRUE(report.has_value());
    const auto answer = lines(*report);
    ASSERT_EQ(answer.size(), 4u) << *report;
    EXPECT_EQ(answer[0], m_folder.path().string());
    EXPECT_EQ(answer[1], "/dev/null");
    EXPECT_EQ(answer[2], "/dev/null");
    EXPECT_NE(answer[3], std::to_string(::getsid(0)));
}

TEST_F(DetachedStart, ArgumentsArriveUnsplit)
{
    ASSERT_TRUE(platform::posix::spawnDetached(
        "/bin/sh", {"sh", "-c", "printf '%s|' \"$@\" > report", "sh", "a b.txt", "-x"},
        m_folder.path().string()));
    EXPECT_EQ(readReport(m_folder.file("report")), "a b.txt|-x|");
}

TEST_F(DetachedStart, MissingFolderIsAFailure)
{
    EXPECT_FALSE(platform::posix::spawnDetached("/bin/sh", {"sh", "-c", "true"}, m_folder.file("missing")));
}

TEST_F(DetachedStart, MissingProgramIsAFailure)
{
    EXPECT_FALSE(platform::posix::spawnDetached(m_folder.file("no-such-program"), {"x"},
                                                m_folder.path().string()));
}

TEST_F(DetachedStart, FileThatIsNotExecutableIsAFailure)
{
    ASSERT_TRUE(writeFile(m_folder.file("plain"), "#!/bin/sh\n"));
    EXPECT_FALSE(platform::posix::spawnDetached(m_folder.file("plain"), {"plain"},
                                                m_folder.path().string()));
}

// --- finding the opener ----------------------------------------------------------------

class ExecutableSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.valid());
        for (const char *sub : {"one", "two", "three"})
            ASSERT_EQ(::mkdir(m_folder.file(sub).c_str(), 0755), 0);
    }

    std::string place(const std::string &sub, mode_t mode)
    {
        const std::string path = m_folder.file(sub) + "/opener";
        EXPECT_TRUE(writeFile(path, "#!/bin/sh\n"));
        EXPECT_EQ(::chmod(path.c_str(), mode), 0);
        return path;
    }

    std::string searchPath() const
    {
        return m_folder.file("one") + ":" + m_folder.file("two") + ":" + m_folder.file("three");
    }

    TempFolder m_folder;
};

TEST_F(ExecutableSearch, FirstExecutableInOrderWins)
{
    const std::string first = place("two", 0755);
    place("three", 0755);
    EXPECT_EQ(platform::posix::findExecutable("opener", searchPath()), first);
}

TEST_F(ExecutableSearch, FileWithoutExecutePermissionIsSkipped)
{
    // Even root may not execute a file without any execute bit, so this holds for root too.
    place("one", 0644);
    const std::string usable = place("three", 0755);
    EXPECT_EQ(platform::posix::findExecutable("opener", searchPath()), usable);
}

TEST_F(ExecutableSearch, FolderIsNotAProgram)
{
    ASSERT_EQ(::mkdir((m_folder.file("one") + "/opener").c_str(), 0755), 0);
    EXPECT_FALSE(platform::posix::findExecutable("opener", searchPath()).has_value());
}

TEST_F(ExecutableSearch, AbsentProgramIsNotFound)
{
    EXPECT_FALSE(platform::posix::findExecutable("opener", searchPath()).has_value());
}
