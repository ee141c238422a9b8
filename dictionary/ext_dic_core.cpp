#include "dictionary/ext_dic_core.h"

#include <utility>

namespace extdic {

namespace {

// The columns of an ext.csv record, counted from 0.
enum ExtColumn {
    ColSort = 0, ColKind = 1, ColExt = 3, ColOext, ColName, ColPlatform, ColDefine, ColDesc,
    ColReadWrite, ColReadOnly, ColEngineMark, ColLetters,
};

constexpr std::u16string_view LineBreak = u"\r\n";
constexpr int TableStep = 10;

bool isEndRecord(const std::vector<Field> &fields)
{
    return fields.front().text == EndMark;
}

// Column 12 leaves the engine mark clear when it is empty, a single blank or "-".
bool engineMarkSet(const std::u16string &mark)
{
    return !(mark.empty() || mark == u" " || mark == u"-");
}

RecordReader openDataFile(const std::u16string &path)
{
    DataFileText file = readDataFile(path);
    return RecordReader(file.text ? std::move(*file.text) : std::u16string());
}

} // namespace

void CodeTable::clear()
{
    codes.clear();
    names.clear();
    count = 0;
}

bool CodeTable::add(std::u16string code, std::u16string name)
{
    if (count >= MaxEntries)
        return false;
    if (count >= capacity()) {
        codes.resize(codes.size() + TableStep);
        names.resize(names.size() + TableStep);
    }
    codes[static_cast<std::size_t>(count)] = std::move(code);
    names[static_cast<std::size_t>(count)] = std::move(name);
    ++count;
    return true;
}

void ExtDicCore::Form_Load(const std::u16string &extCsvPath, const std::u16string &progCsvPath,
                           const MessageSink &message)
{
    m_extCsvPath = extCsvPath;
    m_progCsvPath = progCsvPath;
    sortTable.clear();
    progTable.clear();
    FindOpen = false;
    shown.Ext.clear();
    myNoMore();
    focus = FocusRequest::None;
    loadCategories();
    loadPrograms(message);
}

void ExtDicCore::loadCategories()
{
    RecordReader reader = openDataFile(m_extCsvPath);
    while (reader.hasMoreData()) {
        const auto fields = reader.readRecord(ExtFieldCount);
        if (!fields || isEndRecord(*fields))
            break;
        if ((*fields)[ColKind].text != u"0")
            continue;
        if (!sortTable.add(lowerCase((*fields)[ColSort].text), (*fields)[ColDesc].text))
            break;
    }
}

void ExtDicCore::loadPrograms(const MessageSink &message)
{
    DataFileText file = readDataFile(m_progCsvPath);
    if (!file.text) {
        if (message)
            message(file.refusal.empty() ? std::u16string(ProgMissingText)
                                         : std::u16string(ProgMissingText) + u"\n" + file.refusal);
        return;
    }
    RecordReader reader(std::move(*file.text));
    while (reader.hasMoreData()) {
        const auto fields = reader.readRecord(ProgFieldCount);
        if (!fields || isEndRecord(*fields))
            break;
        if (!progTable.add(lowerCase((*fields)[0].text), (*fields)[1].text))
            break;
    }
}

void ExtDicCore::myFindFirst(const std::u16string &findext)
{
    FindKey = lowerCase(std::u16string_view(findext).substr(findext.starts_with(u'.') ? 1 : 0));
    myOpenExt();
    myFindNext();
}

void ExtDicCore::findFirstExtension()
{
    FindKey.clear();
    myOpenExt();
    findNextWhere([](const std::u16string &ext) { return !ext.empty(); });
    if (FindOpen)
        FindKey = lowerCase(shown.Ext);
}

void ExtDicCore::myFindEnd()
{
    myCloseExt();
}

void ExtDicCore::myOpenExt()
{
    myCloseExt();
    // A missing or unreadable file is searched as an empty one: the search ends at once
    // in the no-more-data entry.
    m_search = openDataFile(m_extCsvPath);
    FindOpen = true;
}

void ExtDicCore::myCloseExt()
{
    m_search = RecordReader();
    FindOpen = false;
}

void ExtDicCore::myNoMore()
{
    shown = ExtRecord{};
    shown.Ext = FindKey;
    shown.Sort = NoMoreText;
    myCloseExt();
}

void ExtDicCore::myFindNext()
{
    findNextWhere([this](const std::u16string &ext) { return lowerCase(ext) == FindKey; });
}

void ExtDicCore::findNextWhere(const std::function<bool(const std::u16string &ext)> &matches)
{
    focus = FocusRequest::None;
    if (!FindOpen) {
        myNoMore();
        return;
    }
    while (m_search.hasMoreData()) {
        const auto fields = m_search.readRecord(ExtFieldCount);
        if (!fields || isEndRecord(*fields))
            break;
        if (matches((*fields)[ColExt].text)) {
            takeMatch(*fields);
            focus = FocusRequest::CmdNext;
            return;
        }
    }
    myNoMore();
    focus = FocusRequest::ExtExt;
}

void ExtDicCore::takeMatch(const std::vector<Field> &fields)
{
    shown.Ext = fields[ColExt].text;
    shown.Oext = fields[ColOext].text;
    shown.Name = fields[ColName].text;
    shown.Platform = fields[ColPlatform].text;
    shown.Define = fields[ColDefine].text;
    shown.Desc = fields[ColDesc].text;
    shown.Sort = categoryName(fields[ColSort].text);
    shown.TextFlag = 0;
    shown.BinaryFlag = 0;
    for (char16_t letter : fields[ColLetters].text) {
        if (letter == u't')
            shown.TextFlag = 1;
        else if (letter == u'b')
            shown.BinaryFlag = 1;
    }
    shown.SorvenaFlag = engineMarkSet(fields[ColEngineMark].text) ? 1 : 0;
    shown.Prog = myProgText(fields[ColReadWrite].text, fields[ColReadOnly].text);
}

// Codes are stored lower-cased, and the record's code is compared as written, so a code
// written with capitals is shown as it stands.
std::u16string ExtDicCore::categoryName(const std::u16string &code) const
{
    for (int i = 0; i < sortTable.count; ++i) {
        if (sortTable.codes[static_cast<std::size_t>(i)] == code) {
            const std::u16string &name = sortTable.names[static_cast<std::size_t>(i)];
            if (!name.empty())
                return name;
            break;
        }
    }
    return code;
}

std::u16string ExtDicCore::myProgText(std::u16string_view rwCodes, std::u16string_view rCodes) const
{
    std::u16string rw = myProgLines(rwCodes, ReadWritePrefix);
    const std::u16string r = myProgLines(rCodes, ReadOnlyPrefix);
    if (!rw.empty() && !r.empty())
        return rw.append(LineBreak).append(r);
    return rw.empty() ? r : rw;
}

std::u16string ExtDicCore::myProgLines(std::u16string_view codeList, std::u16string_view prefix) const
{
    const std::u16string codes = lowerCase(codeList);
    std::u16string result;
    auto addWord = [&](const std::u16string &word) {
        for (int i = 0; i < progTable.count; ++i) {
            if (progTable.codes[static_cast<std::size_t>(i)] != word)
                continue;
            if (!result.empty())
                result += LineBreak;
            result += prefix;
            result += progTable.names[static_cast<std::size_t>(i)];
        }
    };
    std::u16string word;
    for (char16_t unit : codes) {
        if (unit == u' ' || unit == u'\t') {
            if (!word.empty())
                addWord(word);
            word.clear();
        } else {
            word += unit;
        }
    }
    if (!word.empty())
        addWord(word);
    return result;
}

} // namespace extdic
