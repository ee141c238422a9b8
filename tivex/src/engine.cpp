#include "tivex_engine.h"

#include <algorithm>

#include "check_steps.h"
#include "os.h"
#include "signatures.h"
#include "text_util.h"

namespace tivex {

namespace {

constexpr std::string_view EmptyFileJa = "空のファイル（0 バイト）";
constexpr std::string_view EmptyFileEn = "empty file (0 bytes)";
constexpr std::string_view UnknownJa = "種類を判別できないデータ（バイナリ）";
constexpr std::string_view UnknownEn = "unrecognised binary data";

struct LimitCheck {
    size_t length;
    size_t limit;
    Failure failure;
};

std::string withEncoding(std::string_view description, TextEncoding encoding)
{
    std::string text(description);
    if (encoding != TextEncoding::None) {
        text += "（";
        text += encodingName(encoding);
        text += "）";
    }
    return text;
}

} // namespace

Failure failureFrom(os::PathError error)
{
    switch (error) {
    case os::PathError::Empty:
        return Failure::EmptyPath;
    case os::PathError::NotAbsolute:
        return Failure::NotAbsolute;
    case os::PathError::NoFileName:
    case os::PathError::None:
        break;
    }
    return Failure::NoFileName;
}

Failure failureFrom(os::OpenError error)
{
    switch (error) {
    case os::OpenError::NotFound:
        return Failure::NotFound;
    case os::OpenError::IsFolder:
        return Failure::IsFolder;
    case os::OpenError::AccessDenied:
        return Failure::AccessDenied;
    case os::OpenError::NotRegular:
        return Failure::NotRegular;
    case os::OpenError::Other:
    case os::OpenError::None:
        break;
    }
    return Failure::ReadError;
}

Report failed(Failure failure, size_t limit, LimitUnit unit)
{
    Report report;
    report.failure = failure;
    report.reason = failureReason(failure, limit, unit);
    return report;
}

Detection detect(Source &source)
{
    Detection detection;
    if (source.size() == 0) {
        detection.empty = true;
        return detection;
    }
    if (const auto id = matchSignatures(source); !id.empty()) {
        detection.type = typeById(id);
        if (detection.type)
            return detection;
    }
    if (const auto text = sniffText(source.head(), source.headIsWhole())) {
        detection.type = typeById(text->typeId);
        detection.encoding = text->encoding;
        detection.guessed = text->guessed;
        detection.clear = text->clear;
        return detection;
    }
    detection.type = typeById(matchFallbacks(source));
    return detection;
}

Detection detectBytes(ByteView bytes)
{
    MemoryAccess access(bytes);
    Source source(access);
    if (!source.load())
        return {};
    return detect(source);
}

std::string describeJa(const Detection &detection)
{
    if (detection.empty)
        return std::string(EmptyFileJa);
    if (!detection.type)
        return std::string(UnknownJa);
    return withEncoding(detection.type->descJa, detection.encoding);
}

std::string describeEn(const Detection &detection)
{
    if (detection.empty)
        return std::string(EmptyFileEn);
    if (!detection.type)
        return std::string(UnknownEn);
    std::string text(detection.type->descEn);
    if (detection.encoding != TextEncoding::None && detection.encoding != TextEncoding::Unknown8Bit) {
        text += " (";
        text += encodingName(detection.encoding);
        text += ")";
    }
    return text;
}

std::vector<std::string_view> describeExtension(std::string_view ext)
{
    std::vector<std::string_view> descriptions;
    for (const TypeInfo *type : typesForExtension(normalizeExtension(ext)))
        descriptions.push_back(type->descJa);
    return descriptions;
}

int32_t DescriptionWalk::step(int32_t mode, std::string_view ext, std::string_view &description)
{
    if (mode != 0 && mode != 1)
        return -1;
    const std::string wanted = normalizeExtension(ext);
    const std::lock_guard guard(m_lock);
    if (mode == 0) {
        m_ext = wanted;
        m_next = 0;
        m_active = true;
    } else if (!m_active || m_ext != wanted) {
        return -1;
    }
    const auto descriptions = describeExtension(m_ext);
    if (m_next >= descriptions.size()) {
        m_active = false;
        return -1;
    }
    description = descriptions[m_next];
    return static_cast<int32_t>(m_next++);
}

Report checkFile(std::string_view path, const NameLimits *limits)
{
    os::PathError pathError = os::PathError::None;
    const auto parts = os::splitPath(path, pathError);
    if (!parts)
        return failed(failureFrom(pathError));
    const NameParts name = splitName(parts->name);

    if (limits) {
        const LimitCheck checks[] = {
            {parts->drive.size(), limits->drive, Failure::DriveTooLong},
            {parts->folder.size(), limits->folder, Failure::FolderTooLong},
            {name.base.size(), limits->base, Failure::BaseTooLong},
            {name.ext.size(), limits->ext, Failure::ExtTooLong},
        };
        for (const LimitCheck &check : checks) {
            if (check.length > check.limit)
                return failed(check.failure, check.limit);
        }
    }

    os::OpenError openError = os::OpenError::None;
    os::File file = os::File::open(path, openError);
    if (!file.isOpen())
        return failed(failureFrom(openError));
    Report report;
    report.drive = parts->drive;
    report.folder = parts->folder;
    report.base = std::string(name.base);
    report.presentExt = std::string(name.ext);
    return recognise(file, std::move(report));
}

Report recognise(os::File &file, Report named)
{
    Source source(file);
    if (!source.load())
        return failed(Failure::ReadError);
    Report report = std::move(named);
    report.detection = detect(source);
    report.proposedExt = proposeExtension(report.detection, report.presentExt, report.base);
    report.description = describeJa(report.detection);
    report.descriptionEn = describeEn(report.detection);
    return report;
}

} // namespace tivex
