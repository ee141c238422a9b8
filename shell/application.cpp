#include "shell/application.h"

#include <QCoreApplication>

namespace shell {

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Sorvena"));
}

} // namespace shell
