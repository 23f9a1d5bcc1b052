// The period-length page and the weekly timetable page: the lengths of the periods, and the
// subjects stamped on them with the weekly hours they give.
#include "wizardfixture.h"

#include "core/plandefaults.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>

using Step = Wizard::Step;

// ---- Period-length page -------------------------------------------------------------------------

namespace {
const std::array<const char*, 6> kCreditArrays = {"cboWiz6MonCredit", "cboWiz6TueCredit", "cboWiz6WedCredit",
                                                  "cboWiz6ThuCredit", "cboWiz6FriCredit", "cboWiz6SatCredit"};
const std::array<const char*, 6> kPlanArrays = {"cmdWiz5MonPlan", "cmdWiz5TuePlan", "cmdWiz5WedPlan",
                                                "cmdWiz5ThuPlan", "cmdWiz5FriPlan", "cmdWiz5SatPlan"};
} // namespace

class PeriodLengthTest : public WizardTest {
protected:
    QComboBox* box(int weekday, int period)
    {
        return control<QComboBox>(
            Step::PeriodLengths,
            QStringLiteral("%1_%2").arg(QLatin1String(kCreditArrays[weekday])).arg(period));
    }
    QStringList shown(int weekday)
    {
        QStringList texts;
        for (int k = 0; k < 7; ++k)
            texts << box(weekday, k)->currentText();
        return texts;
    }
};

TEST_F(PeriodLengthTest, EveryGradeGetsItsOwnSuggestedRow)
{
    for (int grade = 1; grade <= 6; ++grade) {
        state.strTimeCredit = {};
        state.intGrade = static_cast<std::int16_t>(grade);
        wizard->show(Step::PeriodLengths);
        for (std::size_t d = 0; d < 6; ++d)
            EXPECT_EQ(state.strTimeCredit[d], defaultTimeCredit(grade)[d])
                << "grade " << grade << " day " << d;
        click(button(Step::PeriodLengths, QStringLiteral("cmdWiz6Next")));
        for (std::size_t d = 0; d < 6; ++d)
            EXPECT_EQ(state.strTimeCredit[d], defaultTimeCredit(grade)[d]);
        click(button(Step::Timetable, QStringLiteral("cmdWiz5Cancel")));
    }
    // Grade 6, as the start-up model lists it.
    EXPECT_EQ(state.strTimeCredit[0], QStringLiteral("1333330"));
    EXPECT_EQ(state.strTimeCredit[5], QStringLiteral("0330000"));
}

TEST_F(PeriodLengthTest, StringsShowAsTheirEntries)
{
    state.intGrade = 3;
    state.strTimeCredit = {QStringLiteral("1333320"), QStringLiteral("13333"),   QString(),
                           QStringLiteral("0123400"), QStringLiteral("4444444"), QStringLiteral("0330000")};
    wizard->show(Step::PeriodLengths);
    EXPECT_EQ(shown(0).join(u','), QStringLiteral("１５分,４５分,４５分,４５分,４５分,３０分,なし"));
    EXPECT_EQ(shown(1).mid(5).join(u','), QStringLiteral("なし,なし")) << "a short string ends in なし";
    EXPECT_EQ(shown(2).join(u','), QStringLiteral("なし,なし,なし,なし,なし,なし,なし"));
    EXPECT_EQ(shown(3).join(u','), QStringLiteral("なし,１５分,３０分,４５分,６０分,なし,なし"));
    EXPECT_EQ(box(0, 0)->count(), 5);
    EXPECT_EQ(box(0, 0)->itemText(4), QStringLiteral("６０分"));

    click(button(Step::PeriodLengths, QStringLiteral("cmdWiz6Next")));
    EXPECT_EQ(state.strTimeCredit[1], QStringLiteral("1333300"));
    EXPECT_EQ(state.strTimeCredit[2], QStringLiteral("0000000"));
    EXPECT_EQ(state.strTimeCredit[3], QStringLiteral("0123400"));
}

TEST_F(PeriodLengthTest, NoGradeShowsNothingAndStoresNoPeriods)
{
    state.intGrade = 0;
    wizard->show(Step::PeriodLengths);
    for (int d = 0; d < 6; ++d)
        EXPECT_EQ(shown(d).join(u','), QStringLiteral("なし,なし,なし,なし,なし,なし,なし"));
    click(button(Step::PeriodLengths, QStringLiteral("cmdWiz6Next")));
    for (std::size_t d = 0; d < 6; ++d)
        EXPECT_EQ(state.strTimeCredit[d], QStringLiteral("0000000"));
    EXPECT_TRUE(state.strTimeCredit[6].isEmpty());
}

TEST_F(PeriodLengthTest, ADigitAboveFourFromAFileIsShownAndStoredAsSixtyMinutes)
{
    state.strTimeCredit = {QStringLiteral("1393330"), QStringLiteral("x333330"), QStringLiteral("1333330"),
                           QStringLiteral("0333330"), QStringLiteral("1333331"), QStringLiteral("0330000")};
    wizard->show(Step::PeriodLengths);
    EXPECT_EQ(box(0, 2)->currentText(), QStringLiteral("６０分"));
    EXPECT_EQ(box(1, 0)->currentText(), QStringLiteral("なし"));
    click(button(Step::PeriodLengths, QStringLiteral("cmdWiz6Before")));
    EXPECT_EQ(state.strTimeCredit[0], QStringLiteral("1343330"));
    EXPECT_EQ(state.strTimeCredit[1], QStringLiteral("0333330"));
}

TEST_F(PeriodLengthTest, AChangeIsStoredByBeforeButNotByBack)
{
    state.intGrade = 2;
    wizard->show(Step::PeriodLengths);
    choose(box(4, 6), 2);
    click(button(Step::PeriodLengths, QStringLiteral("cmdWiz6Cancel")));
    EXPECT_EQ(state.strTimeCredit[4], defaultTimeCredit(2)[4]);

    wizard->show(Step::PeriodLengths);
    EXPECT_EQ(box(4, 6)->currentText(), QStringLiteral("なし"))
        << "the page shows the state, not the leftover";
    choose(box(4, 6), 2);
    click(button(Step::PeriodLengths, QStringLiteral("cmdWiz6Before")));
    EXPECT_EQ(state.strTimeCredit[4], QStringLiteral("1333302"));
    // Once stored, a change of grade no longer brings the suggestion back.
    state.intGrade = 5;
    wizard->show(Step::PeriodLengths);
    EXPECT_EQ(state.strTimeCredit[4], QStringLiteral("1333302"));
}

TEST_F(PeriodLengthTest, EveryBoxIsNamedByItsPeriodAndGivesItsLengthAsValue)
{
    state.intGrade = 3;
    wizard->show(Step::PeriodLengths);
    const struct {
        int weekday, period;
        const char16_t* name;
    } cases[] = {{0, 1, u"月曜 1時限の長さ"}, {5, 0, u"土曜 0時限の長さ"}, {2, 6, u"水曜 6時限の長さ"}};
    for (const auto& c : cases) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box(c.weekday, c.period));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf16(c.name));
        EXPECT_EQ(a->text(QAccessible::Value), box(c.weekday, c.period)->currentText());
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(box(0, 1))->text(QAccessible::Value),
              QStringLiteral("４５分"));
}

// ---- Weekly timetable page ----------------------------------------------------------------------

class TimetableTest : public WizardTest {
protected:
    void SetUp() override
    {
        state.intGrade = 1;
        state.strTimeCredit = {QStringLiteral("1333320"), QStringLiteral("1333300"),
                               QStringLiteral("1333330"), QStringLiteral("0333300"),
                               QStringLiteral("1343300"), QStringLiteral("0330000")};
        wizard->show(Step::Timetable);
    }
    QPushButton* period(int weekday, int k)
    {
        return button(Step::Timetable,
                      QStringLiteral("%1_%2").arg(QLatin1String(kPlanArrays[weekday])).arg(k));
    }
    void pick(int paletteIndex)
    {
        QPushButton* b = button(Step::Timetable, QStringLiteral("cmdWiz5Subject_%1").arg(paletteIndex));
        QTest::mousePress(b, Qt::LeftButton);
        QTest::mouseRelease(b, Qt::LeftButton);
    }
    QString weekTime(int i)
    {
        return control<QLabel>(Step::Timetable, QStringLiteral("lblWiz5WeekTime_%1").arg(i))->text();
    }
    RivoDayTime& day(int weekday) // 0 = Monday
    {
        RivoDayTime* d = state.objWeekTimetable->objFirstDay;
        for (int i = 0; i < weekday; ++i)
            d = d->objNextDay.get();
        return *d;
    }
};

TEST_F(TimetableTest, ANewPlanShowsAnEmptyGridAndNoHours)
{
    for (int d = 0; d < 6; ++d)
        for (int k = 0; k < 7; ++k)
            EXPECT_TRUE(period(d, k)->text().isEmpty());
    for (int i = 0; i < 13; ++i)
        EXPECT_TRUE(weekTime(i).endsWith(QStringLiteral("0.0 時間"))) << weekTime(i).toStdString();
    EXPECT_EQ(weekTime(12), QStringLiteral("クラブ　0.0 時間"));
    EXPECT_EQ(button(Step::Timetable, QStringLiteral("cmdWiz5Subject_0"))->text(), QStringLiteral("総合"));
    EXPECT_EQ(button(Step::Timetable, QStringLiteral("cmdWiz5Subject_12"))->text(), QStringLiteral("クラブ"));
}

TEST_F(TimetableTest, PeriodsOfLengthZeroAreHidden)
{
    EXPECT_FALSE(period(0, 6)->isVisible());
    EXPECT_TRUE(period(0, 5)->isVisible());
    EXPECT_FALSE(period(3, 0)->isVisible());
    EXPECT_FALSE(period(5, 3)->isVisible());
    EXPECT_TRUE(period(5, 2)->isVisible());
}

TEST_F(TimetableTest, StampingTheSameSubjectTwiceSetsThenClearsIt)
{
    pick(1); // 国語
    click(period(0, 1));
    EXPECT_EQ(period(0, 1)->text(), QStringLiteral("国語"));
    EXPECT_EQ(day(0).strSubject, QStringLiteral("　国　　　　　"));
    EXPECT_EQ(period(0, 1)->accessibleName(), QStringLiteral("月曜 1時限 国語"));
    click(period(0, 1));
    EXPECT_TRUE(period(0, 1)->text().isEmpty());
    EXPECT_EQ(day(0).strSubject, QStringLiteral("　　　　　　　"));

    click(period(0, 2));
    pick(3); // 算数 replaces 国語
    click(period(0, 2));
    EXPECT_EQ(period(0, 2)->text(), QStringLiteral("算数"));
    EXPECT_EQ(day(0).strSubject, QStringLiteral("　　算　　　　"));
}

TEST_F(TimetableTest, AClickBeforeAnySubjectWasPickedClearsThePeriod)
{
    day(2).strSubject = QStringLiteral("　国算理社音　");
    wizard->show(Step::Timetable);
    ASSERT_EQ(period(2, 3)->text(), QStringLiteral("理科"));
    click(period(2, 3));
    EXPECT_TRUE(period(2, 3)->text().isEmpty());
    EXPECT_EQ(day(2).strSubject, QStringLiteral("　国算　社音　"));
}

TEST_F(TimetableTest, EveryStoredDayHasSevenCharacters)
{
    pick(9); // 体育
    for (int d = 0; d < 6; ++d) {
        for (int k = 0; k < 7; ++k) {
            if (!period(d, k)->isVisible())
                continue;
            click(period(d, k));
            ASSERT_EQ(day(d).strSubject.size(), 7);
        }
    }
    EXPECT_EQ(day(5).strSubject, QStringLiteral("　体体　　　　"));
}

TEST_F(TimetableTest, WeeklyHoursFollowThePeriodLengths)
{
    pick(1); // 国語 in five 45-minute periods
    for (int d = 0; d < 5; ++d)
        click(period(d, 1));
    EXPECT_EQ(weekTime(1), QStringLiteral("国語　　5.0 時間"));
    pick(9); // 体育 in Friday's 60-minute period 2 and Monday's 15-minute period 0
    click(period(4, 2));
    EXPECT_EQ(weekTime(9), QStringLiteral("体育　　1.1 時間"));
    click(period(0, 0));
    EXPECT_EQ(weekTime(9), QStringLiteral("体育　　1.2 時間"));
    EXPECT_EQ(state.objWeekTimetable->taiiku, 5);
    EXPECT_EQ(state.objWeekTimetable->kokugo, 15);
}

TEST_F(TimetableTest, AHiddenPeriodKeepsItsStoredSubject)
{
    // Period 6 of Monday has no length but the file's string holds a subject there.
    day(0).strSubject = QStringLiteral("　国算理社音図");
    wizard->show(Step::Timetable);
    ASSERT_FALSE(period(0, 6)->isVisible());
    pick(11);
    click(period(0, 1));
    EXPECT_EQ(day(0).strSubject, QStringLiteral("　学算理社音図"));
    EXPECT_EQ(weekTime(7), QStringLiteral("図工　　0.0 時間")) << "a period without length counts nothing";

    // A period set to "なし" on the previous page is hidden at the next showing.
    click(button(Step::Timetable, QStringLiteral("cmdWiz5Before")));
    choose(control<QComboBox>(Step::PeriodLengths, QStringLiteral("cboWiz6MonCredit_1")), 0);
    click(button(Step::PeriodLengths, QStringLiteral("cmdWiz6Next")));
    EXPECT_FALSE(period(0, 1)->isVisible());
    EXPECT_TRUE(period(0, 2)->isVisible());
}

TEST_F(TimetableTest, InitialsOffThePaletteAreShownByNameAndKept)
{
    day(2).strSubject = QStringLiteral("　児行切予国x");
    wizard->show(Step::Timetable);
    EXPECT_EQ(period(2, 1)->text(), QStringLiteral("児童会"));
    EXPECT_EQ(period(2, 2)->text(), QStringLiteral("行事"));
    EXPECT_EQ(period(2, 3)->text(), QStringLiteral("打切り"));
    EXPECT_EQ(period(2, 4)->text(), QStringLiteral("予備"));
    EXPECT_TRUE(period(2, 4)->icon().isNull());
    EXPECT_FALSE(period(2, 5)->icon().isNull()) << "国語 has its palette picture";
    pick(2);
    click(period(2, 5));
    EXPECT_EQ(day(2).strSubject, QStringLiteral("　児行切予社x"));
    click(period(2, 1));
    EXPECT_EQ(day(2).strSubject, QStringLiteral("　社行切予社x"));
}

TEST_F(TimetableTest, TheCurrentSubjectIsShownAndSurvivesAnotherShowing)
{
    auto* current = control<QLabel>(Step::Timetable, QStringLiteral("imgWiz5Subject"));
    auto* grid = control<QGroupBox>(Step::Timetable, QStringLiteral("fraWiz5WeekPlan"));
    EXPECT_FALSE(grid->testAttribute(Qt::WA_SetCursor));
    pick(6);
    EXPECT_EQ(current->accessibleName(), QStringLiteral("選択中の教科 音楽"));
    EXPECT_FALSE(current->pixmap().isNull());
    EXPECT_TRUE(grid->testAttribute(Qt::WA_SetCursor))
        << "the subject's picture is the pointer over the grid";
    click(button(Step::Timetable, QStringLiteral("cmdWiz5Cancel")));
    wizard->show(Step::Timetable);
    click(period(2, 4));
    EXPECT_EQ(period(2, 4)->text(), QStringLiteral("音楽"));
}

TEST_F(TimetableTest, LengthsNotSetYetHideNoPeriod)
{
    // Opened from the menu before the period-length page: every period can still be planned.
    state.strTimeCredit = {};
    state.strTimeCredit[0] = QStringLiteral("13333"); // a short string from a file
    wizard->show(Step::Timetable);
    for (int d = 0; d < 6; ++d)
        for (int k = 0; k < 7; ++k)
            EXPECT_TRUE(period(d, k)->isVisible()) << d << " " << k;
}

TEST_F(TimetableTest, AnyMouseButtonPicksASubject)
{
    QPushButton* kokugo = button(Step::Timetable, QStringLiteral("cmdWiz5Subject_1"));
    QTest::mousePress(kokugo, Qt::RightButton);
    QTest::mouseRelease(kokugo, Qt::RightButton);
    click(period(0, 1));
    EXPECT_EQ(period(0, 1)->text(), QStringLiteral("国語"));
}

TEST_F(TimetableTest, EnterPicksTheFocusedSubjectAndStampsTheFocusedPeriod)
{
    QTest::keyClick(button(Step::Timetable, QStringLiteral("cmdWiz5Subject_3")), Qt::Key_Return); // 算数
    QTest::keyClick(period(1, 2), Qt::Key_Return);
    EXPECT_EQ(period(1, 2)->text(), QStringLiteral("算数"));
    EXPECT_EQ(day(1).strSubject, QStringLiteral("　　算　　　　"));
    QTest::keyClick(period(1, 2), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(day(1).strSubject, QStringLiteral("　　　　　　　")) << "the same subject again takes it off";
}
