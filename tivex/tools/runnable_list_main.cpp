// Writes the extensions of every program and script type in the type table (the
// Runnable flag) as C++ string literals, one a line, for the main window: it never
// offers to open a file whose proper extension is one of them. The file is rewritten
// only when the list changes, so an unrelated change to the table rebuilds nothing.
//   tivex_runnable_list OUTPUT
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "type_table.h"

namespace {

void addWords(std::set<std::string> &into, std::string_view words)
{
    while (!words.empty()) {
        const size_t end = std::min(words.find(' '), words.size());
        if (end > 0)
            into.emplace(words.substr(0, end));
        words.remove_prefix(std::min(end + 1, words.size()));
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    std::set<std::string> extensions;
    for (const tivex::TypeInfo &type : tivex::allTypes()) {
        if (!type.has(tivex::Runnable))
            continue;
        addWords(extensions, type.ext);
        addWords(extensions, type.aliases);
    }
    std::ostringstream list;
    list << "// Generated from the engine's type table at build time: the extensions of its\n"
            "// program and script types.\n";
    for (const std::string &ext : extensions)
        list << "u\"" << ext << "\",\n";

    std::ifstream current(argv[1], std::ios::binary);
    const std::string before((std::istreambuf_iterator<char>(current)), std::istreambuf_iterator<char>());
    if (before == list.str())
        return 0;
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << list.str();
    return out ? 0 : 1;
}
