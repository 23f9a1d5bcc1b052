// The shown week of a picked date: Monday to Saturday, clipped to the school year's first and last day.
#pragma once

#include <QDate>

struct WeekRange {
    QDate first; // Monday, or 1 April when the week starts in March
    QDate last;  // Saturday, or 31 March when the week ends in April
};

// A Sunday gives the following week. schoolYear is the plan's intYear.
WeekRange weekOfDate(const QDate& date, int schoolYear);
