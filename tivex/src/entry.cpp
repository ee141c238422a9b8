// The C entry points: they map the engine's C++ results onto the caller's fixed-width
// buffers. Every output buffer is written on every call, so the caller never sees
// what a previous call left there, and no exception leaves the library.
#include <tivex.h>

#include <cstring>
#include <string>

#include "check_steps.h"
#include "os.h"
#include "text_util.h"
#include "tivex_engine.h"

namespace {

constexpr tivex::NameLimits ContractLimits{TIVEX_DRIVE_WIDTH, TIVEX_FOLDER_WIDTH, TIVEX_BASE_WIDTH, TIVEX_EXT_WIDTH};

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

// The description search keeps its place between calls, for all callers of the library.
tivex::DescriptionWalk &descriptionWalk()
{
    static tivex::DescriptionWalk walk;
    return walk;
}

int32_t what(int32_t mode, const char *ext, char *desc)
{
    writeText(desc, 0, {});
    if (!ext)
        return -1;
    std::string_view description;
    const int32_t index = descriptionWalk().step(mode, ext, description);
    if (index >= 0)
        writeText(desc, TIVEX_DESC_WIDTH, description);
    return index;
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
        writeText(desc, TIVEX_DESC_WIDTH, tivex::InternalErrorJa);
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
