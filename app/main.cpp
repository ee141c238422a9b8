#include "engine/engine.h"
#include "main_window/form_main.h"
#include "platform/platform.h"
#include "shell/application.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    platform::initArguments(argc, argv);
    QApplication app(argc, argv);
    shell::nameApplication();
    FormMain formMain(engine::programEngine());
    formMain.Form_Load(platform::argumentWords(), platform::programName());
    // Where no window can open, scripts/run asks for what the window would show instead.
    if (qEnvironmentVariableIsSet("SORVENA_PRINT_RESULT")) {
        const QByteArray report = QString::fromStdU16String(formMain.core().textReport()).toUtf8();
        std::fwrite(report.constData(), 1, static_cast<std::size_t>(report.size()), stdout);
        return 0;
    }
    // Started for the rename window alone, the program never shows its main window, not
    // even for a moment: the exit there ends it.
    if (formMain.showsAtStart())
        formMain.show();
    // The start-up benchmark times the whole way to a painted result; this ends the
    // program as soon as the first frame is out.
    if (qEnvironmentVariableIsSet("SORVENA_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
