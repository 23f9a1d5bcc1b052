// Totals of a term (学期): a range of recorded days, and the next term of the same year.
#pragma once

#include "core/rivodaytime.h"
#include "core/unitcounts.h"

#include <memory>

struct RivoSeasonTotal : UnitCounts {
    std::unique_ptr<RivoSeasonTotal> objNextSeason; // the year owns its terms through this chain
    RivoDayTime* objLastDay = nullptr;              // not owned
    RivoDayTime* objFirstDay = nullptr;             // not owned
};
