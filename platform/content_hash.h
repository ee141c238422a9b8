// The hash of a file's first bytes that its stamp carries, the same on every platform.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// FNV-1a: quick, and plenty to tell a changed file from an unchanged one.
inline std::uint64_t contentHash(const unsigned char *bytes, std::size_t size)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= bytes[i];
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace platform
