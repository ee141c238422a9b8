// What the window tests share: finding a control by its name, the top-level window of a
// class that is on screen, and counting the pixels of a picture that pass a test.
#pragma once

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QWidget>

namespace testsupport {

// A missing control ends the test run: every later step would only fail less clearly.
template <typename T = QWidget>
T *control(QWidget &window, const char *name)
{
    auto *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
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

// The strongly red pixels of an icon drawn at the given size and mode.
inline int redPixels(const QIcon &icon, QSize size, QIcon::Mode mode = QIcon::Normal)
{
    const QImage image = icon.pixmap(size, mode).toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.alpha() > 128 && c.red() > 180 && c.green() < 90 && c.blue() < 90;
        }
    }
    return count;
}

} // namespace testsupport
