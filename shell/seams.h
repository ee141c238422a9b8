// The three things a test must never do for real: show a blocking message box, end the
// process, and start another program. Each goes through one replaceable function.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QWidget;

namespace shell {

// A modal message: the text alone, an OK button, no icon, the program's title as caption.
void showMessage(QWidget *parent, const QString &text);

// A modal question with answers of its own, as buttons in the order given; the index of
// the answer chosen. Closing the box counts as the last answer.
int askQuestion(QWidget *parent, const QString &text, const QStringList &answers);

// Closes the given windows that are shown, in the order given, then ends the program.
void endProgram(const QList<QWidget *> &windowsInOrder);

// Opens a file with the program the desktop associates with it; never waits for it.
bool openWithShell(const std::u16string &folder, const std::u16string &name);

using MessageHandler = std::function<void(QWidget *, const QString &)>;
using EndHandler = std::function<void(const QList<QWidget *> &)>;
using QuestionHandler = std::function<int(QWidget *, const QString &, const QStringList &)>;
using OpenHandler = std::function<bool(const std::u16string &, const std::u16string &)>;

// Replace the real behaviour (tests record instead). Each returns the previous handler.
MessageHandler setMessageHandler(MessageHandler handler);
EndHandler setEndHandler(EndHandler handler);
OpenHandler setOpenHandler(OpenHandler handler);
QuestionHandler setQuestionHandler(QuestionHandler handler);

} // namespace shell
