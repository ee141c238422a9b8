// The caption as the window manager receives it. The window's own title is not enough:
// the platform layer may add to it on the way (an application display name, for one).
// Runs on a real X server (Xvfb) and reads the window's properties back with xprop.
#include "main_window/form_main.h"
#include "shell/application.h"
#include "support/fake_engine.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

class WindowTitleTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowManagerGetsTheCaptionExactlyAsSet()
    {
        shell::nameApplication();
        testsupport::FakeEngine engine;
        FormMain form(engine);
        form.Form_Load({}, u"sorvena");
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QProcess xprop;
        xprop.start(QStringLiteral("xprop"),
                    {QStringLiteral("-id"), QString::number(form.winId()), QStringLiteral("_NET_WM_NAME"),
                     QStringLiteral("WM_NAME")});
        QVERIFY2(xprop.waitForFinished(), "xprop did not run");
        const QStringList lines =
            QString::fromUtf8(xprop.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        for (const QString &line : lines) {
            // _NET_WM_NAME(UTF8_STRING) = "..."
            const auto match = QRegularExpression(QStringLiteral("^(\\w+)\\(\\w+\\) = \"(.*)\"$")).match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            QCOMPARE(match.captured(2), QStringLiteral("[Sorvena] Quenbrook v1.20"));
        }
    }
};

QTEST_MAIN(WindowTitleTest)
#include "window_title_test.moc"
