// A read-only window on bytes that every inspector uses. Each accessor checks its range
// and answers "nothing" instead of reading past the end, so a truncated or hostile file
// can only make an inspector give up, never read out of bounds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tivex {

class ByteView {
public:
    constexpr ByteView() = default;
    constexpr ByteView(const uint8_t *data, size_t size) : m_data(data), m_size(data ? size : 0) {}
    explicit ByteView(std::string_view text)
        : m_data(reinterpret_cast<const uint8_t *>(text.data())), m_size(text.size()) {}

    constexpr size_t size() const { return m_size; }
    constexpr bool empty() const { return m_size == 0; }
    constexpr const uint8_t *data() const { return m_data; }

    // True when [offset, offset + length) lies inside the view, without overflow.
    constexpr bool covers(size_t offset, size_t length) const
    {
        return offset <= m_size && length <= m_size - offset;
    }

    std::optional<uint8_t> u8(size_t offset) const
    {
        if (!covers(offset, 1))
            return std::nullopt;
        return m_data[offset];
    }
    std::optional<uint16_t> u16le(size_t offset) const { return unsignedAt<uint16_t>(offset, false); }
    std::optional<uint16_t> u16be(size_t offset) const { return unsignedAt<uint16_t>(offset, true); }
    std::optional<uint32_t> u32le(size_t offset) const { return unsignedAt<uint32_t>(offset, false); }
    std::optional<uint32_t> u32be(size_t offset) const { return unsignedAt<uint32_t>(offset, true); }
    std::optional<uint64_t> u64le(size_t offset) const { return unsignedAt<uint64_t>(offset, false); }
    std::optional<uint64_t> u64be(size_t offset) const { return unsignedAt<uint64_t>(offset, true); }

    // The bytes at offset as text; nothing when they are not all inside the view.
    std::optional<std::string_view> chars(size_t offset, size_t length) const
    {
        if (!covers(offset, length))
            return std::nullopt;
        return std::string_view(reinterpret_cast<const char *>(m_data + offset), length);
    }

    bool startsWith(size_t offset, std::string_view bytes) const
    {
        const auto here = chars(offset, bytes.size());
        return here && *here == bytes;
    }

    // Compares under a mask: a mask byte of 0 ignores that byte. An empty mask compares exactly.
    bool matches(size_t offset, std::string_view bytes, std::string_view mask) const
    {
        if (mask.empty())
            return startsWith(offset, bytes);
        if (!covers(offset, bytes.size()) || mask.size() != bytes.size())
            return false;
        for (size_t i = 0; i < bytes.size(); ++i) {
            const auto m = static_cast<uint8_t>(mask[i]);
            if ((m_data[offset + i] & m) != (static_cast<uint8_t>(bytes[i]) & m))
                return false;
        }
        return true;
    }

    // The part from offset on, at most length bytes; empty when offset is past the end.
    ByteView sub(size_t offset, size_t length = SIZE_MAX) const
    {
        if (offset >= m_size)
            return {};
        const size_t left = m_size - offset;
        return {m_data + offset, length < left ? length : left};
    }

    // Position of needle at or after from, or npos.
    size_t find(std::string_view needle, size_t from = 0) const
    {
        const auto all = chars(0, m_size);
        return all ? all->find(needle, from) : npos;
    }

    static constexpr size_t npos = std::string_view::npos;

private:
    template <typename T>
    std::optional<T> unsignedAt(size_t offset, bool bigEndian) const
    {
        if (!covers(offset, sizeof(T)))
            return std::nullopt;
        T value = 0;
        for (size_t i = 0; i < sizeof(T); ++i) {
            const size_t index = bigEndian ? i : sizeof(T) - 1 - i;
            value = static_cast<T>((value << 8) | m_data[offset + index]);
        }
        return value;
    }

    const uint8_t *m_data = nullptr;
    size_t m_size = 0;
};

} // namespace tivex
