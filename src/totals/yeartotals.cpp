#include "totals/yeartotals.h"

#include "calendar/schooldaycount.h"
#include "totals/weektotals.h"

void calculate(RivoYearTotal& year)
{
    year.clearCounts();
    for (const RivoSeasonTotal* term : year.terms()) {
        if (!term)
            continue;
        for (Field f : kSubjectFields)
            year[f] = add16(year[f], (*term)[f]);
    }
    year.recomputeSubtotals();
}

void full_calculate(RivoYearTotal& year, const TimeCredit& strTimeCredit, const Catalogue& catalogue)
{
    for (RivoSeasonTotal* term : year.terms())
        if (term)
            calculate(*term, strTimeCredit, catalogue);
    calculate(year);
}

void full_calculate(RivoYearTotal& year, const TimeCredit& strTimeCredit)
{
    full_calculate(year, strTimeCredit, basicCatalogue());
}

void assignDaysToTerms(RivoYearTotal& result, RivoDayTime& head, const QDate& until)
{
    const auto terms = result.terms();
    for (RivoSeasonTotal* term : terms)
        if (term)
            term->objFirstDay = nullptr;
    for (RivoDayTime* day = head.objNextDay.get(); day; day = day->objNextDay.get()) {
        if (day->boolNowPlanning || (until.isValid() && day->dateThisDay > until))
            continue;
        RivoSeasonTotal* term = terms[static_cast<std::size_t>(termOfMonth(day->dateThisDay.month()) - 1)];
        if (!term)
            continue;
        if (!term->objFirstDay)
            term->objFirstDay = day;
        term->objLastDay = day;
    }
}

void computeYearResult(AppState& state)
{
    assignDaysToTerms(*state.objYearResult, *state.objDayChain);
    full_calculate(*state.objYearResult, state.strTimeCredit, state.catalogue());
}
