// The dictionary window and the main window's dictionary button, headless, on small files.
#include "dictionary/form_ext_dic.h"
#include "main_window/form_main.h"
#include "shell/module1.h"
#include "shell/seams.h"
#include "support/fake_engine.h"
#include "support/temp_folder.h"
#include "support/widgets.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using testsupport::FakeEngine;
using testsupport::control;
using testsupport::TempFolder;

namespace {

const std::string ExtCsv =
    "img,0,0,,,,,,画像,,,,\r\n"
    "img,1,0,JPG,jpeg,JPEG 画像,汎用,ISO,写真の形式,gimp,eog,○,b\r\n"
    "img,1,0,png,,PNG 画像,汎用,W3C,可逆圧縮,,,-,b\r\n"
    "txt,1,0,jpg,,二つ目,,,,,,,t\r\n"
    "zend,,,,,,,,,,,,\r\n";
const std::string ProgCsv = "gimp,GIMP\r\neog,Eye of GNOME\r\nzend,\r\n";

} // namespace

class FormExtDicTest : public QObject {
    Q_OBJECT

    TempFolder folder;
    QStringList messages;

    void useFiles(const std::string &ext, const std::string &prog)
    {
        std::filesystem::remove(folder.path() / "prog.csv");
        folder.write("ext.csv", ext);
        if (!prog.empty())
            folder.write("prog.csv", prog);
        Module1::ExtCsvPath = folder.pathText(u"ext.csv");
        Module1::ProgCsvPath = folder.pathText(u"prog.csv");
    }

private slots:
    void init()
    {
        messages.clear();
        shell::setMessageHandler([this](QWidget *, const QString &text) { messages.append(text); });
        useFiles(ExtCsv, ProgCsv);
    }

    // Places, sizes and fonts are the layout table's and show in the README's pictures;
    // the words are the program's own.
    void captionsAndTooltipsAreTheProgramsOwn()
    {
        FormExtDic form;
        QCOMPARE(form.windowTitle(), QStringLiteral("拡張子の説明"));
        QCOMPARE(control(form, "LabelDesc")->property("text").toString(), QStringLiteral("説　明"));
        const std::pair<const char *, const char16_t *> tooltips[] = {
            {"ExtExt", u"拡張子を入れてください"},
            {"ExtSorvena", u"Sorvena で判定可能"},
            {"ExtPlatform", u"メインの機種・OS"},
            {"ExtDesc", u"ファイルの説明"},
            {"ExtProg", u"開くことの出来るプログラム"},
            {"CmdFirst", u"最初の説明"},
            {"CmdNext", u"次の説明"},
        };
        for (const auto &[name, tooltip] : tooltips)
            QCOMPARE(control(form, name)->toolTip(), QString::fromUtf16(tooltip));
    }

    void loadShowsTheNoMoreEntryAndReportsAMissingProgramList()
    {
        useFiles(ExtCsv, "");
        FormExtDic form;
        QCOMPARE(messages, QStringList{QStringLiteral("Prog.csv ファイルがありません")});
        QCOMPARE(control<QLineEdit>(form, "ExtSort")->text(), QStringLiteral("**** No More data!! ****"));
        QVERIFY(!control<QPushButton>(form, "CmdNext")->isEnabled());
    }

    void enterSearchesAndTheButtonsStepThroughTheRecords()
    {
        FormExtDic form;
        auto *ext = control<QLineEdit>(form, "ExtExt");
        auto *next = control<QPushButton>(form, "CmdNext");
        ext->setText(QStringLiteral("Jpg"));
        QTest::keyClick(ext, Qt::Key_Return);
        QCOMPARE(ext->text(), QStringLiteral("JPG"));
        QCOMPARE(control<QLineEdit>(form, "ExtSort")->text(), QStringLiteral("画像"));
        QCOMPARE(control<QLineEdit>(form, "ExtOext")->text(), QStringLiteral("jpeg"));
        QCOMPARE(control<QPlainTextEdit>(form, "ExtProg")->toPlainText(),
                 QStringLiteral("[rw] GIMP\n [r]  Eye of GNOME"));
        QVERIFY(control<QCheckBox>(form, "ExtSorvena")->isChecked());
        QVERIFY(control<QCheckBox>(form, "ExtSortBinary")->isChecked());
        QVERIFY(!control<QCheckBox>(form, "ExtSortText")->isChecked());
        QVERIFY(next->isEnabled());
        QCOMPARE(form.focusWidget(), next);

        // Enter on the focused button steps on, as the space bar does.
        QTest::keyClick(next, Qt::Key_Return);
        QCOMPARE(control<QLineEdit>(form, "ExtName")->text(), QStringLiteral("二つ目"));
        QVERIFY(control<QCheckBox>(form, "ExtSortText")->isChecked());
        next->click();
        QCOMPARE(ext->text(), QStringLiteral("jpg"));
        QCOMPARE(control<QLineEdit>(form, "ExtSort")->text(), QStringLiteral("**** No More data!! ****"));
        QVERIFY(!next->isEnabled());
        // The crossed-out arrow says so.
        QVERIFY(testsupport::redPixels(next->icon(), QSize(50, 32), QIcon::Disabled) > 20);
        QCOMPARE(testsupport::redPixels(next->icon(), QSize(50, 32)), 0);
        QCOMPARE(form.focusWidget(), ext);

        control<QPushButton>(form, "CmdFirst")->click();
        QCOMPARE(ext->text(), QStringLiteral("JPG"));
        // Another extension typed in, then the next button: a new search from the top.
        ext->setText(QStringLiteral("PNG"));
        next->click();
        QCOMPARE(control<QLineEdit>(form, "ExtName")->text(), QStringLiteral("PNG 画像"));
        QVERIFY(!control<QCheckBox>(form, "ExtSorvena")->isChecked());
    }

    void closeBoxEndsTheSearchAndKeepsTheWindow()
    {
        FormExtDic form;
        form.show();
        form.myFindFirst(QStringLiteral("jpg"));
        QVERIFY(form.core().FindOpen);
        QVERIFY(form.close());
        QVERIFY(!form.isVisible());
        QVERIFY(!form.core().FindOpen);
        QVERIFY(!control<QPushButton>(form, "CmdNext")->isEnabled());
        QCOMPARE(control<QLineEdit>(form, "ExtName")->text(), QStringLiteral("JPEG 画像"));
    }

    void openedWithNothingCheckedItShowsTheFirstExtension()
    {
        FakeEngine engine;
        FormMain main(engine);
        main.show();
        control<QPushButton>(main, "CmdExtDic")->click();
        auto *dictionary = main.findChild<FormExtDic *>();
        QVERIFY(dictionary && dictionary->isVisible());
        QCOMPARE(control<QLineEdit>(*dictionary, "ExtExt")->text(), QStringLiteral("JPG"));
        QCOMPARE(control<QLineEdit>(*dictionary, "ExtName")->text(), QStringLiteral("JPEG 画像"));
        control<QPushButton>(*dictionary, "CmdNext")->click();
        QCOMPARE(control<QLineEdit>(*dictionary, "ExtName")->text(), QStringLiteral("二つ目"));
    }

    void mainWindowButtonTogglesPlacesAndSearchesTheCheckedExtension()
    {
        FakeEngine engine;
        const std::u16string path = folder.pathText(u"a.dat");
        engine.answer(path, folder.folderText(), u"a", u"dat", u"jpg");
        FormMain main(engine);
        main.move(40, 50);
        main.show();
        main.checkPath(QString::fromStdU16String(path));
        auto *what = control<QLineEdit>(main, "WhatExtText");
        what->setText(QStringLiteral("png"));
        auto *button = control<QPushButton>(main, "CmdExtDic");

        button->click();
        auto *dictionary = main.findChild<FormExtDic *>();
        QVERIFY(dictionary && dictionary->isVisible());
        QCOMPARE(dictionary->pos(), QPoint(main.frameGeometry().left(), main.frameGeometry().bottom() + 1));
        QCOMPARE(dictionary->width(), main.width());
        // The box shows the checked file's extension again before it is read.
        QCOMPARE(control<QLineEdit>(*dictionary, "ExtExt")->text(), QStringLiteral("JPG"));
        QCOMPARE(what->text(), QStringLiteral("jpg"));

        control<QPushButton>(*dictionary, "CmdNext")->click();
        button->click();
        QVERIFY(!dictionary->isVisible());
        button->click();
        QVERIFY(dictionary->isVisible());
        QCOMPARE(main.findChildren<FormExtDic *>().size(), 1);
        QCOMPARE(control<QLineEdit>(*dictionary, "ExtName")->text(), QStringLiteral("JPEG 画像"));
    }
};

QTEST_MAIN(FormExtDicTest)
#include "form_ext_dic_test.moc"
