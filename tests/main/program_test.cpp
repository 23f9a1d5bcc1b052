// Start-up of the window program: splash, defaults, the main window loaded and shown, and the
// wizard's start page opened by its first activation.
#include "app/mirte/program.h"
#include "core/plandefaults.h"
#include "ui/main/frmmain.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

TEST(Program, StartsWithTheMainWindowAndTheWizardsStartPage)
{
    Program program;
    program.Main();
    frmMain* main = program.mainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("ミルテ Ver1.2.3"));
    EXPECT_EQ(main->size(), QSize(715, 657));

    QStringList shown;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            shown << w->objectName();
    EXPECT_FALSE(shown.contains(QStringLiteral("frmSplash")));
    EXPECT_TRUE(shown.contains(QStringLiteral("frmMain")));
    EXPECT_TRUE(shown.contains(QStringLiteral("frmWiz0"))) << shown.join(u' ').toStdString();

    // The defaults of a program that has no plan yet; the start page took the start flag.
    const AppState& state = program.state();
    EXPECT_FALSE(state.boolStartWizard);
    EXPECT_TRUE(state.boolCalendarShown);
    EXPECT_EQ(state.intYear, 0);
    for (int d = 0; d < 6; ++d)
        EXPECT_TRUE(state.strTimeCredit[std::size_t(d)].isEmpty());
    ASSERT_NE(state.objDayChain, nullptr);
    EXPECT_EQ(state.objDayChain->objNextDay, nullptr);
    EXPECT_EQ(state.intHolidayCount, 14);
    ASSERT_NE(state.objWeekTimetable, nullptr);
    EXPECT_NE(state.objWeekTimetable->objFirstDay, nullptr);
}
