#include "main_window/form_main.h"
#include "main_window/sub_form_place.h"
#include "rename/form_rename.h"
#include "rename/run_journal.h"
#include "rename/unfinished_runs.h"
#include "shell/seams.h"
#include "support/drop_files.h"
#include "support/fake_engine.h"
#include "support/seams_recorder.h"
#include "support/temp_folder.h"
#include "support/widgets.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <filesystem>
#include <functional>

using testsupport::control;
using testsupport::FakeEngine;
using testsupport::TempFolder;

namespace {

const QColor White(0xFF, 0xFF, 0xFF);
const QColor LightBlue(0xC0, 0xC0, 0xFF);
const QString Drop = QStringLiteral("ファイルをドロップして下さい");
const QString Stale = QStringLiteral("リネームリストを作成して下さい");

using renamer::RunJournal;
using testsupport::Seams;

// An engine that acts once, in the middle of the first file it is asked about, as a user
// might while a long proposal is worked out.
struct InterruptedEngine : FakeEngine {
    std::function<void()> duringCall;
    engine::CheckExtResult checkExt(const std::u16string &path) override
    {
        if (auto act = std::exchange(duringCall, nullptr))
            act();
        return FakeEngine::checkExt(path);
    }
};

void activate(QWidget &window)
{
    window.activateWindow();
    QCoreApplication::processEvents();
}

// A shown rename window over a temporary folder of real files.
struct Window {
    Seams seams;
    testsupport::CurrentFolderGuard restoreCurrentFolder;
    TempFolder temp;
    InterruptedEngine engine;
    FormRename form{engine};

    Window()
    {
        form.show();
        activate(form);
    }

    template <typename T = QWidget>
    T *get(const char *name) { return control<T>(form, name); }
    QLineEdit *box(const char *name) { return get<QLineEdit>(name); }
    QAbstractButton *method(int index) { return get<QButtonGroup>("OptRenSort")->button(index); }
    void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void click(const char *name) { click(get<QPushButton>(name)); }

    QString path(const QString &name) const { return QString::fromStdU16String(temp.pathText(name.toStdU16String())); }
    void create(const QStringList &names) const
    {
        for (const QString &name : names)
            temp.write(name.toStdString(), "content of " + name.toStdString());
    }
    Qt::DropAction drop(const QStringList &names, const char *target = "ListViewFiles")
    {
        QStringList paths;
        for (const QString &name : names)
            paths.append(path(name));
        return testsupport::dropFiles(&form, get(target), paths);
    }
    Qt::DropAction createAndDrop(const QStringList &names)
    {
        create(names);
        return drop(names);
    }

    QStringList column(int column)
    {
        QStringList cells;
        const QAbstractItemModel *model = get<QTreeView>("ListViewFiles")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            cells.append(model->index(row, column).data().toString());
        return cells;
    }
    QStringList filesOnDisk() const
    {
        QStringList names;
        for (const auto &entry : std::filesystem::directory_iterator(temp.path()))
            names.append(QString::fromStdU16String(entry.path().filename().u16string()));
        names.sort();
        return names;
    }
    QString guidance() { return box("TextMes")->text(); }
};

// The first line of each message: the short English text, without the lines of cause.
QStringList firstLines(const QStringList &messages)
{
    QStringList lines;
    for (const QString &message : messages)
        lines.append(message.section(QLatin1Char('\n'), 0, 0));
    return lines;
}

// The file dialog a window has open now.
QFileDialog *shownDialog(QWidget &window)
{
    for (QFileDialog *dialog : window.findChildren<QFileDialog *>()) {
        if (dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

QStringList names(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *name : list)
        result.append(QString::fromUtf8(name));
    return result;
}

} // namespace

class FormRenameTest : public QObject {
    Q_OBJECT

private slots:
    void loadsWithItsCaptionFirstMethodAndThreeColumns()
    {
        Window w;
        QCOMPARE(w.form.windowTitle(), QStringLiteral("[Rename] Part of Sorvena v1.20 (2002.6.20)"));
        QVERIFY(w.method(0)->isChecked());
        QVERIFY(!w.method(12)->isEnabled());
        const QAbstractItemModel *model = w.get<QTreeView>("ListViewFiles")->model();
        QCOMPARE(model->rowCount(), 0);
        const QStringList headings = {QStringLiteral("\u3000旧ファイル名"), QStringLiteral("変換"),
                                      QStringLiteral("\u3000新ファイル名")};
        for (int c = 0; c < 3; ++c)
            QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), headings[c]);
        QCOMPARE(w.box("TxtFolder")->text(), QStringLiteral("ディレクトリー名"));
    }

    // Three files whose proposal under "delete at the start" renames two and keeps one.
    void everyStateLooksAsItsTableSays_data()
    {
        QTest::addColumn<bool>("frame");
        QTest::addColumn<QString>("usable");  // the usable buttons of build, rename, undo
        QTest::addColumn<QString>("focus");   // empty: not looked at
        QTest::addColumn<QString>("guidance");
        QTest::addColumn<QStringList>("markers");
        QTest::addColumn<QStringList>("newNames");
        const QStringList proposal = names({"a.txt", "b.txt", "c.txt"});
        QTest::newRow("NoFiles") << true << "" << "" << Drop << QStringList() << QStringList();
        QTest::newRow("NeedList") << true << "CmdRenView" << "CmdRenView" << Stale
                                  << names({"???", "???", "???"}) << QStringList(3, QString());
        QTest::newRow("CanRename") << true << "CmdRenView CmdRenGo" << "CmdRenGo"
                                   << QStringLiteral("リネームが出来ます") << names({"-->", "-->", "==="}) << proposal;
        QTest::newRow("CanUndo") << false << "CmdRenGoBack" << "CmdRenGoBack"
                                 << QStringLiteral("リネームのキャンセルが出来ます") << names({"<--", "<--", "==="})
                                 << proposal;
        QTest::newRow("MustQuit") << false << "" << "CmdRenExit" << QStringLiteral("You must quit NOW!!")
                                  << names({"<--", "<--", "==="}) << proposal;
    }

    void everyStateLooksAsItsTableSays()
    {
        QFETCH(bool, frame);
        QFETCH(QString, usable);
        QFETCH(QString, focus);
        QFETCH(QString, guidance);
        QFETCH(QStringList, markers);
        QFETCH(QStringList, newNames);
        Window w;
        const QString state = QString::fromLatin1(QTest::currentDataTag());
        const QStringList files = names({"-a.txt", "-b.txt", "c.txt"});
        w.click(w.method(9));
        if (state != QLatin1String("NoFiles"))
            QCOMPARE(w.createAndDrop(files), Qt::CopyAction);
        if (state == QLatin1String("NeedList"))
            w.create({QStringLiteral("b.txt")});  // another program takes a new name meanwhile
        if (state != QLatin1String("NoFiles") && state != QLatin1String("CanRename"))
            w.click("CmdRenGo");
        if (state == QLatin1String("MustQuit")) {
            w.temp.write("-b.txt", "newcomer");  // another program takes a name back
            w.click("CmdRenGoBack");
            QCOMPARE(firstLines(w.seams.messages), QStringList{QStringLiteral("Cannot Rename")});
        }
        if (state == QLatin1String("NeedList"))
            QCOMPARE(firstLines(w.seams.messages), QStringList{QStringLiteral("Cannot Rename -b.txt ---> b.txt")});

        QCOMPARE(w.get("FrameOpt")->isEnabled(), frame);
        QStringList usableButtons;
        for (const char *name : {"CmdRenView", "CmdRenGo", "CmdRenGoBack"}) {
            if (w.get(name)->isEnabled())
                usableButtons.append(QString::fromLatin1(name));
        }
        QCOMPARE(usableButtons.join(QLatin1Char(' ')), usable);
        QVERIFY(w.get("CmdRenExit")->isEnabled());
        if (!focus.isEmpty())
            QCOMPARE(w.form.focusWidget()->objectName(), focus);
        QCOMPARE(w.guidance(), guidance);
        QCOMPARE(w.column(1), markers);
        QCOMPARE(w.column(2), newNames);
        if (!markers.isEmpty()) {
            QCOMPARE(w.column(0), files);
            QCOMPARE(w.box("TxtFolder")->text(), w.path(QString()));
        }
        if (state != QLatin1String("MustQuit"))
            return;
        // The state outlasts an activation from another window; only a new drop leaves it.
        QWidget other;
        other.show();
        activate(other);
        activate(w.form);
        QCOMPARE(w.guidance(), guidance);
        QCOMPARE(w.column(1), markers);
        w.drop({QStringLiteral("c.txt")});
        QCOMPARE(w.guidance(), QStringLiteral("名前の変わるファイルがありません"));
    }

    void theNameBoxesFollowTheMethod_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("usable");  // one letter per box: head, number, extension
        QTest::newRow("0 auto") << 0 << QStringList(3, QString()) << "---";
        QTest::newRow("1 extension") << 1 << names({"", "", "png"}) << "--x";
        QTest::newRow("2 sequence") << 2 << names({"", "001", ""}) << "xxx";
        QTest::newRow("4 lower case") << 4 << QStringList(3, QString()) << "---";
        QTest::newRow("11 delete at end") << 11 << names({"-", "", ""}) << "x--";
    }

    void theNameBoxesFollowTheMethod()
    {
        QFETCH(int, method);
        QFETCH(QStringList, texts);
        QFETCH(QString, usable);
        Window w;
        w.form.setRenNewExt(u"png");
        w.click(w.method(method));
        const char *boxes[] = {"TxtFnameHead", "TxtFnameNum", "TxtFnameExt"};
        for (int i = 0; i < 3; ++i) {
            QLineEdit *box = w.box(boxes[i]);
            const bool expected = usable[i] == QLatin1Char('x');
            QCOMPARE(box->text(), texts[i]);
            QCOMPARE(box->isEnabled(), expected);
            QCOMPARE(box->palette().color(QPalette::Base), expected ? White : LightBlue);
        }
        QCOMPARE(w.guidance(), Drop);
    }

    void dropsAreTakenAsCopyOrLinkOverTheListOrFolderBoxWhereverTheyEntered_data()
    {
        QTest::addColumn<QString>("enterAt");
        QTest::addColumn<QString>("dropAt");
        QTest::addColumn<int>("offered");
        QTest::addColumn<int>("taken");
        const int every = int(testsupport::EveryAction);
        const int none = int(Qt::IgnoreAction);
        QTest::newRow("list") << "ListViewFiles" << "ListViewFiles" << every << int(Qt::CopyAction);
        QTest::newRow("folder box, link") << "TxtFolder" << "TxtFolder" << int(Qt::MoveAction | Qt::LinkAction)
                                          << int(Qt::LinkAction);
        QTest::newRow("move only") << "ListViewFiles" << "ListViewFiles" << int(Qt::MoveAction) << none;
        QTest::newRow("on a button") << "CmdRenGo" << "CmdRenGo" << every << none;
        QTest::newRow("on the guidance") << "ListViewFiles" << "TextMes" << every << none;
        QTest::newRow("entered over a button") << "CmdRenExit" << "ListViewFiles" << every << int(Qt::CopyAction);
    }

    void dropsAreTakenAsCopyOrLinkOverTheListOrFolderBoxWhereverTheyEntered()
    {
        QFETCH(QString, enterAt);
        QFETCH(QString, dropAt);
        QFETCH(int, offered);
        QFETCH(int, taken);
        Window w;
        w.create({QStringLiteral("one.txt"), QStringLiteral("two.txt")});
        const QList<QUrl> urls = testsupport::fileUrls({w.path(QStringLiteral("two.txt")), w.path(QStringLiteral("one.txt"))});
        const Qt::DropAction action = testsupport::dragAndDrop(
            &w.form, urls, testsupport::middleOf(&w.form, w.get(qPrintable(enterAt))),
            testsupport::middleOf(&w.form, w.get(qPrintable(dropAt))), Qt::DropActions(offered));
        QCOMPARE(int(action), taken);
        QCOMPARE(w.column(0), taken == int(Qt::IgnoreAction) ? QStringList() : names({"one.txt", "two.txt"}));
    }

    void refusedDropsSayWhyAndLeaveTheScreenAsItWas()
    {
        Window w;
        w.createAndDrop({QStringLiteral("x.txt")});
        const QList<QUrl> web = {QUrl(QStringLiteral("https://example.org/a.png"))};
        const QPoint list = testsupport::middleOf(&w.form, w.get("ListViewFiles"));
        testsupport::dragAndDrop(&w.form, web, list, list);
        testsupport::dropFiles(&w.form, w.get("ListViewFiles"), {w.path(QStringLiteral("x.txt")), QDir::toNativeSeparators(w.path(QStringLiteral("elsewhere/y.txt")))});
        QCOMPARE(firstLines(w.seams.messages), names({"Illegal Dropped Files", "Illegal Path Format(2)"}));
        QCOMPARE(w.column(0), names({"x.txt"}));
        QVERIFY(w.form.core().RenState == renamer::RenameState::NoFiles);
    }

    // The system would stop at the NUL: the victim folder would be made current and its
    // files renamed to lower case.
    void aDropWithANulIsRefusedAndTheVictimKeepsItsNames()
    {
        Window w;
        std::filesystem::create_directory(w.temp.path() / "victim");
        w.create({QStringLiteral("victim/A.TXT"), QStringLiteral("victim/B.TXT")});
        w.click(w.method(renamer::Method::LowerCase));
        const QByteArray folder = QUrl::fromLocalFile(w.path(QString())).toEncoded();
        QMimeData data;
        data.setData(QStringLiteral("text/uri-list"), folder + QByteArray("victim\0zzz/A.TXT\r\n", 18) + folder
                                                          + QByteArray("victim\0zzz/B.TXT\r\n", 18));
        const QPoint list = testsupport::middleOf(&w.form, w.get("ListViewFiles"));
        QCOMPARE(testsupport::dragAndDrop(&w.form, data, list, list), Qt::CopyAction);
        QCOMPARE(firstLines(w.seams.messages), names({"Illegal Path Format(1)"}));
        QVERIFY(w.form.core().RenState == renamer::RenameState::NoFiles);
        QVERIFY(!w.get<QPushButton>("CmdRenGo")->isEnabled());
        QMetaObject::invokeMethod(&w.form, "CmdRenGo_Click");
        QStringList victims;
        for (const auto &entry : std::filesystem::directory_iterator(w.temp.path() / "victim"))
            victims.append(QString::fromStdU16String(entry.path().filename().u16string()));
        victims.sort();
        QCOMPARE(victims, names({"A.TXT", "B.TXT"}));
    }

    // A drop of files and of things that are no files here lists the files and says what
    // it left out.
    void aMixedDropListsTheFilesAndNamesWhatItLeftOut()
    {
        Window w;
        w.create(names({"a.txt", "b.txt"}));
        const QList<QUrl> urls = {QUrl(QStringLiteral("https://example.org/a.png")), QUrl::fromLocalFile(w.path(QStringLiteral("b.txt"))),
                                  QUrl::fromLocalFile(w.path(QStringLiteral("a.txt")))};
        const QPoint list = testsupport::middleOf(&w.form, w.get("ListViewFiles"));
        QCOMPARE(testsupport::dragAndDrop(&w.form, urls, list, list), Qt::CopyAction);
        QCOMPARE(w.column(0), names({"a.txt", "b.txt"}));
        QCOMPARE(w.seams.messages,
                 QStringList{QStringLiteral("ファイルではないのでリストに入れなかったもの: 1 件\nhttps://example.org/a.png")});
        w.seams.messages.clear();
        testsupport::dragAndDrop(&w.form, {urls.front()}, list, list);
        QCOMPARE(w.seams.messages.size(), 1);
        QVERIFY(w.seams.messages.front().startsWith(QStringLiteral("Illegal Dropped Files\n")));
        QVERIFY(w.seams.messages.front().endsWith(QStringLiteral("\nhttps://example.org/a.png")));
        // A folder dropped as such is a row of its own, not its files.
        std::filesystem::create_directory(w.temp.path() / "album");
        w.create(names({"album/inside.jpg"}));
        w.drop(names({"album", "a.txt"}));
        QCOMPARE(w.column(0), names({"a.txt", "album"}));
    }

    // A method button redraws the proposal at once, writing the sequence method's boxes
    // (head and extension, left empty by the drop, from the first file) without taking them
    // for typing; a typed change leaves it stale until the build button.
    void aMethodButtonRedrawsAtOnceATypedChangeOnlyOnTheBuildButton()
    {
        Window w;
        w.createAndDrop({QStringLiteral("b.png"), QStringLiteral("a.GIF")});
        w.click(w.method(4));
        QCOMPARE(w.column(2), names({"a.gif", "b.png"}));
        w.click(w.method(2));
        QCOMPARE(w.column(2), names({"a001.GIF", "a002.GIF"}));
        QCOMPARE(w.box("TxtFnameHead")->text() + w.box("TxtFnameExt")->text(), QStringLiteral("aGIF"));
        QLineEdit *number = w.box("TxtFnameNum");
        number->setFocus();
        QCoreApplication::processEvents();
        QCOMPARE(number->selectedText(), QStringLiteral("001"));
        QTest::keyClicks(number, QStringLiteral("7"));
        QCOMPARE(number->text(), QStringLiteral("7"));
        QVERIFY(!w.get("CmdRenGo")->isEnabled());
        w.click("CmdRenView");
        QCOMPARE(w.column(2), names({"a7.GIF", "a8.GIF"}));
        QVERIFY(w.get("CmdRenGo")->isEnabled());
    }

    // Space on the list, or a double-click on a row, leaves the row out of the run and takes
    // it back; the keyboard stays on the list, the numbers stay, and the rename button is
    // offered only while some row will be renamed.
    void aRowIsLeftOutWithSpaceOrADoubleClickAndTakenBack()
    {
        Window w;
        w.click(w.method(2));
        w.createAndDrop(names({"p.png", "q.png", "r.png"}));
        auto *list = w.get<QTreeView>("ListViewFiles");
        list->setFocus();
        list->setCurrentIndex(list->model()->index(1, 0));
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(w.column(1), names({"-->", "除外", "-->"}));
        QCOMPARE(w.column(2), names({"p001.png", "p002.png", "p003.png"}));
        QCOMPARE(w.form.focusWidget(), list);
        const auto doubleClick = [&](int row) {
            // As the window system delivers one: a click, then the second press as a double-click.
            const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        };
        doubleClick(1);
        QCOMPARE(w.column(1), names({"-->", "-->", "-->"}));
        for (int row : {0, 1, 2})
            doubleClick(row);
        QCOMPARE(w.column(1), names({"除外", "除外", "除外"}));
        QVERIFY(!w.get("CmdRenGo")->isEnabled());
        QCOMPARE(w.guidance(), QStringLiteral("名前の変わるファイルがありません"));
        doubleClick(2);
        QVERIFY(w.get("CmdRenGo")->isEnabled());
        w.click("CmdRenGo");
        QCOMPARE(w.filesOnDisk(), names({"p.png", "p003.png", "q.png"}));
    }

    // A row that cannot be renamed says so before the run, and why, on its marker; the
    // extension method with nothing in its box proposes no change and says why.
    void markersSayWhyARowKeepsItsName()
    {
        Window w;
        w.click(w.method(10));
        w.create({QStringLiteral("b-.txt")});
        w.createAndDrop(names({"a.txt", "b.txt"}));
        QCOMPARE(w.column(1), names({"-->", "×"}));
        const QAbstractItemModel *model = w.get<QTreeView>("ListViewFiles")->model();
        QCOMPARE(model->index(1, 1).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("「b-.txt」という名前のファイルがあり、そのファイルは名前を変えないため、この名前にできません"));
        QVERIFY(!model->index(0, 1).data(Qt::ToolTipRole).isValid());
        w.form.setRenNewExt(u"");
        w.click(w.method(1));
        QCOMPARE(w.column(1), names({"===", "==="}));
        QCOMPARE(w.guidance(), QStringLiteral("拡張子の欄が空なので名前は変わりません。拡張子を入れて下さい"));
        QVERIFY(!w.get("CmdRenGo")->isEnabled());
    }

    // The list's and the folder box's menu, and Ctrl+O, open a file dialog; what is chosen
    // there replaces the list as a drop does. A folder stands for its files, hidden ones
    // included, none from below.
    void theMenuAndCtrlOFillTheListAsADropDoes()
    {
        Window w;
        w.create(names({"b.txt", "a.txt", ".hidden"}));
        std::filesystem::create_directory(w.temp.path() / "sub");
        w.temp.write("sub/below.txt", "x");
        const auto chooseFromMenu = [&](const char *target, const char *action) -> QFileDialog * {
            QWidget *on = w.get(target);
            QWidget *receiver = on == w.get("ListViewFiles") ? w.get<QTreeView>("ListViewFiles")->viewport() : on;
            QContextMenuEvent event(QContextMenuEvent::Mouse, receiver->rect().center(),
                                    receiver->mapToGlobal(receiver->rect().center()));
            QCoreApplication::sendEvent(receiver, &event);
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return nullptr;
            menu->findChild<QAction *>(QString::fromLatin1(action))->trigger();
            menu->close();
            return shownDialog(w.form);
        };
        QFileDialog *dialog = chooseFromMenu("ListViewFiles", "ActionAddFolder");
        QVERIFY(dialog);
        dialog->selectFile(QString::fromStdU16String(w.temp.path().u16string()));
        static_cast<QDialog *>(dialog)->accept();
        QCOMPARE(w.column(0), names({".hidden", "a.txt", "b.txt"}));

        dialog = chooseFromMenu("TxtFolder", "ActionAddFiles");
        QVERIFY(dialog);
        dialog->setDirectory(QString::fromStdU16String(w.temp.path().u16string()));
        dialog->selectFile(QStringLiteral("\"b.txt\" \"a.txt\""));
        static_cast<QDialog *>(dialog)->accept();
        QCOMPARE(w.column(0), names({"a.txt", "b.txt"}));

        QTest::keyClick(&w.form, Qt::Key_O, Qt::ControlModifier);
        dialog = shownDialog(w.form);
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("AddFilesDialog"));
        dialog->selectFile(w.path(QStringLiteral(".hidden")));
        static_cast<QDialog *>(dialog)->accept();
        QCOMPARE(w.column(0), names({".hidden"}));
        QVERIFY(w.seams.messages.isEmpty());
    }

    void onlyActivationFromAnotherProgramWindowRedraws()
    {
        Window w;
        w.click(w.method(8));
        w.createAndDrop({QStringLiteral("x.txt")});
        QTest::keyClicks(w.box("TxtFnameHead"), QStringLiteral("+"));
        QCOMPARE(w.column(1), names({"-->"}));
        QDialog message;  // a message box, or another application: no program window
        message.show();
        activate(message);
        activate(w.form);
        QCOMPARE(w.column(1), names({"-->"}));
        QWidget other;  // another window of the program
        other.show();
        activate(other);
        activate(w.form);
        QCOMPARE(w.column(1), names({"???"}));
        QCOMPARE(w.column(2), QStringList(1, QString()));
    }

    void renameAndUndoThroughTheButtonsMoveTheFilesAndTheCounter()
    {
        Window w;
        w.click(w.method(2));
        const QStringList files = names({"p.png", "q.png", "r.png", "s.png", "t.png"});
        w.createAndDrop(files);
        QTest::keyClick(w.form.focusWidget(), Qt::Key_Return);  // the focus waits on the rename button
        QCOMPARE(w.filesOnDisk(), names({"p001.png", "p002.png", "p003.png", "p004.png", "p005.png"}));
        QCOMPARE(w.column(1), QStringList(5, QStringLiteral("<--")));
        QCOMPARE(w.box("TxtFnameNum")->text(), QStringLiteral("006"));
        w.click("CmdRenGoBack");
        QCOMPARE(w.filesOnDisk(), files);
        QCOMPARE(w.column(1), QStringList(5, QStringLiteral("-->")));
        QCOMPARE(w.box("TxtFnameNum")->text(), QStringLiteral("001"));
        QVERIFY(w.seams.messages.isEmpty());
    }

    // After a restart, a window with no files offers the undo of the last finished run as
    // an action of its own; its states and buttons stay as they are. At start-up, a run
    // left unfinished is put as a question, and "later" changes nothing.
    void theLastRunCanBeUndoneAfterARestartAndAnUnfinishedOneIsAskedAbout()
    {
        // A state folder of the test's own, on either platform.
        TempFolder state;
        const QByteArray savedState = qgetenv("XDG_STATE_HOME");
        const QByteArray savedLocal = qgetenv("LOCALAPPDATA");
        qputenv("XDG_STATE_HOME", QByteArray::fromStdString(state.path().string()));
        qputenv("LOCALAPPDATA", QByteArray::fromStdString(state.path().string()));
        Window earlier;
        earlier.click(earlier.method(5));
        earlier.createAndDrop(names({"a.txt", "b.txt"}));
        earlier.click("CmdRenGo");
        QCOMPARE(earlier.filesOnDisk(), names({"A.TXT", "B.TXT"}));
        QVERIFY(!earlier.get<QAction>("ActRenUndoLast")->isEnabled());
        Window later;
        QAction *undoLast = later.get<QAction>("ActRenUndoLast");
        QVERIFY(!undoLast->isEnabled());  // the earlier window can still undo it itself
        earlier.createAndDrop(names({"c.txt"}));  // and now it cannot
        activate(earlier.form);
        activate(later.form);
        QVERIFY(undoLast->isEnabled());
        QCOMPARE(later.guidance(), Drop);
        QVERIFY(!later.get("CmdRenGoBack")->isEnabled());
        undoLast->trigger();
        QCOMPARE(earlier.filesOnDisk(), names({"a.txt", "b.txt", "c.txt"}));
        QCOMPARE(later.seams.messages.size(), 1);
        QVERIFY(!undoLast->isEnabled());

        earlier.click("CmdRenGo");  // a run whose program never ends it, as after a crash
        renamer::RenamePlan plan;
        plan.steps.push_back({0, renamer::StepKind::Direct, u"C.TXT", u"c.txt"});
        RunJournal::begin(platform::stateFolder(), earlier.temp.folderText(), plan, false).reset();
        offerUnfinishedRuns(&later.form);
        QCOMPARE(later.seams.questions.size(), 1);
        QCOMPARE(earlier.filesOnDisk(), names({"C.TXT", "a.txt", "b.txt"}));
        QCOMPARE(later.seams.messages.size(), 1);
        // The real question: a key pressed as it comes up changes nothing either.
        const shell::QuestionHandler recorded = shell::setQuestionHandler(earlier.seams.previousQuestion);
        QTimer::singleShot(0, [] {
            if (QWidget *box = QApplication::activeModalWidget())
                QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
        });
        offerUnfinishedRuns(&later.form);
        shell::setQuestionHandler(recorded);
        QCOMPARE(earlier.filesOnDisk(), names({"C.TXT", "a.txt", "b.txt"}));
        QCOMPARE(later.seams.messages.size(), 1);
        later.seams.answer = 1;  // 最後まで実行
        offerUnfinishedRuns(&later.form);
        QCOMPARE(earlier.filesOnDisk(), names({"a.txt", "b.txt", "c.txt"}));
        QCOMPARE(later.seams.messages.size(), 2);
        qputenv("XDG_STATE_HOME", savedState);
        qputenv("LOCALAPPDATA", savedLocal);
    }

    void aRunRefusesClicksKeysAndDropsAndKeepsTheWindowServed()
    {
        Window w;
        w.form.setPaintInterval(std::chrono::milliseconds(0));
        w.create({QStringLiteral("x.dat"), QStringLiteral("y.dat")});
        TempFolder elsewhere;
        testsupport::writeFile(elsewhere.file("z.dat"), "z");
        QPushButton *exit = w.get<QPushButton>("CmdRenExit");
        // Waiting in the queue when the run starts: served while it runs, or never.
        const QPoint middle = exit->rect().center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QCoreApplication::postEvent(exit, new QMouseEvent(type, middle, exit->mapToGlobal(middle), Qt::LeftButton,
                                                              Qt::LeftButton, Qt::NoModifier));
        }
        bool servedDuringRun = false;
        QTimer::singleShot(0, [&] { servedDuringRun = QApplication::overrideCursor() != nullptr; });
        bool busy = false;
        Qt::DropAction secondDrop = Qt::CopyAction;
        w.engine.duringCall = [&] {
            busy = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            QTest::keyClick(exit, Qt::Key_Space);
            secondDrop = testsupport::dropFiles(&w.form, w.get("ListViewFiles"),
                                                {QString::fromStdString(elsewhere.file("z.dat"))});
        };
        w.drop({QStringLiteral("x.dat"), QStringLiteral("y.dat")});
        QCoreApplication::processEvents();
        QVERIFY(busy);
        QVERIFY(servedDuringRun);
        QCOMPARE(secondDrop, Qt::IgnoreAction);
        QVERIFY(w.seams.ends.isEmpty());
        QCOMPARE(w.column(0), names({"x.dat", "y.dat"}));
        QCOMPARE(w.box("TxtFolder")->text(), w.path(QString()));
        QVERIFY(!QApplication::overrideCursor());
    }

    // A check in the main window would make another folder current while the run still
    // has bare names to rename back.
    void aDropOnAnyWindowWhileARunShowsAMessageIsRefused()
    {
        Window w;
        FakeEngine mainEngine;
        FormMain main(mainEngine);
        main.show();
        w.click(w.method(10));
        w.createAndDrop({QStringLiteral("a.txt"), QStringLiteral("b.txt")});
        w.create({QStringLiteral("b-.txt")});  // the new name of b.txt is taken after the list was built
        TempFolder elsewhere;
        testsupport::writeFile(elsewhere.file("z.txt"), "z");
        const QStringList other = {QString::fromStdString(elsewhere.file("z.txt"))};
        QList<Qt::DropAction> dropped;
        shell::setMessageHandler([&](QWidget *, const QString &) {
            dropped.append(testsupport::dropFiles(&w.form, w.get("ListViewFiles"), other));
            dropped.append(testsupport::dropFiles(&main, control<QWidget>(main, "TextDir"), other));
        });
        w.click("CmdRenGo");
        QCOMPARE(dropped, (QList<Qt::DropAction>{Qt::IgnoreAction, Qt::IgnoreAction}));
        QVERIFY(mainEngine.checkedPaths.empty());
        QCOMPARE(w.filesOnDisk(), names({"a.txt", "b-.txt", "b.txt"}));
        QCOMPARE(w.column(0), names({"a.txt", "b.txt"}));
        QCOMPARE(w.guidance(), Stale);
    }

    void resizingStretchesOnlyTheListAndFolderBox_data()
    {
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QSize>("list");
        QTest::addColumn<QList<int>>("columns");
        QTest::newRow("opening size") << QSize(402, 271) << QSize(402, 271) << QSize(337, 149) << QList<int>{136, 40, 136};
        QTest::newRow("wider") << QSize(502, 271) << QSize(502, 271) << QSize(437, 149) << QList<int>{177, 52, 177};
        QTest::newRow("taller") << QSize(402, 371) << QSize(402, 371) << QSize(337, 249) << QList<int>{136, 40, 136};
        QTest::newRow("smaller snaps back") << QSize(300, 200) << QSize(402, 271) << QSize(337, 149)
                                            << QList<int>{136, 40, 136};
    }

    void resizingStretchesOnlyTheListAndFolderBox()
    {
        QFETCH(QSize, asked);
        QFETCH(QSize, window);
        QFETCH(QSize, list);
        QFETCH(QList<int>, columns);
        Window w;
        const QRect frame = w.get("FrameOpt")->geometry();
        const QRect exit = w.get("CmdRenExit")->geometry();
        const QRect folder = w.get("TxtFolder")->geometry();
        w.form.resize(asked);
        QCOMPARE(w.form.size(), window);
        auto *view = w.get<QTreeView>("ListViewFiles");
        QCOMPARE(view->size(), list);
        QCOMPARE(view->pos(), QPoint(56, 112));
        QCOMPARE(w.get("TxtFolder")->geometry(), QRect(folder.topLeft(), QSize(list.width(), folder.height())));
        for (int c = 0; c < 3; ++c)
            QCOMPARE(view->header()->sectionSize(c), columns[c]);
        QCOMPARE(w.get("FrameOpt")->geometry(), frame);
        QCOMPARE(w.get("CmdRenExit")->geometry(), exit);
    }

    void aSecondaryWindowGoesBelowTheMainOneOrInItsPlace()
    {
        const QRect main(100, 50, 399, 180);
        const QRect sub(0, 0, 410, 300);
        QCOMPARE(mainwin::subFormPlace(main, sub, false), QRect(100, 230, 399, 300));
        QCOMPARE(mainwin::subFormPlace(main, sub, true), QRect(100, 50, 410, 300));
    }

    void theRenameButtonTogglesTheWindowBelowAndHandsOverTheExtension()
    {
        Seams seams;
        testsupport::CurrentFolderGuard restoreCurrentFolder;
        FakeEngine engine;
        TempFolder folder;
        const std::u16string photo = folder.pathText(u"photo.dat");
        testsupport::writeFile(folder.file("photo.dat"), "jpeg");
        engine.answer(photo, folder.folderText(), u"photo", u"dat", u"jpg");
        FormMain main(engine);
        main.Form_Load({}, u"sorvena");
        main.show();
        main.checkPath(QString::fromStdU16String(photo));
        QTest::mouseClick(control<QPushButton>(main, "CmdRenameDlg"), Qt::LeftButton);
        FormRename *rename = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!rename)
                rename = qobject_cast<FormRename *>(window);
        }
        QVERIFY(rename && rename->isVisible());
        // Outer edges: directly below, as wide as the main window unless that is narrower
        // than the rename window's opening width.
        const QRect below = main.frameGeometry();
        QCOMPARE(rename->frameGeometry().topLeft(), QPoint(below.left(), below.bottom() + 1));
        QCOMPARE(rename->width(), std::max(main.width(), rename->minimumWidth()));
        QVERIFY(rename->core().RenNewExt == u"jpg");
        QTest::mouseClick(control<QButtonGroup>(*rename, "OptRenSort")->button(1), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(*rename, "TxtFnameExt")->text(), QStringLiteral("jpg"));
        testsupport::dropFiles(rename, control<QWidget>(*rename, "ListViewFiles"),
                               {QString::fromStdU16String(photo)});

        QTest::mouseClick(control<QPushButton>(main, "CmdRenameDlg"), Qt::LeftButton);
        QVERIFY(!rename->isVisible());
        QTest::mouseClick(control<QPushButton>(main, "CmdRenameDlg"), Qt::LeftButton);
        QVERIFY(rename->isVisible());
        QCOMPARE(rename->core().RenCount, 1);  // hidden, not closed: the list is kept
        QVERIFY(seams.messages.isEmpty());
    }

    // sorvena -rename PATH...: every word after the option, past the tenth too, relative
    // ones from the folder the program was started in; a folder stands for its files.
    void theCommandLineFillsTheRenamerAlone_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("listed");
        QStringList twelve;
        for (int i = 101; i <= 112; ++i)
            twelve.append(QStringLiteral("f%1.txt").arg(i));
        QTest::newRow("twelve names") << twelve << twelve;
        QTest::newRow("the current folder") << QStringList{QStringLiteral(".")}
                                            << names({".hidden", "a.txt", "b.txt"});
        QTest::newRow("a folder and a file in it") << QStringList{QStringLiteral("sub"), QStringLiteral("sub/below.txt")}
                                                   << names({"below.txt", "below.txt"});
    }

    void theCommandLineFillsTheRenamerAlone()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, listed);
        Seams seams;
        testsupport::CurrentFolderGuard restoreCurrentFolder;
        FakeEngine engine;
        TempFolder folder;
        for (const QString &name : names({".hidden", "a.txt", "b.txt"}) + words.filter(QStringLiteral("f1")))
            folder.write(name.toStdString(), "x");
        std::filesystem::create_directory(folder.path() / "sub");
        folder.write("sub/below.txt", "x");
        std::filesystem::current_path(folder.path());
        std::vector<std::u16string> arguments{u"-rename"};
        for (const QString &word : words)
            arguments.push_back(word.toStdU16String());
        FormMain main(engine);
        main.Form_Load(arguments, u"sorvena");
        auto *rename = testsupport::shownWindow<FormRename>();
        QVERIFY(rename);
        QVERIFY(!main.isVisible());
        QStringList shown;
        for (const std::u16string &name : rename->core().RenOldName)
            shown.append(QString::fromStdU16String(name));
        QCOMPARE(shown, listed);
        QCOMPARE(seams.messages, QStringList());
        QCOMPARE(control<QLineEdit>(*rename, "TxtFolder")->text(),
                 QString::fromStdU16String(rename->core().RenDrive + rename->core().RenFolder));
    }

    void theCloseBoxHidesTheWindowOrEndsTheProgramWhenItIsAlone()
    {
        Seams seams;
        FakeEngine engine;
        FormMain main(engine);
        main.Form_Load({}, u"sorvena");
        main.show();
        FormRename rename(engine);
        rename.show();
        rename.close();
        QVERIFY(!rename.isVisible());
        QVERIFY(seams.ends.isEmpty());
        main.hide();  // the program runs for the rename window alone
        rename.show();
        rename.close();
        QCOMPARE(seams.ends.size(), 1);
        QCOMPARE(seams.ends.front(), (QList<QWidget *>{&main, &rename}));
    }
};

QTEST_MAIN(FormRenameTest)
#include "form_rename_test.moc"
