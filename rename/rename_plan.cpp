#include "rename/rename_plan.h"

#include "platform/platform.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <tuple>
#include <unordered_map>

namespace renamer {

namespace {

// Characters that would make a name reach outside the list's folder (or, for NUL, cut
// it short on the way to the system). Windows also reads '/' and a drive colon as
// separators.
constexpr std::u16string_view PosixSeparators{u"/\0", 2};
constexpr std::u16string_view DriveLetterSeparators{u"\\/:\0", 4};

// Names that are no file of the folder but the folder itself or its parent.
constexpr std::array<std::u16string_view, 3> FolderNames = {u"", u".", u".."};

bool isNameInFolder(std::u16string_view name)
{
    if (std::find(FolderNames.begin(), FolderNames.end(), name) != FolderNames.end())
        return false;
    const std::u16string_view separators =
        platform::usesDriveLetters() ? DriveLetterSeparators : PosixSeparators;
    return name.find_first_of(separators) == std::u16string_view::npos;
}

constexpr std::u16string_view TemporaryPrefix = u".sorvena-swap-";
constexpr int TemporaryNameAttempts = 1000;
constexpr int None = -1;

class Planner {
public:
    Planner(const std::vector<std::u16string> &oldNames, const std::vector<std::u16string> &newNames,
            const std::vector<bool> &moving, bool ignoreCase)
        : m_old(oldNames), m_new(newNames), m_moves(moving), m_ignoreCase(ignoreCase),
          m_scheduled(oldNames.size(), false)
    {
        for (int i = 0; i < count(); ++i) {
            if (moves(i))
                m_leaving.emplace(key(m_old[at(i)]), i);
        }
    }

    std::pair<int, PlanConflict> firstConflict(const NameTakenFn &isTaken)
    {
        for (int i = 0; i < count(); ++i) {
            if (!moves(i))
                continue;
            const PlanConflict conflict = conflictOf(i, isTaken);
            if (conflict != PlanConflict::None)
                return {i, conflict};
        }
        return {None, PlanConflict::None};
    }

    // Every chain is walked from the entry met first in list order to its free end and
    // renamed from that end back; a walk that comes round to its start is a cycle, and
    // its start waits under the temporary name while the others move. Gives the entry
    // whose cycle found no temporary name, or None.
    int schedule(RenamePlan &plan, const NameTakenFn &isTaken)
    {
        for (int i = 0; i < count(); ++i) {
            if (!moves(i) || m_scheduled[at(i)])
                continue;
            const std::vector<int> walk = chainFrom(i);
            const bool cycle = holderOf(walk.back()) == i;
            if (cycle && plan.temporary.empty()) {
                plan.temporary = freeTemporaryName([this, &isTaken](const std::u16string &name) {
                    return m_leaving.count(key(name)) || m_arriving.count(key(name)) || isTaken(name);
                });
                if (plan.temporary.empty())
                    return i;
            }
            if (cycle)
                plan.steps.push_back({i, StepKind::Park, m_old[at(i)], plan.temporary});
            for (auto it = walk.rbegin(); it != walk.rend(); ++it) {
                if (!(cycle && *it == i))
                    plan.steps.push_back({*it, StepKind::Direct, m_old[at(*it)], m_new[at(*it)]});
            }
            if (cycle)
                plan.steps.push_back({i, StepKind::Unpark, plan.temporary, m_new[at(i)]});
        }
        return None;
    }

private:
    PlanConflict conflictOf(int i, const NameTakenFn &isTaken)
    {
        if (!isNameInFolder(m_old[at(i)]) || !isNameInFolder(m_new[at(i)]))
            return PlanConflict::NameLeavesFolder;
        // The second row of one file would move whatever the first had put in its place.
        if (m_leaving.at(key(m_old[at(i)])) != i)
            return PlanConflict::ListedTwice;
        // Caught here, the cause can be told; at the rename it would read as any refusal.
        if (!platform::nameFitsFileSystem(m_new[at(i)]))
            return PlanConflict::NameTooLong;
        const std::u16string target = key(m_new[at(i)]);
        if (!m_arriving.emplace(target, i).second)
            return PlanConflict::SameNewName;
        if (!m_leaving.count(target) && isTaken(m_new[at(i)]))
            return PlanConflict::NameTaken;
        return PlanConflict::None;
    }

    static std::size_t at(int i) { return static_cast<std::size_t>(i); }
    int count() const { return static_cast<int>(m_old.size()); }
    bool moves(int i) const { return m_moves[at(i)]; }
    std::u16string key(const std::u16string &name) const
    {
        return m_ignoreCase ? platform::caseFolded(name) : name;
    }

    // The listed file that is leaving entry i's new name, if any. A file whose new name
    // differs from its own only in letter case waits for no one.
    int holderOf(int i) const
    {
        const auto it = m_leaving.find(key(m_new[at(i)]));
        return it == m_leaving.end() || it->second == i ? None : it->second;
    }

    // Entry i, the file that has its new name, the one that has that file's new name, and
    // so on, up to a file whose new name is free, or already freed by a chain planned
    // before, or held by entry i itself. New names are distinct, so every file has at
    // most one file waiting for it and the walk meets no file twice.
    std::vector<int> chainFrom(int i)
    {
        std::vector<int> walk{i};
        m_scheduled[at(i)] = true;
        for (int next = holderOf(i); next != None && !m_scheduled[at(next)]; next = holderOf(next)) {
            walk.push_back(next);
            m_scheduled[at(next)] = true;
        }
        return walk;
    }

    const std::vector<std::u16string> &m_old;
    const std::vector<std::u16string> &m_new;
    const std::vector<bool> &m_moves;
    bool m_ignoreCase;
    std::vector<bool> m_scheduled;
    std::unordered_map<std::u16string, int> m_leaving;   // folded old name -> entry
    std::unordered_map<std::u16string, int> m_arriving;  // folded new name -> entry
};

} // namespace

std::u16string freeTemporaryName(const std::function<bool(const std::u16string &name)> &isUnavailable)
{
    for (int attempt = 1; attempt <= TemporaryNameAttempts; ++attempt) {
        const std::string number = std::to_string(attempt);
        std::u16string name(TemporaryPrefix);
        name.append(number.begin(), number.end());
        if (!isUnavailable(name))
            return name;
    }
    return {};
}

RenamePlan planRenames(const std::vector<std::u16string> &oldNames,
                       const std::vector<std::u16string> &newNames, const std::vector<bool> &moves,
                       bool ignoreCase, const NameTakenFn &isTaken)
{
    RenamePlan plan;
    Planner planner(oldNames, newNames, moves, ignoreCase);
    std::tie(plan.conflict, plan.conflictKind) = planner.firstConflict(isTaken);
    if (plan.conflict == None) {
        plan.conflict = planner.schedule(plan, isTaken);
        if (plan.conflict != None)
            plan.conflictKind = PlanConflict::NoTemporaryName;
    }
    if (plan.conflict != None)
        plan.steps.clear();
    return plan;
}

} // namespace renamer
