#include "calendar/schoolday.h"

#include "calendar/dates.h"
#include "core/mirteerror.h"

#include <algorithm>

bool IsSchoolDay(const AppState& s, const QDate& date)
{
    const int d = DayOfYear(date);
    if (d >= s.intSpringFrom && d <= s.intSpringTo)
        return false;
    if (d >= s.intSummerFrom && d <= s.intSummerTo)
        return false;
    if (d >= s.intWinterFrom || d <= s.intWinterTo)
        return false;
    if (d >= s.intYearEndFrom && d <= s.intYearEndTo)
        return false;
    const int weekday = Weekday(date);
    if (weekday == 1)
        return false;
    if (weekday == 7) {
        const int dom = date.day();
        if (s.boolSat2nd4thOff && ((dom >= 8 && dom <= 14) || (dom >= 22 && dom <= 28)))
            return false;
        if (s.boolSatAllOff)
            return false;
    }
    const int count = std::clamp<int>(s.intHolidayCount, 0, kHolidaySlots);
    for (int i = 0; i < count; ++i)
        if (s.intHoliday[static_cast<std::size_t>(i)] == d)
            return false;
    // The law's rest days the fourteen entries cannot hold (and those they hold, again).
    return !std::binary_search(s.lawRestDays.begin(), s.lawRestDays.end(), date);
}

QDate SchoolYearDate(int year, int month, int day)
{
    const QDate date(month <= 3 ? year + 1 : year, month, day);
    if (!date.isValid())
        throw ConversionError(
            QStringLiteral("%1年度の%2月%3日は日付になりません。").arg(year).arg(month).arg(day));
    return date;
}

QDate SchoolYearDate(const QString& year, const QString& month, const QString& day)
{
    bool okYear = false, okMonth = false, okDay = false;
    const int y = year.trimmed().toInt(&okYear);
    const int m = month.trimmed().toInt(&okMonth);
    const int d = day.trimmed().toInt(&okDay);
    if (!okYear || !okMonth || !okDay)
        throw ConversionError(
            QStringLiteral("「%1」「%2」「%3」は日付として読めません。").arg(year, month, day));
    return SchoolYearDate(y, m, d);
}
