#include "platform/library.h"

#include "platform/file_names.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

namespace platform {

namespace {

// "C:\..." or "\\server\...": a path that LoadLibraryExW takes as it stands. Anything
// else would send the loader through its search path.
bool isFullPath(const std::u16string &path)
{
    const bool driveLetter = path.size() >= 3 && path[1] == u':' && (path[2] == u'\\' || path[2] == u'/');
    const bool network = path.size() >= 3 && path[0] == u'\\' && path[1] == u'\\';
    return driveLetter || network;
}

} // namespace

std::unique_ptr<SharedLibrary> SharedLibrary::open(const std::u16string &path)
{
    if (!isFullPath(path) || !isAcceptableWindowsPath(path))
        return nullptr;
    // The library's own dependencies are looked for beside it first; system DLLs come
    // from the system folders. A missing library must not raise the system's error box.
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE handle = LoadLibraryExW(win32::toWide(path).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    SetErrorMode(previousMode);
    if (!handle)
        return nullptr;
    return std::unique_ptr<SharedLibrary>(new SharedLibrary(handle));
}

SharedLibrary::~SharedLibrary()
{
    FreeLibrary(static_cast<HMODULE>(m_handle));
}

void *SharedLibrary::symbol(const char *name) const
{
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(m_handle), name));
}

std::u16string engineLibraryFileName()
{
    return u"tivex.dll";
}

// The engine exports the decorated standard-call names on every architecture.
std::string engineSymbolName(std::string_view name, int argumentBytes)
{
    return "_" + std::string(name) + "@" + std::to_string(argumentBytes);
}

} // namespace platform
