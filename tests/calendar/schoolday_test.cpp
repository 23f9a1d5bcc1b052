// The school-day test and school-year dates.
#include "calendar/nationalholidays.h"
#include "calendar/schoolday.h"
#include "calendar/schooldaycount.h"
#include "core/mirteerror.h"
#include "core/plandefaults.h"

#include <gtest/gtest.h>

namespace {

// School year 2001 with the usual vacations: 1–4 April, 20 July – 31 August, 25 December – 7 January,
// 19–31 March.
AppState year2001()
{
    AppState s;
    s.intYear = 2001;
    s.dateSpringFrom = {2001, 4, 1};
    s.dateSpringTo = {2001, 4, 4};
    s.dateSummerFrom = {2001, 7, 20};
    s.dateSummerTo = {2001, 8, 31};
    s.dateWinterFrom = {2001, 12, 25};
    s.dateWinterTo = {2002, 1, 7};
    s.dateYearEndFrom = {2002, 3, 19};
    s.dateYearEndTo = {2002, 3, 31};
    s.updateDayNumbers();
    return s;
}

} // namespace

TEST(IsSchoolDay, NoPlanMeansNoSchoolDay)
{
    const AppState s;
    for (QDate d(2001, 4, 1); d < QDate(2002, 4, 1); d = d.addDays(1))
        ASSERT_FALSE(IsSchoolDay(s, d)) << d.toString(Qt::ISODate).toStdString();
}

TEST(IsSchoolDay, VacationsWrapOverNewYear)
{
    const AppState s = year2001();
    EXPECT_TRUE(IsSchoolDay(s, {2001, 12, 24}));
    for (QDate d : {QDate(2001, 12, 25), QDate(2001, 12, 31), QDate(2002, 1, 1), QDate(2002, 1, 7)})
        EXPECT_FALSE(IsSchoolDay(s, d)) << d.toString(Qt::ISODate).toStdString();
    EXPECT_TRUE(IsSchoolDay(s, {2002, 1, 8}));
    EXPECT_FALSE(IsSchoolDay(s, {2001, 4, 4}));
    EXPECT_TRUE(IsSchoolDay(s, {2001, 4, 5}));
    EXPECT_FALSE(IsSchoolDay(s, {2001, 8, 31}));
    EXPECT_TRUE(IsSchoolDay(s, {2001, 9, 3}));
    EXPECT_FALSE(IsSchoolDay(s, {2001, 9, 2})) << "Sunday";
}

TEST(IsSchoolDay, SaturdayRules)
{
    AppState s = year2001();
    // Saturdays of September–November 2001: 8 Sep (2nd), 15 (3rd), 22 (4th), 29 (5th), 6 Oct (1st), 13,
    // 20, 27.
    EXPECT_TRUE(IsSchoolDay(s, {2001, 9, 8})) << "no Saturday rule: every Saturday is a school day";
    s.boolSat2nd4thOff = true;
    const struct {
        QDate date;
        bool school;
    } cases[] = {{{2001, 9, 8}, false},   {{2001, 9, 22}, false}, {{2001, 9, 15}, true},
                 {{2001, 9, 29}, true},   {{2001, 10, 6}, true},  {{2001, 10, 13}, false},
                 {{2001, 10, 27}, false}, {{2001, 12, 1}, true},  {{2001, 11, 10}, false},
                 {{2001, 11, 24}, false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsSchoolDay(s, c.date), c.school) << c.date.toString(Qt::ISODate).toStdString();
    s.boolSat2nd4thOff = false;
    s.boolSatAllOff = true;
    EXPECT_FALSE(IsSchoolDay(s, {2001, 9, 15}));
    EXPECT_TRUE(IsSchoolDay(s, {2001, 9, 14}));
}

TEST(IsSchoolDay, HolidayListUpToItsCount)
{
    AppState s = year2001();
    s.intHoliday[0] = QDate(2001, 11, 23).dayOfYear();
    s.intHoliday[1] = QDate(2001, 10, 10).dayOfYear();
    s.intHolidayCount = 1;
    EXPECT_FALSE(IsSchoolDay(s, {2001, 11, 23}));
    EXPECT_TRUE(IsSchoolDay(s, {2001, 10, 10})) << "entries from the count on are ignored";
    s.intHolidayCount = 0;
    EXPECT_TRUE(IsSchoolDay(s, {2001, 11, 23}));
    s.intHolidayCount = 2;
    EXPECT_FALSE(IsSchoolDay(s, {2001, 10, 10}));
}

TEST(IsSchoolDay, TheLawsRestDaysBeyondTheFourteenEntries)
{
    // School year 2009 with every Saturday off and no vacation in May or September.
    AppState s;
    InitPlanDefaults(s);
    s.intYear = 2009;
    applyHolidayRules(s, computeHolidayRules(2009, initialHolidayBoxes(2009), SaturdayRule::AllOff, {}));
    EXPECT_FALSE(IsSchoolDay(s, {2009, 9, 22})) << "国民の休日";
    EXPECT_FALSE(IsSchoolDay(s, {2009, 5, 6})) << "振替休日 of 憲法記念日";
    EXPECT_TRUE(IsSchoolDay(s, {2009, 5, 7}));
    EXPECT_TRUE(IsSchoolDay(s, {2009, 9, 24}));

    // A plan of 2026 whose teacher keeps 22 September as 秋分の日: 23 September is a school day.
    s.intYear = 2026;
    HolidayBoxes boxes = initialHolidayBoxes(2026);
    boxes[4] = 22;
    boxes[5] = 10; // the summer vacation ends on 10 August
    applyHolidayRules(s, computeHolidayRules(2026, boxes, SaturdayRule::AllOff, {}));
    EXPECT_FALSE(IsSchoolDay(s, {2026, 9, 22}));
    EXPECT_TRUE(IsSchoolDay(s, {2026, 9, 23}));
    EXPECT_FALSE(IsSchoolDay(s, {2026, 8, 11})) << "山の日 after the summer vacation";
    EXPECT_TRUE(IsSchoolDay(s, {2026, 8, 12}));

    // Without a year of the law nothing is added.
    s.intYear = 1999;
    updateLawRestDays(s);
    EXPECT_TRUE(s.lawRestDays.empty());
}

TEST(SchoolYearDate, MonthsOneToThreeBelongToTheNextYear)
{
    EXPECT_EQ(SchoolYearDate(QStringLiteral("2000"), QStringLiteral(" 4"), QStringLiteral(" 1")),
              QDate(2000, 4, 1));
    EXPECT_EQ(SchoolYearDate(QStringLiteral(" 2000"), QStringLiteral("3"), QStringLiteral("31")),
              QDate(2001, 3, 31));
    EXPECT_EQ(SchoolYearDate(QStringLiteral("2000"), QStringLiteral("12"), QStringLiteral("30")),
              QDate(2000, 12, 30));
    EXPECT_EQ(SchoolYearDate(QStringLiteral("2000"), QStringLiteral("1"), QStringLiteral("9")),
              QDate(2001, 1, 9));
}

TEST(SchoolYearDate, RejectsWhatIsNoDate)
{
    const QString y = QStringLiteral("2000");
    EXPECT_THROW(SchoolYearDate(y, QStringLiteral("13"), QStringLiteral("1")), ConversionError);
    EXPECT_THROW(SchoolYearDate(y, QStringLiteral("2"), QStringLiteral("30")), ConversionError);
    EXPECT_THROW(SchoolYearDate(y, QStringLiteral("x"), QStringLiteral("1")), ConversionError);
    EXPECT_THROW(SchoolYearDate(y, QString(), QStringLiteral("1")), ConversionError);
    EXPECT_NO_THROW(SchoolYearDate(QStringLiteral("2003"), QStringLiteral("2"), QStringLiteral("29")));
}

TEST(CountSchoolDays, CountsEachTermByMonth)
{
    AppState s = year2001();
    const SchoolDayCounts c = countSchoolDays(s);
    // Term 1: 5 April – 19 July 2001 without Sundays; every Saturday is a school day here.
    int term1 = 0;
    for (QDate d(2001, 4, 5); d <= QDate(2001, 7, 19); d = d.addDays(1))
        term1 += d.dayOfWeek() != 7;
    EXPECT_EQ(c.term1, term1);
    EXPECT_EQ(c.year, c.term1 + c.term2 + c.term3);
    s.intHoliday[0] = QDate(2001, 5, 1).dayOfYear();
    s.intHolidayCount = 1;
    EXPECT_EQ(countSchoolDays(s).term1, term1 - 1);
    EXPECT_EQ(countSchoolDays(s).term2, c.term2);
}
