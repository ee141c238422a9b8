// The tivex command: the engine's verdict for files named on the command line or in a
// list, one line per file.
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "os.h"
#include "tivex_engine.h"

namespace {

constexpr int ExitOk = 0;
constexpr int ExitUnreadable = 1;
constexpr int ExitUsage = 2;

constexpr std::string_view HelpText =
    "Usage: tivex [OPTION]... FILE...\n"
    "Tells what each FILE is from its content and which extension it calls for.\n"
    "\n"
    "  -e, --extension        print only the proposed extension\n"
    "  -f, --files-from LIST  also check the files named in LIST, one per line\n"
    "                         (LIST '-' reads standard input; a trailing CR is ignored)\n"
    "      --english          describe types in English instead of Japanese\n"
    "  -h, --help             show this help and exit\n"
    "      --version          show the version and exit\n"
    "  --                     treat every following argument as a file\n"
    "\n"
    "Output, one line per file, in UTF-8:\n"
    "  PATH: DESCRIPTION [EXT]     EXT is empty ([]) when the type is unknown\n"
    "  PATH: error: REASON         when the file could not be checked\n"
    "With --extension:\n"
    "  PATH<TAB>EXT                EXT is empty when unknown or on error\n"
    "                              (the reason then goes to standard error)\n"
    "\n"
    "Exit status: 0 when every file was checked, 1 when some file could not be\n"
    "read, 2 on a usage error.\n";

struct Options {
    bool extensionOnly = false;
    bool english = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> files;
    std::vector<std::string> lists;
};

class Output {
public:
    Output() { std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16); }
    void write(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }
};

void usageError(std::string_view message)
{
    std::fprintf(stderr, "tivex: %.*s\nTry 'tivex --help' for more information.\n", static_cast<int>(message.size()),
                 message.data());
}

bool parseArguments(int argc, char **argv, Options &options)
{
    bool filesOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (filesOnly || arg.empty() || arg[0] != '-' || arg == "-") {
            options.files.emplace_back(arg);
        } else if (arg == "--") {
            filesOnly = true;
        } else if (arg == "-e" || arg == "--extension") {
            options.extensionOnly = true;
        } else if (arg == "--english") {
            options.english = true;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "-f" || arg == "--files-from") {
            if (i + 1 >= argc) {
                usageError(std::string(arg) + " needs a file list");
                return false;
            }
            options.lists.emplace_back(argv[++i]);
        } else if (arg.starts_with("--files-from=")) {
            options.lists.emplace_back(arg.substr(std::strlen("--files-from=")));
        } else {
            usageError("unknown option " + std::string(arg));
            return false;
        }
    }
    if (!options.help && !options.version && options.files.empty() && options.lists.empty()) {
        usageError("no file given");
        return false;
    }
    return true;
}

// Checks one file and prints its line; false when it could not be checked.
bool report(std::string_view path, const Options &options, Output &out)
{
    const tivex::Report result = tivex::checkFile(tivex::os::absolutePath(path));
    std::string line(path);
    if (options.extensionOnly) {
        line += '\t';
        if (result.ok())
            line += result.proposedExt;
        else
            std::fprintf(stderr, "tivex: %s: %s\n", std::string(path).c_str(), result.reason.c_str());
    } else if (!result.ok()) {
        line += ": error: ";
        line += result.reason;
    } else {
        line += ": ";
        line += options.english ? result.descriptionEn : result.description;
        line += " [";
        line += result.proposedExt;
        line += ']';
    }
    line += '\n';
    out.write(line);
    return result.ok();
}

// Reads a list of paths, one per line; false when the list itself cannot be read.
bool reportList(const std::string &list, const Options &options, Output &out, bool &allChecked)
{
    FILE *in = list == "-" ? stdin : std::fopen(list.c_str(), "rb");
    if (!in) {
        std::fprintf(stderr, "tivex: %s: cannot open the file list\n", list.c_str());
        return false;
    }
    std::string line;
    char chunk[4096];
    bool atEnd = false;
    while (!atEnd) {
        atEnd = std::fgets(chunk, sizeof chunk, in) == nullptr;
        if (!atEnd)
            line += chunk;
        if (!atEnd && !line.ends_with('\n'))
            continue;
        std::string_view path(line);
        if (path.ends_with('\n'))
            path.remove_suffix(1);
        if (path.ends_with('\r'))
            path.remove_suffix(1);
        if (!path.empty())
            allChecked = report(path, options, out) && allChecked;
        line.clear();
    }
    const bool readOk = !std::ferror(in);
    if (in != stdin)
        std::fclose(in);
    return readOk;
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!parseArguments(argc, argv, options))
        return ExitUsage;
    Output out;
    if (options.help) {
        out.write(HelpText);
        return ExitOk;
    }
    if (options.version) {
        out.write("tivex ");
        out.write(tivex::Version);
        out.write("\n");
        return ExitOk;
    }
    bool allChecked = true;
    for (const std::string &file : options.files)
        allChecked = report(file, options, out) && allChecked;
    for (const std::string &list : options.lists)
        allChecked = reportList(list, options, out, allChecked) && allChecked;
    std::fflush(stdout);
    return allChecked ? ExitOk : ExitUnreadable;
}
