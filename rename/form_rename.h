// The batch renamer's window: drop files of one folder, choose a method, look at the
// proposal, rename them all, and undo that if need be. The window turns events into
// calls on its core and draws what they leave in its one redraw, ShowRenameList.
#pragma once

#include "rename/long_run.h"
#include "rename/rename_core.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <QWindow>

#include <array>
#include <chrono>
#include <string>

class QAction;
class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QMimeData;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace renamer {
class RenameListModel;
}

class FormRename : public QWidget {
    Q_OBJECT
public:
    explicit FormRename(engine::Engine &engine, QWidget *parent = nullptr);
    ~FormRename() override;

    // The window's one public value: the extension the extension batch change gives every
    // file. The main window hands it over each time it shows this window; the extension
    // box shows it at the next redraw under that method.
    void setRenNewExt(const std::u16string &ext) { m_core.RenNewExt = ext; }

    // Files named on the command line: each folder among them stands for its regular
    // files; the list is then built as from a drop.
    void takeCommandLine(const std::vector<std::u16string> &paths);

    // The state and rules behind the window, for whoever needs to read them.
    const renamer::FormRenameCore &core() const { return m_core; }

    // How long a long run may keep the window from painting (tests shorten it to zero to
    // see the window serve events halfway through a run).
    void setPaintInterval(std::chrono::milliseconds interval) { m_run.setPaintInterval(interval); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void CmdRenView_Click();
    void CmdRenGo_Click();
    void CmdRenGoBack_Click();
    void CmdRenExit_Click();
    void ActRenUndoLast_Triggered();
    void OptRenSort_Click(int index);
    void TxtFnameHead_Change();
    void TxtFnameNum_Change();
    void TxtFnameExt_Change();
    void myAddFiles();
    void myAddFolder();
    void ListViewFiles_DoubleClick(const QModelIndex &index);

private:
    void createControls();
    void createMethodButtons();
    void applyLayout();
    void applyTabOrder();
    void Form_Load();
    void Form_Resize();
    void Form_Activate();
    void ShowRenameList();
    void showNameBoxes();
    void InvalidateRenameList();
    void MakeRenameList(const QMimeData *data);
    void takeFiles(const std::vector<std::u16string> &paths, bool expandFolders);
    void takeChosen(const QStringList &chosen, bool expandFolders);
    void openFileDialog(const char *name, bool folder);
    void showContextMenu(QWidget *on, const QPoint &position);
    void toggleCurrentRow(int row);
    void showRows();
    void nameBoxChanged(renamer::NameBox box, const QLineEdit *edit);
    void showNumberText();
    void setColumnWidths(int listWidth);
    void focusWindowChanged(QWindow *window);
    bool isDropTarget(const QPoint &position) const;
    bool decideDrag(QDropEvent *event) const;
    QList<QWidget *> programWindowsInExitOrder();

    renamer::LongRun m_run;
    renamer::EngineInLongRun m_engine;
    renamer::FormRenameCore m_core;
    renamer::RenameListModel *m_model = nullptr;

    // True while ShowRenameList writes the name boxes itself: their change handlers then
    // leave the settings alone.
    bool RenUpdating = false;
    bool m_ending = false;
    // The last program window (not a message box) that had the activation.
    QPointer<QWindow> m_lastActiveForm;

    // The opening size is the smallest; the list keeps its design size in it.
    int RenMinWidth = 0;
    int RenMinHeight = 0;
    int RenBaseListWidth = 0;
    int RenBaseListHeight = 0;

    QFrame *FrameOpt = nullptr;
    QLineEdit *TextMes = nullptr;
    QLineEdit *TxtFolder = nullptr;
    QTreeView *ListViewFiles = nullptr;
    QPushButton *CmdRenView = nullptr;
    QPushButton *CmdRenGo = nullptr;
    QPushButton *CmdRenGoBack = nullptr;
    QPushButton *CmdRenExit = nullptr;
    QLineEdit *TxtFnameHead = nullptr;
    QLineEdit *TxtFnameNum = nullptr;
    QLineEdit *TxtFnameExt = nullptr;
    QLabel *Label1 = nullptr;
    QButtonGroup *OptRenSort = nullptr;
    // Undoes the last finished run of an earlier start; offered only while no files are
    // listed, from the list's context menu and with Ctrl+Z.
    QAction *ActRenUndoLast = nullptr;
};
