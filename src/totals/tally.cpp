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

static TallyBlock compare(const UnitCounts& plan, const UnitCounts& actual)
{
    TallyBlock block{plan, actual, {}};
    const auto differ = [&](Field f) {
        const long long d = static_cast<long long>(actual[f]) - plan[f];
        if (d >= -32768 && d <= 32767)
            block.diff[static_cast<std::size_t>(f)] = static_cast<Units>(d);
    };
    for (Field f : kAllFields)
        differ(f);
    for (Field f : kLaterFields)
        differ(f);
    return block;
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
    tally.week = compare(*state.objWeekTimetable, weekActual(state, range.first, range.last));

    computeYearResult(state);
    const auto resultTerms = state.objYearResult->terms();
    static const RivoSeasonTotal kEmptyTerm;
    const auto planTerms = state.objYearPlan->terms();
    const auto termIndex = static_cast<std::size_t>(tally.term - 1);
    const RivoSeasonTotal* planTerm = planTerms[termIndex] ? planTerms[termIndex] : &kEmptyTerm;
    const RivoSeasonTotal* resultTerm = resultTerms[termIndex] ? resultTerms[termIndex] : &kEmptyTerm;
    tally.termBlock = compare(*planTerm, *resultTerm);
    tally.year = compare(*state.objYearPlan, *state.objYearResult);
    return tally;
}
