// The class page: what it shows of the state and when and how it stores its boxes.
#include "wizardfixture.h"

#include <QLineEdit>

using Step = Wizard::Step;

namespace {
struct ClassPage {
    QComboBox* year;
    QComboBox* grade;
    QComboBox* group;
    QLineEdit* teacher;
    QPushButton* next;
};
} // namespace

class ClassPageTest : public WizardTest {
protected:
    ClassPage open()
    {
        wizard->show(Step::Class);
        return {control<QComboBox>(Step::Class, QStringLiteral("cboWiz1Year")),
                control<QComboBox>(Step::Class, QStringLiteral("cboWiz1Class_0")),
                control<QComboBox>(Step::Class, QStringLiteral("cboWiz1Class_1")),
                control<QLineEdit>(Step::Class, QStringLiteral("txtWiz1Teacher")),
                button(Step::Class, QStringLiteral("cmdWiz1Next"))};
    }
};

TEST_F(ClassPageTest, YearListOffersHeiseiTwelveToReiwaTwelve)
{
    const ClassPage page = open();
    ASSERT_EQ(page.year->count(), 31);
    EXPECT_EQ(page.year->itemText(0), QStringLiteral("平成12年度"));
    EXPECT_EQ(page.year->itemText(10), QStringLiteral("平成22年度"));
    EXPECT_EQ(page.year->itemText(18), QStringLiteral("平成30年度"));
    EXPECT_EQ(page.year->itemText(19), QStringLiteral("令和元年度"));
    EXPECT_EQ(page.year->itemText(20), QStringLiteral("令和2年度"));
    EXPECT_EQ(page.year->itemText(30), QStringLiteral("令和12年度"));
    EXPECT_EQ(page.grade->count(), 6);
    EXPECT_EQ(page.group->count(), 12);
    EXPECT_EQ(page.year->currentIndex(), -1) << "a new plan has no year chosen";
}

TEST_F(ClassPageTest, ChosenYearEntryStoresItsSchoolYear)
{
    const struct {
        int entry;
        int year;
    } cases[] = {{0, 2000}, {1, 2001}, {10, 2010}, {19, 2019}, {26, 2026}, {30, 2030}};
    for (const auto& c : cases) {
        const ClassPage page = open();
        state.boolCalendarShown = true;
        choose(page.year, c.entry);
        EXPECT_EQ(state.intYear, c.year);
        EXPECT_FALSE(state.boolCalendarShown) << "a chosen year moves the main calendar";
        click(button(Step::Class, QStringLiteral("cmdWiz1Cancel")));
    }
}

TEST_F(ClassPageTest, WithoutAChosenYearTheCalendarYearOfTodayIsStored)
{
    // In January the calendar year is the one after the running school year.
    for (const QDate today : {QDate(2003, 6, 1), QDate(2004, 1, 15)}) {
        clock.set(today.startOfDay());
        state.intYear = 0;
        const ClassPage page = open();
        click(page.next);
        EXPECT_EQ(state.intYear, today.year());
        click(button(Step::HolidayRules, QStringLiteral("cmdWiz2Cancel")));
    }
}

TEST_F(ClassPageTest, AYearOutsideTheListShowsNoEntryAndStoresToday)
{
    clock.set(QDate(2032, 4, 20).startOfDay());
    state.intYear = 2032;
    const ClassPage page = open();
    EXPECT_EQ(page.year->currentIndex(), -1);
    click(page.next);
    EXPECT_EQ(state.intYear, 2032);
}

TEST_F(ClassPageTest, GradeOrClassChoiceStoresButKeepsTheCalendarFlag)
{
    state.intYear = 2001;
    const ClassPage page = open();
    state.boolCalendarShown = true;
    choose(page.grade, 2);
    EXPECT_EQ(state.intGrade, 3);
    choose(page.group, 11);
    EXPECT_EQ(state.strClass, QStringLiteral("12"));
    EXPECT_TRUE(state.boolCalendarShown);
    EXPECT_EQ(state.intYear, 2001);
}

TEST_F(ClassPageTest, GradeDefaultsToOneAndClassKeepsItsOldTextWhenEmpty)
{
    state.strClass = QStringLiteral("2");
    state.strTeacher = QStringLiteral("佐藤");
    const ClassPage page = open();
    EXPECT_EQ(page.grade->currentIndex(), -1);
    page.group->setEditText(QString());
    page.teacher->clear();
    click(page.next);
    EXPECT_EQ(state.intGrade, 1);
    EXPECT_EQ(state.strClass, QStringLiteral("2")) << "an empty class box keeps the class";
    EXPECT_TRUE(state.strTeacher.isEmpty()) << "an empty teacher box clears the teacher";
}

TEST_F(ClassPageTest, TypedClassNameAndTeacherAreStoredOnBefore)
{
    const ClassPage page = open();
    page.group->setFocus();
    page.group->lineEdit()->selectAll();
    type(page.group->lineEdit(), QStringLiteral("ひまわり"));
    page.teacher->setFocus();
    type(page.teacher, QStringLiteral("鈴木 花子"));
    click(button(Step::Class, QStringLiteral("cmdWiz1Before")));
    EXPECT_EQ(state.strClass, QStringLiteral("ひまわり"));
    EXPECT_EQ(state.strTeacher, QStringLiteral("鈴木 花子"));
    EXPECT_TRUE(wizard->page(Step::Start)->isVisible());
}

TEST_F(ClassPageTest, AClickIntoTheTeacherBoxStoresThePage)
{
    const ClassPage page = open();
    page.group->setEditText(QStringLiteral("3"));
    ASSERT_TRUE(state.strClass.isEmpty());
    click(page.teacher);
    EXPECT_EQ(state.strClass, QStringLiteral("3"));
    EXPECT_EQ(state.intGrade, 1);
}

TEST_F(ClassPageTest, LineBreaksPastedIntoTheTeacherBoxAreTakenOut)
{
    const ClassPage page = open();
    page.teacher->setFocus();
    type(page.teacher, QStringLiteral("山田"));
    page.teacher->insert(QStringLiteral("\n太郎\r\n"));
    type(page.teacher, QStringLiteral("先生"));
    EXPECT_EQ(page.teacher->text(), QStringLiteral("山田太郎先生")) << "the box itself holds one line";
    click(page.next);
    EXPECT_EQ(state.strTeacher, QStringLiteral("山田太郎先生"));
}

TEST_F(ClassPageTest, ReopeningShowsTheStateNotTheLeftovers)
{
    ClassPage page = open();
    choose(page.year, 3);
    choose(page.grade, 5);
    click(button(Step::Class, QStringLiteral("cmdWiz1Cancel")));

    state.intYear = 2008;
    state.intGrade = 2;
    state.strClass = QStringLiteral("1");
    state.strTeacher = QStringLiteral("田中");
    page = open();
    EXPECT_EQ(page.year->currentText(), QStringLiteral("平成20年度"));
    EXPECT_EQ(page.grade->currentText(), QStringLiteral("2"));
    EXPECT_EQ(page.group->currentText(), QStringLiteral("1"));
    EXPECT_EQ(page.teacher->text(), QStringLiteral("田中"));
}
