// libFuzzer target for the container and structure inspectors. Every input goes to every
// inspector the signature table names and to every fallback (the checks for formats
// without a signature), whether or not its signature matches: an
// inspector must survive bytes it was never meant to see, and no input prefix is needed
// to pick one, so the real-tool samples seed this target as they are.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "signatures.h"
#include "type_table.h"

namespace {

std::vector<tivex::Inspector> distinctInspectors()
{
    std::vector<tivex::Inspector> inspectors;
    for (const tivex::Signature &signature : tivex::allSignatures()) {
        if (!signature.inspector)
            continue;
        bool known = false;
        for (const tivex::Inspector inspector : inspectors)
            known = known || inspector == signature.inspector;
        if (!known)
            inspectors.push_back(signature.inspector);
    }
    for (const tivex::Inspector inspector : tivex::fallbackInspectors())
        inspectors.push_back(inspector);
    return inspectors;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::vector<tivex::Inspector> inspectors = distinctInspectors();
    for (const tivex::Inspector inspector : inspectors) {
        // A fresh source per inspector: each must see the file as it would alone.
        tivex::MemoryAccess access(tivex::ByteView(data, size));
        tivex::Source source(access);
        if (!source.load())
            continue;
        const std::string_view id = inspector(source);
        if (!id.empty() && !tivex::typeById(id))
            __builtin_trap();
    }
    return 0;
}
