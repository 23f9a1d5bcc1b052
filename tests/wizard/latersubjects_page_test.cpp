// The annual plan and weekly timetable pages of a plan with the later subjects: their rows and
// palette, the standard hours beside the base hours, and the button that fills them.
#include "wizardfixture.h"

#include "platform/grid.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

using Step = Wizard::Step;

namespace {
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
} // namespace

class LaterSubjectsPages : public WizardTest {
protected:
    void open(Step step)
    {
        wizard->show(step);
        QWidget* page = wizard->page(step);
        QApplication::setActiveWindow(page);
        ASSERT_TRUE(QTest::qWaitForWindowActive(page));
    }
    QLineEdit* base(int r)
    {
        return control<QLineEdit>(Step::AnnualPlan, QStringLiteral("txtWiz4YearBase_%1").arg(r));
    }
    QLineEdit* plan(int i)
    {
        return control<QLineEdit>(Step::AnnualPlan, QStringLiteral("txtWiz4YearPlan_%1").arg(i));
    }
    Grid* grid(const char* name) { return control<Grid>(Step::AnnualPlan, QLatin1String(name)); }
};

TEST_F(LaterSubjectsPages, AnnualPlanOf2024ShowsTheStandardAndFillsTheBaseOnRequest)
{
    setUpYear(2024);
    state.intGrade = 5;
    open(Step::AnnualPlan);

    // Nineteen rows: 外国語 after 体育, 外国語活動 after 道徳.
    Grid* projection = grid("gridWiz4YearPlan");
    ASSERT_EQ(projection->rows(), 21);
    EXPECT_EQ(projection->textMatrix(10, 0), QStringLiteral("外国語"));
    EXPECT_EQ(projection->textMatrix(13, 0), QStringLiteral("外国語活動"));
    EXPECT_EQ(projection->textMatrix(20, 0), QStringLiteral("計"));
    EXPECT_TRUE(base(18)->isVisible());
    EXPECT_EQ(base(9)->accessibleName(), QStringLiteral("外国語 基本時数"));

    // The standard beside the base hours; nothing is filled on its own.
    Grid* standard = grid("gridWiz4Standard");
    EXPECT_EQ(standard->textMatrix(1, 0), QStringLiteral("175.0"));   // 国語
    EXPECT_EQ(standard->textMatrix(10, 0), QStringLiteral("70.0"));   // 外国語
    EXPECT_EQ(standard->textMatrix(13, 0), QString());                // 外国語活動: none in grade 5
    EXPECT_EQ(standard->textMatrix(20, 0), QStringLiteral("1015.0")); // total
    EXPECT_EQ(base(0)->text(), QStringLiteral("0.0"));
    EXPECT_EQ(state.objYearBase->kokugo, 0);
    Grid* check = grid("gridWiz4StandardCheck");
    EXPECT_EQ(check->textMatrix(10, 0), QStringLiteral("-70.0"));
    EXPECT_EQ(check->cellForeColor(10, 0), kRed);

    click(button(Step::AnnualPlan, QStringLiteral("cmdWiz4Standard")));
    EXPECT_EQ(base(0)->text(), QStringLiteral("175.0"));
    EXPECT_EQ(base(9)->text(), QStringLiteral("70.0"));
    EXPECT_EQ(base(4)->text(), QStringLiteral("0.0")); // 生活
    EXPECT_EQ(state.objYearBase->gaikokugo, 210);
    EXPECT_EQ(state.objYearBase->SouJisuu, 3045);

    // A plan of 25 hours of 外国語 a term: 75 against 70, an excess of 5 in blue.
    for (int t = 0; t < 3; ++t)
        plan(3 * 9 + t)->setText(QStringLiteral("25"));
    plan(0)->setFocus();
    EXPECT_EQ(state.objYearPlan->gaikokugo, 225);
    EXPECT_EQ(check->textMatrix(10, 0), QStringLiteral("5.0"));
    EXPECT_EQ(check->cellForeColor(10, 0), kBlue);
    const QString surplus = control<QLabel>(Step::AnnualPlan, QStringLiteral("lblWiz4Surplus"))->text();
    EXPECT_TRUE(surplus.contains(QStringLiteral("標準に足りない時数"))) << surplus.toStdString();
}

TEST_F(LaterSubjectsPages, AnnualPlanOf2005HasNoStandard)
{
    setUpYear(2005);
    state.intGrade = 5;
    open(Step::AnnualPlan);
    EXPECT_EQ(grid("gridWiz4YearPlan")->rows(), 19);
    EXPECT_FALSE(grid("gridWiz4Standard")->isVisible());
    EXPECT_FALSE(button(Step::AnnualPlan, QStringLiteral("cmdWiz4Standard"))->isVisible());
    EXPECT_FALSE(base(17)->isVisible());
}

TEST_F(LaterSubjectsPages, TimetablePaletteOf2024StampsTheForeignLanguage)
{
    setUpYear(2024);
    state.intGrade = 5;
    state.strTimeCredit[0] = QStringLiteral("1333330"); // Monday: period 1 lasts 45 minutes
    open(Step::Timetable);
    // Palette "総国社算理生音図家体外道英学ク": 外国語 is button 10.
    QPushButton* gaikokugo = button(Step::Timetable, QStringLiteral("cmdWiz5Subject_10"));
    EXPECT_EQ(gaikokugo->text(), QStringLiteral("外国語"));
    EXPECT_EQ(button(Step::Timetable, QStringLiteral("cmdWiz5Subject_12"))->text(),
              QStringLiteral("外国語活動"));
    click(gaikokugo);
    click(button(Step::Timetable, QStringLiteral("cmdWiz5MonPlan_1")));
    EXPECT_EQ(state.objWeekTimetable->objFirstDay->strSubject.mid(1, 1), QStringLiteral("外"));
    EXPECT_EQ(state.objWeekTimetable->gaikokugo, 3);
    const QString label = control<QLabel>(Step::Timetable, QStringLiteral("lblWiz5WeekTime_10"))->text();
    EXPECT_EQ(label, QStringLiteral("外国語　1.0 時間"));
    // The five-character name keeps a space before its hours too.
    EXPECT_EQ(control<QLabel>(Step::Timetable, QStringLiteral("lblWiz5WeekTime_12"))->text(),
              QStringLiteral("外国語活動　0.0 時間"));
}
