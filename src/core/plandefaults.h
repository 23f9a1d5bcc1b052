// The state a new plan starts from, and the records every plan is built of.
#pragma once

#include "core/appstate.h"

#include <memory>

// Clears boolCalendarShown, sets boolStartWizard, then resets week tables and year plans.
void InitPlanDefaults(AppState& state);
// Empty period lengths, the default table, a blank weekly timetable, no recorded days, empty
// results, and the holiday count back to the fourteen national holidays.
void SetDefaultWeekTables(AppState& state);
// Empty base hours (no terms) and an empty plan with three terms.
void SetDefaultYearPlans(AppState& state);

// A weekly timetable of six blank days Monday to Saturday, Saturday marked as week end.
std::unique_ptr<RivoWeekTotal> makeWeekTimetable();
// A year record with three empty chained terms.
std::unique_ptr<RivoYearTotal> makeYearWithTerms();

// The suggested period lengths of a grade 1–6, Monday to Saturday.
const std::array<QString, 6>& defaultTimeCredit(int grade);
