#include "options.h"

#include <charconv>
#include <span>

#include "os.h"

namespace tivex::cli {

const std::string_view HelpText =
    "Usage: tivex [OPTION]... FILE...\n"
    "Tells what each FILE is from its content and which extension it calls for.\n"
    "\n"
    "Output (one line per file, {encoding}, in the order the files were named; in the paths a\n"
    "control character or a byte that is not UTF-8 is printed as \\ and three octal digits,\n"
    "a backslash that is part of a name as \\\\):\n"
    "  (default)              PATH: DESCRIPTION [EXT]   EXT is empty ([]) when unknown\n"
    "  -e, --extension        PATH<TAB>EXT              EXT is empty when unknown or on error\n"
    "      --mime             PATH: MIME-TYPE\n"
    "      --json             one JSON object per line: path, ext, accepted, description,\n"
    "                         mime, type (or path and error when the file could not be read);\n"
    "                         a byte of a path that is not UTF-8 is written \\udcXX\n"
    "  -b, --brief            leave out the path (and the tab of --extension)\n"
    "      --print0           for scripts: the path as it is, followed by NUL instead of\n"
    "                         ': ' or the tab, and NUL instead of each line end\n"
    "      --english          describe types in English instead of Japanese\n"
    "\n"
    "Which files:\n"
    "  -f, --files-from LIST  also check the files named in LIST, one per line\n"
    "                         (LIST '-' reads standard input; a trailing CR is ignored)\n"
    "  -0, --null             entries in LIST are separated by NUL bytes instead\n"
    "  -r, --recursive        walk folders: every regular file below them, sorted by name;\n"
    "                         symbolic links to folders are not followed; folders more\n"
    "                         than 256 levels deep are reported and left out\n"
    "  --                     treat every following argument as a file\n"
    "\n"
    "Other:\n"
    "      --what EXT         print every description known for the extension EXT\n"
    "  -j, --jobs N           check with N threads (default 1); the output order stays\n"
    "  -h, --help             show this help and exit\n"
    "      --version          show the version and exit\n"
    "\n"
    "Errors: PATH: error: REASON (with --extension the reason goes to standard error).\n"
    "Exit status: 0 when every file was checked, 1 when some file, list entry or folder\n"
    "could not be read, 2 on a usage error. An extension --what does not know prints no\n"
    "line and is no error.\n";

std::string helpText()
{
    std::string text(HelpText);
    constexpr std::string_view Placeholder = "{encoding}";
    return text.replace(text.find(Placeholder), Placeholder.size(), os::outputEncoding());
}

namespace {

constexpr unsigned MaxThreads = 256;

struct OptionSpec {
    char shortName; // 0 when the option has only a long name
    std::string_view longName;
    bool takesValue;
    // False with an error when the value is unusable.
    bool (*apply)(Options &options, std::string_view value, std::string &error);
};

bool parseThreads(Options &options, std::string_view value, std::string &error)
{
    unsigned threads = 0;
    const auto [end, failure] = std::from_chars(value.data(), value.data() + value.size(), threads);
    if (failure != std::errc() || end != value.data() + value.size() || threads == 0 || threads > MaxThreads) {
        error = "invalid number of jobs '" + std::string(value) + "' (1 to " + std::to_string(MaxThreads) + ")";
        return false;
    }
    options.threads = threads;
    return true;
}

const OptionSpec OptionTable[] = {
    {'b', "brief", false, [](Options &o, std::string_view, std::string &) { return o.brief = true; }},
    {'e', "extension", false,
     [](Options &o, std::string_view, std::string &) {
         o.mode = OutputMode::Extension;
         return true;
     }},
    {0, "mime", false,
     [](Options &o, std::string_view, std::string &) {
         o.mode = OutputMode::Mime;
         return true;
     }},
    {0, "json", false,
     [](Options &o, std::string_view, std::string &) {
         o.mode = OutputMode::Json;
         return true;
     }},
    {0, "english", false, [](Options &o, std::string_view, std::string &) { return o.english = true; }},
    {'f', "files-from", true,
     [](Options &o, std::string_view value, std::string &) {
         o.lists.emplace_back(value);
         return true;
     }},
    {'0', "null", false, [](Options &o, std::string_view, std::string &) { return o.nulSeparatedLists = true; }},
    {'r', "recursive", false, [](Options &o, std::string_view, std::string &) { return o.recursive = true; }},
    {0, "print0", false, [](Options &o, std::string_view, std::string &) { return o.print0 = true; }},
    {0, "what", true,
     [](Options &o, std::string_view value, std::string &) {
         o.whatExtensions.emplace_back(value);
         return true;
     }},
    {'j', "jobs", true, parseThreads},
    {'h', "help", false, [](Options &o, std::string_view, std::string &) { return o.help = true; }},
    {0, "version", false, [](Options &o, std::string_view, std::string &) { return o.version = true; }},
};

const OptionSpec *findShort(char name)
{
    for (const OptionSpec &spec : OptionTable) {
        if (spec.shortName != 0 && spec.shortName == name)
            return &spec;
    }
    return nullptr;
}

const OptionSpec *findLong(std::string_view name)
{
    for (const OptionSpec &spec : OptionTable) {
        if (spec.longName == name)
            return &spec;
    }
    return nullptr;
}

class ArgumentReader {
public:
    ArgumentReader(std::span<const char *const> args, Options &options) : m_args(args), m_options(options) {}

    ParseResult run()
    {
        bool filesOnly = false;
        for (m_next = 1; m_next < m_args.size();) {
            const std::string_view arg = m_args[m_next++];
            if (filesOnly || arg.size() < 2 || arg[0] != '-')
                m_options.files.emplace_back(arg);
            else if (arg == "--")
                filesOnly = true;
            else if (arg.starts_with("--") ? !readLong(arg.substr(2)) : !readShortGroup(arg.substr(1)))
                return {false, m_error};
        }
        return {true, {}};
    }

private:
    bool readLong(std::string_view body)
    {
        const size_t equals = body.find('=');
        const std::string_view name = body.substr(0, equals);
        const OptionSpec *spec = findLong(name);
        if (!spec)
            return fail("unknown option --" + std::string(name));
        if (!spec->takesValue) {
            if (equals != std::string_view::npos)
                return fail("option --" + std::string(name) + " takes no value");
            return spec->apply(m_options, {}, m_error);
        }
        if (equals != std::string_view::npos)
            return spec->apply(m_options, body.substr(equals + 1), m_error);
        return applyNextArgument(*spec, "--" + std::string(name));
    }

    // Short options may be grouped (-be); one that takes a value ends the group and
    // takes the rest of it, or the next argument.
    bool readShortGroup(std::string_view group)
    {
        for (size_t i = 0; i < group.size(); ++i) {
            const OptionSpec *spec = findShort(group[i]);
            if (!spec)
                return fail("unknown option -" + std::string(1, group[i]));
            if (!spec->takesValue) {
                if (!spec->apply(m_options, {}, m_error))
                    return false;
                continue;
            }
            if (i + 1 < group.size())
                return spec->apply(m_options, group.substr(i + 1), m_error);
            return applyNextArgument(*spec, "-" + std::string(1, group[i]));
        }
        return true;
    }

    bool applyNextArgument(const OptionSpec &spec, const std::string &shownName)
    {
        if (m_next >= m_args.size())
            return fail(shownName + " needs a value");
        return spec.apply(m_options, m_args[m_next++], m_error);
    }

    bool fail(std::string message)
    {
        m_error = std::move(message);
        return false;
    }

    std::span<const char *const> m_args;
    Options &m_options;
    size_t m_next = 1;
    std::string m_error;
};

} // namespace

ParseResult parseArguments(int argc, const char *const *argv, Options &options)
{
    ParseResult result = ArgumentReader({argv, static_cast<size_t>(argc)}, options).run();
    if (!result.ok)
        return result;
    const bool hasWork = !options.files.empty() || !options.lists.empty() || !options.whatExtensions.empty();
    if (!options.help && !options.version && !hasWork)
        return {false, "no file given"};
    return result;
}

} // namespace tivex::cli
