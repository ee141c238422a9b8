#include "shell/dropped_files.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

namespace shell {

std::vector<std::u16string> droppedFiles(const QMimeData *data)
{
    std::vector<std::u16string> files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            files.push_back(QDir::toNativeSeparators(url.toLocalFile()).toStdU16String());
    }
    return files;
}

Qt::DropAction copyOrLinkAction(Qt::DropActions offered)
{
    if (offered & Qt::CopyAction)
        return Qt::CopyAction;
    if (offered & Qt::LinkAction)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

} // namespace shell
