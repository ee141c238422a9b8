// Records what the windows would have done for real through their seams (the message
// boxes they show, the files they open, the ends of the program they ask for), and puts
// the previous handlers back afterwards.
#pragma once

#include "shell/seams.h"

#include <QList>
#include <QStringList>
#include <QWidget>

namespace testsupport {

struct Seams {
    QStringList messages;
    QList<QList<QWidget *>> ends;
    QList<QPair<QString, QString>> opens;  // folder and name
    QStringList questions;
    int answer = -1;  // the index of the answer every question gets; -1: the last
    shell::QuestionHandler previousQuestion;
    shell::MessageHandler previousMessage;
    shell::EndHandler previousEnd;
    shell::OpenHandler previousOpen;
    Seams()
    {
        previousOpen = shell::setOpenHandler([this](const std::u16string &dir, const std::u16string &file) {
            opens.append({QString::fromStdU16String(dir), QString::fromStdU16String(file)});
            return true;
        });
        previousMessage = shell::setMessageHandler([this](QWidget *, const QString &text) { messages.append(text); });
        previousEnd = shell::setEndHandler([this](const QList<QWidget *> &windows) { ends.append(windows); });
        previousQuestion = shell::setQuestionHandler([this](QWidget *, const QString &text, const QStringList &answers) {
            questions.append(text);
            return answer < 0 ? static_cast<int>(answers.size()) - 1 : answer;
        });
    }
    ~Seams()
    {
        shell::setMessageHandler(previousMessage);
        shell::setEndHandler(previousEnd);
        shell::setOpenHandler(previousOpen);
        shell::setQuestionHandler(previousQuestion);
    }
    Seams(const Seams &) = delete;
    Seams &operator=(const Seams &) = delete;
};

} // namespace testsupport
