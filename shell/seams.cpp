#include "shell/seams.h"

#include "platform/platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace shell {

namespace {

void realMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Sorvena"), text, QMessageBox::Ok, parent);
    box.exec();
}

int realQuestion(QWidget *parent, const QString &text, const QStringList &answers)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Sorvena"), text, QMessageBox::NoButton, parent);
    QList<QAbstractButton *> buttons;
    for (const QString &answer : answers)
        buttons.append(box.addButton(answer, QMessageBox::AcceptRole));
    if (!buttons.isEmpty())
        box.setEscapeButton(buttons.last());
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return static_cast<int>(chosen < 0 ? answers.size() - 1 : chosen);
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

QuestionHandler &questionHandler()
{
    static QuestionHandler handler = realQuestion;
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

int askQuestion(QWidget *parent, const QString &text, const QStringList &answers)
{
    return questionHandler()(parent, text, answers);
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

QuestionHandler setQuestionHandler(QuestionHandler handler)
{
    return swapHandler(questionHandler(), std::move(handler));
}

} // namespace shell
