// The annual plan page: boxes checked and stored as the focus moves, the keys that move it, the
// sums, the coloured differences and the projected hours beside them.
#include "wizardfixture.h"

#include "platform/grid.h"
#include "totals/projection.h"
#include "ui/wizard/yearplanboxes.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

using Step = Wizard::Step;

class AnnualPlanTest : public WizardTest {
protected:
    void open()
    {
        wizard->show(Step::AnnualPlan);
        QWidget* page = wizard->page(Step::AnnualPlan);
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
    QString sum(const char* name) { return control<QLabel>(Step::AnnualPlan, QLatin1String(name))->text(); }
    Grid* yearSum() { return control<Grid>(Step::AnnualPlan, QStringLiteral("gridWiz4YearSum")); }
    RivoSeasonTotal& term(int t) { return *state.objYearPlan->terms()[static_cast<std::size_t>(t)]; }

    // Puts a text into a box and moves on to another box, which stores the page.
    void put(QLineEdit* box, const QString& text, QLineEdit* next)
    {
        box->setFocus();
        box->setText(text);
        next->setFocus();
    }
    QWidget* focused() { return QApplication::focusWidget(); }
};

TEST_F(AnnualPlanTest, SumsShowStarsUntilTheFirstLoadingThenANewPlanShowsZeros)
{
    wizard->page(Step::AnnualPlan);
    EXPECT_EQ(sum("lblWiz4BaseSum"), QStringLiteral("***"));
    EXPECT_EQ(sum("lblWiz4Sum_2"), QStringLiteral("***"));
    EXPECT_EQ(base(0)->text(), QStringLiteral("0"));
    open();
    for (int r = 0; r < 17; ++r)
        EXPECT_EQ(base(r)->text(), QStringLiteral("0.0"));
    for (int i = 0; i < 51; ++i)
        EXPECT_EQ(plan(i)->text(), QStringLiteral("0.0"));
    for (const char* name : {"lblWiz4BaseSum", "lblWiz4Sum_0", "lblWiz4Sum_1", "lblWiz4Sum_2"})
        EXPECT_EQ(sum(name), QStringLiteral("0.0")) << name;
    for (int row = 1; row <= 18; ++row) {
        EXPECT_EQ(yearSum()->textMatrix(row, 0), QStringLiteral("0.0"));
        EXPECT_EQ(yearSum()->textMatrix(row, 1), QStringLiteral("0.0"));
        EXPECT_EQ(yearSum()->cellForeColor(row, 1), QColor(Qt::black));
    }
    EXPECT_EQ(yearSum()->textMatrix(0, 1), QStringLiteral("増減"));
    EXPECT_EQ(state.objYearBase->kokugo, 0) << "the base hours are not prefilled";
}

TEST_F(AnnualPlanTest, BoxesAreCheckedAndStoredWhenTheFocusMoves)
{
    const struct {
        const char* typed;
        const char* shown;
        int units;
    } cases[] = {
        {"32.1", "32.1", 97}, {"32", "32", 96},  {"0.2", "0.2", 2}, {"32.5", "0", 0}, {"3.12", "0", 0},
        {"32.", "0", 0},      {".1", "0", 0},    {"1.a", "0", 0},   {"", "0", 0},     {"-1.1", "-1.1", -4},
        {"-.1", "0", 0},      {"1.0.1", "0", 0}, {" 7", " 7", 21},
    };
    open();
    for (const auto& c : cases) {
        put(base(0), QString::fromUtf8(c.typed), base(1));
        EXPECT_EQ(base(0)->text(), QLatin1String(c.shown)) << '"' << c.typed << '"';
        EXPECT_EQ(state.objYearBase->kokugo, c.units) << '"' << c.typed << '"';

        put(plan(4), QString::fromUtf8(c.typed), plan(5)); // row 1 (社会), term 2
        EXPECT_EQ(plan(4)->text(), QLatin1String(c.shown)) << '"' << c.typed << '"';
        EXPECT_EQ(term(1).syakai, c.units) << '"' << c.typed << '"';
        EXPECT_EQ(state.objYearPlan->syakai, c.units);
    }
}

TEST_F(AnnualPlanTest, TypedMinusValueIsStoredAndItsDifferenceIsRed)
{
    open();
    plan(6)->setFocus(); // row 2 (算数), term 1
    QTest::keyClicks(plan(6), QStringLiteral("-1.1"));
    EXPECT_EQ(plan(6)->text(), QStringLiteral("-1.1"));
    QTest::keyClick(plan(6), Qt::Key_Return);
    EXPECT_EQ(focused(), plan(7));
    EXPECT_EQ(term(0).sannsuu, -4);
    EXPECT_EQ(yearSum()->textMatrix(3, 0), QStringLiteral("-1.1"));
    EXPECT_EQ(yearSum()->textMatrix(3, 1), QStringLiteral("-1.1"));
    EXPECT_EQ(yearSum()->cellForeColor(3, 1), QColor(Qt::red));
    EXPECT_EQ(yearSum()->cellForeColor(18, 1), QColor(Qt::red));
    EXPECT_EQ(sum("lblWiz4Sum_0"), QStringLiteral("-1.1"));
}

TEST_F(AnnualPlanTest, DifferencesAgainstTheBaseAreColoured)
{
    open();
    put(base(0), QStringLiteral("105"), plan(0));
    for (int t = 0; t < 3; ++t)
        put(plan(t), QStringLiteral("35.0"), plan((t + 1) % 3));
    EXPECT_EQ(yearSum()->textMatrix(1, 0), QStringLiteral("105.0"));
    EXPECT_EQ(yearSum()->textMatrix(1, 1), QStringLiteral("0.0"));
    EXPECT_EQ(yearSum()->cellForeColor(1, 1), QColor(Qt::black));
    EXPECT_EQ(sum("lblWiz4BaseSum"), QStringLiteral("105.0"));

    put(plan(0), QStringLiteral("36"), plan(1));
    EXPECT_EQ(yearSum()->textMatrix(1, 0), QStringLiteral("106.0"));
    EXPECT_EQ(yearSum()->textMatrix(1, 1), QStringLiteral("1.0"));
    EXPECT_EQ(yearSum()->cellForeColor(1, 1), QColor(Qt::blue));
    EXPECT_EQ(yearSum()->textMatrix(18, 0), QStringLiteral("106.0"));
    EXPECT_EQ(yearSum()->cellForeColor(18, 1), QColor(Qt::blue));
    EXPECT_EQ(state.objYearPlan->kokugo, 318);
    EXPECT_EQ(state.objYearPlan->KyoukaSyoukei, 318);
    EXPECT_EQ(state.objYearPlan->SouJisuu, 318);
    EXPECT_EQ(term(0).SouJisuu, 108);
    EXPECT_EQ(sum("lblWiz4Sum_0"), QStringLiteral("36.0"));
    EXPECT_EQ(sum("lblWiz4Sum_1"), QStringLiteral("35.0"));
}

TEST_F(AnnualPlanTest, ArrowKeysAndEnterMoveTheFocusAndWrap)
{
    open();
    const struct {
        QLineEdit* from;
        Qt::Key key;
        QLineEdit* to;
    } moves[] = {
        {plan(1), Qt::Key_Up, plan(49)},    {plan(49), Qt::Key_Down, plan(1)},
        {plan(0), Qt::Key_Left, plan(50)},  {plan(50), Qt::Key_Right, plan(0)},
        {plan(50), Qt::Key_Enter, plan(0)}, {plan(25), Qt::Key_Down, plan(28)},
        {base(16), Qt::Key_Right, base(0)}, {base(16), Qt::Key_Return, base(0)},
        {base(0), Qt::Key_Up, base(16)},    {base(5), Qt::Key_Left, base(4)},
        {base(5), Qt::Key_Down, base(6)},
    };
    for (const auto& m : moves) {
        m.from->setFocus();
        QTest::keyClick(m.from, m.key);
        EXPECT_EQ(focused(), m.to) << m.from->objectName().toStdString() << " key " << m.key;
    }
}

TEST_F(AnnualPlanTest, EveryFocusMoveSelectsTheWholeTextAndStores)
{
    open();
    put(base(3), QStringLiteral("12"), base(4));
    base(4)->setText(QStringLiteral("7.2"));
    QTest::keyClick(base(4), Qt::Key_Up);
    EXPECT_EQ(state.objYearBase->seikatsu, 23) << "the move stored the box it left";
    EXPECT_EQ(base(3)->selectedText(), QStringLiteral("12"));
    QTest::mouseClick(plan(10), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(focused(), plan(10));
    EXPECT_EQ(plan(10)->selectedText(), plan(10)->text()) << "a click selects the whole value too";
}

TEST_F(AnnualPlanTest, KeysOutsideDigitsAndTheDotResetTheBox)
{
    open();
    const struct {
        Qt::Key key;
        const char* after;
    } keys[] = {{Qt::Key_Backspace, ""}, {Qt::Key_Delete, ""}, {Qt::Key_A, "a"}, {Qt::Key_Minus, "-"}};
    for (const auto& k : keys) {
        base(2)->setFocus();
        base(2)->setText(QStringLiteral("12"));
        base(2)->end(false);
        QTest::keyClick(base(2), k.key);
        EXPECT_EQ(base(2)->text(), QLatin1String(k.after)) << "key " << k.key;
        base(3)->setFocus();
        EXPECT_EQ(base(2)->text(), QStringLiteral("0"));
        EXPECT_EQ(state.objYearBase->sannsuu, 0);
    }
    base(2)->setFocus();
    base(2)->end(false);
    QTest::keyClicks(base(2), QStringLiteral("5.1"));
    QTest::keyClick(base(2), Qt::Key_Shift);
    EXPECT_EQ(base(2)->text(), QStringLiteral("05.1")) << "digits, the dot and a lone Shift type as usual";
}

TEST_F(AnnualPlanTest, AValueStillBeingTypedIsNotStoredByTheButtons)
{
    open();
    put(base(0), QStringLiteral("100"), base(1));
    base(0)->setFocus();
    QTest::keyClicks(base(0), QStringLiteral("12"));
    click(button(Step::AnnualPlan, QStringLiteral("cmdWiz4End")));
    EXPECT_EQ(state.objYearBase->kokugo, 300);
    EXPECT_FALSE(wizard->page(Step::AnnualPlan)->isVisible());
    EXPECT_EQ(mainActivations, 1);

    open();
    EXPECT_EQ(base(0)->text(), QStringLiteral("100.0")) << "the next loading shows the stored value";
    plan(9)->setFocus();
    QTest::keyClicks(plan(9), QStringLiteral("8"));
    click(button(Step::AnnualPlan, QStringLiteral("cmdWiz4Before")));
    EXPECT_EQ(term(0).rika, 0);
    EXPECT_TRUE(wizard->page(Step::Timetable)->isVisible());
}

TEST_F(AnnualPlanTest, AValueThatWouldOverflowASumIsResetLikeAnInvalidBox)
{
    open();
    put(base(0), QStringLiteral("10922.1"), base(1)); // 32767 units
    put(base(1), QStringLiteral("1"), base(2));
    EXPECT_EQ(base(0)->text(), QStringLiteral("10922.1"));
    EXPECT_EQ(base(1)->text(), QStringLiteral("0"));
    EXPECT_EQ(state.objYearBase->SouJisuu, 32767);

    // Plans of the year in every term: the year's sum is the first to leave the range.
    put(plan(0), QStringLiteral("10922.1"), plan(1));
    put(plan(1), QStringLiteral("0.1"), plan(2));
    EXPECT_EQ(plan(1)->text(), QStringLiteral("0"));
    EXPECT_EQ(state.objYearPlan->kokugo, 32767);
    EXPECT_EQ(yearSum()->textMatrix(1, 1), QStringLiteral("0.0"));
    EXPECT_TRUE(dialogs.calls().isEmpty()) << "the page shows no message";
}

TEST_F(AnnualPlanTest, TheLeftGridShowsTheProjectionOfTheWeeklyTimetable)
{
    setUpYear(2004, 0);
    state.strTimeCredit = {QStringLiteral("1333320"), QStringLiteral("1333330"), QStringLiteral("1333330"),
                           QStringLiteral("0333330"), QStringLiteral("1333331"), QStringLiteral("0330000")};
    const std::array<QString, 6> week = {QStringLiteral("　国算理社体　"), QStringLiteral("　国国算音図学"),
                                         QStringLiteral("　道算国理総　"), QStringLiteral("　国社算体ク　"),
                                         QStringLiteral("　国算社総家体"), QStringLiteral("　国算　　　　")};
    RivoDayTime* d = state.objWeekTimetable->objFirstDay;
    for (const QString& subjects : week) {
        d->strSubject = subjects;
        d = d->objNextDay.get();
    }
    open();
    const ProjectionTable expected = projectPlan(state);
    auto* grid = control<Grid>(Step::AnnualPlan, QStringLiteral("gridWiz4YearPlan"));
    ASSERT_EQ(grid->rows(), 19);
    ASSERT_EQ(grid->cols(), 5);
    EXPECT_EQ(grid->textMatrix(1, 0), QStringLiteral("国語"));
    EXPECT_EQ(grid->textMatrix(13, 0), QStringLiteral("ｸﾗﾌﾞ"));
    EXPECT_EQ(grid->textMatrix(18, 0), QStringLiteral("計"));
    EXPECT_TRUE(grid->isCellCentered(0, 3));
    EXPECT_TRUE(grid->isCellCentered(5, 0));
    for (int r = 0; r < 18; ++r)
        for (int t = 0; t < 4; ++t)
            EXPECT_EQ(grid->textMatrix(r + 1, t + 1),
                      UnitsToText(expected[static_cast<std::size_t>(r)][static_cast<std::size_t>(t)]))
                << "row " << r + 1 << " column " << t + 1;
    EXPECT_GT(expected[0][3], 0);
    for (int c = 1; c < 5; ++c)
        EXPECT_EQ(grid->colWidthTwips(c), grid->colWidthTwips(0));
}

TEST_F(AnnualPlanTest, LoadingShowsTheStoredPlanOfEachTerm)
{
    state.objYearBase->doutoku = 105;
    term(0).doutoku = 33;
    term(1).doutoku = 40;
    term(2).yobi = 7;
    open();
    EXPECT_EQ(base(10)->text(), QStringLiteral("35.0"));
    EXPECT_EQ(plan(30)->text(), QStringLiteral("11.0"));
    EXPECT_EQ(plan(31)->text(), QStringLiteral("13.1"));
    EXPECT_EQ(plan(50)->text(), QStringLiteral("2.1"));
    EXPECT_EQ(state.objYearPlan->doutoku, 73) << "loading stores the page once";
    EXPECT_EQ(yearSum()->textMatrix(11, 1), QStringLiteral("-10.2"));
    EXPECT_EQ(yearSum()->textMatrix(17, 0), QStringLiteral("2.1"));
}

// Arriving from the timetable page by keyboard, the page is walked to 完了 with Tab, Enter and
// typing alone; its read-only grids never keep the focus.
TEST_F(AnnualPlanTest, KeyboardAloneWalksFromArrivalToFinish)
{
    wizard->show(Step::Timetable);
    QWidget* timetable = wizard->page(Step::Timetable);
    QApplication::setActiveWindow(timetable);
    ASSERT_TRUE(QTest::qWaitForWindowActive(timetable));
    QTest::keyClick(focused(), Qt::Key_Return); // 次へ has the focus
    QWidget* page = wizard->page(Step::AnnualPlan);
    ASSERT_TRUE(page->isVisible());
    QApplication::setActiveWindow(page);
    ASSERT_TRUE(QTest::qWaitForWindowActive(page));
    ASSERT_EQ(focused(), base(0)) << "the first focus is the first base box";

    const auto key = [this](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(focused(), k, m);
    };
    QTest::keyClicks(focused(), QStringLiteral("105"));
    for (int r = 1; r < 17; ++r)
        key(Qt::Key_Tab);
    ASSERT_EQ(focused(), base(16));
    key(Qt::Key_Tab);
    ASSERT_EQ(focused(), plan(0)) << "the base column is followed by the plans";
    for (int t = 0; t < 3; ++t) {
        QTest::keyClicks(focused(), QStringLiteral("35"));
        key(Qt::Key_Return);
    }
    ASSERT_EQ(focused(), plan(3));

    // From the last plan box on to 完了; a grid on the way is left by the next Tab.
    plan(50)->setFocus(Qt::TabFocusReason);
    QWidget* end = button(Step::AnnualPlan, QStringLiteral("cmdWiz4End"));
    QWidget* previous = focused();
    for (int n = 0; n < 6 && focused() != end; ++n) {
        key(Qt::Key_Tab);
        ASSERT_NE(focused(), previous) << "Tab stayed in " << previous->objectName().toStdString();
        previous = focused();
    }
    ASSERT_EQ(focused(), end);
    key(Qt::Key_Return);
    EXPECT_FALSE(page->isVisible());
    EXPECT_EQ(state.objYearBase->kokugo, 315);
    EXPECT_EQ(term(0).kokugo, 105);
    EXPECT_EQ(term(1).kokugo, 105);
    EXPECT_EQ(term(2).kokugo, 105);
}

TEST_F(AnnualPlanTest, TheGridsAreLeftByTabShiftTabAndCtrlTab)
{
    open();
    for (const char* name : {"gridWiz4YearPlan", "gridWiz4YearSum"}) {
        for (const Qt::KeyboardModifiers m :
             {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier),
              Qt::KeyboardModifiers(Qt::ControlModifier)}) {
            auto* grid = control<Grid>(Step::AnnualPlan, QLatin1String(name));
            grid->setFocus(Qt::TabFocusReason);
            ASSERT_EQ(focused(), grid);
            QTest::keyClick(grid, m.testFlag(Qt::ShiftModifier) ? Qt::Key_Backtab : Qt::Key_Tab, m);
            EXPECT_NE(focused(), grid) << name << " modifiers " << m.toInt();
        }
    }
}

// However the box got the focus, typing replaces its text: a click into a box that already has
// the focus must not put the caret before "0.0".
TEST_F(AnnualPlanTest, TypingAfterAClickIntoTheFocusedBoxReplacesItsText)
{
    open();
    plan(6)->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(plan(6)->text(), QStringLiteral("0.0"));
    QTest::mouseClick(plan(6), Qt::LeftButton, {}, QPoint(3, plan(6)->height() / 2));
    QTest::keyClicks(plan(6), QStringLiteral("12"));
    EXPECT_EQ(plan(6)->text(), QStringLiteral("12"));
    QTest::keyClick(plan(6), Qt::Key_Return);
    EXPECT_EQ(term(0).sannsuu, 36);
    EXPECT_EQ(sum("lblWiz4Sum_0"), QStringLiteral("12.0"));

    // A second click, after something was typed, starts afresh too.
    base(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(base(1), QStringLiteral("7"));
    QTest::mouseClick(base(1), Qt::LeftButton, {}, QPoint(3, base(1)->height() / 2));
    QTest::keyClicks(base(1), QStringLiteral("70"));
    EXPECT_EQ(base(1)->text(), QStringLiteral("70"));
}
