#include "shell/start_options.h"

#include <array>
#include <string_view>
#include <utility>

namespace startopt {

namespace {

constexpr std::array<std::pair<std::u16string_view, Start>, 3> OptionWords = {{
    {u"-about", Start::About},
    {u"-dic", Start::Dictionary},
    {u"-rename", Start::RenameAlone},
}};

std::u16string_view withoutFolder(std::u16string_view name)
{
    const std::size_t separator = name.find_last_of(u"/\\");
    return separator == std::u16string_view::npos ? name : name.substr(separator + 1);
}

// A period at the start is no extension: ".ren" is a name, not a bare extension.
std::u16string_view withoutExtension(std::u16string_view name)
{
    const std::size_t period = name.rfind(u'.');
    return period == std::u16string_view::npos || period == 0 ? name : name.substr(0, period);
}

} // namespace

bool nameAsksForRenamer(const std::u16string &programName)
{
    std::u16string lower(withoutExtension(withoutFolder(programName)));
    for (char16_t &c : lower) {
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return lower.find(u"ren") != std::u16string::npos;
}

Start chooseStart(const std::vector<std::u16string> &words, const std::u16string &programName)
{
    if (words.empty())
        return nameAsksForRenamer(programName) ? Start::RenameAlone : Start::MainOnly;
    for (const auto &[word, start] : OptionWords) {
        if (words.front() == word)
            return start;
    }
    return Start::CheckPath;
}

} // namespace startopt
