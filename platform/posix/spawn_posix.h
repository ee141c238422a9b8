// Starting another program detached from ours, apart from openWithShell so that the
// mechanics can be tested with a harmless program instead of the desktop's opener.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::posix {

// Starts `program` (a path) with `arguments` (the first is its own name) in `folder`, in
// a session of its own, with standard input and output on /dev/null and no other open
// descriptor of ours. It is not our child, so it never becomes a zombie and is never
// waited for. False when it could not be started: no such folder, no such program, or
// the system refused a process.
bool spawnDetached(const std::string &program, const std::vector<std::string> &arguments,
                   const std::string &folder);

// The first executable file called `name` in a colon-separated folder list such as
// $PATH; an empty entry stands for the current folder, as the shells read it.
std::optional<std::string> findExecutable(std::string_view name, std::string_view searchPath);

} // namespace platform::posix
