#include "sample_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "text_util.h"

namespace fs = std::filesystem;

namespace tivex::evidence {

namespace {

constexpr std::string_view TableName = "expected.tsv";
constexpr std::string_view ScriptName = "make_samples.sh";

// file, accepted extensions (blank-separated, or "-" for a format without an extension of its
// own), another type's extension, and an optional gap.
std::optional<SampleRow> parseRow(const std::string &line)
{
    std::vector<std::string> columns;
    std::istringstream in(line);
    for (std::string column; std::getline(in, column, '\t');)
        columns.push_back(column);
    if (line.ends_with('\t'))
        columns.emplace_back();
    if (columns.size() < 3 || columns.size() > 4 || columns[0].empty())
        return std::nullopt;
    SampleRow row{columns[0], {}, columns[2], columns.size() == 4 ? columns[3] : std::string()};
    std::istringstream accepted(columns[1] == "-" ? std::string() : columns[1]);
    for (std::string ext; accepted >> ext;)
        row.accepted.push_back(ext);
    if ((row.accepted.empty() && columns[1] != "-") || row.otherExt.empty())
        return std::nullopt;
    return row;
}

} // namespace

std::string samplesFolder() { return SORVENA_FORMATS_DIR; }

std::optional<std::vector<SampleRow>> loadSampleTable(std::string &error)
{
    std::ifstream in(fs::path(samplesFolder()) / TableName);
    if (!in) {
        error = "cannot read " + std::string(TableName);
        return std::nullopt;
    }
    std::vector<SampleRow> rows;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#')
            continue;
        const auto row = parseRow(line);
        if (!row) {
            error = std::string(TableName) + " line " + std::to_string(number) + " is malformed: " + line;
            return std::nullopt;
        }
        rows.push_back(*row);
    }
    return rows;
}

std::vector<std::string> sampleFileNames()
{
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry &entry : fs::directory_iterator(samplesFolder(), error)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file(error) && name != TableName && name != ScriptName)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::string> readSample(const std::string &file)
{
    std::ifstream in(fs::path(samplesFolder()) / file, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ownExtension(const std::string &file) { return std::string(splitName(file).ext); }

} // namespace tivex::evidence
