// Version texts shown in the captions and the about window.
#pragma once

namespace version {
inline constexpr char16_t Number[] = u"1.20";
inline constexpr char16_t ReleaseDate[] = u"2002.6.20";
} // namespace version
