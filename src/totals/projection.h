// The hours the weekly timetable would give if taught unchanged on every school day of the year.
#pragma once

#include "core/appstate.h"
#include "core/unitcounts.h"

#include <array>

inline constexpr int kProjectionRows = 18; // 16 subjects, spare time (always 0), total

// [row][column]: rows in projection order, columns term 1, 2, 3 and the year.
using ProjectionTable = std::array<std::array<Units, 4>, kProjectionRows>;

// Fields of rows 1 to 16, in order.
extern const std::array<Field, 16> kProjectionFields;

// Throws OverflowError when a value leaves 16 bits.
ProjectionTable projectPlan(const AppState& state);
