#include "shell/seams.h"

#include "platform/platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace shell {

namespace {

void realMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Sorvena"), text, QMessageBox::Ok, parent);
    box.exec();
}

void realEnd(const QList<QWidget *> &windowsInOrder)
{
    for (QWidget *window : windowsInOrder) {
        if (window && window->isVisible())
            window->close();
    }
    QCoreApplication::exit(0);
}

MessageHandler &messageHandler()
{
    static MessageHandler handler = realMessage;
    return handler;
}

EndHandler &endHandler()
{
    static EndHandler handler = realEnd;
    return handler;
}

OpenHandler &openHandler()
{
    static OpenHandler handler = platform::openWithShell;
    return handler;
}

template <typename Handler>
Handler swapHandler(Handler &slot, Handler replacement)
{
    Handler previous = std::move(slot);
    slot = std::move(replacement);
    return previous;
}

} // namespace

void showMessage(QWidget *parent, const QString &text)
{
    messageHandler()(parent, text);
}

void endProgram(const QList<QWidget *> &windowsInOrder)
{
    endHandler()(windowsInOrder);
}

bool openWithShell(const std::u16string &folder, const std::u16string &name)
{
    return openHandler()(folder, name);
}

MessageHandler setMessageHandler(MessageHandler handler)
{
    return swapHandler(messageHandler(), std::move(handler));
}

EndHandler setEndHandler(EndHandler handler)
{
    return swapHandler(endHandler(), std::move(handler));
}

OpenHandler setOpenHandler(OpenHandler handler)
{
    return swapHandler(openHandler(), std::move(handler));
}

} // namespace shell
