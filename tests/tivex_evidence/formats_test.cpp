// Every real-tool sample under the names a user's file may carry: none, its own, its own
// in capitals, nonsense and another type's. The engine must keep the right name and
// propose one of the accepted extensions for the others.
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
// A name that says nothing about the content: every recognised type replaces it.
constexpr std::string_view NonsenseExt = "dat";

std::vector<SampleRow> tableOrEmpty()
{
    std::string error;
    return loadSampleTable(error).value_or(std::vector<SampleRow>());
}

bool contains(const std::vector<std::string> &list, const std::string &value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
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

// What went wrong for this sample under each name; empty when every verdict is right.
std::vector<std::string> verdictProblems(const SampleRow &row, const std::string &bytes,
                                         const testsupport::TempFolder &folder)
{
    std::vector<std::string> problems;
    const std::string own = ownExtension(row.file);
    const NameCase cases[] = {
        {"sample", {}},
        {"sample." + own, asciiLower(own)},
        {"SAMPLE." + asciiUpper(own), asciiLower(own)},
        {"sample." + std::string(NonsenseExt), {}},
        {"sample." + row.otherExt, {}},
    };
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

TEST(SampleTable, listsEverySampleOnceAndEveryListedSampleExists)
{
    std::string error;
    const auto rows = loadSampleTable(error);
    ASSERT_TRUE(rows) << error;
    std::set<std::string> listed;
    for (const SampleRow &row : *rows)
        EXPECT_TRUE(listed.insert(row.file).second) << row.file << " is listed twice";
    const std::vector<std::string> files = sampleFileNames();
    for (const std::string &file : files)
        EXPECT_TRUE(listed.count(file)) << file << " has no row in expected.tsv";
    for (const std::string &file : listed)
        EXPECT_TRUE(std::binary_search(files.begin(), files.end(), file)) << file << " is listed but missing";
    EXPECT_GE(files.size(), 100u) << "the samples are missing; see make_samples.sh";
}

TEST(SampleTable, rowsAreConsistentAndSamplesAreSmall)
{
    std::string error;
    const auto rows = loadSampleTable(error);
    ASSERT_TRUE(rows) << error;
    for (const SampleRow &row : *rows) {
        const std::string own = asciiLower(ownExtension(row.file));
        EXPECT_TRUE(contains(row.accepted, own)) << row.file << ": its own extension must be accepted";
        EXPECT_FALSE(contains(row.accepted, asciiLower(row.otherExt))) << row.file << ": the other extension is accepted";
        EXPECT_FALSE(contains(row.accepted, std::string(NonsenseExt))) << row.file;
        const auto bytes = readSample(row.file);
        if (bytes) {
            EXPECT_LT(bytes->size(), MaxSampleSize) << row.file;
        }
    }
}

} // namespace
} // namespace tivex::evidence
