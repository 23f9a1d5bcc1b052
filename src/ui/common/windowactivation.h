// Runs a window's Form_Activate whenever it becomes the program's active window, coming from another
// window of the program, and whenever the program shows it: without a window manager (as under
// Xvfb) a first window is never activated, so showing one activates it explicitly.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>


class WindowActivation : public QObject {
    Q_OBJECT

public:
    explicit WindowActivation(QObject* parent = nullptr);

    // Registers a window and its activation handler.
    void watch(QWidget* window, std::function<void()> formActivate);

    // Shows the window (not modal), raises it, asks for activation and runs its Form_Activate.
    void show(QWidget* window);

    // Hides a window and hands activation back to the main window.
    void hideAndReturn(QWidget* window);

    void setMainWindow(QWidget* window) { m_main = window; }
    QWidget* mainWindow() const { return m_main; }

    // The window whose Form_Activate ran last.
    QWidget* lastActivated() const { return m_last; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activate(QWidget* window);

    struct Entry {
        QPointer<QWidget> window;
        std::function<void()> formActivate;
    };
    QList<Entry> m_entries;
    QPointer<QWidget> m_main;
    QPointer<QWidget> m_last;
    QList<QPointer<QWidget>> m_pending;
    bool m_running = false;
};
