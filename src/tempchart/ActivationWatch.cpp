#include "tempchart/ActivationWatch.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

ActivationWatch::ActivationWatch(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
    connect(
        qGuiApp, &QGuiApplication::focusWindowChanged, this, &ActivationWatch::focusWindowChanged);
}

bool ActivationWatch::eventFilter(QObject *watched, QEvent *event)
{
    // A spontaneous show is the window system restoring a minimised window;
    // only the program showing the window counts.
    if (watched != m_window)
        return false;
    if (event->type() == QEvent::Show && !event->spontaneous()) {
        // The focus that follows the showing is part of this same activation.
        m_focusWasElsewhere = false;
        m_minimisedMeanwhile = false;
        Q_EMIT activated();
    } else if (event->type() == QEvent::WindowStateChange && m_window->isMinimized()) {
        m_minimisedMeanwhile = true;
    }
    return false;
}

void ActivationWatch::focusWindowChanged(QWindow *focus)
{
    if (!focus)
        return; // another application has the focus, or none has
    if (!isWindowOrItsDialog(focus)) {
        m_focusWasElsewhere = true;
    } else if (focus == m_window->windowHandle()) {
        const bool activation = m_focusWasElsewhere && !m_minimisedMeanwhile;
        m_focusWasElsewhere = false;
        m_minimisedMeanwhile = false;
        if (activation)
            Q_EMIT activated();
    }
}

bool ActivationWatch::isWindowOrItsDialog(const QWindow *window) const
{
    const QWindow *own = m_window->windowHandle();
    for (; window; window = window->transientParent()) {
        if (window == own)
            return true;
    }
    return false;
}
