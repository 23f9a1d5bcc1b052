// Small plans built with the model's own functions, for the plan file and mirte-cli tests.
#pragma once

#include "core/appstate.h"

#include <QDate>
#include <QString>
#include <array>

// A plan of school year `year` and a grade: the holiday rules of the initial day boxes with no
// Saturday off by rule, the grade's default period lengths, an empty timetable and plan.
AppState makePlan(int year, int grade);

// Subjects of Monday … Saturday, seven initials each; the timetable's totals are recomputed.
void setTimetable(AppState& state, const std::array<QString, 6>& subjects);

// Appends a day off to the holiday list (entries from 14 on).
void addDayOff(AppState& state, const QDate& date);

// Registers a day (or records it withdrawn when `cancelled`).
void addDay(AppState& state, const QDate& date, const QString& subjects, const QString& comment = {},
            bool cancelled = false);

// The weekly timetable's subjects on every school day from `first` to `last`.
void registerTimetable(AppState& state, const QDate& first, const QDate& last);
