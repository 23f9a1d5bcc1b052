#include "ui/common/windowactivation.h"

#include <QEvent>
#include <QWidget>

WindowActivation::WindowActivation(QObject* parent) : QObject(parent) {}

void WindowActivation::watch(QWidget* window, std::function<void()> formActivate)
{
    m_entries.append({window, std::move(formActivate)});
    window->installEventFilter(this);
}

void WindowActivation::show(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
    activate(window);
}

void WindowActivation::hideAndReturn(QWidget* window)
{
    window->hide();
    if (m_main && m_main != window)
        show(m_main);
}

bool WindowActivation::eventFilter(QObject* watched, QEvent* event)
{
    // Returning from a message box re-activates the same window: that is no new activation.
    if (event->type() == QEvent::WindowActivate && watched != m_last)
        activate(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}

void WindowActivation::activate(QWidget* window)
{
    // A handler that shows another window (the main window opening the start page) has that
    // window activated right after it, in order, never inside it.
    m_pending.append(window);
    if (m_running)
        return;
    m_running = true;
    while (!m_pending.isEmpty()) {
        QPointer<QWidget> next = m_pending.takeFirst();
        for (const Entry& entry : std::as_const(m_entries)) {
            if (next && entry.window == next) {
                m_last = next;
                try {
                    entry.formActivate();
                } catch (...) {
                    m_pending.clear();
                    m_running = false;
                    throw;
                }
                break;
            }
        }
    }
    m_running = false;
}
