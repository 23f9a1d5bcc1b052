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
    // A school year takes the era of its April: 2019 began in 平成31年 but was named 令和元年度 once
    // the era changed on 1 May, as every school named it.
    struct Era {
        int firstYear;
        const char16_t* name;
    };
    static constexpr Era kEras[] = {{2019, u"令和"}, {1989, u"平成"}};
    for (const Era& era : kEras) {
        if (year < era.firstYear)
            continue;
        const int n = year - era.firstYear + 1;
        return QString::fromUtf16(era.name) + (n == 1 ? QStringLiteral("元") : QString::number(n)) +
               QStringLiteral("年度");
    }
    return QStringLiteral("%1年度").arg(year);
}

QDate nthMonday(int year, int month, int n)
{
    const QDate first = DateSerial(year, month, 1);
    const int w = Weekday(first);
    const int firstMonday = w <= 2 ? 3 - w : 10 - w;
    return first.addDays(firstMonday - 1 + 7 * (n - 1));
}
