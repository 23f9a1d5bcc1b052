// The timetable and tally sheets of a term on the recording printer. School year 2001, grade 3,
// unless a test says otherwise: term 1 runs from Thursday 5 April to Thursday 19 July, its rows from
// Monday 2 April; grade 3 periods are 1, 3, 3, 3, 3, 2 and 0 units long on Monday and 0, 3, 3 on
// Saturday. The timetable sheet's weekday blocks are 2500 twips wide from x 820, its rows start at
// y 1480.
#include "reports/termtallysheet.h"
#include "reports/termtimetablesheet.h"

#include "calendar/schooldaycount.h"
#include "reportsfixture.h"
#include "sheettesting.h"
#include "totals/tally.h"
#include "totals/yeartotals.h"

#include <QPrinter>
#include <gtest/gtest.h>

namespace {

constexpr double kBlockLeft = 820;
constexpr double kBlock = 2500;
constexpr double kDateColumn = 540;
constexpr double kPeriod = 280;
constexpr double kRowsTop = 1480;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

RecordingPrinter timetable(AppState& s, int term, const PrintableArea& area = {})
{
    RecordingPrinter p;
    subPrintSeasonTimeChart(s, p, term, area);
    return p;
}

RecordingPrinter tally(AppState& s, int term, const PrintableArea& area = {})
{
    RecordingPrinter p;
    subPrintSeasonTotal(s, p, term, area);
    return p;
}

double blockLeft(int weekday) // 0 = Monday
{
    return kBlockLeft + kBlock * weekday;
}

// Texts whose left edge lies in [x1, x2) and top in [y1, y2), top to bottom.
QList<RecordingPrinter::Text> textsIn(const RecordingPrinter& p, double x1, double x2, double y1, double y2)
{
    QList<RecordingPrinter::Text> found;
    for (const auto& t : p.texts())
        if (t.x >= x1 && t.x < x2 && t.y >= y1 && t.y < y2)
            found.append(t);
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.y < b.y; });
    return found;
}

// Tops of the date texts of a block that show `day`, top to bottom.
QList<double> rowsOfDate(const RecordingPrinter& p, int weekday, int day)
{
    QList<double> rows;
    const QString text = QStringLiteral("%1").arg(day, 2);
    for (const auto& t : textsIn(p, blockLeft(weekday), blockLeft(weekday) + kDateColumn, kRowsTop, 1e9))
        if (t.text == text)
            rows.append(t.y);
    return rows;
}

double rowOfDate(const RecordingPrinter& p, int weekday, int day)
{
    const QList<double> rows = rowsOfDate(p, weekday, day);
    return rows.isEmpty() ? -1 : rows.first();
}

// Top of the row that holds a text drawn at y: the nearest row line above it.
double rowTopAbove(const RecordingPrinter& p, double y)
{
    double top = 0;
    for (const auto& l : p.lines())
        if (l.y1 == l.y2 && l.x1 <= 500 && l.y1 <= y)
            top = std::max(top, l.y1);
    return top;
}

// The texts of a day's seven period cells on the row whose date text has its top at y ("" when empty).
QStringList periodsAt(const RecordingPrinter& p, int weekday, double y)
{
    QStringList cells;
    for (int period = 0; period < 7; ++period) {
        const double cell = blockLeft(weekday) + kDateColumn + kPeriod * period;
        const auto found = textsIn(p, cell, cell + kPeriod, y, y + 1);
        cells.append(found.isEmpty() ? QString() : found.first().text);
    }
    return cells;
}

bool crossedOut(const RecordingPrinter& p, int weekday, double rowTop)
{
    for (const auto& l : p.lines())
        if (l.x1 == blockLeft(weekday) && l.x2 == blockLeft(weekday) + kBlock && l.y1 == rowTop &&
            l.y2 > rowTop)
            return true;
    return false;
}

// Middle of a text in the sheets' fixed-pitch font.
double middleOf(const RecordingPrinter::Text& t)
{
    int columns = 0;
    for (QChar c : t.text)
        columns += c.unicode() < 0x100 ? 1 : 2;
    return t.x + columns * t.fontSize * 10 / 2;
}

// The figure printed in the column headed `heading` on the line of the row label or dates `row`.
const RecordingPrinter::Text* figure(const RecordingPrinter& p, const QString& heading, const QString& row)
{
    const RecordingPrinter::Text* head = p.findText(heading);
    const RecordingPrinter::Text* label = p.findText(row);
    if (!head || !label)
        return nullptr;
    const RecordingPrinter::Text* best = nullptr;
    for (const auto& t : p.texts()) {
        if (&t == head || std::abs(t.y - label->y) > 30 || std::abs(middleOf(t) - middleOf(*head)) > 250)
            continue;
        if (!best || std::abs(middleOf(t) - middleOf(*head)) < std::abs(middleOf(*best) - middleOf(*head)))
            best = &t;
    }
    return best;
}

QString figureText(const RecordingPrinter& p, const QString& heading, const QString& row)
{
    const RecordingPrinter::Text* t = figure(p, heading, row);
    return t ? t->text.trimmed() : QStringLiteral("<none>");
}

// Every line and text within the area, one document.
void expectOnePageWithin(const RecordingPrinter& p, const PrintableArea& area)
{
    EXPECT_EQ(p.documentsEnded(), 1);
    for (const auto& l : p.lines())
        EXPECT_TRUE(std::max(l.x1, l.x2) <= area.width + 1e-6 && std::max(l.y1, l.y2) <= area.height + 1e-6)
            << l.x1 << "," << l.y1 << " - " << l.x2 << "," << l.y2;
    for (const auto& t : p.texts())
        EXPECT_TRUE(t.x >= 0 && t.x < area.width && t.y >= 0 && t.y < area.height) << t.text.toStdString();
}

} // namespace

TEST(TermTimetableSheet, TitleTeacherAndLandscapePage)
{
    auto s = makePlan(2001);
    for (int term = 1; term <= 3; ++term) {
        const RecordingPrinter p = timetable(*s, term);
        EXPECT_EQ(p.settings().mid(0, 3),
                  QStringList({"colorMode 2", "orientation landscape", QStringLiteral("font ＭＳ 明朝")}));
        const QString title =
            QStringLiteral("平成13年度　%1学期の時間割表   ３年２組").arg(QChar(u'０' + term));
        EXPECT_NE(p.findText(title), nullptr) << title.toStdString();
        EXPECT_NE(p.findText(QStringLiteral("担任　（山田花子）")), nullptr);
        expectOnePageWithin(p, PrintableArea{});
    }
}

TEST(TermTimetableSheet, TermStartingOnWednesdayCrossesOutTheDaysBeforeAndAfterIt)
{
    auto s = makePlan(2001);
    s->dateSpringTo = QDate(2001, 4, 3);
    s->updateDayNumbers();
    const RecordingPrinter p = timetable(*s, 1);

    EXPECT_TRUE(crossedOut(p, 0, kRowsTop));  // Monday 2 April
    EXPECT_TRUE(crossedOut(p, 1, kRowsTop));  // Tuesday 3 April
    EXPECT_FALSE(crossedOut(p, 2, kRowsTop)); // Wednesday 4 April, the first day
    const double first = rowOfDate(p, 2, 4);
    ASSERT_GT(first, kRowsTop);
    EXPECT_LT(first, kRowsTop + 300);
    EXPECT_TRUE(textsIn(p, blockLeft(0), blockLeft(2), kRowsTop, first + 300).isEmpty());
    // Four school days: Wednesday to Saturday 7 April, a first Saturday.
    const auto days = textsIn(p, 500, 820, first, first + 1);
    ASSERT_EQ(days.size(), 1);
    EXPECT_EQ(days.first().text, QStringLiteral(" 4"));

    // The last row, 16 to 21 July: Friday 20 and Saturday 21 lie after the term.
    const QList<double> nineteenths = rowsOfDate(p, 3, 19); // 19 April and 19 July
    ASSERT_EQ(nineteenths.size(), 2);
    const double lastTop = rowTopAbove(p, nineteenths.last());
    ASSERT_GT(lastTop, first);
    EXPECT_TRUE(crossedOut(p, 4, lastTop));
    EXPECT_TRUE(crossedOut(p, 5, lastTop));
    EXPECT_FALSE(crossedOut(p, 3, lastTop));

    // The foot counts the same school days as the holiday calendar does for the term.
    const RecordingPrinter::Text* label = p.findText(QStringLiteral("授業日数"));
    ASSERT_NE(label, nullptr);
    const auto count = textsIn(p, label->x, label->x + 1, label->y + 1, label->y + 300);
    ASSERT_EQ(count.size(), 1);
    EXPECT_EQ(count.first().text, QStringLiteral("%1日").arg(countSchoolDays(*s).term1, 4));
}

TEST(TermTimetableSheet, RegisteredSaturdayShowsEveryPeriodAndItsEvent)
{
    auto s = makePlan(2001);
    s->strTimeCredit[5] = QStringLiteral("0333333");
    record(*s, QDate(2001, 4, 7), kE + QStringLiteral("国算理社音体")).strComment =
        QStringLiteral("授業参観");
    record(*s, QDate(2001, 4, 12), kE + QStringLiteral("算算算算") + kE + kE);
    const RecordingPrinter p = timetable(*s, 1);

    const double y = rowOfDate(p, 5, 7);
    ASSERT_GT(y, 0);
    EXPECT_EQ(periodsAt(p, 5, y), QStringList({"", "国", "算", "理", "社", "音", "体"}));
    const auto event = textsIn(p, blockLeft(5), blockLeft(5) + kBlock, y + 1, y + 450);
    ASSERT_EQ(event.size(), 1);
    EXPECT_EQ(event.first().text, QStringLiteral("授業参観"));
    EXPECT_EQ(periodsAt(p, 3, rowOfDate(p, 3, 12)), QStringList({"", "算", "算", "算", "算", "", ""}));

    // Saturday's six hours and Thursday's four count in the term.
    EXPECT_EQ(figureText(p, QStringLiteral("国語"), QStringLiteral("実績")), QStringLiteral("1.0"));
    EXPECT_EQ(figureText(p, QStringLiteral("算数"), QStringLiteral("実績")), QStringLiteral("5.0"));
    EXPECT_EQ(figureText(p, QStringLiteral("総時数"), QStringLiteral("実績")), QStringLiteral("10.0"));
}

TEST(TermTimetableSheet, DaysOffShowStarsAndLongEventsStayInTheirBlock)
{
    auto s = makePlan(2001);
    addHoliday(*s, QDate(2001, 5, 14));
    record(*s, QDate(2001, 5, 15), kE + QStringLiteral("国") + kE + kE + kE + kE + kE).strComment =
        QStringLiteral("春の遠足（雨天の場合は翌日に延期し、弁当を持参すること）");
    const RecordingPrinter p = timetable(*s, 1);

    const double y = rowOfDate(p, 0, 14);
    ASSERT_GT(y, 0);
    EXPECT_EQ(periodsAt(p, 0, y), QStringList(7, QStringLiteral("☆")));
    const auto event = textsIn(p, blockLeft(1), blockLeft(2), y + 1, y + 450);
    ASSERT_EQ(event.size(), 1);
    EXPECT_TRUE(event.first().text.startsWith(QStringLiteral("春の遠足")));
    EXPECT_TRUE(event.first().text.endsWith(QStringLiteral("…")));
    EXPECT_LE(event.first().x + event.first().text.size() * event.first().fontSize * 20, blockLeft(2));
}

TEST(TermTimetableSheet, ThirdTermBeginningInAWeekOfDecember)
{
    auto s = makePlan(2002);
    s->dateWinterTo = QDate(2003, 1, 1);
    s->updateDayNumbers();
    record(*s, QDate(2003, 1, 2), kE + QStringLiteral("国国") + kE + kE + kE + kE);
    const RecordingPrinter p = timetable(*s, 3);

    for (int weekday : {0, 1, 2}) // 30 and 31 December, New Year's Day
        EXPECT_TRUE(crossedOut(p, weekday, kRowsTop)) << weekday;
    const double y = rowOfDate(p, 3, 2);
    ASSERT_GT(y, kRowsTop);
    EXPECT_LT(y, kRowsTop + 300);
    EXPECT_EQ(periodsAt(p, 3, y), QStringList({"", "国", "国", "", "", "", ""}));
    // The first row is January's.
    const auto month = textsIn(p, 200, 500, kRowsTop, kRowsTop + 300);
    ASSERT_EQ(month.size(), 1);
    EXPECT_EQ(month.first().text, QStringLiteral(" 1"));
    EXPECT_EQ(figureText(p, QStringLiteral("国語"), QStringLiteral("実績")), QStringLiteral("2.0"));
}

// Plan of term 1: 国語 4.0, 算数 1.0. Registered: Tuesday 10 April 国国算 in periods 1–3 (3 + 3 + 3
// units), Monday 16 April 国国 in periods 0 and 1 (1 + 3 units), Saturday 21 July 体体 in the summer
// vacation (3 + 3 units); Wednesday 11 April was withdrawn and 10 August belongs to term 2. So term 1
// has 国語 10 units (3.1), 算数 3 (1.0), 体育 6 (2.0), 総時数 19 (6.1).
class TermFigures : public ::testing::Test {
protected:
    void SetUp() override
    {
        RivoSeasonTotal& plan = *s->objYearPlan->objFirstSeason;
        plan.kokugo = 12;
        plan.sannsuu = 3;
        plan.recomputeSubtotals();
        calculate(*s->objYearPlan);
        record(*s, QDate(2001, 4, 10), kE + QStringLiteral("国国算") + kE + kE + kE);
        record(*s, QDate(2001, 4, 11), kE + QStringLiteral("算算算") + kE + kE + kE, true);
        record(*s, QDate(2001, 4, 16), QStringLiteral("国国") + kE + kE + kE + kE + kE);
        record(*s, QDate(2001, 7, 21), kE + QStringLiteral("体体") + kE + kE + kE + kE);
        record(*s, QDate(2001, 8, 10), kE + QStringLiteral("算") + kE + kE + kE + kE + kE);
    }

    struct Cell {
        const char16_t* heading;
        const char* plan;
        const char* actual;
        const char* difference;
        QColor color;
    };
    const std::vector<Cell> cells = {
        {u"国語", "4.0", "3.1", "-0.2", kRed},   {u"算数", "1.0", "1.0", "0.0", kBlack},
        {u"体育", "0.0", "2.0", "2.0", kBlue},   {u"教科", "5.0", "6.1", "1.1", kBlue},
        {u"総時数", "5.0", "6.1", "1.1", kBlue}, {u"社会", "0.0", "0.0", "0.0", kBlack},
    };

    void expectFoot(const RecordingPrinter& p)
    {
        for (const Cell& c : cells) {
            const QString heading = QString::fromUtf16(c.heading);
            EXPECT_EQ(figureText(p, heading, QStringLiteral("計画")), QLatin1String(c.plan)) << c.plan;
            EXPECT_EQ(figureText(p, heading, QStringLiteral("実績")), QLatin1String(c.actual)) << c.actual;
            const RecordingPrinter::Text* d = figure(p, heading, QStringLiteral("増減"));
            ASSERT_NE(d, nullptr) << c.difference;
            EXPECT_EQ(d->text.trimmed(), QLatin1String(c.difference));
            EXPECT_EQ(d->color, c.color) << c.difference;
        }
    }

    std::unique_ptr<AppState> s = makePlan(2001);
};

TEST_F(TermFigures, TheTallyWindowShowsTheseFigures)
{
    const Tally t = computeTally(*s, QDate(2001, 5, 9));
    EXPECT_EQ(t.termBlock.plan.kokugo, 12);
    EXPECT_EQ(t.termBlock.actual.kokugo, 10);
    EXPECT_EQ(t.termBlock.actual.taiiku, 6);
    EXPECT_EQ(t.termBlock.actual.SouJisuu, 19);
    EXPECT_EQ(t.termBlock.difference(Field::SouJisuu), 4);
}

TEST_F(TermFigures, TimetableSheetFootShowsThem)
{
    expectFoot(timetable(*s, 1));
}

TEST_F(TermFigures, TallySheetShowsEachWeekTheRunningTotalAndTheTerm)
{
    const RecordingPrinter p = tally(*s, 1);
    EXPECT_NE(p.findText(QStringLiteral("平成13年度　１学期の時数集計表   ３年２組")), nullptr);
    expectFoot(p);

    struct Week {
        const char* dates;
        const char* kokugo;
        const char* sannsuu;
        const char* total;
        const char* running;
    };
    for (const Week& w : {Week{"4/2～4/7", "0.0", "0.0", "0.0", "0.0"},
                          {"4/9～4/14", "2.0", "1.0", "3.0", "3.0"},
                          {"4/16～4/21", "1.1", "0.0", "1.1", "4.1"},
                          {"4/23～4/28", "0.0", "0.0", "0.0", "4.1"},
                          {"7/16～7/21", "0.0", "0.0", "2.0", "6.1"}}) {
        const QString dates = QString::fromUtf8(w.dates);
        EXPECT_EQ(figureText(p, QStringLiteral("国語"), dates), QLatin1String(w.kokugo)) << w.dates;
        EXPECT_EQ(figureText(p, QStringLiteral("算数"), dates), QLatin1String(w.sannsuu)) << w.dates;
        EXPECT_EQ(figureText(p, QStringLiteral("総時数"), dates), QLatin1String(w.total)) << w.dates;
        EXPECT_EQ(figureText(p, QStringLiteral("累計"), dates), QLatin1String(w.running)) << w.dates;
    }
    EXPECT_EQ(p.findText(QStringLiteral("7/23～7/28")), nullptr); // the rows end with the term's week
}

TEST(TermTallySheet, WeeksAcrossNewYearCountEachTermsOwnDays)
{
    auto s = makePlan(2002);
    s->dateWinterTo = QDate(2003, 1, 1);
    s->updateDayNumbers();
    record(*s, QDate(2002, 12, 27), kE + QStringLiteral("算算") + kE + kE + kE + kE); // winter vacation
    record(*s, QDate(2003, 1, 2), kE + QStringLiteral("国国") + kE + kE + kE + kE);

    const RecordingPrinter third = tally(*s, 3);
    EXPECT_EQ(figureText(third, QStringLiteral("国語"), QStringLiteral("1/1～1/4")), QStringLiteral("2.0"));
    EXPECT_EQ(figureText(third, QStringLiteral("算数"), QStringLiteral("1/1～1/4")), QStringLiteral("0.0"));
    EXPECT_EQ(figureText(third, QStringLiteral("算数"), QStringLiteral("実績")), QStringLiteral("0.0"));
    EXPECT_EQ(third.findText(QStringLiteral("12/30～1/4")), nullptr);

    // Term 2 ends before Christmas; the lesson of 27 December still gets its week there.
    const RecordingPrinter second = tally(*s, 2);
    EXPECT_EQ(figureText(second, QStringLiteral("算数"), QStringLiteral("12/23～12/28")),
              QStringLiteral("2.0"));
    EXPECT_EQ(figureText(second, QStringLiteral("算数"), QStringLiteral("実績")), QStringLiteral("2.0"));
}

TEST(TermTallySheet, WeeksOfTheTermsMonthsWithLessonsOutsideItsRowsAreAdded)
{
    auto s = makePlan(2001);
    record(*s, QDate(2001, 8, 10), kE + QStringLiteral("算算") + kE + kE + kE + kE); // summer vacation
    const QList<TallyWeek> weeks = termTallyWeeks(*s, 2);
    ASSERT_FALSE(weeks.isEmpty());
    EXPECT_EQ(weeks.first().monday, QDate(2001, 8, 6));
    EXPECT_EQ(weeks.first().first, QDate(2001, 8, 6));
    EXPECT_EQ(weeks.last().last, QDate(2001, 12, 29)); // the week of the term's last day, 24 December
    EXPECT_EQ(weeks.size(), 21);                       // 6 August to 29 December

    const RecordingPrinter p = tally(*s, 2);
    EXPECT_EQ(figureText(p, QStringLiteral("算数"), QStringLiteral("8/6～8/11")), QStringLiteral("2.0"));
    EXPECT_EQ(figureText(p, QStringLiteral("算数"), QStringLiteral("実績")), QStringLiteral("2.0"));
}

TEST(TermSheets, TermWithoutRegisteredDaysPrintsItsEmptyGrid)
{
    auto s = makePlan(2001);
    for (int term = 1; term <= 3; ++term) {
        const RecordingPrinter t = timetable(*s, term);
        EXPECT_EQ(t.documentsEnded(), 1);
        EXPECT_EQ(figureText(t, QStringLiteral("総時数"), QStringLiteral("実績")), QStringLiteral("0.0"));
        const RecordingPrinter c = tally(*s, term);
        EXPECT_EQ(c.documentsEnded(), 1);
        EXPECT_EQ(figureText(c, QStringLiteral("総時数"), QStringLiteral("実績")), QStringLiteral("0.0"));
    }
    // Dates without periods: the row of 9 to 14 April shows Tuesday 10 and no subject.
    const RecordingPrinter p = timetable(*s, 1);
    const double y = rowOfDate(p, 1, 10);
    ASSERT_GT(y, 0);
    EXPECT_EQ(periodsAt(p, 1, y), QStringList(7, QString()));
    EXPECT_EQ(figureText(tally(*s, 1), QStringLiteral("累計"), QStringLiteral("7/16～7/21")),
              QStringLiteral("0.0"));

    // Without vacations there are no rows, but still the sheet and its foot.
    AppState bare;
    InitPlanDefaults(bare);
    bare.intYear = 2001;
    bare.intGrade = 3;
    for (int term = 1; term <= 3; ++term) {
        EXPECT_EQ(timetable(bare, term).documentsEnded(), 1);
        EXPECT_NE(tally(bare, term).findText(QStringLiteral("計画")), nullptr);
    }
}

TEST(TermSheets, StayWithinThePrintableArea)
{
    auto s = makePlan(2001);
    // Vacations of a single day: term 2 has 22 week rows.
    s->dateSummerTo = QDate(2001, 8, 1);
    s->dateWinterFrom = QDate(2002, 1, 1);
    s->updateDayNumbers();
    QPrinter printer;
    printer.setPageSize(QPageSize(QPageSize::A4));
    for (double margin : {5.0, 25.0, 40.0}) {
        printer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
        const PrintableArea area = landscapeArea(printer);
        for (int term = 1; term <= 3; ++term) {
            expectOnePageWithin(timetable(*s, term, area), area);
            expectOnePageWithin(tally(*s, term, area), area);
        }
    }
}
