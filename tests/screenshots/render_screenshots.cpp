// Renders the windows in their key states to PNG files, with the real engine on real
// files in temporary folders (the main window's named like the one scripts/run makes for
// its demo): scripts/screenshots runs it.
#include "main_window_states.h"

#include "about/form_about.h"
#include "dictionary/form_ext_dic.h"
#include "engine/engine.h"
#include "main_window/form_main.h"
#include "platform/platform.h"
#include "rename/form_rename.h"
#include "shell/seams.h"
#include "support/drop_files.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <cstdio>

namespace {

bool save(const QImage &image, const QString &folder, const QString &name)
{
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    const bool ok = image.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

bool save(QWidget &window, const QString &folder, const char *name)
{
    return save(window.grab().toImage(), folder, QString::fromLatin1(name));
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

// A picture of a window with a tooltip over it, drawn as the style draws tooltips: a grab
// of the window never shows one.
QImage withTooltip(QWidget &window, QPoint at, const QString &text)
{
    QImage image = window.grab().toImage();
    QLabel tip(text);
    tip.setWordWrap(true);
    tip.setFixedWidth(window.width() * 3 / 5);
    tip.setFrameShape(QFrame::Box);
    tip.setMargin(3);
    tip.setAutoFillBackground(true);
    tip.setBackgroundRole(QPalette::ToolTipBase);
    tip.setForegroundRole(QPalette::ToolTipText);
    tip.adjustSize();
    QPainter painter(&image);
    painter.drawImage(QPoint(std::min(at.x(), window.width() - tip.width() - 2), at.y()), tip.grab().toImage());
    return image;
}

// Rows that keep their names: under "lower case", names that differ only in case meet
// each other, and one row is left out by the user.
bool renderRenameMarkers(engine::Engine &engine, const QString &output)
{
    const QString folder = QDir::tempPath() + QStringLiteral("/sorvena/写真");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    QStringList paths;
    for (const char *name : {"IMG_0001.JPG", "img_0001.jpg", "IMG_0002.JPG", "IMG_0003.JPG", "Photo.JPG", "PHOTO.jpg"}) {
        paths.append(folder + QLatin1Char('/') + QString::fromUtf8(name));
        if (!writeFile(paths.back(), QByteArray("photo ") + name))
            return false;
    }
    FormRename form(engine);
    form.show();
    form.activateWindow();
    QCoreApplication::processEvents();
    QTest::mouseClick(form.findChild<QButtonGroup *>(QStringLiteral("OptRenSort"))->button(4), Qt::LeftButton);
    testsupport::dropFiles(&form, form.findChild<QWidget *>(QStringLiteral("ListViewFiles")), paths);
    auto *list = form.findChild<QTreeView *>(QStringLiteral("ListViewFiles"));
    list->setFocus();
    list->setCurrentIndex(list->model()->index(2, 0));
    QTest::keyClick(list, Qt::Key_Space);
    // The tooltip of the last "×", just below its marker.
    const QModelIndex marker = list->model()->index(4, 1);
    const QRect cell = list->visualRect(marker);
    const QPoint at = list->viewport()->mapTo(&form, cell.bottomLeft() + QPoint(cell.width() / 2, 4));
    const bool ok = save(withTooltip(form, at, marker.data(Qt::ToolTipRole).toString()), output,
                         QStringLiteral("rename-2-markers"));
    QDir(folder).removeRecursively();
    return ok;
}

// A window the main window opens with one of its buttons, as a user would.
template <typename Window>
Window *openedFrom(FormMain &form, const char *button)
{
    form.Form_Load({}, u"sorvena");
    form.show();
    click(form, button);
    return form.findChild<Window *>();
}

// The dictionary, on the data files we ship.
bool renderDictionary(engine::Engine &engine, const QString &output)
{
    FormMain form(engine);
    auto *dictionary = openedFrom<FormExtDic>(form, "CmdExtDic");
    if (!dictionary)
        return false;
    dictionary->myFindFirst(QStringLiteral("jpg"));
    bool ok = save(*dictionary, output, "dic-jpg");
    dictionary->myFindFirst(QStringLiteral("xyz"));
    ok &= save(*dictionary, output, "dic-no-more");
    return ok;
}

// The about window below the main window, on the readme we ship, one picture a section.
bool renderAbout(engine::Engine &engine, const QString &output)
{
    FormMain form(engine);
    auto *about = openedFrom<FormAbout>(form, "CmdAbout");
    if (!about)
        return false;
    bool ok = true;
    const std::pair<const char *, const char *> sections[] = {
        {"Command1", "about-a-usage"}, {"Command2", "about-c-kinds"},
        {"Command3", "about-d-dictionary"}, {"Command4", "about-r-renamer"}};
    for (const auto &[button, name] : sections) {
        click(*about, button);
        ok &= save(*about, output, name);
    }
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
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/sorvena-demo-XXXXXX"));
    if (!QDir().mkpath(output) || !demo.open(QIODevice::ReadOnly) || !folder.isValid())
        return 1;
    const QByteArray picture = demo.readAll();
    const std::vector<StatePicture> pictures = renderMainWindowStates(folder.path(), picture);
    bool ok = !pictures.empty();
    for (const StatePicture &state : pictures)
        ok &= save(state.image, output, state.name);
    engine::LibraryEngine real(platform::programFolder());
    ok &= renderDictionary(real, output);
    ok &= renderAbout(real, output);
    ok &= renderRenameWindow(real, output, picture, noise());
    ok &= renderRenameMarkers(real, output);
    QDir::setCurrent(QDir::rootPath());
    return ok ? 0 : 1;
}
