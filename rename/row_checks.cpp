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
    BlockText{RowBlock::NameEmpty, u"新しい名前が空になるため、名前を変えません"},
    BlockText{RowBlock::OnlyExtension, u"新しい名前「%1」は拡張子だけになるため、名前を変えません"},
    BlockText{RowBlock::NameTooLong, u"新しい名前「%1」はファイル名の長さの上限を超えるため、名前を変えません"},
    BlockText{RowBlock::CharacterRefused, u"新しい名前「%1」にはファイル名に使えない文字があるため、名前を変えません"},
};

class Marker {
public:
    Marker(const RowProposal &proposal, bool ignoreCase)
        : m_old(proposal.oldNames), m_new(proposal.newNames), m_moves(proposal.moves), m_ignoreCase(ignoreCase),
          m_blocks(proposal.oldNames.size(), RowBlock::None)
    {
    }

    std::vector<RowBlock> run(const NameTakenFn &isTaken)
    {
        markFaultyNames();
        markSharedNames();
        markHeldNames(isTaken);
        // A marked row keeps its name, which may be the new name of another row.
        while (!m_newlyMarked.empty()) {
            const int row = m_newlyMarked.front();
            m_newlyMarked.pop_front();
            const auto waiting = m_arriving.find(key(m_old[at(row)]));
            if (waiting == m_arriving.end())
                continue;
            for (const int other : waiting->second) {
                if (other != row)
                    mark(other, RowBlock::NameHeld);
            }
        }
        return m_blocks;
    }

private:
    static std::size_t at(int i) { return static_cast<std::size_t>(i); }
    int count() const { return static_cast<int>(m_old.size()); }
    bool moving(int i) const { return m_moves[at(i)] && m_blocks[at(i)] == RowBlock::None; }
    std::u16string key(const std::u16string &name) const
    {
        return m_ignoreCase ? platform::caseFolded(name) : name;
    }

    void mark(int i, RowBlock block)
    {
        if (block == RowBlock::None || !moving(i))
            return;
        m_blocks[at(i)] = block;
        m_newlyMarked.push_back(i);
    }

    void markFaultyNames()
    {
        for (int i = 0; i < count(); ++i) {
            if (!m_moves[at(i)])
                continue;
            m_arriving[key(m_new[at(i)])].push_back(i);
            mark(i, nameFault(m_old[at(i)], m_new[at(i)]));
        }
    }

    void markSharedNames()
    {
        for (const auto &[name, rows] : m_arriving) {
            if (rows.size() < 2)
                continue;
            for (const int i : rows)
                mark(i, RowBlock::NameShared);
        }
    }

    // A new name is free when nothing has it, or when a row that is renamed away leaves
    // it; a listed file that stays holds its name even where the disk is not asked.
    void markHeldNames(const NameTakenFn &isTaken)
    {
        std::unordered_map<std::u16string, int> listed;
        for (int i = 0; i < count(); ++i)
            listed.emplace(key(m_old[at(i)]), i);
        for (int i = 0; i < count(); ++i) {
            if (!moving(i))
                continue;
            const auto holder = listed.find(key(m_new[at(i)]));
            const bool held = holder == listed.end() ? isTaken(m_new[at(i)])
                                                     : holder->second != i && !moving(holder->second);
            if (held)
                mark(i, RowBlock::NameHeld);
        }
    }

    const std::vector<std::u16string> &m_old;
    const std::vector<std::u16string> &m_new;
    const std::vector<bool> &m_moves;
    bool m_ignoreCase;
    std::vector<RowBlock> m_blocks;
    std::unordered_map<std::u16string, std::vector<int>> m_arriving;  // folded new name -> rows
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
    if (newName.front() == u'.' && !oldName.starts_with(u'.'))
        return RowBlock::OnlyExtension;
    if (!platform::nameFitsFileSystem(std::u16string(newName)))
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
