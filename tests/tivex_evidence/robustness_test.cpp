// Hostile input: every real-tool sample cut at every length, with bits flipped, and
// seeded noise behind real leading bytes. Nothing may crash, and what the engine says
// about such bytes must still fit the C interface's buffers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "sample_files.h"
#include "tivex.h"
#include "tivex_name_rule.h"
#include "tivex_engine.h"

namespace tivex::evidence {
namespace {

// Cutting at every length costs the square of the size, so beyond this many leading
// bytes (where the headers live) the cuts are spread out, with every length again in
// the last bytes, where end records and trailers live.
constexpr size_t EveryLengthHead = 4 * 1024;
constexpr size_t EveryLengthTail = 256;
constexpr size_t SpreadCuts = 192;
constexpr int FlipsPerSample = 48;
constexpr int NoiseBuffers = 4000;
constexpr size_t MaxNoiseSize = 4096;
constexpr uint32_t Seed = 20261206;

bool isWellFormedUtf8(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<uint8_t>(text[i]);
        const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (length == 0 || lead > 0xF4 || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<uint8_t>(text[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

// A verdict the program can use: a known type, extensions and descriptions that fit.
::testing::AssertionResult isSane(const Detection &detection)
{
    if (detection.type && typeById(detection.type->id) != detection.type)
        return ::testing::AssertionFailure() << "type outside the table";
    for (const std::string_view present : {"", "bin", "zzq"}) {
        const std::string ext = proposeExtension(detection.type, present);
        if (ext.size() > names::MaxExtensionCharacters)
            return ::testing::AssertionFailure() << "extension too long: " << ext;
    }
    for (const std::string &description : {describeJa(detection), describeEn(detection)}) {
        if (description.empty() || description.size() > TIVEX_DESC_WIDTH || !isWellFormedUtf8(description))
            return ::testing::AssertionFailure() << "unusable description: " << description;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult saneOn(std::string_view bytes)
{
    return isSane(detectBytes(ByteView(bytes)));
}

std::vector<size_t> cutLengths(size_t size)
{
    std::vector<size_t> lengths;
    for (size_t length = 0; length <= std::min(size, EveryLengthHead); ++length)
        lengths.push_back(length);
    if (size > EveryLengthHead) {
        const size_t step = std::max<size_t>(1, (size - EveryLengthHead) / SpreadCuts);
        for (size_t length = EveryLengthHead; length < size; length += step)
            lengths.push_back(length);
        for (size_t length = size > EveryLengthTail ? size - EveryLengthTail : 0; length <= size; ++length)
            lengths.push_back(length);
    }
    return lengths;
}

std::vector<std::pair<std::string, std::string>> filesIn(const std::string &folder)
{
    std::vector<std::pair<std::string, std::string>> files;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files.emplace_back(entry.path().filename().string(),
                           std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    }
    return files;
}

class Robustness : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const std::string &file : sampleFileNames()) {
            if (auto bytes = readSample(file))
                m_samples.emplace_back(file, std::move(*bytes));
        }
        ASSERT_FALSE(m_samples.empty()) << "no samples in " << samplesFolder();
    }

    std::vector<std::pair<std::string, std::string>> m_samples;
};

TEST_F(Robustness, everySampleCutShortGivesASaneVerdict)
{
    for (const auto &[file, bytes] : m_samples) {
        for (const size_t length : cutLengths(bytes.size()))
            ASSERT_TRUE(saneOn(std::string_view(bytes).substr(0, length))) << file << " cut at " << length;
    }
}

TEST_F(Robustness, samplesWithFlippedBitsGiveSaneVerdicts)
{
    std::mt19937 random(Seed);
    for (const auto &[file, original] : m_samples) {
        if (original.empty())
            continue;
        std::string bytes = original;
        for (int round = 0; round < FlipsPerSample; ++round) {
            // Headers and directories near either end are what inspectors trust most.
            const size_t span = std::min<size_t>(bytes.size(), 512);
            for (int flip = 0; flip < 4; ++flip) {
                std::uniform_int_distribution<size_t> nearStart(0, span - 1);
                size_t at = nearStart(random);
                if (round % 2 == 1)
                    at = bytes.size() - 1 - at;
                bytes[at] = static_cast<char>(bytes[at] ^ (1 << (random() % 8)));
            }
            ASSERT_TRUE(saneOn(bytes)) << file << " after round " << round;
        }
    }
}

TEST_F(Robustness, seededNoiseBehindRealLeadingBytesGivesSaneVerdicts)
{
    std::mt19937 random(Seed);
    std::uniform_int_distribution<size_t> sizes(0, MaxNoiseSize);
    std::uniform_int_distribution<size_t> samples(0, m_samples.size() - 1);
    std::uniform_int_distribution<int> byteValues(0, 255);
    for (int round = 0; round < NoiseBuffers; ++round) {
        std::string bytes(sizes(random), '\0');
        for (char &c : bytes)
            c = static_cast<char>(byteValues(random));
        // Most rounds start like a real file, so the noise reaches past the signatures.
        if (round % 4 != 0) {
            const std::string &real = m_samples[samples(random)].second;
            const size_t keep = std::min({bytes.size(), real.size(), size_t{8} << (round % 8)});
            std::copy_n(real.begin(), keep, bytes.begin());
        }
        ASSERT_TRUE(saneOn(bytes)) << "round " << round << ", " << bytes.size() << " bytes";
    }
}

// Inputs the fuzzers once broke the engine with stay here for good.
TEST(FuzzRegressions, everyInputThatOnceBrokeTheEngineGivesASaneVerdict)
{
    const std::vector<std::pair<std::string, std::string>> inputs = filesIn(SORVENA_FUZZ_REGRESSIONS_DIR);
    ASSERT_FALSE(inputs.empty()) << "no inputs in " << SORVENA_FUZZ_REGRESSIONS_DIR;
    for (const auto &[file, bytes] : inputs)
        EXPECT_TRUE(saneOn(bytes)) << file;
}

TEST(RobustnessSanity, theSanityCheckRejectsBrokenDescriptions)
{
    EXPECT_TRUE(isWellFormedUtf8("テキスト"));
    EXPECT_FALSE(isWellFormedUtf8("\xE3\x83"));
    EXPECT_FALSE(isWellFormedUtf8("\xC0\xAF"));
    EXPECT_FALSE(isWellFormedUtf8("\xFF"));
}

} // namespace
} // namespace tivex::evidence
