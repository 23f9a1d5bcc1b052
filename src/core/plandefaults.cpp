#include "core/plandefaults.h"

#include <cassert>

namespace {

const std::array<std::array<QString, 6>, 6>& defaultTable()
{
    static const std::array<std::array<QString, 6>, 6> table = {{
        {u"1333320"_qs, u"1333300"_qs, u"1333330"_qs, u"0333300"_qs, u"1333300"_qs, u"0330000"_qs},
        {u"1333320"_qs, u"1333330"_qs, u"1333330"_qs, u"0333300"_qs, u"1333300"_qs, u"0330000"_qs},
        {u"1333320"_qs, u"1333330"_qs, u"1333330"_qs, u"0333330"_qs, u"1333330"_qs, u"0330000"_qs},
        {u"1333330"_qs, u"1333331"_qs, u"1333330"_qs, u"0333330"_qs, u"1333331"_qs, u"0330000"_qs},
        {u"1333330"_qs, u"1333331"_qs, u"1333330"_qs, u"0333330"_qs, u"1333331"_qs, u"0330000"_qs},
        {u"1333330"_qs, u"1333331"_qs, u"1333330"_qs, u"0333330"_qs, u"1333331"_qs, u"0330000"_qs},
    }};
    return table;
}

} // namespace

const std::array<QString, 6>& defaultTimeCredit(int grade)
{
    assert(grade >= 1 && grade <= 6);
    return defaultTable()[static_cast<std::size_t>(grade - 1)];
}

std::unique_ptr<RivoWeekTotal> makeWeekTimetable()
{
    auto week = std::make_unique<RivoWeekTotal>();
    std::unique_ptr<RivoDayTime>* link = &week->ownedDays;
    RivoDayTime* last = nullptr;
    for (std::int16_t weekName = 1; weekName <= 6; ++weekName) {
        *link = std::make_unique<RivoDayTime>();
        last = link->get();
        last->intWeekName = weekName;
        link = &last->objNextDay;
    }
    last->boolWeekEnd = true;
    week->objFirstDay = week->ownedDays.get();
    week->objLastDay = last;
    return week;
}

std::unique_ptr<RivoYearTotal> makeYearWithTerms()
{
    auto year = std::make_unique<RivoYearTotal>();
    year->objFirstSeason = std::make_unique<RivoSeasonTotal>();
    year->objFirstSeason->objNextSeason = std::make_unique<RivoSeasonTotal>();
    year->objFirstSeason->objNextSeason->objNextSeason = std::make_unique<RivoSeasonTotal>();
    return year;
}

void SetDefaultWeekTables(AppState& state)
{
    for (int d = 0; d < 6; ++d)
        state.strTimeCredit[static_cast<std::size_t>(d)].clear();
    state.strDefaultTimeCredit = defaultTable();
    state.objWeekTimetable = makeWeekTimetable();
    state.objDayChain = std::make_unique<RivoDayTime>();
    state.objYearResult = makeYearWithTerms();
    state.intHolidayCount = kFixedHolidayCount;
}

void SetDefaultYearPlans(AppState& state)
{
    state.objYearBase = std::make_unique<RivoYearTotal>();
    state.objYearPlan = makeYearWithTerms();
}

void InitPlanDefaults(AppState& state)
{
    state.boolCalendarShown = false;
    state.boolStartWizard = true;
    SetDefaultWeekTables(state);
    SetDefaultYearPlans(state);
}
