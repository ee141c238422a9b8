// How much of a list of known formats tivex recognises by content. The list is a
// tab-separated table whose first column is an extension and whose second names the group
// it comes from (the magic file of libmagic-formats.tsv); a first line that starts with
// "extension" is a heading.
//
// An extension counts when a type that claims it is recognised from content: it has a
// signature or an inspector. A type known by its name only does not count. A few rows
// cannot be a format's own extension (an archive's volume numbers, a backup's tilde):
// such a row counts when tivex names its format under the format's main extension, and
// the program lists each one it counted that way.
//
//   format_coverage [--missing] [--groups A,B,...] [--except A,B,...] TABLE
//
//   --missing   also list the rows that are not recognised, by group
//   --groups    count only the rows of these groups
//   --except    count every row but those of these groups
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "text_util.h"
#include "type_table.h"

namespace {

struct MainExtensionRow {
    std::string_view ext;    // the row's extension
    std::string_view typeId; // the type tivex names such a file as, under its main extension
    std::string_view why;
};

// Rows that name a part or a copy of a format rather than the format itself.
constexpr MainExtensionRow MainExtensionRows[] = {
    {"a01", "arj", "volume 2 of a multi-volume ARJ archive"},
    {"a02", "arj", "volume 3 of a multi-volume ARJ archive"},
    {"e01", "arj", "volume of an ARJ archive split by a backup tool"},
    {"e02", "arj", "volume of an ARJ archive split by a backup tool"},
    {"journal~", "journal", "a journal file set aside by systemd-journald"},
    {"j01", "j", "volume 2 of a multi-volume JAR archive (ARJ Software)"},
    {"j02", "j", "volume 3 of a multi-volume JAR archive (ARJ Software)"},
    {"wxx", "123", "placeholder for a Lotus 1-2-3 worksheet of an unknown release"},
    {"fxx", "fm3", "placeholder for Lotus 1-2-3 formatting data of an unknown release"},
    {"bak", "zoo", "a backup copy's extension, as old Zoo archives often carry"},
    {"kicad_pcb-bak", "kicad-pcb", "the copy of a board that KiCad keeps when it saves"},
    {"kicad_sch-bak", "kicad-sch", "the copy of a schematic that KiCad keeps when it saves"},
};

struct Row {
    std::string ext;
    std::string group;
    std::string description;
};

std::vector<std::string> splitList(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    while (!text.empty()) {
        const size_t at = std::min(text.find(separator), text.size());
        if (at > 0)
            parts.emplace_back(text.substr(0, at));
        text.remove_prefix(std::min(at + 1, text.size()));
    }
    return parts;
}

std::vector<Row> readTable(const char *path, bool &ok)
{
    std::vector<Row> rows;
    std::ifstream in(path);
    ok = static_cast<bool>(in);
    std::string line;
    while (ok && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.starts_with("extension\t") || line.starts_with("#"))
            continue;
        const size_t first = line.find('\t');
        const size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
        Row row;
        row.ext = tivex::asciiLower(line.substr(0, first));
        if (first != std::string::npos)
            row.group = line.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
        if (second != std::string::npos)
            row.description = line.substr(second + 1);
        rows.push_back(std::move(row));
    }
    return rows;
}

const tivex::TypeInfo *contentTypeClaiming(std::string_view ext)
{
    for (const tivex::TypeInfo *type : tivex::typesForExtension(ext)) {
        if (!type->has(tivex::NameOnly))
            return type;
    }
    return nullptr;
}

const MainExtensionRow *mainExtensionRow(std::string_view ext)
{
    for (const MainExtensionRow &row : MainExtensionRows) {
        const tivex::TypeInfo *type = tivex::typeById(row.typeId);
        if (row.ext == ext && type && !type->has(tivex::NameOnly))
            return &row;
    }
    return nullptr;
}

struct Tally {
    int known = 0;
    int total = 0;
    std::vector<const Row *> missing;
};

void printShare(const char *label, int known, int total)
{
    std::printf("%s%d of %d (%.1f %%)\n", label, known, total, total ? 100.0 * known / total : 0.0);
}

} // namespace

int main(int argc, char **argv)
{
    bool listMissing = false;
    std::set<std::string> only;
    std::set<std::string> except;
    const char *tablePath = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--missing") {
            listMissing = true;
        } else if ((arg == "--groups" || arg == "--except") && i + 1 < argc) {
            for (std::string &group : splitList(argv[++i], ','))
                (arg == "--groups" ? only : except).insert(std::move(group));
        } else if (!arg.starts_with("-") && !tablePath) {
            tablePath = argv[i];
        } else {
            std::fprintf(stderr, "usage: format_coverage [--missing] [--groups A,B] [--except A,B] TABLE\n");
            return 2;
        }
    }
    if (!tablePath) {
        std::fprintf(stderr, "usage: format_coverage [--missing] [--groups A,B] [--except A,B] TABLE\n");
        return 2;
    }
    bool ok = false;
    const std::vector<Row> rows = readTable(tablePath, ok);
    if (!ok) {
        std::fprintf(stderr, "format_coverage: cannot read %s\n", tablePath);
        return 1;
    }

    std::map<std::string, Tally> byGroup;
    std::vector<std::pair<const Row *, const MainExtensionRow *>> throughMain;
    int known = 0;
    int total = 0;
    for (const Row &row : rows) {
        if ((!only.empty() && !only.count(row.group)) || except.count(row.group))
            continue;
        Tally &tally = byGroup[row.group];
        ++total;
        ++tally.total;
        bool counted = contentTypeClaiming(row.ext) != nullptr;
        if (!counted) {
            if (const MainExtensionRow *main = mainExtensionRow(row.ext)) {
                throughMain.emplace_back(&row, main);
                counted = true;
            }
        }
        if (counted) {
            ++known;
            ++tally.known;
        } else {
            tally.missing.push_back(&row);
        }
    }

    printShare("extensions recognised by content: ", known, total);
    std::printf("\ncounted through the main extension of their format (%zu):\n", throughMain.size());
    for (const auto &[row, main] : throughMain) {
        const tivex::TypeInfo *type = tivex::typeById(main->typeId);
        std::printf("  .%-12s as .%s (%s): %s\n", row->ext.c_str(), std::string(type->ext).c_str(),
                    std::string(type->id).c_str(), std::string(main->why).c_str());
    }
    std::printf("\nby group (recognised / rows):\n");
    std::vector<std::pair<std::string, const Tally *>> groups;
    for (const auto &[group, tally] : byGroup)
        groups.emplace_back(group, &tally);
    std::stable_sort(groups.begin(), groups.end(),
                     [](const auto &a, const auto &b) { return a.second->total > b.second->total; });
    for (const auto &[group, tally] : groups) {
        std::printf("  %-20s %4d / %4d\n", group.c_str(), tally->known, tally->total);
        if (!listMissing)
            continue;
        for (const Row *row : tally->missing)
            std::printf("      missing .%-14s %s\n", row->ext.c_str(), row->description.c_str());
    }
    return 0;
}
