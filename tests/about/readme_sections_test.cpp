// The readme's sections as the about window shows them, and the start options' choice.
#include "about/readme_sections.h"
#include "platform/codepage.h"
#include "platform/platform.h"
#include "shell/start_options.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>

using testsupport::TempFolder;

namespace {

struct SectionCase {
    const char *what;
    std::u16string_view readme;
    std::u16string_view mark;
    std::u16string_view shown;
};

const SectionCase SectionCases[] = {
    {"a lone CR ends lines", u"-a-\rone\rtwo\r-x-\r", u"-a-", u"one\r\ntwo\r\n"},
    {"a lone LF ends lines", u"-a-\none\ntwo\n-x-\n", u"-a-", u"one\r\ntwo\r\n"},
    {"line ends mixed", u"-a-\r\none\rtwo\nthree", u"-a-", u"one\r\ntwo\r\nthree\r\n"},
    {"a marker of another section runs on", u"-a-\r\nA\r\n-c-\r\nC\r\n-x-\r\n", u"-a-",
     u"A\r\n-c-\r\nC\r\n"},
    {"the section opened inside another", u"-a-\r\nA\r\n-c-\r\nC\r\n-x-\r\n", u"-c-", u"C\r\n"},
    {"a marker with a trailing blank is text", u"-d- \r\nno\r\n-d-\r\n-a- \r\nyes\r\n", u"-d-",
     u"-a- \r\nyes\r\n"},
    {"markers are case-sensitive", u"-A-\r\nno\r\n-a-\r\n-X-\r\nyes\r\n", u"-a-", u"-X-\r\nyes\r\n"},
    {"two blocks joined in file order", u"-d-\r\none\r\n-x-\r\n-r-\r\nR\r\n-x-\r\n-d-\r\ntwo\r\n-x-\r\n",
     u"-d-", u"one\r\ntwo\r\n"},
    {"empty lines are kept", u"-r-\r\n\r\nmid\r\n\r\n-x-\r\n", u"-r-", u"\r\nmid\r\n\r\n"},
    {"text outside sections is never shown",
     u"head\r\n-a-\r\nA\r\n-x-\r\nbetween\r\n-c-\r\nC\r\n-x-\r\ntail\r\n", u"-a-", u"A\r\n"},
    {"text outside sections, other section",
     u"head\r\n-a-\r\nA\r\n-x-\r\nbetween\r\n-c-\r\nC\r\n-x-\r\ntail\r\n", u"-c-", u"C\r\n"},
    {"a section never opened", u"-a-\r\nA\r\n-x-\r\n", u"-r-", u""},
};

TEST(ReadmeSections, TakesTheLinesOfTheChosenSection)
{
    for (const SectionCase &c : SectionCases)
        EXPECT_EQ(about::sectionText(c.readme, c.mark), c.shown) << c.what;
}

TEST(ReadmeSections, ReadsTheFileAfreshAndNamesWhatIsMissing)
{
    TempFolder folder;
    ASSERT_TRUE(folder.valid());
    const std::u16string path = folder.pathText(u"readme.txt");
    EXPECT_EQ(about::showReadme(path, u"-a-").text, about::MissingReadme);
    EXPECT_TRUE(about::showReadme(path, u"-a-").missing);
    // A readme that is there but refused reads as missing, with a line that says why.
    const std::u16string missing = u"Readme.txt ファイルがありません\r\n";
    std::filesystem::create_directory(folder.path() / "readme.txt");
    const about::ReadmeView view = about::showReadme(path, u"-a-");
    EXPECT_TRUE(view.missing) << "a folder is no readme";
    EXPECT_EQ(view.text.substr(0, missing.size()), missing);
    EXPECT_NE(view.text.find(u"通常のファイルではない", missing.size()), std::u16string::npos);
    std::filesystem::remove(folder.path() / "readme.txt");

    // The file as shipped: CP932 with CR LF.
    folder.write("readme.txt", *platform::codepage::utf16ToCp932(u"-a-\r\n使い方～\r\n-x-\r\n-c-\r\n-x-\r\n"));
    EXPECT_EQ(about::showReadme(path, u"-a-").text, u"使い方～\r\n");
    EXPECT_FALSE(about::showReadme(path, u"-a-").missing);
    EXPECT_EQ(about::showReadme(path, u"-c-").text, about::NoDescription) << "present but empty";
    EXPECT_EQ(about::showReadme(path, u"-d-").text, about::NoDescription) << "absent";
    // Edited on Linux: UTF-8 with LF alone.
    folder.write("readme.txt", "-d-\n辞書の使い方\n-x-\n");
    EXPECT_EQ(about::showReadme(path, u"-d-").text, u"辞書の使い方\r\n");
}

struct StartCase {
    std::vector<std::u16string> words;
    std::u16string programName;
    startopt::Start start;
};

TEST(StartOptions, FirstWordOrProgramNameChoosesTheWindow)
{
    using startopt::Start;
    const StartCase cases[] = {
        {{}, u"sorvena", Start::MainOnly},
        {{u"-about"}, u"sorvena", Start::About},
        {{u"-dic"}, u"sorvena", Start::Dictionary},
        {{u"-rename"}, u"sorvena", Start::RenameAlone},
        {{u"-About"}, u"sorvena", Start::CheckPath},
        {{u"-DIC"}, u"sorvena", Start::CheckPath},
        {{u"-rename "}, u"sorvena", Start::CheckPath},
        {{u"-about", u"/tmp/a.jpg", u"-dic"}, u"sorvena", Start::About},
        {{u"/tmp/a.jpg", u"-about"}, u"sorvena", Start::CheckPath},
        {{}, u"MyRename.exe", Start::RenameAlone},
        {{}, u"sorvena-REN", Start::RenameAlone},
        {{}, u"/usr/bin/quickren", Start::RenameAlone},
        {{u"-about"}, u"MyRename.exe", Start::About},
        {{u"/tmp/a.jpg"}, u"sorvena-ren", Start::CheckPath},
        // The folder and the extension are not the name.
        {{}, u"/opt/renamer/sorvena", Start::MainOnly},
        {{}, u"sorvena.ren", Start::MainOnly},
        {{}, u"re-n", Start::MainOnly},
    };
    for (const StartCase &c : cases) {
        EXPECT_EQ(startopt::chooseStart(c.words, c.programName), c.start)
            << std::filesystem::path(c.programName).string() << " with " << c.words.size() << " words";
    }
}

} // namespace

// The help as shipped: CP932 with CR LF, so that it reads the same on Japanese Windows,
// and every button finds text of its own.
TEST(ShippedReadme, IsCp932WithCrLfAndFillsEverySection)
{
    const std::u16string path = std::filesystem::path(SORVENA_DATA_DIR "/readme.txt").u16string();
    const std::optional<std::string> bytes = platform::readWholeFile(path);
    ASSERT_TRUE(bytes);
    EXPECT_FALSE(platform::codepage::isValidUtf8(*bytes));
    ASSERT_TRUE(platform::codepage::cp932ToUtf16(*bytes));
    std::size_t lineEnds = 0;
    for (std::size_t i = 0; i < bytes->size(); ++i) {
        if ((*bytes)[i] == '\n') {
            EXPECT_TRUE(i > 0 && (*bytes)[i - 1] == '\r') << "a lone LF at byte " << i;
            ++lineEnds;
        }
    }
    EXPECT_EQ(std::count(bytes->begin(), bytes->end(), '\r'), static_cast<std::ptrdiff_t>(lineEnds));
    for (std::u16string_view mark : about::SectionMarks) {
        const std::u16string text = about::showReadme(path, mark).text;
        EXPECT_GT(text.size(), 200u) << std::filesystem::path(std::u16string(mark)).string();
        EXPECT_EQ(text.find(u"\r\n-"), std::u16string::npos) << "a section runs into the next marker";
    }
}
