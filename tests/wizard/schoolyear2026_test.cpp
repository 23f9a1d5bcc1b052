// A teacher sets up this school year, 令和8年度, through the wizard: the year entry, the holidays the
// law gives in 2026/27, school days counted by hand, a 国民の休日 that no click turns into a school
// day, and the plan saved and read back.
#include "wizardfixture.h"

#include "calendar/schoolday.h"
#include "planfile/planfile.h"
#include "platform/monthcalendar.h"

#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolTip>

using Step = Wizard::Step;

TEST_F(WizardTest, SettingUpReiwaEightWithTheLawsHolidays)
{
    clock.set(QDate(2026, 3, 25).startOfDay());
    wizard->show(Step::Start);
    click(button(Step::Start, QStringLiteral("cmdWiz0Next")));

    // Class page: 令和8年度, grade 3, class 1.
    auto* year = control<QComboBox>(Step::Class, QStringLiteral("cboWiz1Year"));
    ASSERT_EQ(year->itemText(26), QStringLiteral("令和8年度"));
    choose(year, 26);
    choose(control<QComboBox>(Step::Class, QStringLiteral("cboWiz1Class_0")), 2);
    choose(control<QComboBox>(Step::Class, QStringLiteral("cboWiz1Class_1")), 0);
    click(button(Step::Class, QStringLiteral("cmdWiz1Next")));
    ASSERT_EQ(state.intYear, 2026);
    ASSERT_EQ(state.intGrade, 3);

    // Holiday rules: the default vacations, every Saturday off. The equinox boxes hold the announced
    // days, 23 September 2026 and 21 March 2027.
    auto* autumn = control<QComboBox>(Step::HolidayRules, QStringLiteral("cboWiz2Holiday_4"));
    auto* vernal = control<QComboBox>(Step::HolidayRules, QStringLiteral("cboWiz2Holiday_7"));
    EXPECT_EQ(autumn->currentText(), QStringLiteral("23"));
    EXPECT_EQ(vernal->currentText(), QStringLiteral("21"));
    EXPECT_FALSE(
        control<QLabel>(Step::HolidayRules, QStringLiteral("lblWiz2VernalProvisional"))->isVisible());
    clickOption(control<QRadioButton>(Step::HolidayRules, QStringLiteral("optWiz2Saturday_1")));
    click(button(Step::HolidayRules, QStringLiteral("cmdWiz2Next")));

    // The fourteen entries as the law moves them: 憲法記念日 on a Sunday rests on 6 May, 天皇誕生日 is
    // 23 February 2027, 春分の日 on Sunday 21 March rests on the 22nd.
    const std::array<QDate, 14> entries = {{{2026, 4, 29},
                                            {2026, 5, 6},
                                            {2026, 5, 4},
                                            {2026, 5, 5},
                                            {2026, 7, 20},
                                            {2026, 9, 21},
                                            {2026, 9, 23},
                                            {2026, 10, 12},
                                            {2026, 11, 3},
                                            {2026, 11, 23},
                                            {2027, 2, 23},
                                            {2027, 1, 11},
                                            {2027, 2, 11},
                                            {2027, 3, 22}}};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(state.dateHoliday[i], entries[i]) << "entry " << i;
        EXPECT_EQ(state.intHoliday[i], entries[i].dayOfYear()) << "entry " << i;
    }
    EXPECT_EQ(state.intHolidayCount, 14);

    // Holiday calendar: school days counted by hand. Term 1: April 18 (6–30 without 昭和の日), May 18
    // (without 4, 5 and the substitute 6 May), June 22, July 13 (to the 17th) = 71. Term 2: September
    // 19 (without 21–23), October 21, November 19, December 18 (to the 24th) = 77. Term 3: January 15
    // (8th on, without 成人の日), February 18 (without 11 and 23), March 14 (to the 18th) = 47.
    const auto label = [this](int k) {
        return control<QLabel>(Step::HolidayCalendar, QStringLiteral("lblWiz3NumberOfSchoolDays_%1").arg(k))
            ->text();
    };
    EXPECT_EQ(label(0), QStringLiteral("１学期の授業日数　71日"));
    EXPECT_EQ(label(1), QStringLiteral("２学期の授業日数　77日"));
    EXPECT_EQ(label(2), QStringLiteral("３学期の授業日数　47日"));
    EXPECT_EQ(label(3), QStringLiteral("年間の授業日数　195日"));

    // 22 September 2026, a 国民の休日 on a Tuesday: not bold, named, and a click changes nothing.
    auto* term2 = control<MonthCalendar>(Step::HolidayCalendar, QStringLiteral("mvWiz3Calendar_1"));
    const QDate between(2026, 9, 22);
    EXPECT_FALSE(term2->isDayBold(between));
    EXPECT_EQ(term2->dayNote(between), QStringLiteral("国民の休日"));
    EXPECT_EQ(term2->dayNote(QDate(2026, 8, 11)), QStringLiteral("山の日"));
    QTest::mouseClick(term2, Qt::LeftButton, {}, term2->dayRect(between).center());
    EXPECT_FALSE(term2->isDayBold(between));
    EXPECT_EQ(state.intHolidayCount, 14);
    EXPECT_EQ(label(1), QStringLiteral("２学期の授業日数　77日"));
    EXPECT_FALSE(IsSchoolDay(state, between));
    QHelpEvent help(QEvent::ToolTip, term2->dayRect(between).center(),
                    term2->mapToGlobal(term2->dayRect(between).center()));
    QCoreApplication::sendEvent(term2, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("国民の休日"));
    // A school day still becomes a day off and back.
    const QDate friday(2026, 9, 25);
    QTest::mouseClick(term2, Qt::LeftButton, {}, term2->dayRect(friday).center());
    EXPECT_EQ(state.intHolidayCount, 15);
    QTest::mouseClick(term2, Qt::LeftButton, {}, term2->dayRect(friday).center());
    EXPECT_EQ(state.intHolidayCount, 14);
    click(button(Step::HolidayCalendar, QStringLiteral("cmdWiz3Cancel")));

    // Saved and read back: nothing beyond the fourteen entries is stored, and the law's rest days
    // come back with the year.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    state.strFileName = dir.filePath(QStringLiteral("r8-3-1.rv"));
    ASSERT_EQ(SavePlanFile(state), SaveResult::Saved);
    QFile file(state.strFileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("\r\n"), 157) << "a new plan's file: fourteen holidays, no days";
    AppState back;
    LoadPlanFile(back, state.strFileName);
    EXPECT_EQ(back.intYear, 2026);
    for (std::size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(back.dateHoliday[i], entries[i]) << "entry " << i;
    EXPECT_EQ(back.lawRestDays, state.lawRestDays);
    EXPECT_FALSE(IsSchoolDay(back, between));
    EXPECT_EQ(back.intSchoolDays1, 71);
    EXPECT_EQ(back.intSchoolDays2, 77);
    EXPECT_EQ(back.intSchoolDays3, 47);
    EXPECT_EQ(back.intSchoolDaysYear, 195);
}
