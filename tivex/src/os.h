// The little the engine needs from the operating system: open one file, read at
// positions, and take a full path apart. Everything platform-specific lives behind
// this header, in os_posix.cpp and os_win32.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "source.h"

namespace tivex::os {

enum class OpenError { None, NotFound, IsFolder, AccessDenied, NotRegular, Other };

// An open regular file. Anything else (a fifo, a device) is refused before it is opened.
class File final : public RandomAccess {
public:
    File() = default;
    ~File() override;
    File(File &&other) noexcept;
    File &operator=(File &&other) noexcept;
    File(const File &) = delete;
    File &operator=(const File &) = delete;

    static File open(std::string_view path, OpenError &error);
    // Windows only, for the wide-character path: a full path in UTF-16, the file
    // system's own text, so that a name outside the ANSI code page can be opened.
    static File open(std::u16string_view path, OpenError &error);

    bool isOpen() const { return m_handle != invalidHandle; }
    uint64_t size() const override { return m_size; }
    size_t readAt(uint64_t offset, uint8_t *into, size_t length) override;

private:
    void close();
    void loadUnsizedContent();

    static constexpr intptr_t invalidHandle = -1;
    intptr_t m_handle = invalidHandle;
    uint64_t m_size = 0;
    std::vector<uint8_t> m_unsized; // content of a file that reports no size (/proc)
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
// Nothing when the current folder's own path is too long to be read.
std::optional<std::string> absolutePath(std::string_view path);

// The longest path, in bytes, that the system takes.
size_t maxPathLength();

// The characters of a piece of a file name in the text the engine is given (UTF-8 on
// POSIX, the ANSI code page on Windows). A byte that starts no character counts as one,
// as the program counts it.
std::u32string nameCharacters(std::string_view text);

// Texts for people (descriptions, reasons) are UTF-8 inside the engine; a caller gets
// them in the text of its side of the boundary: UTF-8 on POSIX, the ANSI code page on
// Windows (a character the code page lacks becomes a question mark).
std::string callerText(std::string_view utf8);

// The longest prefix of caller text that fits maxBytes without cutting a character.
size_t callerTextPrefixLength(std::string_view text, size_t maxBytes);

// A path in caller text as the file system's own path type, for walking folders.
std::filesystem::path nativePath(std::string_view callerPath);
// A name read from the file system in caller text; nothing when it holds a character
// the caller's text cannot carry (on Windows, one outside the ANSI code page).
std::optional<std::string> callerTextOf(const std::filesystem::path &name);

// Caller text (a path typed or listed for the tivex command) as UTF-8, the text the
// command composes its output in. A byte that starts no character is kept as it is, so
// that the output escapes it rather than showing another name.
std::string utf8FromCallerText(std::string_view text);

// Gives the calling thread a table of open files of its own, where the system has such a
// thing (Linux): threads that open and close files one after another then stop taking
// turns at one table's lock. Elsewhere, or when the system refuses, nothing changes.
void useOwnFileTable();

// The next byte of a stream that no other thread reads, or EOF. Without the stream's
// lock, which a plain getc takes anew for every byte once the process runs threads.
int readByteUnshared(std::FILE *stream);

// Writes a piece of the command's output (UTF-8) to stream in the one encoding the
// reader expects for all of it. POSIX: the bytes as they are. Windows: a console gets
// the characters themselves, whatever its code page; a file or a pipe gets the ANSI code
// page, the text the command's paths arrive in, unless the output is JSON, which is
// UTF-8 by definition (jsonUtf8).
void writeOutput(std::FILE *stream, std::string_view utf8, bool jsonUtf8 = false);
// The encoding writeOutput gives the command's lines, in a few words for its help.
std::string_view outputEncoding();

} // namespace tivex::os
