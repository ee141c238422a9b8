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

std::vector<std::u16string> splitArguments(std::u16string_view text)
{
    std::vector<std::u16string> words;
    bool inWord = false;
    for (const char16_t c : text) {
        if (isSeparator(c)) {
            inWord = false;
            continue;
        }
        if (!inWord) {
            words.emplace_back();
            inWord = true;
        }
        words.back().push_back(c);
    }
    return words;
}

} // namespace cmdline
