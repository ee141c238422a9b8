#include "source.h"

#include <algorithm>
#include <cstring>

namespace tivex {

size_t MemoryAccess::readAt(uint64_t offset, uint8_t *into, size_t length)
{
    if (offset >= m_bytes.size())
        return 0;
    const size_t count = std::min<uint64_t>(length, m_bytes.size() - offset);
    std::memcpy(into, m_bytes.data() + offset, count);
    return count;
}

Source::Source(RandomAccess &access) : m_access(access) {}

namespace {

// Reads until length bytes arrived or the reader stops giving any.
size_t readFully(RandomAccess &access, uint64_t offset, uint8_t *into, size_t length)
{
    size_t done = 0;
    while (done < length) {
        const size_t got = access.readAt(offset + done, into + done, length - done);
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

// Buffers are filled before they are read, so they are not cleared first: clearing
// 64 KiB per file would cost more than reading it.
std::unique_ptr<uint8_t[]> uninitialised(size_t size) { return std::unique_ptr<uint8_t[]>(new uint8_t[size]); }

} // namespace

bool Source::spend(size_t length)
{
    if (length > ReadBudget - m_bytesRead)
        return false;
    m_bytesRead += length;
    return true;
}

size_t Source::readInto(uint64_t offset, uint8_t *into, size_t length)
{
    if (!spend(length))
        return 0;
    return readFully(m_access, offset, into, length);
}

bool Source::load()
{
    m_size = m_access.size();
    m_headBuffer = uninitialised(HeadSize);
    const size_t headLength = static_cast<size_t>(std::min<uint64_t>(m_size, FirstReadSize));
    if (readInto(0, m_headBuffer.get(), headLength) != headLength)
        return false;
    m_head = ByteView(m_headBuffer.get(), headLength);
    return true;
}

ByteView Source::head(size_t length)
{
    const size_t wanted = static_cast<size_t>(std::min<uint64_t>({length, HeadSize, m_size}));
    if (wanted <= m_head.size() || m_failed || !m_headBuffer)
        return m_head;
    const size_t have = m_head.size();
    // Grow in one step to the full head: an inspector that needs more than the first
    // read usually needs more again.
    const size_t target = static_cast<size_t>(std::min<uint64_t>(HeadSize, m_size));
    const size_t got = readInto(have, m_headBuffer.get() + have, target - have);
    if (got != target - have) {
        m_failed = true;
        return m_head;
    }
    m_head = ByteView(m_headBuffer.get(), target);
    return m_head;
}

ByteView Source::tail()
{
    if (m_tailLoaded)
        return m_tail;
    m_tailLoaded = true;
    const uint64_t tailLength = std::min<uint64_t>(m_size, TailSize);
    m_tailOffset = m_size - tailLength;
    if (m_tailOffset + tailLength <= m_head.size()) {
        m_tail = m_head.sub(static_cast<size_t>(m_tailOffset));
        return m_tail;
    }
    // A tail that overlaps the head's capacity is cheaper to get by growing the head.
    if (m_size <= HeadSize) {
        const ByteView whole = head(HeadSize);
        if (whole.size() == m_size) {
            m_tail = whole.sub(static_cast<size_t>(m_tailOffset));
            return m_tail;
        }
    }
    m_tailBuffer = uninitialised(TailSize);
    const size_t length = static_cast<size_t>(tailLength);
    if (readInto(m_tailOffset, m_tailBuffer.get(), length) == length)
        m_tail = ByteView(m_tailBuffer.get(), length);
    return m_tail;
}

uint64_t Source::tailOffset()
{
    tail();
    return m_tailOffset;
}

std::optional<ByteView> Source::bytesAt(uint64_t offset, size_t length)
{
    if (offset > m_size || length > m_size - offset)
        return std::nullopt;
    if (offset + length <= m_head.size())
        return m_head.sub(static_cast<size_t>(offset), length);
    if (offset + length <= HeadSize) {
        const ByteView grown = head(static_cast<size_t>(offset + length));
        if (offset + length <= grown.size())
            return grown.sub(static_cast<size_t>(offset), length);
    }
    if (m_tailLoaded && offset >= m_tailOffset && offset + length <= m_tailOffset + m_tail.size())
        return m_tail.sub(static_cast<size_t>(offset - m_tailOffset), length);
    if (length > ScratchSize || m_readsLeft <= 0)
        return std::nullopt;
    --m_readsLeft;
    if (!m_scratch)
        m_scratch = uninitialised(ScratchSize);
    if (readInto(offset, m_scratch.get(), length) != length)
        return std::nullopt;
    return ByteView(m_scratch.get(), length);
}

} // namespace tivex
