#include "platform/library.h"

#include "platform/codepage.h"

#include <dlfcn.h>

#include <optional>

namespace platform {

std::unique_ptr<SharedLibrary> SharedLibrary::open(const std::u16string &path)
{
    // A path with a slash makes dlopen load exactly that file; the search path is never used.
    if (path.find(u'/') == std::u16string::npos)
        return nullptr;
    const std::optional<std::string> narrow = codepage::nameToBytes(path);
    if (!narrow)
        return nullptr;
    void *handle = dlopen(narrow->c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    return std::unique_ptr<SharedLibrary>(new SharedLibrary(handle));
}

SharedLibrary::~SharedLibrary()
{
    dlclose(m_handle);
}

void *SharedLibrary::symbol(const char *name) const
{
    return dlsym(m_handle, name);
}

std::u16string engineLibraryFileName()
{
    return u"libtivex.so";
}

std::string engineSymbolName(std::string_view name, int)
{
    return std::string(name);
}

} // namespace platform
