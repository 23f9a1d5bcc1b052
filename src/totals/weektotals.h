// Lesson time per subject over a range of day records: every period adds its length from the
// period-length strings to the field of its subject.
#pragma once

#include "core/appstate.h"
#include "core/rivoseasontotal.h"
#include "core/rivoweektotal.h"

// Rewrites every field from objFirstDay … objLastDay (inclusive, by identity; to the end of the
// chain when objLastDay does not follow). Withdrawn days are passed over. An initial counts in the
// field the plan's catalogue gives it; without a catalogue, in that of the basic one.
void calculate(RivoWeekTotal& week, const TimeCredit& strTimeCredit, const Catalogue& catalogue);
void calculate(RivoSeasonTotal& term, const TimeCredit& strTimeCredit, const Catalogue& catalogue);
void calculate(RivoWeekTotal& week, const TimeCredit& strTimeCredit);
void calculate(RivoSeasonTotal& term, const TimeCredit& strTimeCredit);

// The walk itself, for any record with a day range.
void sumDays(UnitCounts& totals, const RivoDayTime* first, const RivoDayTime* last,
             const TimeCredit& strTimeCredit, const Catalogue& catalogue);
