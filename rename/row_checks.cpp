#include "rename/row_checks.h"

#include "platform/codepage.h"
#include "platform/file_names.h"
#include "platform/platform.h"

#include <algorithm>
#include <array>
#include <deque>
#include <unordered_map>

namespace renamer {

namespace {

// Characters no file name may hold: a separator or NUL everywhere, and on Windows the
// characters its file systems refuse, control characters included.
constexpr std::u16string_view PosixRefused{u"/\0", 2};

bool holdsRefusedCharacter(std::u16string_view name)
{
    if constexpr (platform::usesDriveLetters()) {
        // Windows drops a trailing blank or period from a name, so the file would not
        // bear the name shown.
        return name.back() == u' ' || name.back() == u'.' || !platform::isAcceptableWindowsName(name);
    }
    return name.find_first_of(PosixRefused) != std::u16string_view::npos;
}

struct BlockText {
    RowBlock block;
    std::u16string_view text;  // %1 stands for the new name
};

constexpr std::array BlockTexts = {
    BlockText{RowBlock::NameHeld, u"「%1」という名前のファイルがあり、そのファイルは名前を変えないため、この名前にできません"},
    BlockText{RowBlock::NameShared, u"ほかのファイルにも同じ新しい名前「%1」が付くため、どれも名前を変えません"},
    BlockText{RowBlock::ListedTwice, u"同じファイルがリストに二度以上入っているため、名前を変えません"},
    BlockText{RowBlock::NameEmpty, u"新しい名前が空になるため、名前を変えません"},
    BlockText{RowBlock::OnlyExtension, u"新しい名前「%1」は拡張子だけになるため、名前を変えません"},
    BlockText{RowBlock::NameTooLong, u"新しい名前「%1」はファイル名の長さの上限を超えるため、名前を変えません"},
    BlockText{RowBlock::NameReserved, u"新しい名前「%1」は Windows が装置の名前（CON、NUL、COM1 など）に使うため、名前を変えません"},
    BlockText{RowBlock::CharacterRefused, u"新しい名前「%1」にはファイル名に使えない文字があるため、名前を変えません"},
};

// Names are compared through views into the lists (or into their folded forms where the
// folder ignores case): tens of thousands of rows take no copy of a name each.
class Marker {
public:
    Marker(const RowProposal &proposal, bool ignoreCase)
        : m_old(proposal.oldNames), m_new(proposal.newNames), m_moves(proposal.moves),
          m_blocks(proposal.oldNames.size(), RowBlock::None), m_nextArriving(proposal.oldNames.size(), None)
    {
        if (!ignoreCase)
            return;
        for (const std::u16string &name : m_old)
            m_foldedOld.push_back(platform::caseFolded(name));
        for (const std::u16string &name : m_new)
            m_foldedNew.push_back(platform::caseFolded(name));
    }

    std::vector<RowBlock> run(const NameTakenFn &isTaken)
    {
        markFaultyNames();
        markSharedNames();
        markFilesListedTwice();
        markHeldNames(isTaken);
        // A marked row keeps its name, which may be the new name of another row.
        while (!m_newlyMarked.empty()) {
            const int row = m_newlyMarked.front();
            m_newlyMarked.pop_front();
            const auto waiting = m_arriving.find(oldKey(row));
            for (int other = waiting == m_arriving.end() ? None : waiting->second; other != None;
                 other = m_nextArriving[at(other)]) {
                if (other != row)
                    mark(other, RowBlock::NameHeld);
            }
        }
        return m_blocks;
    }

private:
    static constexpr int None = -1;
    static std::size_t at(int i) { return static_cast<std::size_t>(i); }
    int count() const { return static_cast<int>(m_old.size()); }
    bool moving(int i) const { return m_moves[at(i)] && m_blocks[at(i)] == RowBlock::None; }
    std::u16string_view oldKey(int i) const { return m_foldedOld.empty() ? m_old[at(i)] : m_foldedOld[at(i)]; }
    std::u16string_view newKey(int i) const { return m_foldedNew.empty() ? m_new[at(i)] : m_foldedNew[at(i)]; }

    void mark(int i, RowBlock block)
    {
        if (block == RowBlock::None || !moving(i))
            return;
        m_blocks[at(i)] = block;
        m_newlyMarked.push_back(i);
    }

    // Every proposed row is chained to the others proposing the same name.
    void markFaultyNames()
    {
        m_arriving.reserve(m_old.size());
        for (int i = 0; i < count(); ++i) {
            if (!m_moves[at(i)])
                continue;
            auto [first, added] = m_arriving.emplace(newKey(i), i);
            if (!added) {
                m_nextArriving[at(i)] = first->second;
                first->second = i;
            }
            mark(i, nameFault(m_old[at(i)], m_new[at(i)]));
        }
    }

    void markSharedNames()
    {
        for (const auto &[name, first] : m_arriving) {
            if (m_nextArriving[at(first)] == None)
                continue;
            for (int i = first; i != None; i = m_nextArriving[at(i)])
                mark(i, RowBlock::NameShared);
        }
    }

    // A file listed twice (a folder given with a file in it, or one name spelt in two
    // letter cases where the folder ignores case) would be renamed by its first row, and
    // its second row would then move whatever had taken the name since: every row of it
    // keeps its name.
    void markFilesListedTwice()
    {
        m_listed.reserve(m_old.size());
        for (int i = 0; i < count(); ++i) {
            const auto [first, added] = m_listed.emplace(oldKey(i), i);
            if (!added) {
                mark(first->second, RowBlock::ListedTwice);
                mark(i, RowBlock::ListedTwice);
            }
        }
    }

    // A new name is free when nothing has it, or when a row that is renamed away leaves
    // it; a listed file that stays holds its name even where the disk is not asked.
    void markHeldNames(const NameTakenFn &isTaken)
    {
        for (int i = 0; i < count(); ++i) {
            if (!moving(i))
                continue;
            const auto holder = m_listed.find(newKey(i));
            const bool held = holder == m_listed.end() ? isTaken(m_new[at(i)])
                                                       : holder->second != i && !moving(holder->second);
            if (held)
                mark(i, RowBlock::NameHeld);
        }
    }

    const std::vector<std::u16string> &m_old;
    const std::vector<std::u16string> &m_new;
    const std::vector<bool> &m_moves;
    std::vector<std::u16string> m_foldedOld, m_foldedNew;
    std::vector<RowBlock> m_blocks;
    std::unordered_map<std::u16string_view, int> m_listed;    // old name -> first row listing it
    std::unordered_map<std::u16string_view, int> m_arriving;  // new name -> last row proposing it
    std::vector<int> m_nextArriving;                          // the row before it with that name
    std::deque<int> m_newlyMarked;
};

} // namespace

RowBlock nameFault(std::u16string_view oldName, std::u16string_view newName)
{
    if (newName.empty())
        return RowBlock::NameEmpty;
    // "." and ".." are the folder itself and its parent; a rule that strips trailing
    // periods never proposes them, but a name that is only periods holds nothing else.
    if (newName.find_first_not_of(u'.') == std::u16string_view::npos || holdsRefusedCharacter(newName))
        return RowBlock::CharacterRefused;
    if (platform::usesDriveLetters() && platform::isReservedWindowsName(newName))
        return RowBlock::NameReserved;
    // What is left is the old name's tail from a period: its base is gone. A period put
    // in front of a whole name (".notes.txt", to hide it) leaves the name its base.
    if (newName.front() == u'.' && !oldName.starts_with(u'.') && oldName.ends_with(newName))
        return RowBlock::OnlyExtension;
    // No UTF-16 unit takes more than three bytes in a name, so short names are not
    // converted to be measured.
    constexpr std::size_t SurelyFitting = 255 / 3;
    if (newName.size() > SurelyFitting && !platform::nameFitsFileSystem(std::u16string(newName)))
        return RowBlock::NameTooLong;
    return RowBlock::None;
}

std::vector<RowBlock> blockedRows(const RowProposal &proposal, bool ignoreCase, const NameTakenFn &isTaken)
{
    return Marker(proposal, ignoreCase).run(isTaken);
}

std::u16string blockReason(RowBlock block, const std::u16string &newName)
{
    const auto it = std::find_if(BlockTexts.begin(), BlockTexts.end(),
                                 [block](const BlockText &t) { return t.block == block; });
    if (it == BlockTexts.end())
        return {};
    std::u16string text(it->text);
    const std::size_t slot = text.find(u"%1");
    if (slot != std::u16string::npos)
        text.replace(slot, 2, platform::codepage::readableName(newName));
    return text;
}

} // namespace renamer
