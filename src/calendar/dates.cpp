#include "calendar/dates.h"

int Weekday(const QDate& date)
{
    return date.dayOfWeek() % 7 + 1;
}

std::int16_t DayOfYear(const QDate& date)
{
    return static_cast<std::int16_t>(date.dayOfYear());
}

QDate DateSerial(int year, int month, int day)
{
    if (year >= 0 && year <= 29)
        year += 2000;
    else if (year >= 30 && year <= 99)
        year += 1900;
    // Months roll into years first, then days run on from the first of that month.
    const int monthIndex = month - 1;
    const int yearShift = monthIndex >= 0 ? monthIndex / 12 : -((11 - monthIndex) / 12);
    const QDate first(year + yearShift, monthIndex - yearShift * 12 + 1, 1);
    return first.addDays(day - 1);
}

QString schoolYearName(int year)
{
    constexpr int kHeiseiBase = 1988;
    return year > kHeiseiBase ? QStringLiteral("平成%1年度").arg(year - kHeiseiBase)
                              : QStringLiteral("%1年度").arg(year);
}

QDate nthMonday(int year, int month, int n)
{
    const QDate first = DateSerial(year, month, 1);
    const int w = Weekday(first);
    const int firstMonday = w <= 2 ? 3 - w : 10 - w;
    return first.addDays(firstMonday - 1 + 7 * (n - 1));
}
