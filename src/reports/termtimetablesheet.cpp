#include "reports/termtimetablesheet.h"

#include "core/appstate.h"
#include "platform/printer.h"
#include "reports/printhelpers.h"
#include "reports/scaledprinter.h"
#include "reports/termsheetparts.h"
#include "reports/termweeks.h"
#include "totals/tally.h"
#include "totals/yeartotals.h"

#include <algorithm>

namespace {

constexpr double kLeft = kTermSheetLeft;
constexpr double kMonthRight = 500;
constexpr double kBlockLeft = 820; // the school-day count stands between kMonthRight and here
constexpr double kDateColumn = 540;
constexpr double kPeriodColumn = 280;
constexpr int kPeriods = 7; // Saturday too: the sheet shows every period that was taught
constexpr double kBlockWidth = kDateColumn + kPeriodColumn * kPeriods;
constexpr double kRight = kBlockLeft + 6 * kBlockWidth;

constexpr double kHeadTop = kTermSheetTableTop;
constexpr double kWeekdayBottom = kHeadTop + 260;
constexpr double kHeadBottom = kWeekdayBottom + 220;

constexpr double kEventBand = 190; // under the dates and periods: the day's event
constexpr double kEventPoints = 6.5;
constexpr double kMinRow = 380;
constexpr double kMaxRow = 600;

constexpr double kFootHeading = 400;
constexpr double kFootRow = 250;
constexpr double kFoot = kFootHeading + 3 * kFootRow;
constexpr double kFootLabelRight = 1420;

// Rows as high as the page allows, so a short term is not lost in white space; a term with more
// weeks than fit at the smallest height is drawn smaller as a whole.
double rowHeight(int rows)
{
    if (rows == 0)
        return kMaxRow;
    return std::clamp((kLandscapeAreaHeight - kHeadBottom - kFoot) / rows, kMinRow, kMaxRow);
}

double sheetBottom(int rows)
{
    return kHeadBottom + rows * rowHeight(rows) + kFoot;
}

// Left edge of a text of `columns` half-width columns centred between left and right.
double centred(double left, double right, int columns, double points)
{
    return (left + right - columns * points * 10) / 2;
}

class TermTimetableSheet {
public:
    TermTimetableSheet(const AppState& state, Printer& printer, int term)
        : m_state(state), m_p(printer), m_term(term),
          m_weeks(termWeeks(state)[static_cast<std::size_t>(term - 1)]), m_counted(state),
          m_rowHeight(rowHeight(m_weeks.rows))
    {
    }

    void draw();

private:
    void header();
    int weekRow(const QDate& monday, double y);
    void foot(double top, int schoolDays);

    void text(double x, double y, const QString& s) { m_p.printAt(x, y, s); }
    void line(double x1, double y1, double x2, double y2, int width)
    {
        m_p.setDrawWidth(width);
        m_p.line(x1, y1, x2, y2);
    }

    const AppState& m_state;
    Printer& m_p;
    int m_term;
    TermWeeks m_weeks;
    CountedDays m_counted;
    double m_rowHeight;
};

void TermTimetableSheet::draw()
{
    beginTermSheet(m_p, m_state, m_term, QStringLiteral("時間割表"));
    header();

    int schoolDays = 0;
    int month = 0;
    double y = kHeadBottom;
    for (int row = 0; row < m_weeks.rows; ++row) {
        const QDate monday = m_weeks.monday(row);
        // A row belongs to the month of its first day in the term, so a third term that begins
        // in a week of December starts with January; each month is named on its first row.
        const int rowMonth = std::max(monday, m_weeks.firstDay).month();
        if (rowMonth != month) {
            month = rowMonth;
            if (row > 0)
                line(kLeft, y, kMonthRight, y, 1);
            m_p.setFontSize(9);
            text(centred(kLeft, kMonthRight, 2, 9), y + 40, fncItoS(static_cast<std::int16_t>(month), 2));
        }
        schoolDays += weekRow(monday, y);
        y += m_rowHeight;
        line(kMonthRight, y, kRight, y, 1);
    }

    // The columns of the rows.
    line(kLeft, y, kRight, y, 2);
    line(kMonthRight, kHeadTop, kMonthRight, y, 2);
    for (int w = 0; w <= 6; ++w)
        line(kBlockLeft + kBlockWidth * w, kHeadTop, kBlockLeft + kBlockWidth * w, y, 2);

    foot(y, schoolDays);

    const double end = y + kFoot;
    line(kLeft, kTermSheetTop, kRight, kTermSheetTop, 4);
    line(kLeft, end, kRight, end, 4);
    line(kLeft, kTermSheetTop, kLeft, end, 4);
    line(kRight, kTermSheetTop, kRight, end, 4);
    m_p.endDoc();
}

void TermTimetableSheet::header()
{
    static constexpr QStringView kWeekdays = u"月火水木金土";
    static constexpr QStringView kColumnHeads = u"日０ⅠⅡⅢⅣⅤⅥ";

    m_p.setFontSize(9);
    text(centred(kLeft, kMonthRight, 2, 9), kHeadTop + 130, QStringLiteral("月"));
    text(centred(kMonthRight, kBlockLeft, 2, 9), kHeadTop + 40, QStringLiteral("日"));
    text(centred(kMonthRight, kBlockLeft, 2, 9), kWeekdayBottom + 20, QStringLiteral("数"));
    m_p.setFontSize(10);
    for (int w = 0; w < 6; ++w) {
        const double left = kBlockLeft + kBlockWidth * w;
        text(centred(left, left + kBlockWidth, 2, 10), kHeadTop + 30, kWeekdays.mid(w, 1).toString());
    }
    m_p.setFontSize(8);
    for (int w = 0; w < 6; ++w) {
        const double left = kBlockLeft + kBlockWidth * w;
        text(centred(left, left + kDateColumn, 2, 8), kWeekdayBottom + 30, kColumnHeads.left(1).toString());
        for (int p = 0; p < kPeriods; ++p) {
            const double cell = left + kDateColumn + kPeriodColumn * p;
            text(centred(cell, cell + kPeriodColumn, 2, 8), kWeekdayBottom + 30,
                 kColumnHeads.mid(p + 1, 1).toString());
        }
    }

    line(kLeft, kHeadTop, kRight, kHeadTop, 2);
    line(kBlockLeft, kWeekdayBottom, kRight, kWeekdayBottom, 1);
    for (int w = 0; w < 6; ++w) {
        const double left = kBlockLeft + kBlockWidth * w;
        for (int p = 0; p < kPeriods; ++p) {
            const double x = left + kDateColumn + kPeriodColumn * p;
            line(x, kWeekdayBottom, x, kHeadBottom, 1);
        }
    }
    line(kLeft, kHeadBottom, kRight, kHeadBottom, 2);
}

int TermTimetableSheet::weekRow(const QDate& monday, double y)
{
    const double band = m_rowHeight - kEventBand; // dates and periods
    const double points = std::clamp(band / 20 * 0.7, 7.0, 10.0);
    const double textY = y + (band - points * 20) / 2;
    const int eventColumns = static_cast<int>((kBlockWidth - 80) / (kEventPoints * 10));

    int schoolDays = 0;
    for (int w = 0; w < 6; ++w) {
        const QDate date = monday.addDays(w);
        const SheetDay day = sheetDay(m_state, m_counted, m_weeks, date);
        const double left = kBlockLeft + kBlockWidth * w;
        for (int p = 0; p < kPeriods; ++p) {
            const double x = left + kDateColumn + kPeriodColumn * p;
            line(x, y, x, y + band, 1);
        }
        if (day.kind == SheetDay::Kind::OutsideTerm) {
            line(left, y, left + kBlockWidth, y + m_rowHeight, 1);
            continue;
        }
        m_p.setFontSize(points);
        text(centred(left, left + kDateColumn, 2, points), textY,
             fncItoS(static_cast<std::int16_t>(date.day()), 2));
        schoolDays += day.kind == SheetDay::Kind::SchoolDay;
        for (int p = 0; p < kPeriods; ++p) {
            const QString c = day.kind == SheetDay::Kind::DayOff ? QStringLiteral("☆") : day.initial(p);
            const double cell = left + kDateColumn + kPeriodColumn * p;
            if (!c.isEmpty())
                text(centred(cell, cell + kPeriodColumn, 2, points), textY, c);
        }
        if (day.record && !day.record->strComment.isEmpty()) {
            m_p.setFontSize(kEventPoints);
            text(left + 40, y + band + (kEventBand - kEventPoints * 20) / 2,
                 fitText(day.record->strComment, eventColumns));
        }
    }
    m_p.setFontSize(9);
    text(centred(kMonthRight, kBlockLeft, 2, 9), textY, fncItoS(static_cast<std::int16_t>(schoolDays), 2));
    return schoolDays;
}

void TermTimetableSheet::foot(double top, int schoolDays)
{
    const FieldColumns columns(termSheetFields(m_state), kFootLabelRight, kRight);
    columns.headings(m_p, top, top + kFootHeading, 7.5);
    m_p.setFontSize(8);
    text(kLeft + 60, top + 40, QStringLiteral("授業日数"));
    text(kLeft + 60, top + 210, fncItoS(static_cast<std::int16_t>(schoolDays), 4) + QStringLiteral("日"));

    const TallyBlock figures = termTally(m_state, m_term);
    const QString labels[] = {QStringLiteral("計画"), QStringLiteral("実績"), QStringLiteral("増減")};
    double y = top + kFootHeading;
    for (int r = 0; r < 3; ++r) {
        line(kLeft, y, kRight, y, 1);
        const double textY = y + (kFootRow - 160) / 2;
        m_p.setFontSize(9);
        text(kLeft + 60, y + (kFootRow - 180) / 2, labels[r]);
        if (r == 0)
            columns.values(m_p, figures.plan, textY, 8);
        else if (r == 1)
            columns.values(m_p, figures.actual, textY, 8);
        else
            columns.differences(m_p, figures, textY, 8);
        y += kFootRow;
    }
    line(kFootLabelRight, top, kFootLabelRight, y, 2);
    columns.rules(m_p, top, y);
}

} // namespace

void subPrintSeasonTimeChart(AppState& state, Printer& printer, int term, const PrintableArea& area)
{
    computeYearResult(state);
    const int rows = termWeeks(state)[static_cast<std::size_t>(term - 1)].rows;
    ScaledPrinter fitted(printer, fitFactor(area, kRight, sheetBottom(rows)));
    TermTimetableSheet(state, fitted, term).draw();
}
