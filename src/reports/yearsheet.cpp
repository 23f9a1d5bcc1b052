#include "reports/yearsheet.h"

#include "core/appstate.h"
#include "platform/printer.h"
#include "reports/printhelpers.h"
#include "reports/scaledprinter.h"
#include "reports/yearsheettally.h"
#include "totals/tally.h"
#include "totals/yeartotals.h"

#include <algorithm>

namespace {

constexpr double kLeft = 200;
constexpr double kRight = 15825;
constexpr double kTop = 350;
constexpr double kHeaderBottom = 1540;
constexpr double kRowHeight = 170;
constexpr double kTermFoot = 510; // the plan, actual and difference lines below a term's rows
constexpr double kTermGap = 20;   // between a term's foot and the next block
constexpr double kSummaryLeft = 7120;
constexpr double kSummaryText = 7320;

// The weekday blocks: a date column and one column per period, 180 twips each.
constexpr double kBlockLeft = 940;
constexpr double kBlockWidth = 1440;
constexpr double kSubColumn = 180;
constexpr int periodsOf(int weekday) // 0 = Monday … 5 = Saturday
{
    return weekday == 5 ? 4 : 7;
}

constexpr double kTallyLeft = kYearTallyLeft;

struct HeaderText {
    QStringView text;
    double x, y;
};

// Size 8: headings of the timetable columns (the tally's follow them).
constexpr HeaderText kTimetableHeadings[] = {
    {u"学", 270, 1220},  {u"期", 270, 1390},  {u"月", 520, 1220},  {u"日", 740, 1220},
    {u"数", 740, 1390},  {u"月", 1600, 1220}, {u"火", 3040, 1220}, {u"水", 4480, 1220},
    {u"木", 5920, 1220}, {u"金", 7360, 1220}, {u"土", 8440, 1220},
};

// Size 7: the date and period columns of every weekday block.
constexpr QStringView kSubColumnHeads = u"日０ⅠⅡⅢⅣⅤⅥ";

constexpr QStringView kTermLabels = u"一二三";

const RivoSeasonTotal& termOrEmpty(const RivoSeasonTotal* term)
{
    static const RivoSeasonTotal kEmpty;
    return term ? *term : kEmpty;
}

class YearSheet {
public:
    YearSheet(AppState& state, Printer& printer)
        : m_state(state), m_p(printer), m_counted(state), m_tally(yearSheetTally(state.catalogue()))
    {
    }

    void draw(const std::array<YearSheetTerm, 3>& terms);

private:
    void header();
    double termBlock(int term, const YearSheetTerm& rows, double top);
    void monthColumn(const QDate& reference, int firstMonth, double y);
    int weekRow(const YearSheetTerm& term, const QDate& monday, double y);
    void tallyRules(double from, double to);
    void summaryLines(double y);
    void comparison(const UnitCounts& plan, const UnitCounts& actual, double y);
    // A value of a tally column; the font is at the values' size before and after.
    void value(const YearSheetColumn& column, double paddedX, int paddedChars, double y, const QString& s);

    void text(double x, double y, const QString& s) { m_p.printAt(x, y, s); }
    void line(double x1, double y1, double x2, double y2, int width)
    {
        m_p.setDrawWidth(width);
        m_p.line(x1, y1, x2, y2);
    }

    AppState& m_state;
    Printer& m_p;
    const CountedDays m_counted;
    const YearSheetTally m_tally;
    int m_currentMonth = 0;
    int m_rowInMonth = 0;
    int m_yearDays = 0;
};

void YearSheet::draw(const std::array<YearSheetTerm, 3>& terms)
{
    m_p.setColorMode(2);
    m_p.setOrientation(Printer::Orientation::Landscape);
    m_p.setFontName(kSheetFontMincho);

    header();
    double y = kHeaderBottom;
    for (int t = 0; t < 3; ++t)
        y = termBlock(t, terms[static_cast<std::size_t>(t)], y);

    // The year: plan as it stands, results as just computed.
    line(kSummaryLeft, y, kSummaryLeft, y + kTermFoot, 2);
    line(kTallyLeft, y, kTallyLeft, y + kTermFoot, 2);
    tallyRules(y, y + kTermFoot);
    m_p.setFontSize(8);
    summaryLines(y);
    text(520, y + 190, QStringLiteral("授業日数　 %1日").arg(m_yearDays));
    text(kSummaryText, y + 20, QStringLiteral("年　間　計画"));
    text(kSummaryText, y + 190, QStringLiteral("年　間　実績"));
    text(kSummaryText, y + 360, QStringLiteral("年　間　増減"));
    comparison(*m_state.objYearPlan, *m_state.objYearResult, y);

    line(kLeft, y + kTermFoot, kRight, y + kTermFoot, 4);
    line(kLeft, kTop, kLeft, y + kTermFoot, 4);
    line(kRight, kTop, kRight, y + kTermFoot, 4);
    m_p.endDoc();
}

void YearSheet::header()
{
    m_p.setFontSize(14);
    text(500, 520,
         QStringLiteral("年 間 時 間 割　及び　時 間 集 計 表   ") + gradeDigit(m_state.intGrade) +
             QStringLiteral("年") + classText(m_state.strClass) + QStringLiteral("組"));
    m_p.setFontSize(10);
    text(5600, 910, QStringLiteral("担任　（") + m_state.strTeacher + QStringLiteral("）"));

    m_p.setFontSize(8);
    for (const HeaderText& h : kTimetableHeadings)
        text(h.x, h.y, h.text.toString());
    for (const YearSheetHeading& h : m_tally.headings)
        text(h.x, h.y, h.text);
    m_p.setFontSize(7);
    for (int w = 0; w < 6; ++w) {
        const double left = kBlockLeft + kBlockWidth * w;
        for (int k = 0; k <= periodsOf(w); ++k)
            text(left + kSubColumn * k, 1370, kSubColumnHeads.mid(k, 1).toString());
    }

    line(kLeft, kTop, kRight, kTop, 4);
    for (const YearSheetLine& l : m_tally.headerLines)
        line(l.x1, l.y1, l.x2, l.y2, l.width);
    line(kLeft, 1200, kTallyLeft, 1200, 2);
    for (double x : {500.0, 720.0, 940.0, 2380.0, 3820.0, 5260.0, 6700.0, 8140.0})
        line(x, 1200, x, kHeaderBottom, 2);
    line(kTallyLeft, kTop, kTallyLeft, kHeaderBottom, 2);
    line(kBlockLeft, 1370, kTallyLeft, 1370, 2);
    for (int w = 0; w < 6; ++w) {
        const double left = kBlockLeft + kBlockWidth * w;
        for (int k = 1; k <= periodsOf(w); ++k)
            line(left + kSubColumn * k, 1370, left + kSubColumn * k, kHeaderBottom, 1);
    }
    line(kLeft, kHeaderBottom, kRight, kHeaderBottom, 1);
}

double YearSheet::termBlock(int t, const YearSheetTerm& term, double top)
{
    static constexpr int kFirstMonth[] = {4, 8, 1};
    const QString label = kTermLabels.mid(t, 1).toString();

    m_p.setDrawWidth(1);
    m_p.setFontSize(8);
    text(270, top + 340, label);
    text(270, top + 1020, QStringLiteral("学"));
    text(270, top + 1700, QStringLiteral("期"));

    m_currentMonth = 0;
    m_rowInMonth = 0;
    int termDays = 0;
    double y = top;
    for (int row = 0; row < term.rows; ++row) {
        const QDate monday = term.monday(row);
        // A row belongs to the month of its Tuesday.
        monthColumn(monday.addDays(1), kFirstMonth[t], y);
        termDays += weekRow(term, monday, y);
        y += kRowHeight;
        line(720, y, kRight, y, 1);
    }
    m_yearDays += termDays;

    line(500, y, kRight, y, 2);
    line(500, top, 500, y + kTermFoot, 2);
    line(720, top, 720, y, 2);
    line(kBlockLeft, top, kBlockLeft, y, 2);
    for (int w = 0; w < 6; ++w) {
        const double left = kBlockLeft + kBlockWidth * w;
        const int last = w == 5 ? periodsOf(w) : periodsOf(w) + 1;
        for (int k = 1; k <= last; ++k)
            line(left + kSubColumn * k, top, left + kSubColumn * k, y, k == 8 ? 2 : 1);
    }
    line(kSummaryLeft, y, kSummaryLeft, y + kTermFoot, 2);
    line(kTallyLeft, top, kTallyLeft, y + kTermFoot, 2);
    tallyRules(top, y + kTermFoot);
    m_p.setFontSize(8);
    summaryLines(y);

    text(520, y + 190, QStringLiteral("授業日数　 %1日").arg(termDays));
    text(kSummaryText, y + 20, label + QStringLiteral("学期　計画"));
    text(kSummaryText, y + 190, label + QStringLiteral("学期　実績"));
    text(kSummaryText, y + 360, label + QStringLiteral("学期　増減"));

    const auto planTerms = m_state.objYearPlan->terms();
    const auto resultTerms = m_state.objYearResult->terms();
    comparison(termOrEmpty(planTerms[static_cast<std::size_t>(t)]),
               termOrEmpty(resultTerms[static_cast<std::size_t>(t)]), y);

    line(kLeft, y + kTermFoot, kRight, y + kTermFoot, 1);
    y += kTermFoot + kTermGap;
    line(kLeft, y, kRight, y, 1);
    return y;
}

void YearSheet::monthColumn(const QDate& reference, int firstMonth, double y)
{
    const int month = reference.month();
    if (month != m_currentMonth) {
        m_currentMonth = month;
        m_rowInMonth = 0;
        // August is often a single row after the vacation: its number goes on its first row.
        if (month == 8) {
            m_p.setFontSize(8);
            text(520, y, fncItoS(static_cast<std::int16_t>(month), 2));
        }
        return;
    }
    if (++m_rowInMonth != 1)
        return;
    if (month != firstMonth) {
        const double r = reference.day() > 10 ? 100 : 0;
        m_p.line(500, y - kRowHeight - r, 720, y - kRowHeight - r);
    }
    if (month != 8) {
        m_p.setFontSize(8);
        text(520, y + 20, fncItoS(static_cast<std::int16_t>(month), 2));
    }
}

int YearSheet::weekRow(const YearSheetTerm& term, const QDate& monday, double y)
{
    m_p.setFontSize(7);
    int schoolDays = 0;
    for (int w = 0; w < 6; ++w) {
        const QDate date = monday.addDays(w);
        const SheetDay day = sheetDay(m_state, m_counted, term, date);
        const double left = kBlockLeft + kBlockWidth * w;
        const int periods = periodsOf(w);
        if (day.kind == SheetDay::Kind::OutsideTerm) {
            m_p.line(left, y, left + kSubColumn * (periods + 1), y + kRowHeight);
            continue;
        }
        text(left + 20, y + 20, fncItoS(static_cast<std::int16_t>(date.day()), 2));
        schoolDays += day.kind == SheetDay::Kind::SchoolDay;
        for (int p = 1; p <= periods; ++p) {
            const QString c = day.kind == SheetDay::Kind::DayOff ? QStringLiteral("☆") : day.initial(p - 1);
            if (!c.isEmpty())
                text(left + kSubColumn * p + 20, y + 20, c);
        }
    }
    text(740, y + 20, fncItoS(static_cast<std::int16_t>(schoolDays), 2));

    // Every counted record of the row's six days, also those outside the term.
    const UnitCounts week = weekActual(m_state, monday, monday.addDays(5));
    m_p.setFontSize(m_tally.valuePoints);
    for (const YearSheetColumn& c : m_tally.columns)
        value(c, c.weekX, c.weekChars, y + 50, fncCtoS(week[c.field], c.weekChars));
    return schoolDays;
}

void YearSheet::tallyRules(double from, double to)
{
    for (const YearSheetRule& r : m_tally.rules)
        line(r.x, from, r.x, to, r.width);
}

void YearSheet::summaryLines(double y)
{
    line(kSummaryLeft, y + 170, kRight, y + 170, 2);
    line(kSummaryLeft, y + 340, kRight, y + 340, 2);
}

void YearSheet::comparison(const UnitCounts& plan, const UnitCounts& actual, double y)
{
    m_p.setFontSize(m_tally.valuePoints);
    for (const YearSheetColumn& c : m_tally.columns) {
        const int chars = c.termChars;
        value(c, c.termX, chars, y + 50, fncCtoS(plan[c.field], chars));
        value(c, c.termX, chars, y + 220, fncCtoS(actual[c.field], chars));
        const auto difference = unitDifference(plan[c.field], actual[c.field]);
        const auto place = placeYearSheetValue(m_tally, c, c.termX, chars, differenceText(difference, chars));
        if (place.points != m_tally.valuePoints)
            m_p.setFontSize(place.points);
        m_p.setCurrentX(place.x);
        m_p.setCurrentY(y + 390 + place.dy);
        printDifference(m_p, difference, chars);
        if (place.points != m_tally.valuePoints)
            m_p.setFontSize(m_tally.valuePoints);
    }
}

void YearSheet::value(const YearSheetColumn& column, double paddedX, int paddedChars, double y,
                      const QString& s)
{
    const auto place = placeYearSheetValue(m_tally, column, paddedX, paddedChars, s);
    if (place.points != m_tally.valuePoints)
        m_p.setFontSize(place.points);
    text(place.x, y + place.dy, s);
    if (place.points != m_tally.valuePoints)
        m_p.setFontSize(m_tally.valuePoints);
}

} // namespace

std::array<YearSheetTerm, 3> yearSheetTerms(const AppState& state)
{
    return termWeeks(state);
}

double yearSheetBottom(const std::array<YearSheetTerm, 3>& terms)
{
    double y = kHeaderBottom;
    for (const YearSheetTerm& t : terms)
        y += t.rows * kRowHeight + kTermFoot + kTermGap;
    return y + kTermFoot;
}

void subPrintYear(AppState& state, Printer& printer, const PrintableArea& area)
{
    computeYearResult(state);
    const auto terms = yearSheetTerms(state);
    ScaledPrinter fitted(printer, fitFactor(area, kRight, yearSheetBottom(terms)));
    YearSheet(state, fitted).draw(terms);
}
