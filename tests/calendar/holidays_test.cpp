// The fourteen national holiday entries of a school year and the other dates of the holiday rules.
#include "calendar/dates.h"
#include "calendar/nationalholidays.h"
#include "core/plandefaults.h"

#include <gtest/gtest.h>

namespace {

HolidayRules rulesFor(int year)
{
    return computeHolidayRules(year, initialHolidayBoxes(), SaturdayRule::Irregular, {});
}

} // namespace

TEST(NationalHolidays, MatchTheCalendarOfEachYear)
{
    const struct {
        int year;
        std::array<QDate, 14> dates;
    } cases[] = {
        {2000,
         {{{2000, 4, 29},
           {2000, 5, 3},
           {2000, 5, 4},
           {2000, 5, 5},
           {2000, 7, 20},
           {2000, 9, 15},
           {2000, 9, 23},
           {2000, 10, 9},
           {2000, 11, 3},
           {2000, 11, 23},
           {2000, 12, 23},
           {2001, 1, 8},
           {2001, 2, 12},
           {2001, 3, 20}}}},
        // 2001: 29 April, 23 September and 23 December are Sundays.
        {2001,
         {{{2001, 4, 30},
           {2001, 5, 3},
           {2001, 5, 4},
           {2001, 5, 5},
           {2001, 7, 20},
           {2001, 9, 15},
           {2001, 9, 24},
           {2001, 10, 8},
           {2001, 11, 3},
           {2001, 11, 23},
           {2001, 12, 24},
           {2002, 1, 14},
           {2002, 2, 11},
           {2002, 3, 20}}}},
        // 20 July 2003 is a Sunday and moves to Monday; the Monday holidays of July and September start in
        // 2004.
        {2003,
         {{{2003, 4, 29},
           {2003, 5, 3},
           {2003, 5, 5},
           {2003, 5, 5},
           {2003, 7, 21},
           {2003, 9, 15},
           {2003, 9, 23},
           {2003, 10, 13},
           {2003, 11, 3},
           {2003, 11, 24},
           {2003, 12, 23},
           {2004, 1, 12},
           {2004, 2, 11},
           {2004, 3, 20}}}},
        {2004,
         {{{2004, 4, 29},
           {2004, 5, 3},
           {2004, 5, 4},
           {2004, 5, 5},
           {2004, 7, 19},
           {2004, 9, 20},
           {2004, 9, 23},
           {2004, 10, 11},
           {2004, 11, 3},
           {2004, 11, 23},
           {2004, 12, 23},
           {2005, 1, 10},
           {2005, 2, 11},
           {2005, 3, 21}}}},
        // 4 May 2008 is a Sunday: from 2007 its substitute is the first day after it that is no
        // holiday, 6 May.
        {2008,
         {{{2008, 4, 29},
           {2008, 5, 3},
           {2008, 5, 6},
           {2008, 5, 5},
           {2008, 7, 21},
           {2008, 9, 15},
           {2008, 9, 23},
           {2008, 10, 13},
           {2008, 11, 3},
           {2008, 11, 24},
           {2008, 12, 23},
           {2009, 1, 12},
           {2009, 2, 11},
           {2009, 3, 20}}}},
    };
    for (const auto& c : cases) {
        const HolidayRules r = rulesFor(c.year);
        for (std::size_t i = 0; i < 14; ++i) {
            EXPECT_EQ(r.holidayDate[i], c.dates[i]) << c.year << " entry " << i;
            EXPECT_EQ(r.holidayDay[i], c.dates[i].dayOfYear()) << c.year << " entry " << i;
        }
    }
}

TEST(NationalHolidays, EntriesFollowTheLawOfLaterYears)
{
    // The boxes a school year starts with hold its equinox days. Entry 7 is 体育の日 or スポーツの日,
    // entry 10 the school year's 天皇誕生日 (23 February from school year 2019).
    const struct {
        int year;
        std::array<QDate, 14> dates;
        QDate sportsDay;
    } cases[] = {
        {2009,
         {{{2009, 4, 29},
           {2009, 5, 6},
           {2009, 5, 4},
           {2009, 5, 5},
           {2009, 7, 20},
           {2009, 9, 21},
           {2009, 9, 23},
           {2009, 10, 12},
           {2009, 11, 3},
           {2009, 11, 23},
           {2009, 12, 23},
           {2010, 1, 11},
           {2010, 2, 11},
           {2010, 3, 22}}},
         {2009, 10, 12}},
        {2019,
         {{{2019, 4, 29},
           {2019, 5, 3},
           {2019, 5, 4},
           {2019, 5, 6},
           {2019, 7, 15},
           {2019, 9, 16},
           {2019, 9, 23},
           {2019, 10, 14},
           {2019, 11, 4},
           {2019, 11, 23},
           {2020, 2, 24},
           {2020, 1, 13},
           {2020, 2, 11},
           {2020, 3, 20}}},
         {2019, 10, 14}},
        {2020,
         {{{2020, 4, 29},
           {2020, 5, 6},
           {2020, 5, 4},
           {2020, 5, 5},
           {2020, 7, 23},
           {2020, 9, 21},
           {2020, 9, 22},
           {2020, 7, 24},
           {2020, 11, 3},
           {2020, 11, 23},
           {2021, 2, 23},
           {2021, 1, 11},
           {2021, 2, 11},
           {2021, 3, 20}}},
         {2020, 7, 24}},
        {2026,
         {{{2026, 4, 29},
           {2026, 5, 6},
           {2026, 5, 4},
           {2026, 5, 5},
           {2026, 7, 20},
           {2026, 9, 21},
           {2026, 9, 23},
           {2026, 10, 12},
           {2026, 11, 3},
           {2026, 11, 23},
           {2027, 2, 23},
           {2027, 1, 11},
           {2027, 2, 11},
           {2027, 3, 22}}},
         {2026, 10, 12}},
    };
    for (const auto& c : cases) {
        const HolidayRules r =
            computeHolidayRules(c.year, initialHolidayBoxes(c.year), SaturdayRule::AllOff, {});
        for (std::size_t i = 0; i < 14; ++i) {
            EXPECT_EQ(r.holidayDate[i], c.dates[i]) << c.year << " entry " << i;
            EXPECT_EQ(r.holidayDay[i], c.dates[i].dayOfYear()) << c.year << " entry " << i;
        }
        EXPECT_EQ(r.dateSportsDay, c.sportsDay) << c.year;
    }
}

TEST(NationalHolidays, ShiftMovesOnlyTheListEntry)
{
    // Autumn equinox box 23: 23 September 2001 is a Sunday.
    const HolidayRules r = rulesFor(2001);
    EXPECT_EQ(r.dateAutumnEquinox, QDate(2001, 9, 23));
    EXPECT_EQ(r.holidayDate[6], QDate(2001, 9, 24));
    EXPECT_EQ(r.dateSportsDay, QDate(2001, 10, 8));
    EXPECT_EQ(r.dateComingOfAgeDay, QDate(2002, 1, 14));
}

TEST(HolidayRules, BoxesGiveVacationBoundsAndOverflowIntoTheNextMonth)
{
    HolidayBoxes boxes = initialHolidayBoxes();
    boxes[0] = 31;
    const HolidayRules r = computeHolidayRules(2001, boxes, SaturdayRule::SecondAndFourthOff, {});
    EXPECT_EQ(r.dateSpringFrom, QDate(2001, 4, 1));
    EXPECT_EQ(r.dateSpringTo, QDate(2001, 5, 1));
    EXPECT_EQ(r.dateSummerFrom, QDate(2001, 7, 20));
    EXPECT_EQ(r.dateSummerTo, QDate(2001, 8, 31));
    EXPECT_EQ(r.dateWinterFrom, QDate(2001, 12, 25));
    EXPECT_EQ(r.dateWinterTo, QDate(2002, 1, 7));
    EXPECT_EQ(r.dateYearEndFrom, QDate(2002, 3, 19));
    EXPECT_EQ(r.dateYearEndTo, QDate(2002, 3, 31));
    EXPECT_TRUE(r.boolSat2nd4thOff);
    EXPECT_FALSE(r.boolSatAllOff);
    const HolidayRules irregular = computeHolidayRules(2001, boxes, SaturdayRule::Irregular, {});
    EXPECT_FALSE(irregular.boolSat2nd4thOff || irregular.boolSatAllOff);
}

TEST(HolidayRules, AnEmptyBoxKeepsTheDateStoredBefore)
{
    HolidayBoxes boxes = initialHolidayBoxes();
    boxes[0] = 31; // 1 May
    const HolidayRules first = computeHolidayRules(2001, boxes, SaturdayRule::Irregular, {});
    boxes[0].reset();
    boxes[4].reset();
    const HolidayRules again = computeHolidayRules(2001, boxes, SaturdayRule::Irregular, first);
    EXPECT_EQ(again.dateSpringTo, QDate(2001, 5, 1));
    EXPECT_EQ(again.dateAutumnEquinox, QDate(2001, 9, 23));
    // With nothing stored before, an empty box falls back to its initial day.
    const HolidayRules fresh = computeHolidayRules(2001, boxes, SaturdayRule::Irregular, {});
    EXPECT_EQ(fresh.dateSpringTo, QDate(2001, 4, 4));
    // An empty equinox box takes the law's day, and an equinox stored for another year is not kept.
    EXPECT_EQ(computeHolidayRules(2012, boxes, SaturdayRule::Irregular, first).dateAutumnEquinox,
              QDate(2012, 9, 22));
}

TEST(HolidayRules, ApplyingTwiceGivesTheSameStateAndKeepsAddedDaysOff)
{
    AppState s;
    InitPlanDefaults(s);
    s.intYear = 2004;
    s.intHolidayCount = 16;
    s.dateHoliday[14] = {2004, 6, 1};
    s.intHoliday[14] = 153;
    s.dateHoliday[15] = {2004, 10, 1};
    s.intHoliday[15] = 275;
    const HolidayRules r =
        computeHolidayRules(2004, initialHolidayBoxes(), SaturdayRule::AllOff, holidayRulesOf(s));
    applyHolidayRules(s, r);
    const auto holidaysOnce = s.intHoliday;
    applyHolidayRules(
        s, computeHolidayRules(2004, initialHolidayBoxes(), SaturdayRule::AllOff, holidayRulesOf(s)));
    EXPECT_EQ(s.intHoliday, holidaysOnce);
    EXPECT_EQ(s.intHolidayCount, 16);
    EXPECT_EQ(s.intHoliday[15], 275);
    EXPECT_EQ(s.dateHoliday[4], QDate(2004, 7, 19));
    EXPECT_EQ(s.intSportsDay, QDate(2004, 10, 11).dayOfYear());
    EXPECT_EQ(s.intWinterTo, 7);
    EXPECT_TRUE(s.boolSatAllOff);
}
