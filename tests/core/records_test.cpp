// The list of recorded days and the defaults a plan starts from.
#include "core/appstate.h"
#include "core/plandefaults.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<RivoDayTime> day(const QDate& date, bool cancelled = false, const QString& subjects = {})
{
    return makeRecordedDay(date, subjects, {}, cancelled);
}

QList<QDate> dates(const RivoDayTime& head)
{
    QList<QDate> out;
    for (const RivoDayTime* d = head.objNextDay.get(); d; d = d->objNextDay.get())
        out << d->dateThisDay;
    return out;
}

} // namespace

TEST(RecordedDay, KeyAndWeekdayFollowTheDate)
{
    const auto sunday = makeRecordedDay({2001, 4, 1}, QStringLiteral("国"), QStringLiteral("入学式"));
    EXPECT_EQ(sunday->intWeekName, 0);
    EXPECT_EQ(sunday->intThisDay, 91);
    EXPECT_EQ(sunday->strComment, QStringLiteral("入学式"));
    EXPECT_TRUE(sunday->isRegistered());
    const auto saturday = makeRecordedDay({2004, 3, 27}, {}, {}, /*cancelled=*/true);
    EXPECT_EQ(saturday->intWeekName, 6);
    EXPECT_EQ(saturday->intThisDay, 31 + 29 + 27);
    EXPECT_TRUE(saturday->boolWorkDay);
    EXPECT_FALSE(saturday->isRegistered());
}

TEST(AppendDay, KeepsAscendingOrderAndReplacesTheSameDate)
{
    RivoDayTime head;
    head.appendDay(day({2001, 10, 17}));
    head.appendDay(day({2001, 10, 15}));
    head.appendDay(day({2002, 1, 9}));
    head.appendDay(day({2001, 10, 16}));
    EXPECT_EQ(dates(head), (QList<QDate>{{2001, 10, 15}, {2001, 10, 16}, {2001, 10, 17}, {2002, 1, 9}}));

    head.appendDay(day({2001, 10, 16}, false, QStringLiteral("国国国国国国国")));
    EXPECT_EQ(countDays(head), 4);
    const RivoDayTime* replaced = head.objNextDay->objNextDay.get();
    EXPECT_EQ(replaced->strSubject, QStringLiteral("国国国国国国国")) << "the old record is not merged";
    EXPECT_EQ(replaced->objNextDay->dateThisDay, QDate(2001, 10, 17)) << "the successor is kept";

    head.appendDay(day({2001, 10, 15}, false, QStringLiteral("算")));
    EXPECT_EQ(head.objNextDay->strSubject, QStringLiteral("算"));
    EXPECT_EQ(countDays(head), 4);
}

TEST(SearchDay, FindsOnlyRegisteredDaysByWholeDate)
{
    RivoDayTime head;
    EXPECT_FALSE(head.searchDay({2001, 10, 15}));
    head.appendDay(day({2001, 10, 15}));
    head.appendDay(day({2002, 2, 14}));
    head.appendDay(day({2001, 11, 1}, /*cancelled=*/true));
    EXPECT_TRUE(head.searchDay({2001, 10, 15}));
    EXPECT_TRUE(head.searchDay({2002, 2, 14})) << "January to March belong to the same school year";
    EXPECT_FALSE(head.searchDay({2001, 11, 1})) << "a withdrawn registration does not protect the day";
    EXPECT_FALSE(head.searchDay({2002, 10, 15})) << "same day of year in another year";
    EXPECT_FALSE(head.searchDay({2001, 10, 16}));
}

TEST(RivoDayTime, ReleasesAVeryLongListWithoutRecursion)
{
    auto head = std::make_unique<RivoDayTime>();
    RivoDayTime* tail = head.get();
    for (int i = 0; i < 1'000'000; ++i) {
        tail->objNextDay = std::make_unique<RivoDayTime>();
        tail = tail->objNextDay.get();
    }
    head.reset(); // a recursive destructor would overflow the stack here
    SUCCEED();
}

TEST(PlanDefaults, StartUpStateHasTheBlankStructures)
{
    AppState s;
    InitPlanDefaults(s);
    EXPECT_TRUE(s.boolStartWizard);
    EXPECT_FALSE(s.boolCalendarShown);
    for (int d = 0; d < 6; ++d)
        EXPECT_TRUE(s.strTimeCredit[static_cast<std::size_t>(d)].isEmpty());
    EXPECT_EQ(s.intHolidayCount, 14);
    EXPECT_TRUE(std::all_of(s.intHoliday.begin(), s.intHoliday.end(), [](auto v) { return v == 0; }));
    EXPECT_EQ(countDays(*s.objDayChain), 0);

    const RivoWeekTotal& week = *s.objWeekTimetable;
    int n = 0;
    for (const RivoDayTime* d = week.objFirstDay; d; d = d->objNextDay.get()) {
        ++n;
        EXPECT_EQ(d->intWeekName, n);
        EXPECT_EQ(d->boolWeekEnd, n == 6);
        EXPECT_FALSE(d->boolWorkDay);
        EXPECT_TRUE(d->strSubject.isEmpty());
    }
    EXPECT_EQ(n, 6);
    EXPECT_EQ(week.objLastDay->intWeekName, 6);

    for (const RivoYearTotal* year : {s.objYearResult.get(), s.objYearPlan.get()}) {
        const auto terms = year->terms();
        EXPECT_TRUE(terms[0] && terms[1] && terms[2]);
        EXPECT_FALSE(terms[2]->objNextSeason);
    }
    EXPECT_FALSE(s.objYearBase->objFirstSeason);
    EXPECT_EQ(s.strDefaultTimeCredit[5][1], QStringLiteral("1333331"));
    EXPECT_EQ(defaultTimeCredit(1)[0], QStringLiteral("1333320"));
    EXPECT_EQ(defaultTimeCredit(6),
              (std::array<QString, 6>{"1333330", "1333331", "1333330", "0333330", "1333331", "0330000"}));
}

TEST(PlanDefaults, ResettingWeekTablesKeepsIdentityAndCalendarRules)
{
    AppState s;
    InitPlanDefaults(s);
    s.intYear = 2001;
    s.strClass = QStringLiteral("2");
    s.intHolidayCount = 20;
    s.intHoliday[15] = 200;
    s.strTimeCredit[0] = QStringLiteral("1333320");
    s.objDayChain->appendDay(day({2001, 5, 1}));
    s.boolStartWizard = false;
    SetDefaultWeekTables(s);
    SetDefaultYearPlans(s);
    EXPECT_EQ(s.intYear, 2001);
    EXPECT_EQ(s.strClass, QStringLiteral("2"));
    EXPECT_EQ(s.intHolidayCount, 14);
    EXPECT_EQ(s.intHoliday[15], 200) << "the lists themselves stay; only the count is cut back";
    EXPECT_TRUE(s.strTimeCredit[0].isEmpty());
    EXPECT_EQ(countDays(*s.objDayChain), 0);
    EXPECT_FALSE(s.boolStartWizard) << "closing a plan does not bring the start page back";
}

TEST(AppState, DayNumbersFollowTheirDates)
{
    AppState s;
    s.dateWinterFrom = QDate(2001, 12, 25);
    s.dateWinterTo = QDate(2002, 1, 7);
    s.updateDayNumbers();
    EXPECT_EQ(s.intWinterFrom, 359);
    EXPECT_EQ(s.intWinterTo, 7);
    EXPECT_EQ(s.intSpringFrom, 0) << "an unset date has no day number";
}
