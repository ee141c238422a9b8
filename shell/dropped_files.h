// What a drag from the desktop or the file dialog carries: the local files it names. Both
// windows that take files read them here, so a name reaches every file operation the
// same way.
#pragma once

#include <QStringList>
#include <QtCore/qnamespace.h>

#include <optional>
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

// A drop taken apart: its local files as droppedFiles gives them, and the entries that name
// no local file (a web address, a file on another host), as the source wrote them, so
// that a window can say what it left out.
struct DroppedItems {
    std::vector<std::u16string> files;
    std::vector<std::u16string> leftOut;
};
DroppedItems droppedItems(const QMimeData *data);
DroppedItems localItemsOfUriList(std::string_view list);

// The paths the file dialog chose, in the platform's form, or nothing when one of them
// cannot be trusted: where names are bytes, the dialog shows a byte that is not UTF-8 as
// U+FFFD and hands back that spelling, which may be another file's name.
std::optional<std::vector<std::u16string>> chosenPaths(const QStringList &paths);

// The action a window answers a drag with. The windows only read or rename the files
// themselves, so a drop is never taken as a move: a source that honours a move would
// delete its original afterwards. Copy where the source offers it, else link, else none.
Qt::DropAction copyOrLinkAction(Qt::DropActions offered);

} // namespace shell
