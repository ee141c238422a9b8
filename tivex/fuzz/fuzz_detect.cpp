// libFuzzer target for the whole check: arbitrary bytes take the same path as a file's
// content (head, tail and targeted reads through Source), then the verdict is used the
// way the C interface uses it. A verdict that would not fit the interface's buffers is
// as much a fault as a crash.
#include <cstddef>
#include <cstdint>

#include "tivex.h"
#include "tivex_name_rule.h"
#include "tivex_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const tivex::Detection detection = tivex::detectBytes(tivex::ByteView(data, size));
    if (detection.type && tivex::typeById(detection.type->id) != detection.type)
        __builtin_trap();
    for (const char *present : {"", "zzq", "txt"}) {
        if (tivex::proposeExtension(detection.type, present).size() > tivex::names::MaxExtensionCharacters)
            __builtin_trap();
    }
    if (tivex::describeJa(detection).size() > TIVEX_DESC_WIDTH || tivex::describeEn(detection).size() > TIVEX_DESC_WIDTH)
        __builtin_trap();
    return 0;
}
