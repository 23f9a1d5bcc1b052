#include "reports/schoolsummarysheet.h"

#include "calendar/dates.h"
#include "platform/printer.h"
#include "reports/printhelpers.h"
#include "reports/scaledprinter.h"
#include "summary/csvtables.h"
#include "summary/schoolsummary.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The page in twips, laid for the default printable area of A4 landscape.
constexpr double kPageWidth = 16200;
constexpr double kPageHeight = 11300;
constexpr double kLeft = 100;
constexpr double kRight = 16100;
constexpr double kTitleY = 120;
constexpr double kTableTop = 760;
constexpr double kHeadingRow = 250; // two heading rows: the field, then 計画 / 実績 / 増減
constexpr double kRowHeight = 275;  // 36 rows end above the foot of an A4 landscape page
constexpr double kGradeWidth = 360;
constexpr double kClassWidth = 480;
constexpr double kTeacherWidth = 1260;
constexpr double kMaxFigurePoints = 6.5;
constexpr double kHalfWidthPerPoint = 10; // a half-width character of the gothic face: 1/2 em
constexpr double kFullWidthPerPoint = 20;
constexpr double kCellPadding = 90; // keeps a figure clear of the rules on both sides
// Widest figures: "-315.0" in a subject, "-1015.0" in a total.
constexpr int kSubjectChars = 6;
constexpr int kTotalChars = 7;

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

bool isTotal(Field f)
{
    return f == Field::SouJyugyouJisuu || f == Field::SouJisuu;
}

struct Column {
    Field field;
    double left;
    double subWidth;
    int subColumns; // 2: 実績, 増減; 3: 計画, 実績, 増減
};

class SummarySheet {
public:
    SummarySheet(Printer& printer, const SchoolSummary& summary) : m_p(printer), m_summary(summary) {}

    void drawPage(const SchoolYearTable& table, std::size_t firstRow, int page, int pages);

private:
    // The columns of the table, and the figure size that lets the widest figure fit them.
    std::vector<Column> layout(const SchoolYearTable& table);
    void text(double x, double y, const QString& s, double points, const QColor& color = kBlack);
    // Right-aligned within a cell ending at `right`, as the monospaced digits of the gothic face.
    void figure(double right, double y, const QString& s, const QColor& color = kBlack);
    // Centred on x, for full-width text.
    void centred(double x, double y, const QString& s, double points);
    void rule(double x1, double y1, double x2, double y2, int width);

    Printer& m_p;
    const SchoolSummary& m_summary;
    double m_figurePoints = kMaxFigurePoints;
};

std::vector<Column> SummarySheet::layout(const SchoolYearTable& table)
{
    const std::vector<Field> fields = summarySheetSubjects(table);
    const auto totals = static_cast<int>(std::count_if(fields.begin(), fields.end(), isTotal));
    const auto subjects = static_cast<int>(fields.size()) - totals;
    const double start = kLeft + kGradeWidth + kClassWidth + kTeacherWidth;
    // Every sub-column holds its widest figure at one size: solve the page width for that size.
    const double charUnits = 2.0 * subjects * kSubjectChars + 3.0 * totals * kTotalChars;
    const double padding = (2.0 * subjects + 3.0 * totals) * kCellPadding;
    m_figurePoints =
        std::min(kMaxFigurePoints, (kRight - start - padding) / (charUnits * kHalfWidthPerPoint));
    const double subjectSub = kSubjectChars * m_figurePoints * kHalfWidthPerPoint + kCellPadding;
    const double totalSub = kTotalChars * m_figurePoints * kHalfWidthPerPoint + kCellPadding;
    std::vector<Column> out;
    double x = start;
    for (Field f : fields) {
        const Column c{f, x, isTotal(f) ? totalSub : subjectSub, isTotal(f) ? 3 : 2};
        out.push_back(c);
        x += c.subWidth * c.subColumns;
    }
    return out;
}

void SummarySheet::text(double x, double y, const QString& s, double points, const QColor& color)
{
    m_p.setFontSize(points);
    m_p.setForeColor(color);
    m_p.printAt(x, y, s);
    m_p.setForeColor(kBlack);
}

void SummarySheet::figure(double right, double y, const QString& s, const QColor& color)
{
    text(right - kCellPadding / 2 - s.size() * m_figurePoints * kHalfWidthPerPoint, y, s, m_figurePoints,
         color);
}

void SummarySheet::centred(double x, double y, const QString& s, double points)
{
    text(x - s.size() * points * kFullWidthPerPoint / 2, y, s, points);
}

void SummarySheet::rule(double x1, double y1, double x2, double y2, int width)
{
    m_p.setDrawWidth(width);
    m_p.line(x1, y1, x2, y2);
}

void SummarySheet::drawPage(const SchoolYearTable& table, std::size_t firstRow, int page, int pages)
{
    const std::size_t lastRow = std::min(table.rows.size(), firstRow + kSummaryRowsPerPage);
    const int rowCount = static_cast<int>(lastRow - firstRow);

    text(kLeft, kTitleY, u"学校全体の授業時数集計"_s, 14);
    const QString until = m_summary.until.isValid()
                              ? u"%1 までの実績"_s.arg(m_summary.until.toString(u"yyyy年M月d日"_s))
                              : u"登録したすべての日の実績"_s;
    QString info = u"%1　%2　%3学級"_s.arg(schoolYearName(table.schoolYear), until).arg(table.rows.size());
    if (pages > 1)
        info += u"　（%1／%2）"_s.arg(page).arg(pages);
    text(kLeft + 4400, kTitleY + 120, info, 10);
    text(kLeft, kTitleY + 420, u"時数は 45分＝1.0、15分＝0.1。増減は実績－計画で、不足は赤、超過は青。"_s, 7);

    const std::vector<Column> cols = layout(table);
    const double headBottom = kTableTop + 2 * kHeadingRow;
    const double bottom = headBottom + rowCount * kRowHeight;
    const double tableRight =
        cols.empty() ? kRight : cols.back().left + cols.back().subWidth * cols.back().subColumns;

    // Headings.
    const double identX[] = {kLeft, kLeft + kGradeWidth, kLeft + kGradeWidth + kClassWidth,
                             kLeft + kGradeWidth + kClassWidth + kTeacherWidth};
    centred((identX[0] + identX[1]) / 2, kTableTop + kHeadingRow / 2, u"学年"_s, 7);
    centred((identX[1] + identX[2]) / 2, kTableTop + kHeadingRow / 2, u"組"_s, 7);
    centred((identX[2] + identX[3]) / 2, kTableTop + kHeadingRow / 2, u"担任"_s, 7);
    for (const Column& c : cols) {
        const double width = c.subWidth * c.subColumns;
        centred(c.left + width / 2, kTableTop + 50, fieldLabel(c.field), 7);
        static const QString kSub3[] = {u"計画"_s, u"実績"_s, u"増減"_s};
        for (int i = 0; i < c.subColumns; ++i) {
            const QString& label = kSub3[c.subColumns == 3 ? i : i + 1];
            centred(c.left + c.subWidth * (i + 0.5), kTableTop + kHeadingRow + 60, label, 5.5);
        }
    }

    // Rows.
    for (std::size_t i = firstRow; i < lastRow; ++i) {
        const ClassYear& c = table.rows[i].figures;
        const double y = headBottom + static_cast<double>(i - firstRow) * kRowHeight + 70;
        const QString grade = QString::number(c.grade);
        text((identX[0] + identX[1] - grade.size() * 7 * kHalfWidthPerPoint) / 2, y, grade, 7);
        // A name longer than its column is drawn smaller rather than cut.
        const auto fit = [](const QString& s, double width, double points) {
            const double needed = s.size() * points * kFullWidthPerPoint + 60;
            return needed > width ? std::max(4.0, points * width / needed) : points;
        };
        text(identX[1] + 40, y, c.strClass, fit(c.strClass, kClassWidth, 7));
        text(identX[2] + 40, y, c.teacher, fit(c.teacher, kTeacherWidth, 7));
        for (const Column& col : cols) {
            double right = col.left + col.subWidth;
            if (col.subColumns == 3) {
                figure(right, y, UnitsToText(c.year.plan[col.field]));
                right += col.subWidth;
            }
            figure(right, y, UnitsToText(c.year.actual[col.field]));
            right += col.subWidth;
            const std::optional<Units> d = c.year.difference(col.field);
            figure(right, y, differenceText(c.year, col.field),
                   !d || *d < 0 ? kRed
                   : *d > 0     ? kBlue
                                : kBlack);
        }
    }

    // Rules: a heavier one where the grade changes and around each field.
    rule(kLeft, kTableTop, tableRight, kTableTop, 3);
    rule(kLeft, headBottom, tableRight, headBottom, 3);
    for (int r = 1; r <= rowCount; ++r) {
        const std::size_t row = firstRow + static_cast<std::size_t>(r);
        const bool gradeEnds =
            row >= lastRow || table.rows[row].figures.grade != table.rows[row - 1].figures.grade;
        rule(kLeft, headBottom + r * kRowHeight, tableRight, headBottom + r * kRowHeight,
             r == rowCount ? 3
             : gradeEnds   ? 2
                           : 1);
    }
    for (double x : identX)
        rule(x, kTableTop, x, bottom, x == kLeft ? 3 : 1);
    rule(identX[3], kTableTop, identX[3], bottom, 3);
    for (const Column& c : cols) {
        rule(c.left, kTableTop, c.left, bottom, 2);
        rule(c.left, kTableTop + kHeadingRow, c.left + c.subWidth * c.subColumns, kTableTop + kHeadingRow, 1);
        for (int i = 1; i < c.subColumns; ++i)
            rule(c.left + i * c.subWidth, kTableTop + kHeadingRow, c.left + i * c.subWidth, bottom, 1);
    }
    rule(tableRight, kTableTop, tableRight, bottom, 3);
}

int pagesOf(const SchoolYearTable& table)
{
    return std::max(1, static_cast<int>((table.rows.size() + kSummaryRowsPerPage - 1) / kSummaryRowsPerPage));
}

} // namespace

std::vector<Field> summarySheetSubjects(const SchoolYearTable& table)
{
    std::vector<Field> out;
    for (Field f : table.fields)
        if (f != Field::KyoukaSyoukei && f != Field::TokkatsuSyoukei && f != Field::uchikiri &&
            f != Field::yobi)
            out.push_back(f);
    // The two totals at the end, whatever order the table lists them in.
    std::stable_partition(out.begin(), out.end(), [](Field f) { return !isTotal(f); });
    return out;
}

int summarySheetPages(const SchoolSummary& summary)
{
    int pages = 0;
    for (const SchoolYearTable& t : summary.years)
        pages += pagesOf(t);
    return pages;
}

void subPrintSchoolSummary(const SchoolSummary& summary, Printer& printer, const PrintableArea& area)
{
    printer.setColorMode(2);
    printer.setOrientation(Printer::Orientation::Landscape);
    printer.setFontName(kSheetFontGothic);
    const double factor = std::min({1.0, area.width / kPageWidth, area.height / kPageHeight});
    ScaledPrinter fitted(printer, factor);
    SummarySheet sheet(fitted, summary);
    bool first = true;
    for (const SchoolYearTable& table : summary.years) {
        const int pages = pagesOf(table);
        for (int page = 1; page <= pages; ++page) {
            if (!first)
                fitted.newPage();
            first = false;
            sheet.drawPage(table, static_cast<std::size_t>(page - 1) * kSummaryRowsPerPage, page, pages);
        }
    }
    printer.endDoc();
}
