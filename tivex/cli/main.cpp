// The tivex command: the engine's verdict for files named on the command line, in lists
// or below folders, one line per file.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "checker.h"
#include "options.h"
#include "path_feed.h"
#include "text_util.h"
#include "tivex_engine.h"

namespace {

constexpr int ExitOk = 0;
constexpr int ExitUnreadable = 1;
constexpr int ExitUsage = 2;

void write(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// Prints every description of each extension; false when one has none.
bool printDescriptions(const tivex::cli::Options &options)
{
    bool allKnown = true;
    for (const std::string &ext : options.whatExtensions) {
        std::vector<std::string_view> descriptions = tivex::describeExtension(ext);
        // The engine describes in Japanese only; English comes from the same table rows.
        if (options.english) {
            descriptions.clear();
            for (const tivex::TypeInfo *type : tivex::typesForExtension(tivex::normalizeExtension(ext)))
                descriptions.push_back(type->descEn);
        }
        if (descriptions.empty()) {
            std::fprintf(stderr, "tivex: no type known for the extension '%s'\n", ext.c_str());
            allKnown = false;
        }
        for (const std::string_view description : descriptions) {
            write(description);
            write("\n");
        }
    }
    return allKnown;
}

bool feedFromList(const std::string &list, bool nulSeparated, const tivex::cli::PathConsumer &consume)
{
    std::FILE *in = list == "-" ? stdin : std::fopen(list.c_str(), "rb");
    if (!in) {
        std::fprintf(stderr, "tivex: %s: cannot open the file list\n", list.c_str());
        return false;
    }
    const bool ok = tivex::cli::feedList(in, nulSeparated, consume).ok;
    if (in != stdin)
        std::fclose(in);
    if (!ok)
        std::fprintf(stderr, "tivex: %s: cannot read the file list\n", list.c_str());
    return ok;
}

// Checks every file the options name; false when some file, list or folder could not be read.
bool checkAll(const tivex::cli::Options &options)
{
    tivex::cli::Checker checker({options.mode, options.brief, options.english}, options.threads, stdout);
    bool ok = true;
    const tivex::cli::PathConsumer check = [&](std::string path) { checker.add(std::move(path)); };
    const tivex::cli::PathConsumer named = [&](std::string path) {
        if (options.recursive)
            ok = tivex::cli::feedTree(path, check).ok && ok;
        else
            checker.add(std::move(path));
    };
    for (const std::string &file : options.files)
        named(file);
    for (const std::string &list : options.lists)
        ok = feedFromList(list, options.nulSeparatedLists, named) && ok;
    checker.finish();
    return ok && checker.allChecked();
}

} // namespace

int main(int argc, char **argv)
{
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    tivex::cli::Options options;
    const tivex::cli::ParseResult parsed = tivex::cli::parseArguments(argc, argv, options);
    if (!parsed.ok) {
        std::fprintf(stderr, "tivex: %s\nTry 'tivex --help' for more information.\n", parsed.error.c_str());
        return ExitUsage;
    }
    if (options.help) {
        write(tivex::cli::HelpText);
        return ExitOk;
    }
    if (options.version) {
        write("tivex ");
        write(tivex::Version);
        write("\n");
        return ExitOk;
    }
    bool ok = printDescriptions(options);
    ok = checkAll(options) && ok;
    std::fflush(stdout);
    return ok ? ExitOk : ExitUnreadable;
}
