// Date composition, weekdays and the week of a picked date.
#include "calendar/dates.h"
#include "calendar/weekrange.h"

#include <gtest/gtest.h>

TEST(DateSerial, RollsOverflowingDaysAndMonths)
{
    EXPECT_EQ(DateSerial(2001, 4, 31), QDate(2001, 5, 1));
    EXPECT_EQ(DateSerial(2001, 4, 0), QDate(2001, 3, 31));
    EXPECT_EQ(DateSerial(2001, 13, 1), QDate(2002, 1, 1));
    EXPECT_EQ(DateSerial(2001, 0, 1), QDate(2000, 12, 1));
    EXPECT_EQ(DateSerial(2004, 2, 30), QDate(2004, 3, 1));
    EXPECT_EQ(DateSerial(2001, 3, -1), QDate(2001, 2, 27));
}

TEST(DateSerial, ReadsTwoDigitYears)
{
    EXPECT_EQ(DateSerial(0, 4, 1), QDate(2000, 4, 1));
    EXPECT_EQ(DateSerial(29, 1, 1), QDate(2029, 1, 1));
    EXPECT_EQ(DateSerial(30, 1, 1), QDate(1930, 1, 1));
    EXPECT_EQ(DateSerial(99, 12, 31), QDate(1999, 12, 31));
    EXPECT_EQ(DateSerial(1, 3, 31), QDate(2001, 3, 31));
}

TEST(Weekday, CountsSundayAsOne)
{
    EXPECT_EQ(Weekday(QDate(2001, 4, 1)), 1);   // Sunday
    EXPECT_EQ(Weekday(QDate(2001, 10, 15)), 2); // Monday
    EXPECT_EQ(Weekday(QDate(2000, 4, 1)), 7);   // Saturday
    EXPECT_EQ(DayOfYear(QDate(2004, 3, 31)), 91);
    EXPECT_EQ(DayOfYear(QDate(2003, 4, 1)), 91);
}

TEST(NthMonday, FindsSecondAndThirdMondays)
{
    EXPECT_EQ(nthMonday(2000, 10, 2), QDate(2000, 10, 9)); // 1 October a Sunday
    EXPECT_EQ(nthMonday(2001, 1, 2), QDate(2001, 1, 8));   // 1 January a Monday
    EXPECT_EQ(nthMonday(2004, 7, 3), QDate(2004, 7, 19));
    EXPECT_EQ(nthMonday(2004, 9, 3), QDate(2004, 9, 20));
    EXPECT_EQ(nthMonday(2005, 1, 2), QDate(2005, 1, 10));
    EXPECT_EQ(nthMonday(0, 10, 2), QDate(2000, 10, 9)) << "two-digit years as everywhere else";
}

TEST(WeekOfDate, MondayToSaturdayClippedToTheSchoolYear)
{
    const struct {
        QDate picked;
        int year;
        QDate first, last;
    } cases[] = {
        {{2001, 10, 10}, 2001, {2001, 10, 8}, {2001, 10, 13}},
        {{2001, 10, 14}, 2001, {2001, 10, 15}, {2001, 10, 20}}, // a Sunday shows the next week
        {{2001, 4, 1}, 2001, {2001, 4, 2}, {2001, 4, 7}},       // 1 April 2001 is a Sunday
        {{2001, 4, 2}, 2001, {2001, 4, 2}, {2001, 4, 7}},
        {{2003, 3, 31}, 2002, {2003, 3, 31}, {2003, 3, 31}},  // Monday 31 March: clipped at both ends
        {{2000, 4, 1}, 2000, {2000, 4, 1}, {2000, 4, 1}},     // Saturday 1 April 2000
        {{2003, 12, 31}, 2003, {2003, 12, 29}, {2004, 1, 3}}, // the week over New Year
        {{2002, 3, 28}, 2001, {2002, 3, 25}, {2002, 3, 30}},
    };
    for (const auto& c : cases) {
        const WeekRange w = weekOfDate(c.picked, c.year);
        EXPECT_EQ(w.first, c.first) << c.picked.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(w.last, c.last) << c.picked.toString(Qt::ISODate).toStdString();
    }
}

TEST(SchoolYearName, HeiseiReiwaAndYearsBeforeTheEras)
{
    EXPECT_EQ(schoolYearName(2000), QStringLiteral("平成12年度"));
    EXPECT_EQ(schoolYearName(2010), QStringLiteral("平成22年度"));
    EXPECT_EQ(schoolYearName(2018), QStringLiteral("平成30年度"));
    EXPECT_EQ(schoolYearName(2019), QStringLiteral("令和元年度"));
    EXPECT_EQ(schoolYearName(2020), QStringLiteral("令和2年度"));
    EXPECT_EQ(schoolYearName(2026), QStringLiteral("令和8年度"));
    EXPECT_EQ(schoolYearName(2030), QStringLiteral("令和12年度"));
    EXPECT_EQ(schoolYearName(1989), QStringLiteral("平成元年度"));
    EXPECT_EQ(schoolYearName(1985), QStringLiteral("1985年度"));
}
