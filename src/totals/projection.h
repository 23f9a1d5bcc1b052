// The hours the weekly timetable would give if taught unchanged on every school day of the year.
#pragma once

#include "core/appstate.h"
#include "core/unitcounts.h"

#include <array>
#include <vector>

// Rows of a plan with the basic catalogue: 16 subjects, spare time (always 0), total.
inline constexpr int kProjectionRows = 18;

// [row][column]: one row per plan row of the plan's catalogue (spare time always 0), then the
// total; columns term 1, 2, 3 and the year.
using ProjectionTable = std::vector<std::array<Units, 4>>;

// The caption a plan row has on the annual plan page: "国語" … "ｸﾗﾌﾞ", "行事", "打切", "予備".
QString planRowCaption(Field field);

// Throws OverflowError when a value leaves 16 bits.
ProjectionTable projectPlan(const AppState& state);
