#include "rename/run_messages.h"

#include "platform/codepage.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace renamer::RunMessages {

namespace {

constexpr std::u16string_view CannotRenameLine = u"Cannot Rename";
constexpr std::u16string_view CannotRenameFrom = u"Cannot Rename ";
constexpr std::u16string_view CannotRenameTo = u" ---> ";
constexpr std::u16string_view CannotChangeFolderLine = u"Cannot Change Folder";

struct ErrorCause {
    platform::RenameError error;
    std::u16string_view text;
};

constexpr std::array ErrorCauses = {
    ErrorCause{platform::RenameError::TargetExists, u"新しい名前のファイルが既にあります"},
    ErrorCause{platform::RenameError::SourceMissing, u"ファイルが見つかりません（移動または削除されたようです）"},
    ErrorCause{platform::RenameError::AccessDenied, u"アクセスが拒否されました（読み取り専用か使用中です）"},
    ErrorCause{platform::RenameError::InvalidName, u"このファイルシステムでは使えない名前です"},
    ErrorCause{platform::RenameError::ChangedMeanwhile, u"変更の途中で別のプログラムがファイルを書き換えました"},
    ErrorCause{platform::RenameError::LeftUnderTemporaryName, u"ファイルは一時的な名前のまま残りました"},
    ErrorCause{platform::RenameError::Other, u"ファイルシステムが名前の変更を受け付けません"},
};

struct ConflictCause {
    PlanConflict conflict;
    std::u16string_view text;
};

constexpr std::array ConflictCauses = {
    ConflictCause{PlanConflict::NameLeavesFolder, u"新しい名前が空か、別のフォルダーを指しています（何も変更していません）"},
    ConflictCause{PlanConflict::SameNewName, u"ほかのファイルにも同じ新しい名前が付きます（何も変更していません）"},
    ConflictCause{PlanConflict::ListedTwice, u"同じファイルがリストに二度以上入っています（何も変更していません）"},
    ConflictCause{PlanConflict::NameTaken, u"新しい名前のファイルが既にあります（何も変更していません）"},
    ConflictCause{PlanConflict::NameTooLong, u"新しい名前が長すぎます。ファイル名の長さの上限（255）を超えています（何も変更していません）"},
    ConflictCause{PlanConflict::NoTemporaryName, u"名前の入れ替えに使う一時的な名前が見つかりません（何も変更していません）"},
};

template <typename Table, typename Key>
std::u16string lookUp(const Table &table, Key key, std::u16string_view fallback)
{
    const auto it = std::find_if(table.begin(), table.end(), [key](const auto &row) {
        if constexpr (std::is_same_v<Key, platform::RenameError>)
            return row.error == key;
        else
            return row.conflict == key;
    });
    return std::u16string(it == table.end() ? fallback : it->text);
}

std::u16string readable(const std::u16string &name)
{
    return platform::codepage::readableName(name);
}

std::u16string headline(const std::u16string &oldName, const std::u16string &newName)
{
    return std::u16string(CannotRenameFrom) + readable(oldName) + std::u16string(CannotRenameTo) + readable(newName);
}

} // namespace

std::u16string causeOf(platform::RenameError cause)
{
    return lookUp(ErrorCauses, cause, ErrorCauses.back().text);
}

std::u16string causeOf(PlanConflict conflict)
{
    return lookUp(ConflictCauses, conflict, ConflictCauses.front().text);
}

std::u16string cannotRename(const std::u16string &oldName, const std::u16string &newName,
                            platform::RenameError cause)
{
    return headline(oldName, newName) + u'\n' + causeOf(cause);
}

std::u16string cannotPlan(const std::u16string &oldName, const std::u16string &newName,
                          PlanConflict conflict)
{
    return headline(oldName, newName) + u'\n' + causeOf(conflict);
}

std::u16string cannotPark(const std::u16string &oldName, const std::u16string &newName,
                          const std::u16string &temporary, platform::RenameError cause)
{
    return headline(oldName, newName) + u"\n入れ替えのため一時的な名前「" + readable(temporary)
           + u"」に移せませんでした：" + causeOf(cause);
}

std::u16string cannotRenameBack(const std::vector<StrandedFile> &stranded)
{
    std::u16string text(CannotRenameLine);
    if (stranded.empty())
        return text;
    text += u"\n次のファイルは元の名前に戻っていません：";
    for (const StrandedFile &file : stranded)
        text += u"\n「" + readable(file.presentName) + u"」（元の名前「" + readable(file.ownName) + u"」）";
    return text;
}

std::u16string unfinishedRunQuestion(const std::u16string &folder, int stepsDone, int stepsInAll, bool undoing)
{
    const std::string done = std::to_string(stepsDone);
    const std::string all = std::to_string(stepsInAll);
    return std::u16string(undoing ? u"前回のリネームの取り消しが途中で終わっています。" : u"前回のリネームが途中で終わっています。")
           + u"\nフォルダー：「" + readable(folder) + u"」（" + std::u16string(all.begin(), all.end()) + u" 段階のうち "
           + std::u16string(done.begin(), done.end()) + u" 段階を実行済み）"
           + (undoing ? u"\n元に戻す：取り消しの前の名前（リネーム後の名前）に戻します"
                        u"\n最後まで実行：取り消しを最後まで行い、リネーム前の名前にします"
                      : u"\n元に戻す：すべてのファイルをリネーム前の名前に戻します"
                        u"\n最後まで実行：残りのリネームを行います")
           + u"\n後で：今は何もせず、次の起動時にもう一度たずねます";
}

std::u16string recovered(const std::u16string &folder, bool toNamesBeforeTheRun,
                         const std::vector<StrandedFile> &leftAlone)
{
    std::u16string text = u"フォルダー「" + readable(folder) + u"」の"
                          + (leftAlone.empty() ? u"" : u"次に挙げるもののほかの")
                          + (toNamesBeforeTheRun ? u"ファイルをリネーム前の名前に戻しました。" : u"リネームを最後まで行いました。");
    if (leftAlone.empty())
        return text;
    text += u"\n次のファイルは記録された時から変わっているか見つからないため、そのままにしました：";
    for (const StrandedFile &file : leftAlone) {
        text += file.presentName.empty() ? u"\n（見つかりません）" : u"\n「" + readable(file.presentName) + u"」";
        text += u"（予定していた名前「" + readable(file.ownName) + u"」）";
    }
    return text;
}

std::u16string cannotChangeFolder(const std::u16string &folder, bool listRefused)
{
    return std::u16string(CannotChangeFolderLine) + u"\nフォルダー「" + readable(folder)
           + (listRefused ? u"」に移動できません。何も変更していません。ファイルをもう一度ドロップして下さい"
                          : u"」に移動できません。何も変更していません");
}

std::u16string driveCause(const std::u16string &drive, bool listRefused)
{
    return u"\nドライブ「" + readable(drive)
           + (listRefused ? u"」に移動できません。何も変更していません。ファイルをもう一度ドロップして下さい"
                          : u"」に移動できません。何も変更していません");
}

std::u16string strandedCause()
{
    return u"\n名前を変えることも元に戻すこともできず、ファイルは今この一時的な名前になっています";
}

std::u16string cannotKeepJournal(const std::u16string &journalFolder)
{
    return std::u16string(CannotRenameLine) + u"\n作業記録を「" + readable(journalFolder)
           + u"」に書き込めないため、何も変更していません";
}

} // namespace renamer::RunMessages
