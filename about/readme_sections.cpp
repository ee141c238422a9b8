#include "about/readme_sections.h"

#include "dictionary/ext_records.h"

#include <optional>

namespace about {

namespace {

// The next line of `text` from `pos`, with `pos` moved past its line end.
std::u16string_view nextLine(std::u16string_view text, std::size_t &pos)
{
    const std::size_t start = pos;
    const std::size_t end = text.find_first_of(u"\r\n", start);
    if (end == std::u16string_view::npos) {
        pos = text.size();
        return text.substr(start);
    }
    pos = end + 1;
    if (text[end] == u'\r' && pos < text.size() && text[pos] == u'\n')
        ++pos;
    return text.substr(start, end - start);
}

} // namespace

std::u16string sectionText(std::u16string_view readme, std::u16string_view mark)
{
    std::u16string shown;
    bool inSection = false;
    std::size_t pos = 0;
    while (pos < readme.size()) {
        const std::u16string_view line = nextLine(readme, pos);
        if (line == mark) {
            inSection = true;
        } else if (line == CloseMark) {
            inSection = false;
        } else if (inSection) {
            shown.append(line);
            shown.append(u"\r\n");
        }
    }
    return shown;
}

ReadmeView showReadme(const std::u16string &path, std::u16string_view mark)
{
    const extdic::DataFileText readme = extdic::readDataFile(path);
    if (!readme.text) {
        std::u16string text(MissingReadme);
        if (!readme.refusal.empty())
            text += u"\r\n" + readme.refusal;
        return {std::move(text), true};
    }
    std::u16string text = sectionText(*readme.text, mark);
    if (text.empty())
        text = NoDescription;
    return {std::move(text), false};
}

} // namespace about
