// What the two sheets of a term share: their title and teacher line, and a table whose columns
// are the plan's subject fields with the plan, actual hours and difference of the term below.
#pragma once

#include "core/unitcounts.h"
#include "totals/tally.h"

#include <QList>
#include <QString>

struct AppState;
class Printer;

// The fields a term sheet shows as columns, in the tally's order.
QList<Field> termSheetFields(const AppState& state);

// "平成13年度　１学期の時間割表   ３年２組": the year, the term's sheet and the class.
QString termSheetTitle(const AppState& state, int term, const QString& sheetName);

// Starts a term sheet: landscape, in colour, in Mincho, with its title (size 16) and teacher line
// (size 10) above the table, which starts at kTermSheetTableTop.
void beginTermSheet(Printer& printer, const AppState& state, int term, const QString& sheetName);

inline constexpr double kTermSheetLeft = 200;
inline constexpr double kTermSheetTop = 350;
inline constexpr double kTermSheetTableTop = 1000;

// Columns of equal width, one per field, between left and right.
class FieldColumns {
public:
    FieldColumns(QList<Field> fields, double left, double right);

    const QList<Field>& fields() const { return m_fields; }
    double left(int column) const { return m_left + m_width * column; }
    double right() const { return m_right; }
    double width() const { return m_width; }

    // The field names, one or two lines centred in each column between top and bottom.
    void headings(Printer& printer, double top, double bottom, double points) const;
    // One value per column, right-aligned, its text's top at y.
    void values(Printer& printer, const UnitCounts& counts, double y, double points) const;
    void differences(Printer& printer, const TallyBlock& block, double y, double points) const;
    // The separators between the columns, heavier on both sides of a subtotal.
    void rules(Printer& printer, double top, double bottom) const;

    // Characters every value is padded to; the totals of a year need six ("1000.0").
    static constexpr int kValueChars = 6;
    // Where a value's text starts in a column at a font size.
    double valueX(int column, double points) const;

private:
    QList<Field> m_fields;
    double m_left;
    double m_right;
    double m_width;
};

// Two lines for a field name too long for one narrow column: "総授業時数" → "総授業", "時数".
QStringList headingLines(const QString& label);
