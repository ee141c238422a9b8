// Loading a shared library by full path and finding its entry points.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform {

class SharedLibrary {
public:
    // Loads the library at exactly this path; nullptr when it cannot be loaded.
    static std::unique_ptr<SharedLibrary> open(const std::u16string &path);
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary &) = delete;
    SharedLibrary &operator=(const SharedLibrary &) = delete;

    // Address of an exported symbol, or nullptr.
    void *symbol(const char *name) const;

private:
    explicit SharedLibrary(void *handle) : m_handle(handle) {}
    void *m_handle;
};

// File name of the type-check engine's library on this platform.
std::u16string engineLibraryFileName();

// Exported name of an engine entry point that takes argumentBytes bytes of arguments
// (the platform's decoration of standard-call names, where it has one).
std::string engineSymbolName(std::string_view name, int argumentBytes);

} // namespace platform
