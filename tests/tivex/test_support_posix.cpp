// What the tivex tests need that only POSIX has: running the tivex command through the
// shell.
#include "test_support.h"

#include <cstdio>
#include <stdexcept>
#include <sys/wait.h>

namespace tivex::test {

std::string runCommand(const std::string &command, int &exitCode)
{
    FILE *pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot run " + command);
    std::string output;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, got);
    const int status = ::pclose(pipe);
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

} // namespace tivex::test
