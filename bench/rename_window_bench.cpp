// What the rename window adds to the renamer's core on a large list: the time from a drop
// of 32,000 files to the list on screen, and of the redraw on activation, each beside the
// bare core doing the same work in the same run; and method 0 beside the engine's own
// calls for the same files. Runs offscreen unless a display is asked for.
//
//   rename_window_bench [repeats]      (default 5; best and median are printed)
#include "engine/engine.h"
#include "platform/platform.h"
#include "rename/form_rename.h"
#include "rename/rename_core.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDropEvent>
#include <QMimeData>
#include <QTreeView>
#include <QUrl>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int Files = 32000;
constexpr double TargetMs = 150.0;

struct Timing {
    double best = 0, median = 0;
};

Timing timeOf(int repeats, const std::function<void()> &prepare, const std::function<void()> &work)
{
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        prepare();
        const auto start = Clock::now();
        work();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2]};
}

// Names of the kinds a folder of photos and documents holds; every other one changes
// under the lower-case method.
std::u16string sampleName(int i)
{
    const std::string number = std::to_string(i);
    const std::u16string digits(number.begin(), number.end());
    static const std::u16string kinds[] = {u"IMG_", u"写真 ", u"Report (", u"memo-"};
    static const std::u16string ends[] = {u".JPG", u".jpg", u").PDF", u".txt"};
    return kinds[i % 4] + digits + ends[i % 4];
}

void writeSample(const fs::path &path, int i)
{
    static const std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\1\0\0\0\1\x08\x06\0\0\0\x1f\x15\xc4\x89"
                                 "\0\0\0\rIDATx\x9c\x63\0\1\0\0\5\0\1\r\n-\xb4\0\0\0\0IEND\xae\x42\x60\x82",
                                 67);
    static const std::string text = "plain text of a note\nsecond line\n";
    static const std::string pdf = "%PDF-1.4\n1 0 obj<<>>endobj\ntrailer<<>>\n%%EOF\n";
    const std::string *contents[] = {&png, &text, &pdf};
    std::ofstream(path, std::ios::binary) << *contents[i % 3];
}

struct TempFolder {
    fs::path path;
    TempFolder()
    {
        const fs::path candidate =
            fs::temp_directory_path() / ("rename-window-bench-" + std::to_string(std::random_device()()));
        if (fs::create_directory(candidate))
            path = fs::canonical(candidate);
    }
    ~TempFolder()
    {
        std::error_code error;
        fs::remove_all(path, error);
    }
};

// The drop as the window system hands it over: the raw text/uri-list, which the window
// has to take apart itself.
QMimeData *uriList(const std::vector<std::u16string> &paths)
{
    QByteArray bytes;
    for (const std::u16string &path : paths)
        bytes += QUrl::fromLocalFile(QString::fromStdU16String(path)).toEncoded() + "\r\n";
    auto *data = new QMimeData;
    data->setData(QStringLiteral("text/uri-list"), bytes);
    return data;
}

void activate(QWidget &window)
{
    window.activateWindow();
    QCoreApplication::processEvents();
}

class Bench {
public:
    Bench(FormRename &form, QWidget &other) : m_form(form), m_other(other)
    {
        auto *list = form.findChild<QTreeView *>(QStringLiteral("ListViewFiles"));
        m_at = list->mapTo(&form, list->rect().center());
    }

    void selectMethod(int method)
    {
        m_form.findChild<QButtonGroup *>(QStringLiteral("OptRenSort"))->button(method)->click();
    }

    // The drag before the drop: the window takes it on entering.
    void dragIn(const QMimeData *data)
    {
        QDragEnterEvent enter(m_at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&m_form, &enter);
        QDragMoveEvent move(m_at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&m_form, &move);
    }

    // From the drop event to the list painted.
    void dropAndPaint(const QMimeData *data)
    {
        QDropEvent drop(m_at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&m_form, &drop);
        m_form.repaint();
    }

    void leave() { activate(m_other); }

    // From the activation to the list painted again.
    void comeBack()
    {
        activate(m_form);
        m_form.repaint();
    }

private:
    FormRename &m_form;
    QWidget &m_other;
    QPoint m_at;
};

void ignoreMessage(const std::u16string &) {}

void report(const char *what, Timing window, Timing bare, bool targeted)
{
    std::printf("%-44s %9.1f %9.1f %9.1f %9.1f %7.2f  %s\n", what, window.best, window.median, bare.best,
                bare.median, window.median / bare.median,
                targeted ? (window.median < TargetMs ? "ok" : "SLOW") : "");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::initArguments(argc, argv);
    QApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    TempFolder folder;
    std::vector<std::u16string> paths;
    for (int i = 0; i < Files; ++i) {
        const std::u16string name = sampleName(i);
        writeSample(folder.path / fs::path(name), i);
        paths.push_back(folder.path.u16string() + u'/' + name);
    }
    const std::unique_ptr<QMimeData> data(uriList(paths));

    engine::LibraryEngine real(platform::programFolder());
    FormRename form(real);
    QWidget other;
    other.show();
    form.show();
    activate(form);
    Bench bench(form, other);
    renamer::FormRenameCore core(real, ignoreMessage);

    std::printf("%d files, %d repeats; milliseconds\n\n", Files, repeats);
    std::printf("%-44s %9s %9s %9s %9s %7s\n", "", "window", "median", "bare", "median", "ratio");

    // Method 4 (lower case), a pure string rule.
    bench.selectMethod(renamer::Method::LowerCase);
    core.RenMethod = renamer::Method::LowerCase;
    const Timing dropWindow =
        timeOf(repeats, [&] { bench.dragIn(data.get()); }, [&] { bench.dropAndPaint(data.get()); });
    const Timing dropBare = timeOf(repeats, [] {}, [&] { core.MakeRenameList(paths, u"", u"", u""); });
    report("method 4: drop to list on screen", dropWindow, dropBare, true);

    std::vector<renamer::ListRow> rows;
    const Timing activation = timeOf(repeats, [&] { bench.leave(); }, [&] { bench.comeBack(); });
    const Timing rowsBare = timeOf(repeats, [] {}, [&] { rows = core.listRows(); });
    report("method 4: ShowRenameList on activation", activation, rowsBare, true);

    // Method 0 asks the engine about every file; beside it, the engine's calls alone.
    if (!real.checkExt(paths.front()).loaded) {
        std::puts("\nmethod 0: the engine could not be loaded beside this program; skipped");
        return 0;
    }
    bench.selectMethod(renamer::Method::Auto);
    const int engineRepeats = std::max(1, repeats / 2);
    const Timing autoWindow =
        timeOf(engineRepeats, [&] { bench.dragIn(data.get()); }, [&] { bench.dropAndPaint(data.get()); });
    const Timing engineCalls = timeOf(engineRepeats, [] {}, [&] {
        for (const std::u16string &path : paths)
            real.checkExt(path);
    });
    report("method 0: drop to list on screen / engine", autoWindow, engineCalls, false);
    const long proposed = std::count(form.core().RenMark.begin(), form.core().RenMark.end(), renamer::Mark::ToRename);
    std::printf("\nmethod 0 proposed %ld new names for %d files\n", proposed, form.core().RenCount);
    return 0;
}
