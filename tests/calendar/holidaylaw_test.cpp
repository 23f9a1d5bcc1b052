// The rest days the holiday law gives, across every change of the law from 2000 to 2031. Each
// expected day is written from the law and the announced equinox days, weekdays counted by hand.
#include "calendar/dates.h"
#include "calendar/holidaylaw.h"

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct SchoolYearCase {
    int year;
    // "MM-DD name" in date order; months 1–3 belong to the next calendar year. "（予定）" marks a
    // day resting on an equinox not yet announced.
    QStringList days;
};

QStringList describe(const std::vector<RestDay>& days)
{
    QStringList lines;
    for (const RestDay& d : days)
        lines << d.date.toString(u"MM-dd"_s) + u' ' + d.displayName();
    return lines;
}

} // namespace

TEST(HolidayLaw, RestDaysOfSchoolYearsAcrossEveryChange)
{
    const SchoolYearCase cases[] = {
        // 海の日 and 敬老の日 on fixed days; 4 May a day between two holidays; Sunday 11 February moves
        // to Monday.
        {2000,
         {u"04-29 みどりの日"_s, u"05-03 憲法記念日"_s, u"05-04 国民の休日"_s, u"05-05 こどもの日"_s,
          u"07-20 海の日"_s, u"09-15 敬老の日"_s, u"09-23 秋分の日"_s, u"10-09 体育の日"_s,
          u"11-03 文化の日"_s, u"11-23 勤労感謝の日"_s, u"12-23 天皇誕生日"_s, u"01-01 元日"_s,
          u"01-08 成人の日"_s, u"02-11 建国記念の日"_s, u"02-12 振替休日"_s, u"03-20 春分の日"_s}},
        // Third Mondays from 2003; 4 May on a Sunday is no rest day until 2006.
        {2003,
         {u"04-29 みどりの日"_s, u"05-03 憲法記念日"_s, u"05-05 こどもの日"_s, u"07-21 海の日"_s,
          u"09-15 敬老の日"_s, u"09-23 秋分の日"_s, u"10-13 体育の日"_s, u"11-03 文化の日"_s,
          u"11-23 勤労感謝の日"_s, u"11-24 振替休日"_s, u"12-23 天皇誕生日"_s, u"01-01 元日"_s,
          u"01-12 成人の日"_s, u"02-11 建国記念の日"_s, u"03-20 春分の日"_s}},
        // The year the new substitute rule begins in its January.
        {2006,
         {u"04-29 みどりの日"_s, u"05-03 憲法記念日"_s, u"05-04 国民の休日"_s, u"05-05 こどもの日"_s,
          u"07-17 海の日"_s, u"09-18 敬老の日"_s, u"09-23 秋分の日"_s, u"10-09 体育の日"_s,
          u"11-03 文化の日"_s, u"11-23 勤労感謝の日"_s, u"12-23 天皇誕生日"_s, u"01-01 元日"_s,
          u"01-08 成人の日"_s, u"02-11 建国記念の日"_s, u"02-12 振替休日"_s, u"03-21 春分の日"_s}},
        // 昭和の日, みどりの日 on 4 May.
        {2007,
         {u"04-29 昭和の日"_s, u"04-30 振替休日"_s, u"05-03 憲法記念日"_s, u"05-04 みどりの日"_s,
          u"05-05 こどもの日"_s, u"07-16 海の日"_s, u"09-17 敬老の日"_s, u"09-23 秋分の日"_s,
          u"09-24 振替休日"_s, u"10-08 体育の日"_s, u"11-03 文化の日"_s, u"11-23 勤労感謝の日"_s,
          u"12-23 天皇誕生日"_s, u"12-24 振替休日"_s, u"01-01 元日"_s, u"01-14 成人の日"_s,
          u"02-11 建国記念の日"_s, u"03-20 春分の日"_s}},
        // みどりの日 on a Sunday: its substitute passes こどもの日 to 6 May.
        {2008,
         {u"04-29 昭和の日"_s, u"05-03 憲法記念日"_s, u"05-04 みどりの日"_s, u"05-05 こどもの日"_s,
          u"05-06 振替休日"_s, u"07-21 海の日"_s, u"09-15 敬老の日"_s, u"09-23 秋分の日"_s,
          u"10-13 体育の日"_s, u"11-03 文化の日"_s, u"11-23 勤労感謝の日"_s, u"11-24 振替休日"_s,
          u"12-23 天皇誕生日"_s, u"01-01 元日"_s, u"01-12 成人の日"_s, u"02-11 建国記念の日"_s,
          u"03-20 春分の日"_s}},
        // 憲法記念日 on a Sunday; the first September day between 敬老の日 and 秋分の日.
        {2009,
         {u"04-29 昭和の日"_s, u"05-03 憲法記念日"_s, u"05-04 みどりの日"_s, u"05-05 こどもの日"_s,
          u"05-06 振替休日"_s, u"07-20 海の日"_s, u"09-21 敬老の日"_s, u"09-22 国民の休日"_s,
          u"09-23 秋分の日"_s, u"10-12 体育の日"_s, u"11-03 文化の日"_s, u"11-23 勤労感謝の日"_s,
          u"12-23 天皇誕生日"_s, u"01-01 元日"_s, u"01-11 成人の日"_s, u"02-11 建国記念の日"_s,
          u"03-21 春分の日"_s, u"03-22 振替休日"_s}},
        {2015,
         {u"04-29 昭和の日"_s, u"05-03 憲法記念日"_s, u"05-04 みどりの日"_s, u"05-05 こどもの日"_s,
          u"05-06 振替休日"_s, u"07-20 海の日"_s, u"09-21 敬老の日"_s, u"09-22 国民の休日"_s,
          u"09-23 秋分の日"_s, u"10-12 体育の日"_s, u"11-03 文化の日"_s, u"11-23 勤労感謝の日"_s,
          u"12-23 天皇誕生日"_s, u"01-01 元日"_s, u"01-11 成人の日"_s, u"02-11 建国記念の日"_s,
          u"03-20 春分の日"_s, u"03-21 振替休日"_s}},
        // 山の日 from 2016; 秋分の日 on 22 September.
        {2016,
         {u"04-29 昭和の日"_s, u"05-03 憲法記念日"_s, u"05-04 みどりの日"_s, u"05-05 こどもの日"_s,
          u"07-18 海の日"_s, u"08-11 山の日"_s, u"09-19 敬老の日"_s, u"09-22 秋分の日"_s, u"10-10 体育の日"_s,
          u"11-03 文化の日"_s, u"11-23 勤労感謝の日"_s, u"12-23 天皇誕生日"_s, u"01-01 元日"_s,
          u"01-02 振替休日"_s, u"01-09 成人の日"_s, u"02-11 建国記念の日"_s, u"03-20 春分の日"_s}},
        // The enthronement: ten days off around May, 22 October, no 23 December, 23 February.
        {2019, {u"04-29 昭和の日"_s,   u"04-30 国民の休日"_s, u"05-01 天皇の即位の日"_s,
                u"05-02 国民の休日"_s, u"05-03 憲法記念日"_s, u"05-04 みどりの日"_s,
                u"05-05 こどもの日"_s, u"05-06 振替休日"_s,   u"07-15 海の日"_s,
                u"08-11 山の日"_s,     u"08-12 振替休日"_s,   u"09-16 敬老の日"_s,
                u"09-23 秋分の日"_s,   u"10-14 体育の日"_s,   u"10-22 即位礼正殿の儀の行われる日"_s,
                u"11-03 文化の日"_s,   u"11-04 振替休日"_s,   u"11-23 勤労感謝の日"_s,
                u"01-01 元日"_s,       u"01-13 成人の日"_s,   u"02-11 建国記念の日"_s,
                u"02-23 天皇誕生日"_s, u"02-24 振替休日"_s,   u"03-20 春分の日"_s}},
        // The Games' year: 海の日, スポーツの日 and 山の日 moved, none in October.
        {2020,
         {u"04-29 昭和の日"_s, u"05-03 憲法記念日"_s, u"05-04 みどりの日"_s, u"05-05 こどもの日"_s,
          u"05-06 振替休日"_s, u"07-23 海の日"_s, u"07-24 スポーツの日"_s, u"08-10 山の日"_s,
          u"09-21 敬老の日"_s, u"09-22 秋分の日"_s, u"11-03 文化の日"_s, u"11-23 勤労感謝の日"_s,
          u"01-01 元日"_s, u"01-11 成人の日"_s, u"02-11 建国記念の日"_s, u"02-23 天皇誕生日"_s,
          u"03-20 春分の日"_s}},
        {2021,
         {u"04-29 昭和の日"_s, u"05-03 憲法記念日"_s, u"05-04 みどりの日"_s, u"05-05 こどもの日"_s,
          u"07-22 海の日"_s, u"07-23 スポーツの日"_s, u"08-08 山の日"_s, u"08-09 振替休日"_s,
          u"09-20 敬老の日"_s, u"09-23 秋分の日"_s, u"11-03 文化の日"_s, u"11-23 勤労感謝の日"_s,
          u"01-01 元日"_s, u"01-10 成人の日"_s, u"02-11 建国記念の日"_s, u"02-23 天皇誕生日"_s,
          u"03-21 春分の日"_s}},
        // This school year: the last whose equinox days are all announced.
        {2026,
         {u"04-29 昭和の日"_s, u"05-03 憲法記念日"_s, u"05-04 みどりの日"_s, u"05-05 こどもの日"_s,
          u"05-06 振替休日"_s, u"07-20 海の日"_s, u"08-11 山の日"_s, u"09-21 敬老の日"_s,
          u"09-22 国民の休日"_s, u"09-23 秋分の日"_s, u"10-12 スポーツの日"_s, u"11-03 文化の日"_s,
          u"11-23 勤労感謝の日"_s, u"01-01 元日"_s, u"01-11 成人の日"_s, u"02-11 建国記念の日"_s,
          u"02-23 天皇誕生日"_s, u"03-21 春分の日"_s, u"03-22 振替休日"_s}},
        // The last school year offered; its equinox days are estimates.
        {2030, {u"04-29 昭和の日"_s,         u"05-03 憲法記念日"_s,      u"05-04 みどりの日"_s,
                u"05-05 こどもの日"_s,       u"05-06 振替休日"_s,        u"07-15 海の日"_s,
                u"08-11 山の日"_s,           u"08-12 振替休日"_s,        u"09-16 敬老の日"_s,
                u"09-23 秋分の日（予定）"_s, u"10-14 スポーツの日"_s,    u"11-03 文化の日"_s,
                u"11-04 振替休日"_s,         u"11-23 勤労感謝の日"_s,    u"01-01 元日"_s,
                u"01-13 成人の日"_s,         u"02-11 建国記念の日"_s,    u"02-23 天皇誕生日"_s,
                u"02-24 振替休日"_s,         u"03-21 春分の日（予定）"_s}},
    };
    for (const SchoolYearCase& c : cases) {
        const std::vector<RestDay> days = schoolYearRestDays(c.year);
        EXPECT_EQ(describe(days), c.days) << "school year " << c.year;
        for (const RestDay& d : days) {
            const RestDayKind expected = d.name == u"振替休日"_s     ? RestDayKind::Substitute
                                         : d.name == u"国民の休日"_s ? RestDayKind::Between
                                                                     : RestDayKind::Holiday;
            EXPECT_EQ(d.kind, expected) << d.date.toString(Qt::ISODate).toStdString();
            EXPECT_EQ(d.date.year(), d.date.month() >= 4 ? c.year : c.year + 1);
        }
    }
}

TEST(HolidayLaw, EquinoxDaysAgreeWithTheAstronomicalApproximation)
{
    // The announced days of 2000–2027 and the usual formula for the equinox in Japan Standard Time.
    const auto formula = [](int year, double base) {
        return static_cast<int>(std::floor(base + 0.242194 * (year - 1980) - (year - 1980) / 4));
    };
    for (int year = kFirstLawYear; year <= kLastLawYear; ++year) {
        const EquinoxDay vernal = vernalEquinox(year);
        const EquinoxDay autumn = autumnEquinox(year);
        EXPECT_EQ(vernal.date, QDate(year, 3, formula(year, 20.8431))) << year;
        EXPECT_EQ(autumn.date, QDate(year, 9, formula(year, 23.2488))) << year;
        EXPECT_EQ(vernal.provisional, year >= 2028) << year;
        EXPECT_EQ(autumn.provisional, year >= 2028) << year;
    }
    // Spot checks against the announced list where the day moves: the first 22 September since
    // 1979, and the estimates from 2028.
    EXPECT_EQ(autumnEquinox(2012).date, QDate(2012, 9, 22));
    EXPECT_EQ(vernalEquinox(2027).date, QDate(2027, 3, 21));
    EXPECT_EQ(autumnEquinox(2028).date, QDate(2028, 9, 22));
}

TEST(HolidayLaw, SingleDaysKindsAndTheYearsAnswered)
{
    const auto on = [](int y, int m, int d) { return restDayOn(QDate(y, m, d)); };
    ASSERT_TRUE(on(2009, 9, 22));
    EXPECT_EQ(on(2009, 9, 22)->kind, RestDayKind::Between);
    EXPECT_EQ(restDayKindText(on(2009, 9, 22)->kind), u"国民の休日"_s);
    EXPECT_EQ(on(2008, 5, 6)->kind, RestDayKind::Substitute);
    EXPECT_EQ(restDayKindText(on(2008, 5, 6)->kind), u"振替休日"_s);
    EXPECT_EQ(on(2019, 5, 1)->name, u"天皇の即位の日"_s);
    EXPECT_EQ(restDayKindText(on(2019, 5, 1)->kind), u"祝日"_s);
    EXPECT_FALSE(on(2019, 12, 23)) << "no 天皇誕生日 in 2019";
    EXPECT_FALSE(on(2003, 5, 4)) << "a Sunday between two holidays before 2007";
    EXPECT_TRUE(on(2002, 5, 4)) << "a Saturday between two holidays before 2007";
    // The substitute of an estimated 秋分の日 (Sunday 23 September 2029) is an estimate too.
    EXPECT_TRUE(on(2029, 9, 24)->provisional);
    EXPECT_EQ(on(2029, 9, 24)->displayName(), u"振替休日（予定）"_s);
    EXPECT_FALSE(on(2026, 9, 22)->provisional);
    // The years answered: 2000 to 2031.
    EXPECT_TRUE(on(2000, 1, 1));
    EXPECT_TRUE(on(2031, 12, 23) == std::nullopt && on(2031, 11, 3));
    EXPECT_FALSE(on(1999, 1, 1));
    EXPECT_FALSE(on(2032, 1, 1));
    EXPECT_TRUE(restDaysBetween(QDate(1999, 1, 1), QDate(1999, 12, 31)).empty());
}

TEST(HolidayLaw, ChosenEquinoxReplacesTheLaws)
{
    // A plan that keeps 22 September 2026 as 秋分の日: no day lies between two holidays then.
    const EquinoxChoice choice{QDate(2026, 9, 22), QDate(2027, 3, 20)};
    QStringList september;
    for (const RestDay& d : restDaysBetween(QDate(2026, 9, 1), QDate(2026, 9, 30), choice))
        september << d.date.toString(u"MM-dd"_s) + u' ' + d.name;
    EXPECT_EQ(september, (QStringList{u"09-21 敬老の日"_s, u"09-22 秋分の日"_s}));
    const auto march = restDaysBetween(QDate(2027, 3, 1), QDate(2027, 3, 31), choice);
    ASSERT_EQ(march.size(), 1u);
    EXPECT_EQ(march[0].date, QDate(2027, 3, 20));
    // A chosen day outside its month is no equinox: the law's day stays.
    const auto ignored = restDaysBetween(QDate(2026, 9, 1), QDate(2026, 9, 30), {QDate(2026, 12, 30), {}});
    EXPECT_EQ(ignored.size(), 3u);
}

TEST(HolidayLaw, WhereAHolidaysDayOffLands)
{
    EXPECT_EQ(restDayOfHoliday(QDate(2008, 5, 4)), QDate(2008, 5, 6));
    EXPECT_EQ(restDayOfHoliday(QDate(2009, 5, 3)), QDate(2009, 5, 6));
    EXPECT_EQ(restDayOfHoliday(QDate(2001, 4, 29)), QDate(2001, 4, 30));
    EXPECT_EQ(restDayOfHoliday(QDate(2020, 2, 23)), QDate(2020, 2, 24));
    EXPECT_EQ(restDayOfHoliday(QDate(2026, 9, 23)), QDate(2026, 9, 23)) << "a Wednesday stays";
    EXPECT_EQ(restDayOfHoliday(QDate(2003, 5, 4)), QDate(2003, 5, 5)) << "no rest day: the Monday";
}
