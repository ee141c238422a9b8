// Reading the program's own small files, and writing new files that replace nothing.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Why the content of a file was not read.
enum class ReadRefusal {
    None,
    Missing,         // no entry has the name
    NotRegularFile,  // a folder, a fifo, a device, a socket
    TooLarge,        // more bytes than the caller takes
    AccessDenied,
    Unreadable,      // opened, but reading failed
};

struct FileContent {
    std::optional<std::string> bytes;  // set exactly when refusal is None
    ReadRefusal refusal = ReadRefusal::None;
};

// The content of a regular file of at most maxBytes bytes. Anything else is refused
// without its content being read, and a fifo or a device is not even opened: opening a
// fifo waits for a writer (or wakes one), and reading a device may never end.
FileContent readRegularFile(const std::u16string &path, std::size_t maxBytes);

enum class NewFileOutcome {
    Written,
    Exists,  // an entry of any kind (a link even if it leads nowhere) has the name; left as it was
    Failed,  // not created, or created but not written in full
};

// Creates a file that did not exist and writes bytes into it; never replaces, truncates or
// follows anything that is already there.
NewFileOutcome writeNewFile(const std::u16string &path, std::string_view bytes);

} // namespace platform
