#include "engine/engine.h"

#include "platform/codepage.h"
#include "platform/file_names.h"
#include "platform/library.h"
#include "platform/platform.h"
#include "shell/module1.h"

#include <tivex.h>

#include <array>
#include <optional>

namespace engine {

namespace {

using CheckFn = int32_t(TIVEX_CALL *)(const char *, char *, char *, char *, char *, char *,
                                      char *, int32_t *);
using WhatFn = int32_t(TIVEX_CALL *)(int32_t, const char *, char *);
using CheckExtFn = int32_t(TIVEX_CALL *)(const char *, char *);

// One output buffer of the contract: width bytes of text and room for the NUL, zero-filled
// so that whatever the engine leaves unwritten reads as empty.
template <int Width>
struct OutBuffer {
    std::array<char, Width + 1> bytes{};
    char *data() { return bytes.data(); }
    std::u16string text() const
    {
        std::u16string result;
        Module1::myCutNull(result, platform::codepage::fromEngineText(
                                       std::string_view(bytes.data(), bytes.size())));
        return result;
    }
};

// A path the engine could be handed: none that holds a character no name can hold, which
// the engine's file calls would cut the path at or read as syntax.
std::optional<std::string> enginePath(const std::u16string &path)
{
    if (!platform::isAcceptablePath(path))
        return std::nullopt;
    return platform::codepage::toEngineText(path);
}

} // namespace

struct LibraryEngine::Loaded {
    std::unique_ptr<platform::SharedLibrary> library;
    CheckFn check = nullptr;
    WhatFn what = nullptr;
    CheckExtFn checkExt = nullptr;
};

LibraryEngine::LibraryEngine(std::u16string folder) : m_folder(std::move(folder)) {}

LibraryEngine::~LibraryEngine() = default;

std::u16string LibraryEngine::libraryPath() const
{
    return m_folder + platform::pathSeparator() + platform::engineLibraryFileName();
}

bool LibraryEngine::ensureLoaded()
{
    if (m_tried)
        return m_lib != nullptr;
    m_tried = true;
    auto library = platform::SharedLibrary::open(libraryPath());
    if (!library)
        return false;
    auto loaded = std::make_unique<Loaded>();
    loaded->check = reinterpret_cast<CheckFn>(
        library->symbol(platform::engineSymbolName("TivexCheck", 32).c_str()));
    loaded->what = reinterpret_cast<WhatFn>(
        library->symbol(platform::engineSymbolName("TivexWhat", 12).c_str()));
    loaded->checkExt = reinterpret_cast<CheckExtFn>(
        library->symbol(platform::engineSymbolName("TivexCheckExt", 8).c_str()));
    // A library that lacks any entry point is treated as missing: a half-working engine
    // would fail in ways the windows cannot explain.
    if (!loaded->check || !loaded->what || !loaded->checkExt)
        return false;
    loaded->library = std::move(library);
    m_lib = std::move(loaded);
    return true;
}

CheckResult LibraryEngine::check(const std::u16string &path)
{
    CheckResult out;
    if (!ensureLoaded())
        return out;
    out.loaded = true;
    const std::optional<std::string> narrowPath = enginePath(path);
    if (!narrowPath) {
        out.desc = UnencodablePathText;
        return out;
    }
    OutBuffer<ExtWidth> trueExt;
    OutBuffer<DescWidth> desc;
    OutBuffer<DriveWidth> drive;
    OutBuffer<FolderWidth> folder;
    OutBuffer<BaseWidth> base;
    OutBuffer<ExtWidth> presentExt;
    int32_t reserved = 0;
    out.result = low16(m_lib->check(narrowPath->c_str(), trueExt.data(), desc.data(), drive.data(),
                                    folder.data(), base.data(), presentExt.data(), &reserved));
    out.trueExt = trueExt.text();
    out.desc = desc.text();
    out.drive = drive.text();
    out.folder = folder.text();
    out.base = base.text();
    out.presentExt = presentExt.text();
    return out;
}

WhatResult LibraryEngine::what(int32_t mode, const std::u16string &ext)
{
    WhatResult out;
    if (!ensureLoaded())
        return out;
    out.loaded = true;
    const std::optional<std::string> narrowExt = platform::codepage::toEngineText(ext);
    if (!narrowExt)
        return out;
    OutBuffer<DescWidth> desc;
    out.result = low16(m_lib->what(mode, narrowExt->c_str(), desc.data()));
    if (out.result != -1)
        out.desc = desc.text();
    return out;
}

CheckExtResult LibraryEngine::checkExt(const std::u16string &path)
{
    CheckExtResult out;
    if (!ensureLoaded())
        return out;
    out.loaded = true;
    const std::optional<std::string> narrowPath = enginePath(path);
    if (!narrowPath)
        return out;
    OutBuffer<ExtWidth> ext;
    out.result = low16(m_lib->checkExt(narrowPath->c_str(), ext.data()));
    out.ext = ext.text();
    return out;
}

} // namespace engine
