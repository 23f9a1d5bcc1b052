// The class page: what it shows of the state and when and how it stores its boxes.
#include "wizardfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
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

// A screen reader hears what each box is by its name and what it holds by its value; the labels
// after the grade and class boxes are theirs.
TEST_F(ClassPageTest, EveryBoxKeepsItsNameAndGivesItsContentsAsValue)
{
    state.intYear = 2001;
    state.intGrade = 3;
    state.strClass = QStringLiteral("2");
    state.strTeacher = QStringLiteral("山田花子");
    const ClassPage page = open();
    const struct {
        QWidget* box;
        const char16_t* name;
        const char16_t* value;
        const char16_t* label;
    } cases[] = {
        {page.year, u"年度", u"平成13年度", u"年度"},
        {page.grade, u"学年", u"3", u"学年"},
        {page.group, u"組", u"2", u"組"},
        {page.teacher, u"担任", u"山田花子", u"担任"},
    };
    for (const auto& c : cases) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c.box);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf16(c.name));
        EXPECT_EQ(a->text(QAccessible::Value), QString::fromUtf16(c.value))
            << c.box->objectName().toStdString();
        const auto labels = a->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << c.box->objectName().toStdString();
        EXPECT_EQ(labels.first().first->text(QAccessible::Name), QString::fromUtf16(c.label));
    }
}

// The class and the teacher take only what the plan file can hold: look-alikes are mapped as they
// are typed, other characters stay out and a note beside the box names them.
TEST_F(ClassPageTest, ClassAndTeacherTakeOnlyWhatThePlanFileCanHold)
{
    const ClassPage page = open();
    QApplication::setActiveWindow(page.teacher->window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.teacher->window()));
    QLabel* teacherNote = control<QLabel>(Step::Class, QStringLiteral("lblWiz1TeacherNote"));
    QLabel* classNote = control<QLabel>(Step::Class, QStringLiteral("lblWiz1ClassNote"));
    EXPECT_FALSE(teacherNote->isVisible());

    page.teacher->setFocus();
    type(page.teacher, QStringLiteral("山田〜𠮷🎒花子"));
    EXPECT_EQ(page.teacher->text(), QStringLiteral("山田～花子"));
    ASSERT_TRUE(teacherNote->isVisible());
    EXPECT_EQ(teacherNote->text(),
              QStringLiteral(
                  "「𠮷」（U+20BB7）「🎒」（U+1F392）は計画ファイルに保存できない文字なので入力できません。"));
    EXPECT_FALSE(classNote->isVisible());

    page.group->lineEdit()->setFocus();
    type(page.group->lineEdit(), QStringLiteral("さくら🌸"));
    EXPECT_EQ(page.group->currentText(), QStringLiteral("さくら"));
    EXPECT_TRUE(classNote->isVisible());
    EXPECT_TRUE(classNote->text().contains(QStringLiteral("🌸")));
    EXPECT_FALSE(teacherNote->isVisible()) << "the note goes when its box is left";

    click(page.next);
    EXPECT_EQ(state.strTeacher, QStringLiteral("山田～花子"));
    EXPECT_EQ(state.strClass, QStringLiteral("さくら"));
    EXPECT_TRUE(dialogs.calls().isEmpty());
}
