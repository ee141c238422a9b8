#include <cstddef>
#include <cstdint>

#include "tivex_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const tivex::Detection detection = tivex::detectBytes(tivex::ByteView(data, size));
    const std::string description = tivex::describeJa(detection);
    static_cast<void>(description);
    return 0;
}
