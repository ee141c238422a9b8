// The comma-separated records of the dictionary's data files, read the way the files have
// always been written by hand: a file is one flat run of fields, and a record is simply the
// next fixed number of them, wherever the line ends fall.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace extdic {

// What ended a field. A data-file check uses it to tell a record that sits on a line of
// its own from one that borrows fields from its neighbours.
enum class FieldEnd { Comma, LineEnd, FileEnd };

struct Field {
    std::u16string text;
    FieldEnd end = FieldEnd::FileEnd;
};

// The first field of the record that ends a file for the reader.
inline constexpr std::u16string_view EndMark = u"zend";

class RecordReader {
public:
    explicit RecordReader(std::u16string text = {});

    // True while another field can be read. A comma right at the end of the text still
    // promises one (empty) field.
    bool hasMoreData() const;

    // The next field. Blanks in front are skipped; a field that starts with a double quote
    // runs to the next double quote, and whatever follows that quote up to the comma or
    // line end is dropped. Blanks at the end of an unquoted field are not part of it, and a
    // quote inside an unquoted field is an ordinary character. A line end is CR LF, a lone
    // CR or a lone LF, and an empty line is one empty field.
    Field readField();

    // The next `count` fields, or nothing when the text runs out inside the record: a file
    // that ends inside a record has ended at the last complete one.
    std::optional<std::vector<Field>> readRecord(int count);

private:
    void skipBlanks();
    FieldEnd consumeTerminator();
    std::u16string readQuoted();
    std::u16string readPlain();

    std::u16string m_text;
    std::size_t m_pos = 0;
    bool m_fieldAfterComma = false;
};

// Lower case for the letters an extension is written in: ASCII and full-width Latin.
std::u16string lowerCase(std::u16string_view text);

// The largest data file that is read. The shipped ones are a few dozen kilobytes; a larger
// "file" is a mistake or a trap (a device that never ends), and would stall the window.
inline constexpr std::size_t MaxDataFileBytes = 4 * 1024 * 1024;

struct DataFileText {
    // UTF-8 when the file is valid UTF-8, CP932 otherwise; nothing when it was not read.
    std::optional<std::u16string> text;
    // Why a file that is there was not read, as a line for the user: it is not a regular
    // file, it is larger than MaxDataFileBytes, or it cannot be read. Empty when the text
    // was read or no file has the name.
    std::u16string refusal;
};

// Reads a data file, without ever waiting on a fifo or a device. A refused file counts as
// missing; its refusal says why.
DataFileText readDataFile(const std::u16string &path);

} // namespace extdic
