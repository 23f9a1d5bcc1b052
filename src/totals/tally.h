// The tally of a picked week: week, term and year, each as plan, actual and difference.
#pragma once

#include "core/appstate.h"
#include "core/unitcounts.h"

#include <QDate>
#include <array>
#include <optional>

struct TallyBlock {
    UnitCounts plan;
    UnitCounts actual;
    // actual − plan per field (indexed by the Field value); empty where it leaves 16 bits.
    std::array<std::optional<Units>, kFieldSlots> diff{};

    std::optional<Units> difference(Field field) const { return diff[static_cast<std::size_t>(field)]; }
};

struct Tally {
    QDate first;  // the week's Monday (or 1 April)
    QDate last;   // the week's Saturday (or 31 March)
    int term = 1; // the term of the week's first day
    TallyBlock week;
    TallyBlock termBlock;
    TallyBlock year;
};

// actual − plan, or nothing when the difference leaves 16 bits.
std::optional<Units> unitDifference(Units plan, Units actual);
// Plan and actual side by side with their differences.
TallyBlock compareCounts(const UnitCounts& plan, const UnitCounts& actual);

// Row labels of the tally, in the tally order of the catalogue (クラブ written in half-width katakana).
QString tallyLabel(Field field);

// Recomputes the week's actual hours and the term and year results (stored in objYearResult), and
// compares them with the weekly timetable and the plan. Throws OverflowError only for a result that
// cannot be held at all; out-of-range differences are left empty.
Tally computeTally(AppState& state, const QDate& date);

// A term (1–3) of the plan against the same term of objYearResult as it stands; a missing term
// counts as all 0. The sheets and the tally window show a term's figures through this one place.
TallyBlock termTally(const AppState& state, int term);

// The registered days of first…last as a week.
UnitCounts weekActual(const AppState& state, const QDate& first, const QDate& last);
