// Layout regressions: the main window in each key state must look as the committed
// screenshots show it (places, sizes, fonts, pictures, colours and, on a sheet of their
// own, the tooltips). Only the inside of the folder box is left out: it shows this
// test's own temporary folder. On a failure the difference is printed as a coarse map
// and written as an image beside the test.
#include "main_window_states.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A pixel differs when a colour channel moves by more than this; a picture differs when
// more than MaxDifferingPixels of its pixels do. Both leave room for antialiasing noise
// only: a control moved by one pixel changes well over a hundred, and one changed
// character of a tooltip dozens.
constexpr int ChannelTolerance = 32;
constexpr qsizetype MaxDifferingPixels = 8;

bool differs(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) > ChannelTolerance || std::abs(qGreen(a) - qGreen(b)) > ChannelTolerance ||
           std::abs(qBlue(a) - qBlue(b)) > ChannelTolerance;
}

QImage withoutFolderText(QImage image, const QRect &folderBox)
{
    image = image.convertToFormat(QImage::Format_RGB32);
    // The box is given in pixels, and a grab paints in its own device pixel ratio.
    image.setDevicePixelRatio(1);
    if (!folderBox.isEmpty()) {
        QPainter painter(&image);
        const int inset = folderBox.height() / 6;
        painter.fillRect(folderBox.adjusted(inset, inset, -inset, -inset), Qt::magenta);
    }
    return image;
}

// Red where the pictures differ, the expected picture faded elsewhere; and the same as
// a map of characters for the test log.
struct Difference {
    QImage image;
    QString map;
    qsizetype pixels = 0;
};

Difference compare(const QImage &actual, const QImage &expected)
{
    Difference d;
    d.image = expected.convertToFormat(QImage::Format_RGB32);
    constexpr int Columns = 80;
    const int cell = std::max(1, expected.width() / Columns);
    const int rows = (expected.height() + cell - 1) / cell;
    QList<QByteArray> map(rows, QByteArray(Columns, '.'));
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb e = expected.pixel(x, y);
            if (differs(actual.pixel(x, y), e)) {
                ++d.pixels;
                d.image.setPixel(x, y, qRgb(255, 0, 0));
                if (x / cell < Columns)
                    map[y / cell][x / cell] = '#';
            } else {
                d.image.setPixel(x, y, qRgb(128 + qGray(e) / 2, 128 + qGray(e) / 2, 128 + qGray(e) / 2));
            }
        }
    }
    for (const QByteArray &row : map)
        d.map += QString::fromLatin1(row) + QLatin1Char('\n');
    return d;
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void everyStateLooksAsItsScreenshot()
    {
        QFile demo(QStringLiteral(SORVENA_DEMO_PICTURE));
        QVERIFY(demo.open(QIODevice::ReadOnly));
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const std::vector<StatePicture> pictures = renderMainWindowStates(folder.path(), demo.readAll());
        QDir::setCurrent(QDir::rootPath());
        QVERIFY(!pictures.empty());

        const QString differences = QStringLiteral(SORVENA_DIFFERENCES_DIR);
        QStringList failures;
        for (const StatePicture &picture : pictures) {
            const QString committed =
                QStringLiteral(SORVENA_SCREENSHOTS_DIR "/") + picture.name + QStringLiteral(".png");
            const QImage expected(committed);
            if (expected.isNull()) {
                failures << picture.name + QStringLiteral(": no committed screenshot at ") + committed;
                continue;
            }
            if (expected.size() != picture.image.size()) {
                failures << QStringLiteral("%1: %2x%3 instead of %4x%5")
                                .arg(picture.name)
                                .arg(picture.image.width())
                                .arg(picture.image.height())
                                .arg(expected.width())
                                .arg(expected.height());
                continue;
            }
            const Difference d = compare(withoutFolderText(picture.image, picture.folderBox),
                                         withoutFolderText(expected, picture.folderBox));
            if (d.pixels <= MaxDifferingPixels)
                continue;
            QDir().mkpath(differences);
            const QString path = differences + QLatin1Char('/') + picture.name + QStringLiteral(".difference.png");
            d.image.save(path);
            failures << QStringLiteral("%1: %2 pixels differ (red in %3)\n%4")
                            .arg(picture.name)
                            .arg(d.pixels)
                            .arg(path, d.map);
        }
        if (!failures.isEmpty())
            QFAIL(qPrintable(QStringLiteral("\n") + failures.join(QLatin1Char('\n')) +
                             QStringLiteral("\nIf the change is meant, run scripts/screenshots and commit the pictures.")));
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
