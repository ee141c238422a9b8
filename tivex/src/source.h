// What the detectors see of a file: its first and last bytes, read once, and a bounded
// number of targeted reads for containers whose directory lies elsewhere. Nothing here
// grows with the file's size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "byte_view.h"

namespace tivex {

// Positioned reads from something with a size: a file, or bytes in memory.
class RandomAccess {
public:
    virtual ~RandomAccess() = default;
    virtual uint64_t size() const = 0;
    // Reads up to length bytes at offset; returns how many were read (0 on error or at the end).
    virtual size_t readAt(uint64_t offset, uint8_t *into, size_t length) = 0;
};

class MemoryAccess final : public RandomAccess {
public:
    explicit MemoryAccess(ByteView bytes) : m_bytes(bytes) {}
    uint64_t size() const override { return m_bytes.size(); }
    size_t readAt(uint64_t offset, uint8_t *into, size_t length) override;

private:
    ByteView m_bytes;
};

class Source {
public:
    static constexpr size_t HeadSize = 64 * 1024;
    // The ZIP end record may sit up to 65,535 + 22 bytes before the end, so the tail
    // covers that much.
    static constexpr size_t TailSize = 64 * 1024 + 22;
    static constexpr size_t ScratchSize = 64 * 1024;
    static constexpr int MaxTargetedReads = 32;

    explicit Source(RandomAccess &access);

    // Reads the head and the tail; false when the file could not be read.
    bool load();

    uint64_t size() const { return m_size; }
    ByteView head() const { return m_head; }
    ByteView tail() const { return m_tail; }
    uint64_t tailOffset() const { return m_tailOffset; }
    // True when the head holds the whole file.
    bool headIsWhole() const { return m_head.size() == m_size; }

    // The bytes at [offset, offset + length), served from the head or tail when they
    // cover it, otherwise read into a scratch buffer that the next call reuses. Nothing
    // when the range is outside the file, longer than ScratchSize, or the read budget
    // is spent.
    std::optional<ByteView> bytesAt(uint64_t offset, size_t length);

private:
    RandomAccess &m_access;
    std::unique_ptr<uint8_t[]> m_buffer;
    uint64_t m_size = 0;
    ByteView m_head;
    ByteView m_tail;
    uint64_t m_tailOffset = 0;
    int m_readsLeft = MaxTargetedReads;
};

} // namespace tivex
