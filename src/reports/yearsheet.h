// The annual timetable and tally sheet: the whole school year on one landscape page, a row per
// school week with every day's date and periods and the week's hours per subject, and below each
// term and at the foot the plan, actual hours and difference of the term and the year.
#pragma once

#include "reports/printablearea.h"

#include <QDate>
#include <array>

struct AppState;
class Printer;
class QPrinter;

// The week rows of one term: the term's own days and the Mondays of the rows that cover them.
struct YearSheetTerm {
    QDate firstDay;    // the day after the preceding vacation
    QDate lastDay;     // the day before the following vacation
    QDate firstMonday; // Monday of the first row (before firstDay when the term starts mid-week)
    int rows = 0;
};

// Rows are laid by real dates, so a third term whose first week begins in December is drawn like
// any other. A term without days (vacations not set) has no rows.
std::array<YearSheetTerm, 3> yearSheetTerms(const AppState& state);

// Where the drawing ends, in twips, before any fitting to the page.
double yearSheetBottom(const std::array<YearSheetTerm, 3>& terms);

// Lowest y the sheet may reach on an A4 landscape page with the printers' usual margins.
inline constexpr double kYearSheetPageBottom = 11300;

// The area the sheet stays within when the printer tells none. A sheet larger than its area (more
// week rows than usual, wide margins) is drawn smaller as a whole.
inline constexpr PrintableArea kYearSheetPage{16200, kYearSheetPageBottom};

// The printable area of the printer's page turned to landscape; the default area when unknown.
PrintableArea landscapeArea(const QPrinter& printer);

// Prints the sheet and ends the document. Recomputes objYearResult and its terms from the recorded
// days first and changes nothing else of the plan.
void subPrintYear(AppState& state, Printer& printer, const PrintableArea& area = kYearSheetPage);
