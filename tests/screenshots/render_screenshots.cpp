// Renders the main window in its key states to PNG files, with the real engine on real
// files in a temporary folder: scripts/screenshots runs it.
#include "dictionary/form_ext_dic.h"
#include "engine/engine.h"
#include "main_window/form_main.h"
#include "platform/platform.h"

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

    // The dictionary, opened by its button as a user would, on the data files we ship.
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("CmdExtDic")), Qt::LeftButton);
    auto *dictionary = form.findChild<FormExtDic *>();
    ok &= dictionary != nullptr;
    if (dictionary) {
        dictionary->myFindFirst(QStringLiteral("jpg"));
        ok &= save(*dictionary, output, "dic-jpg");
        dictionary->myFindFirst(QStringLiteral("xyz"));
        ok &= save(*dictionary, output, "dic-no-more");
    }
    QDir(folder).removeRecursively();
    return ok ? 0 : 1;
}
