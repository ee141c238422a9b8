// What a drag from the desktop carries: the local files it names. Both windows that take
// drops read them here, so a name reaches every file operation the same way.
#pragma once

#include <QtCore/qnamespace.h>

#include <string>
#include <string_view>
#include <vector>

class QMimeData;

namespace shell {

// The local files of a drop, in the order the source gave them, as native paths with
// their bytes kept exactly (see platform::codepage::nameFromBytes). Entries that name no
// local file (web addresses, other hosts, malformed addresses) are left out. A path that
// holds a character no name can hold (a NUL, raw or escaped; on Windows also a control
// character or < > : " | ? * inside a name) stays in its place as it came, never cut
// there: the windows refuse it whole (platform::isAcceptablePath) rather than act on the
// file its first part names.
std::vector<std::u16string> droppedFiles(const QMimeData *data);

// The same from the bytes of a text/uri-list: one address a line, '#' lines are comments.
std::vector<std::u16string> localFilesOfUriList(std::string_view list);

// The action a window answers a drag with. The windows only read or rename the files
// themselves, so a drop is never taken as a move: a source that honours a move would
// delete its original afterwards. Copy where the source offers it, else link, else none.
Qt::DropAction copyOrLinkAction(Qt::DropActions offered);

} // namespace shell
