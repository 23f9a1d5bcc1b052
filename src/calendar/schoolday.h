// Whether the class has lessons on a date, from the plan's vacations, Saturday rule, days off and
// the law's rest days of its school year.
#pragma once

#include "core/appstate.h"

#include <QDate>
#include <QString>

bool IsSchoolDay(const AppState& state, const QDate& date);

// The date of a month and day in the school year that starts in April of the given year: months
// 1 to 3 belong to the next calendar year. Throws ConversionError when the parts are no valid date.
QDate SchoolYearDate(const QString& year, const QString& month, const QString& day);
QDate SchoolYearDate(int year, int month, int day);
