#include "calendar/weekrange.h"

#include "calendar/dates.h"

WeekRange weekOfDate(const QDate& date, int schoolYear)
{
    const int wd = Weekday(date);
    QDate first = date.addDays(-(wd - 2));
    if (first.month() == 3 && date.month() == 4)
        first = DateSerial(schoolYear, 4, 1);
    QDate last = date.addDays(7 - wd);
    if (last.month() == 4 && date.month() == 3)
        last = DateSerial(schoolYear + 1, 3, 31);
    return {first, last};
}
