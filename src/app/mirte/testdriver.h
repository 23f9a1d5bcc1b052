// Lets a test drive the real program from another process: with MIRTE_TEST_DRIVER=1 in its
// environment the program reads one command a line on its standard input and answers one line on
// its standard output. MIRTE_TEST_TODAY=yyyy-MM-dd then fixes "today" at 9:00 that day. Without
// MIRTE_TEST_DRIVER nothing here runs, so a teacher's program never reads its input.
//
//   click NAME   presses the visible button (or triggers the menu item) of that object name
//   text NAME    the text of the visible control of that name
//   message      the text of the message box on screen
//   windows      the object names of the visible windows
#pragma once

#include "core/clock.h"

#include <QByteArray>
#include <QObject>
#include <memory>

class QSocketNotifier;

class TestDriver : public QObject {
    Q_OBJECT

public:
    // The driver the environment asks for, or none.
    static std::unique_ptr<TestDriver> fromEnvironment();
    ~TestDriver() override;

    // The fixed "today", or none to keep the system clock.
    const Clock* clock() const { return m_clock.get(); }

private:
    TestDriver();
    void readInput();
    void run(const QByteArray& line);
    static void answer(const QString& text);

    std::unique_ptr<FixedClock> m_clock;
    QSocketNotifier* m_input = nullptr;
    QByteArray m_buffer;
};
