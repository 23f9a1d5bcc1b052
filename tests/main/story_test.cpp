// One lesson, end to end: the teacher picks a Wednesday, stamps 算数 on Monday's period 2 and
// registers Monday; the day lands in the list of recorded days in date order.
#include "mainwindowfixture.h"
#include "planfixture.h"
#include "platform/monthcalendar.h"

#include <QTest>

TEST_F(MainWindowTest, OneLessonEndToEnd)
{
    makePlan(state, 2001);
    addDay(state, QDate(2001, 10, 1), QStringLiteral("　国国国国国　"));
    addDay(state, QDate(2001, 11, 1), QStringLiteral("　算算算算算　"));
    open();

    // Wednesday 17 October 2001: the week 15 to 20 October, Monday from the weekly timetable.
    pick(QDate(2001, 10, 17));
    EXPECT_EQ(calendar()->selectionStart(), QDate(2001, 10, 15));
    EXPECT_EQ(calendar()->selectionEnd(), QDate(2001, 10, 20));
    EXPECT_EQ(dateLabel(0)->text(), QStringLiteral("10/15(月)"));
    EXPECT_EQ(period(0, 2)->text(), QStringLiteral("社会"));

    pickSubject(3); // 算数
    click(period(0, 2));
    EXPECT_EQ(period(0, 2)->text(), QStringLiteral("算数"));
    click(command(0));

    // The new day sits between the two recorded before, with the row's seven initials.
    QStringList dates;
    for (const RivoDayTime* d = state.objDayChain->objNextDay.get(); d; d = d->objNextDay.get())
        dates << d->dateThisDay.toString(Qt::ISODate);
    EXPECT_EQ(dates, QStringList({"2001-10-01", "2001-10-15", "2001-11-01"}));
    const RivoDayTime* monday = recordOf(state, QDate(2001, 10, 15));
    ASSERT_NE(monday, nullptr);
    EXPECT_EQ(monday->strSubject, QStringLiteral("　国算理音体　"));
    EXPECT_TRUE(monday->isRegistered());
    EXPECT_EQ(monday->intThisDay, 288);
    EXPECT_EQ(monday->intWeekName, 1);
    EXPECT_TRUE(monday->strComment.isEmpty());
    EXPECT_TRUE(state.objDayChain->searchDay(QDate(2001, 10, 15)));
    EXPECT_TRUE(dialogs.calls().isEmpty());
}
