// Renders the main window in its key states to PNG files, with the real engine on real
// files in a temporary folder named like the one scripts/run makes for its demo:
// scripts/screenshots runs it.
#include "main_window_states.h"

#include "platform/platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    platform::initArguments(argc, argv);
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: render_screenshots OUTPUT_FOLDER DEMO_PICTURE\n");
        return 2;
    }
    // Checks move the current folder, so relative paths are settled first.
    const QString output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QFile demo(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/sorvena-demo-XXXXXX"));
    if (!QDir().mkpath(output) || !demo.open(QIODevice::ReadOnly) || !folder.isValid())
        return 1;
    const std::vector<StatePicture> pictures = renderMainWindowStates(folder.path(), demo.readAll());
    bool ok = !pictures.empty();
    for (const StatePicture &picture : pictures) {
        const QString path = output + QLatin1Char('/') + picture.name + QStringLiteral(".png");
        const bool saved = picture.image.save(path);
        std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
        ok &= saved;
    }
    QDir::setCurrent(QDir::rootPath());
    return ok ? 0 : 1;
}
