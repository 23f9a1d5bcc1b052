// A plan against the national standard hours of its grade: per subject and in total, the base
// hours, the plan of the year and the registered hours of the year beside the standard.
#pragma once

#include "core/appstate.h"
#include "core/standardhours.h"

#include <vector>

struct StandardFigures {
    Units standard = 0;
    Units base = 0;
    Units plan = 0;
    Units actual = 0;
};

struct StandardComparisonRow {
    Field field;
    StandardFigures figures;
};

struct StandardComparison {
    const StandardCourse* course = nullptr; // none: the school year or grade has no standard
    // One row per field with a standard in the grade, in tally order.
    std::vector<StandardComparisonRow> rows;
    // The hours the standard counts (総授業時数 without クラブ, 児童会 and 学校行事) against the
    // grade's standard total.
    StandardFigures total;
};

// Recomputes the year's results from the registered days (as the tally does) and compares.
// A plan without a standard (no course for its year, no grade) gives no course and no rows.
StandardComparison compareWithStandard(AppState& state);

// The hours of a record that the standard total counts.
Units standardCountedUnits(const UnitCounts& counts);

// The base hours of the grade's standard: every subject of the course gets its standard (0 where the
// grade has none), クラブ, 児童会, 行事, 打切 and 予備 keep their values; subtotals recomputed.
// False, and nothing changed, when the year or grade has no standard.
bool fillBaseWithStandard(UnitCounts& base, int schoolYear, int grade);
