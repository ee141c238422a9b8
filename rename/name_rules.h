// The string rules of the batch renamer: each takes one file's name apart as the list
// holds it (whole name, base name, extension) and gives the name the method proposes.
// They know nothing of the list, the disk or the engine, so each can be tested alone.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace renamer {

// Base name, a period and an extension. The period is written even for an empty
// extension, so a name rebuilt that way may end in a period.
std::u16string joinedName(std::u16string_view base, std::u16string_view ext);

// The name without the periods it ends in.
std::u16string withoutTrailingPeriods(std::u16string_view name);

// Case mapping of the letters that have a case partner in the scripts file names here
// are written in (Latin, Greek, Cyrillic, full-width Latin, Roman numerals, circled
// letters). Everything else, kana and kanji included, is left as it is.
std::u16string lowerCase(std::u16string_view text);
std::u16string upperCase(std::u16string_view text);

// The name without the wording the shell puts into the names of shortcuts it makes
// ("ショートカット " before an Internet shortcut, "へのショートカット" before ".lnk", also
// in half-width katakana). The suffix comes out in lower case. Nothing when the name
// carries no such wording.
std::optional<std::u16string> withoutShortcutWording(std::u16string_view name);

// The name without half-width and ideographic blanks.
std::u16string withoutSpaces(std::u16string_view name);

// The name without its bracketed parts. Half-width and full-width brackets pair freely
// and nest; a closing bracket outside any bracket stays; an opening bracket that is never
// closed drops the rest of the name.
std::u16string withoutBrackets(std::u16string_view name);

// Adding and removing a string at the start or the end of a name. The removing rules
// give nothing when the base name does not carry the string or would become empty.
std::u16string withAffixAtStart(std::u16string_view affix, std::u16string_view name);
std::optional<std::u16string> withoutAffixAtStart(std::u16string_view affix,
                                                  std::u16string_view base,
                                                  std::u16string_view ext);
std::u16string withAffixAtEnd(std::u16string_view affix, std::u16string_view base,
                              std::u16string_view ext);
std::optional<std::u16string> withoutAffixAtEnd(std::u16string_view affix,
                                                std::u16string_view base,
                                                std::u16string_view ext);

// The name with the extension the engine proposed, or nothing when the proposal is
// empty or names the present extension in another letter case.
std::optional<std::u16string> withEngineExtension(std::u16string_view base,
                                                  std::u16string_view presentExt,
                                                  std::u16string_view proposedExt);

// The value of the number a text begins with, read the way the number box has always
// been read: blanks, tabs and line feeds are skipped wherever they stand; a sign, digits,
// one decimal point and an exponent are taken; reading stops at anything else; a text
// that does not begin with a number is worth 0. Very large values come back infinite.
double leadingNumberValue(std::u16string_view text);

// A sequence number in decimal, zero-filled to at least `width` digits, a minus sign in
// front of the digits of a negative number.
std::u16string sequenceNumber(int number, int width);

// The head text of the sequence-number method taken from a base name: its first two
// UTF-16 units, or three when the second opens a surrogate pair, so that no character is
// cut in half.
std::u16string headOf(std::u16string_view base);

} // namespace renamer
