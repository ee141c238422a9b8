// The help text's sections: readme.txt beside the program, cut into the four parts the
// about window's buttons show.
#pragma once

#include <string>
#include <string_view>

namespace about {

inline constexpr std::u16string_view MissingReadme = u"Readme.txt ファイルがありません";
inline constexpr std::u16string_view NoDescription = u"Readme.txt に説明が含まれていません。";

// The marker lines that open a section, in the order of the window's buttons, and the one
// that closes whatever section is open.
inline constexpr std::u16string_view SectionMarks[] = {u"-a-", u"-c-", u"-d-", u"-r-"};
inline constexpr std::u16string_view CloseMark = u"-x-";

// The lines of the section `mark` in file order, each followed by CR LF. A line ends at
// CR LF, a lone CR or a lone LF, so a readme saved by any editor reads the same. Only a
// line that is exactly `mark` opens the section, and only an exact "-x-" closes it: the
// marker of another section inside an open one is ordinary text.
std::u16string sectionText(std::u16string_view readme, std::u16string_view mark);

struct ReadmeView {
    std::u16string text;      // what the text box shows
    bool missing = false;     // readme.txt could not be read: the message is also shown
};

// Reads the readme afresh and picks the section, with the texts for a missing file (and,
// for a file that is there but was refused, a second line that says why) and for a
// section that says nothing.
ReadmeView showReadme(const std::u16string &path, std::u16string_view mark);

} // namespace about
