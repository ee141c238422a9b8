#include "rename/run_journal.h"

#include "platform/platform.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <random>

namespace renamer {

namespace {

constexpr std::string_view Signature = "sorvena-journal 1";
constexpr std::u16string_view JournalPrefix = u"run-";
constexpr std::u16string_view JournalSuffix = u".journal";

struct KindLetter {
    StepKind kind;
    char letter;
};
constexpr std::array KindLetters = {KindLetter{StepKind::Direct, 'D'}, KindLetter{StepKind::Park, 'P'},
                                    KindLetter{StepKind::Unpark, 'U'}};

// Names may hold any character, line ends and blanks included: everything but the
// printable ASCII letters is written as %XXXX, its UTF-16 unit in hexadecimal.
std::string encoded(std::u16string_view name)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(name.size() + 2);
    out += '"';
    for (const char16_t unit : name) {
        if (unit > 0x20 && unit < 0x7F && unit != u'%' && unit != u'"') {
            out += static_cast<char>(unit);
            continue;
        }
        out += '%';
        for (int shift = 12; shift >= 0; shift -= 4)
            out += Hex[(unit >> shift) & 0xF];
    }
    out += '"';
    return out;
}

std::optional<std::u16string> decoded(std::string_view text)
{
    if (text.size() < 2 || text.front() != '"' || text.back() != '"')
        return std::nullopt;
    text = text.substr(1, text.size() - 2);
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += static_cast<char16_t>(static_cast<unsigned char>(text[i]));
            continue;
        }
        unsigned value = 0;
        if (i + 4 >= text.size())
            return std::nullopt;
        const auto [end, error] = std::from_chars(text.data() + i + 1, text.data() + i + 5, value, 16);
        if (error != std::errc() || end != text.data() + i + 5)
            return std::nullopt;
        out += static_cast<char16_t>(value);
        i += 4;
    }
    return out;
}

std::vector<std::string_view> wordsOf(std::string_view line)
{
    std::vector<std::string_view> words;
    while (!line.empty()) {
        const std::size_t blank = line.find(' ');
        words.push_back(line.substr(0, blank));
        line = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
    }
    return words;
}

template <typename Number>
std::optional<Number> numberOf(std::string_view word)
{
    Number value{};
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

std::string stampText(const platform::FileStamp &stamp)
{
    return std::to_string(stamp.size) + ' ' + std::to_string(stamp.modified) + ' ' + std::to_string(stamp.headHash)
           + ' ' + std::to_string(stamp.volume) + ' ' + std::to_string(stamp.fileNumber);
}

std::optional<platform::FileStamp> stampOf(const std::vector<std::string_view> &words, std::size_t first)
{
    if (words.size() != first + 5)
        return std::nullopt;
    const auto size = numberOf<std::uint64_t>(words[first]);
    const auto modified = numberOf<std::int64_t>(words[first + 1]);
    const auto hash = numberOf<std::uint64_t>(words[first + 2]);
    const auto volume = numberOf<std::uint64_t>(words[first + 3]);
    const auto number = numberOf<std::uint64_t>(words[first + 4]);
    if (!size || !modified || !hash || !volume || !number)
        return std::nullopt;
    return platform::FileStamp{*size, *modified, *hash, *volume, *number};
}

bool usesFileNumber(const platform::FileStamp &stamp)
{
    return stamp.volume != 0 || stamp.fileNumber != 0;
}

// Whether a name still holds the file stamped.
bool holds(const std::u16string &path, const platform::FileStamp &stamp)
{
    return platform::fileStamp(path, usesFileNumber(stamp)) == stamp;
}

std::optional<char> letterOf(StepKind kind)
{
    for (const KindLetter &k : KindLetters) {
        if (k.kind == kind)
            return k.letter;
    }
    return std::nullopt;
}

std::optional<StepKind> kindOf(std::string_view word)
{
    for (const KindLetter &k : KindLetters) {
        if (word.size() == 1 && word[0] == k.letter)
            return k.kind;
    }
    return std::nullopt;
}

// Each entry's steps in order: the names its file bears one after the other.
std::map<int, std::vector<std::size_t>> stepsByEntry(const JournalRecord &record)
{
    std::map<int, std::vector<std::size_t>> byEntry;
    for (std::size_t s = 0; s < record.steps.size(); ++s)
        byEntry[record.steps[s].entry].push_back(s);
    return byEntry;
}

std::u16string nameAt(const JournalRecord &record, const std::vector<std::size_t> &steps, int position)
{
    return position == 0 ? record.steps[steps.front()].from
                         : record.steps[steps[static_cast<std::size_t>(position - 1)]].to;
}

bool isJournalName(const std::u16string &name)
{
    return name.starts_with(JournalPrefix) && name.ends_with(JournalSuffix);
}

std::u16string newJournalName()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    std::string digits = std::to_string(ticks);
    // Fixed width, so that the names sort in the order the runs began.
    digits.insert(0, digits.size() < 20 ? 20 - digits.size() : 0, '0');
    digits += '-' + std::to_string(std::random_device()() % 100000);
    return std::u16string(JournalPrefix) + std::u16string(digits.begin(), digits.end()) + std::u16string(JournalSuffix);
}

std::u16string nameWithoutFolder(const std::u16string &path)
{
    const std::size_t separator = path.find_last_of(u"/\\");
    return separator == std::u16string::npos ? path : path.substr(separator + 1);
}

std::u16string folderOfPath(const std::u16string &path)
{
    const std::size_t separator = path.find_last_of(u"/\\");
    return separator == std::u16string::npos ? std::u16string() : path.substr(0, separator + 1);
}

void removeOlderFinished(const std::u16string &stateFolder, const std::u16string &keep)
{
    for (const std::u16string &name : platform::namesInFolder(stateFolder)) {
        if (!isJournalName(name) || stateFolder + name == keep)
            continue;
        auto file = platform::LockedFile::openUnlocked(stateFolder + name);
        if (!file)
            continue;
        const auto text = file->readAll();
        const auto record = text ? parseJournal(*text) : std::nullopt;
        if (record && record->finished)
            platform::removeFile(stateFolder + name);
    }
}

} // namespace

std::optional<JournalRecord> parseJournal(std::string_view text)
{
    JournalRecord record;
    std::vector<std::pair<std::size_t, bool>> marks;  // step, and whether it was done or undone
    bool signed_ = false;
    std::optional<std::u16string> temporary;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        // A last line without its line end was cut off by the crash; it says nothing.
        if (end == std::string_view::npos)
            break;
        const std::vector<std::string_view> words = wordsOf(text.substr(0, end));
        text.remove_prefix(end + 1);
        if (words.empty())
            continue;
        const std::string_view what = words[0];
        if (!signed_) {
            if (words.size() != 2 || what != "sorvena-journal" || words[1] != "1")
                return std::nullopt;
            signed_ = true;
        } else if (what == "folder" && words.size() == 2) {
            const auto folder = decoded(words[1]);
            if (!folder)
                return std::nullopt;
            record.folder = *folder;
        } else if (what == "entry" && words.size() >= 2) {
            const auto entry = numberOf<int>(words[1]);
            if (!entry)
                return std::nullopt;
            record.stamps[*entry] = stampOf(words, 2);
        } else if (what == "step" && words.size() == 5 && !record.ready) {
            const auto entry = numberOf<int>(words[1]);
            const auto kind = kindOf(words[2]);
            const auto from = decoded(words[3]);
            const auto to = decoded(words[4]);
            if (!entry || !kind || !from || !to)
                return std::nullopt;
            record.steps.push_back({*entry, *kind, *from, *to});
        } else if (what == "ready") {
            record.ready = true;
        } else if ((what == "done" || what == "undone") && words.size() == 2) {
            const auto step = numberOf<std::size_t>(words[1]);
            if (step && *step < record.steps.size())
                marks.emplace_back(*step, what == "done");
        } else if (what == "reserved" && words.size() == 8) {
            const auto step = numberOf<std::size_t>(words[1]);
            const std::vector<std::string_view> stampWords(words.begin(), words.begin() + 7);
            const auto stamp = stampOf(stampWords, 2);
            const auto name = decoded(words[7]);
            if (step && stamp && name && *step < record.steps.size())
                record.reservations.push_back({*step, *name, *stamp});
        } else if (what == "detour" && words.size() == 3) {
            const auto step = numberOf<std::size_t>(words[1]);
            const auto name = decoded(words[2]);
            if (step && name && *step < record.steps.size())
                record.detours.emplace_back(*step, *name);
        } else if (what == "temporary" && words.size() == 2) {
            temporary = decoded(words[1]);
        } else if (what == "finished") {
            record.finished = true;
            record.undoing = false;
        } else if (what == "reopened") {
            record.finished = false;
            record.undoing = true;
        }
    }
    if (!signed_)
        return std::nullopt;
    std::vector<int> indexInEntry(record.steps.size());
    for (const auto &[entry, own] : stepsByEntry(record)) {
        for (std::size_t k = 0; k < own.size(); ++k)
            indexInEntry[own[k]] = static_cast<int>(k);
    }
    for (const auto &[step, done] : marks)
        record.hints[record.steps[step].entry] = indexInEntry[step] + (done ? 1 : 0);
    if (temporary) {
        for (RenameStep &step : record.steps) {
            if (step.kind == StepKind::Park)
                step.to = *temporary;
            else if (step.kind == StepKind::Unpark)
                step.from = *temporary;
        }
    }
    return record;
}

RunJournal::RunJournal(std::unique_ptr<platform::LockedFile> file) : m_file(std::move(file)) {}

std::unique_ptr<RunJournal> RunJournal::begin(const std::u16string &stateFolder, const std::u16string &listFolder,
                                              const RenamePlan &plan, bool withFileNumbers)
{
    if (stateFolder.empty())
        return nullptr;
    auto file = platform::LockedFile::createNew(stateFolder + newJournalName());
    if (!file)
        return nullptr;
    std::string text(Signature);
    text += "\nfolder " + encoded(listFolder) + '\n';
    std::vector<int> stamped;
    for (const RenameStep &step : plan.steps) {
        if (std::find(stamped.begin(), stamped.end(), step.entry) != stamped.end())
            continue;
        stamped.push_back(step.entry);
        const auto stamp = platform::fileStamp(listFolder + step.from, withFileNumbers);
        text += "entry " + std::to_string(step.entry) + (stamp ? ' ' + stampText(*stamp) : std::string(" -")) + '\n';
    }
    for (const RenameStep &step : plan.steps)
        text += "step " + std::to_string(step.entry) + ' ' + *letterOf(step.kind) + ' ' + encoded(step.from) + ' '
                + encoded(step.to) + '\n';
    text += "ready\n";
    if (!file->append(text) || !file->sync()) {
        platform::removeFile(file->path());
        return nullptr;
    }
    return std::unique_ptr<RunJournal>(new RunJournal(std::move(file)));
}

RunJournal::~RunJournal()
{
    flushMarks();
}

void RunJournal::mark(std::string_view word, std::size_t step)
{
    constexpr std::size_t MarkBatchBytes = 4096;
    m_pending += word;
    m_pending += ' ' + std::to_string(step) + '\n';
    if (m_pending.size() >= MarkBatchBytes)
        flushMarks();
}

bool RunJournal::flushMarks()
{
    const bool written = m_pending.empty() || m_file->append(m_pending);
    m_pending.clear();
    return written;
}

void RunJournal::stepDone(std::size_t step)
{
    mark("done", step);
}

void RunJournal::stepUndone(std::size_t step)
{
    mark("undone", step);
}

// Written at once: recovery removes a reservation only when the journal says it made it.
void RunJournal::reserved(std::size_t step, const std::u16string &name, const platform::FileStamp &stamp)
{
    m_pending += "reserved " + std::to_string(step) + ' ' + stampText(stamp) + ' ' + encoded(nameWithoutFolder(name)) + '\n';
    flushMarks();
}

// Written before the file moves: a crash in between leaves it under a name the plan lacks.
void RunJournal::detour(std::size_t step, const std::u16string &temporary)
{
    m_pending += "detour " + std::to_string(step) + ' ' + encoded(nameWithoutFolder(temporary)) + '\n';
    flushMarks();
}

void RunJournal::useTemporary(const std::u16string &temporary)
{
    m_pending += "temporary " + encoded(temporary) + '\n';
    flushMarks();
}

bool RunJournal::finish()
{
    m_pending += "finished\n";
    if (!flushMarks() || !m_file->sync())
        return false;
    removeOlderFinished(folderOfPath(m_file->path()), m_file->path());
    return true;
}

bool RunJournal::reopen()
{
    m_pending += "reopened\n";
    return flushMarks() && m_file->sync();
}

void RunJournal::discard()
{
    m_pending.clear();
    platform::removeFile(m_file->path());
}

const std::u16string &RunJournal::path() const
{
    return m_file->path();
}

FoundJournals findJournals(const std::u16string &stateFolder)
{
    FoundJournals found;
    if (stateFolder.empty())
        return found;
    std::vector<std::u16string> names = platform::namesInFolder(stateFolder);
    std::sort(names.begin(), names.end());
    for (const std::u16string &name : names) {
        if (!isJournalName(name))
            continue;
        auto file = platform::LockedFile::openUnlocked(stateFolder + name);
        if (!file)
            continue;
        const auto text = file->readAll();
        std::optional<JournalRecord> record = text ? parseJournal(*text) : std::nullopt;
        if (!record)
            continue;
        if (!record->ready) {
            platform::removeFile(file->path());
            continue;
        }
        FoundJournal journal{std::move(file), std::move(*record)};
        if (journal.record.finished)
            found.lastFinished = std::move(journal);
        else
            found.unfinished.push_back(std::move(journal));
    }
    return found;
}

namespace {

// Whether two of an entry's names differ only in letter case: a folder that ignores case
// finds the file under either, and only the spelling on disk tells where it is.
bool namesDifferOnlyInCase(const JournalRecord &record, const std::vector<std::size_t> &steps)
{
    std::vector<std::u16string> folded;
    for (int p = 0; p <= static_cast<int>(steps.size()); ++p)
        folded.push_back(platform::caseFolded(nameAt(record, steps, p)));
    std::sort(folded.begin(), folded.end());
    return std::adjacent_find(folded.begin(), folded.end()) != folded.end();
}

} // namespace

std::map<int, std::optional<int>> positionsOnDisk(const JournalRecord &record)
{
    std::map<int, std::optional<int>> positions;
    std::optional<std::vector<std::u16string>> spelled;  // the folder's entries, read once when needed
    for (const auto &[entry, steps] : stepsByEntry(record)) {
        const auto stamp = record.stamps.find(entry);
        std::optional<int> &position = positions[entry];
        if (stamp == record.stamps.end() || !stamp->second)
            continue;
        const bool bySpelling = namesDifferOnlyInCase(record, steps);
        if (bySpelling && !spelled) {
            spelled = platform::namesInFolder(record.folder);
            std::sort(spelled->begin(), spelled->end());
        }
        std::vector<int> matching;
        for (int p = static_cast<int>(steps.size()); p >= 0; --p) {
            const std::u16string name = nameAt(record, steps, p);
            if (bySpelling && !std::binary_search(spelled->begin(), spelled->end(), name))
                continue;
            if (holds(record.folder + name, *stamp->second))
                matching.push_back(p);
        }
        if (matching.empty())
            continue;
        // Two names may hold files alike in every stamped respect (copies made at one
        // moment, where no file numbers tell them apart); the last mark decides then.
        const auto hint = record.hints.find(entry);
        if (matching.size() > 1 && hint != record.hints.end()
            && std::find(matching.begin(), matching.end(), hint->second) != matching.end())
            position = hint->second;
        else
            position = matching.front();
    }
    return positions;
}

int stepsDoneOnDisk(const JournalRecord &record)
{
    int done = 0;
    for (const auto &[entry, position] : positionsOnDisk(record))
        done += position.value_or(0);
    return done;
}

RecoveryOutcome recoverJournal(FoundJournal &journal, RecoveryWay way, const JournalRenameFn &rename)
{
    const JournalRecord &record = journal.record;
    RecoveryOutcome outcome;
    // Until it ends, a put-back of a finished run is as unfinished as the run once was.
    if (record.finished && journal.file->append("reopened\n"))
        journal.file->sync();
    // A reservation is removed only while it is still the empty entry the fallback made.
    for (const JournalRecord::Reservation &reservation : record.reservations) {
        const std::u16string path = record.folder + reservation.name;
        if (holds(path, reservation.stamp))
            platform::removeFile(path);
    }
    // A file caught under the temporary name of a change of letter case goes back to the
    // name its step took it from, where the plan knows it.
    for (const auto &[step, temporary] : record.detours) {
        const auto stamp = record.stamps.find(record.steps[step].entry);
        const std::u16string path = record.folder + temporary;
        if (stamp != record.stamps.end() && stamp->second && holds(path, *stamp->second))
            rename(path, record.folder + record.steps[step].from);
    }
    const auto byEntry = stepsByEntry(record);
    std::map<int, std::optional<int>> positions = positionsOnDisk(record);
    const bool back = way == RecoveryWay::PutBack;
    const std::size_t count = record.steps.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t s = back ? count - 1 - i : i;
        const RenameStep &step = record.steps[s];
        const auto &own = byEntry.at(step.entry);
        const int index = static_cast<int>(std::find(own.begin(), own.end(), s) - own.begin());
        std::optional<int> &position = positions[step.entry];
        if (!position || *position != (back ? index + 1 : index))
            continue;
        const std::u16string from = record.folder + (back ? step.to : step.from);
        const std::u16string to = record.folder + (back ? step.from : step.to);
        // Checked once more right before the move: the user may have been slow to answer.
        if (!holds(from, *record.stamps.at(step.entry)) || rename(from, to) != platform::RenameError::None)
            continue;
        position = back ? index : index + 1;
        journal.file->append((back ? "undone " : "done ") + std::to_string(s) + '\n');
        ++outcome.stepsTaken;
    }
    for (const auto &[entry, steps] : byEntry) {
        const int goal = back ? 0 : static_cast<int>(steps.size());
        const std::optional<int> &position = positions[entry];
        if (position == goal)
            continue;
        outcome.leftAlone.push_back({position ? nameAt(record, steps, *position) : std::u16string(),
                                     nameAt(record, steps, goal)});
    }
    if (outcome.leftAlone.empty()) {
        if (back) {
            platform::removeFile(journal.file->path());
        } else if (journal.file->append("finished\n") && journal.file->sync()) {
            removeOlderFinished(folderOfPath(journal.file->path()), journal.file->path());
        }
    }
    return outcome;
}

} // namespace renamer
