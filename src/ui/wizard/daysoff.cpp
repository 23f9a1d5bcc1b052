#include "ui/wizard/daysoff.h"

#include "calendar/dates.h"

AddDayOff addDayOff(AppState& state, const QDate& date)
{
    if (state.objDayChain && state.objDayChain->searchDay(date))
        return AddDayOff::Registered;
    // The plan file also writes the slot after the last entry, so one slot always stays free.
    if (state.intHolidayCount < 0 || state.intHolidayCount >= kMaxHolidayCount)
        return AddDayOff::ListFull;
    const auto slot = static_cast<std::size_t>(state.intHolidayCount);
    state.dateHoliday[slot] = date;
    state.intHoliday[slot] = DayOfYear(date);
    ++state.intHolidayCount;
    return AddDayOff::Added;
}

bool removeDayOff(AppState& state, const QDate& date)
{
    const std::int16_t day = DayOfYear(date);
    const int count = std::min<int>(state.intHolidayCount, kMaxHolidayCount);
    for (int i = kFixedHolidayCount; i < count; ++i) {
        if (state.intHoliday[static_cast<std::size_t>(i)] != day)
            continue;
        for (int j = i; j + 1 < count; ++j) {
            state.dateHoliday[static_cast<std::size_t>(j)] =
                state.dateHoliday[static_cast<std::size_t>(j + 1)];
            state.intHoliday[static_cast<std::size_t>(j)] = state.intHoliday[static_cast<std::size_t>(j + 1)];
        }
        // The freed slot goes back to the unused look the plan file writes.
        state.dateHoliday[static_cast<std::size_t>(count - 1)] = zeroDate();
        state.intHoliday[static_cast<std::size_t>(count - 1)] = 0;
        --state.intHolidayCount;
        return true;
    }
    return false;
}
