// The tally window: the week it opens on, its grid, and the week, term and year of picked dates.
#include "reports/frmdisptimetable.h"

#include "platform/grid.h"
#include "platform/monthcalendar.h"
#include "reportsfixture.h"
#include "testservices.h"
#include "totals/yeartotals.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

// Grade 3: 国 in periods 1 and 3 every weekday, 算 in period 2, 体 in period 4 from Monday to Friday.
// A week plans 国 11.0, 算 6.0 and 体 5.0.
std::unique_ptr<AppState> tallyPlan(int year = 2001)
{
    auto s = makePlan(year, 3);
    for (int w = 1; w <= 5; ++w)
        timetableDay(*s, w).strSubject = kE + QStringLiteral("国算国体") + kE + kE;
    timetableDay(*s, 6).strSubject = kE + QStringLiteral("国算") + kE + kE + kE + kE;
    return s;
}

class TallyWindow : public ::testing::Test {
protected:
    Grid& grid() { return *window->findChild<Grid*>(QStringLiteral("gridTimeTable")); }
    MonthCalendar& calendar() { return *window->findChild<MonthCalendar*>(QStringLiteral("mvTimeTable")); }
    QString cell(int row, int col) { return grid().textMatrix(row, col); }
    QStringList column(int col)
    {
        QStringList texts;
        for (int r = 1; r <= 21; ++r)
            texts << cell(r, col);
        return texts;
    }
    void open(std::unique_ptr<AppState> plan)
    {
        state = std::move(plan);
        window = std::make_unique<frmDispTimeTable>(*state, t.services);
        t.activation.show(window.get());
    }
    void pick(const QDate& date) { window->mvTimeTable_DateClick(date); }

    TestServices t;
    std::unique_ptr<AppState> state;
    std::unique_ptr<frmDispTimeTable> window;
};

constexpr int kKokugo = 1, kSannsuu = 3, kTaiiku = 9, kDoutoku = 12, kKurabu = 14, kSouJisuu = 21;

} // namespace

TEST(TallyOpeningDate, ThePickedDateInsideTheSchoolYearOrElseTheFirstOfApril)
{
    auto s = makePlan(2001);
    struct Case {
        QDate selected, expected;
    };
    for (const Case& c : {Case{zeroDate(), {2001, 4, 1}},
                          {{2001, 10, 17}, {2001, 10, 17}},
                          {{2001, 4, 1}, {2001, 4, 1}},
                          {{2002, 3, 31}, {2002, 3, 31}},
                          {{2002, 4, 1}, {2001, 4, 1}},
                          {{2001, 3, 31}, {2001, 4, 1}},
                          {QDate(), {2001, 4, 1}}}) {
        s->dateSelected = c.selected;
        EXPECT_EQ(tallyOpeningDate(*s), c.expected) << c.selected.toString(Qt::ISODate).toStdString();
    }
}

TEST_F(TallyWindow, OpensOnTheMainWindowsWeekWithinTheSchoolYear)
{
    auto s = tallyPlan();
    s->dateSelected = QDate(2001, 10, 17);
    open(std::move(s));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("時数集計表"));
    EXPECT_EQ(calendar().selectionStart(), QDate(2001, 10, 15));
    EXPECT_EQ(calendar().selectionEnd(), QDate(2001, 10, 20));
    EXPECT_EQ(calendar().minDate(), QDate(2001, 4, 1));
    EXPECT_EQ(calendar().maxDate(), QDate(2002, 3, 31));
    EXPECT_EQ(calendar().today(), t.clock.today());
    EXPECT_EQ(window->focusWidget(), window->findChild<QPushButton*>(QStringLiteral("cmdCloseTimeTable")));
    // School days are bold, Sundays and holidays are not.
    EXPECT_TRUE(calendar().isDayBold(QDate(2001, 10, 17)));
    EXPECT_FALSE(calendar().isDayBold(QDate(2001, 10, 21)));
    EXPECT_FALSE(calendar().isDayBold(QDate(2001, 10, 8))); // 体育の日
    EXPECT_EQ(calendar().dayNote(QDate(2001, 10, 8)), QStringLiteral("体育の日"));

    // Without a picked date: the week of 1 April, a Sunday in 2001.
    state->dateSelected = zeroDate();
    t.activation.show(window.get());
    EXPECT_EQ(calendar().selectionStart(), QDate(2001, 4, 2));
    EXPECT_EQ(calendar().selectionEnd(), QDate(2001, 4, 7));
}

TEST_F(TallyWindow, HeadingsWidthsAndColours)
{
    open(tallyPlan());
    const QStringList headings = {"教科",      "週･計画",   "週･実績",   "週･増減",   "学期･計画",
                                  "学期･実績", "学期･増減", "年間･計画", "年間･実績", "年間･増減"};
    ASSERT_EQ(grid().rows(), 22);
    ASSERT_EQ(grid().cols(), 10);
    for (int c = 0; c < 10; ++c) {
        EXPECT_EQ(cell(0, c), headings[c]);
        EXPECT_TRUE(grid().isCellCentered(0, c)) << c;
        EXPECT_EQ(grid().colWidthTwips(c), 930) << c;
    }
    const QStringList rows = {"国語",     "社会",     "算数",   "理科",     "生活",     "音楽",
                              "図工",     "家庭",     "体育",   "教科小計", "総合",     "道徳",
                              "学活",     "ｸﾗﾌﾞ",     "児童会", "学校行事", "特活小計", "総授業時数",
                              "打切時数", "予備時数", "総時数"};
    for (int r = 1; r <= 21; ++r) {
        EXPECT_EQ(cell(r, 0), rows[r - 1]);
        EXPECT_TRUE(grid().isCellCentered(r, 0)) << r;
        for (int c = 1; c <= 9; ++c) {
            const QColor back = grid().cellBackColor(r, c);
            if (c >= 4 && c <= 6)
                EXPECT_EQ(back, QColor(230, 255, 255)) << r << "," << c;
            else if (c >= 7)
                EXPECT_EQ(back, QColor(205, 255, 255)) << r << "," << c;
            else
                EXPECT_TRUE(back != QColor(230, 255, 255) && back != QColor(205, 255, 255)) << r << "," << c;
        }
    }
    EXPECT_EQ(cell(kKurabu, 0), QStringLiteral("ｸﾗﾌﾞ"));
    EXPECT_EQ(grid().font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
}

TEST_F(TallyWindow, WeekWithoutRegisteredDaysShowsThePlanAsShortfall)
{
    open(tallyPlan());
    pick(QDate(2001, 10, 17));
    EXPECT_EQ(cell(kKokugo, 1), QStringLiteral("11.0"));
    EXPECT_EQ(cell(kSannsuu, 1), QStringLiteral("6.0"));
    for (int r = 1; r <= 21; ++r) {
        EXPECT_EQ(cell(r, 2), QStringLiteral("0.0")) << r;
        const QString plan = cell(r, 1);
        if (plan == QStringLiteral("0.0")) {
            EXPECT_EQ(cell(r, 3), QStringLiteral("0.0")) << r;
            EXPECT_EQ(grid().cellForeColor(r, 3), kBlack) << r;
        } else {
            EXPECT_EQ(cell(r, 3), QLatin1Char('-') + plan) << r;
            EXPECT_EQ(grid().cellForeColor(r, 3), kRed) << r;
        }
    }
}

TEST_F(TallyWindow, RegisteredDaysGiveActualsAndColouredDifferences)
{
    auto s = tallyPlan();
    record(*s, QDate(2001, 10, 16), kE + QStringLiteral("国国国国国") + kE);
    record(*s, QDate(2001, 10, 17), kE + QStringLiteral("道") + kE + kE + kE + kE + kE);
    open(std::move(s));
    pick(QDate(2001, 10, 20));
    EXPECT_EQ(cell(kKokugo, 2), QStringLiteral("5.0"));
    EXPECT_EQ(cell(kKokugo, 3), QStringLiteral("-6.0"));
    EXPECT_EQ(grid().cellForeColor(kKokugo, 3), kRed);
    EXPECT_EQ(cell(kDoutoku, 3), QStringLiteral("1.0"));
    EXPECT_EQ(grid().cellForeColor(kDoutoku, 3), kBlue);
    EXPECT_EQ(cell(kSouJisuu, 2), QStringLiteral("6.0"));
    // The plan and actual columns keep the grid's own text colour.
    EXPECT_EQ(grid().cellForeColor(kKokugo, 2), grid().cellForeColor(kDoutoku, 1));

    // The same days are the term's and the year's results.
    EXPECT_EQ(cell(kKokugo, 5), QStringLiteral("5.0"));
    EXPECT_EQ(cell(kKokugo, 8), QStringLiteral("5.0"));
}

TEST_F(TallyWindow, ClippedWeekStillPlansTheFullStandardWeek)
{
    open(tallyPlan(2002));
    pick(QDate(2003, 3, 31)); // a Monday: the week ends with the school year
    EXPECT_EQ(calendar().selectionStart(), QDate(2003, 3, 31));
    EXPECT_EQ(calendar().selectionEnd(), QDate(2003, 3, 31));
    EXPECT_EQ(cell(kKokugo, 1), QStringLiteral("11.0"));
    EXPECT_EQ(cell(kKokugo, 3), QStringLiteral("-11.0"));
}

TEST_F(TallyWindow, WeekOverNewYearCountsTheDaysOfBothCalendarYears)
{
    auto s = tallyPlan(2003);
    record(*s, QDate(2003, 12, 29), kE + QStringLiteral("国国") + kE + kE + kE + kE);
    record(*s, QDate(2004, 1, 3), kE + QStringLiteral("国国") + kE + kE + kE + kE);
    open(std::move(s));
    pick(QDate(2004, 1, 1));
    EXPECT_EQ(calendar().selectionStart(), QDate(2003, 12, 29));
    EXPECT_EQ(calendar().selectionEnd(), QDate(2004, 1, 3));
    EXPECT_EQ(cell(kKokugo, 2), QStringLiteral("4.0"));
    EXPECT_EQ(cell(kKokugo, 5), QStringLiteral("2.0")); // the week's term is the second, by its Monday
    EXPECT_EQ(cell(kKokugo, 8), QStringLiteral("4.0"));
}

TEST_F(TallyWindow, CancelledDayCountsInNeitherWeekTermNorYear)
{
    auto s = tallyPlan();
    record(*s, QDate(2001, 10, 16), kE + QStringLiteral("国国国国国") + kE);
    record(*s, QDate(2001, 10, 17), kE + QStringLiteral("国国国国国") + kE, true);
    open(std::move(s));
    pick(QDate(2001, 10, 17));
    for (int c : {2, 5, 8})
        EXPECT_EQ(cell(kKokugo, c), QStringLiteral("5.0")) << c;
}

TEST_F(TallyWindow, WeeksBelongToTheTermOfTheirFirstDay)
{
    auto s = tallyPlan();
    const auto terms = s->objYearPlan->terms();
    terms[0]->kokugo = 100;
    terms[1]->kokugo = 200;
    terms[2]->kokugo = 300;
    open(std::move(s));
    struct Case {
        QDate picked;
        const char* termPlan;
    };
    // 30 July starts a week in the summer vacation; 1 August is in the same week; 4 March is a Monday.
    for (const Case& c : {Case{{2001, 7, 30}, "33.1"},
                          {{2001, 8, 1}, "33.1"},
                          {{2001, 8, 27}, "66.2"},
                          {{2002, 3, 4}, "100.0"},
                          {{2002, 3, 30}, "100.0"}}) {
        pick(c.picked);
        EXPECT_EQ(cell(kKokugo, 4), QString::fromLatin1(c.termPlan)) << c.picked.toString().toStdString();
    }
}

TEST_F(TallyWindow, PlanWithoutTermsShowsZeroTermPlans)
{
    auto s = tallyPlan();
    s->objYearPlan->objFirstSeason.reset();
    open(std::move(s));
    pick(QDate(2001, 10, 17));
    for (int r = 1; r <= 21; ++r)
        EXPECT_EQ(cell(r, 4), QStringLiteral("0.0")) << r;
}

TEST_F(TallyWindow, DifferenceOutsideSixteenBitsIsShownAsSuchAndTheRestAsUsual)
{
    auto s = tallyPlan();
    s->objYearPlan->kokugo = -32768;
    record(*s, QDate(2001, 10, 15), kE + QStringLiteral("体") + kE + kE + kE + kE + kE);
    open(std::move(s));
    pick(QDate(2001, 10, 17));
    EXPECT_EQ(cell(kKokugo, 7), QStringLiteral("-10922.2"));
    EXPECT_EQ(cell(kKokugo, 9), QStringLiteral("桁あふれ"));
    EXPECT_EQ(grid().cellForeColor(kKokugo, 9), kRed);
    EXPECT_EQ(cell(kTaiiku, 9), QStringLiteral("1.0"));
    EXPECT_EQ(grid().cellForeColor(kTaiiku, 9), kBlue);
    EXPECT_EQ(cell(kKokugo, 3), QStringLiteral("-11.0"));
    EXPECT_EQ(cell(kSannsuu, 9), QStringLiteral("0.0"));
}

TEST_F(TallyWindow, ClickingADayOnTheCalendarShowsItsWeek)
{
    auto s = tallyPlan();
    record(*s, QDate(2001, 5, 15), kE + QStringLiteral("国国国国国") + kE);
    open(std::move(s)); // shows April to June
    const QRect day = calendar().dayRect(QDate(2001, 5, 16));
    ASSERT_FALSE(day.isEmpty());
    QTest::mouseClick(&calendar(), Qt::LeftButton, {}, day.center());
    EXPECT_EQ(calendar().selectionStart(), QDate(2001, 5, 14));
    EXPECT_EQ(calendar().selectionEnd(), QDate(2001, 5, 19));
    EXPECT_EQ(cell(kKokugo, 2), QStringLiteral("5.0"));
}

TEST_F(TallyWindow, CloseHidesTheWindowAndTheNextShowingStartsAfresh)
{
    auto s = tallyPlan();
    s->dateSelected = QDate(2001, 10, 17);
    open(std::move(s));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdCloseTimeTable")), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());

    state->dateSelected = QDate(2001, 12, 5);
    record(*state, QDate(2001, 12, 3), kE + QStringLiteral("算") + kE + kE + kE + kE + kE);
    t.activation.show(window.get());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(calendar().selectionStart(), QDate(2001, 12, 3));
    EXPECT_EQ(cell(kSannsuu, 2), QStringLiteral("1.0"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("週･計画"));
}

// A 2024 grade 5 plan: 外国語 gets its row inside 教科小計, 外国語活動 its row after 道徳, and the
// year's plan and results stand beside the standard hours.
TEST_F(TallyWindow, PlanOf2024HasTheLaterSubjectsAndTheStandard)
{
    auto s = makePlan(2024, 5);
    timetableDay(*s, 1).strSubject = kE + QStringLiteral("国外算体") + kE + kE;
    auto terms = s->objYearPlan->terms();
    terms[0]->gaikokugo = 72;
    terms[1]->gaikokugo = 78;
    terms[2]->gaikokugo = 60;
    for (auto* t : terms)
        t->recomputeSubtotals();
    calculate(*s->objYearPlan);
    record(*s, {2024, 4, 15}, kE + QStringLiteral("外外算体") + kE + kE);
    open(std::move(s));
    pick({2024, 4, 17});

    ASSERT_EQ(grid().rows(), 24);
    EXPECT_EQ(cell(10, 0), QStringLiteral("外国語"));
    EXPECT_EQ(cell(11, 0), QStringLiteral("教科小計"));
    EXPECT_EQ(cell(14, 0), QStringLiteral("外国語活動"));
    // Week: 外 planned 1.0, taught 2.0 (Monday 15 April, 45-minute periods 1 and 2).
    EXPECT_EQ(cell(10, 1), QStringLiteral("1.0"));
    EXPECT_EQ(cell(10, 2), QStringLiteral("2.0"));
    EXPECT_EQ(cell(11, 2), QStringLiteral("4.0"));
    // Year: planned 70.0, taught 2.0.
    EXPECT_EQ(cell(10, 7), QStringLiteral("70.0"));
    EXPECT_EQ(cell(10, 8), QStringLiteral("2.0"));
    // The standard of grade 5 (2017 course): 外国語 70, 国語 175; 外国語活動 none; クラブ none.
    ASSERT_EQ(grid().cols(), 13);
    EXPECT_EQ(cell(0, 10), QStringLiteral("標準時数"));
    EXPECT_EQ(cell(10, 10), QStringLiteral("70.0"));
    EXPECT_EQ(cell(10, 11), QStringLiteral("0.0"));
    EXPECT_EQ(grid().cellForeColor(10, 11), kBlack);
    EXPECT_EQ(cell(10, 12), QStringLiteral("-68.0"));
    EXPECT_EQ(grid().cellForeColor(10, 12), kRed);
    EXPECT_EQ(cell(1, 10), QStringLiteral("175.0"));
    EXPECT_EQ(cell(14, 10), QString());
    EXPECT_EQ(cell(16, 10), QString());
    const auto* surplus = window->findChild<QLabel*>(QStringLiteral("lblSurplus"));
    ASSERT_NE(surplus, nullptr);
    // 70 planned against 1015: 945 short.
    EXPECT_TRUE(surplus->text().contains(QStringLiteral("標準に足りない時数（年間計画）　945.0")))
        << surplus->text().toStdString();
}

TEST_F(TallyWindow, PlanOf2005KeepsTheTwentyOneRowsAndTenColumns)
{
    open(tallyPlan(2005));
    pick({2005, 10, 12});
    EXPECT_EQ(grid().rows(), 22);
    EXPECT_EQ(grid().cols(), 10);
    EXPECT_EQ(cell(10, 0), QStringLiteral("教科小計"));
    EXPECT_FALSE(window->findChild<QLabel*>(QStringLiteral("lblSurplus"))->isVisible());
}

// The keyboard moves through the window: Tab never stays in the grid, Escape closes the window.
TEST_F(TallyWindow, TabLeavesTheGridAndEscapeCloses)
{
    open(tallyPlan());
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* close = window->findChild<QPushButton*>(QStringLiteral("cmdCloseTimeTable"));
    ASSERT_EQ(QApplication::focusWidget(), close);

    QSet<QWidget*> seen;
    for (int n = 0; n < 4; ++n) {
        QWidget* before = QApplication::focusWidget();
        QTest::keyClick(before, Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), before)
            << "Tab stayed in " << before->objectName().toStdString();
        seen.insert(QApplication::focusWidget());
    }
    EXPECT_TRUE(seen.contains(&grid())) << "the grid can still be reached to read it";
    EXPECT_TRUE(seen.contains(close)) << "Tab comes round to 閉じる again";
    for (const Qt::KeyboardModifiers m :
         {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        grid().setFocus(Qt::TabFocusReason);
        QTest::keyClick(&grid(), m.testFlag(Qt::ShiftModifier) ? Qt::Key_Backtab : Qt::Key_Tab, m);
        EXPECT_NE(QApplication::focusWidget(), &grid()) << "modifiers " << m.toInt();
    }

    grid().setFocus(Qt::TabFocusReason);
    QTest::keyClick(&grid(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// A screen reader names the grid's heading objects by the headings they stand for.
TEST_F(TallyWindow, HeadingObjectsAreNamedByTheirHeadings)
{
    open(tallyPlan());
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid());
    ASSERT_NE(table, nullptr);
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    // Qt hands out header cells it does not keep; registering them gives them to its cache, which
    // owns every other interface, instead of leaking them.
    const auto nameOf = [](const QList<QAccessibleInterface*>& headers) {
        for (QAccessibleInterface* header : headers)
            QAccessible::registerAccessibleInterface(header);
        return headers.isEmpty() ? QString() : headers.first()->text(QAccessible::Name);
    };
    const auto columnHeading = [&](int row, int col) {
        return nameOf(cells->cellAt(row, col)->tableCellInterface()->columnHeaderCells());
    };
    const auto rowHeading = [&](int row, int col) {
        return nameOf(cells->cellAt(row, col)->tableCellInterface()->rowHeaderCells());
    };
    EXPECT_EQ(columnHeading(3, 1), QStringLiteral("週･計画"));
    EXPECT_EQ(columnHeading(3, 9), QStringLiteral("年間･増減"));
    EXPECT_EQ(columnHeading(3, 0), QStringLiteral("教科"));
    EXPECT_EQ(rowHeading(1, 5), QStringLiteral("国語"));
    EXPECT_EQ(rowHeading(14, 5), QStringLiteral("ｸﾗﾌﾞ"));
    EXPECT_EQ(rowHeading(21, 2), QStringLiteral("総時数"));
    EXPECT_EQ(cells->columnDescription(4), QStringLiteral("学期･計画"));
}
