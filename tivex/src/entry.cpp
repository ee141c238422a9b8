// The C entry points: they map the engine's C++ results onto the caller's fixed-width
// buffers. Every output buffer is written on every call, so the caller never sees
// what a previous call left there, and no exception leaves the library.
#include <tivex.h>

#include <cstring>
#include <mutex>
#include <string>

#include "os.h"
#include "text_util.h"
#include "tivex_engine.h"

namespace {

constexpr tivex::NameLimits ContractLimits{TIVEX_DRIVE_WIDTH, TIVEX_FOLDER_WIDTH, TIVEX_BASE_WIDTH, TIVEX_EXT_WIDTH};
constexpr std::string_view InternalErrorJa = "内部エラーのため調べられませんでした";

void writeBytes(char *out, std::string_view text)
{
    if (!text.empty())
        std::memcpy(out, text.data(), text.size());
    out[text.size()] = '\0';
}

// Names are all or nothing: a shortened name would point at another file.
void writeName(char *out, size_t width, std::string_view text)
{
    if (out)
        writeBytes(out, text.size() <= width ? text : std::string_view{});
}

// Descriptions may be shortened, but only between characters of the caller's text.
void writeText(char *out, size_t width, std::string_view utf8)
{
    if (!out)
        return;
    const std::string text = tivex::os::callerText(utf8);
    writeBytes(out, std::string_view(text).substr(0, tivex::os::callerTextPrefixLength(text, width)));
}

struct CheckBuffers {
    char *trueExt;
    char *desc;
    char *drive;
    char *folder;
    char *base;
    char *presentExt;

    void clear() const
    {
        for (char *name : {trueExt, drive, folder, base, presentExt})
            writeName(name, 0, {});
        writeText(desc, 0, {});
    }
};

int32_t check(const char *path, const CheckBuffers &out)
{
    out.clear();
    const tivex::Report report = tivex::checkFile(path ? std::string_view(path) : std::string_view{}, &ContractLimits);
    if (!report.ok()) {
        writeText(out.desc, TIVEX_DESC_WIDTH, report.reason);
        return 0;
    }
    writeName(out.trueExt, TIVEX_EXT_WIDTH, report.proposedExt);
    writeText(out.desc, TIVEX_DESC_WIDTH, report.description);
    writeName(out.drive, TIVEX_DRIVE_WIDTH, report.drive);
    writeName(out.folder, TIVEX_FOLDER_WIDTH, report.folder);
    writeName(out.base, TIVEX_BASE_WIDTH, report.base);
    writeName(out.presentExt, TIVEX_EXT_WIDTH, report.presentExt);
    return 1;
}

// Where the description search stands between calls: the extension of the last mode-0
// call and the index of the next description to give.
struct WhatState {
    std::mutex lock;
    std::string ext;
    size_t next = 0;
    bool active = false;
};

WhatState &whatState()
{
    static WhatState state;
    return state;
}

int32_t what(int32_t mode, const char *ext, char *desc)
{
    writeText(desc, 0, {});
    if (!ext || (mode != 0 && mode != 1))
        return -1;
    const std::string wanted = tivex::normalizeExtension(ext);
    WhatState &state = whatState();
    const std::lock_guard guard(state.lock);
    if (mode == 0) {
        state.ext = wanted;
        state.next = 0;
        state.active = true;
    } else if (!state.active || state.ext != wanted) {
        return -1;
    }
    const auto descriptions = tivex::describeExtension(state.ext);
    if (state.next >= descriptions.size()) {
        state.active = false;
        return -1;
    }
    writeText(desc, TIVEX_DESC_WIDTH, descriptions[state.next]);
    return static_cast<int32_t>(state.next++);
}

int32_t checkExt(const char *path, char *ext)
{
    writeName(ext, 0, {});
    if (!path)
        return 0;
    // No name limits here: renaming asks for the extension of files whose names are
    // longer than the check's buffers, and only the extension comes back.
    const tivex::Report report = tivex::checkFile(path);
    if (!report.ok() || report.proposedExt.empty() || report.proposedExt.size() > TIVEX_EXT_WIDTH)
        return 0;
    writeName(ext, TIVEX_EXT_WIDTH, report.proposedExt);
    return 1;
}

} // namespace

extern "C" {

TIVEX_API int32_t TIVEX_CALL TivexCheck(const char *path, char *trueExt, char *desc, char *drive, char *folder,
                                        char *base, char *presentExt, int32_t * /*reserved*/)
{
    const CheckBuffers out{trueExt, desc, drive, folder, base, presentExt};
    try {
        return check(path, out);
    } catch (...) {
        out.clear();
        writeText(desc, TIVEX_DESC_WIDTH, InternalErrorJa);
        return 0;
    }
}

TIVEX_API int32_t TIVEX_CALL TivexWhat(int32_t mode, const char *ext, char *desc)
{
    try {
        return what(mode, ext, desc);
    } catch (...) {
        writeText(desc, 0, {});
        return -1;
    }
}

TIVEX_API int32_t TIVEX_CALL TivexCheckExt(const char *path, char *ext)
{
    try {
        return checkExt(path, ext);
    } catch (...) {
        writeName(ext, 0, {});
        return 0;
    }
}

} // extern "C"
