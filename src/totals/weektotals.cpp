#include "totals/weektotals.h"

#include "core/catalogue.h"

void sumDays(UnitCounts& totals, const RivoDayTime* first, const RivoDayTime* last,
             const TimeCredit& strTimeCredit, const Catalogue& catalogue)
{
    totals.clearCounts();
    for (const RivoDayTime* day = first; day; day = day->objNextDay.get()) {
        // A weekday without a period-length string (a Sunday record) has no lengths at all.
        const int index = day->intWeekName - 1;
        if (!day->boolNowPlanning && index >= 0 && index < static_cast<int>(strTimeCredit.size())) {
            const QString& lengths = strTimeCredit[static_cast<std::size_t>(index)];
            const QString& subjects = day->strSubject;
            for (qsizetype j = 0; j < subjects.size() && j < lengths.size(); ++j) {
                const QChar digit = lengths.at(j);
                if (digit < u'0' || digit > u'9')
                    continue;
                if (const auto field = catalogue.fieldOfInitial(subjects.at(j)))
                    totals[*field] = add16(totals[*field], digit.unicode() - u'0');
            }
        }
        if (day == last)
            break;
    }
    totals.recomputeSubtotals();
}

void calculate(RivoWeekTotal& week, const TimeCredit& strTimeCredit, const Catalogue& catalogue)
{
    sumDays(week, week.objFirstDay, week.objLastDay, strTimeCredit, catalogue);
}

void calculate(RivoSeasonTotal& term, const TimeCredit& strTimeCredit, const Catalogue& catalogue)
{
    sumDays(term, term.objFirstDay, term.objLastDay, strTimeCredit, catalogue);
}

void calculate(RivoWeekTotal& week, const TimeCredit& strTimeCredit)
{
    calculate(week, strTimeCredit, basicCatalogue());
}

void calculate(RivoSeasonTotal& term, const TimeCredit& strTimeCredit)
{
    calculate(term, strTimeCredit, basicCatalogue());
}
