// The pieces of the Windows platform layer that take apart what the system hands over,
// apart so that each can be checked with any input rather than only this process's own.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace platform::win32 {

// What a rename's Windows error code means to the program.
RenameError renameErrorFromCode(std::uint32_t code);

// The argument text of a command line as GetCommandLineW gives it: everything after the
// program's own path, which is either quoted or runs to the first blank or tab.
std::u16string argumentTextOf(std::u16string_view commandLine);

} // namespace platform::win32
