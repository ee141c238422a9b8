// The about window, the main window's about button, and the start options that open the
// secondary windows, headless.
#include "about/form_about.h"
#include "dictionary/form_ext_dic.h"
#include "main_window/form_main.h"
#include "rename/form_rename.h"
#include "shell/module1.h"
#include "shell/seams.h"
#include "support/fake_engine.h"
#include "support/seams_recorder.h"
#include "support/temp_folder.h"
#include "support/widgets.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using testsupport::FakeEngine;
using testsupport::control;
using testsupport::shownWindow;
using testsupport::TempFolder;

namespace {

using testsupport::Seams;

// Counts the times a window is shown, however briefly.
struct ShowCounter : QObject {
    int shows = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        shows += event->type() == QEvent::Show;
        return false;
    }
};

QString shownText(FormAbout &about)
{
    return control<QPlainTextEdit>(about, "TextDesc")->toPlainText();
}

const std::string Readme = "before\r\n-a-\r\nabout text\r\n-x-\r\n-c-\r\nkinds\r\n-x-\r\n"
                           "-d-\r\ndictionary\r\n-x-\r\n-r-\r\nrenamer\r\n\r\nsteps\r\n-x-\r\n";

} // namespace

class FormAboutTest : public QObject {
    Q_OBJECT

    TempFolder folder;

    void useReadme(const std::string &bytes)
    {
        folder.write("readme.txt", bytes);
        Module1::ReadmePath = folder.pathText(u"readme.txt");
    }

private slots:
    void init()
    {
        useReadme(Readme);
    }

    // Places, sizes and fonts are the layout table's and show in the README's pictures;
    // the words are the program's own.
    void captionsAreTheProgramsOwn()
    {
        FormAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        const std::pair<const char *, const char16_t *> captions[] = {
            {"Command2", u"種別"},
            {"Command3", u"辞書"},
            {"Command4", u"File名"},
            {"LabelTitle", u"Sorvena (Quenbrook) Ver.1.20"},
        };
        for (const auto &[name, caption] : captions)
            QCOMPARE(control(about, name)->property("text").toString(), QString::fromUtf16(caption));
    }

    void eachButtonShowsItsSectionReadAfresh()
    {
        Seams seams;
        FormAbout about;
        QCOMPARE(shownText(about), QStringLiteral("about text\n"));
        // The usage button's picture: a page with a large red question mark.
        QVERIFY(testsupport::redPixels(control<QPushButton>(about, "Command1")->icon(), QSize(32, 32)) > 60);
        const struct {
            const char *button;
            const char16_t *mark;
            const char *shown;
        } buttons[] = {
            {"Command2", u"-c-", "kinds\n"},
            {"Command3", u"-d-", "dictionary\n"},
            {"Command4", u"-r-", "renamer\n\nsteps\n"},
            {"Command1", u"-a-", "about text\n"},
        };
        for (const auto &b : buttons) {
            QTest::mouseClick(control<QPushButton>(about, b.button), Qt::LeftButton);
            QVERIFY(about.sectionMark() == b.mark);
            QCOMPARE(shownText(about), QString::fromUtf8(b.shown));
        }
        useReadme("-a-\r\nedited\r\n-x-\r\n");
        QTest::mouseClick(control<QPushButton>(about, "Command1"), Qt::LeftButton);
        QCOMPARE(shownText(about), QStringLiteral("edited\n"));
        QTest::mouseClick(control<QPushButton>(about, "Command2"), Qt::LeftButton);
        QCOMPARE(shownText(about), QStringLiteral("Readme.txt に説明が含まれていません。"));
        QVERIFY(seams.messages.isEmpty());
    }

    // A section is read whole: the pane opens with room for thirty lines and takes
    // whatever the window grows by; the window never gets shorter than it was drawn.
    void theTextPaneGrowsWithTheWindow()
    {
        FormAbout about;
        QWidget *pane = control(about, "TextDesc");
        QVERIFY(pane->height() >= 30 * pane->fontMetrics().lineSpacing());
        const QSize opened = pane->size();
        about.show();
        about.resize(about.width(), about.height() + 200);
        QCOMPARE(pane->size(), opened + QSize(0, 200));
        QCOMPARE(pane->pos(), QPoint(8, 72));
        about.resize(100, 100);
        QCOMPARE(about.size(), QSize(402, 225));
        QCOMPARE(pane->height(), 144);
    }

    void aMissingReadmeIsReportedAtLoadAndAtEveryClick()
    {
        Seams seams;
        Module1::ReadmePath = folder.pathText(u"no-readme.txt");
        FormAbout about;
        const QString missing = QStringLiteral("Readme.txt ファイルがありません");
        QCOMPARE(shownText(about), missing);
        QCOMPARE(seams.messages, QStringList{missing});
        QTest::mouseClick(control<QPushButton>(about, "Command3"), Qt::LeftButton);
        QCOMPARE(seams.messages, (QStringList{missing, missing}));
        QCOMPARE(shownText(about), missing);
        // The window stays usable: the file back, the next click shows it.
        Module1::ReadmePath = folder.pathText(u"readme.txt");
        QTest::mouseClick(control<QPushButton>(about, "Command3"), Qt::LeftButton);
        QCOMPARE(shownText(about), QStringLiteral("dictionary\n"));
    }

    void theAboutButtonTogglesTheWindowBelowAndShowsTheCaptions()
    {
        Seams seams;
        FakeEngine engine;
        TempFolder files;
        const std::u16string photo = files.pathText(u"photo.dat");
        engine.answer(photo, files.folderText(), u"photo", u"dat", u"jpg");
        FormMain main(engine);
        main.Form_Load({photo}, u"sorvena");
        Module1::ReadmePath = folder.pathText(u"readme.txt");
        main.show();
        QCOMPARE(control<QLineEdit>(main, "TextOldName")->text(), QStringLiteral("photo.dat"));
        QPushButton *button = control<QPushButton>(main, "CmdAbout");
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        FormAbout *about = shownWindow<FormAbout>();
        QVERIFY(about);
        const QRect below = main.frameGeometry();
        QCOMPARE(about->frameGeometry().topLeft(), QPoint(below.left(), below.bottom() + 1));
        QCOMPARE(about->frameGeometry().width(), below.width());
        // The captions stand in the boxes while the help is open.
        QVERIFY(control<QLineEdit>(main, "TextOldName")->text() != QStringLiteral("photo.dat"));
        QVERIFY(!control<QPushButton>(main, "CmdExec")->isEnabled());

        QTest::mouseClick(control<QPushButton>(*about, "Command4"), Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!about->isVisible());
        QCOMPARE(control<QLineEdit>(main, "TextOldName")->text(), QStringLiteral("photo.dat"));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(about->isVisible());
        QVERIFY(about->sectionMark() == u"-r-");  // hidden, not reloaded

        // The close box hides it as the button does, and the program goes on.
        about->close();
        QVERIFY(!about->isVisible());
        QVERIFY(main.isVisible());
        QVERIFY(seams.ends.isEmpty());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(about->isVisible() && about->sectionMark() == u"-r-");
        // Another secondary window takes its place.
        QTest::mouseClick(control<QPushButton>(main, "CmdExtDic"), Qt::LeftButton);
        QVERIFY(!about->isVisible());
        QVERIFY(shownWindow<FormExtDic>());
        QTest::mouseClick(control<QPushButton>(main, "CmdExit"), Qt::LeftButton);
        QCOMPARE(seams.ends.size(), 1);
        QCOMPARE(seams.ends.front().front(), about);
    }

    // Which word or name chooses which start is the start options' own test; these rows
    // see each start open its windows.
    void startOptionsOpenTheirWindows_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("shown");  // the windows on screen, in a fixed order
        QTest::addColumn<bool>("checked");   // the first word went to the check
        QTest::newRow("-about") << QStringList{"-about"} << "sorvena" << "FormMain FormAbout" << false;
        QTest::newRow("-dic") << QStringList{"-dic"} << "sorvena" << "FormMain FormExtDic" << false;
        QTest::newRow("-rename") << QStringList{"-rename"} << "sorvena" << "FormRename" << false;
        QTest::newRow("-About") << QStringList{"-About"} << "sorvena" << "FormMain" << true;
        QTest::newRow("no words") << QStringList{} << "sorvena" << "FormMain" << false;
        // The program's name reaches the choice too.
        QTest::newRow("renamer link") << QStringList{} << "MyReName" << "FormRename" << false;
    }

    void startOptionsOpenTheirWindows()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, program);
        QFETCH(QString, shown);
        QFETCH(bool, checked);
        Seams seams;
        FakeEngine engine;
        // A word that is no option is a file named from the folder the program started in.
        testsupport::CurrentFolderGuard restoreCurrentFolder;
        TempFolder startedIn;
        std::filesystem::current_path(startedIn.path());
        std::vector<std::u16string> given;
        for (const QString &word : words)
            given.push_back(word.toStdU16String());
        {
            FormMain main(engine);
            ShowCounter mainShown;
            main.installEventFilter(&mainShown);
            main.Form_Load(given, program.toStdU16String());
            // What the program's entry does after the start-up sequence.
            main.showAtStart();
            QStringList onScreen;
            for (const char *name : {"FormMain", "FormAbout", "FormExtDic", "FormRename"}) {
                for (QWidget *window : QApplication::topLevelWidgets()) {
                    if (window->objectName() == QLatin1String(name) && window->isVisible())
                        onScreen.append(QString::fromLatin1(name));
                }
            }
            QCOMPARE(onScreen.join(QChar(' ')), shown);
            QCOMPARE(engine.checkedPaths.size(), std::size_t(checked ? 1 : 0));
            if (checked)
                QVERIFY(engine.checkedPaths.front() == startedIn.pathText(given.front()));
            if (FormRename *rename = shownWindow<FormRename>()) {
                // In the main window's place; its exit ends the program.
                QCOMPARE(rename->pos(), main.pos());
                QTest::mouseClick(control<QPushButton>(*rename, "CmdRenExit"), Qt::LeftButton);
                QCOMPARE(seams.ends.size(), 1);
                QCOMPARE(mainShown.shows, 0);
            }
        }
        // Whatever the main window opened goes with it.
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }
};

QTEST_MAIN(FormAboutTest)
#include "form_about_test.moc"
