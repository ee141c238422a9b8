#include "engine/engine.h"
#include "main_window/form_main.h"
#include "platform/platform.h"
#include "shell/dropped_files.h"
#include "shell/seams.h"
#include "support/fake_engine.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <filesystem>

using testsupport::FakeEngine;
using testsupport::TempFolder;

namespace {

const QColor MarkYellow(0xFF, 0xFF, 0xC0);

QString q(const std::u16string &s)
{
    return QString::fromStdU16String(s);
}

// Records what the window would have done for real through its seams, and hands the
// seams back as it found them, so no handler outlives the recorder it points into.
struct SeamRecorder {
    QList<QList<QWidget *>> ends;
    QList<QPair<QString, QString>> opens;
    shell::EndHandler previousEnd;
    shell::OpenHandler previousOpen;
    shell::MessageHandler previousMessage;
    SeamRecorder()
    {
        previousEnd = shell::setEndHandler([this](const QList<QWidget *> &w) { ends.append(w); });
        previousOpen = shell::setOpenHandler([this](const std::u16string &folder, const std::u16string &name) {
            opens.append({q(folder), q(name)});
            return true;
        });
        previousMessage = shell::setMessageHandler([](QWidget *, const QString &text) {
            QFAIL(qPrintable(QStringLiteral("unexpected message box: ") + text));
        });
    }
    ~SeamRecorder()
    {
        shell::setEndHandler(std::move(previousEnd));
        shell::setOpenHandler(std::move(previousOpen));
        shell::setMessageHandler(std::move(previousMessage));
    }
    SeamRecorder(const SeamRecorder &) = delete;
    SeamRecorder &operator=(const SeamRecorder &) = delete;
};

} // namespace

class FormMainTest : public QObject {
    Q_OBJECT

private:
    template <typename T>
    static T *control(FormMain &form, const char *name)
    {
        auto *widget = form.findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control named %s", name);
        return widget;
    }

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

    static QPoint spotOf(FormMain &form, QWidget *target)
    {
        return target == &form ? QPoint(2, 2) : target->geometry().center();
    }

    // Delivers a drag as the window system does: it enters at one spot, moves to another
    // and falls there, with Shift held, which proposes a move wherever one is offered. The
    // moves and the drop reach the window only once it took the entry. Gives the action
    // the drop was answered with (IgnoreAction when refused).
    static Qt::DropAction drag(FormMain &form, QWidget *enterAt, QWidget *dropAt, const QMimeData &data,
                               Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction)
    {
        const QPoint from = spotOf(form, enterAt);
        const QPoint to = spotOf(form, dropAt);
        QDragEnterEvent enter(from, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(&form, &enter);
        for (const QPoint &at : {from, to}) {
            QDragMoveEvent move(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
            QCoreApplication::sendEvent(&form, &move);
        }
        QDropEvent event(to, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        event.setAccepted(false);
        QCoreApplication::sendEvent(&form, &event);
        return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
    }

    static void drop(FormMain &form, QWidget *target, const QList<QUrl> &urls)
    {
        QMimeData data;
        data.setUrls(urls);
        drag(form, target, target, data);
    }

private slots:
    void startsEmptyWithCaptionAndPosition()
    {
        FakeEngine engine;
        FormMain form(engine);
        form.Form_Load({}, u"sorvena");
        QCOMPARE(form.windowTitle(), QStringLiteral("[Sorvena] Quenbrook v1.20"));
        QCOMPARE(form.pos(), QPoint(13, 13));
        QCOMPARE(form.size(), QSize(399, 158));
        QCOMPARE(visibleArrow(form), QStringLiteral("ArrowQuestion"));
        QVERIFY(!control<QPushButton>(form, "CmdExec")->isEnabled());
        QVERIFY(control<QLineEdit>(form, "TextDir")->text().isEmpty());
        QVERIFY(engine.checkedPaths.empty());
    }

    void checksOnlyTheFirstCommandLineWord()
    {
        FakeEngine engine;
        TempFolder folder;
        const std::u16string path = folder.pathText(u"a.dat");
        engine.answer(path, folder.folderText(), u"a", u"dat", u"jpg");
        FormMain form(engine);
        form.Form_Load({path, u"/second/word"}, u"sorvena");
        QCOMPARE(engine.checkedPaths, std::vector<std::u16string>{path});
        QCOMPARE(visibleArrow(form), QStringLiteral("ArrowRight"));
        QCOMPARE(control<QLineEdit>(form, "TextNewName")->text(), QStringLiteral("a.jpg"));
    }

    void everyControlIsNamedAndInsideTheWindow()
    {
        FakeEngine engine;
        FormMain form(engine);
        const QRect client(QPoint(0, 0), form.size());
        for (const char *name : {"TextDir", "TextOldName", "TextNewName", "TextDesc", "WhatExtText",
                                 "ArrowQuestion", "ArrowCannot", "ArrowSame", "ArrowRight", "ArrowLeft",
                                 "CmdAbout", "CmdExtDic", "CmdRenameDlg", "CmdExec", "CmdExit",
                                 "CmdExtention"}) {
            QWidget *w = control<QWidget>(form, name);
            QVERIFY2(client.contains(w->geometry()), name);
        }
        QCOMPARE(control<QLineEdit>(form, "WhatExtText")->font().bold(), true);
        QCOMPARE(control<QLineEdit>(form, "TextDesc")->font().pointSizeF(), 11.25);
        QCOMPARE(form.palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xC0));
    }

    void showsEachStateWithItsImageColoursAndExecuteButton_data()
    {
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("proper");
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<bool>("exec");
        QTest::addColumn<bool>("oldYellow");
        QTest::newRow("11 failed") << "" << "<fail>" << "ArrowQuestion" << false << false;
        QTest::newRow("12 unknown") << "xyz" << "" << "ArrowCannot" << false << false;
        QTest::newRow("13 right") << "txt" << "txt" << "ArrowSame" << true << false;
        QTest::newRow("13 program") << "com" << "com" << "ArrowSame" << false << false;
        QTest::newRow("21 wrong") << "dat" << "png" << "ArrowRight" << false << true;
    }

    void showsEachStateWithItsImageColoursAndExecuteButton()
    {
        QFETCH(QString, present);
        QFETCH(QString, proper);
        QFETCH(QString, arrow);
        QFETCH(bool, exec);
        QFETCH(bool, oldYellow);
        FakeEngine engine;
        TempFolder folder;
        const std::u16string name = u"f." + present.toStdU16String();
        const std::u16string path = folder.pathText(name);
        if (proper != QStringLiteral("<fail>"))
            engine.answer(path, folder.folderText(), u"f", present.toStdU16String(), proper.toStdU16String());
        FormMain form(engine);
        form.Form_Load({}, u"sorvena");
        form.checkPath(q(path));
        QCOMPARE(visibleArrow(form), arrow);
        QCOMPARE(control<QPushButton>(form, "CmdExec")->isEnabled(), exec);
        QCOMPARE(baseOf(form, "TextOldName") == MarkYellow, oldYellow);
        QVERIFY(baseOf(form, "TextNewName") != MarkYellow);
    }

    void togglesARealFileBackAndForthWithTheRealEngine()
    {
        SeamRecorder seams;
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
        QVERIFY(!std::filesystem::exists(folder.path() / "picture.txt"));
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
        QVERIFY(!std::filesystem::exists(folder.path() / "picture.png"));
        QCOMPARE(visibleArrow(form), QStringLiteral("ArrowRight"));
        QCOMPARE(baseOf(form, "TextOldName"), MarkYellow);
        QVERIFY(!control<QPushButton>(form, "CmdExec")->isEnabled());
    }

    void colourKeepsFromTheLastRenameUntilAnotherRenameState()
    {
        TempFolder folder;
        folder.write("a.txt", testsupport::tinyPng());
        folder.write("b.png", testsupport::tinyPng());
        engine::LibraryEngine real(platform::programFolder());
        FormMain form(real);
        form.Form_Load({}, u"sorvena");
        form.show();
        form.checkPath(q(folder.pathText(u"a.txt")));
        QTest::mouseClick(control<QLabel>(form, "ArrowRight"), Qt::LeftButton);
        QCOMPARE(baseOf(form, "TextNewName"), MarkYellow);
        form.checkPath(q(folder.pathText(u"b.png")));
        QCOMPARE(visibleArrow(form), QStringLiteral("ArrowSame"));
        QCOMPARE(baseOf(form, "TextNewName"), MarkYellow);
    }

    void aDropChecksOnlyTheFirstFileOnAnyOfItsFiveTargets()
    {
        FakeEngine engine;
        FormMain form(engine);
        form.Form_Load({}, u"sorvena");
        form.show();
        const QList<QUrl> urls = {QUrl::fromLocalFile(QStringLiteral("/tmp/first.dat")),
                                  QUrl::fromLocalFile(QStringLiteral("/tmp/second.dat")),
                                  QUrl::fromLocalFile(QStringLiteral("/tmp/third.dat"))};
        QList<QWidget *> targets = {&form};
        for (const char *box : {"TextDir", "TextOldName", "TextNewName", "TextDesc"})
            targets.append(control<QWidget>(form, box));
        for (QWidget *target : targets)
            drop(form, target, urls);
        // The path as the platform spells it: native separators.
        const std::u16string first = QDir::toNativeSeparators(QStringLiteral("/tmp/first.dat")).toStdU16String();
        QCOMPARE(engine.checkedPaths, std::vector<std::u16string>(5, first));
    }

    void dropsOnOtherControlsAndDropsOfNonFilesAreIgnored()
    {
        FakeEngine engine;
        FormMain form(engine);
        form.Form_Load({}, u"sorvena");
        form.show();
        const QList<QUrl> file = {QUrl::fromLocalFile(QStringLiteral("/tmp/a.dat"))};
        for (const char *other : {"WhatExtText", "CmdExit", "ArrowQuestion"})
            drop(form, control<QWidget>(form, other), file);
        drop(form, &form, {QUrl(QStringLiteral("https://example.org/a.png"))});
        QVERIFY(engine.checkedPaths.empty());
    }

    void whereTheDragFallsDecidesNotWhereItEntered()
    {
        FakeEngine engine;
        FormMain form(engine);
        form.Form_Load({}, u"sorvena");
        form.show();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.dat"))});
        auto *button = control<QWidget>(form, "CmdExit");
        auto *box = control<QWidget>(form, "TextOldName");
        QCOMPARE(drag(form, box, button, data), Qt::IgnoreAction);
        QVERIFY(engine.checkedPaths.empty());
        QCOMPARE(drag(form, button, box, data), Qt::CopyAction);
        QCOMPARE(engine.checkedPaths,
                 std::vector<std::u16string>{QDir::toNativeSeparators(QStringLiteral("/tmp/a.dat")).toStdU16String()});
    }

    void aDropIsAnsweredWithCopyOrLinkNeverMove_data()
    {
        QTest::addColumn<int>("offered");
        QTest::addColumn<int>("answered");
        QTest::newRow("copy, move, link") << int((Qt::CopyAction | Qt::MoveAction | Qt::LinkAction).toInt()) << int(Qt::CopyAction);
        QTest::newRow("move, link") << int((Qt::MoveAction | Qt::LinkAction).toInt()) << int(Qt::LinkAction);
        QTest::newRow("move only") << int(Qt::MoveAction) << int(Qt::IgnoreAction);
    }

    void aDropIsAnsweredWithCopyOrLinkNeverMove()
    {
        QFETCH(int, offered);
        QFETCH(int, answered);
        FakeEngine engine;
        FormMain form(engine);
        form.Form_Load({}, u"sorvena");
        form.show();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.dat"))});
        auto *box = control<QWidget>(form, "TextDir");
        QCOMPARE(int(drag(form, box, box, data, Qt::DropActions::fromInt(offered))), answered);
        QCOMPARE(engine.checkedPaths.size(), std::size_t(answered == Qt::IgnoreAction ? 0 : 1));
    }

    void aDroppedNameThatIsNotUtf8ReachesTheEngineExactlyAndShowsReadably()
    {
        if (!testsupport::namesAreBytes())
            QSKIP("file names on Windows are UTF-16: no name holds bytes that are not UTF-8");
        FakeEngine engine;
        TempFolder folder;
        const std::u16string path = folder.pathText(u"photo\xDCFF.txt");
        engine.answer(path, folder.folderText(), u"photo\xDCFF", u"txt", u"png");
        FormMain form(engine);
        form.Form_Load({}, u"sorvena");
        form.show();
        QMimeData data;
        data.setData(QStringLiteral("text/uri-list"),
                     QUrl::fromLocalFile(q(folder.folderText())).toEncoded() + "photo%FF.txt\r\n");
        auto *box = control<QWidget>(form, "TextDesc");
        QCOMPARE(drag(form, box, box, data), Qt::CopyAction);
        QCOMPARE(engine.checkedPaths, std::vector<std::u16string>{path});
        QCOMPARE(control<QLineEdit>(form, "TextOldName")->text(), QStringLiteral("photo\\xFF.txt"));
        QCOMPARE(control<QLineEdit>(form, "TextNewName")->text(), QStringLiteral("photo\\xFF.png"));
    }

    void aUriListGivesTheLocalFilesItNamesByteForByte()
    {
        if (!testsupport::namesAreBytes())
            QSKIP("this list is POSIX's: on Windows names are UTF-16, separators are backslashes and a host names a network share");
        const QByteArray list = "# a comment\r\n"
                                "file:///tmp/a%20b.txt\r\n"
                                "file://localhost/tmp/%E5%86%99.jpg\n"
                                "FILE:/tmp/c%ff\r\n"
                                "file://otherhost/tmp/remote.txt\r\n"
                                "https://example.org/web.png\r\n"
                                "file:///tmp/slash%2Fin-name\r\n"
                                "file:///tmp/broken%4\r\n"
                                "file:///tmp/query?x#y\r\n";
        const std::vector<std::u16string> expected = {u"/tmp/a b.txt", u"/tmp/写.jpg", u"/tmp/c\xDCFF",
                                                      u"/tmp/query"};
        QCOMPARE(shell::localFilesOfUriList(std::string_view(list.constData(), list.size())), expected);
    }

    void extensionSearchRunsFromTheButtonAndFromEnter()
    {
        FakeEngine engine;
        engine.descriptions[u"png"] = {u"PNG 画像", u"PNG（別）"};
        FormMain form(engine);
        form.Form_Load({}, u"sorvena");
        auto *box = control<QLineEdit>(form, "WhatExtText");
        auto *desc = control<QLineEdit>(form, "TextDesc");
        box->setText(QStringLiteral("png"));
        QTest::mouseClick(control<QPushButton>(form, "CmdExtention"), Qt::LeftButton);
        QCOMPARE(desc->text(), QStringLiteral(" 1: PNG 画像"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(desc->text(), QStringLiteral(" 2: PNG（別）"));
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(desc->text(), QStringLiteral("???"));
        QTest::mouseClick(control<QPushButton>(form, "CmdExtention"), Qt::LeftButton);
        QCOMPARE(desc->text(), QStringLiteral(" 1: PNG 画像"));
    }

    void exitAndTheCloseBoxBothEndTheProgramWithTheMainWindowLast()
    {
        SeamRecorder seams;
        FakeEngine engine;
        FormMain form(engine);
        form.Form_Load({}, u"sorvena");
        form.show();
        QTest::mouseClick(control<QPushButton>(form, "CmdExit"), Qt::LeftButton);
        QCOMPARE(seams.ends.size(), 1);
        QCOMPARE(seams.ends.front().back(), &form);

        FormMain second(engine);
        second.Form_Load({}, u"sorvena");
        second.show();
        second.close();
        QCOMPARE(seams.ends.size(), 2);
        QCOMPARE(seams.ends.back().back(), &second);
    }

    void executeIsNeverOfferedForAFileWithTheWrongName()
    {
        SeamRecorder seams;
        FakeEngine engine;
        TempFolder folder;
        const std::u16string path = folder.pathText(u"a.dat");
        engine.answer(path, folder.folderText(), u"a", u"dat", u"png");
        FormMain form(engine);
        form.Form_Load({}, u"sorvena");
        form.checkPath(q(path));
        auto *exec = control<QPushButton>(form, "CmdExec");
        QVERIFY(!exec->isEnabled());
        QMetaObject::invokeMethod(&form, "CmdExec_Click");
        QVERIFY(seams.opens.isEmpty());
    }
};

QTEST_MAIN(FormMainTest)
#include "form_main_test.moc"
