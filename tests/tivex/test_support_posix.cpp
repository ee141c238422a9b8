// What the tivex tests need that POSIX has, and Windows lacks or does otherwise.
#include "test_support.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_folder.h"

extern char **environ;

namespace tivex::test {

std::string whatThisPlatformLacks(Needs need)
{
    if (need == Needs::ProcessLimits && ::geteuid() == 0)
        return "the superuser is held to no limit on processes";
    return {};
}

std::string programSuffix() { return {}; }

WatchedFifo::WatchedFifo(const std::string &path)
{
    if (::mkfifo(path.c_str(), 0600) != 0)
        return;
    m_watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_watch >= 0 && ::inotify_add_watch(m_watch, path.c_str(), IN_OPEN) < 0) {
        ::close(m_watch);
        m_watch = -1;
    }
}

WatchedFifo::~WatchedFifo()
{
    if (m_watch >= 0)
        ::close(m_watch);
}

// The kernel reports every open to inotify at once, so an open shows up by now.
bool WatchedFifo::wasOpened() const
{
    char event[sizeof(inotify_event) + 256];
    return ::read(m_watch, event, sizeof event) > 0;
}

// /proc makes the test's own status when it is read, and reports size 0.
std::string sizelessFile() { return "/proc/self/status"; }

ProgramRun runProgram(const std::string &program, const std::vector<std::string> &arguments,
                      const RunSettings &settings)
{
    const testsupport::TempFolder outputs;
    const std::string out = outputs.file("out"), err = outputs.file("err");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, settings.input.empty() ? "/dev/null" : settings.input.c_str(),
                                     O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (!settings.folder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, settings.folder.c_str());
    std::vector<char *> argv{const_cast<char *>(program.c_str())};
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    ProgramRun run;
    pid_t child = -1;
    int status = 0;
    if (::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ) == 0
        && ::waitpid(child, &status, 0) == child)
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    posix_spawn_file_actions_destroy(&actions);
    run.out = testsupport::readFile(out).value_or("");
    run.err = testsupport::readFile(err).value_or("");
    return run;
}

} // namespace tivex::test
