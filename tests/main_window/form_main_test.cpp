#include "engine/engine.h"
#include "main_window/form_main.h"
#include "platform/platform.h"
#include "shell/dropped_files.h"
#include "shell/seams.h"
#include "support/drop_files.h"
#include "support/fake_engine.h"
#include "support/seams_recorder.h"
#include "support/temp_folder.h"
#include "support/widgets.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <filesystem>

using namespace std::string_literals;
using testsupport::control;
using testsupport::FakeEngine;
using testsupport::TempFolder;

namespace {

const QColor MarkYellow(0xFF, 0xFF, 0xC0);

QString q(const std::u16string &s)
{
    return QString::fromStdU16String(s);
}

// A loaded main window over a scripted engine, shown unless asked not to be.
struct Main {
    FakeEngine engine;
    FormMain form{engine};
    explicit Main(bool shown = true)
    {
        form.Form_Load({}, u"sorvena");
        if (shown)
            form.show();
    }
};

} // namespace

class FormMainTest : public QObject {
    Q_OBJECT

private:
    static QString visibleArrow(FormMain &form)
    {
        QString shown;
        for (const char *name : {"ArrowQuestion", "ArrowCannot", "ArrowSame", "ArrowRight", "ArrowLeft"}) {
            if (!control<QLabel>(form, name)->isHidden())
                shown += QString::fromLatin1(name);
        }
        return shown;
    }

    static QColor baseOf(FormMain &form, const char *box)
    {
        return control<QLineEdit>(form, box)->palette().color(QPalette::Base);
    }

private slots:
    void startsEmptyWithItsCaptionAndPosition()
    {
        Main m(false);
        QCOMPARE(m.form.windowTitle(), QStringLiteral("[Sorvena] Quenbrook v1.20"));
        QCOMPARE(m.form.pos(), QPoint(13, 13));
        QCOMPARE(m.form.size(), QSize(399, 158));
        QCOMPARE(visibleArrow(m.form), QStringLiteral("ArrowQuestion"));
        QVERIFY(!control<QPushButton>(m.form, "CmdExec")->isEnabled());
        QVERIFY(control<QLineEdit>(m.form, "TextDir")->text().isEmpty());
        QCOMPARE(control<QLineEdit>(m.form, "TextDir")->placeholderText(),
                 QStringLiteral("ここにファイルをドロップ（Ctrl+O で選択）"));
        QVERIFY(m.engine.checkedPaths.empty());
    }

    // The first word only; a relative one from the folder the program was started in, the
    // folder part as the system reaches it.
    void checksTheFirstCommandLineWordFromTheCurrentFolder_data()
    {
        QTest::addColumn<QString>("word");  // {dir}: the full path of the sample's folder
        QTest::addColumn<QString>("startIn");
        QTest::newRow("full path") << "{dir}a.dat" << "";
        QTest::newRow("bare name") << "a.dat" << "";
        QTest::newRow("from a subfolder") << "../a.dat" << "sub";
        QTest::newRow("through the current folder") << "./sub/../a.dat" << "";
    }

    void checksTheFirstCommandLineWordFromTheCurrentFolder()
    {
        QFETCH(QString, word);
        QFETCH(QString, startIn);
        testsupport::CurrentFolderGuard restoreCurrentFolder;
        FakeEngine engine;
        TempFolder folder;
        std::filesystem::create_directory(folder.path() / "sub");
        std::filesystem::current_path(folder.path() / startIn.toStdString());
        const std::u16string path = folder.pathText(u"a.dat");
        engine.answer(path, folder.folderText(), u"a", u"dat", u"jpg");
        FormMain form(engine);
        word.replace(QStringLiteral("{dir}"), q(folder.driveText() + folder.folderText()));
        form.Form_Load({word.toStdU16String(), u"/second/word"}, u"sorvena");
        QCOMPARE(engine.checkedPaths, std::vector<std::u16string>{path});
        QCOMPARE(visibleArrow(form), QStringLiteral("ArrowRight"));
        QVERIFY(control<QLineEdit>(form, "TextDir")->placeholderText().isEmpty());
    }

    // Ctrl+O opens the file dialog without blocking the window; the file chosen there is
    // checked as a dropped one. Where names are bytes, a name the dialog shows with U+FFFD
    // may be another file's spelling: nothing is checked, and the box says why.
    void ctrlOChecksTheFileChosenInTheDialog()
    {
        Main m;
        m.form.activateWindow();
        QCoreApplication::processEvents();
        TempFolder folder;
        folder.write("a.dat", "x");
        const std::u16string path = folder.pathText(u"a.dat");
        m.engine.answer(path, folder.folderText(), u"a", u"dat", u"png");
        const auto choose = [&m](const std::u16string &file) {
            QTest::keyClick(&m.form, Qt::Key_O, Qt::ControlModifier);
            QFileDialog *dialog = nullptr;
            for (QFileDialog *open : m.form.findChildren<QFileDialog *>(QStringLiteral("OpenFileDialog")))
                dialog = open->isVisible() ? open : dialog;
            QVERIFY(dialog);
            dialog->selectFile(q(file));
            static_cast<QDialog *>(dialog)->accept();
        };
        choose(path);
        QCOMPARE(m.engine.checkedPaths, std::vector<std::u16string>{path});
        QCOMPARE(visibleArrow(m.form), QStringLiteral("ArrowRight"));
        if (!testsupport::namesAreBytes())
            return;
        folder.write("b\xEF\xBF\xBD.dat", "x");
        choose(folder.pathText(u"b\uFFFD.dat"));
        QCOMPARE(m.engine.checkedPaths.size(), std::size_t{1});
        QCOMPARE(control<QLineEdit>(m.form, "TextDesc")->text(), QStringLiteral("ファイル名を正しく受け取れません"));
        QCOMPARE(visibleArrow(m.form), QStringLiteral("ArrowQuestion"));
    }

    // Each state as the core decides it (the rules are its tests'): picture, colours and the
    // execute button; nothing is opened unless the button is offered, not even when its
    // handler is called directly.
    void showsEachStateWithItsImageColoursAndExecuteButton_data()
    {
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("proper");
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<bool>("exec");
        QTest::addColumn<bool>("oldYellow");
        QTest::addColumn<QString>("newName");
        QTest::newRow("11 failed") << "dat" << "<fail>" << "ArrowQuestion" << false << false << "";
        QTest::newRow("12 unknown") << "xyz" << "" << "ArrowCannot" << false << false << "f";
        QTest::newRow("13 right") << "txt" << "txt" << "ArrowSame" << true << false << "f.txt";
        QTest::newRow("21 wrong") << "dat" << "png" << "ArrowRight" << false << true << "f.png";
    }

    void showsEachStateWithItsImageColoursAndExecuteButton()
    {
        QFETCH(QString, present);
        QFETCH(QString, proper);
        QFETCH(QString, arrow);
        QFETCH(bool, exec);
        QFETCH(bool, oldYellow);
        QFETCH(QString, newName);
        testsupport::Seams seams;
        Main m(false);
        TempFolder folder;
        const std::u16string oldName = present.isEmpty() ? u"f" : u"f." + present.toStdU16String();
        const std::u16string path = folder.pathText(oldName);
        if (proper != QStringLiteral("<fail>"))
            m.engine.answer(path, folder.folderText(), u"f", present.toStdU16String(), proper.toStdU16String());
        m.form.checkPath(q(path));
        QCOMPARE(visibleArrow(m.form), arrow);
        QCOMPARE(control<QPushButton>(m.form, "CmdExec")->isEnabled(), exec);
        QCOMPARE(baseOf(m.form, "TextOldName") == MarkYellow, oldYellow);
        QVERIFY(baseOf(m.form, "TextNewName") != MarkYellow);
        QCOMPARE(control<QLineEdit>(m.form, "TextOldName")->text(), q(oldName));
        QCOMPARE(control<QLineEdit>(m.form, "TextNewName")->text(), newName);
        QMetaObject::invokeMethod(&m.form, "CmdExec_Click");
        QCOMPARE(seams.opens.size(), exec ? 1 : 0);
        QVERIFY(seams.messages.isEmpty());
    }

    void togglesARealFileBackAndForthWithTheRealEngine()
    {
        testsupport::Seams seams;
        TempFolder folder;
        folder.write("picture.txt", testsupport::tinyPng());
        engine::LibraryEngine real(platform::programFolder());
        FormMain form(real);
        form.Form_Load({}, u"sorvena");
        form.checkPath(q(folder.pathText(u"picture.txt")));
        QCOMPARE(visibleArrow(form), QStringLiteral("ArrowRight"));
        QCOMPARE(control<QLineEdit>(form, "TextNewName")->text(), QStringLiteral("picture.png"));
        QCOMPARE(control<QLineEdit>(form, "WhatExtText")->text(), QStringLiteral("png"));

        QTest::mouseClick(control<QLabel>(form, "ArrowRight"), Qt::LeftButton);
        QVERIFY(std::filesystem::exists(folder.path() / "picture.png"));
        QCOMPARE(visibleArrow(form), QStringLiteral("ArrowLeft"));
        QCOMPARE(baseOf(form, "TextNewName"), MarkYellow);
        QVERIFY(baseOf(form, "TextOldName") != MarkYellow);
        QVERIFY(control<QPushButton>(form, "CmdExec")->isEnabled());

        QTest::mouseClick(control<QPushButton>(form, "CmdExec"), Qt::LeftButton);
        QCOMPARE(seams.opens.size(), 1);
        QCOMPARE(seams.opens.front().first, q(folder.folderText()));
        QCOMPARE(seams.opens.front().second, QStringLiteral("picture.png"));

        QTest::mouseClick(control<QLabel>(form, "ArrowLeft"), Qt::LeftButton);
        QVERIFY(std::filesystem::exists(folder.path() / "picture.txt"));
        QCOMPARE(visibleArrow(form), QStringLiteral("ArrowRight"));
        QCOMPARE(baseOf(form, "TextOldName"), MarkYellow);
        QVERIFY(!control<QPushButton>(form, "CmdExec")->isEnabled());
        // The colour of the last rename stays until another rename state.
        folder.write("right.png", testsupport::tinyPng());
        form.checkPath(q(folder.pathText(u"right.png")));
        QCOMPARE(visibleArrow(form), QStringLiteral("ArrowSame"));
        QCOMPARE(baseOf(form, "TextOldName"), MarkYellow);
        QVERIFY(seams.messages.isEmpty());
    }

    // Where the drag falls decides, not where it entered; only the window and its four
    // result boxes take files; the answer is copy, else link, never move; a drop checks its
    // first file only.
    void aDropIsTakenWhereItFallsAsCopyOrLinkAndChecksTheFirstFile_data()
    {
        QTest::addColumn<QString>("enterAt");  // empty: the window itself
        QTest::addColumn<QString>("dropAt");
        QTest::addColumn<int>("offered");
        QTest::addColumn<bool>("web");
        QTest::addColumn<int>("answered");
        const int every = int((Qt::CopyAction | Qt::MoveAction | Qt::LinkAction).toInt());
        const int copy = int(Qt::CopyAction);
        const int none = int(Qt::IgnoreAction);
        QTest::newRow("window") << "" << "" << every << false << copy;
        for (const char *box : {"TextDir", "TextOldName", "TextNewName", "TextDesc", "ArrowQuestion"})
            QTest::newRow(box) << box << box << every << false << copy;
        for (const char *other : {"WhatExtText", "CmdExit"})
            QTest::newRow(other) << other << other << every << false << none;
        QTest::newRow("web link") << "" << "" << every << true << none;
        QTest::newRow("entered over a box, falls on a button") << "TextOldName" << "CmdExit" << every << false << none;
        QTest::newRow("entered over a button, falls on a box") << "CmdExit" << "TextOldName" << every << false << copy;
        QTest::newRow("move, link") << "TextDir" << "TextDir" << int((Qt::MoveAction | Qt::LinkAction).toInt())
                                    << false << int(Qt::LinkAction);
        QTest::newRow("move only") << "TextDir" << "TextDir" << int(Qt::MoveAction) << false << none;
    }

    void aDropIsTakenWhereItFallsAsCopyOrLinkAndChecksTheFirstFile()
    {
        QFETCH(QString, enterAt);
        QFETCH(QString, dropAt);
        QFETCH(int, offered);
        QFETCH(bool, web);
        QFETCH(int, answered);
        Main m;
        const auto at = [&m](const QString &name) {  // the window's own spot is off every control
            if (name.isEmpty())
                return QPoint(2, 2);
            return testsupport::middleOf(&m.form, control<QWidget>(m.form, name.toLatin1().constData()));
        };
        QMimeData data;
        if (web)
            data.setUrls({QUrl(QStringLiteral("https://example.org/a.png"))});
        else
            data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/first.dat")),
                          QUrl::fromLocalFile(QStringLiteral("/tmp/second.dat"))});
        const Qt::DropActions actions = Qt::DropActions::fromInt(offered);
        QCOMPARE(int(testsupport::dragAndDrop(&m.form, data, at(enterAt), at(dropAt), actions)), answered);
        // The path as the platform spells it: native separators.
        const std::u16string first = QDir::toNativeSeparators(QStringLiteral("/tmp/first.dat")).toStdU16String();
        QCOMPARE(m.engine.checkedPaths,
                 answered == int(Qt::IgnoreAction) ? std::vector<std::u16string>() : std::vector<std::u16string>{first});
    }

    void aDroppedNameThatIsNotUtf8ReachesTheEngineExactlyAndShowsReadably()
    {
        if (!testsupport::namesAreBytes())
            QSKIP("file names on Windows are UTF-16: no name holds bytes that are not UTF-8");
        Main m;
        TempFolder folder;
        const std::u16string path = folder.pathText(u"photo\xDCFF.txt");
        m.engine.answer(path, folder.folderText(), u"photo\xDCFF", u"txt", u"png");
        QMimeData data;
        data.setData(QStringLiteral("text/uri-list"),
                     QUrl::fromLocalFile(q(folder.folderText())).toEncoded() + "photo%FF.txt\r\n");
        const QPoint box = testsupport::middleOf(&m.form, control<QWidget>(m.form, "TextDesc"));
        QCOMPARE(testsupport::dragAndDrop(&m.form, data, box, box), Qt::CopyAction);
        QCOMPARE(m.engine.checkedPaths, std::vector<std::u16string>{path});
    }

    void aUriListGivesTheLocalFilesItNamesByteForByte()
    {
        if (!testsupport::namesAreBytes())
            QSKIP("this list is POSIX's: on Windows names are UTF-16, separators are backslashes and a host names a network share");
        // A NUL, raw or escaped, stays where it is (the windows refuse such a path whole);
        // only NULs that end the whole list, as a C string ends, are no part of a name.
        const std::string list = "# a comment\r\n"
                                 "file:///tmp/a%20b.txt\r\n"
                                 "file://localhost/tmp/%E5%86%99.jpg\n"
                                 "FILE:/tmp/c%ff\r\n"
                                 "file://otherhost/tmp/remote.txt\r\n"
                                 "https://example.org/web.png\r\n"
                                 "file:///tmp/slash%2Fin-name\r\n"
                                 "file:///tmp/broken%4\r\n"
                                 "file:///tmp/query?x#y\r\n"
                                 "file:///tmp/victim\0zzz/A.TXT\r\n"
                                 "file:///tmp/victim/B.TXT\0\r\n"
                                 "file:///tmp/escaped%00nul\r\n"
                                 "file:///tmp/last.txt\0\0"s;
        const std::vector<std::u16string> expected = {u"/tmp/a b.txt", u"/tmp/写.jpg", u"/tmp/c\xDCFF", u"/tmp/query",
                                                      u"/tmp/victim\0zzz/A.TXT"s, u"/tmp/victim/B.TXT\0"s,
                                                      u"/tmp/escaped\0nul"s, u"/tmp/last.txt"};
        QCOMPARE(shell::localFilesOfUriList(list), expected);
        // What names no local file is kept as written, for the renamer to say it left it out.
        const std::vector<std::u16string> leftOut = {u"file://otherhost/tmp/remote.txt", u"https://example.org/web.png",
                                                     u"file:///tmp/slash%2Fin-name", u"file:///tmp/broken%4"};
        QCOMPARE(shell::localItemsOfUriList(list).leftOut, leftOut);
    }

    // A dropped path with a NUL would reach the system cut short, naming the victim's
    // A.TXT (which the real engine would find misnamed and the arrow would rename), or
    // making the victim folder current. It is refused whole: state 11 with the reason,
    // and nothing on disk or in the process changes.
    void aPathWithANulIsNotCheckedAndTouchesNothing_data()
    {
        QTest::addColumn<QByteArray>("tail");  // after the folder's address
        QTest::newRow("NUL after the name") << QByteArray("victim/A.TXT\0zzz", 16);
        QTest::newRow("NUL in the folder") << QByteArray("victim\0zzz/A.TXT", 16);
        QTest::newRow("escaped NUL") << QByteArray("victim/A.TXT%00zzz");
    }

    void aPathWithANulIsNotCheckedAndTouchesNothing()
    {
        QFETCH(QByteArray, tail);
        testsupport::Seams seams;
        testsupport::CurrentFolderGuard restoreCurrentFolder;
        TempFolder elsewhere, folder;
        QVERIFY(platform::setCurrentFolder(elsewhere.path().u16string()));
        std::filesystem::create_directory(folder.path() / "victim");
        testsupport::writeFile(folder.path() / "victim" / "A.TXT", "plain text\n");
        engine::LibraryEngine real(platform::programFolder());
        FormMain form(real);
        form.Form_Load({}, u"sorvena");
        form.show();
        QMimeData data;
        data.setData(QStringLiteral("text/uri-list"),
                     QUrl::fromLocalFile(q(folder.folderText())).toEncoded() + tail + "\r\n");
        const QPoint box = testsupport::middleOf(&form, control<QWidget>(form, "TextDir"));
        QCOMPARE(testsupport::dragAndDrop(&form, data, box, box), Qt::CopyAction);
        QCOMPARE(form.core().CheckState, int16_t(11));
        QCOMPARE(visibleArrow(form), QStringLiteral("ArrowQuestion"));
        QCOMPARE(control<QLineEdit>(form, "TextDesc")->text(), QStringLiteral("ファイル名に使えない文字を含むパスです"));
        // The path shows as dropped, the NUL readably.
        const QString shown = control<QLineEdit>(form, "TextDir")->text() + control<QLineEdit>(form, "TextOldName")->text();
        QVERIFY(shown.endsWith(QDir::toNativeSeparators(QString::fromLatin1(tail))
                                   .replace(QStringLiteral("%00"), QStringLiteral("\\x00"))
                                   .replace(QChar(u'\0'), QStringLiteral("\\x00"))));
        QCOMPARE(std::filesystem::current_path(), elsewhere.path());
        std::vector<std::u16string> names;
        for (const auto &entry : std::filesystem::directory_iterator(folder.path() / "victim"))
            names.push_back(entry.path().filename().u16string());
        QCOMPARE(names, std::vector<std::u16string>{u"A.TXT"});
        QVERIFY(seams.messages.isEmpty());
    }

    void extensionSearchRunsFromTheButtonAndFromEnter()
    {
        Main m(false);
        m.engine.descriptions[u"png"] = {u"PNG 画像", u"PNG（別）"};
        auto *box = control<QLineEdit>(m.form, "WhatExtText");
        auto *desc = control<QLineEdit>(m.form, "TextDesc");
        box->setText(QStringLiteral("png"));
        QTest::mouseClick(control<QPushButton>(m.form, "CmdExtention"), Qt::LeftButton);
        QCOMPARE(desc->text(), QStringLiteral(" 1: PNG 画像"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(desc->text(), QStringLiteral(" 2: PNG（別）"));
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(desc->text(), QStringLiteral("???"));
    }

    void exitAndTheCloseBoxBothEndTheProgramWithTheMainWindowLast()
    {
        testsupport::Seams seams;
        Main first;
        QTest::mouseClick(control<QPushButton>(first.form, "CmdExit"), Qt::LeftButton);
        Main second;
        second.form.close();
        QCOMPARE(seams.ends.size(), 2);
        QCOMPARE(seams.ends.front().back(), &first.form);
        QCOMPARE(seams.ends.back().back(), &second.form);
    }
};

QTEST_MAIN(FormMainTest)
#include "form_main_test.moc"
