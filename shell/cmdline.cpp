#include "shell/cmdline.h"

namespace cmdline {

std::vector<std::u16string> ArgList(2);
int16_t ArgCount = 0;

namespace {

bool isSeparator(char16_t c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

void setArgs(const std::vector<std::u16string> &words)
{
    ArgList.assign(1, std::u16string());
    for (const std::u16string &word : words) {
        if (ArgList.size() > MaxArgs)
            break;
        if (!word.empty())
            ArgList.push_back(word);
    }
    ArgCount = static_cast<int16_t>(ArgList.size() - 1);
    if (ArgCount == 0)
        ArgList.emplace_back();
}

// A quoted word ends at its closing quote, and whatever follows that quote starts a new
// word; an unclosed quote runs to the end of the text. An empty pair of quotes names
// nothing and makes no word.
std::vector<std::u16string> splitArguments(std::u16string_view text)
{
    std::vector<std::u16string> words;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (isSeparator(text[pos])) {
            ++pos;
            continue;
        }
        std::u16string word;
        if (text[pos] == u'"') {
            const std::size_t closing = text.find(u'"', pos + 1);
            const std::size_t end = closing == std::u16string_view::npos ? text.size() : closing;
            word = text.substr(pos + 1, end - pos - 1);
            pos = closing == std::u16string_view::npos ? end : closing + 1;
        } else {
            const std::size_t start = pos;
            while (pos < text.size() && !isSeparator(text[pos]))
                ++pos;
            word = text.substr(start, pos - start);
        }
        if (!word.empty())
            words.push_back(std::move(word));
    }
    return words;
}

std::vector<std::u16string> wordsOf(const platform::CommandLine &commandLine)
{
    return commandLine.text ? splitArguments(*commandLine.text) : commandLine.words;
}

} // namespace cmdline
