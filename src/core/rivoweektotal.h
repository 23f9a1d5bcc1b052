// Totals of a week: the weekly timetable (which owns its six days) or a week of recorded days.
#pragma once

#include "core/rivodaytime.h"
#include "core/unitcounts.h"

#include <memory>

struct RivoWeekTotal : UnitCounts {
    RivoDayTime* objFirstDay = nullptr; // first day of the range; not owned
    RivoDayTime* objLastDay = nullptr;  // last day of the range; not owned
    // The days this week owns: the weekly timetable's Monday to Saturday. Empty for a week over
    // recorded days, whose records belong to the list of recorded days.
    std::unique_ptr<RivoDayTime> ownedDays;
};
