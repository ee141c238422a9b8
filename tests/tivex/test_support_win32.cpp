// What the tivex tests need that Windows has in its own way: a name in any folder that
// reaches a device rather than a file.
#include "test_support.h"

namespace tivex::test {

std::string nonRegularFile(const TempDir &dir)
{
    return dir.path() + "\\NUL";
}

} // namespace tivex::test
