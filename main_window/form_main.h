// The main window: drop a file to learn what it really is, then give it its proper name.
#pragma once

#include "main_window/main_core.h"

#include <QPointer>
#include <QWidget>

#include <string>
#include <vector>

class ClickableImage;
class FormRename;
class QLineEdit;
class QPushButton;

class FormMain : public QWidget {
    Q_OBJECT
public:
    explicit FormMain(engine::Engine &engine, QWidget *parent = nullptr);
    ~FormMain() override;

    // The start-up sequence, with the command-line words and the executable's name as the
    // platform reports them (a test may pass any).
    void Form_Load(const std::vector<std::u16string> &words, const std::u16string &programName);

    // The state and rules behind the window, for whoever needs to read them.
    const mainwin::FormMainCore &core() const { return m_core; }

    // Shows this window after the start-up sequence, unless the program runs for the
    // rename window alone: then it must never appear, not even for a moment.
    void showAtStart()
    {
        if (m_core.StartMode != 1)
            show();
    }

    // Checks a file as if it had been dropped.
    void checkPath(const QString &path) { myCheckPath(path.toStdU16String()); }

    // The drop handler's choice: the first local file of a drop, if there is one.
    static QString firstDroppedFile(const class QMimeData *data);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void myToggleName();
    void CmdExec_Click();
    void CmdExit_Click();
    void CmdExtention_Click();
    void CmdRenameDlg_Click();
    void CmdExtDic_Click();
    void CmdAbout_Click();
    void myOpenFile();

private:
    void createControls();
    void applyLayout();
    void myCheckPath(const std::u16string &path);
    void checkChosenFile(const QString &path);
    void takeRenameWords(const std::vector<std::u16string> &words);
    void myShowResult();
    void myShowLabels();
    void myHideSubForms();
    void placeSubForm(QWidget *form, bool inMainPlace) const;
    void showArrow(mainwin::ArrowImage arrow);
    void markNameBoxes(mainwin::NameColours colours);
    bool isDropTarget(const QWidget *widget) const;
    bool answerDrag(QDropEvent *event);

    engine::Engine &m_engine;
    mainwin::FormMainCore m_core;
    bool m_ending = false;

    QLineEdit *TextDir = nullptr;
    QLineEdit *TextOldName = nullptr;
    QLineEdit *TextNewName = nullptr;
    QLineEdit *TextDesc = nullptr;
    QLineEdit *WhatExtText = nullptr;
    ClickableImage *ArrowQuestion = nullptr;
    ClickableImage *ArrowCannot = nullptr;
    ClickableImage *ArrowSame = nullptr;
    ClickableImage *ArrowRight = nullptr;
    ClickableImage *ArrowLeft = nullptr;
    QPushButton *CmdAbout = nullptr;
    QPushButton *CmdExtDic = nullptr;
    QPushButton *CmdRenameDlg = nullptr;
    QPushButton *CmdExec = nullptr;
    QPushButton *CmdExit = nullptr;
    QPushButton *CmdExtention = nullptr;

    // The secondary windows, in the order they are hidden and closed. Each is created by
    // its own button the first time it is needed.
    QPointer<QWidget> m_formAbout;
    QPointer<QWidget> m_formExtDic;
    QPointer<QWidget> m_formRename;
};
