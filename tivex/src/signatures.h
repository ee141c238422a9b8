// Magic numbers, as data. A signature either names its type directly or hands the
// file to an inspector that reads further.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "inspectors.h"

namespace tivex {

struct Signature {
    uint32_t offset;
    std::string_view bytes;
    std::string_view mask; // empty: exact; otherwise one mask byte per signature byte
    std::string_view typeId; // the type when there is no inspector
    Inspector inspector = nullptr;
};

std::span<const Signature> allSignatures();

// Inspectors for formats without a usable leading signature, tried last.
std::span<const Inspector> fallbackInspectors();
std::string_view matchFallbacks(Source &source);

// The type id named by the first signature (in table order, offset-0 signatures found
// through their first byte) that matches and whose inspector agrees; empty when none.
std::string_view matchSignatures(Source &source);

} // namespace tivex
