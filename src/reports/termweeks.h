// The week rows of a term as the printed sheets lay them out, Monday to Saturday by real dates, and
// what each day of a row shows: crossed out, a day off, or a school day with its registered record.
#pragma once

#include "core/appstate.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <array>

// The week rows of one term: the term's own days and the Mondays of the rows that cover them.
struct TermWeeks {
    QDate firstDay;    // the day after the preceding vacation
    QDate lastDay;     // the day before the following vacation
    QDate firstMonday; // Monday of the first row (before firstDay when the term starts mid-week)
    int rows = 0;

    QDate monday(int row) const { return firstMonday.addDays(7 * row); }
};

// Rows are laid by real dates, so a third term whose first week begins in December is drawn like
// any other. A term without days (vacations not set) has no rows.
std::array<TermWeeks, 3> termWeeks(const AppState& state);

// The record that shows on each date: the first one in the list that counts (not withdrawn).
class CountedDays {
public:
    explicit CountedDays(const AppState& state);
    const RivoDayTime* at(const QDate& date) const { return m_days.value(date); }

private:
    QHash<QDate, const RivoDayTime*> m_days;
};

// What one day of a week row shows.
struct SheetDay {
    enum class Kind {
        OutsideTerm, // crossed out: before the term's first day or after its last
        DayOff,      // its date and ☆ in every period
        SchoolDay,   // its date and what its record holds; without a record, empty periods
    };
    Kind kind = Kind::OutsideTerm;
    const RivoDayTime* record = nullptr; // a school day's counted record, if any

    // The initial taught in a period 0–6; empty for an empty period or none recorded.
    QString initial(int period) const;
};

SheetDay sheetDay(const AppState& state, const CountedDays& counted, const TermWeeks& term,
                  const QDate& date);
