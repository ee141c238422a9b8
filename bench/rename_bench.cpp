// How fast the batch renamer works out proposals and carries them out, each next to the
// bare work underneath it measured in the same run: the engine's own calls for method 0,
// the platform's renames for the run and its undo.
//
//   rename_bench [files-for-the-run [journal]]      (default 10000; "journal": that part alone)
#include "engine/engine.h"
#include "platform/platform.h"
#include "rename/rename_core.h"
#include "rename/run_journal.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>


namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int RuleFiles = 32000;
constexpr int RuleRepeats = 5;
constexpr double RuleTargetMs = 20.0;

// Proposals by the string rules need no engine; one that is asked anyway says so loudly.
class NoEngine final : public engine::Engine {
public:
    engine::CheckResult check(const std::u16string &) override { return {}; }
    engine::WhatResult what(int32_t, const std::u16string &) override { return {}; }
    engine::CheckExtResult checkExt(const std::u16string &) override
    {
        std::fputs("the string rules asked the engine\n", stderr);
        std::abort();
    }
};

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::u16string wide(const std::string &ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

// Names of the kinds the rules look at: blanks, brackets, shortcut wording, mixed case,
// an affix at either end, several extensions.
std::u16string sampleName(int i)
{
    static const std::u16string kinds[] = {
        u"Photo (%) 2002.JPG", u"memo%へのショートカット.lnk", u"-report %.txt",
        u"ショートカット site%.url", u"My　Song %.mp3", u"data%-.csv", u"ARCHIVE%.TAR.GZ",
        u"notes%"};
    std::u16string name = kinds[i % 8];
    const std::u16string number = wide(std::to_string(i));
    name.replace(name.find(u'%'), 1, number);
    return name;
}

struct TempFolder {
    fs::path path;
    TempFolder()
    {
        const fs::path candidate = fs::temp_directory_path() / ("rename-bench-" + std::to_string(std::random_device()()));
        if (fs::create_directory(candidate))
            path = fs::canonical(candidate);
    }
    ~TempFolder()
    {
        std::error_code error;
        fs::current_path(fs::temp_directory_path(), error);
        fs::remove_all(path, error);
    }
    std::u16string folderText() const { return path.u16string() + platform::pathSeparator(); }
};

void ignoreMessage(const std::u16string &) {}

void benchRules()
{
    NoEngine none;
    renamer::FormRenameCore core(none, ignoreMessage);
    std::vector<std::u16string> paths;
    paths.reserve(RuleFiles);
    for (int i = 0; i < RuleFiles; ++i)
        paths.push_back(u"/bench/" + sampleName(i));
    core.RenMethod = renamer::Method::LowerCase;
    auto start = Clock::now();
    core.MakeRenameList(paths, u"", u"", u"");
    std::printf("%-34s %10.2f ms\n", "build the list of 32000 (sorted)", millisecondsSince(start));

    core.RenNewExt = u"txt";
    core.RenHead = u"img";
    core.RenNumText = u"001";
    core.RenSeqExt = u"jpg";
    core.RenAffix = u"-";
    std::printf("\n%-8s %12s %12s %8s\n", "method", "best ms", "target ms", "");
    for (int method = 1; method < renamer::Method::Count; ++method) {
        core.RenMethod = method;
        double best = 1e300;
        for (int repeat = 0; repeat < RuleRepeats; ++repeat) {
            start = Clock::now();
            core.ApplyRenameRule();
            best = std::min(best, millisecondsSince(start));
        }
        std::printf("%-8d %12.2f %12.1f %8s\n", method, best, RuleTargetMs,
                    best < RuleTargetMs ? "ok" : "SLOW");
    }
}

void writeSample(const fs::path &path, int i)
{
    static const std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\1\0\0\0\1\x08\x06\0\0\0\x1f\x15\xc4\x89"
                                 "\0\0\0\rIDATx\x9c\x63\0\1\0\0\5\0\1\r\n-\xb4\0\0\0\0IEND\xae\x42\x60\x82",
                                 67);
    static const std::string text = "plain text of a note\nsecond line\n";
    static const std::string pdf = "%PDF-1.4\n1 0 obj<<>>endobj\ntrailer<<>>\n%%EOF\n";
    const std::string *contents[] = {&png, &text, &pdf};
    std::ofstream(path, std::ios::binary) << *contents[i % 3];
}

void benchEngine()
{
    TempFolder folder;
    std::vector<std::u16string> paths;
    paths.reserve(RuleFiles);
    for (int i = 0; i < RuleFiles; ++i) {
        const std::u16string name = u"file" + wide(std::to_string(i)) + u".dat";
        writeSample(folder.path / fs::path(name), i);
        paths.push_back(folder.folderText() + name);
    }
    engine::LibraryEngine real(platform::programFolder());
    if (!real.checkExt(paths.front()).loaded) {
        std::puts("\nmethod 0: the engine could not be loaded beside this program; skipped");
        return;
    }
    auto start = Clock::now();
    int found = 0;
    for (const std::u16string &path : paths)
        found += real.checkExt(path).result == 1 ? 1 : 0;
    const double bare = millisecondsSince(start);

    renamer::FormRenameCore core(real, ignoreMessage);
    core.RenMethod = renamer::Method::Auto;
    core.MakeRenameList(paths, u"", u"", u"");
    start = Clock::now();
    core.ApplyRenameRule();
    const double proposal = millisecondsSince(start);
    const long toRename = std::count(core.RenMark.begin(), core.RenMark.end(), renamer::Mark::ToRename);
    std::printf("\nmethod 0 over %d real files: %.0f ms (%.0f files/s); bare engine calls %.0f ms; "
                "ratio %.2f; %ld to rename, %d recognised\n",
                RuleFiles, proposal, RuleFiles / (proposal / 1000.0), bare, proposal / bare, toRename,
                found);
}

std::u16string paddedName(int i)
{
    char name[16];
    std::snprintf(name, sizeof name, "f%05d.txt", i);
    return wide(name);
}

struct RunTimes {
    double run = 0;
    double undo = 0;
    bool ok = false;
};

// Files f00001.txt to fNNNNN.txt, renamed by a method set up by `choose`, then undone.
template <typename Choose>
RunTimes timeRunAndUndo(int files, Choose choose)
{
    TempFolder folder;
    std::vector<std::u16string> paths;
    paths.reserve(static_cast<std::size_t>(files));
    for (int i = 1; i <= files; ++i) {
        std::ofstream(folder.path / fs::path(paddedName(i))) << i;
        paths.push_back(folder.folderText() + paddedName(i));
    }
    NoEngine none;
    renamer::FormRenameCore core(none, ignoreMessage);
    // The run's journal goes where the files are, never to the user's state folder.
    TempFolder state;
    core.setJournalFolder(state.folderText());
    choose(core);
    core.MakeRenameList(paths, core.RenHead, core.RenNumText, core.RenSeqExt);
    RunTimes times;
    auto start = Clock::now();
    core.runRename();
    times.run = millisecondsSince(start);
    times.ok = core.RenState == renamer::RenameState::CanUndo;
    start = Clock::now();
    core.runUndo();
    times.undo = millisecondsSince(start);
    times.ok = times.ok && core.RenState == renamer::RenameState::CanRename;
    return times;
}

void printRun(const char *what, int files, const RunTimes &times)
{
    std::printf("%-34s run %6.0f ms, undo %6.0f ms (%.0f files/s)%s\n", what, times.run, times.undo,
                2 * files / ((times.run + times.undo) / 1000.0), times.ok ? "" : "  FAILED");
}

void benchRun(int files)
{
    // The bare renames, forward and back, with nothing of the renamer around them.
    double bare = 0;
    {
        TempFolder folder;
        for (int i = 1; i <= files; ++i)
            std::ofstream(folder.path / fs::path(paddedName(i))) << i;
        fs::current_path(folder.path);
        auto start = Clock::now();
        for (int i = 1; i <= files; ++i)
            platform::renameNoReplace(paddedName(i), paddedName(i) + u"-");
        for (int i = 1; i <= files; ++i)
            platform::renameNoReplace(paddedName(i) + u"-", paddedName(i));
        bare = millisecondsSince(start);
    }

    // Every file to a name nobody has, in any order.
    const RunTimes independent = timeRunAndUndo(files, [](renamer::FormRenameCore &core) {
        core.RenMethod = renamer::Method::AddAtEnd;
        core.RenAffix = u"-";
    });
    // f00001 to f00000, f00002 to f00001 ...: one chain that only its free end can start.
    const RunTimes chain = timeRunAndUndo(files, [](renamer::FormRenameCore &core) {
        core.RenMethod = renamer::Method::Sequence;
        core.RenHead = u"f";
        core.RenNumText = u"00000";
        core.RenSeqExt = u"txt";
    });
    std::printf("\n");
    printRun("independent renames", files, independent);
    printRun("one chain renumbering down", files, chain);
    std::printf("bare renames forward and back: %.0f ms\n", bare);
    std::printf("ratio chain / independent (run + undo) %.2f; independent / bare %.2f\n",
                (chain.run + chain.undo) / (independent.run + independent.undo),
                (independent.run + independent.undo) / bare);
}

// What the journal adds to a run and its undo: the same operations the runs make on it
// (the plan with a stamp of every file, flushed with its folder; a mark per step; the
// flushes at the end of the run and at the start of the undo), on the plan of the
// independent renames, over the same files. Medians of five, each next to a run and
// undo of the same files with the journal, measured in the same round.
void benchJournal(int files)
{
    constexpr int Rounds = 5;
    std::vector<double> journal, whole;
    for (int round = 0; round < Rounds; ++round) {
        TempFolder folder;
        TempFolder state;
        std::vector<std::u16string> olds, news;
        for (int i = 1; i <= files; ++i) {
            std::ofstream(folder.path / fs::path(paddedName(i))) << i;
            olds.push_back(paddedName(i));
            news.push_back(paddedName(i) + u"-");
        }
        const renamer::RenamePlan plan = renamer::planRenames(
            olds, news, std::vector<bool>(olds.size(), true), false, [](const std::u16string &) { return false; });
        auto start = Clock::now();
        auto kept = renamer::RunJournal::begin(state.folderText(), folder.folderText(), plan, true);
        for (std::size_t s = 0; s < plan.steps.size(); ++s)
            kept->stepDone(s);
        kept->finish();
        kept->reopen();
        for (std::size_t s = plan.steps.size(); s-- > 0;)
            kept->stepUndone(s);
        kept->discard();
        journal.push_back(millisecondsSince(start));
        const RunTimes times = timeRunAndUndo(files, [](renamer::FormRenameCore &core) {
            core.RenMethod = renamer::Method::AddAtEnd;
            core.RenAffix = u"-";
        });
        whole.push_back(times.run + times.undo);
    }
    std::sort(journal.begin(), journal.end());
    std::sort(whole.begin(), whole.end());
    const double kept = journal[Rounds / 2];
    const double all = whole[Rounds / 2];
    std::printf("\njournal of %d renames, run and undo: %.0f ms of %.0f ms (medians of %d); "
                "cost over the run without it %.1f %% (aim: at most 15 %%)\n",
                files, kept, all, Rounds, 100.0 * kept / (all - kept));
}

} // namespace

int main(int argc, char **argv)
{
    platform::initArguments(argc, argv);
    const int runFiles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    // "rename_bench N journal" measures the journal alone.
    if (argc > 2 && std::string(argv[2]) == "journal") {
        benchJournal(runFiles);
        return 0;
    }
    benchRules();
    benchEngine();
    benchRun(runFiles);
    benchJournal(runFiles);
    return 0;
}
