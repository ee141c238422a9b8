#include "dictionary/ext_records.h"

#include "platform/codepage.h"
#include "platform/files.h"

#include <algorithm>
#include <array>
#include <utility>

namespace extdic {

namespace {

struct RefusalLine {
    platform::ReadRefusal refusal;
    std::u16string_view line;
};

constexpr std::array RefusalLines{
    RefusalLine{platform::ReadRefusal::NotRegularFile,
                u"通常のファイルではないため（フォルダー、名前付きパイプ、デバイスなど）、読み込みませんでした"},
    RefusalLine{platform::ReadRefusal::TooLarge, u"4 MiB を超えるため、読み込みませんでした"},
    RefusalLine{platform::ReadRefusal::AccessDenied, u"読み取りが許可されていません"},
    RefusalLine{platform::ReadRefusal::Unreadable, u"読み取り中にエラーが起きました"},
};

std::u16string refusalLine(platform::ReadRefusal refusal)
{
    const auto it = std::find_if(RefusalLines.begin(), RefusalLines.end(),
                                 [refusal](const RefusalLine &r) { return r.refusal == refusal; });
    return it == RefusalLines.end() ? std::u16string() : std::u16string(it->line);
}

bool isBlank(char16_t unit)
{
    return unit == u' ' || unit == u'\t';
}

bool isLineBreak(char16_t unit)
{
    return unit == u'\r' || unit == u'\n';
}

bool endsField(char16_t unit)
{
    return unit == u',' || isLineBreak(unit);
}

} // namespace

RecordReader::RecordReader(std::u16string text) : m_text(std::move(text)) {}

bool RecordReader::hasMoreData() const
{
    return m_pos < m_text.size() || m_fieldAfterComma;
}

void RecordReader::skipBlanks()
{
    while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
        ++m_pos;
}

FieldEnd RecordReader::consumeTerminator()
{
    if (m_pos >= m_text.size()) {
        m_fieldAfterComma = false;
        return FieldEnd::FileEnd;
    }
    const char16_t unit = m_text[m_pos++];
    m_fieldAfterComma = unit == u',';
    if (unit == u',')
        return FieldEnd::Comma;
    if (unit == u'\r' && m_pos < m_text.size() && m_text[m_pos] == u'\n')
        ++m_pos;
    return FieldEnd::LineEnd;
}

std::u16string RecordReader::readQuoted()
{
    const std::size_t start = ++m_pos;
    std::size_t close = m_text.find(u'"', start);
    if (close == std::u16string::npos)
        close = m_text.size();
    std::u16string value = m_text.substr(start, close - start);
    m_pos = close < m_text.size() ? close + 1 : close;
    while (m_pos < m_text.size() && !endsField(m_text[m_pos]))
        ++m_pos;
    return value;
}

std::u16string RecordReader::readPlain()
{
    const std::size_t start = m_pos;
    while (m_pos < m_text.size() && !endsField(m_text[m_pos]))
        ++m_pos;
    std::size_t end = m_pos;
    while (end > start && isBlank(m_text[end - 1]))
        --end;
    return m_text.substr(start, end - start);
}

Field RecordReader::readField()
{
    skipBlanks();
    Field field;
    field.text = m_pos < m_text.size() && m_text[m_pos] == u'"' ? readQuoted() : readPlain();
    field.end = consumeTerminator();
    return field;
}

std::optional<std::vector<Field>> RecordReader::readRecord(int count)
{
    std::vector<Field> fields;
    fields.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        if (!hasMoreData())
            return std::nullopt;
        fields.push_back(readField());
    }
    return fields;
}

std::u16string lowerCase(std::u16string_view text)
{
    std::u16string out(text);
    for (char16_t &unit : out) {
        if (unit >= u'A' && unit <= u'Z')
            unit = static_cast<char16_t>(unit + (u'a' - u'A'));
        else if (unit >= u'Ａ' && unit <= u'Ｚ')
            unit = static_cast<char16_t>(unit + (u'ａ' - u'Ａ'));
    }
    return out;
}

DataFileText readDataFile(const std::u16string &path)
{
    const platform::FileContent content = platform::readRegularFile(path, MaxDataFileBytes);
    if (!content.bytes)
        return {std::nullopt, refusalLine(content.refusal)};
    return {platform::codepage::decodeDataFile(*content.bytes), {}};
}

} // namespace extdic
