// Guesses for text that carries no marker: which programming or configuration
// language a file is written in, told by scored keywords at the start of its lines, and
// whether it is a table of comma- or tab-separated values. Both answer only when the
// evidence is clear, and an empty id otherwise.
#pragma once

#include <string_view>

namespace tivex {

struct LanguageGuess {
    std::string_view typeId; // empty when the evidence is not clear enough for a guess
    // The evidence stands far above any other language's (or the file declares its
    // language in a modeline), so the guess may overrule the name of another language.
    bool clear = false;
};

LanguageGuess guessLanguage(std::string_view text);
std::string_view guessTable(std::string_view text, bool complete);

} // namespace tivex
