// CP932 and the engine's text (the ANSI code page) through the Windows converters.
#include "platform/codepage.h"

#include "platform/win32/wide_text.h"

#include <windows.h>

namespace platform::codepage {

namespace {

constexpr UINT Cp932 = 932;

// Single bytes that Windows' table maps to C1 controls or private-use characters
// (80, A0, FD, FE, FF) while glibc's refuses them. They are refused here too, so a
// data file reads the same on every platform: such a byte is damage, not text.
bool isCp932StrayByte(unsigned char byte)
{
    return byte == 0x80 || byte == 0xA0 || byte >= 0xFD;
}

bool hasCp932StrayByte(std::string_view bytes)
{
    for (std::size_t pos = 0; pos < bytes.size(); ++pos) {
        const auto byte = static_cast<unsigned char>(bytes[pos]);
        if (IsDBCSLeadByteEx(Cp932, byte) && pos + 1 < bytes.size())
            ++pos;
        else if (isCp932StrayByte(byte))
            return true;
    }
    return false;
}

std::optional<std::u16string> toUtf16(UINT codePage, DWORD flags, std::string_view bytes)
{
    if (bytes.empty())
        return std::u16string();
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, bytes.data(), size, wide.data(), length);
    return win32::fromWide(wide);
}

// nullopt when a character has no form in the code page: the converter would put its
// default character there, and a name spelled with it is not the name it stood for.
std::optional<std::string> fromUtf16(UINT codePage, std::u16string_view text)
{
    if (text.empty())
        return std::string();
    const std::wstring wide = win32::toWide(text);
    const int size = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    const int bytes = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0,
                                          nullptr, &usedDefault);
    if (bytes <= 0 || usedDefault)
        return std::nullopt;
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, out.data(), bytes, nullptr,
                        &usedDefault);
    if (usedDefault)
        return std::nullopt;
    return out;
}

} // namespace

std::optional<std::u16string> cp932ToUtf16(std::string_view bytes)
{
    if (hasCp932StrayByte(bytes))
        return std::nullopt;
    return toUtf16(Cp932, MB_ERR_INVALID_CHARS, bytes);
}

std::optional<std::string> utf16ToCp932(std::u16string_view text)
{
    return fromUtf16(Cp932, text);
}

// The engine takes NUL-terminated text: a NUL inside would end it early.
std::optional<std::string> toEngineText(std::u16string_view text)
{
    if (text.find(u'\0') != std::u16string_view::npos)
        return std::nullopt;
    return fromUtf16(CP_ACP, text);
}

std::u16string fromEngineText(std::string_view bytes)
{
    return toUtf16(CP_ACP, 0, bytes).value_or(std::u16string());
}

} // namespace platform::codepage
