// Prints docs/formats.md: every type the engine knows, from its type table.
#include <cstdio>
#include <string>

#include "formats_doc.h"

int main()
{
    const std::string document = tivex::formatsDocument();
    return std::fwrite(document.data(), 1, document.size(), stdout) == document.size() ? 0 : 1;
}
