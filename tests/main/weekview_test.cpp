// The week view of the real main window: which rows a picked date shows, with which dates,
// periods and subjects, and how the calendar follows the plan.
#include "calendar/schoolday.h"
#include "core/plandefaults.h"
#include "core/subjects.h"
#include "mainwindowfixture.h"
#include "planfixture.h"
#include "platform/monthcalendar.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

TEST_F(MainWindowTest, WeekOfAPickedDate)
{
    struct Case {
        int year;
        QDate picked;
        std::array<const char*, 6> labels;
        const char* rows; // per row: H hidden, O open
    } cases[] = {
        // Sports Day on Monday 8 October and the second Saturday are days off.
        {2001,
         QDate(2001, 10, 10),
         {"10/08(月)", "10/09(火)", "10/10(水)", "10/11(木)", "10/12(金)", "10/13(土)"},
         "HOOOOH"},
        // A Sunday shows the following week.
        {2001,
         QDate(2001, 10, 14),
         {"10/15(月)", "10/16(火)", "10/17(水)", "10/18(木)", "10/19(金)", "10/20(土)"},
         "OOOOOO"},
        // 1 April 2001 is a Sunday; the spring vacation lasts until 5 April.
        {2001,
         QDate(2001, 4, 1),
         {"04/02(月)", "04/03(火)", "04/04(水)", "04/05(木)", "04/06(金)", "04/07(土)"},
         "HHHHOO"},
        {2001,
         QDate(2001, 4, 2),
         {"04/02(月)", "04/03(火)", "04/04(水)", "04/05(木)", "04/06(金)", "04/07(土)"},
         "HHHHOO"},
        // 31 March 2003, a Monday, is the week's only day of school year 2002.
        {2002, QDate(2003, 3, 31), {"03/31(月)", "", "", "", "", ""}, "HHHHHH"},
        // Saturday 1 April 2000 starts school year 2000 alone.
        {2000, QDate(2000, 4, 1), {"", "", "", "", "", "04/01(土)"}, "HHHHHH"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picked.toString(Qt::ISODate).toStdString());
        makePlan(state, c.year);
        open();
        pick(c.picked);
        for (int r = 0; r < 6; ++r) {
            SCOPED_TRACE(r);
            const QString label = QString::fromUtf8(c.labels[std::size_t(r)]);
            EXPECT_EQ(dateLabel(r)->text(), label);
            EXPECT_EQ(isZeroDate(window->rowDates()[std::size_t(r)]), label.isEmpty());
            const bool open = c.rows[r] == 'O';
            EXPECT_EQ(shown(command(r)), open);
            EXPECT_EQ(shown(eventBox(r)), open);
            if (open) {
                EXPECT_EQ(command(r)->text(), QStringLiteral("登録"));
            }
            for (int j = 0; j < 7 && !open; ++j)
                EXPECT_FALSE(shown(period(r, j)));
        }
        EXPECT_EQ(state.dateSelected, c.picked);
        EXPECT_EQ(calendar()->selectionStart(), state.dateWeekFirst);
        EXPECT_EQ(calendar()->selectionEnd(), state.dateWeekLast);
    }
}

TEST_F(MainWindowTest, RowsShowTheTimetableWithTheWeekdaysPeriods)
{
    makePlan(state, 2001);
    open();
    pick(QDate(2001, 10, 15));
    // Grade 3: no period 6 on any day, no period 0 on Thursday, only periods 1 and 2 on Saturday.
    const char* periodsShown[6] = {"1111110", "1111110", "1111110", "0111110", "1111110", "0110000"};
    for (int r = 0; r < 6; ++r) {
        for (int j = 0; j < 7; ++j) {
            SCOPED_TRACE(QStringLiteral("row %1 period %2").arg(r).arg(j).toStdString());
            QToolButton* b = period(r, j);
            EXPECT_EQ(shown(b), periodsShown[r][j] == '1');
            const QChar initial = kTimetable[r].at(j);
            if (!shown(b))
                continue;
            EXPECT_EQ(b->text(), initial == u'　' ? QString() : subjectName(initial));
            EXPECT_EQ(b->icon().isNull(), initial == u'　');
            EXPECT_TRUE(b->isEnabled());
        }
    }
    // After a full week the keyboard rests on the last school day's button.
    EXPECT_EQ(window->focusWidget(), command(5));
}

TEST_F(MainWindowTest, WithoutPeriodLengthsEveryPeriodShows)
{
    makePlan(state, 2001);
    for (int d = 0; d < 6; ++d)
        state.strTimeCredit[std::size_t(d)].clear();
    open();
    pick(QDate(2001, 10, 15));
    for (int r = 0; r < 6; ++r)
        for (int j = 0; j < 7; ++j)
            EXPECT_TRUE(shown(period(r, j))) << r << "/" << j;
}

TEST_F(MainWindowTest, AccessibleNamesFollowTheShownWeek)
{
    makePlan(state, 2001);
    open();
    pick(QDate(2001, 10, 15));
    EXPECT_EQ(period(0, 2)->accessibleName(), QStringLiteral("10/15(月) 2時限"));
    EXPECT_EQ(period(0, 2)->accessibleDescription(), QStringLiteral("社会"));
    EXPECT_EQ(eventBox(0)->accessibleName(), QStringLiteral("10/15(月) 行事"));
    // A box holding an event keeps its name and gives the event as its value.
    eventBox(0)->setEditText(QStringLiteral("運動会"));
    for (QWidget* box :
         {static_cast<QWidget*>(eventBox(0)), static_cast<QWidget*>(eventBox(0)->lineEdit())}) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box);
        EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("10/15(月) 行事"));
        EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("運動会"));
    }
    EXPECT_EQ(command(0)->accessibleName(), QStringLiteral("10/15(月) 登録"));
    pick(QDate(2001, 10, 24));
    EXPECT_EQ(period(5, 1)->accessibleName(), QStringLiteral("10/27(土) 1時限"));
    EXPECT_EQ(command(2)->accessibleName(), QStringLiteral("10/24(水) 登録"));
}

TEST_F(MainWindowTest, FirstActivationMovesTheCalendarToTodayInThePlansYear)
{
    struct Case {
        QDate today;
        QDate shown;
    } cases[] = {
        {QDate(2005, 10, 19), QDate(2001, 10, 19)},
        {QDate(2005, 2, 13), QDate(2002, 2, 13)},
        // No 29 February in 2002: the day rolls on.
        {QDate(2004, 2, 29), QDate(2002, 3, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString());
        clock.set(c.today.startOfDay().addSecs(8 * 3600));
        makePlan(state, 2001);
        open();
        EXPECT_TRUE(state.boolCalendarShown);
        EXPECT_EQ(state.dateSelected, c.shown);
        EXPECT_EQ(state.dateWeekFirst, c.shown);
        EXPECT_EQ(state.dateWeekLast, c.shown);
        EXPECT_LE(calendar()->selectionStart(), c.shown);
        EXPECT_GE(calendar()->selectionEnd(), c.shown);
        EXPECT_FALSE(calendar()->dayRect(c.shown).isEmpty()) << "today's month is in view";
        EXPECT_EQ(calendar()->today(), c.today);
    }
}

TEST_F(MainWindowTest, ActivationKeepsThePickedWeekOnceTheCalendarWasShown)
{
    makePlan(state, 2001);
    open();
    pick(QDate(2001, 11, 7));
    window->Form_Activate();
    EXPECT_EQ(dateLabel(0)->text(), QStringLiteral("11/05(月)"));
    EXPECT_EQ(state.dateSelected, QDate(2001, 11, 7));

    // A newly loaded plan clears the flag: the next activation moves to today again.
    state.boolCalendarShown = false;
    window->Form_Activate();
    EXPECT_EQ(dateLabel(0)->text(), QStringLiteral("10/15(月)"));
}

TEST_F(MainWindowTest, CalendarBoundsFollowTheSchoolYear)
{
    struct Case {
        int year;
        QDate min, max;
    } cases[] = {
        {2001, QDate(2001, 4, 1), QDate(2002, 3, 31)},
        {2010, QDate(2010, 4, 1), QDate(2011, 3, 31)},
    };
    for (const Case& c : cases) {
        makePlan(state, c.year);
        open();
        EXPECT_EQ(calendar()->minDate(), c.min) << c.year;
        EXPECT_EQ(calendar()->maxDate(), c.max) << c.year;
    }
    // No plan yet: year 0 reads as 2000.
    InitPlanDefaults(state);
    state.intYear = 0;
    state.boolStartWizard = false;
    open();
    EXPECT_EQ(calendar()->minDate(), QDate(2000, 4, 1));
    EXPECT_EQ(calendar()->maxDate(), QDate(2001, 3, 31));
    // A later year below the earlier minimum still takes: the maximum is widened first.
    state.intYear = 2000;
    window->Form_Activate();
    EXPECT_EQ(calendar()->minDate(), QDate(2000, 4, 1));
    EXPECT_EQ(calendar()->maxDate(), QDate(2001, 3, 31));
    state.intYear = 2009;
    window->Form_Activate();
    EXPECT_EQ(calendar()->minDate(), QDate(2009, 4, 1));
}

TEST_F(MainWindowTest, SchoolDaysAreBoldOnEveryVisibleMonth)
{
    makePlan(state, 2001);
    open();
    const auto expectMarks = [&] {
        MonthCalendar* cal = calendar();
        ASSERT_GT(cal->visibleDayCount(), 60);
        for (int n = 1; n <= cal->visibleDayCount(); ++n) {
            const QDate day = cal->visibleDay(n);
            EXPECT_EQ(cal->isDayBold(day), IsSchoolDay(state, day))
                << day.toString(Qt::ISODate).toStdString();
        }
    };
    expectMarks();
    EXPECT_TRUE(calendar()->isDayBold(QDate(2001, 10, 15)));
    EXPECT_FALSE(calendar()->isDayBold(QDate(2001, 10, 8))); // Sports Day
    // The law's rest days carry their names (23 September 2001 is a Sunday).
    EXPECT_EQ(calendar()->dayNote(QDate(2001, 10, 8)), QStringLiteral("体育の日"));
    EXPECT_EQ(calendar()->dayNote(QDate(2001, 9, 24)), QStringLiteral("振替休日"));
    EXPECT_TRUE(calendar()->dayNote(QDate(2001, 10, 15)).isEmpty());

    // Months scrolled into view are marked as well.
    QTest::mouseClick(calendar()->findChild<QAbstractButton*>(QStringLiteral("cmdNextMonth")),
                      Qt::LeftButton);
    EXPECT_FALSE(calendar()->dayRect(QDate(2002, 1, 8)).isEmpty());
    EXPECT_TRUE(calendar()->isDayBold(QDate(2002, 1, 8)));
    expectMarks();
}
