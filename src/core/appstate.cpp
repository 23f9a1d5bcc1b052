#include "core/appstate.h"

const std::array<CalendarDateSlot, 12> kCalendarDates = {{
    {&AppState::dateSpringFrom, &AppState::intSpringFrom},
    {&AppState::dateSpringTo, &AppState::intSpringTo},
    {&AppState::dateSummerFrom, &AppState::intSummerFrom},
    {&AppState::dateSummerTo, &AppState::intSummerTo},
    {&AppState::dateWinterFrom, &AppState::intWinterFrom},
    {&AppState::dateWinterTo, &AppState::intWinterTo},
    {&AppState::dateYearEndFrom, &AppState::intYearEndFrom},
    {&AppState::dateYearEndTo, &AppState::intYearEndTo},
    {&AppState::dateAutumnEquinox, &AppState::intAutumnEquinox},
    {&AppState::dateSportsDay, &AppState::intSportsDay},
    {&AppState::dateComingOfAgeDay, &AppState::intComingOfAgeDay},
    {&AppState::dateVernalEquinox, &AppState::intVernalEquinox},
}};

void AppState::updateDayNumbers()
{
    for (const CalendarDateSlot& slot : kCalendarDates) {
        const QDate& date = this->*slot.date;
        this->*slot.dayOfYear = isZeroDate(date) ? std::int16_t(0) : std::int16_t(date.dayOfYear());
    }
}

std::array<QDate, kHolidaySlots> AppState::filledDates()
{
    std::array<QDate, kHolidaySlots> dates;
    dates.fill(zeroDate());
    return dates;
}
