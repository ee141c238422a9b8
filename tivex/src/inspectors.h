// Inspectors look past a signature into a format's structure and name the exact type.
// Each answers a type id from the type table, or an empty id when the bytes do not hold
// up (the search then goes on with the next signature).
#pragma once

#include <string_view>

#include "source.h"

namespace tivex {

using Inspector = std::string_view (*)(Source &source);

namespace inspect {

// Containers
std::string_view zip(Source &source);
std::string_view ole2(Source &source);

// Media
std::string_view isoBmff(Source &source);
std::string_view quickTime(Source &source);
std::string_view riff(Source &source);
std::string_view iff(Source &source);
std::string_view ebml(Source &source);
std::string_view ogg(Source &source);
std::string_view mpegAudio(Source &source);
std::string_view id3(Source &source);
std::string_view mpegTransport(Source &source);

// Programs
std::string_view pe(Source &source);
std::string_view elf(Source &source);
std::string_view cafeBabe(Source &source);

// Images, fonts and documents with weak signatures
std::string_view bmp(Source &source);
std::string_view iconDirectory(Source &source);
std::string_view trueType(Source &source);
std::string_view postScript(Source &source);

} // namespace inspect
} // namespace tivex
