#include "rename/long_run.h"

#include <QApplication>
#include <QDropEvent>

#include <algorithm>
#include <array>

namespace renamer {

namespace {

// What a user does to a window. Everything else (painting, resizing, timers, the window
// system's own housekeeping) passes, so the windows stay alive while the run goes on.
constexpr std::array RefusedEvents = {
    QEvent::MouseButtonPress,  QEvent::MouseButtonRelease,
    QEvent::MouseButtonDblClick, QEvent::NonClientAreaMouseButtonPress,
    QEvent::NonClientAreaMouseButtonRelease, QEvent::NonClientAreaMouseButtonDblClick,
    QEvent::Wheel,             QEvent::KeyPress,
    QEvent::KeyRelease,        QEvent::ShortcutOverride,
    QEvent::Shortcut,          QEvent::InputMethod,
    QEvent::ContextMenu,       QEvent::TouchBegin,
    QEvent::TouchUpdate,       QEvent::TouchEnd,
    QEvent::TabletPress,       QEvent::TabletRelease,
    QEvent::DragEnter,         QEvent::DragMove,
    QEvent::Drop,              QEvent::Close,
};

bool isRefused(QEvent::Type type)
{
    return std::find(RefusedEvents.begin(), RefusedEvents.end(), type) != RefusedEvents.end();
}

bool isDrag(QEvent::Type type)
{
    return type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop;
}

} // namespace

LongRun::LongRun(QObject *parent) : QObject(parent) {}

LongRun::~LongRun()
{
    guard(false);
}

bool LongRun::run(const std::function<void()> &work)
{
    if (running())
        return false;
    ++m_depth;
    guard(true);
    m_sincePaint.start();
    work();
    guard(false);
    --m_depth;
    return true;
}

void LongRun::keepPainted()
{
    if (!m_guarding || m_paused || !m_sincePaint.isValid()
        || m_sincePaint.elapsed() < static_cast<qint64>(m_interval.count()))
        return;
    QCoreApplication::processEvents();
    m_sincePaint.restart();
}

void LongRun::guard(bool on)
{
    if (on == m_guarding)
        return;
    m_guarding = on;
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QCoreApplication::instance()->installEventFilter(this);
    } else {
        QCoreApplication::instance()->removeEventFilter(this);
        QApplication::restoreOverrideCursor();
    }
}

bool LongRun::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (!m_guarding || !isRefused(type) || (m_paused && !isDrag(type)))
        return QObject::eventFilter(watched, event);
    // A drag is told it cannot drop here, so the source keeps its files as they were.
    if (isDrag(type))
        static_cast<QDropEvent *>(event)->setDropAction(Qt::IgnoreAction);
    event->ignore();
    return true;
}

LongRun::Pause::Pause(LongRun &run) : m_run(run), m_wasPaused(run.m_paused)
{
    if (!m_run.m_guarding || m_wasPaused)
        return;
    m_run.m_paused = true;
    QApplication::restoreOverrideCursor();
}

LongRun::Pause::~Pause()
{
    if (!m_run.m_guarding || m_wasPaused)
        return;
    m_run.m_paused = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_run.m_sincePaint.restart();
}

engine::CheckResult EngineInLongRun::check(const std::u16string &path)
{
    m_run.keepPainted();
    return m_engine.check(path);
}

engine::WhatResult EngineInLongRun::what(int32_t mode, const std::u16string &ext)
{
    m_run.keepPainted();
    return m_engine.what(mode, ext);
}

engine::CheckExtResult EngineInLongRun::checkExt(const std::u16string &path)
{
    m_run.keepPainted();
    return m_engine.checkExt(path);
}

} // namespace renamer
