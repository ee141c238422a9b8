// The tivex command: the engine's verdict for files named on the command line, in lists
// or below folders, one line per file.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "checker.h"
#include "options.h"
#include "os.h"
#include "path_feed.h"
#include "report_format.h"
#include "text_util.h"
#include "tivex_engine.h"

namespace {

constexpr int ExitOk = 0;
constexpr int ExitUnreadable = 1;
constexpr int ExitUsage = 2;

void write(std::string_view text) { tivex::os::writeOutput(stdout, text); }

// Prints every description of each extension.
void printDescriptions(const tivex::cli::Options &options)
{
    for (const std::string &ext : options.whatExtensions) {
        std::vector<std::string_view> descriptions = tivex::describeExtension(ext);
        // The engine describes in Japanese only; English comes from the same table rows.
        if (options.english) {
            descriptions.clear();
            for (const tivex::TypeInfo *type : tivex::typesForExtension(tivex::normalizeExtension(ext)))
                descriptions.push_back(type->descEn);
        }
        // An extension nobody knows is an answer, not a failure: no lines, status 0.
        if (descriptions.empty())
            tivex::os::writeOutput(stderr, "tivex: no type known for the extension '"
                                               + tivex::cli::printablePath(ext) + "'\n");
        for (const std::string_view description : descriptions) {
            write(description);
            write("\n");
        }
    }
}

bool feedFromList(const std::string &list, bool nulSeparated, const tivex::cli::PathConsumer &consume,
                  const tivex::cli::ErrorConsumer &report)
{
    std::FILE *in = list == "-" ? stdin : std::fopen(list.c_str(), "rb");
    if (!in) {
        report(tivex::cli::printablePath(list) + ": cannot open the file list");
        return false;
    }
    const bool ok = tivex::cli::feedList(in, list, nulSeparated, consume, report).ok;
    const bool readError = std::ferror(in) != 0;
    if (in != stdin)
        std::fclose(in);
    if (readError)
        report(tivex::cli::printablePath(list) + ": cannot read the file list");
    return ok;
}

// Checks every file the options name; false when some file, list or folder could not be read.
bool checkAll(const tivex::cli::Options &options)
{
    tivex::cli::Checker checker({options.mode, options.brief, options.english, options.print0}, options.threads,
                                stdout);
    bool ok = true;
    const tivex::cli::PathConsumer check = [&](std::string path) { checker.add(std::move(path)); };
    const tivex::cli::ErrorConsumer report = [&](std::string message) { checker.note(std::move(message)); };
    const tivex::cli::PathConsumer named = [&](std::string path) {
        if (options.recursive)
            ok = tivex::cli::feedTree(path, check, report).ok && ok;
        else
            checker.add(std::move(path));
    };
    for (const std::string &file : options.files)
        named(file);
    for (const std::string &list : options.lists)
        ok = feedFromList(list, options.nulSeparatedLists, named, report) && ok;
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
        tivex::os::writeOutput(stderr, "tivex: " + tivex::os::utf8FromCallerText(parsed.error)
                                           + "\nTry 'tivex --help' for more information.\n");
        return ExitUsage;
    }
    if (options.help) {
        write(tivex::cli::helpText());
        return ExitOk;
    }
    if (options.version) {
        write("tivex ");
        write(tivex::Version);
        write("\n");
        return ExitOk;
    }
    printDescriptions(options);
    const bool ok = checkAll(options);
    std::fflush(stdout);
    return ok ? ExitOk : ExitUnreadable;
}
