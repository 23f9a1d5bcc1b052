#include "calendar/schooldaycount.h"

#include "calendar/dates.h"
#include "calendar/schoolday.h"

QDate termFirstDay(int schoolYear, int term)
{
    switch (term) {
    case 1: return DateSerial(schoolYear, 4, 1);
    case 2: return DateSerial(schoolYear, 8, 1);
    default: return DateSerial(schoolYear + 1, 1, 1);
    }
}

QDate termLastDay(int schoolYear, int term)
{
    switch (term) {
    case 1: return DateSerial(schoolYear, 7, 31);
    case 2: return DateSerial(schoolYear, 12, 31);
    default: return DateSerial(schoolYear + 1, 3, 31);
    }
}

int termOfMonth(int month)
{
    if (month >= 4 && month <= 7)
        return 1;
    if (month >= 8 && month <= 12)
        return 2;
    return 3;
}

SchoolDayCounts countSchoolDays(const AppState& state)
{
    SchoolDayCounts counts;
    int* perTerm[] = {&counts.term1, &counts.term2, &counts.term3};
    for (int term = 1; term <= 3; ++term) {
        const QDate last = termLastDay(state.intYear, term);
        for (QDate d = termFirstDay(state.intYear, term); d <= last; d = d.addDays(1)) {
            if (IsSchoolDay(state, d)) {
                ++*perTerm[term - 1];
                ++counts.year;
            }
        }
    }
    return counts;
}
