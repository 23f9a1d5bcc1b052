// School days per term and year, as the holiday calendar page counts them.
#pragma once

#include "core/appstate.h"

#include <QDate>

struct SchoolDayCounts {
    int term1 = 0;
    int term2 = 0;
    int term3 = 0;
    int year = 0;
};

// First and last day of term 1 (April–July), 2 (August–December) or 3 (January–March).
QDate termFirstDay(int schoolYear, int term);
QDate termLastDay(int schoolYear, int term);
// The term of a date's month.
int termOfMonth(int month);

SchoolDayCounts countSchoolDays(const AppState& state);
