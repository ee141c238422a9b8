// The main window in its key states, rendered with the real engine on real files: the
// README's pictures are made from these, and the layout test compares against them.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

struct StatePicture {
    QString name;   // file name without ".png"
    QImage image;
    QRect folderBox;  // where the folder box lies in the picture, in pixels
};

// The renderers' shared helpers: a whole file written, and bytes that no format claims.
bool writeFile(const QString &path, const QByteArray &bytes);
QByteArray noise();

// Checks copies of the demo picture (and a few other files) in folder, which must exist
// and be empty, and grabs the window after each step. An empty list when a file could
// not be written.
std::vector<StatePicture> renderMainWindowStates(const QString &folder, const QByteArray &demoPicture);
