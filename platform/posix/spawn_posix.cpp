#include "platform/posix/spawn_posix.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform::posix {

namespace {

// Between fork and exec only async-signal-safe calls are allowed (the program has other
// threads), so everything the children need is prepared before the fork, and a failure
// travels back as an errno value through a pipe that exec closes on success.
[[noreturn]] void reportAndExit(int reportFd, int error)
{
    [[maybe_unused]] const auto written = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
}

void closeDescriptorsFrom(int first)
{
    // close_range is the one call that cannot miss a descriptor; where the kernel lacks it
    // the descriptors stay open, which costs a leak in the started program, not a failure.
#ifdef SYS_close_range
    ::syscall(SYS_close_range, static_cast<unsigned>(first), ~0u, 0u);
#else
    static_cast<void>(first);
#endif
}

void redirectStandardStreamsToNull()
{
    const int null = ::open("/dev/null", O_RDWR);
    if (null < 0)
        return;
    for (int fd = 0; fd <= 2; ++fd)
        ::dup2(null, fd);
    if (null > 2)
        ::close(null);
}

void resetSignals()
{
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    ::sigaction(SIGPIPE, &defaultAction, nullptr);
}

[[noreturn]] void runGrandchild(const char *program, char *const *argv, const char *folder,
                                int reportFd)
{
    if (::chdir(folder) != 0)
        reportAndExit(reportFd, errno);
    // Keep the report pipe out of the way of the standard streams and of the closing.
    const int movedReportFd = ::fcntl(reportFd, F_DUPFD_CLOEXEC, 3);
    if (movedReportFd < 0)
        reportAndExit(reportFd, errno);
    redirectStandardStreamsToNull();
    ::dup2(movedReportFd, 3);
    ::fcntl(3, F_SETFD, FD_CLOEXEC);
    closeDescriptorsFrom(4);
    resetSignals();
    ::execve(program, argv, environ);
    reportAndExit(3, errno);
}

[[noreturn]] void runIntermediateChild(const char *program, char *const *argv, const char *folder,
                                       int reportFd)
{
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild < 0)
        reportAndExit(reportFd, errno);
    if (grandchild == 0)
        runGrandchild(program, argv, folder, reportFd);
    ::_exit(0);
}

// Zero bytes mean the pipe was closed by a successful exec.
bool childReportedFailure(int readFd)
{
    int error = 0;
    ssize_t got;
    do {
        got = ::read(readFd, &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    return got != 0;
}

void reap(pid_t child)
{
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

bool isExecutableFile(const std::string &path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

} // namespace

bool spawnDetached(const std::string &program, const std::vector<std::string> &arguments,
                   const std::string &folder)
{
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return false;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (child == 0) {
        ::close(report[0]);
        runIntermediateChild(program.c_str(), argv.data(), folder.c_str(), report[1]);
    }
    ::close(report[1]);
    const bool failed = childReportedFailure(report[0]);
    ::close(report[0]);
    reap(child);
    return !failed;
}

std::optional<std::string> findExecutable(std::string_view name, std::string_view searchPath)
{
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        std::size_t end = searchPath.find(':', start);
        if (end == std::string_view::npos)
            end = searchPath.size();
        std::string folder(searchPath.substr(start, end - start));
        if (folder.empty())
            folder = ".";
        const std::string candidate = folder + "/" + std::string(name);
        if (isExecutableFile(candidate))
            return candidate;
        start = end + 1;
    }
    return std::nullopt;
}

} // namespace platform::posix
