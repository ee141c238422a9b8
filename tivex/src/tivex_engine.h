// The engine's C++ interface, used by the C entry points, the tivex command and the
// tests. Nothing here throws on bad input: failures are reported in the result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "source.h"
#include "text_sniff.h"
#include "type_table.h"

namespace tivex {

inline constexpr std::string_view Version = "0.1";

enum class Failure {
    None,
    EmptyPath,
    NotAbsolute,
    NoFileName,
    DriveTooLong,
    FolderTooLong,
    BaseTooLong,
    ExtTooLong,
    NotFound,
    IsFolder,
    AccessDenied,
    NotRegular,
    ReadError,
};

// Byte limits for the name parts; a part over its limit fails the check before the
// file is touched, because a caller must never act on a shortened name.
struct NameLimits {
    size_t drive;
    size_t folder;
    size_t base;
    size_t ext;
};

struct Detection {
    const TypeInfo *type = nullptr; // nothing: unknown binary data, or an empty file
    TextEncoding encoding = TextEncoding::None;
    bool empty = false;
    // The type is the text model's best guess (source code told by its keywords, a
    // table told by its separators), not a structure the content proves.
    bool guessed = false;
    // A guess whose evidence stands far above any other language's: it may overrule the
    // name of another language.
    bool clear = false;
};

struct Report {
    Failure failure = Failure::None;
    std::string reason; // Japanese, set when the check failed

    std::string drive;
    std::string folder;
    std::string base;
    std::string presentExt;

    Detection detection;
    std::string proposedExt; // empty when the type is unknown or has no extension
    std::string description;
    std::string descriptionEn;

    bool ok() const { return failure == Failure::None; }
};

// Recognises the content seen through source (already loaded).
Detection detect(Source &source);

// Recognises bytes in memory (for tests and fuzzing).
Detection detectBytes(ByteView bytes);

// Checks the file at a full path. With limits, name parts over them fail the check.
Report checkFile(std::string_view path, const NameLimits *limits = nullptr);

// The extension to propose for a detected type, given the file's present one and,
// when known, the base name in front of it (a shared library named libz.so.1 keeps
// its version number).
std::string proposeExtension(const Detection &detection, std::string_view presentExt, std::string_view base = {});
std::string proposeExtension(const TypeInfo *type, std::string_view presentExt);

std::string describeJa(const Detection &detection);
std::string describeEn(const Detection &detection);

// Every description known for an extension (as typed: case, a leading period and
// surrounding blanks do not matter), in type-table order.
std::vector<std::string_view> describeExtension(std::string_view ext);

// What a name's length limit counts: bytes of the caller's narrow text, or characters
// (UTF-16 units) on the wide-character path.
enum class LimitUnit { Bytes, Characters };

// The Japanese reason for a failure; limit is the limit for the "too long" ones.
std::string failureReason(Failure failure, size_t limit = 0, LimitUnit unit = LimitUnit::Bytes);

// One caller's walk through the descriptions of an extension, as TivexWhat hands them
// out: mode 0 starts at the first description of ext, mode 1 gives the next one of the
// same extension. Safe to share between threads.
class DescriptionWalk {
public:
    // The index of the description given, or -1 when there is none (or no further one,
    // or mode 1 follows no walk of this extension).
    int32_t step(int32_t mode, std::string_view ext, std::string_view &description);

private:
    std::mutex m_lock;
    std::string m_ext;
    size_t m_next = 0;
    bool m_active = false;
};

} // namespace tivex
