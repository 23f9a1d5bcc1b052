// The plan file reader without the disk: bytes in, a fresh plan out.
#pragma once

#include "core/appstate.h"

#include <QByteArray>
#include <QString>

// Parses a whole plan file into a new state (defaults first, then every value of the file, the
// weekly timetable and the plan year summed, the recorded days in date order). fileName only
// names the file in messages. Throws PlanFileError with the 1-based line of the first fault.
AppState readPlan(const QByteArray& bytes, const QString& fileName);

// Puts a plan read by readPlan in the place of the open one. Keeps the window state
// (boolStartWizard, dateSelected, dateWeekFirst, dateWeekLast) and strFileName of `state`,
// clears boolCalendarShown.
void replacePlan(AppState& state, AppState&& plan);
