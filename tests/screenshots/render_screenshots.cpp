// Renders the windows in their key states to PNG files, with the real engine on real
// files in a temporary folder: scripts/screenshots runs it.
#include "engine/engine.h"
#include "main_window/form_main.h"
#include "platform/platform.h"
#include "rename/form_rename.h"
#include "shell/seams.h"
#include "support/drop_files.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool save(QWidget &window, const QString &folder, const char *name)
{
    const QString path = folder + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png");
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

void click(QWidget &window, const char *button)
{
    QTest::mouseClick(window.findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
}

// A batch rename in a folder of its own: the proposal by content, the run, and an undo
// that another program gets in the way of.
bool renderRenameWindow(engine::Engine &engine, const QString &output, const QByteArray &picture,
                        const QByteArray &noise)
{
    const QString folder = QDir::tempPath() + QStringLiteral("/sorvena/旅行");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const QByteArray note = "Meet at the station at nine.\nBring the tickets.\n";
    const QList<QPair<QString, QByteArray>> files = {
        {QStringLiteral("IMG_0001.txt"), picture}, {QStringLiteral("IMG_0002.png"), picture},
        {QStringLiteral("IMG_0003.dat"), picture}, {QStringLiteral("メモ.txt"), note},
        {QStringLiteral("データ.bin"), noise}};
    QStringList paths;
    for (const auto &[name, bytes] : files) {
        paths.append(folder + QLatin1Char('/') + name);
        if (!writeFile(paths.back(), bytes))
            return false;
    }
    // The failed undo below says so in a message box; a picture needs none.
    shell::setMessageHandler([](QWidget *, const QString &text) { std::printf("message: %s\n", qPrintable(text)); });

    FormRename form(engine);
    form.show();
    form.activateWindow();
    QCoreApplication::processEvents();
    bool ok = save(form, output, "rename-0-nofiles");
    testsupport::dropFiles(&form, form.findChild<QWidget *>(QStringLiteral("ListViewFiles")), paths);
    ok &= save(form, output, "rename-2-canrename");
    click(form, "CmdRenGo");
    ok &= save(form, output, "rename-3-canundo");
    ok &= writeFile(folder + QStringLiteral("/IMG_0003.dat"), noise);
    click(form, "CmdRenGoBack");
    ok &= save(form, output, "rename-m1-mustquit");
    QDir(folder).removeRecursively();
    return ok;
}

} // namespace

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
    if (!QDir().mkpath(output) || !demo.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray picture = demo.readAll();

    // A short, stable folder name reads better in the pictures than a random one.
    const QString folder = QDir::tempPath() + QStringLiteral("/sorvena/写真");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const QString wrong = folder + QStringLiteral("/夏休み.txt");
    const QString right = folder + QStringLiteral("/海.png");
    const QString unknown = folder + QStringLiteral("/データ.bin");
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    if (!writeFile(wrong, picture) || !writeFile(right, picture) || !writeFile(unknown, noise))
        return 1;

    engine::LibraryEngine real(platform::programFolder());
    FormMain form(real);
    form.Form_Load({}, u"sorvena");
    form.show();
    bool ok = save(form, output, "main-0-empty");
    form.checkPath(unknown);
    ok &= save(form, output, "main-12-unknown");
    form.checkPath(right);
    ok &= save(form, output, "main-13-right");
    form.checkPath(wrong);
    ok &= save(form, output, "main-21-wrong");
    QTest::mouseClick(form.findChild<QLabel *>(QStringLiteral("ArrowRight")), Qt::LeftButton);
    ok &= save(form, output, "main-22-corrected");
    QDir(folder).removeRecursively();
    ok &= renderRenameWindow(real, output, picture, noise);
    return ok ? 0 : 1;
}
