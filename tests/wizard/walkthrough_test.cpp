// A teacher walks the whole wizard for a new plan, from the start page to "完了"; the state it
// leaves behind must be what the plan model computes from the same choices.
#include "wizardfixture.h"

#include "calendar/dates.h"
#include "calendar/nationalholidays.h"
#include "calendar/schooldaycount.h"
#include "core/plandefaults.h"
#include "platform/grid.h"
#include "platform/monthcalendar.h"
#include "totals/projection.h"
#include "totals/weektotals.h"
#include "totals/yeartotals.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

using Step = Wizard::Step;

TEST_F(WizardTest, WalkingTheWholeWizardBuildsThePlanTheModelComputes)
{
    wizard->show(Step::Start);
    click(button(Step::Start, QStringLiteral("cmdWiz0Next")));

    // Class page.
    choose(control<QComboBox>(Step::Class, QStringLiteral("cboWiz1Year")), 1);
    choose(control<QComboBox>(Step::Class, QStringLiteral("cboWiz1Class_0")), 2);
    choose(control<QComboBox>(Step::Class, QStringLiteral("cboWiz1Class_1")), 1);
    auto* teacher = control<QLineEdit>(Step::Class, QStringLiteral("txtWiz1Teacher"));
    click(teacher);
    type(teacher, QStringLiteral("山本"));
    click(button(Step::Class, QStringLiteral("cmdWiz1Next")));

    // Holiday rules: the second and fourth Saturdays off, summer vacation from 21 July.
    control<QComboBox>(Step::HolidayRules, QStringLiteral("cboWiz2Holiday_1"))
        ->setEditText(QStringLiteral("21"));
    clickOption(control<QRadioButton>(Step::HolidayRules, QStringLiteral("optWiz2Saturday_0")));
    click(button(Step::HolidayRules, QStringLiteral("cmdWiz2Next")));

    // Holiday calendar: the school's own day off.
    auto* term1 = control<MonthCalendar>(Step::HolidayCalendar, QStringLiteral("mvWiz3Calendar_0"));
    const QDate foundationDay(2001, 6, 15);
    ASSERT_TRUE(term1->isDayBold(foundationDay));
    QTest::mouseClick(term1, Qt::LeftButton, {}, term1->dayRect(foundationDay).center());
    click(button(Step::HolidayCalendar, QStringLiteral("cmdWiz3Next")));

    // Period lengths: grade 3's suggestion, with a 60-minute period 1 on Wednesday.
    choose(control<QComboBox>(Step::PeriodLengths, QStringLiteral("cboWiz6WedCredit_1")), 4);
    click(button(Step::PeriodLengths, QStringLiteral("cmdWiz6Next")));

    // Weekly timetable: 国語 in period 1 every weekday, 算数 in period 2, 体育 on Wednesday 3.
    const std::array<const char*, 6> columns = {"cmdWiz5MonPlan", "cmdWiz5TuePlan", "cmdWiz5WedPlan",
                                                "cmdWiz5ThuPlan", "cmdWiz5FriPlan", "cmdWiz5SatPlan"};
    const auto stamp = [&](int paletteIndex, int weekday, int period) {
        QPushButton* subject = button(Step::Timetable, QStringLiteral("cmdWiz5Subject_%1").arg(paletteIndex));
        QTest::mousePress(subject, Qt::LeftButton);
        QTest::mouseRelease(subject, Qt::LeftButton);
        click(button(Step::Timetable,
                     QStringLiteral("%1_%2").arg(QLatin1String(columns[weekday])).arg(period)));
    };
    for (int d = 0; d < 6; ++d) {
        stamp(1, d, 1);
        stamp(3, d, 2);
    }
    stamp(9, 2, 3);
    click(button(Step::Timetable, QStringLiteral("cmdWiz5Next")));

    // Annual plan: base and term hours of 国語, typed and moved on with Enter.
    QWidget* annual = wizard->page(Step::AnnualPlan);
    QApplication::setActiveWindow(annual);
    ASSERT_TRUE(QTest::qWaitForWindowActive(annual));
    auto* base = control<QLineEdit>(Step::AnnualPlan, QStringLiteral("txtWiz4YearBase_0"));
    base->setFocus();
    QTest::keyClicks(base, QStringLiteral("175"));
    QTest::keyClick(base, Qt::Key_Return);
    for (int t = 0; t < 3; ++t) {
        auto* box = control<QLineEdit>(Step::AnnualPlan, QStringLiteral("txtWiz4YearPlan_%1").arg(t));
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("58.1"));
        QTest::keyClick(box, Qt::Key_Return);
    }
    click(button(Step::AnnualPlan, QStringLiteral("cmdWiz4End")));

    // Back in the main window, with every page hidden.
    EXPECT_EQ(mainActivations, 1);
    for (int s = 0; s < 7; ++s)
        EXPECT_FALSE(wizard->page(static_cast<Step>(s))->isVisible());
    EXPECT_FALSE(state.boolStartWizard);

    EXPECT_EQ(state.intYear, 2001);
    EXPECT_EQ(state.intGrade, 3);
    EXPECT_EQ(state.strClass, QStringLiteral("2"));
    EXPECT_EQ(state.strTeacher, QStringLiteral("山本"));

    HolidayBoxes boxes = initialHolidayBoxes(2001);
    boxes[1] = 21;
    const HolidayRules rules =
        computeHolidayRules(2001, boxes, SaturdayRule::SecondAndFourthOff, HolidayRules{});
    EXPECT_EQ(state.dateSummerFrom, QDate(2001, 7, 21));
    EXPECT_TRUE(state.boolSat2nd4thOff);
    for (std::size_t i = 0; i < kFixedHolidayCount; ++i) {
        EXPECT_EQ(state.dateHoliday[i], rules.holidayDate[i]) << "entry " << i;
        EXPECT_EQ(state.intHoliday[i], rules.holidayDay[i]) << "entry " << i;
    }
    ASSERT_EQ(state.intHolidayCount, 15);
    EXPECT_EQ(state.dateHoliday[14], foundationDay);
    const SchoolDayCounts counts = countSchoolDays(state);
    EXPECT_EQ(state.intSchoolDays1, counts.term1);
    EXPECT_EQ(state.intSchoolDays2, counts.term2);
    EXPECT_EQ(state.intSchoolDays3, counts.term3);
    EXPECT_EQ(state.intSchoolDaysYear, counts.year);

    std::array<QString, 6> credit = defaultTimeCredit(3);
    credit[2][1] = u'4';
    for (std::size_t d = 0; d < 6; ++d)
        EXPECT_EQ(state.strTimeCredit[d], credit[d]) << "weekday " << d;

    // The weekly hours are what the week totals give for the same strings.
    auto week = makeWeekTimetable();
    const std::array<QString, 6> subjects = {
        QStringLiteral("　国算　　　　"), QStringLiteral("　国算　　　　"), QStringLiteral("　国算体　　　"),
        QStringLiteral("　国算　　　　"), QStringLiteral("　国算　　　　"), QStringLiteral("　国算　　　　")};
    RivoDayTime* expectedDay = week->objFirstDay;
    const RivoDayTime* stored = state.objWeekTimetable->objFirstDay;
    for (const QString& s : subjects) {
        expectedDay->strSubject = s;
        EXPECT_EQ(stored->strSubject, s);
        expectedDay = expectedDay->objNextDay.get();
        stored = stored->objNextDay.get();
    }
    calculate(*week, state.strTimeCredit);
    EXPECT_TRUE(week->sameCounts(*state.objWeekTimetable));
    EXPECT_EQ(state.objWeekTimetable->kokugo, 19) << "five 45-minute periods and Wednesday's 60";

    // The annual plan page showed the projection of exactly this plan.
    const ProjectionTable projection = projectPlan(state);
    auto* grid = control<Grid>(Step::AnnualPlan, QStringLiteral("gridWiz4YearPlan"));
    for (int r = 0; r < 18; ++r)
        for (int t = 0; t < 4; ++t)
            EXPECT_EQ(grid->textMatrix(r + 1, t + 1),
                      UnitsToText(projection[static_cast<std::size_t>(r)][static_cast<std::size_t>(t)]));
    EXPECT_GT(projection[0][3], 0);

    EXPECT_EQ(state.objYearBase->kokugo, 525);
    EXPECT_EQ(state.objYearBase->SouJisuu, 525);
    for (const RivoSeasonTotal* term : state.objYearPlan->terms())
        EXPECT_EQ(term->kokugo, 175);
    auto year = makeYearWithTerms();
    for (std::size_t t = 0; t < 3; ++t)
        static_cast<UnitCounts&>(*year->terms()[t]) = *state.objYearPlan->terms()[t];
    calculate(*year);
    EXPECT_TRUE(year->sameCounts(*state.objYearPlan));
    EXPECT_EQ(state.objYearPlan->kokugo, 525);
}
