// Projecting the weekly timetable over the school days of each term.
#include "calendar/schoolday.h"
#include "planfixture.h"
#include "totals/projection.h"

#include <gtest/gtest.h>

namespace {

int schoolWeekdays(const AppState& s, int weekday, const QDate& from, const QDate& to)
{
    int n = 0;
    for (QDate d = from; d <= to; d = d.addDays(1))
        n += IsSchoolDay(s, d) && d.dayOfWeek() == weekday;
    return n;
}

} // namespace

TEST(Projection, EmptyTimetableGivesZeroEverywhere)
{
    auto s = plan2001();
    for (const auto& row : projectPlan(*s))
        for (Units u : row)
            EXPECT_EQ(u, 0);
}

TEST(Projection, MultipliesEachWeekdayByItsSchoolDays)
{
    auto s = plan2001();
    // Monday 1333320: 国語 in a 45-minute and the 30-minute period: 5 units a Monday.
    timetableDay(*s, 1).strSubject = kE + QStringLiteral("国算算算国") + kE;
    timetableDay(*s, 6).strSubject = kE + QStringLiteral("体体");
    const ProjectionTable t = projectPlan(*s);
    const int mondays1 = schoolWeekdays(*s, 1, {2001, 4, 1}, {2001, 7, 31});
    const int mondays2 = schoolWeekdays(*s, 1, {2001, 8, 1}, {2001, 12, 31});
    const int mondays3 = schoolWeekdays(*s, 1, {2002, 1, 1}, {2002, 3, 31});
    EXPECT_EQ(t[0][0], 5 * mondays1);
    EXPECT_EQ(t[0][1], 5 * mondays2);
    EXPECT_EQ(t[0][2], 5 * mondays3);
    EXPECT_EQ(t[0][3], t[0][0] + t[0][1] + t[0][2]);
    EXPECT_EQ(t[2][3], 9 * (mondays1 + mondays2 + mondays3));
    const int saturdays = schoolWeekdays(*s, 6, {2001, 4, 1}, {2002, 3, 31});
    EXPECT_EQ(t[8][3], 6 * saturdays);
    EXPECT_EQ(t[16][3], 0) << "spare time is never projected";
    for (int c = 0; c < 4; ++c) {
        int sum = 0;
        for (int r = 0; r < 17; ++r)
            sum += t[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
        EXPECT_EQ(t[17][static_cast<std::size_t>(c)], sum);
    }
}

TEST(Projection, FollowsTheHolidayCalendarAndTheSummerVacation)
{
    auto s = plan2001();
    timetableDay(*s, 5).strSubject = kE + QStringLiteral("国"); // Friday: one 45-minute 国語
    const Units before = projectPlan(*s)[0][1];
    // Fridays 24 and 31 August fall in the summer vacation; ending it on 24 August adds the 31st to term 2.
    s->dateSummerTo = {2001, 8, 24};
    s->updateDayNumbers();
    EXPECT_EQ(projectPlan(*s)[0][1], before + 3);
    s->intHoliday[s->intHolidayCount] = QDate(2001, 11, 2).dayOfYear(); // a Friday made a day off
    ++s->intHolidayCount;
    EXPECT_EQ(projectPlan(*s)[0][1], before);
}

TEST(Projection, WeekdayWithoutPeriodsContributesNothing)
{
    auto s = plan2001();
    s->strTimeCredit[1] = QStringLiteral("0000000");
    timetableDay(*s, 2).strSubject = QStringLiteral("国国国国国国国");
    EXPECT_EQ(projectPlan(*s)[0][3], 0);
}
