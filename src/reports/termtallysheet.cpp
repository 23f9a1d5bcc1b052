#include "reports/termtallysheet.h"

#include "calendar/schooldaycount.h"
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
constexpr double kWeekRight = 1600;
constexpr double kRight = 15825;
constexpr double kRunningLeft = kRight - 900;

constexpr double kHeadTop = kTermSheetTableTop;
constexpr double kHeadBottom = kHeadTop + 420;
constexpr double kMinRow = 240;
constexpr double kMaxRow = 420;
constexpr double kPoints = 8;

double rowHeight(int rows)
{
    return std::clamp((kLandscapeAreaHeight - kHeadBottom) / (rows + 3), kMinRow, kMaxRow);
}

double sheetBottom(int rows)
{
    return kHeadBottom + (rows + 3) * rowHeight(rows);
}

double centred(double left, double right, int columns, double points)
{
    return (left + right - columns * points * 10) / 2;
}

QDate mondayOf(const QDate& day)
{
    return day.addDays(1 - day.dayOfWeek());
}

QString datesText(const TallyWeek& week)
{
    const auto md = [](const QDate& d) { return QStringLiteral("%1/%2").arg(d.month()).arg(d.day()); };
    return md(week.first) + QStringLiteral("～") + md(week.last);
}

class TermTallySheet {
public:
    TermTallySheet(const AppState& state, Printer& printer, int term)
        : m_state(state), m_p(printer), m_term(term), m_weeks(termTallyWeeks(state, term)),
          m_rowHeight(rowHeight(static_cast<int>(m_weeks.size()))),
          m_columns(termSheetFields(state), kWeekRight, kRunningLeft)
    {
    }

    void draw();

private:
    void header();
    void line(double x1, double y1, double x2, double y2, int width)
    {
        m_p.setDrawWidth(width);
        m_p.line(x1, y1, x2, y2);
    }
    double textY(double rowTop, double points) const { return rowTop + (m_rowHeight - points * 20) / 2; }

    const AppState& m_state;
    Printer& m_p;
    int m_term;
    QList<TallyWeek> m_weeks;
    double m_rowHeight;
    FieldColumns m_columns;
};

void TermTallySheet::draw()
{
    beginTermSheet(m_p, m_state, m_term, QStringLiteral("時数集計表"));
    header();

    double y = kHeadBottom;
    int running = 0;
    for (const TallyWeek& week : m_weeks) {
        const UnitCounts hours = weekActual(m_state, week.first, week.countedTo);
        running = add16(running, hours.SouJisuu);
        const double ty = textY(y, kPoints);
        m_p.setFontSize(kPoints);
        m_p.printAt(kLeft + 80, ty, datesText(week));
        m_columns.values(m_p, hours, ty, kPoints);
        m_p.setFontSize(kPoints);
        m_p.printAt(kRight - 40 - FieldColumns::kValueChars * kPoints * 10, ty,
                    fncCtoS(static_cast<Units>(running), FieldColumns::kValueChars));
        y += m_rowHeight;
        line(kLeft, y, kRight, y, 1);
    }
    line(kLeft, y, kRight, y, 3);

    const TallyBlock figures = termTally(m_state, m_term);
    const QString labels[] = {QStringLiteral("計画"), QStringLiteral("実績"), QStringLiteral("増減")};
    for (int r = 0; r < 3; ++r) {
        m_p.setFontSize(9);
        m_p.printAt(kLeft + 80, textY(y, 9), labels[r]);
        const double ty = textY(y, kPoints);
        if (r == 0)
            m_columns.values(m_p, figures.plan, ty, kPoints);
        else if (r == 1)
            m_columns.values(m_p, figures.actual, ty, kPoints);
        else
            m_columns.differences(m_p, figures, ty, kPoints);
        y += m_rowHeight;
        if (r < 2)
            line(kLeft, y, kRight, y, 1);
    }

    line(kWeekRight, kHeadTop, kWeekRight, y, 2);
    line(kRunningLeft, kHeadTop, kRunningLeft, y, 2);
    m_columns.rules(m_p, kHeadTop, y);
    line(kLeft, kTermSheetTop, kRight, kTermSheetTop, 4);
    line(kLeft, y, kRight, y, 4);
    line(kLeft, kTermSheetTop, kLeft, y, 4);
    line(kRight, kTermSheetTop, kRight, y, 4);
    m_p.endDoc();
}

void TermTallySheet::header()
{
    const double em = kPoints * 20;
    m_p.setFontSize(kPoints);
    m_p.printAt(centred(kLeft, kWeekRight, 2, kPoints), (kHeadTop + kHeadBottom - em) / 2,
                QStringLiteral("週"));
    m_columns.headings(m_p, kHeadTop, kHeadBottom, kPoints);
    m_p.setFontSize(kPoints);
    // The running total of 総時数, week by week.
    m_p.printAt(centred(kRunningLeft, kRight, 4, kPoints), (kHeadTop + kHeadBottom - em) / 2,
                QStringLiteral("累計"));
    line(kLeft, kHeadTop, kRight, kHeadTop, 2);
    line(kLeft, kHeadBottom, kRight, kHeadBottom, 2);
}

} // namespace

QList<TallyWeek> termTallyWeeks(const AppState& state, int term)
{
    const QDate monthsFirst = termFirstDay(state.intYear, term);
    const QDate monthsLast = termLastDay(state.intYear, term);
    const TermWeeks weeks = termWeeks(state)[static_cast<std::size_t>(term - 1)];

    QDate firstMonday = weeks.rows > 0 ? weeks.firstMonday : QDate();
    QDate lastMonday = weeks.rows > 0 ? weeks.monday(weeks.rows - 1) : QDate();
    for (const RivoDayTime* d = state.objDayChain->objNextDay.get(); d; d = d->objNextDay.get()) {
        if (d->boolNowPlanning || d->dateThisDay < monthsFirst || d->dateThisDay > monthsLast)
            continue;
        const QDate monday = mondayOf(d->dateThisDay);
        if (!firstMonday.isValid() || monday < firstMonday)
            firstMonday = monday;
        if (!lastMonday.isValid() || monday > lastMonday)
            lastMonday = monday;
    }

    QList<TallyWeek> rows;
    if (!firstMonday.isValid())
        return rows;
    for (QDate monday = firstMonday; monday <= lastMonday; monday = monday.addDays(7)) {
        const QDate first = std::max(monday, monthsFirst);
        rows.append({monday, first, std::max(first, std::min(monday.addDays(5), monthsLast)),
                     std::min(monday.addDays(6), monthsLast)});
    }
    return rows;
}

void subPrintSeasonTotal(AppState& state, Printer& printer, int term, const PrintableArea& area)
{
    computeYearResult(state);
    const auto rows = static_cast<int>(termTallyWeeks(state, term).size());
    ScaledPrinter fitted(printer, fitFactor(area, kRight, sheetBottom(rows)));
    TermTallySheet(state, fitted, term).draw();
}
