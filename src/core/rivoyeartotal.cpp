#include "core/rivoyeartotal.h"

std::array<RivoSeasonTotal*, 3> RivoYearTotal::terms() const
{
    std::array<RivoSeasonTotal*, 3> result{};
    RivoSeasonTotal* term = objFirstSeason.get();
    for (auto& slot : result) {
        slot = term;
        if (term)
            term = term->objNextSeason.get();
    }
    return result;
}
