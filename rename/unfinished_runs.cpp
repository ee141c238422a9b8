#include "rename/unfinished_runs.h"

#include "platform/platform.h"
#include "rename/run_messages.h"
#include "rename/run_recovery.h"
#include "shell/seams.h"

#include <QStringList>

void offerUnfinishedRuns(QWidget *parent)
{
    namespace RunMessages = renamer::RunMessages;
    const QStringList answers = {QString::fromUtf16(RunMessages::PutBackAnswer),
                                 QString::fromUtf16(RunMessages::FinishAnswer),
                                 QString::fromUtf16(RunMessages::LaterAnswer)};
    constexpr renamer::RecoveryAnswer ByIndex[] = {renamer::RecoveryAnswer::PutBack, renamer::RecoveryAnswer::Finish,
                                                   renamer::RecoveryAnswer::Later};
    renamer::offerUnfinishedRuns(
        platform::stateFolder(),
        [parent, &answers, &ByIndex](const std::u16string &question) {
            const int chosen = shell::askQuestion(parent, QString::fromStdU16String(question), answers);
            return chosen >= 0 && chosen < 3 ? ByIndex[chosen] : renamer::RecoveryAnswer::Later;
        },
        [parent](const std::u16string &text) { shell::showMessage(parent, QString::fromStdU16String(text)); },
        [](const std::u16string &from, const std::u16string &to) { return platform::renameNoReplace(from, to); });
}
