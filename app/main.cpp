#include "engine/engine.h"
#include "main_window/form_main.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "rename/unfinished_runs.h"
#include "shell/application.h"
#include "shell/cmdline.h"
#include "shell/module1.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// What the start-up settled besides the check: whether the main window is on screen and
// where the program looks for its data, so an installed program can be seen to have
// found its files and a renamer's link to have kept the main window away.
QString startupReport(const FormMain &formMain)
{
    QString report = QStringLiteral("start:        ") +
                     (formMain.isVisible() ? QStringLiteral("main window\n")
                                           : QStringLiteral("rename window alone\n"));
    for (const std::u16string *path : {&Module1::ReadmePath, &Module1::ExtCsvPath, &Module1::ProgCsvPath}) {
        const QString file = QString::fromStdU16String(*path);
        report += QStringLiteral("data file:    ") + file +
                  (QFileInfo(file).isReadable() ? QStringLiteral("\n") : QStringLiteral(" (missing)\n"));
    }
    return report;
}

// Exit statuses of the picture hook: the picture could not be made or written, or a file
// of that name was there already (and was left alone).
constexpr int PictureNotWritten = 3;
constexpr int PictureNameTaken = 4;

// The format the name's extension asks for, PNG where it names no picture format.
QByteArray pictureFormat(const QString &path)
{
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    return QImageWriter::supportedImageFormats().contains(suffix) ? suffix : QByteArray("png");
}

// The picture goes only into a new file: the hook ships in the program, and a name given
// to it by mistake must never cost anyone a file.
int writePicture(QWidget *shown, const QString &path)
{
    QByteArray picture;
    QBuffer buffer(&picture);
    if (!shown || !buffer.open(QIODevice::WriteOnly) || !shown->grab().save(&buffer, pictureFormat(path).constData()))
        return PictureNotWritten;
    const std::string_view bytes(picture.constData(), static_cast<std::size_t>(picture.size()));
    switch (platform::writeNewFile(path.toStdU16String(), bytes)) {
    case platform::NewFileOutcome::Written:
        return 0;
    case platform::NewFileOutcome::Exists:
        std::fprintf(stderr, "sorvena: SORVENA_GRAB_TO: %s exists already and was left as it was\n",
                     path.toLocal8Bit().constData());
        return PictureNameTaken;
    case platform::NewFileOutcome::Failed:
        break;
    }
    return PictureNotWritten;
}

} // namespace

int main(int argc, char **argv)
{
    platform::initArguments(argc, argv);
    // Read once, before anything else runs, so that nothing a user does later can steer it;
    // a relative name means the folder the program was started in, not the checked file's
    // folder that a check makes current.
    const QString grabToSetting = qEnvironmentVariable("SORVENA_GRAB_TO");
    const QString grabTo = grabToSetting.isEmpty() ? QString() : QFileInfo(grabToSetting).absoluteFilePath();
    const bool quitWhenShown = qEnvironmentVariableIsSet("SORVENA_QUIT_WHEN_SHOWN");
    QApplication app(argc, argv);
    shell::nameApplication();
    FormMain formMain(engine::programEngine());
    formMain.Form_Load(cmdline::wordsOf(platform::commandLine()), platform::programName());
    formMain.showAtStart();
    // scripts/run, on a machine that may have no screen, asks for what the windows show
    // as text (on the offscreen platform).
    if (qEnvironmentVariableIsSet("SORVENA_PRINT_RESULT")) {
        const QByteArray report =
            (QString::fromStdU16String(formMain.core().textReport()) + startupReport(formMain)).toUtf8();
        std::fwrite(report.constData(), 1, static_cast<std::size_t>(report.size()), stdout);
        return 0;
    }
    // The start-up benchmark times the whole way to a painted result; this ends the
    // program as soon as the first frame is out.
    if (quitWhenShown)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    // Runs that a crash left unfinished are put to the user once the windows are up;
    // the hooks that end the program at once leave them for a start that stays.
    if (!quitWhenShown && grabTo.isEmpty()) {
        QTimer::singleShot(0, &app, [&formMain] {
            QWidget *shown = formMain.isVisible() ? static_cast<QWidget *>(&formMain) : QApplication::activeWindow();
            offerUnfinishedRuns(shown);
        });
    }
    // A picture of the window as it first shows (for the README and the check that the
    // Windows folder works as shipped), written to a new file; then the program ends.
    if (!grabTo.isEmpty()) {
        QTimer::singleShot(0, &app, [&formMain, grabTo] {
            QWidget *shown = formMain.isVisible() ? static_cast<QWidget *>(&formMain) : QApplication::activeWindow();
            QCoreApplication::exit(writePicture(shown, grabTo));
        });
    }
    return app.exec();
}
