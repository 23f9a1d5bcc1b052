// The week walk: one period-length digit per period added to the field of its subject.
#include "planfixture.h"
#include "totals/weektotals.h"

#include <gtest/gtest.h>

namespace {

TimeCredit mondayCredit(const QString& monday)
{
    TimeCredit tc;
    tc[0] = monday;
    return tc;
}

std::unique_ptr<RivoDayTime> monday(const QString& subjects, bool cancelled = false)
{
    auto d = std::make_unique<RivoDayTime>();
    d->intWeekName = 1;
    d->strSubject = subjects;
    d->boolNowPlanning = cancelled;
    return d;
}

} // namespace

TEST(WeekWalk, EmptyWeekIsAllZero)
{
    RivoWeekTotal week;
    week.kokugo = 5;
    calculate(week, mondayCredit(QStringLiteral("1333320")));
    EXPECT_TRUE(week.sameCounts(UnitCounts{}));
}

TEST(WeekWalk, EachPeriodCountsWithItsOwnLength)
{
    auto day = monday(kE + QStringLiteral("国算国体音") + kE);
    RivoWeekTotal week;
    week.objFirstDay = week.objLastDay = day.get();
    calculate(week, mondayCredit(QStringLiteral("1333320")));
    UnitCounts expected;
    expected.kokugo = 6;
    expected.sannsuu = 3;
    expected.taiiku = 3;
    expected.onngaku = 2; // period 5 lasts 30 minutes
    expected.KyoukaSyoukei = 14;
    expected.SouJyugyouJisuu = 14;
    expected.SouJisuu = 14;
    EXPECT_TRUE(week.sameCounts(expected));

    day->strSubject = kE + QStringLiteral("国算切体音") + kE;
    calculate(week, mondayCredit(QStringLiteral("1333320")));
    EXPECT_EQ(week.kokugo, 3);
    EXPECT_EQ(week.uchikiri, 3);
    EXPECT_EQ(week.KyoukaSyoukei, 11);
    EXPECT_EQ(week.SouJyugyouJisuu, 11);
    EXPECT_EQ(week.SouJisuu, 14) << "cut time counts in the grand total only";

    day->strSubject = QStringLiteral("予予") + kE;
    calculate(week, mondayCredit(QStringLiteral("1333320")));
    EXPECT_EQ(week.yobi, 4);
    EXPECT_EQ(week.SouJyugyouJisuu, 0);
    EXPECT_EQ(week.SouJisuu, 4);
}

TEST(WeekWalk, LengthsThatAreMissingOrNoDigitsAddNothing)
{
    auto day = monday(QStringLiteral("国国国国国国国国国"));
    RivoWeekTotal week;
    week.objFirstDay = week.objLastDay = day.get();
    const struct {
        const char* lengths;
        Units kokugo;
    } cases[] = {{"", 0}, {"3", 3}, {"30x3", 6}, {"0000000", 0}, {"3333333", 21}, {"9", 9}};
    for (const auto& c : cases) {
        calculate(week, mondayCredit(QString::fromLatin1(c.lengths)));
        EXPECT_EQ(week.kokugo, c.kokugo) << c.lengths;
    }
    day->strSubject = QStringLiteral("国国");
    calculate(week, mondayCredit(QStringLiteral("3333333")));
    EXPECT_EQ(week.kokugo, 6) << "a short subject string is read only as far as it goes";
}

TEST(WeekWalk, WithdrawnDaysArePassedOverButFollowed)
{
    auto first = monday(QStringLiteral("国"), /*cancelled=*/true);
    first->objNextDay = monday(QStringLiteral("国"));
    first->objNextDay->objNextDay = monday(QStringLiteral("国"), true);
    first->objNextDay->objNextDay->objNextDay = monday(QStringLiteral("国"));
    RivoDayTime* last = first->objNextDay->objNextDay->objNextDay.get();
    last->objNextDay = monday(QStringLiteral("国")); // beyond the range

    RivoWeekTotal week;
    week.objFirstDay = first.get();
    week.objLastDay = last;
    calculate(week, mondayCredit(QStringLiteral("3")));
    EXPECT_EQ(week.kokugo, 6);
    calculate(week, mondayCredit(QStringLiteral("3")));
    EXPECT_EQ(week.kokugo, 6) << "fields are reset, not accumulated";

    week.objLastDay = nullptr;
    calculate(week, mondayCredit(QStringLiteral("3")));
    EXPECT_EQ(week.kokugo, 9) << "without a last day the walk runs to the end of the chain";
}

TEST(WeekWalk, SundayRecordsHaveNoLengths)
{
    auto day = monday(QStringLiteral("国国"));
    day->intWeekName = 0;
    RivoWeekTotal week;
    week.objFirstDay = week.objLastDay = day.get();
    TimeCredit tc;
    tc.fill(QStringLiteral("3333333"));
    calculate(week, tc);
    EXPECT_EQ(week.kokugo, 0);
}

TEST(WeekWalk, WeeklyTimetableUsesEachWeekdaysLengths)
{
    auto s = plan2001();
    timetableDay(*s, 1).strSubject = kE + QStringLiteral("国国国国国") + kE; // 3333 and a 30-minute period 5
    timetableDay(*s, 6).strSubject = kE + QStringLiteral("国国国国国国");    // Saturday 0330000
    calculate(*s->objWeekTimetable, s->strTimeCredit);
    EXPECT_EQ(s->objWeekTimetable->kokugo, 3 * 4 + 2 + 3 * 2);
}
