// Delivers local files to a window as the window system does: the drag enters the window,
// moves to the spot, and is dropped there only when the window accepted the move.
#pragma once

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace testsupport {

inline constexpr Qt::DropActions EveryAction = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

// The spot in `window` at the middle of `target`.
inline QPoint middleOf(QWidget *window, QWidget *target)
{
    return target == window ? window->rect().center() : target->mapTo(window, target->rect().center());
}

// Drags `data` in at `enterAt`, moves to `dropAt` and drops, with Shift held, which
// proposes a move wherever one is offered. The action the window took the drop with, or
// Qt::IgnoreAction when it refused the drag on the way.
inline Qt::DropAction dragAndDrop(QWidget *window, const QMimeData &data, QPoint enterAt, QPoint dropAt,
                                  Qt::DropActions offered = EveryAction)
{
    QDragEnterEvent enter(enterAt, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return Qt::IgnoreAction;
    for (const QPoint at : {enterAt, dropAt}) {
        QDragMoveEvent move(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(window, &move);
        if (at == dropAt && (!move.isAccepted() || move.dropAction() == Qt::IgnoreAction))
            return Qt::IgnoreAction;
    }
    QDropEvent drop(dropAt, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(window, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

inline Qt::DropAction dragAndDrop(QWidget *window, const QList<QUrl> &urls, QPoint enterAt, QPoint dropAt,
                                  Qt::DropActions offered = EveryAction)
{
    QMimeData data;
    data.setUrls(urls);
    return dragAndDrop(window, data, enterAt, dropAt, offered);
}

inline QList<QUrl> fileUrls(const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    return urls;
}

// Drops files on the middle of `target`, a control of `window`.
inline Qt::DropAction dropFiles(QWidget *window, QWidget *target, const QStringList &paths,
                                Qt::DropActions offered = EveryAction)
{
    const QPoint at = middleOf(window, target);
    return dragAndDrop(window, fileUrls(paths), at, at, offered);
}

} // namespace testsupport
