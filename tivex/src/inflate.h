// Raw DEFLATE decoding, just enough to read a small member of a ZIP archive (the
// content-type list of an Office document). Output stops at the buffer's end; broken or
// cut-off input ends the output early instead of failing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "byte_view.h"

namespace tivex {

// Decodes compressed into out (at most capacity bytes) and returns how many bytes were
// produced.
size_t inflateRaw(ByteView compressed, uint8_t *out, size_t capacity);

} // namespace tivex
