#include "engine/engine.h"
#include "main_window/form_main.h"
#include "platform/platform.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    platform::initArguments(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorvena"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quenbrook"));
    FormMain formMain(engine::programEngine());
    formMain.Form_Load(platform::argumentWords(), platform::programName());
    formMain.show();
    // The start-up benchmark times the whole way to a painted result; this ends the
    // program as soon as the first frame is out.
    if (qEnvironmentVariableIsSet("SORVENA_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
