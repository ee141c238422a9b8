// The steps of a file check that the narrow entry points and the wide-character path
// share: the failures a path and its opening meet, and the reading of an opened file.
#pragma once

#include "os.h"
#include "tivex_engine.h"

namespace tivex {

Failure failureFrom(os::PathError error);
Failure failureFrom(os::OpenError error);

// A report of a check that failed, with its Japanese reason.
Report failed(Failure failure, size_t limit = 0, LimitUnit unit = LimitUnit::Bytes);

// Reads the opened file and recognises its content. `named` carries the name parts of
// the path; the proposal is made from its base and present extension.
Report recognise(os::File &file, Report named);

// What a failure inside the engine says instead of a result.
inline constexpr std::string_view InternalErrorJa = "内部エラーのため調べられませんでした";

} // namespace tivex
