#include "reports/termsheetparts.h"

#include "calendar/dates.h"
#include "core/appstate.h"
#include "platform/printer.h"
#include "reports/printhelpers.h"

namespace {

constexpr double kValuePadding = 40; // between a value and its column's right edge

bool isSubtotal(Field f)
{
    return f == Field::KyoukaSyoukei || f == Field::TokkatsuSyoukei || f == Field::SouJyugyouJisuu ||
           f == Field::SouJisuu;
}

} // namespace

QList<Field> termSheetFields(const AppState& state)
{
    const std::vector<Field>& order = state.catalogue().tallyOrder;
    return QList<Field>(order.begin(), order.end());
}

QString termSheetTitle(const AppState& state, int term, const QString& sheetName)
{
    return schoolYearName(state.intYear) + QStringLiteral("　") + QChar(u'０' + term) +
           QStringLiteral("学期の") + sheetName + QStringLiteral("   ") +
           gradeClassText(state.intGrade, state.strClass);
}

void beginTermSheet(Printer& printer, const AppState& state, int term, const QString& sheetName)
{
    printer.setColorMode(2);
    printer.setOrientation(Printer::Orientation::Landscape);
    printer.setFontName(kSheetFontMincho);
    printer.setFontSize(16);
    printer.printAt(500, 470, termSheetTitle(state, term, sheetName));
    printer.setFontSize(10);
    printer.printAt(11200, 620, QStringLiteral("担任　（") + state.strTeacher + QStringLiteral("）"));
}

FieldColumns::FieldColumns(QList<Field> fields, double left, double right)
    : m_fields(std::move(fields)), m_left(left), m_right(right),
      m_width(m_fields.isEmpty() ? 0 : (right - left) / m_fields.size())
{
}

QStringList headingLines(const QString& label)
{
    if (label.size() <= 3)
        return {label};
    const auto half = (label.size() + 1) / 2;
    return {label.left(half), label.mid(half)};
}

void FieldColumns::headings(Printer& printer, double top, double bottom, double points) const
{
    printer.setFontSize(points);
    const double em = points * 20;
    for (int i = 0; i < m_fields.size(); ++i) {
        const QStringList lines = headingLines(fieldLabel(m_fields[i]));
        double y = (top + bottom) / 2 - em * lines.size() / 2;
        for (const QString& line : lines) {
            printer.printAt(left(i) + (m_width - em * line.size()) / 2, y, line);
            y += em;
        }
    }
}

double FieldColumns::valueX(int column, double points) const
{
    // The sheets' font is fixed-pitch: a figure is half an em wide.
    return left(column) + m_width - kValuePadding - kValueChars * points * 10;
}

void FieldColumns::values(Printer& printer, const UnitCounts& counts, double y, double points) const
{
    printer.setFontSize(points);
    for (int i = 0; i < m_fields.size(); ++i)
        printer.printAt(valueX(i, points), y, fncCtoS(counts[m_fields[i]], kValueChars));
}

void FieldColumns::differences(Printer& printer, const TallyBlock& block, double y, double points) const
{
    printer.setFontSize(points);
    for (int i = 0; i < m_fields.size(); ++i) {
        printer.setCurrentX(valueX(i, points));
        printer.setCurrentY(y);
        printDifference(printer, block.difference(m_fields[i]), kValueChars);
    }
}

void FieldColumns::rules(Printer& printer, double top, double bottom) const
{
    for (int i = 1; i < m_fields.size(); ++i) {
        printer.setDrawWidth(isSubtotal(m_fields[i - 1]) || isSubtotal(m_fields[i]) ? 2 : 1);
        printer.line(left(i), top, left(i), bottom);
    }
}
