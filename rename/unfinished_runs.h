// The start-up question about runs that a crash, a kill or a power cut left unfinished,
// asked through the message seams.
#pragma once

class QWidget;

// Asks about each unfinished run (元に戻す / 最後まで実行 / 後で) and carries out the answer;
// does nothing at all when there is none.
void offerUnfinishedRuns(QWidget *parent);
