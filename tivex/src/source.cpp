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

} // namespace

bool Source::load()
{
    m_size = m_access.size();
    m_buffer = std::make_unique<uint8_t[]>(HeadSize + TailSize + ScratchSize);
    const size_t headLength = static_cast<size_t>(std::min<uint64_t>(m_size, HeadSize));
    const size_t gotHead = readFully(m_access, 0, m_buffer.get(), headLength);
    if (gotHead != headLength)
        return false;
    m_head = ByteView(m_buffer.get(), gotHead);

    const uint64_t tailLength = std::min<uint64_t>(m_size, TailSize);
    m_tailOffset = m_size - tailLength;
    if (m_tailOffset + tailLength <= headLength) {
        m_tail = m_head.sub(static_cast<size_t>(m_tailOffset));
        return true;
    }
    uint8_t *tailBuffer = m_buffer.get() + HeadSize;
    const size_t gotTail = readFully(m_access, m_tailOffset, tailBuffer, static_cast<size_t>(tailLength));
    if (gotTail != tailLength)
        return false;
    m_tail = ByteView(tailBuffer, gotTail);
    return true;
}

std::optional<ByteView> Source::bytesAt(uint64_t offset, size_t length)
{
    if (offset > m_size || length > m_size - offset)
        return std::nullopt;
    if (offset + length <= m_head.size())
        return m_head.sub(static_cast<size_t>(offset), length);
    if (offset >= m_tailOffset)
        return m_tail.sub(static_cast<size_t>(offset - m_tailOffset), length);
    if (length > ScratchSize || m_readsLeft <= 0 || !m_buffer)
        return std::nullopt;
    --m_readsLeft;
    uint8_t *scratch = m_buffer.get() + HeadSize + TailSize;
    if (readFully(m_access, offset, scratch, length) != length)
        return std::nullopt;
    return ByteView(scratch, length);
}

} // namespace tivex
