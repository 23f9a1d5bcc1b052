// The holiday rules of a school year: vacation bounds and equinox days from the day boxes of the
// holiday rules page, the Saturday rule, and the fourteen national holiday entries derived from them.
#pragma once

#include "calendar/holidaylaw.h"
#include "core/appstate.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <array>
#include <optional>
#include <vector>

// Day boxes by their number (box 6 does not exist): 0 end of the April vacation, 1 start of the
// summer vacation (July), 5 its end (August), 2 start of the winter vacation (December), 8 its end
// (January), 3 start of the March vacation, 4 autumn equinox (September), 7 vernal equinox (March).
// An empty box (text that is no whole number) keeps the date stored before.
using HolidayBoxes = std::array<std::optional<int>, 9>;

// The boxes' days before anything was stored and before a school year is known.
inline constexpr std::array<int, 9> kInitialHolidayBoxes = {4, 20, 25, 19, 23, 31, 0, 20, 7};
HolidayBoxes initialHolidayBoxes();
// The same for school year `year`, whose equinox boxes hold that year's equinox days.
HolidayBoxes initialHolidayBoxes(int year);

enum class SaturdayRule { SecondAndFourthOff = 0, AllOff = 1, Irregular = 2 };

struct HolidayRules {
    QDate dateSpringFrom, dateSpringTo, dateSummerFrom, dateSummerTo, dateWinterFrom, dateWinterTo;
    QDate dateYearEndFrom, dateYearEndTo, dateAutumnEquinox, dateSportsDay, dateComingOfAgeDay,
        dateVernalEquinox;
    bool boolSat2nd4thOff = false;
    bool boolSatAllOff = false;
    std::array<QDate, kFixedHolidayCount> holidayDate;
    std::array<std::int16_t, kFixedHolidayCount> holidayDay{};
};

// The rules as the state holds them now (the "previous" dates for empty boxes).
HolidayRules holidayRulesOf(const AppState& state);

// Derives every date of the rules for school year `year`. Each holiday entry holds its holiday's day
// off as the law moves it: a Sunday holiday moves to its substitute holiday (to Monday where the law
// gives none, as 4 May before 2007). An equinox box without a day keeps the equinox stored before
// for that year, or takes the law's.
HolidayRules computeHolidayRules(int year, const HolidayBoxes& boxes, SaturdayRule rule,
                                 const HolidayRules& previous);

// Writes the rules into the state: the twelve dates with their day numbers, the Saturday flags,
// holiday entries 0 to 13 and the law's rest days. The added days off (entries from 14) and
// intHolidayCount stay.
void applyHolidayRules(AppState& state, const HolidayRules& rules);

// The law's rest days of the plan's school year, with the plan's equinox days; none without a year.
std::vector<RestDay> planRestDays(const AppState& state);
// The names of those days by date ("国民の休日", "春分の日（予定）"), for the calendars.
QHash<QDate, QString> planRestDayNames(const AppState& state);
// Sets lawRestDays from planRestDays.
void updateLawRestDays(AppState& state);
