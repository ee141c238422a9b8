// CP932 through glibc's iconv, and the engine's text, which on POSIX is the bytes of names.
#include "platform/codepage.h"

#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <iconv.h>

namespace platform::codepage {

namespace {

// "CP932" is Microsoft's table (0x8160 is U+FF5E, NEC row 13 is present); "SHIFT_JIS"
// would be a different table.
constexpr const char *Cp932Name = "CP932";
constexpr const char *Utf16Name = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

const iconv_t InvalidHandle = reinterpret_cast<iconv_t>(-1);

// One converter per direction and thread, opened on first use and closed when the
// thread ends. Opening costs far more than a conversion, and the data-file reader calls
// in once per line.
class Converter {
public:
    Converter(const char *to, const char *from) : m_handle(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_handle != InvalidHandle)
            iconv_close(m_handle);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts the whole input or nothing: false on any sequence the converter refuses,
    // including one cut off at the end.
    bool convert(const char *input, std::size_t inputSize, std::string &output)
    {
        if (m_handle == InvalidHandle)
            return false;
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        output.clear();
        char *in = const_cast<char *>(input);
        std::size_t inLeft = inputSize;
        char buffer[1024];
        while (true) {
            char *out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = inLeft == 0 ? iconv(m_handle, nullptr, nullptr, &out, &outLeft)
                                                   : iconv(m_handle, &in, &inLeft, &out, &outLeft);
            output.append(buffer, sizeof buffer - outLeft);
            if (result != static_cast<std::size_t>(-1)) {
                if (inLeft == 0)
                    return true;
                continue;
            }
            if (errno != E2BIG)
                return false;
        }
    }

private:
    iconv_t m_handle;
};

Converter &cp932ToUtf16Converter()
{
    thread_local Converter converter(Utf16Name, Cp932Name);
    return converter;
}

Converter &utf16ToCp932Converter()
{
    thread_local Converter converter(Cp932Name, Utf16Name);
    return converter;
}

std::u16string fromUtf16Bytes(const std::string &bytes)
{
    std::u16string text(bytes.size() / sizeof(char16_t), u'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(char16_t));
    return text;
}

} // namespace

std::optional<std::u16string> cp932ToUtf16(std::string_view bytes)
{
    std::string utf16Bytes;
    if (!cp932ToUtf16Converter().convert(bytes.data(), bytes.size(), utf16Bytes))
        return std::nullopt;
    return fromUtf16Bytes(utf16Bytes);
}

std::optional<std::string> utf16ToCp932(std::u16string_view text)
{
    std::string bytes;
    const auto *input = reinterpret_cast<const char *>(text.data());
    if (!utf16ToCp932Converter().convert(input, text.size() * sizeof(char16_t), bytes))
        return std::nullopt;
    return bytes;
}

// The engine takes and gives the bytes of names as the file system holds them.
std::optional<std::string> toEngineText(std::u16string_view text)
{
    return nameToBytes(text);
}

std::u16string fromEngineText(std::string_view bytes)
{
    return nameFromBytes(bytes);
}

} // namespace platform::codepage
