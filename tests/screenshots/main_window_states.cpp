#include "main_window_states.h"

#include "engine/engine.h"
#include "main_window/form_main.h"
#include "platform/platform.h"

#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QTest>

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray noise()
{
    QByteArray bytes(4096, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 7919 + 13) % 251);
    return bytes;
}

namespace {

// Every control's tooltip, as a sheet: tooltips never show in a grab of the window.
QImage tooltipSheet(const FormMain &form)
{
    QWidget sheet;
    auto *layout = new QFormLayout(&sheet);
    for (const QWidget *control : form.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control->toolTip().isEmpty())
            continue;
        auto *tip = new QLabel(control->toolTip());
        tip->setFrameShape(QFrame::Box);
        tip->setAutoFillBackground(true);
        tip->setBackgroundRole(QPalette::ToolTipBase);
        tip->setForegroundRole(QPalette::ToolTipText);
        layout->addRow(control->objectName(), tip);
    }
    sheet.adjustSize();
    return sheet.grab().toImage();
}

} // namespace

std::vector<StatePicture> renderMainWindowStates(const QString &folder, const QByteArray &demoPicture)
{
    const QString wrong = folder + QStringLiteral("/picture.txt");
    const QString right = folder + QStringLiteral("/海.png");
    const QString unknown = folder + QStringLiteral("/データ.bin");
    const QString missing = folder + QStringLiteral("/消えたファイル.txt");
    const QString clash = folder + QStringLiteral("/clash.txt");
    if (!writeFile(wrong, demoPicture) || !writeFile(right, demoPicture) || !writeFile(unknown, noise()) ||
        !writeFile(clash, demoPicture) || !writeFile(folder + QStringLiteral("/clash.png"), demoPicture))
        return {};

    engine::LibraryEngine real(platform::programFolder());
    FormMain form(real);
    form.Form_Load({}, u"sorvena");
    form.show();
    auto *folderBox = form.findChild<QWidget *>(QStringLiteral("TextDir"));
    const qreal scale = form.devicePixelRatioF();
    const QRect box(folderBox->geometry().topLeft() * scale, folderBox->geometry().size() * scale);
    std::vector<StatePicture> pictures;
    const auto grab = [&](const char *name) {
        pictures.push_back({QString::fromLatin1(name), form.grab().toImage(), box});
    };
    const auto clickArrow = [&form] {
        QTest::mouseClick(form.findChild<QLabel *>(QStringLiteral("ArrowRight")), Qt::LeftButton);
    };

    grab("main-0-empty");
    form.checkPath(missing);
    grab("main-11-missing");
    form.checkPath(unknown);
    grab("main-12-unknown");
    form.checkPath(right);
    grab("main-13-right");
    form.checkPath(wrong);
    grab("main-21-wrong");
    clickArrow();
    grab("main-22-corrected");
    form.checkPath(clash);
    clickArrow();
    grab("main-21-refused");
    pictures.push_back({QStringLiteral("main-tooltips"), tooltipSheet(form), QRect()});
    return pictures;
}
