// Every real-tool sample under the names a user's file may carry: none, its own, its own
// in capitals, the other names of its type, nonsense and another type's. The engine must
// keep the right names and propose one of the accepted extensions for the others.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "sample_files.h"
#include "support/temp_folder.h"
#include "text_util.h"
#include "tivex_engine.h"

namespace tivex::evidence {
namespace {

constexpr size_t MaxSampleSize = 64 * 1024;
// Names that say nothing about the content: every recognised type replaces them. A registry
// hive is customarily .dat, so its sample gets the second.
constexpr std::string_view NonsenseExts[] = {"dat", "bin"};

std::vector<SampleRow> tableOrEmpty()
{
    std::string error;
    return loadSampleTable(error).value_or(std::vector<SampleRow>());
}

bool contains(const std::vector<std::string> &list, const std::string &value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

// The first name that says nothing and that this content does not claim; empty when it
// claims them all.
std::string nonsenseExtension(const SampleRow &row)
{
    for (std::string_view ext : NonsenseExts) {
        if (!contains(row.accepted, std::string(ext)))
            return std::string(ext);
    }
    return {};
}

std::string joined(const std::vector<std::string> &list)
{
    std::string text;
    for (const std::string &item : list)
        text += (text.empty() ? "" : " ") + item;
    return text;
}

struct NameCase {
    std::string fileName;
    std::string mustPropose; // empty: any accepted extension
};

std::string asciiUpper(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// A format without an extension of its own (a time zone file, a Git index) is recognised under
// any name, and no name is proposed for it.
std::vector<std::string> extensionlessProblems(const SampleRow &row, const std::string &bytes,
                                               const testsupport::TempFolder &folder)
{
    std::vector<std::string> problems;
    for (const std::string &name : {std::string("sample"), "sample." + nonsenseExtension(row), "sample." + row.otherExt}) {
        const std::string path = folder.write(name, bytes).string();
        const Report report = checkFile(path);
        std::filesystem::remove(path);
        if (!report.ok())
            problems.push_back(name + ": check failed: " + report.reason);
        else if (!report.detection.type)
            problems.push_back(name + ": not recognised");
        else if (!report.proposedExt.empty())
            problems.push_back(name + ": proposed '" + report.proposedExt + "' (" + report.descriptionEn + ")");
    }
    return problems;
}

// What went wrong for this sample under each name; empty when every verdict is right.
std::vector<std::string> verdictProblems(const SampleRow &row, const std::string &bytes,
                                         const testsupport::TempFolder &folder)
{
    if (row.accepted.empty())
        return extensionlessProblems(row, bytes, folder);
    std::vector<std::string> problems;
    const std::string own = ownExtension(row.file);
    std::vector<NameCase> cases = {
        {"sample", {}},
        {"sample." + own, asciiLower(own)},
        {"SAMPLE." + asciiUpper(own), asciiLower(own)},
        {"sample." + nonsenseExtension(row), {}},
        {"sample." + row.otherExt, {}},
    };
    // The other extensions of the type found, among those this content may carry, stay too.
    const Detection found = detectBytes(ByteView(bytes));
    for (const std::string &ext : row.accepted) {
        if (found.type && found.type->claimsExtension(ext))
            cases.push_back({"sample." + ext, ext});
    }
    for (const NameCase &name : cases) {
        const std::string path = folder.write(name.fileName, bytes).string();
        const Report report = checkFile(path);
        std::filesystem::remove(path);
        if (!report.ok()) {
            problems.push_back(name.fileName + ": check failed: " + report.reason);
            continue;
        }
        const bool right = name.mustPropose.empty() ? contains(row.accepted, report.proposedExt)
                                                    : report.proposedExt == name.mustPropose;
        if (!right)
            problems.push_back(name.fileName + ": proposed '" + report.proposedExt + "' (" + report.descriptionEn + ")");
    }
    return problems;
}

class SampleUnderEveryName : public ::testing::TestWithParam<SampleRow> {};

TEST_P(SampleUnderEveryName, keepsTheRightNameAndProposesAnAcceptedExtensionOtherwise)
{
    const SampleRow &row = GetParam();
    const auto bytes = readSample(row.file);
    ASSERT_TRUE(bytes) << row.file << " is listed but missing";
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.valid());
    const std::vector<std::string> problems = verdictProblems(row, *bytes, folder);
    std::string summary;
    for (const std::string &problem : problems)
        summary += "\n  " + problem;
    if (!row.gap.empty()) {
        if (problems.empty())
            GTEST_SKIP() << row.file << " is marked as a known gap but now passes: remove the mark";
        GTEST_SKIP() << row.file << ": known gap (" << row.gap << ")" << summary;
    }
    EXPECT_TRUE(problems.empty()) << row.file << " (accepted: " << joined(row.accepted) << ")" << summary;
}

std::string testName(const ::testing::TestParamInfo<SampleRow> &info)
{
    std::string name = info.param.file;
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(RealToolSamples, SampleUnderEveryName, ::testing::ValuesIn(tableOrEmpty()), testName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(SampleUnderEveryName);

// The table is what the samples test runs over: a sample it misses or a row that cannot
// hold would leave a format untested without a failure.
TEST(SampleTable, listsEverySampleOnceWithConsistentRows)
{
    std::string error;
    const auto rows = loadSampleTable(error);
    ASSERT_TRUE(rows) << error;
    const std::vector<std::string> files = sampleFileNames();
    EXPECT_GE(files.size(), 100u) << "the samples are missing; see make_samples.sh";
    std::set<std::string> listed;
    for (const SampleRow &row : *rows) {
        EXPECT_TRUE(listed.insert(row.file).second) << row.file << " is listed twice";
        EXPECT_TRUE(std::binary_search(files.begin(), files.end(), row.file)) << row.file << " is listed but missing";
        const std::string own = asciiLower(ownExtension(row.file));
        if (row.accepted.empty()) {
            EXPECT_TRUE(own.empty()) << row.file << ": a format without an extension has a sample without one";
        } else {
            EXPECT_TRUE(contains(row.accepted, own)) << row.file << ": its own extension must be accepted";
        }
        EXPECT_FALSE(contains(row.accepted, asciiLower(row.otherExt))) << row.file << ": the other extension is accepted";
        EXPECT_FALSE(nonsenseExtension(row).empty()) << row.file << ": every name that says nothing is accepted";
        if (const auto bytes = readSample(row.file)) {
            EXPECT_LT(bytes->size(), MaxSampleSize) << row.file;
        }
    }
    for (const std::string &file : files)
        EXPECT_TRUE(listed.count(file)) << file << " has no row in expected.tsv";
}

struct MisnamedCase {
    std::string_view rule;
    std::string_view sample; // in the samples folder
    std::string_view name;   // what the user's copy is called
    std::string_view expected;
};

// One real-tool sample under a name for each rule of the verdict (docs/verdict.md).
constexpr MisnamedCase MisnamedCases[] = {
    {"a name that says nothing", "graph.svg", "graph.dat", "svg"},
    {"a name that says nothing", "data.json", "data.dat", "json"},
    {"a name that says nothing", "pandoc.html", "page.dat", "html"},
    {"a name that says nothing", "libreoffice.rtf", "letter.dat", "rtf"},
    {"a name that says nothing", "pandoc.rst", "notes.dat", "rst"},
    {"a name that says nothing", "image.png", "image.bin", "png"},
    {"a copy mark", "image.png", "image.png.bak", "bak"},
    {"a copy mark", "cert.pem", "cert.tmp", "tmp"},
    {"a marker behind the right name", "data.json", "settings.json.in", "in"},
    {"a structure the content lacks", "data.xml", "data.json", "xml"},
    {"a structure the content lacks", "table.csv", "table.json", "csv"},
    {"a structure the content lacks", "data.json", "data.xml", "json"},
    {"a structure the content lacks", "pandoc.xml", "article.html", "xml"},
    {"a structure the content lacks", "data.xml", "data.svg", "xml"},
    {"a name the engine does not know", "pandoc.json", "document.lang", "lang"},
    {"a name the engine does not know", "cert.pem", "cert.zzq", "pem"},
    {"plain text names", "pandoc.rst", "notes.txt", "txt"},
    {"plain text names", "dump.sql", "dump.txt", "txt"},
    {"plain text names", "graph.dot", "graph.txt", "gv"},
    {"a child under its parent's name", "video.webm", "clip.mkv", "mkv"},
    {"a child under its parent's name", "video.mov", "clip.mp4", "mp4"},
    {"a child under its parent's name", "graph.svg", "graph.xml", "xml"},
    {"a child under its parent's name", "opusenc.opus", "voice.ogg", "ogg"},
    {"a parent under its child's name", "video.mkv", "clip.webm", "mkv"},
    {"a parent under its child's name", "video.mp4", "clip.mov", "mov"},
    {"a sibling's name", "hello.exe", "tool.dll", "exe"},
    {"a sibling's name", "hand.jtd", "letter.doc", "jtd"},
    {"a sibling's name", "libreoffice.doc", "letter.jtd", "doc"},
    {"a sibling's name", "libreoffice.xls", "book.jtd", "xls"},
    {"a sibling's name", "hand.pal", "colours.wav", "pal"},
    {"a sibling's name", "sox.wav", "sound.pal", "wav"},
    {"a sibling's name", "hand.4xm", "intro.avi", "4xm"},
    {"a sibling's name", "video.avi", "intro.4xm", "avi"},
    {"a sibling's name", "hand.grib", "forecast.bufr", "grib"},
    {"a sibling's name", "hand.kicad_pcb", "board.kicad_sch", "kicad_pcb"},
};

TEST(Misnamed, everyRuleOfTheVerdictHoldsOnRealSamples)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.valid());
    for (const MisnamedCase &c : MisnamedCases) {
        const auto bytes = readSample(std::string(c.sample));
        ASSERT_TRUE(bytes) << c.sample;
        const Report report = checkFile(folder.write(std::string(c.name), *bytes).string());
        ASSERT_TRUE(report.ok()) << c.name << ": " << report.reason;
        EXPECT_EQ(report.proposedExt, c.expected) << c.rule << ": " << c.sample << " named " << c.name;
    }
}

} // namespace
} // namespace tivex::evidence
