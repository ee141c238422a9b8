// The shared library's dynamic symbol table, read with nm: only the three entry points
// are visible. (On Windows the export table is read from tivex.dll by objdump instead.)
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "test_support.h"

namespace tivex::test {
namespace {

// ---- Exports -----------------------------------------------------------------------------

TEST(Exports, onlyTheThreeEntryPointsAreVisible)
{
    int exitCode = 0;
    const std::string symbols =
        runCommand("nm -D --defined-only '" + executableDir() + "/libtivex.so' 2>/dev/null", exitCode);
    if (exitCode != 0)
        GTEST_SKIP() << "nm is not available";
    std::vector<std::string> exported;
    size_t start = 0;
    while (start < symbols.size()) {
        const size_t end = symbols.find('\n', start);
        const std::string line = symbols.substr(start, end - start);
        start = end == std::string::npos ? symbols.size() : end + 1;
        const size_t lastSpace = line.rfind(' ');
        if (lastSpace != std::string::npos && lastSpace >= 2 && line[lastSpace - 1] != 'A')
            exported.push_back(line.substr(lastSpace + 1));
    }
    std::sort(exported.begin(), exported.end());
    EXPECT_EQ(exported, (std::vector<std::string>{"TivexCheck", "TivexCheckExt", "TivexWhat"}));
}

} // namespace
} // namespace tivex::test
