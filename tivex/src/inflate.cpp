#include "inflate.h"

#include <array>

namespace tivex {

namespace {

constexpr int MaxBits = 15;
constexpr int LiteralCodes = 288;
constexpr int DistanceCodes = 30;
constexpr int LengthCodeCount = 19;

constexpr uint16_t LengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                     31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr uint8_t LengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr uint16_t DistanceBase[30] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
                                       193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr uint8_t DistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
// The order in which code lengths of the code-length alphabet are stored.
constexpr uint8_t CodeLengthOrder[LengthCodeCount] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

// A canonical Huffman code: how many codes have each length, and the symbols in code order.
struct Huffman {
    std::array<uint16_t, MaxBits + 1> counts{};
    std::array<uint16_t, LiteralCodes> symbols{};
};

bool buildHuffman(Huffman &code, const uint8_t *lengths, int count)
{
    code.counts.fill(0);
    for (int symbol = 0; symbol < count; ++symbol)
        ++code.counts[lengths[symbol]];
    if (code.counts[0] == count)
        return true; // no codes: valid only if never used
    int left = 1;
    for (int length = 1; length <= MaxBits; ++length) {
        left = left * 2 - code.counts[length];
        if (left < 0)
            return false; // over-subscribed
    }
    std::array<uint16_t, MaxBits + 1> offsets{};
    for (int length = 1; length < MaxBits; ++length)
        offsets[length + 1] = static_cast<uint16_t>(offsets[length] + code.counts[length]);
    for (int symbol = 0; symbol < count; ++symbol) {
        if (lengths[symbol] != 0)
            code.symbols[offsets[lengths[symbol]]++] = static_cast<uint16_t>(symbol);
    }
    return true;
}

class Decoder {
public:
    Decoder(ByteView in, uint8_t *out, size_t capacity) : m_in(in), m_out(out), m_capacity(capacity) {}

    size_t run()
    {
        bool last = false;
        while (!last && m_ok && m_produced < m_capacity) {
            last = bits(1) == 1;
            switch (bits(2)) {
            case 0:
                stored();
                break;
            case 1:
                fixed();
                break;
            case 2:
                dynamic();
                break;
            default:
                m_ok = false;
            }
        }
        return m_produced;
    }

private:
    uint32_t bits(int need)
    {
        while (m_bitCount < need) {
            if (m_position >= m_in.size()) {
                m_ok = false;
                return 0;
            }
            m_bitBuffer |= uint32_t{m_in.data()[m_position++]} << m_bitCount;
            m_bitCount += 8;
        }
        const uint32_t value = m_bitBuffer & ((1u << need) - 1);
        m_bitBuffer >>= need;
        m_bitCount -= need;
        return value;
    }

    int decode(const Huffman &code)
    {
        int first = 0, index = 0, value = 0;
        for (int length = 1; length <= MaxBits && m_ok; ++length) {
            value |= static_cast<int>(bits(1));
            const int count = code.counts[length];
            if (value - count < first)
                return code.symbols[index + (value - first)];
            index += count;
            first = (first + count) << 1;
            value <<= 1;
        }
        m_ok = false;
        return -1;
    }

    void emit(uint8_t byte)
    {
        if (m_produced < m_capacity)
            m_out[m_produced++] = byte;
    }

    void stored()
    {
        m_bitBuffer = 0;
        m_bitCount = 0;
        const auto length = m_in.u16le(m_position);
        const auto check = m_in.u16le(m_position + 2);
        if (!length || !check || static_cast<uint16_t>(~*length) != *check) {
            m_ok = false;
            return;
        }
        m_position += 4;
        for (size_t i = 0; i < *length && m_position < m_in.size(); ++i)
            emit(m_in.data()[m_position++]);
    }

    void codes(const Huffman &literals, const Huffman &distances)
    {
        while (m_ok && m_produced < m_capacity) {
            const int symbol = decode(literals);
            if (symbol < 0 || symbol == 256)
                return;
            if (symbol < 256) {
                emit(static_cast<uint8_t>(symbol));
                continue;
            }
            const int lengthIndex = symbol - 257;
            if (lengthIndex >= 29) {
                m_ok = false;
                return;
            }
            const size_t length = LengthBase[lengthIndex] + bits(LengthExtra[lengthIndex]);
            const int distanceIndex = decode(distances);
            if (distanceIndex < 0 || distanceIndex >= DistanceCodes) {
                m_ok = false;
                return;
            }
            const size_t distance = DistanceBase[distanceIndex] + bits(DistanceExtra[distanceIndex]);
            if (!m_ok || distance > m_produced) {
                m_ok = false;
                return;
            }
            for (size_t i = 0; i < length; ++i)
                emit(m_out[m_produced - distance]);
        }
    }

    void fixed()
    {
        std::array<uint8_t, LiteralCodes + DistanceCodes> lengths{};
        for (int symbol = 0; symbol < LiteralCodes; ++symbol)
            lengths[symbol] = symbol < 144 ? 8 : symbol < 256 ? 9 : symbol < 280 ? 7 : 8;
        for (int symbol = 0; symbol < DistanceCodes; ++symbol)
            lengths[LiteralCodes + symbol] = 5;
        Huffman literals, distances;
        buildHuffman(literals, lengths.data(), LiteralCodes);
        buildHuffman(distances, lengths.data() + LiteralCodes, DistanceCodes);
        codes(literals, distances);
    }

    void dynamic()
    {
        const int literalCount = static_cast<int>(bits(5)) + 257;
        const int distanceCount = static_cast<int>(bits(5)) + 1;
        const int lengthCount = static_cast<int>(bits(4)) + 4;
        if (!m_ok || literalCount > 286 || distanceCount > DistanceCodes) {
            m_ok = false;
            return;
        }
        std::array<uint8_t, LiteralCodes + DistanceCodes> lengths{};
        for (int i = 0; i < lengthCount; ++i)
            lengths[CodeLengthOrder[i]] = static_cast<uint8_t>(bits(3));
        Huffman lengthCode;
        if (!buildHuffman(lengthCode, lengths.data(), LengthCodeCount)) {
            m_ok = false;
            return;
        }
        lengths.fill(0);
        int index = 0;
        while (index < literalCount + distanceCount && m_ok) {
            const int symbol = decode(lengthCode);
            if (symbol < 0)
                return;
            if (symbol < 16) {
                lengths[index++] = static_cast<uint8_t>(symbol);
                continue;
            }
            uint8_t repeated = 0;
            int times = 0;
            if (symbol == 16) {
                if (index == 0) {
                    m_ok = false;
                    return;
                }
                repeated = lengths[index - 1];
                times = 3 + static_cast<int>(bits(2));
            } else if (symbol == 17) {
                times = 3 + static_cast<int>(bits(3));
            } else {
                times = 11 + static_cast<int>(bits(7));
            }
            if (index + times > literalCount + distanceCount) {
                m_ok = false;
                return;
            }
            while (times-- > 0)
                lengths[index++] = repeated;
        }
        Huffman literals, distances;
        if (!m_ok || !buildHuffman(literals, lengths.data(), literalCount) ||
            !buildHuffman(distances, lengths.data() + literalCount, distanceCount)) {
            m_ok = false;
            return;
        }
        codes(literals, distances);
    }

    ByteView m_in;
    uint8_t *m_out;
    size_t m_capacity;
    size_t m_position = 0;
    size_t m_produced = 0;
    uint32_t m_bitBuffer = 0;
    int m_bitCount = 0;
    bool m_ok = true;
};

} // namespace

size_t inflateRaw(ByteView compressed, uint8_t *out, size_t capacity)
{
    if (!out || capacity == 0)
        return 0;
    return Decoder(compressed, out, capacity).run();
}

} // namespace tivex
