#include "engine/engine.h"

#include <tivex_wide.h>

#include "platform/file_names.h"

namespace engine {

CheckResult LinkedEngine::check(const std::u16string &path)
{
    // The same refusal as the library's path: a name no file can bear is never looked up.
    if (!platform::isAcceptablePath(path)) {
        CheckResult refused;
        refused.loaded = true;
        refused.desc = UnencodablePathText;
        return refused;
    }
    tivex::wide::Check found = tivex::wide::check(path);
    CheckResult out;
    out.loaded = true;
    out.result = low16(found.result);
    out.trueExt = std::move(found.trueExt);
    out.desc = std::move(found.desc);
    out.drive = std::move(found.drive);
    out.folder = std::move(found.folder);
    out.base = std::move(found.base);
    out.presentExt = std::move(found.presentExt);
    return out;
}

WhatResult LinkedEngine::what(int32_t mode, const std::u16string &ext)
{
    WhatResult out;
    out.loaded = true;
    out.result = low16(tivex::wide::what(mode, ext, out.desc));
    return out;
}

CheckExtResult LinkedEngine::checkExt(const std::u16string &path)
{
    CheckExtResult out;
    out.loaded = true;
    if (!platform::isAcceptablePath(path))
        return out;
    out.result = low16(tivex::wide::checkExt(path, out.ext));
    return out;
}

Engine &programEngine()
{
    static LinkedEngine engine;
    return engine;
}

} // namespace engine
