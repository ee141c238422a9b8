// The extension dictionary: one entry of ext.csv at a time, with the programs that open it.
#pragma once

#include "dictionary/ext_dic_core.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class FormExtDic : public QWidget {
    Q_OBJECT
public:
    explicit FormExtDic(QWidget *parent = nullptr);

    // Starts a search for an extension from the top of ext.csv.
    void myFindFirst(const QString &findext);
    // The search the main window starts on opening: its extension, or with none the
    // first extension the dictionary holds rather than a bare category.
    void findOnOpening(const QString &findext);
    // Ends an open search and leaves the entry on display.
    void myFindEnd();

    const extdic::ExtDicCore &core() const { return m_core; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void CmdFirst_Click();
    void CmdNext_Click();

private:
    void Form_Load();
    void createControls();
    void applyLayout();
    void myFindNext();
    // The one redraw: the entry, the flags, the button state and the focus the core asks for.
    void myShowEntry();

    extdic::ExtDicCore m_core;

    QLineEdit *ExtExt = nullptr;
    QCheckBox *ExtSortText = nullptr;
    QCheckBox *ExtSortBinary = nullptr;
    QCheckBox *ExtSorvena = nullptr;
    QLineEdit *ExtOext = nullptr;
    QLineEdit *ExtPlatform = nullptr;
    QLineEdit *ExtSort = nullptr;
    QLineEdit *ExtDefine = nullptr;
    QLineEdit *ExtName = nullptr;
    QPlainTextEdit *ExtDesc = nullptr;
    QPlainTextEdit *ExtProg = nullptr;
    QPushButton *CmdFirst = nullptr;
    QPushButton *CmdNext = nullptr;
};
