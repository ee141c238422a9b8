// The real-tool samples in tests/data/formats/ and the table that says what each one is.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tivex::evidence {

// One row of expected.tsv.
struct SampleRow {
    std::string file;                  // name in the samples folder
    std::vector<std::string> accepted; // extensions a file of this content may carry; none when
                                       // the format has no extension of its own
    std::string otherExt;              // a real extension of some other type
    std::string gap;                   // why the engine does not pass yet; empty when it must
};

// Test names and failure messages show the sample, not the row's bytes.
inline void PrintTo(const SampleRow &row, std::ostream *out) { *out << row.file; }

std::string samplesFolder();

// The rows of expected.tsv; nothing when it cannot be read or a row is malformed (the
// reason in error).
std::optional<std::vector<SampleRow>> loadSampleTable(std::string &error);

// Names of the sample files, sorted: everything in the folder but the script and the table.
std::vector<std::string> sampleFileNames();

std::optional<std::string> readSample(const std::string &file);

// The extension the sample's own name carries, as the engine splits names.
std::string ownExtension(const std::string &file);

} // namespace tivex::evidence
