#include "planbuilder.h"

#include "calendar/dates.h"
#include "calendar/nationalholidays.h"
#include "calendar/schoolday.h"
#include "core/plandefaults.h"
#include "totals/weektotals.h"

AppState makePlan(int year, int grade)
{
    AppState state;
    InitPlanDefaults(state);
    state.intYear = static_cast<std::int16_t>(year);
    state.intGrade = static_cast<std::int16_t>(grade);
    state.strClass = QStringLiteral("1");
    state.strTeacher = QStringLiteral("山田 花子");
    applyHolidayRules(state, computeHolidayRules(year, initialHolidayBoxes(), SaturdayRule::Irregular,
                                                 holidayRulesOf(state)));
    const auto& lengths = defaultTimeCredit(grade);
    for (std::size_t d = 0; d < 6; ++d)
        state.strTimeCredit[d] = lengths[d];
    return state;
}

void setTimetable(AppState& state, const std::array<QString, 6>& subjects)
{
    RivoDayTime* day = state.objWeekTimetable->objFirstDay;
    for (const QString& s : subjects) {
        day->strSubject = s;
        day = day->objNextDay.get();
    }
    calculate(*state.objWeekTimetable, state.strTimeCredit, state.catalogue());
}

void addDayOff(AppState& state, const QDate& date)
{
    const auto slot = static_cast<std::size_t>(state.intHolidayCount);
    state.dateHoliday[slot] = date;
    state.intHoliday[slot] = DayOfYear(date);
    ++state.intHolidayCount;
}

void addDay(AppState& state, const QDate& date, const QString& subjects, const QString& comment,
            bool cancelled)
{
    state.objDayChain->appendDay(makeRecordedDay(date, subjects, comment, cancelled));
}

void registerTimetable(AppState& state, const QDate& first, const QDate& last)
{
    for (QDate d = first; d <= last; d = d.addDays(1)) {
        if (!IsSchoolDay(state, d))
            continue;
        const RivoDayTime* planned = state.objWeekTimetable->objFirstDay;
        for (int w = 1; w < Weekday(d) - 1; ++w)
            planned = planned->objNextDay.get();
        addDay(state, d, planned->strSubject);
    }
}
