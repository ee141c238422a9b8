#include "rename/name_rules.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace renamer {

namespace {

// One run of upper-case letters and where their lower-case partners lie. In the
// alternating blocks of Latin Extended-A each upper-case letter is followed directly by
// its partner, so only every second unit of the run is an upper-case letter.
struct CaseRange {
    char16_t upperFirst;
    char16_t upperLast;
    int lowerOffset;
    bool alternating;
};

constexpr std::array CaseRanges = {
    CaseRange{u'A', u'Z', 0x20, false},
    CaseRange{u'\u00C0', u'\u00D6', 0x20, false},
    CaseRange{u'\u00D8', u'\u00DE', 0x20, false},
    CaseRange{u'\u0100', u'\u012E', 1, true},
    CaseRange{u'\u0132', u'\u0136', 1, true},
    CaseRange{u'\u0139', u'\u0147', 1, true},
    CaseRange{u'\u014A', u'\u0176', 1, true},
    CaseRange{u'\u0178', u'\u0178', 0x00FF - 0x0178, false},
    CaseRange{u'\u0179', u'\u017D', 1, true},
    CaseRange{u'\u0391', u'\u03A1', 0x20, false},
    CaseRange{u'\u03A3', u'\u03AB', 0x20, false},
    CaseRange{u'\u0400', u'\u040F', 0x50, false},
    CaseRange{u'\u0410', u'\u042F', 0x20, false},
    CaseRange{u'\u2160', u'\u216F', 0x10, false},
    CaseRange{u'\u24B6', u'\u24CF', 0x1A, false},
    CaseRange{u'\uFF21', u'\uFF3A', 0x20, false},
};

bool isUpperIn(const CaseRange &range, char16_t unit)
{
    if (unit < range.upperFirst || unit > range.upperLast)
        return false;
    return !range.alternating || (unit - range.upperFirst) % 2 == 0;
}

bool isLowerIn(const CaseRange &range, char16_t unit)
{
    const int upper = unit - range.lowerOffset;
    return upper >= range.upperFirst && upper <= range.upperLast
           && isUpperIn(range, static_cast<char16_t>(upper));
}

char16_t lowerOf(char16_t unit)
{
    for (const CaseRange &range : CaseRanges) {
        if (isUpperIn(range, unit))
            return static_cast<char16_t>(unit + range.lowerOffset);
    }
    return unit;
}

char16_t upperOf(char16_t unit)
{
    for (const CaseRange &range : CaseRanges) {
        if (isLowerIn(range, unit))
            return static_cast<char16_t>(unit - range.lowerOffset);
    }
    return unit;
}

std::u16string mapped(std::u16string_view text, char16_t (*map)(char16_t))
{
    std::u16string out(text);
    std::transform(out.begin(), out.end(), out.begin(), map);
    return out;
}

bool endsWithIgnoringCase(std::u16string_view text, std::u16string_view lowerSuffix)
{
    return text.size() >= lowerSuffix.size()
           && lowerCase(text.substr(text.size() - lowerSuffix.size())) == lowerSuffix;
}

// The wording the shell gives shortcuts it creates, in both katakana widths, and the
// suffix of the shortcut file that carries it.
constexpr std::u16string_view InternetShortcutPrefix = u"ショートカット ";
constexpr std::u16string_view InternetShortcutSuffix = u".url";
constexpr std::array<std::u16string_view, 2> FileShortcutWordings = {u"へのショートカット",
                                                                     u"へのｼｮｰﾄｶｯﾄ"};
constexpr std::u16string_view FileShortcutSuffix = u".lnk";

std::optional<std::u16string> withoutInternetShortcutWording(std::u16string_view name)
{
    const std::size_t fixed = InternetShortcutPrefix.size() + InternetShortcutSuffix.size();
    if (name.size() <= fixed || !name.starts_with(InternetShortcutPrefix)
        || !endsWithIgnoringCase(name, InternetShortcutSuffix))
        return std::nullopt;
    const std::u16string_view title =
        name.substr(InternetShortcutPrefix.size(), name.size() - fixed);
    return std::u16string(title) + std::u16string(InternetShortcutSuffix);
}

std::optional<std::u16string> withoutFileShortcutWording(std::u16string_view name)
{
    for (std::u16string_view wording : FileShortcutWordings) {
        const std::size_t fixed = wording.size() + FileShortcutSuffix.size();
        if (name.size() <= fixed || !endsWithIgnoringCase(name, FileShortcutSuffix))
            continue;
        if (name.substr(name.size() - fixed, wording.size()) == wording)
            return std::u16string(name.substr(0, name.size() - fixed))
                   + std::u16string(FileShortcutSuffix);
    }
    return std::nullopt;
}

constexpr std::u16string_view Blanks = u" \u3000";
constexpr std::u16string_view OpeningBrackets = u"(（";
constexpr std::u16string_view ClosingBrackets = u")）";

bool isOneOf(char16_t unit, std::u16string_view set)
{
    return set.find(unit) != std::u16string_view::npos;
}

// Characters the number box skips wherever they stand.
constexpr std::u16string_view SkippedInNumbers = u" \t\n";

bool isDigit(char16_t unit)
{
    return unit >= u'0' && unit <= u'9';
}

// The part of a (blank-free) text that forms a decimal number, as plain ASCII.
struct NumberText {
    std::string mantissa;  // without its sign
    std::string exponent;  // with its sign, empty when there is none
    bool negative = false;
};

std::size_t takeDigits(const std::u16string &text, std::size_t at, std::string &out)
{
    while (at < text.size() && isDigit(text[at]))
        out += static_cast<char>(text[at++]);
    return at;
}

NumberText numberTextOf(const std::u16string &text)
{
    NumberText number;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
        number.negative = text[at++] == u'-';
    at = takeDigits(text, at, number.mantissa);
    if (at < text.size() && text[at] == u'.') {
        number.mantissa += '.';
        at = takeDigits(text, at + 1, number.mantissa);
    }
    if (!std::any_of(number.mantissa.begin(), number.mantissa.end(),
                     [](char c) { return c != '.'; })) {
        number.mantissa.clear();
        return number;
    }
    if (at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
        std::size_t next = at + 1;
        std::string exponent;
        if (next < text.size() && (text[next] == u'+' || text[next] == u'-'))
            exponent += static_cast<char>(text[next++]);
        std::string digits;
        takeDigits(text, next, digits);
        if (!digits.empty())
            number.exponent = exponent + digits;
    }
    return number;
}

} // namespace

std::u16string joinedName(std::u16string_view base, std::u16string_view ext)
{
    std::u16string name(base);
    name += u'.';
    name += ext;
    return name;
}

std::u16string withoutTrailingPeriods(std::u16string_view name)
{
    const std::size_t last = name.find_last_not_of(u'.');
    return std::u16string(name.substr(0, last == std::u16string_view::npos ? 0 : last + 1));
}

std::u16string lowerCase(std::u16string_view text)
{
    return mapped(text, lowerOf);
}

std::u16string upperCase(std::u16string_view text)
{
    return mapped(text, upperOf);
}

std::optional<std::u16string> withoutShortcutWording(std::u16string_view name)
{
    if (auto internet = withoutInternetShortcutWording(name))
        return internet;
    return withoutFileShortcutWording(name);
}

std::u16string withoutSpaces(std::u16string_view name)
{
    std::u16string out;
    std::copy_if(name.begin(), name.end(), std::back_inserter(out),
                 [](char16_t unit) { return !isOneOf(unit, Blanks); });
    return out;
}

std::u16string withoutBrackets(std::u16string_view name)
{
    std::u16string out;
    int depth = 0;
    for (char16_t unit : name) {
        if (isOneOf(unit, OpeningBrackets))
            ++depth;
        else if (depth > 0 && isOneOf(unit, ClosingBrackets))
            --depth;
        else if (depth == 0)
            out += unit;
    }
    return out;
}

std::u16string withAffixAtStart(std::u16string_view affix, std::u16string_view name)
{
    return std::u16string(affix) + std::u16string(name);
}

std::optional<std::u16string> withoutAffixAtStart(std::u16string_view affix,
                                                  std::u16string_view base,
                                                  std::u16string_view ext)
{
    if (base.size() <= affix.size() || !base.starts_with(affix))
        return std::nullopt;
    return joinedName(base.substr(affix.size()), ext);
}

std::u16string withAffixAtEnd(std::u16string_view affix, std::u16string_view base,
                              std::u16string_view ext)
{
    return joinedName(std::u16string(base) + std::u16string(affix), ext);
}

std::optional<std::u16string> withoutAffixAtEnd(std::u16string_view affix,
                                                std::u16string_view base,
                                                std::u16string_view ext)
{
    if (base.size() <= affix.size() || !base.ends_with(affix))
        return std::nullopt;
    return joinedName(base.substr(0, base.size() - affix.size()), ext);
}

std::optional<std::u16string> withEngineExtension(std::u16string_view base,
                                                  std::u16string_view presentExt,
                                                  std::u16string_view proposedExt)
{
    if (proposedExt.empty() || lowerCase(presentExt) == lowerCase(proposedExt))
        return std::nullopt;
    return joinedName(base, proposedExt);
}

double leadingNumberValue(std::u16string_view text)
{
    std::u16string packed;
    std::copy_if(text.begin(), text.end(), std::back_inserter(packed),
                 [](char16_t unit) { return !isOneOf(unit, SkippedInNumbers); });
    const NumberText number = numberTextOf(packed);
    if (number.mantissa.empty())
        return 0.0;
    const std::string literal =
        number.exponent.empty() ? number.mantissa : number.mantissa + 'e' + number.exponent;
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(literal.data(), literal.data() + literal.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too many digits or too large an exponent: far outside any counter's range,
        // unless the exponent makes it vanishingly small.
        value = number.exponent.starts_with('-') ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return number.negative ? -value : value;
}

std::u16string sequenceNumber(int number, int width)
{
    const long long magnitude = std::llabs(static_cast<long long>(number));
    const std::string digits = std::to_string(magnitude);
    std::u16string out;
    if (number < 0)
        out += u'-';
    if (static_cast<int>(digits.size()) < width)
        out.append(static_cast<std::size_t>(width) - digits.size(), u'0');
    out.append(digits.begin(), digits.end());
    return out;
}

std::u16string headOf(std::u16string_view base)
{
    constexpr std::size_t HeadLength = 2;
    std::size_t length = std::min(HeadLength, base.size());
    const bool cutsAPair = length == HeadLength && length < base.size()
                           && base[length - 1] >= 0xD800 && base[length - 1] <= 0xDBFF;
    if (cutsAPair)
        ++length;
    return std::u16string(base.substr(0, length));
}

} // namespace renamer
