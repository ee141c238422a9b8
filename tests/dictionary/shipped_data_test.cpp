// The dictionary files we ship: each parses record for record, and the mark "recognised
// by Sorvena" agrees with the engine's own type table.
#include "dictionary/ext_dic_core.h"
#include "platform/codepage.h"
#include "platform/platform.h"
#include "type_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using Record = std::vector<std::u16string>;

std::string narrow(const std::u16string &text)
{
    return platform::codepage::utf16ToUtf8(text);
}

std::u16string wide(std::string_view text)
{
    return platform::codepage::utf8ToUtf16(text);
}

struct Parsed {
    std::vector<Record> records;  // the end record not included
    std::vector<std::string> faults;
};

// Reads a shipped file strictly: every record on a line of its own, the end record last
// and nothing after it, CP932 text. Its line ends are the generator's, which the
// dictionary_data_current test holds the files to.
Parsed parseShipped(const char *name, int width)
{
    Parsed parsed;
    const auto bytes = platform::readWholeFile(wide(std::string(SORVENA_DATA_DIR "/") + name));
    if (!bytes) {
        parsed.faults.push_back("cannot read the file");
        return parsed;
    }
    if (platform::codepage::isValidUtf8(*bytes))
        parsed.faults.push_back("the file is not CP932 text");
    extdic::RecordReader reader(platform::codepage::decodeDataFile(*bytes));
    bool ended = false;
    while (reader.hasMoreData()) {
        const auto fields = reader.readRecord(width);
        const std::size_t line = parsed.records.size() + 1;
        if (!fields) {
            parsed.faults.push_back("a short record at line " + std::to_string(line));
            break;
        }
        Record texts;
        for (std::size_t i = 0; i < fields->size(); ++i) {
            const bool last = i + 1 == fields->size();
            if ((*fields)[i].end != (last ? extdic::FieldEnd::LineEnd : extdic::FieldEnd::Comma))
                parsed.faults.push_back("a stray field at line " + std::to_string(line) + ": " +
                                        narrow((*fields)[0].text));
            texts.push_back((*fields)[i].text);
        }
        if (texts[0] == extdic::EndMark) {
            ended = true;
            break;
        }
        parsed.records.push_back(texts);
    }
    if (!ended)
        parsed.faults.push_back("no end record");
    else if (reader.hasMoreData())
        parsed.faults.push_back("text after the end record");
    return parsed;
}

std::vector<std::u16string> words(const std::u16string &list)
{
    std::vector<std::u16string> found;
    std::u16string word;
    for (char16_t unit : list + u' ') {
        if (unit == u' ' || unit == u'\t') {
            if (!word.empty())
                found.push_back(extdic::lowerCase(word));
            word.clear();
        } else {
            word += unit;
        }
    }
    return found;
}

bool isCategory(const Record &record)
{
    return record[1] == u"0";
}

bool engineMarkSet(const std::u16string &mark)
{
    return !(mark.empty() || mark == u" " || mark == u"-");
}

// Each shipped file is read once for all the tests.
class ShippedDictionary : public ::testing::Test {
protected:
    const Parsed &extCsv = shipped("ext.csv", extdic::ExtFieldCount);
    const Parsed &progCsv = shipped("prog.csv", extdic::ProgFieldCount);

    static const Parsed &shipped(const char *name, int width)
    {
        static std::map<std::string, Parsed> read;
        if (!read.count(name))
            read[name] = parseShipped(name, width);
        return read[name];
    }
    std::vector<const Record *> extensionRecords() const
    {
        std::vector<const Record *> records;
        for (const Record &record : extCsv.records) {
            if (!isCategory(record))
                records.push_back(&record);
        }
        return records;
    }
};

// The generator refuses a table row without name, description or letters, or with a
// program code it does not know, and the dictionary_data_current test holds the shipped
// files to its output; what it lets through is checked here.
TEST_F(ShippedDictionary, BothFilesParseRecordForRecord)
{
    EXPECT_EQ(extCsv.faults, std::vector<std::string>{});
    EXPECT_EQ(progCsv.faults, std::vector<std::string>{});
    // The reader keeps category codes in lower case, and a record finds its category only
    // by a code written so; the generator copies codes as they stand.
    std::set<std::u16string> categories;
    std::set<std::u16string> categoryNames;
    for (const Record &record : extCsv.records) {
        if (isCategory(record)) {
            categories.insert(extdic::lowerCase(record[0]));
            categoryNames.insert(record[8]);
            continue;
        }
        const std::string where = narrow(record[3]) + " / " + narrow(record[5]);
        EXPECT_EQ(record[3].find_first_of(u". \t"), std::u16string::npos) << where;
        EXPECT_TRUE(categories.count(record[0])) << where << ": category " << narrow(record[0]);
    }
    for (const Record &record : progCsv.records)
        EXPECT_EQ(record[0].find_first_of(u" \t"), std::u16string::npos) << narrow(record[0]);
    EXPECT_GE(extensionRecords().size(), 700u);
    EXPECT_GE(categoryNames.size(), 15u);
    EXPECT_GE(progCsv.records.size(), 100u);
}

TEST_F(ShippedDictionary, AmbiguousExtensionsHaveARecordForEachMeaning)
{
    std::map<std::u16string, int> counts;
    for (const Record *record : extensionRecords())
        ++counts[extdic::lowerCase((*record)[3])];
    for (const char16_t *ext : {u"dat", u"bin", u"doc", u"img"})
        EXPECT_GE(counts[ext], 2) << narrow(ext);
}

// The engine proposes the canonical extension of every type it names from content, and
// accepts that type's aliases too. A record may claim recognition only for such an
// extension, and each such canonical extension needs a record that claims it.
TEST_F(ShippedDictionary, EngineMarkAgreesWithTheEngine)
{
    std::set<std::u16string> proposed;
    std::set<std::u16string> accepted;
    for (const tivex::TypeInfo &type : tivex::allTypes()) {
        if (type.has(tivex::NameOnly))
            continue;
        // A type without an extension of its own proposes none, but keeps its aliases.
        if (!type.ext.empty()) {
            proposed.insert(wide(type.ext));
            accepted.insert(wide(type.ext));
        }
        for (const std::u16string &alias : words(wide(type.aliases)))
            accepted.insert(alias);
    }
    std::set<std::u16string> marked;
    for (const Record *record : extensionRecords()) {
        if (!engineMarkSet((*record)[11]))
            continue;
        const std::u16string ext = extdic::lowerCase((*record)[3]);
        marked.insert(ext);
        EXPECT_TRUE(accepted.count(ext)) << narrow(ext) << " is marked as recognised, but no type the engine "
                                                           "names from content claims it";
    }
    for (const std::u16string &ext : proposed)
        EXPECT_TRUE(marked.count(ext)) << "the engine proposes " << narrow(ext)
                                       << ", but no record for it is marked as recognised";
}

} // namespace
