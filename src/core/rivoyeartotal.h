// Totals of a school year, with its chain of terms (none for the base hours).
#pragma once

#include "core/rivoseasontotal.h"
#include "core/unitcounts.h"

#include <array>
#include <memory>

struct RivoYearTotal : UnitCounts {
    std::unique_ptr<RivoSeasonTotal> objFirstSeason;

    // The first three terms by position (term 1 first); missing terms are null.
    std::array<RivoSeasonTotal*, 3> terms() const;
};
