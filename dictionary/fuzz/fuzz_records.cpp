// libFuzzer target for the dictionary's record reader: any bytes, decoded as a data file
// is, then read as records of both files' widths to the end. The reader must neither
// crash nor stall, and every record must hold the fields it was asked for.
#include "dictionary/ext_records.h"
#include "platform/codepage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void readAll(const std::u16string &text, int width)
{
    extdic::RecordReader reader(text);
    std::size_t records = 0;
    while (reader.hasMoreData()) {
        const auto fields = reader.readRecord(width);
        if (!fields)
            break;
        if (fields->size() != static_cast<std::size_t>(width))
            std::abort();
        // Every record takes at least one character, so the count is bounded by the text.
        if (++records > text.size() + 1)
            std::abort();
        if (fields->front().text == extdic::EndMark)
            break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::u16string text = platform::codepage::decodeDataFile(bytes);
    readAll(text, 13);
    readAll(text, 2);
    (void)extdic::lowerCase(text);
    return 0;
}
