#include "totals/tally.h"

#include "calendar/schooldaycount.h"
#include "calendar/weekrange.h"
#include "core/plandefaults.h"
#include "totals/weektotals.h"
#include "totals/yeartotals.h"

QString tallyLabel(Field field)
{
    return field == Field::kurabu ? QStringLiteral("ｸﾗﾌﾞ") : fieldLabel(field);
}

UnitCounts weekActual(const AppState& state, const QDate& first, const QDate& last)
{
    RivoWeekTotal week;
    for (RivoDayTime* day = state.objDayChain->objNextDay.get(); day; day = day->objNextDay.get()) {
        if (day->dateThisDay > last)
            break;
        if (!day->boolNowPlanning && day->dateThisDay >= first) {
            if (!week.objFirstDay)
                week.objFirstDay = day;
            week.objLastDay = day;
        }
    }
    calculate(week, state.strTimeCredit, state.catalogue());
    return week;
}

std::optional<Units> unitDifference(Units plan, Units actual)
{
    const int d = int(actual) - int(plan);
    if (d < -32768 || d > 32767)
        return std::nullopt;
    return static_cast<Units>(d);
}

TallyBlock compareCounts(const UnitCounts& plan, const UnitCounts& actual)
{
    TallyBlock block{plan, actual, {}};
    for (Field f : kAllFields)
        block.diff[static_cast<std::size_t>(f)] = unitDifference(plan[f], actual[f]);
    for (Field f : kLaterFields)
        block.diff[static_cast<std::size_t>(f)] = unitDifference(plan[f], actual[f]);
    return block;
}

TallyBlock termTally(const AppState& state, int term)
{
    static const RivoSeasonTotal kEmptyTerm;
    const auto index = static_cast<std::size_t>(term - 1);
    const RivoSeasonTotal* plan = state.objYearPlan->terms()[index];
    const RivoSeasonTotal* result = state.objYearResult->terms()[index];
    return compareCounts(plan ? *plan : kEmptyTerm, result ? *result : kEmptyTerm);
}

Tally computeTally(AppState& state, const QDate& date)
{
    Tally tally;
    WeekRange range = weekOfDate(date, state.intYear);
    // Sunday 31 March picks the following week, which lies wholly after the school year: what is left
    // of it is the last day itself, in the third term.
    if (range.first > range.last)
        range.first = range.last;
    tally.first = range.first;
    tally.last = range.last;
    tally.term = termOfMonth(range.first.month());

    // The timetable's totals are recomputed so that a change of period lengths shows at once.
    calculate(*state.objWeekTimetable, state.strTimeCredit, state.catalogue());
    tally.week = compareCounts(*state.objWeekTimetable, weekActual(state, range.first, range.last));

    computeYearResult(state);
    tally.termBlock = termTally(state, tally.term);
    tally.year = compareCounts(*state.objYearPlan, *state.objYearResult);
    return tally;
}
