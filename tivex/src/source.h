// What the detectors see of a file: its first bytes, read once, then on demand more of
// the head, the tail and a bounded number of targeted reads for containers whose
// directory lies elsewhere. Nothing here grows with the file's size: a file costs at
// most ReadBudget bytes of reading, whatever inspectors ask for.
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
    // Most verdicts need only the first few kilobytes; the rest of the head is read
    // when an inspector asks for it.
    static constexpr size_t FirstReadSize = 8 * 1024;
    static constexpr size_t HeadSize = 64 * 1024;
    // The ZIP end record may sit up to 65,535 + 22 bytes before the end, so the tail
    // covers that much.
    static constexpr size_t TailSize = 64 * 1024 + 22;
    static constexpr size_t ScratchSize = 64 * 1024;
    static constexpr size_t ReadBudget = 256 * 1024;
    static constexpr int MaxTargetedReads = 32;

    explicit Source(RandomAccess &access);

    // Reads the first bytes; false when the file could not be read.
    bool load();

    uint64_t size() const { return m_size; }
    // The bytes read from the start so far (at least FirstReadSize of them, or the
    // whole file when it is shorter).
    ByteView head() const { return m_head; }
    // The head grown to at least length bytes (up to HeadSize and the file's size).
    ByteView head(size_t length);
    // The last TailSize bytes (fewer for a small file), read on first use.
    ByteView tail();
    uint64_t tailOffset();
    // True when the head holds the whole file.
    bool headIsWhole() const { return m_head.size() == m_size; }
    // Bytes read from the file so far.
    size_t bytesRead() const { return m_bytesRead; }

    // The bytes at [offset, offset + length), served from the head or tail when they
    // cover it, otherwise read into a scratch buffer that the next call reuses. Nothing
    // when the range is outside the file, longer than ScratchSize, or the read budget
    // is spent.
    std::optional<ByteView> bytesAt(uint64_t offset, size_t length);

private:
    bool spend(size_t length);
    size_t readInto(uint64_t offset, uint8_t *into, size_t length);

    RandomAccess &m_access;
    std::unique_ptr<uint8_t[]> m_headBuffer;
    std::unique_ptr<uint8_t[]> m_tailBuffer;
    std::unique_ptr<uint8_t[]> m_scratch;
    uint64_t m_size = 0;
    ByteView m_head;
    ByteView m_tail;
    uint64_t m_tailOffset = 0;
    bool m_tailLoaded = false;
    bool m_failed = false;
    size_t m_bytesRead = 0;
    int m_readsLeft = MaxTargetedReads;
};

} // namespace tivex
