// The little the engine needs from the operating system: open one file, read at
// positions, and take a full path apart. Everything platform-specific lives behind
// this header, in os_posix.cpp and os_win32.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "source.h"

namespace tivex::os {

enum class OpenError { None, NotFound, IsFolder, AccessDenied, NotRegular, Other };

// An open regular file. Opening never blocks (a fifo or a device is refused after the
// open, before anything is read).
class File final : public RandomAccess {
public:
    File() = default;
    ~File() override;
    File(File &&other) noexcept;
    File &operator=(File &&other) noexcept;
    File(const File &) = delete;
    File &operator=(const File &) = delete;

    static File open(std::string_view path, OpenError &error);

    bool isOpen() const { return m_handle != invalidHandle; }
    uint64_t size() const override { return m_size; }
    size_t readAt(uint64_t offset, uint8_t *into, size_t length) override;

private:
    void close();

    static constexpr intptr_t invalidHandle = -1;
    intptr_t m_handle = invalidHandle;
    uint64_t m_size = 0;
};

// A full path taken apart. The name is split into base and extension by splitName.
struct PathParts {
    std::string drive;
    std::string folder;
    std::string name;
};

enum class PathError { None, Empty, NotAbsolute, NoFileName };

// Splits a full path into drive, folder (with its closing separator) and file name.
std::optional<PathParts> splitPath(std::string_view path, PathError &error);

// The path made absolute against the current folder (for paths typed on a command line).
std::string absolutePath(std::string_view path);

// Texts for people (descriptions, reasons) are UTF-8 inside the engine; a caller gets
// them in the text of its side of the boundary: UTF-8 on POSIX, the ANSI code page on
// Windows (a character the code page lacks becomes a question mark).
std::string callerText(std::string_view utf8);

// The longest prefix of caller text that fits maxBytes without cutting a character.
size_t callerTextPrefixLength(std::string_view text, size_t maxBytes);

} // namespace tivex::os
