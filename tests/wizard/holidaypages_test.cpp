// The holiday rules page and the holiday calendar page: the rules turned into dates and national
// holidays, and days off clicked on and off the term calendars.
#include "wizardfixture.h"

#include "calendar/dates.h"
#include "calendar/schoolday.h"
#include "calendar/schooldaycount.h"
#include "platform/monthcalendar.h"

#include <QDialog>
#include <QLabel>
#include <QRadioButton>

using Step = Wizard::Step;

// ---- Holiday rules page -------------------------------------------------------------------------

class HolidayRulesTest : public WizardTest {
protected:
    QComboBox* box(int i)
    {
        return control<QComboBox>(Step::HolidayRules, QStringLiteral("cboWiz2Holiday_%1").arg(i));
    }
    QRadioButton* option(int i)
    {
        return control<QRadioButton>(Step::HolidayRules, QStringLiteral("optWiz2Saturday_%1").arg(i));
    }
    void leaveWithNext()
    {
        click(button(Step::HolidayRules, QStringLiteral("cmdWiz2Next")));
        click(button(Step::HolidayCalendar, QStringLiteral("cmdWiz3Before")));
    }
};

TEST_F(HolidayRulesTest, FreshPageShowsTheInitialDaysAndTheIrregularSaturdays)
{
    wizard->show(Step::HolidayRules);
    const std::array<std::pair<int, const char*>, 8> initial = {
        {{0, "4"}, {1, "20"}, {5, "31"}, {2, "25"}, {8, "7"}, {3, "19"}, {4, "23"}, {7, "20"}}};
    for (const auto& [i, text] : initial)
        EXPECT_EQ(box(i)->currentText(), QLatin1String(text)) << "box " << i;
    EXPECT_EQ(wizard->page(Step::HolidayRules)->findChild<QComboBox*>(QStringLiteral("cboWiz2Holiday_6")),
              nullptr);
    EXPECT_TRUE(option(2)->isChecked());
    EXPECT_EQ(box(0)->count(), 10) << "box 0 offers 2 to 11";
    EXPECT_EQ(box(0)->itemText(0), QStringLiteral("2"));
    EXPECT_EQ(box(4)->count(), 3) << "the autumn equinox offers 21 to 23";
    EXPECT_EQ(box(7)->count(), 2) << "the vernal equinox offers 20 and 21";
}

TEST_F(HolidayRulesTest, EquinoxBoxesStartWithTheYearsEquinoxDays)
{
    const auto provisional = [this](const char* name) {
        return control<QLabel>(Step::HolidayRules, QLatin1String(name))->isVisible();
    };
    // The announced days: 22 September 2012 and 20 March 2013; 23 September 2027 and, estimated,
    // 20 March 2028.
    const struct {
        int year;
        const char* autumn;
        const char* vernal;
        bool vernalProvisional;
    } cases[] = {{2012, "22", "20", false}, {2001, "23", "21", false}, {2027, "23", "20", true}};
    for (const auto& c : cases) {
        state.intYear = static_cast<std::int16_t>(c.year);
        wizard->show(Step::HolidayRules);
        EXPECT_EQ(box(4)->currentText(), QLatin1String(c.autumn)) << c.year;
        EXPECT_EQ(box(7)->currentText(), QLatin1String(c.vernal)) << c.year;
        EXPECT_FALSE(provisional("lblWiz2AutumnProvisional")) << c.year;
        EXPECT_EQ(provisional("lblWiz2VernalProvisional"), c.vernalProvisional) << c.year;
        click(button(Step::HolidayRules, QStringLiteral("cmdWiz2Cancel")));
    }
    // Stored rules of this year show their own equinox; those of another year give way.
    state.intYear = 2012;
    wizard->show(Step::HolidayRules);
    box(4)->setEditText(QStringLiteral("21"));
    leaveWithNext();
    ASSERT_EQ(state.dateAutumnEquinox, QDate(2012, 9, 21));
    click(button(Step::HolidayRules, QStringLiteral("cmdWiz2Cancel")));
    wizard->show(Step::HolidayRules);
    EXPECT_EQ(box(4)->currentText(), QStringLiteral("21"));
    click(button(Step::HolidayRules, QStringLiteral("cmdWiz2Cancel")));
    state.intYear = 2030;
    wizard->show(Step::HolidayRules);
    EXPECT_EQ(box(4)->currentText(), QStringLiteral("23"));
    EXPECT_EQ(box(7)->currentText(), QStringLiteral("21"));
    EXPECT_TRUE(provisional("lblWiz2AutumnProvisional"));
    EXPECT_TRUE(provisional("lblWiz2VernalProvisional"));
}

TEST_F(HolidayRulesTest, NationalHolidaysOfTheYear)
{
    struct Case {
        int year;
        int entry;
        QDate date;
    };
    const Case cases[] = {
        {2000, 7, {2000, 10, 9}},                            // second Monday of October, 1 October a Sunday
        {2000, 11, {2001, 1, 8}},                            // second Monday of January, 1 January a Monday
        {2001, 0, {2001, 4, 30}},                            // 29 April a Sunday
        {2003, 4, {2003, 7, 21}},                            // 20 July a Sunday, before the Monday rule
        {2003, 5, {2003, 9, 15}},  {2004, 4, {2004, 7, 19}}, // third Monday of July from 2004
        {2004, 5, {2004, 9, 20}},  {2004, 7, {2004, 10, 11}},
        {2004, 11, {2005, 1, 10}}, {2008, 2, {2008, 5, 6}},   // 4 May a Sunday: 6 May, past こどもの日
        {2008, 3, {2008, 5, 5}},   {2001, 13, {2002, 3, 21}}, // the box starts with 2002's equinox
    };
    for (const Case& c : cases) {
        state.intYear = static_cast<std::int16_t>(c.year);
        wizard->show(Step::HolidayRules);
        leaveWithNext();
        const auto e = static_cast<std::size_t>(c.entry);
        const QDate expected = c.date;
        EXPECT_EQ(state.dateHoliday[e], expected) << c.year << " entry " << c.entry;
        EXPECT_EQ(state.intHoliday[e], DayOfYear(expected)) << c.year << " entry " << c.entry;
        click(button(Step::HolidayRules, QStringLiteral("cmdWiz2Cancel")));
    }
}

TEST_F(HolidayRulesTest, StoresVacationsEquinoxesAndTheSaturdayRule)
{
    state.intYear = 2001;
    wizard->show(Step::HolidayRules);
    box(0)->setEditText(QStringLiteral("31"));
    box(5)->setEditText(QStringLiteral("24"));
    clickOption(option(0));
    leaveWithNext();

    EXPECT_EQ(state.dateSpringFrom, QDate(2001, 4, 1));
    EXPECT_EQ(state.dateSpringTo, QDate(2001, 5, 1)) << "31 April runs on into May";
    EXPECT_EQ(state.intSpringTo, DayOfYear(QDate(2001, 5, 1)));
    EXPECT_EQ(state.dateSummerFrom, QDate(2001, 7, 20));
    EXPECT_EQ(state.dateSummerTo, QDate(2001, 8, 24));
    EXPECT_EQ(state.dateWinterFrom, QDate(2001, 12, 25));
    EXPECT_EQ(state.dateWinterTo, QDate(2002, 1, 7));
    EXPECT_EQ(state.intWinterTo, 7);
    EXPECT_EQ(state.dateYearEndFrom, QDate(2002, 3, 19));
    EXPECT_EQ(state.dateYearEndTo, QDate(2002, 3, 31));
    EXPECT_EQ(state.dateAutumnEquinox, QDate(2001, 9, 23));
    EXPECT_EQ(state.dateVernalEquinox, QDate(2002, 3, 21)) << "the box started with 2002's equinox";
    EXPECT_TRUE(state.boolSat2nd4thOff);
    EXPECT_FALSE(state.boolSatAllOff);

    for (int chosen : {1, 2}) {
        clickOption(option(chosen));
        leaveWithNext();
        EXPECT_EQ(state.boolSat2nd4thOff, false);
        EXPECT_EQ(state.boolSatAllOff, chosen == 1);
    }
}

TEST_F(HolidayRulesTest, StoringTwiceGivesTheSameStateAndKeepsAddedDaysOff)
{
    state.intYear = 2004;
    state.dateHoliday[14] = QDate(2004, 6, 18);
    state.intHoliday[14] = DayOfYear(QDate(2004, 6, 18));
    state.intHolidayCount = 15;
    wizard->show(Step::HolidayRules);
    leaveWithNext();
    const auto dates = state.dateHoliday;
    const auto days = state.intHoliday;
    const QDate summerTo = state.dateSummerTo;
    leaveWithNext();
    EXPECT_EQ(state.dateHoliday, dates);
    EXPECT_EQ(state.intHoliday, days);
    EXPECT_EQ(state.dateSummerTo, summerTo);
    EXPECT_EQ(state.intHolidayCount, 15);
    EXPECT_EQ(state.dateHoliday[14], QDate(2004, 6, 18));
}

TEST_F(HolidayRulesTest, ABoxThatHoldsNoWholeNumberKeepsItsStoredDate)
{
    state.intYear = 2002;
    wizard->show(Step::HolidayRules);
    box(1)->setEditText(QStringLiteral("22"));
    leaveWithNext();
    ASSERT_EQ(state.dateSummerFrom, QDate(2002, 7, 22));
    for (const char* text : {"", "abc", "2 2", "22.5"}) {
        box(1)->setEditText(QString::fromUtf8(text));
        leaveWithNext();
        EXPECT_EQ(state.dateSummerFrom, QDate(2002, 7, 22)) << '"' << text << '"';
    }
    box(1)->setEditText(QStringLiteral("２５")); // typed with the input method on
    leaveWithNext();
    EXPECT_EQ(state.dateSummerFrom, QDate(2002, 7, 25));
}

TEST_F(HolidayRulesTest, LoadingShowsStoredRulesAndBackStoresNothing)
{
    setUpYear(2003, 1);
    state.dateSummerTo = QDate(2003, 8, 26);
    wizard->show(Step::HolidayRules);
    EXPECT_EQ(box(5)->currentText(), QStringLiteral("26"));
    EXPECT_TRUE(option(1)->isChecked());

    box(5)->setEditText(QStringLiteral("29"));
    clickOption(option(0));
    click(button(Step::HolidayRules, QStringLiteral("cmdWiz2Cancel")));
    EXPECT_EQ(state.dateSummerTo, QDate(2003, 8, 26));
    EXPECT_TRUE(state.boolSatAllOff);
    wizard->show(Step::HolidayRules);
    EXPECT_EQ(box(5)->currentText(), QStringLiteral("26")) << "the page shows the state again";
    EXPECT_TRUE(option(1)->isChecked());
}

TEST_F(HolidayRulesTest, BeforeStoresToo)
{
    state.intYear = 2005;
    wizard->show(Step::HolidayRules);
    box(3)->setEditText(QStringLiteral("24"));
    click(button(Step::HolidayRules, QStringLiteral("cmdWiz2Before")));
    EXPECT_EQ(state.dateYearEndFrom, QDate(2006, 3, 24));
    EXPECT_TRUE(wizard->page(Step::Class)->isVisible());
}

// ---- Holiday calendar page ----------------------------------------------------------------------

class HolidayCalendarTest : public WizardTest {
protected:
    void SetUp() override
    {
        setUpYear(2001);
        wizard->show(Step::HolidayCalendar);
    }
    MonthCalendar* calendar(int k)
    {
        return control<MonthCalendar>(Step::HolidayCalendar, QStringLiteral("mvWiz3Calendar_%1").arg(k));
    }
    QString label(int k)
    {
        return control<QLabel>(Step::HolidayCalendar, QStringLiteral("lblWiz3NumberOfSchoolDays_%1").arg(k))
            ->text();
    }
    void clickDay(int k, const QDate& date)
    {
        MonthCalendar* c = calendar(k);
        const QRect cell = c->dayRect(date);
        ASSERT_FALSE(cell.isEmpty()) << date.toString(Qt::ISODate).toStdString() << " is not shown";
        QTest::mouseClick(c, Qt::LeftButton, {}, cell.center());
    }
    struct Snapshot {
        std::array<QDate, kHolidaySlots> dates;
        std::array<std::int16_t, kHolidaySlots> days;
        int count;
        std::array<int, 4> schoolDays;
        std::array<QString, 4> labels;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot snapshot()
    {
        return {state.dateHoliday,
                state.intHoliday,
                state.intHolidayCount,
                {state.intSchoolDays1, state.intSchoolDays2, state.intSchoolDays3, state.intSchoolDaysYear},
                {label(0), label(1), label(2), label(3)}};
    }
};

TEST_F(HolidayCalendarTest, EachCalendarShowsAllMonthsOfItsTermWithSchoolDaysBold)
{
    const int months[] = {4, 5, 3};
    for (int k = 0; k < 3; ++k) {
        MonthCalendar* c = calendar(k);
        EXPECT_EQ(c->minDate(), termFirstDay(2001, k + 1));
        EXPECT_EQ(c->maxDate(), termLastDay(2001, k + 1));
        EXPECT_EQ(c->firstVisibleMonth(), termFirstDay(2001, k + 1));
        EXPECT_EQ(c->visibleDayCount(), termFirstDay(2001, k + 1).daysTo(termLastDay(2001, k + 1)) + 1)
            << "term " << k + 1 << " shows all " << months[k] << " months";
        for (QDate d = c->minDate(); d <= c->maxDate(); d = d.addDays(1)) {
            ASSERT_EQ(c->isDayBold(d), IsSchoolDay(state, d)) << d.toString(Qt::ISODate).toStdString();
            ASSERT_FALSE(c->dayRect(d).isEmpty());
        }
    }
}

TEST_F(HolidayCalendarTest, CountsAreTheSchoolDaysOfEachTerm)
{
    const SchoolDayCounts counts = countSchoolDays(state);
    EXPECT_EQ(state.intSchoolDays1, counts.term1);
    EXPECT_EQ(state.intSchoolDays2, counts.term2);
    EXPECT_EQ(state.intSchoolDays3, counts.term3);
    EXPECT_EQ(state.intSchoolDaysYear, counts.year);
    EXPECT_EQ(label(0), QStringLiteral("１学期の授業日数　%1日").arg(counts.term1));
    EXPECT_EQ(label(1), QStringLiteral("２学期の授業日数　%1日").arg(counts.term2));
    EXPECT_EQ(label(2), QStringLiteral("３学期の授業日数　%1日").arg(counts.term3));
    EXPECT_EQ(label(3), QStringLiteral("年間の授業日数　%1日").arg(counts.year));
    EXPECT_GT(counts.term2, 0);
}

TEST_F(HolidayCalendarTest, ClickingADayOffAndBackRestoresEverything)
{
    const Snapshot before = snapshot();
    const QDate day(2001, 10, 17); // a Wednesday in term 2
    ASSERT_TRUE(calendar(1)->isDayBold(day));
    clickDay(1, day);
    EXPECT_EQ(state.intHolidayCount, 15);
    EXPECT_EQ(state.dateHoliday[14], day);
    EXPECT_EQ(state.intHoliday[14], DayOfYear(day));
    EXPECT_EQ(state.intSchoolDays2, before.schoolDays[1] - 1);
    EXPECT_EQ(state.intSchoolDaysYear, before.schoolDays[3] - 1);
    EXPECT_EQ(state.intSchoolDays1, before.schoolDays[0]);
    EXPECT_FALSE(calendar(1)->isDayBold(day));
    EXPECT_FALSE(IsSchoolDay(state, day));
    EXPECT_EQ(wizard->page(Step::HolidayCalendar)->focusWidget(),
              button(Step::HolidayCalendar, QStringLiteral("cmdWiz3Next")));

    clickDay(1, day);
    EXPECT_TRUE(snapshot() == before);
    EXPECT_TRUE(calendar(1)->isDayBold(day));
}

TEST_F(HolidayCalendarTest, ClicksOnDaysOffByRuleChangeNothing)
{
    const Snapshot before = snapshot();
    const struct {
        int calendar;
        QDate date;
    } days[] = {
        {0, {2001, 4, 15}},  // Sunday
        {0, {2001, 4, 3}},   // spring vacation
        {1, {2001, 8, 10}},  // summer vacation
        {1, {2001, 12, 28}}, // winter vacation
        {0, {2001, 5, 3}},   // national holiday
        {1, {2001, 11, 23}}, // national holiday
        {2, {2002, 3, 20}},  // vernal equinox
        {2, {2002, 3, 25}},  // end-of-year vacation
    };
    for (const auto& d : days) {
        ASSERT_FALSE(calendar(d.calendar)->isDayBold(d.date)) << d.date.toString(Qt::ISODate).toStdString();
        clickDay(d.calendar, d.date);
        EXPECT_TRUE(snapshot() == before) << d.date.toString(Qt::ISODate).toStdString();
        EXPECT_FALSE(calendar(d.calendar)->isDayBold(d.date));
    }
}

TEST_F(HolidayCalendarTest, RemovingAnAddedDayKeepsTheOrderOfTheOthers)
{
    const QDate a(2001, 6, 15), b(2001, 9, 10), c(2002, 2, 5), d(2001, 5, 19); // d: a Saturday
    clickDay(0, a);
    clickDay(1, b);
    clickDay(2, c);
    clickDay(0, d);
    ASSERT_EQ(state.intHolidayCount, 18);
    clickDay(1, b);
    ASSERT_EQ(state.intHolidayCount, 17);
    EXPECT_EQ(state.dateHoliday[14], a);
    EXPECT_EQ(state.dateHoliday[15], c);
    EXPECT_EQ(state.dateHoliday[16], d);
    EXPECT_EQ(state.intHoliday[15], DayOfYear(c));
    EXPECT_EQ(state.intHoliday[16], DayOfYear(d));
    EXPECT_TRUE(calendar(1)->isDayBold(b));
    EXPECT_FALSE(calendar(0)->isDayBold(d));
}

TEST_F(HolidayCalendarTest, ASchoolDayLateInAugustCountsInTermTwo)
{
    state.dateSummerTo = QDate(2001, 8, 24);
    state.intSummerTo = DayOfYear(state.dateSummerTo);
    wizard->show(Step::HolidayCalendar);
    const int term1 = state.intSchoolDays1;
    const int term2 = state.intSchoolDays2;
    const QDate monday(2001, 8, 27);
    ASSERT_TRUE(calendar(1)->isDayBold(monday));
    clickDay(1, monday);
    EXPECT_EQ(state.intSchoolDays1, term1);
    EXPECT_EQ(state.intSchoolDays2, term2 - 1);
    EXPECT_EQ(label(1), QStringLiteral("２学期の授業日数　%1日").arg(term2 - 1));
}

TEST_F(HolidayCalendarTest, ADayWithRegisteredLessonsBringsUpTheApology)
{
    for (const QDate day : {QDate(2001, 10, 18), QDate(2002, 2, 14)}) {
        auto record = std::make_unique<RivoDayTime>();
        record->dateThisDay = day;
        record->intThisDay = DayOfYear(day);
        record->intWeekName = static_cast<std::int16_t>(Weekday(day) - 1);
        record->strSubject = QStringLiteral("　国算理社体　");
        record->boolWorkDay = true;
        state.objDayChain->appendDay(std::move(record));
    }
    const Snapshot before = snapshot();
    for (const auto& [k, day] : {std::pair{1, QDate(2001, 10, 18)}, std::pair{2, QDate(2002, 2, 14)}}) {
        clickDay(k, day);
        auto* sorry =
            wizard->page(Step::HolidayCalendar)->findChild<QDialog*>(QStringLiteral("dlgResultSorry"));
        ASSERT_NE(sorry, nullptr);
        EXPECT_TRUE(sorry->isVisible());
        EXPECT_FALSE(sorry->isModal());
        EXPECT_EQ(sorry->windowTitle(), QStringLiteral("ごめんなさい"));
        EXPECT_TRUE(calendar(k)->isDayBold(day));
        EXPECT_TRUE(snapshot() == before);
        click(sorry->findChild<QPushButton*>(QStringLiteral("OKButton")));
        EXPECT_FALSE(sorry->isVisible());
    }
    // A withdrawn registration no longer protects the day.
    for (RivoDayTime* d = state.objDayChain->objNextDay.get(); d; d = d->objNextDay.get())
        d->boolNowPlanning = true;
    clickDay(1, QDate(2001, 10, 18));
    EXPECT_EQ(state.intHolidayCount, 15);
}

TEST_F(HolidayCalendarTest, AFullListRefusesAnotherDayOffWithAMessage)
{
    state.intHolidayCount = kMaxHolidayCount;
    for (int i = kFixedHolidayCount; i < kMaxHolidayCount; ++i) {
        state.dateHoliday[static_cast<std::size_t>(i)] = QDate(2001, 4, 1); // inside the vacation
        state.intHoliday[static_cast<std::size_t>(i)] = DayOfYear(QDate(2001, 4, 1));
    }
    wizard->show(Step::HolidayCalendar);
    const Snapshot before = snapshot();
    const QDate last = state.dateHoliday[kHolidaySlots - 1];
    dialogs.answerMessage(Dialogs::Answer::Ok);
    clickDay(1, QDate(2001, 10, 17));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.calls().last().title, QStringLiteral("ミルテ"));
    EXPECT_TRUE(snapshot() == before);
    EXPECT_EQ(state.dateHoliday[kHolidaySlots - 1], last);
    EXPECT_TRUE(calendar(1)->isDayBold(QDate(2001, 10, 17)));
}

TEST_F(HolidayCalendarTest, SaturdaysAreSchoolDaysUnderTheIrregularRuleAndCanBeClickedOff)
{
    const QDate saturday(2001, 6, 9);
    ASSERT_TRUE(calendar(0)->isDayBold(saturday));
    clickDay(0, saturday);
    EXPECT_FALSE(calendar(0)->isDayBold(saturday));
    EXPECT_FALSE(IsSchoolDay(state, saturday));
}

TEST_F(HolidayCalendarTest, LoadingRecountsFromTheRules)
{
    const QDate day(2001, 7, 19); // a school day just before the summer vacation
    clickDay(0, day);
    const int term1 = state.intSchoolDays1;
    // The rules turn the added day into a vacation day: it is a day off either way.
    state.dateSummerFrom = QDate(2001, 7, 18);
    state.intSummerFrom = DayOfYear(state.dateSummerFrom);
    click(button(Step::HolidayCalendar, QStringLiteral("cmdWiz3Cancel")));
    wizard->show(Step::HolidayCalendar);
    EXPECT_EQ(state.intSchoolDays1, term1 - 1) << "18 July is a vacation day now";
    // Clicking it removes the added entry and counts it back until the next loading.
    clickDay(0, day);
    EXPECT_EQ(state.intHolidayCount, 14);
    EXPECT_EQ(state.intSchoolDays1, term1);
    click(button(Step::HolidayCalendar, QStringLiteral("cmdWiz3Cancel")));
    wizard->show(Step::HolidayCalendar);
    EXPECT_EQ(state.intSchoolDays1, term1 - 1);
}
