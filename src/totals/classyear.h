// One class's school year at a glance: the plan of the year against the hours registered up to a
// date, as the whole-school summary lists it.
#pragma once

#include "core/appstate.h"
#include "totals/tally.h"

#include <QDate>
#include <QString>
#include <vector>

struct ClassYear {
    int schoolYear = 0;
    int grade = 0;
    QString strClass;
    QString teacher;
    TallyBlock year; // plan of the year, registered hours, difference
};

// The registered hours of the school year up to and including `until` (every registered day when
// `until` is not valid), assigned to the terms by month as the tally does. The state is not changed.
UnitCounts registeredHours(const AppState& state, const QDate& until = {});

ClassYear classYear(const AppState& state, const QDate& until = {});

// The fields a summary lists for a plan of this school year, in the tally's order.
std::vector<Field> summaryFields(int schoolYear);
