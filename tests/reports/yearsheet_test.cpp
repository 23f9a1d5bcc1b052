// The annual timetable and tally sheet on the recording printer: header, week rows, term and year
// blocks, and the page it has to fit on. School year 2001 unless a test says otherwise: term 1 has
// the rows of 2 April to 21 July (tops 1540 + 170 n), term 2 starts at 4790, term 3 at 8380.
#include "reports/yearsheet.h"

#include "reports/printhelpers.h"

#include "reportsfixture.h"
#include "sheettesting.h"
#include "totals/yeartotals.h"

#include <QPrinter>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr double kTerm1Foot = 1540 + 16 * 170; // 4260
constexpr double kTerm2Top = kTerm1Foot + 530; // 4790
constexpr double kTerm2Foot = kTerm2Top + 18 * 170;
constexpr double kYearTop = 10780;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

RecordingPrinter printYear(AppState& s)
{
    RecordingPrinter p;
    subPrintYear(s, p);
    return p;
}

// Top of the term-1 row of a date.
double term1Row(const QDate& date)
{
    return 1540 + 170 * (QDate(2001, 4, 2).daysTo(date) / 7);
}

void setSpringEnd(AppState& s, const QDate& date)
{
    s.dateSpringTo = date;
    s.updateDayNumbers();
}

} // namespace

TEST(YearSheetTerms, RowsCoverEachTermFromMondayToSaturday)
{
    auto s = makePlan(2001);
    const auto terms = yearSheetTerms(*s);
    struct Expected {
        QDate firstDay, lastDay, firstMonday;
        int rows;
    };
    const Expected expected[] = {
        {{2001, 4, 5}, {2001, 7, 19}, {2001, 4, 2}, 16},
        {{2001, 9, 1}, {2001, 12, 24}, {2001, 8, 27}, 18},
        {{2002, 1, 8}, {2002, 3, 18}, {2002, 1, 7}, 11},
    };
    for (std::size_t t = 0; t < 3; ++t) {
        EXPECT_EQ(terms[t].firstDay, expected[t].firstDay) << "term " << t + 1;
        EXPECT_EQ(terms[t].lastDay, expected[t].lastDay) << "term " << t + 1;
        EXPECT_EQ(terms[t].firstMonday, expected[t].firstMonday) << "term " << t + 1;
        EXPECT_EQ(terms[t].rows, expected[t].rows) << "term " << t + 1;
    }
    EXPECT_EQ(yearSheetBottom(terms), kYearTop + 510);
}

TEST(YearSheetTerms, TermDaysStartingOnSundayOrEndingOnSundayDoNotAddRows)
{
    auto s = makePlan(2001);
    setSpringEnd(*s, QDate(2001, 4, 7));    // term 1 starts on Sunday 8 April
    s->dateSummerFrom = QDate(2001, 7, 23); // and ends on Sunday 22 July
    s->updateDayNumbers();
    const YearSheetTerm term = yearSheetTerms(*s)[0];
    EXPECT_EQ(term.firstMonday, QDate(2001, 4, 9));
    EXPECT_EQ(term.rows, 15); // 9 April to 21 July
}

TEST(YearSheetTerms, ThirdTermAfterNewYearsDayStartsItsRowsInDecember)
{
    auto s = makePlan(2002);
    s->dateWinterTo = QDate(2003, 1, 1);
    s->updateDayNumbers();
    const YearSheetTerm term = yearSheetTerms(*s)[2];
    EXPECT_EQ(term.firstDay, QDate(2003, 1, 2));
    EXPECT_EQ(term.firstMonday, QDate(2002, 12, 30));
}

TEST(YearSheetTerms, UnsetVacationsGiveTermsWithoutRows)
{
    AppState s;
    InitPlanDefaults(s);
    s.intYear = 2001;
    for (const YearSheetTerm& t : yearSheetTerms(s))
        EXPECT_EQ(t.rows, 0);
}

TEST(YearSheet, SetsColourOrientationFontThenDrawsOnePageWithinItsFrame)
{
    auto s = makePlan(2001);
    const RecordingPrinter p = printYear(*s);
    ASSERT_GE(p.settings().size(), 3);
    EXPECT_EQ(p.settings().mid(0, 3),
              QStringList({"colorMode 2", "orientation landscape", QStringLiteral("font ＭＳ 明朝")}));
    EXPECT_EQ(p.documentsEnded(), 1);

    const double bottom = kYearTop + 510;
    EXPECT_TRUE(p.hasLine(200, bottom, 15825, bottom, 4));
    EXPECT_TRUE(p.hasLine(200, 350, 200, bottom, 4));
    EXPECT_TRUE(p.hasLine(15825, 350, 15825, bottom, 4));
    for (const auto& l : p.lines()) {
        EXPECT_TRUE(l.x1 >= 200 && l.x2 <= 15825 && l.y1 >= 350 && l.y2 <= bottom)
            << l.x1 << "," << l.y1 << " - " << l.x2 << "," << l.y2;
    }
    for (const auto& t : p.texts()) {
        EXPECT_TRUE(t.x >= 200 && t.x < 15825 && t.y >= 350 && t.y < bottom) << t.text.toStdString();
        EXPECT_EQ(t.fontName, QStringLiteral("ＭＳ 明朝"));
    }
}

TEST(YearSheet, HeaderTextsAndLines)
{
    auto s = makePlan(2001);
    const RecordingPrinter p = printYear(*s);

    struct Text {
        const char16_t* text;
        double x, y, size;
    };
    const Text texts[] = {
        {u"年 間 時 間 割　及び　時 間 集 計 表   ３年２組", 500, 520, 14},
        {u"担任　（山田花子）", 5600, 910, 10},
        {u"集　　　　　　計　　　　　　表", 10515, 370, 8},
        {u"教　　　　科", 9925, 540, 8},
        {u"特 別 活 動", 12680, 540, 8},
        {u"学", 270, 1220, 8},
        {u"数", 740, 1390, 8},
        {u"土", 8440, 1220, 8},
        {u"国", 9080, 710, 8},
        {u"Ａ", 11735, 1370, 8},
        {u"動", 12620, 1220, 8},
        {u"計", 14370, 1220, 8},
        {u"数", 15375, 1220, 8},
        {u"日", 940, 1370, 7},
        {u"Ⅵ", 940 + 7 * 180, 1370, 7},
        {u"Ⅲ", 8140 + 4 * 180, 1370, 7},
    };
    for (const Text& t : texts) {
        const RecordingPrinter::Text* drawn = drawnAt(p, t.x, t.y);
        ASSERT_NE(drawn, nullptr) << t.x << "," << t.y;
        EXPECT_EQ(drawn->text, QString::fromUtf16(t.text)) << t.x << "," << t.y;
        EXPECT_EQ(drawn->fontSize, t.size) << t.x << "," << t.y;
    }
    // Saturday has periods 0 to 3 only.
    EXPECT_EQ(textAt(p, 8140 + 5 * 180, 1370), QStringLiteral("<none>"));

    struct Line {
        double x1, y1, x2, y2;
        int width;
    };
    const Line lines[] = {
        {200, 350, 15825, 350, 4},    {9040, 520, 15825, 520, 2},   {12285, 520, 12285, 1540, 2},
        {15235, 520, 15235, 1540, 2}, {9040, 690, 11990, 690, 2},   {12580, 690, 14055, 690, 2},
        {9335, 690, 9335, 1540, 2},   {11695, 690, 11695, 1540, 2}, {11990, 520, 11990, 1540, 2},
        {12875, 690, 12875, 1540, 1}, {13760, 690, 13760, 1540, 1}, {14055, 520, 14055, 1540, 2},
        {200, 1200, 9040, 1200, 2},   {500, 1200, 500, 1540, 2},    {8140, 1200, 8140, 1540, 2},
        {9040, 350, 9040, 1540, 2},   {940, 1370, 9040, 1370, 2},   {1120, 1370, 1120, 1540, 1},
        {8860, 1370, 8860, 1540, 1},  {200, 1540, 15825, 1540, 1},
    };
    for (const Line& l : lines)
        EXPECT_TRUE(p.hasLine(l.x1, l.y1, l.x2, l.y2, l.width))
            << l.x1 << "," << l.y1 << " - " << l.x2 << "," << l.y2 << " width " << l.width;

    // The sub-column boundaries: seven in each weekday block, four on Saturday.
    int boundaries = 0;
    for (const auto& l : p.lines())
        if (l.y1 == 1370 && l.y2 == 1540 && l.width == 1 && l.x1 == l.x2)
            ++boundaries;
    EXPECT_EQ(boundaries, 5 * 7 + 4);
}

TEST(YearSheet, ClassTextInTheTitle)
{
    const QString title = QStringLiteral("年 間 時 間 割　及び　時 間 集 計 表   ３年");
    for (const auto& [strClass, ending] :
         {std::pair{"1", u"１組"}, {"10", u"10組"}, {"さくら", u"さくら組"}}) {
        auto s = makePlan(2001);
        s->strClass = QString::fromUtf8(strClass);
        EXPECT_EQ(textAt(printYear(*s), 500, 520), title + QString::fromUtf16(ending)) << strClass;
    }
}

TEST(YearSheet, TermStartingOnWednesdayCrossesOutTheDaysBeforeAndAfterIt)
{
    auto s = makePlan(2001);
    setSpringEnd(*s, QDate(2001, 4, 3));
    const RecordingPrinter p = printYear(*s);

    // First row: Monday 2 and Tuesday 3 April crossed, Wednesday 4 April dated.
    EXPECT_TRUE(p.hasLine(940, 1540, 2380, 1710, 1));
    EXPECT_TRUE(p.hasLine(2380, 1540, 3820, 1710, 1));
    EXPECT_FALSE(p.hasLine(3820, 1540, 5260, 1710, 1));
    EXPECT_EQ(textAt(p, 3840, 1560), QStringLiteral(" 4"));
    EXPECT_EQ(textAt(p, 960, 1560), QStringLiteral("<none>"));
    // Last row, 16 to 21 July: the term ends on Thursday 19 July.
    const double last = term1Row(QDate(2001, 7, 16));
    EXPECT_FALSE(p.hasLine(5260, last, 6700, last + 170, 1));
    EXPECT_TRUE(p.hasLine(6700, last, 8140, last + 170, 1));
    EXPECT_TRUE(p.hasLine(8140, last, 9040, last + 170, 1)); // Saturday's block is 900 wide
    EXPECT_EQ(textAt(p, 5280, last + 20), QStringLiteral("19"));
}

TEST(YearSheet, MondayHolidayShowsStarsAndAddsNoSchoolDay)
{
    auto plain = makePlan(2001);
    auto s = makePlan(2001);
    addHoliday(*s, QDate(2001, 5, 14));
    const RecordingPrinter before = printYear(*plain);
    const RecordingPrinter p = printYear(*s);

    const double y = term1Row(QDate(2001, 5, 14));
    EXPECT_EQ(textAt(p, 960, y + 20), QStringLiteral("14"));
    for (int period = 1; period <= 7; ++period)
        EXPECT_EQ(textAt(p, 940 + 180 * period + 20, y + 20), QStringLiteral("☆")) << period;
    // Tuesday to Saturday 19 May (a third Saturday) remain.
    EXPECT_EQ(textAt(p, 740, y + 20), QStringLiteral(" 5"));
    EXPECT_EQ(textAt(before, 740, y + 20), QStringLiteral(" 6"));

    const QString days = textAt(p, 520, kTerm1Foot + 190);
    const QString daysBefore = textAt(before, 520, kTerm1Foot + 190);
    ASSERT_TRUE(days.startsWith(QStringLiteral("授業日数　 ")) && days.endsWith(QStringLiteral("日")))
        << days.toStdString();
    EXPECT_EQ(days.mid(6).chopped(1).toInt(), daysBefore.mid(6).chopped(1).toInt() - 1);
}

TEST(YearSheet, SchoolDayWithoutCountedRecordShowsOnlyItsDateAndStillCounts)
{
    auto s = makePlan(2001);
    // Tuesday 10 April has no record; Wednesday's registration was withdrawn; Thursday is registered.
    record(*s, QDate(2001, 4, 11), kE + QStringLiteral("国国国国国") + kE, true);
    record(*s, QDate(2001, 4, 12), kE + QStringLiteral("算算算算算") + kE);
    const RecordingPrinter p = printYear(*s);

    const double y = term1Row(QDate(2001, 4, 10));
    for (double left : {2380.0, 3820.0}) {
        EXPECT_NE(textAt(p, left + 20, y + 20), QStringLiteral("<none>"));
        EXPECT_EQ(textsWithin(p, left + 180, y, left + 1440, y + 170), 0) << left;
    }
    EXPECT_EQ(textAt(p, 5260 + 2 * 180 + 20, y + 20), QStringLiteral("算"));
    EXPECT_EQ(textAt(p, 740, y + 20), QStringLiteral(" 5")); // Saturday 14 April is a second Saturday

    // Week totals: only Thursday's five 45-minute periods.
    EXPECT_EQ(textAt(p, 9060, y + 50), QStringLiteral(" 0.0"));
    EXPECT_EQ(textAt(p, 9650, y + 50), QStringLiteral(" 5.0"));
    EXPECT_EQ(textAt(p, 11715, y + 50), QStringLiteral("  5.0"));
    EXPECT_EQ(textAt(p, 15355, y + 50), QStringLiteral("   5.0"));
    // Nor does the withdrawn day count in its term.
    EXPECT_EQ(textAt(p, 9050, kTerm1Foot + 220), QStringLiteral("  0.0"));
    EXPECT_EQ(textAt(p, 9640, kTerm1Foot + 220), QStringLiteral("  5.0"));
}

TEST(YearSheet, SaturdayShowsPeriodsZeroToThreeButCountsThemAll)
{
    auto s = makePlan(2001);
    s->strTimeCredit[5] = QStringLiteral("0333333");
    record(*s, QDate(2001, 4, 7), kE + QStringLiteral("国算理社音体"));
    const RecordingPrinter p = printYear(*s);

    const double y = term1Row(QDate(2001, 4, 7));
    EXPECT_EQ(textAt(p, 8140 + 2 * 180 + 20, y + 20), QStringLiteral("国"));
    EXPECT_EQ(textAt(p, 8140 + 4 * 180 + 20, y + 20), QStringLiteral("理"));
    EXPECT_EQ(textsWithin(p, 9040, y, 15825, y + 50), 0);
    for (double x : {9060.0, 9355.0, 9650.0, 9945.0, 10535.0, 11420.0})
        EXPECT_EQ(textAt(p, x, y + 50), QStringLiteral(" 1.0")) << x;
}

TEST(YearSheet, DifferencesAreRedBelowPlanBlueAboveAndBlackOnIt)
{
    auto s = makePlan(2001);
    RivoSeasonTotal& plan1 = *s->objYearPlan->objFirstSeason;
    plan1.kokugo = 4;
    plan1.sannsuu = 3;
    plan1.recomputeSubtotals();
    calculate(*s->objYearPlan);
    record(*s, QDate(2001, 4, 10), kE + QStringLiteral("算社") + kE + kE + kE + kE + kE);
    const RecordingPrinter p = printYear(*s);

    for (double foot : {kTerm1Foot, kYearTop}) {
        struct Cell {
            double x;
            const char* text;
            QColor color;
        };
        for (const Cell& c : {Cell{9050, " -1.1", kRed},
                              {9345, "  1.0", kBlue},
                              {9640, "  0.0", kBlack},
                              {9935, "  0.0", kBlack},
                              {14155, "  -0.1", kRed}}) {
            const RecordingPrinter::Text* t = drawnAt(p, c.x, foot + 390);
            ASSERT_NE(t, nullptr) << c.x << " at " << foot;
            EXPECT_EQ(t->text, QString::fromLatin1(c.text)) << c.x << " at " << foot;
            EXPECT_EQ(t->color, c.color) << c.x << " at " << foot;
            EXPECT_EQ(t->fontSize, 5);
        }
        EXPECT_EQ(drawnAt(p, 9050, foot + 50)->color, kBlack); // plan
        EXPECT_EQ(textAt(p, 9050, foot + 50), QStringLiteral("  1.1"));
    }
    EXPECT_EQ(textAt(p, 7320, kTerm1Foot + 360), QStringLiteral("一学期　増減"));
    EXPECT_EQ(textAt(p, 7320, kYearTop + 190), QStringLiteral("年　間　実績"));
}

TEST(YearSheet, DifferenceOutsideSixteenBitsSaysSoInRed)
{
    auto s = makePlan(2001);
    s->objYearPlan->objFirstSeason->objNextSeason->kokugo = -32768;
    const RecordingPrinter p = printYear(*s);
    const RecordingPrinter::Text* t = drawnAt(p, 9050, kTerm2Foot + 390);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->text, QStringLiteral("桁あふれ"));
    EXPECT_EQ(t->color, kRed);
    EXPECT_EQ(drawnAt(p, 9345, kTerm2Foot + 390)->color, kBlack);
    EXPECT_EQ(textAt(p, 9050, kTerm2Foot + 50), QStringLiteral("-10922.2"));
}

TEST(YearSheet, MonthNumbersAndMonthLines)
{
    auto s = makePlan(2001);
    const RecordingPrinter p = printYear(*s);

    // April: on its second row, without a line above the term's first month.
    EXPECT_EQ(textAt(p, 520, 1540 + 20), QStringLiteral("<none>"));
    EXPECT_EQ(textAt(p, 520, 1710 + 20), QStringLiteral(" 4"));
    EXPECT_FALSE(p.hasLine(500, 1540, 720, 1540, 1));
    // May starts on the row of Tuesday 1 May; its number on the next row, its line at the first.
    const double may = term1Row(QDate(2001, 4, 30));
    EXPECT_EQ(textAt(p, 520, may + 170 + 20), QStringLiteral(" 5"));
    EXPECT_TRUE(p.hasLine(500, may, 720, may, 1));
    // June's second row has Tuesday 12 June: the line moves 100 twips up.
    const double june = term1Row(QDate(2001, 6, 4));
    EXPECT_TRUE(p.hasLine(500, june - 100, 720, june - 100, 1));
    EXPECT_EQ(textAt(p, 520, june + 170 + 20), QStringLiteral(" 6"));

    // August is printed at once on term 2's first row, and only there.
    EXPECT_EQ(textAt(p, 520, kTerm2Top), QStringLiteral(" 8"));
    int eights = 0;
    for (const auto& t : p.texts())
        eights += t.x == 520 && t.text == QStringLiteral(" 8");
    EXPECT_EQ(eights, 1);
    // September: rows of 4 and 11 September; 11 is after the 10th.
    EXPECT_EQ(textAt(p, 520, kTerm2Top + 340 + 20), QStringLiteral(" 9"));
    EXPECT_TRUE(p.hasLine(500, kTerm2Top + 170 - 100, 720, kTerm2Top + 170 - 100, 1));
}

TEST(YearSheet, ThirdTermWhoseFirstWeekBeginsInDecember)
{
    auto s = makePlan(2002);
    s->dateWinterTo = QDate(2003, 1, 1);
    s->updateDayNumbers();
    record(*s, QDate(2003, 1, 2), kE + QStringLiteral("国国") + kE + kE + kE + kE);
    const RecordingPrinter p = printYear(*s);

    double top = -1;
    for (const auto& t : p.texts())
        if (t.x == 270 && t.text == QStringLiteral("三"))
            top = t.y - 340;
    ASSERT_GT(top, 1540);
    for (double left : {940.0, 2380.0, 3820.0}) // 30 and 31 December, New Year's Day
        EXPECT_TRUE(p.hasLine(left, top, left + 1440, top + 170, 1)) << left;
    EXPECT_EQ(textAt(p, 5280, top + 20), QStringLiteral(" 2"));
    EXPECT_EQ(textAt(p, 5260 + 2 * 180 + 20, top + 20), QStringLiteral("国"));
    EXPECT_EQ(textAt(p, 6720, top + 20), QStringLiteral(" 3"));
    EXPECT_EQ(textAt(p, 8160, top + 20), QStringLiteral(" 4"));
    EXPECT_EQ(textAt(p, 740, top + 20), QStringLiteral(" 3"));
    EXPECT_EQ(textAt(p, 9060, top + 50), QStringLiteral(" 2.0"));
    // January's number on its second row (the first row of the term belongs to December).
    EXPECT_EQ(textAt(p, 520, top + 340 + 20), QStringLiteral(" 1"));
}

TEST(YearSheet, RecordsOutsideTheRowsCountInTheirWeekAndTermMonth)
{
    auto s = makePlan(2001);
    // Saturday 21 July lies in the summer vacation but in term 1's last row; 10 August in no row.
    record(*s, QDate(2001, 7, 21), kE + QStringLiteral("国国") + kE + kE + kE + kE);
    record(*s, QDate(2001, 8, 10), kE + QStringLiteral("算算") + kE + kE + kE + kE);
    const RecordingPrinter p = printYear(*s);

    const double last = term1Row(QDate(2001, 7, 16));
    EXPECT_TRUE(p.hasLine(8140, last, 9040, last + 170, 1));
    EXPECT_EQ(textsWithin(p, 8140, last, 9040, last + 170), 0);
    EXPECT_EQ(textAt(p, 9060, last + 50), QStringLiteral(" 2.0"));
    EXPECT_EQ(textAt(p, 9050, kTerm1Foot + 220), QStringLiteral("  2.0"));
    EXPECT_EQ(textAt(p, 9640, kTerm2Foot + 220), QStringLiteral("  2.0"));
    EXPECT_EQ(textAt(p, 9640, kYearTop + 220), QStringLiteral("  2.0"));
}

TEST(YearSheet, PlanWithoutTermsPrintsZeroPlansAndTheResultsAsDifferences)
{
    auto s = makePlan(2001);
    s->objYearPlan->objFirstSeason.reset();
    record(*s, QDate(2001, 4, 10), kE + QStringLiteral("国") + kE + kE + kE + kE + kE);
    const RecordingPrinter p = printYear(*s);
    EXPECT_EQ(textAt(p, 9050, kTerm1Foot + 50), QStringLiteral("  0.0"));
    EXPECT_EQ(textAt(p, 9050, kTerm1Foot + 220), QStringLiteral("  1.0"));
    EXPECT_EQ(textAt(p, 9050, kTerm1Foot + 390), QStringLiteral("  1.0"));
    EXPECT_EQ(drawnAt(p, 9050, kTerm1Foot + 390)->color, kBlue);
}

TEST(YearSheet, YearWithMoreRowsThanThePageHoldsIsDrawnSmallerOnOnePage)
{
    auto s = makePlan(2001);
    // Vacations of a single day: 54 week rows.
    s->dateSpringTo = QDate(2001, 4, 1);
    s->dateSummerFrom = QDate(2001, 8, 1);
    s->dateSummerTo = QDate(2001, 8, 1);
    s->dateWinterFrom = QDate(2002, 1, 1);
    s->dateWinterTo = QDate(2002, 1, 1);
    s->dateYearEndFrom = QDate(2002, 3, 31);
    s->updateDayNumbers();
    ASSERT_GT(yearSheetBottom(yearSheetTerms(*s)), kYearSheetPageBottom);

    const RecordingPrinter p = printYear(*s);
    EXPECT_EQ(p.documentsEnded(), 1);
    double lowest = 0;
    for (const auto& l : p.lines())
        lowest = std::max({lowest, l.y1, l.y2});
    EXPECT_DOUBLE_EQ(lowest, kYearSheetPageBottom);
    EXPECT_LT(p.findText(QStringLiteral("集　　　　　　計　　　　　　表"))->fontSize, 8);
}

TEST(YearSheet, KeepsWithinTheMarginsOfThePageSetUp)
{
    QPrinter printer;
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    const PrintableArea area = landscapeArea(printer);
    EXPECT_NEAR(area.width, (297 - 40) / 25.4 * 1440, 2);
    EXPECT_NEAR(area.height, (210 - 40) / 25.4 * 1440, 2);

    auto s = makePlan(2001);
    RecordingPrinter p;
    subPrintYear(*s, p, area);
    double right = 0, lowest = 0;
    for (const auto& l : p.lines()) {
        right = std::max({right, l.x1, l.x2});
        lowest = std::max({lowest, l.y1, l.y2});
    }
    EXPECT_LE(right, area.width + 1e-6);
    EXPECT_LE(lowest, area.height + 1e-6);
    // Narrowed in both directions alike: the frame keeps its proportions.
    EXPECT_NEAR(right / lowest, 15825 / (kYearTop + 510), 1e-9);
}

namespace {

// Texts of the tally drawn on the line of y (a smaller one a little lower) from x1 up to x2.
QStringList tallyTextsAt(const RecordingPrinter& p, double x1, double x2, double y)
{
    QStringList out;
    for (const auto& t : p.texts())
        if (t.y >= y && t.y < y + 5 && t.x >= x1 && t.x < x2)
            out << t.text;
    return out;
}

// Grade 5 of 2024: 国 60, 60, 55 and 外 23, 24, 23 hours planned per term. Registered: Monday 15
// April 国外算外体, Tuesday 16 April 外国国社, Tuesday 8 October 外外 (45-minute periods 1 to 5).
std::unique_ptr<AppState> plan2024()
{
    auto s = makePlan(2024, 5);
    const auto terms = s->objYearPlan->terms();
    const Units kokugo[] = {180, 180, 165};
    const Units gaikokugo[] = {69, 72, 69};
    for (std::size_t t = 0; t < 3; ++t) {
        terms[t]->kokugo = kokugo[t];
        terms[t]->gaikokugo = gaikokugo[t];
        terms[t]->recomputeSubtotals();
    }
    calculate(*s->objYearPlan);
    record(*s, QDate(2024, 4, 15), kE + QStringLiteral("国外算外体") + kE);
    record(*s, QDate(2024, 4, 16), kE + QStringLiteral("外国国社") + kE + kE);
    record(*s, QDate(2024, 10, 8), kE + QStringLiteral("外外") + kE + kE + kE + kE);
    return s;
}

// Top of a term's foot: the heading band, the term's week rows and the blocks before it.
double footOf(const AppState& s, int term)
{
    const auto terms = yearSheetTerms(s);
    double y = 1540;
    for (int t = 0; t < term; ++t)
        y += terms[static_cast<std::size_t>(t)].rows * 170 + 530;
    return y + terms[static_cast<std::size_t>(term)].rows * 170;
}

double rowOf(const AppState& s, const QDate& date)
{
    const YearSheetTerm term = yearSheetTerms(s)[0];
    return 1540 + 170 * (term.firstMonday.daysTo(date) / 7);
}

} // namespace

// 25 width units from 9040 to 15825 (the totals count two): 271.4 twips each. 外国語 is the tenth
// column, 11483 to 11754; 教科小計 the eleventh, to 12025; 総授業時数 the 20th and 21st, 14197 to 14739.
TEST(YearSheetLaterSubjects, ForeignLanguageOf2024HasItsColumnInsideTheSubjectSubtotal)
{
    auto s = plan2024();
    const RecordingPrinter p = printYear(*s);

    struct Column {
        const char* name;
        double left, right;
    };
    const Column gaikokugo{"外国語", 11483, 11754}, kyouka{"教科小計", 11754, 12025},
        total{"総授業時数", 14197, 14739};
    struct Expected {
        Column column;
        double y;
        const char* text;
    };
    const double week = rowOf(*s, QDate(2024, 4, 15));
    const double term1 = footOf(*s, 0), term2 = footOf(*s, 1), year = footOf(*s, 3 - 1) + 530;
    const Expected cells[] = {
        // The week of 15 April: 外 3, 国 3, 算 1, 体 1, 社 1.
        {gaikokugo, week + 50, " 3.0"},
        {kyouka, week + 50, "  9.0"},
        {total, week + 50, "   9.0"},
        // Term 1: plan 国 60 + 外 23, actual 外 3 and 9 in all.
        {gaikokugo, term1 + 50, " 23.0"},
        {gaikokugo, term1 + 220, "  3.0"},
        {gaikokugo, term1 + 390, "-20.0"},
        {kyouka, term1 + 50, " 83.0"},
        {kyouka, term1 + 220, "  9.0"},
        {kyouka, term1 + 390, "-74.0"},
        // Term 2: 外 24 planned, 2 taught.
        {gaikokugo, term2 + 50, " 24.0"},
        {gaikokugo, term2 + 390, "-22.0"},
        {kyouka, term2 + 50, " 84.0"},
        {kyouka, term2 + 220, "  2.0"},
        // The year: 外 70 planned, 5 taught; all subjects 245 planned, 11 taught.
        {gaikokugo, year + 50, " 70.0"},
        {gaikokugo, year + 220, "  5.0"},
        {gaikokugo, year + 390, "-65.0"},
        {kyouka, year + 50, "245.0"},
        {kyouka, year + 220, " 11.0"},
        {kyouka, year + 390, "-234.0"},
        {total, year + 50, " 245.0"},
        {total, year + 390, "-234.0"},
    };
    for (const Expected& c : cells)
        EXPECT_EQ(tallyTextsAt(p, c.column.left, c.column.right, c.y),
                  QStringList{QString::fromLatin1(c.text)})
            << c.column.name << " at " << c.y;
    EXPECT_EQ(tallyTextsAt(p, 11483, 11754, 1540).size(), 0);

    // Headings: 外/国/語 in its column, then 教科小計 Ａ.
    QString heading;
    for (const auto& t : p.texts())
        if (t.x >= 11483 && t.x < 11754 && t.y > 690 && t.y < 1540)
            heading += t.text;
    EXPECT_EQ(heading, QStringLiteral("外国語"));
}

TEST(YearSheetLaterSubjects, ForeignLanguageActivityOf2015StandsOutsideTheSubjectSubtotal)
{
    // 24 width units of 282.7 twips: 教科小計 is the tenth column (11584 to 11867), 外国語活動 the
    // 13th (12433 to 12715), 総授業時数 the 19th, twice as wide (14129 to 14694).
    auto s = makePlan(2015, 5);
    const auto terms = s->objYearPlan->terms();
    const Units katsudou[] = {36, 36, 33};
    for (std::size_t t = 0; t < 3; ++t) {
        terms[t]->gaikokugokatsudou = katsudou[t];
        terms[t]->recomputeSubtotals();
    }
    calculate(*s->objYearPlan);
    record(*s, QDate(2015, 4, 13), kE + QStringLiteral("英英算体理") + kE); // 英 2, 教科 3
    const RecordingPrinter p = printYear(*s);

    const double week = rowOf(*s, QDate(2015, 4, 13));
    const double term1 = footOf(*s, 0), year = footOf(*s, 2) + 530;
    struct Expected {
        double left, right, y;
        const char* text;
    };
    const Expected cells[] = {
        {12433, 12715, week + 50, " 2.0"},    {11584, 11867, week + 50, "  3.0"},
        {14129, 14694, week + 50, "   5.0"},  {12433, 12715, term1 + 50, " 12.0"},
        {12433, 12715, term1 + 220, "  2.0"}, {12433, 12715, term1 + 390, "-10.0"},
        {11584, 11867, term1 + 50, "  0.0"},  {11584, 11867, term1 + 390, "  3.0"},
        {14129, 14694, term1 + 50, "  12.0"}, {14129, 14694, term1 + 390, "  -7.0"},
        {12433, 12715, year + 50, " 35.0"},   {12433, 12715, year + 390, "-33.0"},
        {11584, 11867, year + 220, "  3.0"},  {14129, 14694, year + 220, "   5.0"},
    };
    for (const Expected& c : cells)
        EXPECT_EQ(tallyTextsAt(p, c.left, c.right, c.y), QStringList{QString::fromLatin1(c.text)})
            << c.left << " at " << c.y;

    QString heading;
    for (const auto& t : p.texts())
        if (t.x >= 12433 && t.x < 12715 && t.y > 520 && t.y < 1540)
            heading += t.text;
    EXPECT_EQ(heading, QStringLiteral("外国語活動Ｅ"));
    // 外国語 is no subject of 2015: 外 heads no column of its own.
    int foreign = 0;
    for (const auto& t : p.texts())
        foreign += t.text == QStringLiteral("外");
    EXPECT_EQ(foreign, 1);
}

TEST(YearSheetLaterSubjects, GroupsKeepTheirHeadingsCentredAndTheirRules)
{
    struct Case {
        int year;
        double subjectsRight;   // right edge of 教科小計
        double activitiesLeft;  // left edge of 学級活動
        double activitiesRight; // right edge of 特活小計
        double katsudouLeft;    // left edge of 外国語活動
    };
    // Edges at 9040 + 6785 × units / 24 (2015) or / 25 (2024), rounded to the twip.
    for (const Case& c : {Case{2015, 11867, 12715, 14129, 12433}, Case{2024, 12025, 12840, 14197, 12568}}) {
        auto s = makePlan(c.year, 5);
        const RecordingPrinter p = printYear(*s);
        const auto centreOf = [&p](const QString& text) {
            const auto* t = p.findText(text);
            return t ? t->x + textColumns(text) * 80 / 2.0 : 0;
        };
        EXPECT_NEAR(centreOf(QStringLiteral("教　　　　科")), (9040 + c.subjectsRight) / 2, 1) << c.year;
        EXPECT_NEAR(centreOf(QStringLiteral("特 別 活 動")), (c.activitiesLeft + c.activitiesRight) / 2, 1)
            << c.year;
        EXPECT_TRUE(p.hasLine(9040, 690, c.subjectsRight, 690, 2)) << c.year;
        EXPECT_TRUE(p.hasLine(c.activitiesLeft, 690, c.activitiesRight, 690, 2)) << c.year;
        // Full-height rules where the groups part, in the heading band and in every term block.
        for (double x : {c.subjectsRight, c.katsudouLeft, c.activitiesLeft, c.activitiesRight}) {
            EXPECT_TRUE(p.hasLine(x, 520, x, 1540, 2)) << c.year << " at " << x;
            EXPECT_TRUE(p.hasLine(x, 1540, x, footOf(*s, 0) + 510, 2)) << c.year << " at " << x;
        }
        // The tally keeps its edges: the timetable part is the sixteen subjects' one.
        EXPECT_TRUE(p.hasLine(9040, 350, 9040, 1540, 2));
        EXPECT_TRUE(p.hasLine(9040, 520, 15825, 520, 2));
    }
}

TEST(YearSheetLaterSubjects, EveryValueStaysBetweenTheRulesOfItsColumn)
{
    // A year's standard hours of grade 5 all planned in term 1 and nothing taught in it: the longest
    // values a real plan gives (1015.0 planned, -1015.0 behind); and a full week in term 2.
    auto s = makePlan(2024, 5);
    RivoSeasonTotal& term = *s->objYearPlan->objFirstSeason;
    const std::pair<Field, Units> hours[] = {
        {Field::kokugo, 175},   {Field::syakai, 100}, {Field::sannsuu, 175},        {Field::rika, 105},
        {Field::onngaku, 50},   {Field::zukou, 50},   {Field::katei, 60},           {Field::taiiku, 90},
        {Field::gaikokugo, 70}, {Field::doutoku, 35}, {Field::gakkyuukatsudou, 35}, {Field::sougou, 70},
    };
    for (const auto& [field, h] : hours)
        term[field] = static_cast<Units>(h * 3);
    term.recomputeSubtotals();
    ASSERT_EQ(term.SouJyugyouJisuu, 1015 * 3);
    calculate(*s->objYearPlan);
    for (int d = 21; d <= 26; ++d)
        record(*s, QDate(2024, 10, d), QStringLiteral("国外外外外外英"));
    const RecordingPrinter p = printYear(*s);

    std::vector<double> rules;
    for (const auto& l : p.lines())
        if (l.x1 == l.x2 && l.x1 >= 9040 && l.y1 <= 1540 && l.y2 > 1540)
            rules.push_back(l.x1);
    std::sort(rules.begin(), rules.end());
    rules.erase(std::unique(rules.begin(), rules.end()), rules.end());
    ASSERT_EQ(rules.size(), 24U); // the tally's two edges and the 22 rules between its 23 columns

    int values = 0;
    for (const auto& t : p.texts()) {
        if (t.y < 1540 || t.x < 9040)
            continue;
        ++values;
        const auto right = std::upper_bound(rules.begin(), rules.end(), t.x);
        ASSERT_NE(right, rules.end()) << t.text.toStdString();
        const double width = textColumns(t.text) * t.fontSize * 10; // half-width digits: half an em
        EXPECT_GE(t.x, *(right - 1) + 3) << t.text.toStdString() << " at " << t.x << "," << t.y;
        EXPECT_LE(t.x + width, *right - 3) << t.text.toStdString() << " at " << t.x << "," << t.y;
    }
    EXPECT_GT(values, 23 * 3 * 4);
    EXPECT_NE(p.findText(QStringLiteral("-1015.0")), nullptr);
    EXPECT_NE(p.findText(QStringLiteral("-875.0")), nullptr); // 教科小計 in a narrow column
}

TEST(YearSheetLaterSubjects, PlansUpTo2010KeepTheSixteenSubjectsColumns)
{
    // A week row's values: 19 columns of 295 twips from 9040, the totals 590 wide; the value 20
    // twips into a column, 120 into a wide one.
    const std::vector<double> basic = {9060,  9355,  9650,  9945,  10240, 10535, 10830,
                                       11125, 11420, 11715, 12010, 12305, 12600, 12895,
                                       13190, 13485, 13780, 14175, 14665, 14960, 15355};
    for (const auto& [year, columns] : {std::pair{2005, 21}, {2010, 21}, {2011, 22}, {2020, 23}}) {
        auto s = makePlan(year, 5);
        const RecordingPrinter p = printYear(*s);
        std::vector<double> xs;
        for (const auto& t : p.texts())
            if (t.y == 1540 + 50 && t.x >= 9040)
                xs.push_back(t.x);
        EXPECT_EQ(static_cast<int>(xs.size()), columns) << year;
        if (columns == 21) {
            EXPECT_EQ(xs, basic) << year;
            for (const char16_t* later : {u"外", u"英", u"Ｅ"})
                EXPECT_EQ(p.findText(QString::fromUtf16(later)), nullptr) << year;
            EXPECT_EQ(p.findText(QStringLiteral("特 別 活 動"))->x, 12680);
        }
    }
}
