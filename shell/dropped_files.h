// What a drag from the desktop carries: the local files it names. Both windows that take
// drops read them here, so a name reaches every file operation the same way.
#pragma once

#include <string>
#include <vector>

class QMimeData;

namespace shell {

// The local files of a drop, in the order the source gave them, as native paths. Entries
// that name no local file (web addresses and the like) are left out.
std::vector<std::u16string> droppedFiles(const QMimeData *data);

} // namespace shell
