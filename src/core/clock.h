// The one source of "now": windows and services ask it, never the system clock, so tests fix the date.
#pragma once

#include <QDate>
#include <QDateTime>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override;
};

// A clock that stands still at a given moment (tests, screenshots).
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime moment) : m_moment(std::move(moment)) {}
    explicit FixedClock(QDate day) : m_moment(day.startOfDay().addSecs(9 * 3600)) {}
    QDateTime now() const override { return m_moment; }
    void set(QDateTime moment) { m_moment = std::move(moment); }

private:
    QDateTime m_moment;
};
