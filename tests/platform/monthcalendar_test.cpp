// The month calendar as the windows drive it: bounds, the visible-day walk, selection, bold marks
// and the notifications raised by mouse and keyboard.
#include "platform/monthcalendar.h"

#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// The main window's calendar in school year 2001: three months, limited to the year.
class MonthCalendarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        cal.setMonthColumns(3);
        setBounds(QDate(2001, 4, 1), QDate(2002, 3, 31));
        cal.resize(cal.sizeHint());
        cal.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&cal));
    }

    // The order the windows use: the wide maximum first keeps the new minimum valid.
    void setBounds(const QDate& min, const QDate& max)
    {
        cal.setMaxDate(QDate(9999, 12, 31));
        cal.setMinDate(min);
        cal.setMaxDate(max);
    }

    // All visible days, read the way the windows mark them: until the calendar refuses.
    QList<QDate> walkVisibleDays() const
    {
        QList<QDate> days;
        try {
            for (int n = 1; n <= 400; ++n)
                days << cal.visibleDay(n);
        } catch (const std::out_of_range&) {
        }
        return days;
    }

    void clickDay(const QDate& date)
    {
        const QRect r = cal.dayRect(date);
        ASSERT_FALSE(r.isEmpty()) << date.toString(Qt::ISODate).toStdString() << " is not shown";
        QTest::mouseClick(&cal, Qt::LeftButton, {}, r.center());
    }

    // Dark pixels in a day's cell: more of them when the number is drawn bold.
    int inkIn(const QDate& date)
    {
        const QImage image = cal.grab(cal.dayRect(date)).toImage();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    }

    MonthCalendar cal;
};

TEST_F(MonthCalendarTest, VisibleDaysComeInDateOrderAndEndWithAnError)
{
    cal.setDisplayedDate(QDate(2001, 10, 17));
    ASSERT_EQ(cal.firstVisibleMonth(), QDate(2001, 10, 1));

    const QList<QDate> days = walkVisibleDays();
    ASSERT_EQ(days.size(), 31 + 30 + 31);
    EXPECT_EQ(days.first(), QDate(2001, 10, 1));
    EXPECT_EQ(days.last(), QDate(2001, 12, 31));
    for (qsizetype i = 1; i < days.size(); ++i)
        ASSERT_EQ(days[i - 1].addDays(1), days[i]) << "gap after " << i;
    EXPECT_EQ(cal.visibleDayCount(), days.size());
    EXPECT_THROW(cal.visibleDay(93), std::out_of_range);
    EXPECT_THROW(cal.visibleDay(0), std::out_of_range);
}

TEST_F(MonthCalendarTest, VisibleDaysStayWithinTheBounds)
{
    // January to March 2002 are shown; the days before 10 March cannot be picked, so they do not
    // count as visible, and nothing after the maximum does.
    setBounds(QDate(2002, 1, 10), QDate(2002, 3, 20));
    cal.setDisplayedDate(QDate(2002, 2, 1));
    const QList<QDate> days = walkVisibleDays();
    ASSERT_FALSE(days.isEmpty());
    EXPECT_EQ(days.first(), QDate(2002, 1, 10));
    EXPECT_EQ(days.last(), QDate(2002, 3, 20));
}

TEST_F(MonthCalendarTest, AMinimumAboveTheMaximumIsRefusedAndChangesNothing)
{
    cal.setDisplayedDate(QDate(2001, 5, 1));
    const QDate first = cal.firstVisibleMonth();

    // Moving on to school year 2005 without widening the maximum first.
    EXPECT_THROW(cal.setMinDate(QDate(2005, 4, 1)), std::invalid_argument);
    EXPECT_THROW(cal.setMaxDate(QDate(2001, 3, 31)), std::invalid_argument);
    EXPECT_EQ(cal.minDate(), QDate(2001, 4, 1));
    EXPECT_EQ(cal.maxDate(), QDate(2002, 3, 31));
    EXPECT_EQ(cal.firstVisibleMonth(), first);

    // The windows' order works both forwards and backwards in time.
    setBounds(QDate(2005, 4, 1), QDate(2006, 3, 31));
    EXPECT_EQ(cal.minDate(), QDate(2005, 4, 1));
    EXPECT_EQ(cal.firstVisibleMonth(), QDate(2005, 4, 1));
    setBounds(QDate(2000, 4, 1), QDate(2001, 3, 31));
    EXPECT_EQ(cal.maxDate(), QDate(2001, 3, 31));
    EXPECT_EQ(cal.firstVisibleMonth(), QDate(2001, 1, 1)) << "every visible month lies within the year";

    // A single selectable day is a valid range.
    EXPECT_NO_THROW(setBounds(QDate(2003, 3, 31), QDate(2003, 3, 31)));
}

TEST_F(MonthCalendarTest, TheDisplayedDateBringsItsMonthIntoViewWithinTheBounds)
{
    struct Case {
        QDate displayed;
        QDate expectedDate;
        QDate expectedFirstMonth;
    } cases[] = {
        {QDate(2001, 10, 17), QDate(2001, 10, 17), QDate(2001, 10, 1)},
        {QDate(2001, 11, 5), QDate(2001, 11, 5), QDate(2001, 10, 1)}, // already visible: no scrolling
        {QDate(2002, 3, 15), QDate(2002, 3, 15), QDate(2002, 1, 1)},  // the last months end at March
        {QDate(1999, 1, 1), QDate(2001, 4, 1), QDate(2001, 4, 1)},    // below the minimum
        {QDate(2010, 1, 1), QDate(2002, 3, 31), QDate(2002, 1, 1)},   // above the maximum
    };
    for (const Case& c : cases) {
        cal.setDisplayedDate(c.displayed);
        EXPECT_EQ(cal.displayedDate(), c.expectedDate) << c.displayed.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(cal.firstVisibleMonth(), c.expectedFirstMonth)
            << c.displayed.toString(Qt::ISODate).toStdString();
    }
}

TEST_F(MonthCalendarTest, ShowRangeMakesEveryMonthOfATermVisible)
{
    MonthCalendar term; // as the holiday page creates it: one month wide
    term.setMaxDate(QDate(9999, 12, 31));
    term.setMinDate(QDate(2001, 8, 1));
    term.setMaxDate(QDate(2001, 12, 31));
    term.showRange(QDate(2001, 8, 1), QDate(2001, 12, 31));
    EXPECT_EQ(term.monthColumns() * term.monthRows(), 5);
    EXPECT_EQ(term.firstVisibleMonth(), QDate(2001, 8, 1));
    EXPECT_EQ(term.visibleDay(1), QDate(2001, 8, 1));
    EXPECT_EQ(term.visibleDay(term.visibleDayCount()), QDate(2001, 12, 31));
    EXPECT_EQ(term.visibleDayCount(), 153);

    // A shorter range keeps the months already shown.
    term.showRange(QDate(2001, 9, 1), QDate(2001, 10, 31));
    EXPECT_EQ(term.monthColumns() * term.monthRows(), 5);
    EXPECT_EQ(term.visibleDay(1), QDate(2001, 8, 1)) << "the range is already in view";
}

TEST_F(MonthCalendarTest, SelectionHoldsUpToSixDaysWithinTheBounds)
{
    struct Case {
        QDate start, end, expectedStart, expectedEnd;
    } cases[] = {
        {QDate(2001, 10, 15), QDate(2001, 10, 20), QDate(2001, 10, 15), QDate(2001, 10, 20)},
        {QDate(2001, 10, 20), QDate(2001, 10, 15), QDate(2001, 10, 15), QDate(2001, 10, 20)},
        {QDate(2001, 10, 17), QDate(2001, 10, 17), QDate(2001, 10, 17), QDate(2001, 10, 17)},
        {QDate(2001, 10, 1), QDate(2001, 10, 31), QDate(2001, 10, 1), QDate(2001, 10, 6)},
        {QDate(2001, 3, 26), QDate(2001, 4, 3), QDate(2001, 4, 1), QDate(2001, 4, 3)},
        {QDate(2002, 3, 30), QDate(2002, 4, 4), QDate(2002, 3, 30), QDate(2002, 3, 31)},
        {QDate(2002, 4, 1), QDate(2002, 4, 6), QDate(), QDate()},
    };
    for (const Case& c : cases) {
        cal.setSelection(c.start, c.end);
        const std::string what = c.start.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(cal.selectionStart(), c.expectedStart) << what;
        EXPECT_EQ(cal.selectionEnd(), c.expectedEnd) << what;
    }
}

TEST_F(MonthCalendarTest, SelectionOutOfViewIsScrolledToButAVisibleOneIsNot)
{
    cal.setDisplayedDate(QDate(2001, 4, 10));
    cal.setSelection(QDate(2001, 10, 15), QDate(2001, 10, 20));
    EXPECT_EQ(cal.firstVisibleMonth(), QDate(2001, 10, 1));
    // A week that runs into a month not shown stays where it is.
    cal.setSelection(QDate(2001, 12, 31), QDate(2002, 1, 5));
    EXPECT_EQ(cal.firstVisibleMonth(), QDate(2001, 10, 1));
}

TEST_F(MonthCalendarTest, BoldMarksAreKeptAndShowAtOnce)
{
    cal.setDisplayedDate(QDate(2001, 10, 1));
    const QDate day(2001, 10, 17);
    const int normalInk = inkIn(day);
    cal.setDayBold(day, true);
    EXPECT_TRUE(cal.isDayBold(day));
    EXPECT_FALSE(cal.isDayBold(day.addDays(1)));
    EXPECT_GT(inkIn(day), normalInk);

    cal.setDayBold(day, false);
    EXPECT_FALSE(cal.isDayBold(day));
    EXPECT_EQ(inkIn(day), normalInk);

    // Marks of days not shown are kept for when they come into view.
    cal.setDayBold(QDate(2002, 2, 12), true);
    cal.setDisplayedDate(QDate(2002, 2, 1));
    EXPECT_TRUE(cal.isDayBold(QDate(2002, 2, 12)));
}

TEST_F(MonthCalendarTest, AMouseClickOnADayRaisesDateClickThenClick)
{
    cal.setIndex(2);
    cal.setDisplayedDate(QDate(2001, 10, 1));
    QStringList events;
    QObject::connect(&cal, &MonthCalendar::dateClicked, [&](QDate d, int index) {
        events << QStringLiteral("date %1 %2").arg(d.toString(Qt::ISODate)).arg(index);
    });
    QObject::connect(&cal, &MonthCalendar::clicked, [&] { events << QStringLiteral("click"); });

    clickDay(QDate(2001, 11, 14));
    EXPECT_EQ(events, QStringList({"date 2001-11-14 2", "click"}));
    EXPECT_EQ(cal.selectionStart(), QDate(2001, 11, 14));
    EXPECT_EQ(cal.displayedDate(), QDate(2001, 11, 14));

    // The title band is not a day: a plain click only.
    events.clear();
    QTest::mouseClick(&cal, Qt::LeftButton, {}, QPoint(cal.width() / 2, 12));
    EXPECT_EQ(events, QStringList({"click"}));

    // A right click picks nothing.
    events.clear();
    QTest::mouseClick(&cal, Qt::RightButton, {}, cal.dayRect(QDate(2001, 11, 15)).center());
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(MonthCalendarTest, DaysOutsideTheBoundsCannotBePicked)
{
    setBounds(QDate(2002, 1, 10), QDate(2002, 3, 31));
    cal.setDisplayedDate(QDate(2002, 1, 10));
    QSignalSpy dates(&cal, &MonthCalendar::dateClicked);
    QSignalSpy clicks(&cal, &MonthCalendar::clicked);
    clickDay(QDate(2002, 1, 9));
    EXPECT_EQ(dates.count(), 0);
    EXPECT_EQ(clicks.count(), 1);
    clickDay(QDate(2002, 1, 10));
    ASSERT_EQ(dates.count(), 1);
    EXPECT_EQ(dates.at(0).at(0).toDate(), QDate(2002, 1, 10));
}

TEST_F(MonthCalendarTest, MonthButtonsScrollWithinTheBoundsAndRaiseClick)
{
    auto* prev = cal.findChild<QToolButton*>(QStringLiteral("cmdPrevMonth"));
    auto* next = cal.findChild<QToolButton*>(QStringLiteral("cmdNextMonth"));
    ASSERT_TRUE(prev && next);
    EXPECT_FALSE(prev->accessibleName().isEmpty());
    cal.setDisplayedDate(QDate(2001, 4, 1));
    EXPECT_FALSE(prev->isEnabled()) << "April is the first month of the year";

    QSignalSpy clicks(&cal, &MonthCalendar::clicked);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(cal.firstVisibleMonth(), QDate(2001, 5, 1));
    EXPECT_EQ(clicks.count(), 1);
    for (int i = 0; i < 20; ++i)
        QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(cal.firstVisibleMonth(), QDate(2002, 1, 1)) << "March stays the last month shown";
    EXPECT_FALSE(next->isEnabled());
    QTest::mouseClick(prev, Qt::LeftButton);
    EXPECT_EQ(cal.firstVisibleMonth(), QDate(2001, 12, 1));
}

TEST_F(MonthCalendarTest, KeysMoveTheCursorAndEnterOrSpacePicks)
{
    cal.setIndex(1);
    cal.setDisplayedDate(QDate(2001, 10, 17));
    cal.setFocus();
    QSignalSpy dates(&cal, &MonthCalendar::dateClicked);

    QTest::keyClick(&cal, Qt::Key_Right);
    QTest::keyClick(&cal, Qt::Key_Down);
    EXPECT_EQ(cal.focusDate(), QDate(2001, 10, 25));
    EXPECT_TRUE(cal.accessibleDescription().startsWith(QStringLiteral("2001年10月25日（木）")))
        << cal.accessibleDescription().toStdString();
    EXPECT_EQ(dates.count(), 0) << "moving is not picking";
    QTest::keyClick(&cal, Qt::Key_Return);
    ASSERT_EQ(dates.count(), 1);
    EXPECT_EQ(dates.at(0).at(0).toDate(), QDate(2001, 10, 25));
    EXPECT_EQ(dates.at(0).at(1).toInt(), 1);

    QTest::keyClick(&cal, Qt::Key_Left);
    QTest::keyClick(&cal, Qt::Key_Space);
    ASSERT_EQ(dates.count(), 2);
    EXPECT_EQ(dates.at(1).at(0).toDate(), QDate(2001, 10, 24));
}

TEST_F(MonthCalendarTest, KeysStopAtTheBoundsAndScrollMonthsIntoView)
{
    cal.setDisplayedDate(QDate(2001, 4, 3));
    cal.setFocus();
    QTest::keyClick(&cal, Qt::Key_Up);
    EXPECT_EQ(cal.focusDate(), QDate(2001, 4, 1)) << "the minimum holds the cursor";

    QSignalSpy clicks(&cal, &MonthCalendar::clicked);
    cal.setDisplayedDate(QDate(2001, 6, 28));
    QTest::keyClick(&cal, Qt::Key_Down);
    EXPECT_EQ(cal.focusDate(), QDate(2001, 7, 5));
    EXPECT_EQ(cal.firstVisibleMonth(), QDate(2001, 5, 1));
    EXPECT_EQ(clicks.count(), 1) << "the window marks the month that came into view";

    cal.setDisplayedDate(QDate(2002, 3, 30));
    QTest::keyClick(&cal, Qt::Key_PageDown);
    EXPECT_EQ(cal.focusDate(), QDate(2002, 3, 31));
}

TEST_F(MonthCalendarTest, TodayIsOnlyWhatTheWindowSays)
{
    EXPECT_FALSE(cal.today().isValid());
    cal.setDisplayedDate(QDate(2001, 10, 1));
    const QDate day(2001, 10, 17);
    const QImage before = cal.grab(cal.dayRect(day)).toImage();
    cal.setToday(day);
    EXPECT_EQ(cal.today(), day);
    EXPECT_NE(cal.grab(cal.dayRect(day)).toImage(), before);
}

TEST_F(MonthCalendarTest, WeekendsAreColouredAndThreeMonthsFitSideBySide)
{
    cal.setDisplayedDate(QDate(2001, 10, 1));
    // Count reddish and bluish pixels in a day's cell.
    auto hues = [&](const QDate& date) {
        const QImage image = cal.grab(cal.dayRect(date)).toImage();
        int red = 0, blue = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() > 150 && c.green() < 100 && c.blue() < 100;
                blue += c.blue() > 150 && c.red() < 100 && c.green() < 120;
            }
        return std::pair(red, blue);
    };
    const auto sunday = hues(QDate(2001, 10, 14));
    const auto saturday = hues(QDate(2001, 10, 13));
    const auto wednesday = hues(QDate(2001, 10, 10));
    EXPECT_GT(sunday.first, 0);
    EXPECT_EQ(sunday.second, 0);
    EXPECT_GT(saturday.second, 0);
    EXPECT_EQ(saturday.first, 0);
    EXPECT_EQ(wednesday.first + wednesday.second, 0);

    EXPECT_LE(cal.sizeHint().width(), 560);
    // Every visible day has a cell of its own.
    QSet<QPoint> centres;
    for (const QDate& d : walkVisibleDays()) {
        const QRect r = cal.dayRect(d);
        ASSERT_TRUE(cal.rect().contains(r)) << d.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(cal.dateAt(r.center()), d);
        centres.insert(r.center());
    }
    EXPECT_EQ(centres.size(), cal.visibleDayCount());
}

TEST_F(MonthCalendarTest, ALargerFontGrowsTheCellsSoNumbersAreNotCut)
{
    cal.setDisplayedDate(QDate(2001, 10, 1));
    const QSize before = cal.sizeHint();
    QFont big = cal.font();
    big.setPointSize(20);
    cal.setFont(big);
    EXPECT_GT(cal.sizeHint().width(), before.width());
    EXPECT_GT(cal.sizeHint().height(), before.height());
    big.setBold(true);
    const QRect cell = cal.dayRect(QDate(2001, 10, 28));
    EXPECT_GE(cell.width(), QFontMetrics(big).horizontalAdvance(QStringLiteral("28")));
    EXPECT_GE(cell.height(), QFontMetrics(big).height());
    // Clicks still find their day in the larger layout.
    cal.resize(cal.sizeHint());
    QSignalSpy dates(&cal, &MonthCalendar::dateClicked);
    clickDay(QDate(2001, 12, 24));
    ASSERT_EQ(dates.count(), 1);
    EXPECT_EQ(dates.at(0).at(0).toDate(), QDate(2001, 12, 24));
}

} // namespace

TEST_F(MonthCalendarTest, NotedDaysAreRedAndNameThemselves)
{
    const QDate monday(2001, 9, 24); // 振替休日 of 秋分の日
    cal.setDisplayedDate(monday);
    cal.setDayBold(monday, false);
    cal.setDayNotes({{monday, QStringLiteral("振替休日")}});
    EXPECT_EQ(cal.dayNote(monday), QStringLiteral("振替休日"));
    EXPECT_TRUE(cal.dayNote(monday.addDays(1)).isEmpty());

    // Drawn in red: the cell holds a clearly red pixel, its neighbour none.
    const auto hasRed = [this](const QDate& date) {
        const QImage image = cal.grab(cal.dayRect(date)).toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 90 && c.blue() < 90)
                    return true;
            }
        return false;
    };
    EXPECT_TRUE(hasRed(monday));
    EXPECT_FALSE(hasRed(monday.addDays(1)));

    // The note follows the date in the description of the day under the keyboard cursor.
    cal.setFocus();
    QTest::keyClick(&cal, Qt::Key_Right);
    QTest::keyClick(&cal, Qt::Key_Left);
    EXPECT_TRUE(cal.accessibleDescription().startsWith(QStringLiteral("2001年9月24日（月）振替休日")))
        << cal.accessibleDescription().toStdString();

    // Its tooltip.
    QHelpEvent help(QEvent::ToolTip, cal.dayRect(monday).center(),
                    cal.mapToGlobal(cal.dayRect(monday).center()));
    QCoreApplication::sendEvent(&cal, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("振替休日"));

    cal.setDayNotes({});
    EXPECT_FALSE(hasRed(monday));
}
