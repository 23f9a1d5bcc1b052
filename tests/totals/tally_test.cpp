// The tally of a picked week: plan from the weekly timetable and the plan terms, actual from the
// registered days, difference = actual − plan.
#include "planfixture.h"
#include "totals/tally.h"
#include "totals/yeartotals.h"

#include <gtest/gtest.h>

namespace {

void fullTimetable(AppState& s)
{
    for (int w = 1; w <= 6; ++w)
        timetableDay(s, w).strSubject = kE + QStringLiteral("国算理社体音");
}

} // namespace

TEST(Tally, WeekWithoutRegisteredDaysShowsTheNegativePlan)
{
    auto s = plan2001();
    fullTimetable(*s);
    const Tally t = computeTally(*s, {2001, 10, 17});
    EXPECT_EQ(t.first, QDate(2001, 10, 15));
    EXPECT_EQ(t.last, QDate(2001, 10, 20));
    EXPECT_EQ(t.term, 2);
    EXPECT_EQ(t.week.plan.kokugo, 3 * 5 + 3);
    EXPECT_EQ(t.week.actual.SouJisuu, 0);
    EXPECT_EQ(t.week.difference(Field::kokugo), -18);
    EXPECT_EQ(t.week.difference(Field::kurabu), 0);
}

TEST(Tally, CountsRegisteredDaysOfTheWeekTermAndYear)
{
    auto s = plan2001();
    fullTimetable(*s);
    auto planTerms = s->objYearPlan->terms();
    planTerms[1]->kokugo = 300;
    calculate(*s->objYearPlan);
    const QString day = kE + QStringLiteral("国算理社体音");
    record(*s, {2001, 10, 15}, day);                               // Monday, 1333320: 国 3
    record(*s, {2001, 10, 16}, kE + QStringLiteral("国国"), true); // withdrawn
    record(*s, {2001, 10, 20}, QStringLiteral("切国国国国国国"));  // Saturday 0330000
    record(*s, {2001, 10, 22}, day);                               // next week
    record(*s, {2001, 5, 7}, day);                                 // term 1
    const Tally t = computeTally(*s, {2001, 10, 14});              // a Sunday picks the following week
    EXPECT_EQ(t.first, QDate(2001, 10, 15));
    EXPECT_EQ(t.week.actual.kokugo, 3 + 6);
    EXPECT_EQ(t.week.actual.uchikiri, 0) << "period 0 of a Saturday has no length";
    EXPECT_EQ(t.termBlock.actual.kokugo, 3 + 6 + 3);
    EXPECT_EQ(t.termBlock.plan.kokugo, 300);
    EXPECT_EQ(t.termBlock.difference(Field::kokugo), 12 - 300);
    EXPECT_EQ(t.year.actual.kokugo, 15);
    EXPECT_EQ(t.year.plan.kokugo, 300);
    EXPECT_EQ(s->objYearResult->kokugo, 15) << "the results stay computed";
}

TEST(Tally, WeekOverNewYearCountsBothCalendarYears)
{
    auto s = plan2001();
    s->intYear = 2003;
    applyHolidayRules(*s, computeHolidayRules(2003, initialHolidayBoxes(), SaturdayRule::Irregular, {}));
    record(*s, {2003, 12, 29}, QStringLiteral("国国"));
    record(*s, {2004, 1, 3}, QStringLiteral("国国"));
    const Tally t = computeTally(*s, {2004, 1, 1});
    EXPECT_EQ(t.first, QDate(2003, 12, 29));
    EXPECT_EQ(t.last, QDate(2004, 1, 3));
    EXPECT_EQ(t.term, 2) << "the term of the week's first day";
    EXPECT_EQ(t.week.actual.kokugo, 4 + 3);
    EXPECT_EQ(t.termBlock.actual.kokugo, 4) << "1 January–3 March belong to term 3";
}

TEST(Tally, ClippedWeeksAndTermsOfFirstDays)
{
    auto s = plan2001();
    EXPECT_EQ(computeTally(*s, {2001, 4, 1}).first, QDate(2001, 4, 2));
    const Tally march = computeTally(*s, {2002, 3, 25});
    EXPECT_EQ(march.term, 3);
    const Tally july = computeTally(*s, {2001, 7, 30});
    EXPECT_EQ(july.first, QDate(2001, 7, 30));
    EXPECT_EQ(july.term, 1) << "a week starting in July belongs to term 1";
    const Tally sunday31March = computeTally(*s, {2002, 3, 31});
    EXPECT_EQ(sunday31March.first, QDate(2002, 3, 31));
    EXPECT_EQ(sunday31March.last, QDate(2002, 3, 31));
    EXPECT_EQ(sunday31March.term, 3) << "not the first term of the next school year";
    s->intYear = 2002;
    const Tally lastDay = computeTally(*s, {2003, 3, 31});
    EXPECT_EQ(lastDay.first, QDate(2003, 3, 31));
    EXPECT_EQ(lastDay.last, QDate(2003, 3, 31));
}

TEST(Tally, PlanWithoutTermsReadsZero)
{
    auto s = plan2001();
    s->objYearPlan->objFirstSeason.reset();
    record(*s, {2001, 5, 7}, QStringLiteral("国"));
    const Tally t = computeTally(*s, {2001, 5, 7});
    EXPECT_EQ(t.termBlock.plan.kokugo, 0);
    EXPECT_EQ(t.termBlock.difference(Field::kokugo), 1);
}

TEST(Tally, DifferenceOutside16BitsIsLeftEmpty)
{
    auto s = plan2001();
    s->objYearPlan->kokugo = -32768;
    s->objYearPlan->objFirstSeason.reset();
    record(*s, {2001, 5, 7}, QStringLiteral("国"));
    // The plan year is only summed on typing or loading; here it holds a typed extreme.
    const Tally t = computeTally(*s, {2001, 5, 7});
    EXPECT_EQ(t.year.difference(Field::kokugo), std::nullopt);
    EXPECT_EQ(t.year.difference(Field::syakai), 0);
}

TEST(Tally, RowLabelsUseHalfWidthClub)
{
    EXPECT_EQ(tallyLabel(Field::kurabu), QStringLiteral("ｸﾗﾌﾞ"));
    EXPECT_EQ(tallyLabel(Field::gakkougyouji), QStringLiteral("学校行事"));
    EXPECT_EQ(tallyLabel(Field::yobi), QStringLiteral("予備時数"));
}
