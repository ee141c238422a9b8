// The about window, the main window's about button, and the start options that open the
// secondary windows, headless.
#include "about/form_about.h"
#include "dictionary/form_ext_dic.h"
#include "main_window/form_main.h"
#include "platform/platform.h"
#include "rename/form_rename.h"
#include "shell/module1.h"
#include "shell/seams.h"
#include "support/fake_engine.h"
#include "support/seams_recorder.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using testsupport::FakeEngine;
using testsupport::TempFolder;

namespace {

using testsupport::Seams;

template <typename T>
T *control(QWidget &window, const char *name)
{
    auto *widget = window.findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control named %s", name);
    return widget;
}

template <typename T>
T *shownWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<T *>(window); found && found->isVisible())
            return found;
    }
    return nullptr;
}

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

    void controlsColoursAndLinesAreAsDrawn()
    {
        Seams seams;
        FormAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QCOMPARE(about.size(), QSize(402, 225));
        QCOMPARE(about.palette().color(QPalette::Window), QColor(192, 255, 255));
        const struct {
            const char *name;
            QRect rect;
            const char16_t *caption;  // nullptr: the control has none
            qreal points;             // 0: the dialog's own size
        } places[] = {
            {"Command1", {9, 2, 33, 41}, u"", 0},
            {"Command2", {7, 46, 49, 22}, u"種別", 9.75},
            {"Command3", {59, 46, 49, 22}, u"辞書", 0},
            {"Command4", {112, 46, 49, 22}, u"File名", 0},
            {"TextDesc", {8, 72, 385, 144}, nullptr, 8.25},
            {"LabelTitle", {54, 8, 315, 22}, u"Sorvena (Quenbrook) Ver.1.20", 12.0},
        };
        for (const auto &place : places) {
            QWidget *widget = control<QWidget>(about, place.name);
            QCOMPARE(widget->geometry(), place.rect);
            if (place.caption)
                QCOMPARE(widget->property("text").toString(), QString::fromUtf16(place.caption));
            if (place.points)
                QCOMPARE(widget->font().pointSizeF(), place.points);
        }
        QLabel *labelMe = control<QLabel>(about, "LabelMe");
        const QStringList me = labelMe->text().split(QChar(10));
        QCOMPARE(me.size(), 3);
        QCOMPARE(labelMe->pos(), QPoint(176, 31));
        QVERIFY(labelMe->height() >= 3 * labelMe->fontMetrics().lineSpacing());
        // Whether a line fits depends on the face the system finds. The Windows build is
        // tested under Wine, whose stand-in for the Japanese Gothic face is wider than the
        // one the layout was drawn for, so there the fit is not a fact about the window.
        if (!platform::usesDriveLetters()) {
            for (const QString &line : me)
                QVERIFY2(labelMe->fontMetrics().horizontalAdvance(line) <= labelMe->width(), qPrintable(line));
        }
        QVERIFY(me[0].endsWith(QStringLiteral("   2002.6.20")));
        QVERIFY(me[0].contains(QStringLiteral("Sorvena project")));
        QVERIFY(me[1].startsWith(QStringLiteral("     http")) && me[1].contains(QStringLiteral(".example.org")));
        QVERIFY(me[2].startsWith(QStringLiteral("     ")) && me[2].contains(QStringLiteral("@sorvena.example.org")));
        QVERIFY(control<QLabel>(about, "LabelTitle")->font().bold());
        QCOMPARE(control<QPlainTextEdit>(about, "TextDesc")->font().families().front(), QStringLiteral("ＭＳ ゴシック"));
        QCOMPARE(control<QPlainTextEdit>(about, "TextDesc")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(control<QPushButton>(about, "Command3")->styleSheet().contains(QStringLiteral("#C0C0FF")));

        // The picture on Command1: a page with a large red question mark.
        const QImage picture = control<QPushButton>(about, "Command1")->icon().pixmap(32, 32).toImage();
        int red = 0, white = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QColor c = picture.pixelColor(x, y);
                red += c.alpha() > 128 && c.red() > 180 && c.green() < 90 && c.blue() < 90;
                white += c.alpha() > 128 && c.red() > 240 && c.green() > 240 && c.blue() > 240;
            }
        }
        QVERIFY2(red > 60 && white > 100, qPrintable(QStringLiteral("red %1 white %2").arg(red).arg(white)));
        QVERIFY(seams.messages.isEmpty());
    }

    void eachButtonShowsItsSectionReadAfresh()
    {
        Seams seams;
        FormAbout about;
        QCOMPARE(shownText(about), QStringLiteral("about text\n"));
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

    void aMissingReadmeIsReportedAtLoadAndAtEveryClick()
    {
        Seams seams;
        Module1::ReadmePath = folder.pathText(u"no-readme.txt");
        FormAbout about;
        const QString missing = QStringLiteral("Readme.txt ファイルがありません");
        QCOMPARE(shownText(about), missing);
        QCOMPARE(seams.messages, QStringList{missing});
        QTest::mouseClick(control<QPushButton>(about, "Command3"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(about, "Command3"), Qt::LeftButton);
        QCOMPARE(seams.messages, (QStringList{missing, missing, missing}));
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
        QCOMPARE(about->height(), 225);
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
                QVERIFY(engine.checkedPaths.front() == given.front());
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
