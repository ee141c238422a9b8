// What the extension dictionary knows and does, without a window: the category and program
// tables read at load, and the search that steps through ext.csv one matching record at a
// time. The window turns its events into these calls and draws `shown`.
#pragma once

#include "dictionary/ext_records.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace extdic {

inline constexpr int ExtFieldCount = 13;
inline constexpr int ProgFieldCount = 2;
inline constexpr std::u16string_view NoMoreText = u"**** No More data!! ****";
inline constexpr std::u16string_view ProgMissingText = u"Prog.csv ファイルがありません";
inline constexpr std::u16string_view ReadWritePrefix = u"[rw] ";
inline constexpr std::u16string_view ReadOnlyPrefix = u" [r]  ";

// The entry on display.
struct ExtRecord {
    std::u16string Ext, Oext, Sort, Platform, Define, Name, Desc, Prog;
    int16_t TextFlag = 0;
    int16_t BinaryFlag = 0;
    int16_t SorvenaFlag = 0;
};

// Parallel code and name columns that grow ten entries at a time and keep what they hold.
// The count is 16-bit, so a table stops taking entries at 32 760.
struct CodeTable {
    static constexpr int MaxEntries = 32760;
    std::vector<std::u16string> codes;
    std::vector<std::u16string> names;
    int count = 0;

    void clear();
    // False (and nothing stored) once the table is full.
    bool add(std::u16string code, std::u16string name);
    int capacity() const { return static_cast<int>(codes.size()); }
};

// Where a search step wants the keyboard focus afterwards.
enum class FocusRequest { None, ExtExt, CmdNext };

using MessageSink = std::function<void(std::u16string_view)>;

class ExtDicCore {
public:
    // The window's load: the no-more-data entry, then the tables from both files. A missing
    // prog.csv is reported through `message` (a refused one with a second line that says
    // why); a missing or refused ext.csv leaves no categories.
    void Form_Load(const std::u16string &extCsvPath, const std::u16string &progCsvPath,
                   const MessageSink &message);

    // A period before the extension is how people write one: ".jpg" finds "jpg".
    void myFindFirst(const std::u16string &findext);
    // The first record of an extension, for a dictionary opened with nothing to look up;
    // the next steps go through that extension's other records.
    void findFirstExtension();
    void myFindNext();
    void myFindEnd();

    std::u16string myProgText(std::u16string_view rwCodes, std::u16string_view rCodes) const;
    std::u16string myProgLines(std::u16string_view codeList, std::u16string_view prefix) const;

    bool FindOpen = false;
    std::u16string FindKey;
    ExtRecord shown;
    CodeTable sortTable;  // SortCodes / SortNames / SortCount
    CodeTable progTable;  // ProgCodes / ProgNames / ProgCount
    // Set by every search step; the window moves the focus and clears it.
    FocusRequest focus = FocusRequest::None;

private:
    void myOpenExt();
    void myCloseExt();
    void myNoMore();
    void loadCategories();
    void loadPrograms(const MessageSink &message);
    std::u16string categoryName(const std::u16string &code) const;
    void takeMatch(const std::vector<Field> &fields);
    // Reads on to the first record `matches` takes and shows it, or ends in no-more-data.
    void findNextWhere(const std::function<bool(const std::u16string &ext)> &matches);

    std::u16string m_extCsvPath;
    std::u16string m_progCsvPath;
    // ext.csv while a search is open: the records after the last one shown.
    RecordReader m_search;
};

} // namespace extdic
