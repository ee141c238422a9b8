// How file systems that ignore letter case compare names, the same on every platform.
#include "platform/platform.h"

#include <array>

namespace platform {

namespace {

// Letter pairs that such file systems commonly fold together: ASCII, Latin-1, Greek,
// Cyrillic and the full-width Latin letters of Japanese text.
struct CaseRange {
    char16_t upperFirst;
    char16_t upperLast;
    char16_t lowerOffset;
};

constexpr std::array CaseRanges{
    CaseRange{u'A', u'Z', 0x20},
    CaseRange{u'\u00C0', u'\u00D6', 0x20},
    CaseRange{u'\u00D8', u'\u00DE', 0x20},
    CaseRange{u'\u0391', u'\u03A1', 0x20},
    CaseRange{u'\u03A3', u'\u03AB', 0x20},
    CaseRange{u'\u0410', u'\u042F', 0x20},
    CaseRange{u'\u0400', u'\u040F', 0x50},
    CaseRange{u'\uFF21', u'\uFF3A', 0x20},
};

char16_t foldCase(char16_t unit)
{
    for (const CaseRange &range : CaseRanges) {
        if (unit >= range.upperFirst && unit <= range.upperLast)
            return static_cast<char16_t>(unit + range.lowerOffset);
    }
    return unit;
}

} // namespace

std::u16string caseFolded(std::u16string_view name)
{
    std::u16string folded(name);
    for (char16_t &unit : folded)
        unit = foldCase(unit);
    return folded;
}

} // namespace platform
