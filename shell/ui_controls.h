// Pieces the windows build their controls from.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QLineEdit>
#include <QString>

namespace ui {

// A button's picture, with the one it shows while it cannot be used (crossed out or
// greyed, drawn for the purpose rather than left to the style).
inline QIcon buttonPicture(const QString &picture, const QString &disabledPicture = QString())
{
    QIcon icon(picture);
    if (!disabledPicture.isEmpty())
        icon.addFile(disabledPicture, QSize(), QIcon::Disabled);
    return icon;
}

// A text box of a window that takes every drop itself and decides by the spot where it
// falls, so the box must not take one of its own.
inline QLineEdit *makeBox(QWidget *parent, const char *name, bool readOnly, const QFont &font)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(readOnly);
    box->setFont(font);
    box->setAcceptDrops(false);
    return box;
}

// Fills a window's or a frame's background with its own colour.
inline void paintBackground(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

} // namespace ui
